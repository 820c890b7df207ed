#include "ClientWatch.h"

#include "bridge/BridgeLog.h"
#include "bridge/Outside.h"
#include "bridge/Paths.h"
#include "bridge/ToolAnswer.h"
#include "bridge/ToolText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

ClientWatch::ClientWatch(QObject* parent, int checkAfterMs)
    : QObject(parent)
    , m_checkAfterMs(checkAfterMs)
{
}

QString ClientWatch::newLogFile(const QString& serial)
{
    // Always in its own folder: when that cannot be made, the start says so instead of the log
    // landing elsewhere unseen.
    const QDir folder(Paths::cacheFolder() + QStringLiteral("/clients"));
    folder.mkpath(QStringLiteral("."));
    QString phone = serial;
    phone.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    const QString name = QStringLiteral("scrcpy-%1-%2.log")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                                 phone.isEmpty() ? QStringLiteral("device") : phone);
    // Names begin with the time, so sorted by name the oldest come first.
    QStringList logs = folder.entryList({QStringLiteral("scrcpy-*.log")}, QDir::Files, QDir::Name);
    while (logs.size() >= KeptLogs)
        QFile::remove(folder.filePath(logs.takeFirst()));
    return folder.filePath(name);
}

void ClientWatch::watch(const QString& phone, const QString& logFile)
{
    m_watched.append(logFile);
    QTimer::singleShot(m_checkAfterMs, this, [this, phone, logFile] { check(phone, logFile); });
}

// A client the system could not start is told by the launch itself, as every failed start is.
void ClientWatch::ended(const QString& logFile, const ToolAnswer& answer)
{
    const bool started
        = answer.outcome == ToolAnswer::Outcome::Exited || answer.outcome == ToolAnswer::Outcome::Crashed;
    if (m_watched.contains(logFile) && started && !answer.succeeded())
        m_endedBadly.insert(logFile, answer.ranToEnd() ? answer.exitCode : -1);
}

void ClientWatch::check(const QString& phone, const QString& logFile)
{
    m_watched.removeOne(logFile);
    QFile log(logFile);
    QStringList lines;
    if (log.open(QIODevice::ReadOnly))
        lines = ToolText::lines(log.read(ToolText::ReadCap));
    QStringList errors;
    for (const QString& line : std::as_const(lines)) {
        if (line.startsWith(QLatin1String("ERROR:")))
            errors.append(line);
    }
    if (errors.isEmpty() && m_endedBadly.contains(logFile)) {
        lines.removeAll(QString());
        errors = lines.mid(qMax(0, int(lines.size()) - QuotedLines));
        if (errors.isEmpty())
            errors << tr("scrcpy 已结束（状态 %1），没有留下任何输出。").arg(m_endedBadly.value(logFile));
    }
    if (!errors.isEmpty()) {
        qCWarning(lcBridge) << "the client for" << phone << "failed:" << errors;
        m_failures.append(tr("设备 %1 未能开始投屏：\r\n%2\r\n完整记录见：%3")
                              .arg(phone, errors.join(QStringLiteral("\r\n")), QDir::toNativeSeparators(logFile)));
    }
    if (watching())
        return;
    if (!m_failures.isEmpty())
        Outside::current().showMessage(
            m_failures.join(QStringLiteral("\r\n\r\n")), tr("警告！"), Outside::Icon::Warning);
    deleteLater();
}
