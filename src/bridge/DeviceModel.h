#pragma once

#include "DeviceList.h"
#include "PhoneIdentities.h"
#include "ToolCommand.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// The phones the bridge tool lists now, each in a slot of its own: a phone keeps its slot while it
// is listed, a new phone takes the first free one, and a phone that goes frees its slot, which the
// first phone waiting takes at once. A phone is one however many names the bridge lists it under (a
// cable and an address, an old port and a new one): one slot, shown under the name in use. Phones
// beyond the three slots are kept by name, never dropped. Each phone's maker and model are asked
// once, as soon as it can answer. Which slots are ticked is kept here too: the launcher's slot boxes
// show and change it, and every command that addresses phones reads it at its click. The windows
// observe changed() and selectionChanged() rather than write into each other.
class DeviceModel : public QObject
{
    Q_OBJECT

public:
    static constexpr int Slots = 3;

    struct Phone
    {
        DeviceList::Entry entry;
        QString maker; // empty until the phone has answered
        QString model; // likewise
    };

    explicit DeviceModel(QObject* parent = nullptr);

    // Who each listed phone is, whichever name it is listed under.
    PhoneIdentities& identities() { return m_identities; }
    const PhoneIdentities& identities() const { return m_identities; }
    // The identity of the phone in slot 1 to 3, there or away; empty for none.
    QString identityAt(int slot) const;
    // The slot of the phone with this identity, there or away; 0 for none.
    int slotOf(const QString& identity) const;

    // Takes a whole list, from the tracking or from a device list answer.
    void setListed(const QList<DeviceList::Entry>& listed);
    // How many lists have been taken: an answer asked for before the last one is older than it.
    int listsTaken() const { return m_listsTaken; }

    // A phone being connected again keeps its slot while it is away: keepsSlot is asked of each
    // slotted phone that leaves the list. An away slot addresses nothing: it is unticked, and a new
    // phone takes another; listed again, the phone takes it back with the tick it had.
    void setKeepsSlot(std::function<bool(const QString& serial)> keepsSlot);
    // The phone away from the slot, if any, and how often it has been tried again.
    const Phone* awayAt(int slot) const;
    int awayTries(int slot) const;
    void setAwayTries(const QString& serial, int tries);
    // Frees the slot of a phone away (given up, or disconnected by the user) for the first phone
    // waiting.
    void release(const QString& serial);

    // The phone in slot 1 to 3, if any.
    const Phone* phoneAt(int slot) const;
    // The slot's serial field (serial, separator and a state word other than "device"), or empty.
    QString fieldAt(int slot) const;
    // How many phones are listed, with a slot or without.
    int count() const;
    QStringList withoutSlot() const;
    // The phones whose maker is known to be this one.
    QStringList madeBy(const QString& maker) const;

    // Whether slot 1 to 3 is ticked. A slot without a phone is never ticked once a list has come,
    // and a lone phone always is; before the first list, slot 1 is, as its box is at start.
    bool isTicked(int slot) const;
    void setTicked(int slot, bool ticked);

signals:
    void changed();
    void selectionChanged();
    void makerKnown(const QString& serial, const QString& maker);
    void modelKnown(const QString& serial, const QString& model);
    // Every list taken, after the slots were placed; the last one again when a phone told who it is.
    void listTaken(const QList<DeviceList::Entry>& listed);

private:
    void take(
        const QList<DeviceList::Entry>& listed, const QStringList& before, const std::array<bool, Slots>& tickedBefore);
    QList<DeviceList::Entry> onePerPhone(const QList<DeviceList::Entry>& listed) const;
    bool inUse(const QString& serial) const;
    void askDetails(const QString& serial);
    void askFirstLine(const QString& serial, const ToolCommand& tail, std::function<void(Phone&, const QString&)> take);
    void applySelectionRules();
    QList<Phone> phones() const;
    QList<Phone*> mutablePhones();
    QStringList snapshot() const;

    struct Away
    {
        Phone phone;
        bool ticked = false; // the tick it had when it left, given back when it returns
        int tries = 0;
    };
    void settleChange(const QStringList& before, const std::array<bool, Slots>& tickedBefore);
    void keepSlotsAway(const QList<DeviceList::Entry>& listed);
    void place(const QList<DeviceList::Entry>& listed, const QHash<QString, Phone>& known);
    bool hasSlotElsewhere(const DeviceList::Entry& entry, const QList<DeviceList::Entry>& listed, int slot) const;
    void placeUnderNewNames(const QList<DeviceList::Entry>& listed, std::array<std::optional<Phone>, Slots>& placed);

    PhoneIdentities m_identities;
    QList<DeviceList::Entry> m_listed; // the last list taken, every name in it
    int m_listsTaken = 0;
    std::array<std::optional<Phone>, Slots> m_slots;
    std::array<std::optional<Away>, Slots> m_away;
    std::function<bool(const QString&)> m_keepsSlot;
    QList<Phone> m_withoutSlot;
    QSet<QString> m_makerAsked; // phones asked while listed; asked again when they come back
    std::array<bool, Slots> m_ticked {true, false, false};
};
