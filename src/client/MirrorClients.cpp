#include "MirrorClients.h"

#include "ClientOptions.h"
#include "ClientVersion.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceModel.h"
#include "bridge/Outside.h"
#include "bridge/PhoneDrops.h"
#include "bridge/ToolLocator.h"

#include <QFile>

#include <utility>

MirrorClients::MirrorClients(DeviceModel& devices, ClientVersion& version, PhoneDrops& drops, QObject* parent)
    : QObject(parent)
    , m_devices(devices)
    , m_version(version)
    , m_drops(drops)
{
    connect(&m_devices, &DeviceModel::listTaken, this, &MirrorClients::take);
}

// The last launch's watch reports on its own clients and ends itself; one that watches none (no
// client of that launch started) ends here.
void MirrorClients::newLaunch()
{
    m_failureTold = false;
    if (m_watch && !m_watch->watching())
        m_watch->deleteLater();
    m_watch = nullptr;
}

void MirrorClients::start(const ToolCommand& command, const QString& phone)
{
    QString problem;
    if (!startClient(command, phone, &problem))
        reportStartFailure(command, problem);
}

// Told once per launch, however many clients failed and whenever the system said so; later ticks
// may come while the box is open.
void MirrorClients::reportStartFailure(const ToolCommand& command, const QString& problem)
{
    if (std::exchange(m_failureTold, true))
        return;
    if (ToolLocator::missing(command.words.first())) {
        emit clientMissing();
        return;
    }
    Outside::current().showMessage(tr("无法启动 scrcpy！\r\n") + problem, tr("警告！"), Outside::Icon::Warning);
}

// Started with a log of its own and watched until it ends.
bool MirrorClients::startClient(const ToolCommand& command, const QString& phone, QString* problem)
{
    const QString log = ClientWatch::newLogFile(phone);
    if (!m_watch)
        m_watch = new ClientWatch(this, clientCheckMs);
    const QPointer<MirrorClients> self(this);
    const QPointer<ClientWatch> watch(m_watch);
    const auto ended = [self, watch, phone, command, log](const ToolAnswer& answer) {
        if (watch)
            watch->ended(log, answer);
        if (self)
            self->ended(phone, command, answer);
    };
    if (!CommandRunner::startClient(command, log, problem, ended)) {
        QFile::remove(log);
        return false;
    }
    m_watch->watch(phone, log);
    return true;
}

void MirrorClients::ended(const QString& phone, const ToolCommand& command, const ToolAnswer& answer)
{
    if (answer.outcome == ToolAnswer::Outcome::FailedToStart) {
        reportStartFailure(command, answer.problem);
        return;
    }
    const QVersionNumber version = m_version.version();
    if (!answer.ranToEnd() || answer.exitCode != 2 || version.isNull()
        || version < ClientOptions::DisconnectStatusSince)
        return;
    // The phone may already be listed gone; else the bridge is asked, since it may not have said so.
    m_toReopen.insert(phone, {command, !listedReady(phone)});
    m_drops.witnessed(phone);
}

// Back is back however the list says it: a phone seen gone since its client ended, and listed
// ready now (under its own name or another of its own, a new port say), has its mirror opened
// again, once. The status line names every mirror opened again.
void MirrorClients::take(const QList<DeviceList::Entry>& listed)
{
    QStringList reopened;
    QStringList failed;
    QStringList phones = m_toReopen.keys();
    phones.sort(); // told in one order whatever the hash's
    for (const QString& phone : std::as_const(phones)) {
        ToReopen& reopen = m_toReopen[phone];
        const QString now = nameListedReady(listed, phone);
        if (now.isEmpty() || !reopen.gone) {
            reopen.gone = reopen.gone || now.isEmpty();
            continue;
        }
        const ToolCommand command = underName(reopen.command, phone, now);
        m_toReopen.remove(phone);
        QString problem;
        if (startClient(command, now, &problem))
            reopened << now;
        else
            failed << tr("%1 已重新连接，但投屏未能重新打开：%2").arg(now, problem);
    }
    if (!reopened.isEmpty())
        failed.prepend(tr("%1 已重新连接，投屏已重新打开。").arg(reopened.join(tr("、"))));
    if (!failed.isEmpty())
        emit status(failed.join(QLatin1Char(' ')));
}

// The name the phone is listed ready under: its own, or another of its own; empty when it is not.
QString MirrorClients::nameListedReady(const QList<DeviceList::Entry>& listed, const QString& phone) const
{
    if (DeviceList::listsReady(listed, phone))
        return phone;
    for (const DeviceList::Entry& entry : listed) {
        if (entry.ready() && m_devices.identities().samePhone(entry.serial, phone))
            return entry.serial;
    }
    return {};
}

// The client's words with the phone's new name, as its selector and in its window's title.
ToolCommand MirrorClients::underName(ToolCommand command, const QString& before, const QString& now)
{
    const QString title = ClientOptions::word(ClientOptions::Choice::WindowTitle);
    for (qsizetype i = 0; i < command.words.size(); ++i) {
        QString& word = command.words[i];
        if (word == before && i > 0 && command.words[i - 1] == QLatin1String("-s"))
            word = now;
        else if (i > 0 && command.words[i - 1] == title && word.endsWith(before))
            word = word.chopped(before.size()) + now;
    }
    command.text.replace(before, now);
    return command;
}

bool MirrorClients::listedReady(const QString& phone) const
{
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        const DeviceModel::Phone* listed = m_devices.phoneAt(slot);
        if (listed && listed->entry.serial == phone)
            return listed->entry.ready();
    }
    return false;
}
