#pragma once

#include "DeviceList.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class DeviceModel;

// A phone's drop is learnt from every witness, not from the device tracking alone: Debian's adb 29
// tells its tracking nothing when a Wi-Fi phone's connection dies, until it has attached the phone
// again by itself. The witnesses: a waiting "adb -s <serial> wait-for-disconnect" kept for each
// Wi-Fi phone listed ready (it returns as the connection dies), a mirroring client that ended
// because its phone disconnected, and a call for one phone that the bridge answered with the phone
// offline or not found. Each asks the bridge once for the list, whose answer is taken as the
// tracking's: a phone it calls offline or leaves out is away from then on.
class PhoneDrops : public QObject
{
    Q_OBJECT

public:
    explicit PhoneDrops(DeviceModel& model, QObject* parent = nullptr);
    ~PhoneDrops() override;

    // A witness says the phone may be gone.
    void witnessed(const QString& serial);
    // The bridge is asked for the list once: one call, and at most one more for what was witnessed
    // while it was on its way.
    void askList();

    // The phones whose connection is waited on now.
    QStringList waitedOn() const;

private:
    void take(const QList<DeviceList::Entry>& listed);
    void waitOn(const QString& serial);

    DeviceModel& m_model;
    QHash<QString, QPointer<QObject>> m_waits;
    // Phones whose wait ended while they were still listed ready: not waited on again until they
    // have been away, so a wait that cannot work is not started over and over.
    QSet<QString> m_waitEnded;
    bool m_asking = false;
    bool m_askAgain = false;
};
