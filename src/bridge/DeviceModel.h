#pragma once

#include "DeviceList.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <array>
#include <optional>

// The phones the bridge tool lists now, each in a slot of its own: a phone keeps its slot while it
// is listed, a new phone takes the first free one, and a phone that goes frees its slot. Phones
// beyond the three slots are kept by name, never dropped. Each phone's maker is asked once, as
// soon as it can answer. The windows observe changed() rather than write into each other.
class DeviceModel : public QObject
{
    Q_OBJECT

public:
    static constexpr int Slots = 3;

    struct Phone
    {
        DeviceList::Entry entry;
        QString maker; // empty until the phone has answered
    };

    explicit DeviceModel(QObject* parent = nullptr);

    // Takes a whole list, from the tracking or from a device list answer.
    void setListed(const QList<DeviceList::Entry>& listed);

    // The phone in slot 1 to 3, if any.
    const Phone* phoneAt(int slot) const;
    // The slot's serial field (serial, separator and a state word other than "device"), or empty.
    QString fieldAt(int slot) const;
    // How many phones are listed, with a slot or without.
    int count() const;
    QStringList withoutSlot() const;
    // The phones whose maker is known to be this one.
    QStringList madeBy(const QString& maker) const;

signals:
    void changed();
    void makerKnown(const QString& serial, const QString& maker);

private:
    void askMaker(const QString& serial);
    QList<Phone> phones() const;
    QList<Phone*> mutablePhones();
    QStringList snapshot() const;

    std::array<std::optional<Phone>, Slots> m_slots;
    QList<Phone> m_withoutSlot;
    QSet<QString> m_makerAsked; // phones asked while listed; asked again when they come back
};
