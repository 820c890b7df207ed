#pragma once

#include "DeviceList.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class DeviceModel;
class QTimer;

// Phones over Wi-Fi come back by themselves. A phone whose serial is a network address (host:port)
// that has been listed as "device" during this run, and that then leaves the list or turns
// "offline", is connected again with "adb connect" after 2 s, then 4, 8, 16… at most 60 s apart,
// one try at a time, until it is listed as "device" again (by the tracking, or by the list asked for
// after a try), the user disconnects it, or ten minutes have passed; meanwhile its slot stays its
// own, away. Between the tries its port is knocked at every half second through its first minute
// away, and at each try after that: the moment it listens again it is disconnected and connected
// anew, since an old bridge holds a connection it believes alive for seconds before it tries again
// by itself. A phone that knows its serial number is looked for among the bridge's mDNS services
// too, where the bridge has them: a new port is connected to. A phone listed ready under another
// name of its own (a new port, its cable) is back. No timer runs while no phone is away.
class PhoneReconnect : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstPauseMs = 2000;
    static constexpr int LongestPauseMs = 60000;
    static constexpr qint64 GiveUpAfterMs = 10 * 60 * 1000;
    static constexpr int KnockEveryMs = 500;
    static constexpr qint64 KnockFirstMs = 60 * 1000;
    static constexpr int KnockTimeLimitMs = 400;

    explicit PhoneReconnect(DeviceModel& model, QObject* parent = nullptr);

    // "断开": the tries for the address end at once and its slot is freed; with no address, for
    // every phone on the network.
    void forget(const QString& address);
    // Whether the phone is being connected again now.
    bool isAway(const QString& serial) const;

    // The timer's tick: the next try for the phone, unless one is on its way.
    void tryAgain(const QString& serial);
    // The knock at its port, between the tries.
    void knock(const QString& serial);
    // Tests drive the tries: the timer of the next one, and the clock the ten minutes are read on.
    QTimer* timerFor(const QString& serial) const;
    QTimer* knockTimerFor(const QString& serial) const;
    void setClock(std::function<qint64()> nowMs);

    static bool isNetworkAddress(const QString& serial);
    // The phones of a list that are on the network and ready ("device").
    static QSet<QString> readyOnNetwork(const QList<DeviceList::Entry>& listed);

signals:
    // Listed as "device" again after being away.
    void returned(const QString& serial);
    // A try has been answered: whether the phone is back is the list's to say ("already connected"
    // is what the bridge answers while it still holds the phone offline).
    void tried(const QString& serial);
    void givenUp(const QString& serial);

private:
    struct Away
    {
        QTimer* timer = nullptr;
        QTimer* knockTimer = nullptr;
        int tries = 0;
        int pauseMs = FirstPauseMs;
        qint64 since = 0;
        bool calling = false;
        bool knocking = false;
    };

    void take(const QList<DeviceList::Entry>& listed);
    bool backUnderAnotherName(const QString& serial, const QList<DeviceList::Entry>& listed);
    void begin(const QString& serial);
    void connectAgain(const QString& serial);
    void connectAnew(const QString& serial);
    void lookInServices(const QString& serial);
    void connectTo(const QString& serial, const QString& address);
    void answered(const QString& serial, bool connected, const QString& answer);
    void end(const QString& serial);

    DeviceModel& m_model;
    QSet<QString> m_seen; // network phones listed as "device" during this run, and not disconnected since
    // Disconnected by the user: not taken for seen again until they have left the list (a list on its
    // way when "断开" was pressed may still name them ready).
    QSet<QString> m_forgotten;
    int m_listsSeen = 0; // the model's count of lists at the last one taken
    QHash<QString, Away> m_away;
    std::function<qint64()> m_now;
    bool m_servicesUnknown = false; // the bridge has answered "adb mdns services" with a failure
};
