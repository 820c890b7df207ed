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
// own, away. No timer runs while no phone is away.
class PhoneReconnect : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstPauseMs = 2000;
    static constexpr int LongestPauseMs = 60000;
    static constexpr qint64 GiveUpAfterMs = 10 * 60 * 1000;

    explicit PhoneReconnect(DeviceModel& model, QObject* parent = nullptr);

    // "断开": the tries for the address end at once and its slot is freed; with no address, for
    // every phone on the network.
    void forget(const QString& address);
    // Whether the phone is being connected again now.
    bool isAway(const QString& serial) const;

    // The timer's tick: the next try for the phone, unless one is on its way.
    void tryAgain(const QString& serial);
    // Tests drive the tries: the timer of the next one, and the clock the ten minutes are read on.
    QTimer* timerFor(const QString& serial) const;
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
        int tries = 0;
        int pauseMs = FirstPauseMs;
        qint64 since = 0;
        bool calling = false;
    };

    void take(const QList<DeviceList::Entry>& listed);
    void begin(const QString& serial);
    void answered(const QString& serial, bool connected, const QString& answer);
    void end(const QString& serial);

    DeviceModel& m_model;
    QSet<QString> m_seen; // network phones listed as "device" during this run, and not disconnected since
    // Disconnected by the user: not taken for seen again until they have left the list (a list on its
    // way when "断开" was pressed may still name them ready).
    QSet<QString> m_forgotten;
    QHash<QString, Away> m_away;
    std::function<qint64()> m_now;
};
