#include "PhoneReconnect.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "CommandRunner.h"
#include "DeviceModel.h"
#include "ToolText.h"

#include <QElapsedTimer>
#include <QTimer>

PhoneReconnect::PhoneReconnect(DeviceModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_now = [clock] { return clock->elapsed(); };
    m_model.setKeepsSlot([this](const QString& serial) { return m_seen.contains(serial); });
    connect(&m_model, &DeviceModel::listTaken, this, &PhoneReconnect::take);
}

bool PhoneReconnect::isNetworkAddress(const QString& serial)
{
    return DeviceList::networkHost(serial).has_value();
}

QSet<QString> PhoneReconnect::readyOnNetwork(const QList<DeviceList::Entry>& listed)
{
    QSet<QString> ready;
    for (const DeviceList::Entry& entry : listed) {
        if (entry.ready() && isNetworkAddress(entry.serial))
            ready.insert(entry.serial);
    }
    return ready;
}

void PhoneReconnect::take(const QList<DeviceList::Entry>& listed)
{
    QSet<QString> ready = readyOnNetwork(listed);
    QSet<QString> present;
    for (const DeviceList::Entry& entry : listed)
        present.insert(entry.serial);
    m_forgotten.intersect(present);
    ready.subtract(m_forgotten);
    for (const QString& serial : ready) {
        m_seen.insert(serial);
        if (m_away.contains(serial)) {
            qCInfo(lcBridge) << "reconnect:" << serial << "is back";
            end(serial);
            emit returned(serial);
        }
    }
    const QSet<QString> seen = m_seen;
    for (const QString& serial : seen) {
        if (!ready.contains(serial) && !m_away.contains(serial))
            begin(serial);
    }
}

void PhoneReconnect::begin(const QString& serial)
{
    qCInfo(lcBridge) << "reconnect:" << serial << "is gone; connecting it again in" << FirstPauseMs << "ms";
    Away away;
    away.since = m_now();
    away.timer = new QTimer(this);
    away.timer->setSingleShot(true);
    // A coarse timer may fire 5 % early: the first try is promised no sooner than 2 s.
    away.timer->setTimerType(Qt::PreciseTimer);
    connect(away.timer, &QTimer::timeout, this, [this, serial] { tryAgain(serial); });
    away.timer->start(FirstPauseMs);
    m_away.insert(serial, away);
}

void PhoneReconnect::tryAgain(const QString& serial)
{
    const auto found = m_away.find(serial);
    if (found == m_away.end() || found->calling)
        return;
    if (m_now() - found->since >= GiveUpAfterMs) {
        answered(serial, false, QString());
        return;
    }
    found->calling = true;
    const int tries = ++found->tries;
    m_model.setAwayTries(serial, tries);
    qCInfo(lcBridge) << "reconnect: try" << tries << "for" << serial;
    CommandRunner::call(AdbCommands::connectTo(serial), this, [this, serial](const ToolAnswer& answer) {
        const QString said = ToolText::lines(answer.output + answer.errors).join(QLatin1Char(' '));
        answered(serial, AdbCommands::saysConnected(answer), said);
    });
}

// The next try waits twice as long as the last, at most a minute; after ten minutes the phone is
// given up and its slot freed.
void PhoneReconnect::answered(const QString& serial, bool connected, const QString& answer)
{
    const auto found = m_away.find(serial);
    if (found == m_away.end())
        return;
    found->calling = false;
    if (!answer.isEmpty() || connected)
        qCInfo(lcBridge) << "reconnect: try" << found->tries << "for" << serial << "answered" << answer;
    if (m_now() - found->since >= GiveUpAfterMs) {
        qCInfo(lcBridge) << "reconnect: gave up on" << serial << "after" << found->tries << "tries";
        end(serial);
        m_seen.remove(serial);
        m_model.release(serial);
        emit givenUp(serial);
        return;
    }
    found->pauseMs = qMin(found->pauseMs * 2, LongestPauseMs);
    found->timer->start(found->pauseMs);
    emit tried(serial);
}

void PhoneReconnect::end(const QString& serial)
{
    const Away away = m_away.take(serial);
    delete away.timer;
}

void PhoneReconnect::forget(const QString& address)
{
    if (!address.isEmpty())
        m_forgotten.insert(address); // also when it was never ready: it may be on its way
    const QSet<QString> seen = m_seen;
    for (const QString& serial : seen) {
        if (!address.isEmpty() && serial != address)
            continue;
        m_seen.remove(serial);
        m_forgotten.insert(serial);
        if (m_away.contains(serial)) {
            qCInfo(lcBridge) << "reconnect: no more tries for" << serial << "- disconnected by the user";
            end(serial);
            m_model.release(serial);
        }
    }
}

bool PhoneReconnect::isAway(const QString& serial) const
{
    return m_away.contains(serial);
}

QTimer* PhoneReconnect::timerFor(const QString& serial) const
{
    return m_away.value(serial).timer;
}

void PhoneReconnect::setClock(std::function<qint64()> nowMs)
{
    m_now = std::move(nowMs);
}
