#include "PhoneReconnect.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "CommandRunner.h"
#include "DeviceModel.h"
#include "Outside.h"
#include "ToolText.h"
#include "WirelessDebugging.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// A TCP connection to the phone's address, opened and closed: whether it listens.
void knockAt(const QString& serial, QObject* receiver, std::function<void(bool)> onAnswer)
{
    const QString host = DeviceList::networkHost(serial).value_or(QString());
    const quint16 port = quint16(serial.mid(host.size() + 1).toUInt());
    Outside::current().probe(host, port, PhoneReconnect::KnockTimeLimitMs, receiver, std::move(onAnswer));
}

} // namespace

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
    // The same list again (a slot freed, a phone that told who it is) says nothing new of who left.
    if (m_model.listsTaken() != m_listsSeen)
        m_forgotten.intersect(present);
    m_listsSeen = m_model.listsTaken();
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
        if (!ready.contains(serial) && !backUnderAnotherName(serial, listed) && !m_away.contains(serial))
            begin(serial);
    }
}

// The phone is listed ready under another name of its own: its old name is tried no more. An old port
// the bridge still lists is let go of, or the bridge would go on connecting to it by itself.
bool PhoneReconnect::backUnderAnotherName(const QString& serial, const QList<DeviceList::Entry>& listed)
{
    const PhoneIdentities& identities = m_model.identities();
    const auto here = std::find_if(listed.begin(), listed.end(), [&](const DeviceList::Entry& entry) {
        return entry.ready() && entry.serial != serial && identities.samePhone(entry.serial, serial);
    });
    if (here == listed.end())
        return false;
    qCInfo(lcBridge) << "reconnect:" << serial << "is back as" << here->serial;
    if (m_away.contains(serial)) {
        end(serial);
        emit returned(serial);
    }
    m_seen.remove(serial);
    const bool stillListed = std::any_of(
        listed.begin(), listed.end(), [&](const DeviceList::Entry& entry) { return entry.serial == serial; });
    if (stillListed && isNetworkAddress(here->serial))
        CommandRunner::call(AdbCommands::disconnectFrom(serial), this, [](const ToolAnswer&) {});
    return true;
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
    away.knockTimer = new QTimer(this);
    connect(away.knockTimer, &QTimer::timeout, this, [this, serial] { knock(serial); });
    away.knockTimer->start(KnockEveryMs);
    m_away.insert(serial, away);
}

// Through its first minute away the phone's port is knocked at every half second; after that, at
// each try.
void PhoneReconnect::knock(const QString& serial)
{
    const auto found = m_away.find(serial);
    if (found == m_away.end() || found->calling || found->knocking)
        return;
    if (m_now() - found->since >= KnockFirstMs) {
        found->knockTimer->stop();
        return;
    }
    found->knocking = true;
    knockAt(serial, this, [this, serial](bool listening) {
        const auto found = m_away.find(serial);
        if (found == m_away.end())
            return;
        found->knocking = false;
        if (listening && !found->calling) {
            qCInfo(lcBridge) << "reconnect:" << serial << "listens again";
            found->calling = true;
            m_model.setAwayTries(serial, ++found->tries);
            connectAnew(serial);
        }
    });
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
    if (m_now() - found->since < KnockFirstMs) {
        connectAgain(serial);
        return;
    }
    // Past the first minute the port is knocked at only now, with the try.
    knockAt(serial, this, [this, serial](bool listening) {
        if (!m_away.contains(serial))
            return; // back meanwhile: nothing to connect, and nothing to let go of
        listening ? connectAnew(serial) : connectAgain(serial);
    });
}

// "adb connect" to the phone's address, or to the new port its mDNS service tells.
void PhoneReconnect::connectAgain(const QString& serial)
{
    if (m_model.identities().of(serial) != serial && !m_servicesUnknown)
        lookInServices(serial);
    else
        connectTo(serial, serial);
}

void PhoneReconnect::lookInServices(const QString& serial)
{
    CommandRunner::call(AdbCommands::mdnsServices(), this, [this, serial](const ToolAnswer& answer) {
        if (!answer.succeeded()) {
            m_servicesUnknown = answer.ranToEnd(); // a bridge that has no such command
            connectTo(serial, serial);
            return;
        }
        // An instance is named "adb-<serial number>-<a word of its own>".
        const QString named = QStringLiteral("adb-") + m_model.identities().of(serial) + QLatin1Char('-');
        QString address = serial;
        for (const WirelessDebugging::Service& service : WirelessDebugging::services(ToolText::lines(answer.output))) {
            if (service.type == WirelessDebugging::ConnectService && service.instance.startsWith(named))
                address = service.address;
        }
        if (address != serial)
            qCInfo(lcBridge) << "reconnect:" << serial << "now listens at" << address;
        connectTo(serial, address);
    });
}

void PhoneReconnect::connectTo(const QString& serial, const QString& address)
{
    CommandRunner::call(AdbCommands::connectTo(address), this, [this, serial](const ToolAnswer& answer) {
        const QString said = ToolText::lines(answer.output + answer.errors).join(QLatin1Char(' '));
        answered(serial, AdbCommands::saysConnected(answer), said);
    });
}

// The phone listens again: the connection the bridge still holds is let go of and made anew.
void PhoneReconnect::connectAnew(const QString& serial)
{
    CommandRunner::call(
        AdbCommands::disconnectFrom(serial), this, [this, serial](const ToolAnswer&) { connectTo(serial, serial); });
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
    delete away.knockTimer;
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

QTimer* PhoneReconnect::knockTimerFor(const QString& serial) const
{
    return m_away.value(serial).knockTimer;
}

void PhoneReconnect::setClock(std::function<qint64()> nowMs)
{
    m_now = std::move(nowMs);
}
