#pragma once

#include "ClientWatch.h"
#include "bridge/DeviceList.h"
#include "bridge/ToolCommand.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class ClientVersion;
class DeviceModel;
class PhoneDrops;
struct ToolAnswer;

// The mirroring clients of the launches: each started with a log of its own and watched through its
// first seconds, a launch's failures told once. A client of 1.24 or later that ends with the client's
// "Device disconnected" (status 2) witnesses its phone's drop, and is started again with the same
// words, once, when its phone is listed ready again after it was gone (a Wi-Fi phone connected again,
// perhaps at a new port, a cable plugged in again). A window the user closed (0) or a client that failed (1) stays
// closed.
class MirrorClients : public QObject
{
    Q_OBJECT

public:
    MirrorClients(DeviceModel& devices, ClientVersion& version, PhoneDrops& drops, QObject* parent = nullptr);

    // How long a started client has to show that it failed (tests shorten it).
    int clientCheckMs = ClientWatch::CheckAfterMs;

    // A new launch: its clients are watched together and its failures told once.
    void newLaunch();
    // Starts the phone's client with a log of its own; one that cannot start is told, once for the
    // launch.
    void start(const ToolCommand& command, const QString& phone);

signals:
    // The client is found nowhere: the tools window offers it rather than a message.
    void clientMissing();
    // What became of a mirror opened again, for the launcher's status line.
    void status(const QString& text);

private:
    bool startClient(const ToolCommand& command, const QString& phone, QString* problem);
    void reportStartFailure(const ToolCommand& command, const QString& problem);
    void ended(const QString& phone, const ToolCommand& command, const ToolAnswer& answer);
    void take(const QList<DeviceList::Entry>& listed);
    QString nameListedReady(const QList<DeviceList::Entry>& listed, const QString& phone) const;
    static ToolCommand underName(ToolCommand command, const QString& before, const QString& now);
    bool listedReady(const QString& phone) const;

    DeviceModel& m_devices;
    ClientVersion& m_version;
    PhoneDrops& m_drops;
    bool m_failureTold = false;
    QPointer<ClientWatch> m_watch;
    // The clients that ended because their phone dropped, to be started again with the same words,
    // and whether their phone has been seen gone since.
    struct ToReopen
    {
        ToolCommand command;
        bool gone = false;
    };
    QHash<QString, ToReopen> m_toReopen;
};
