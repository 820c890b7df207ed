#include "ClientWatch.h"

#include "bridge/BridgeLog.h"
#include "bridge/Outside.h"
#include "bridge/Paths.h"
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
    ++m_pending;
    QTimer::singleShot(m_checkAfterMs, this, [this, phone, logFile] { check(phone, logFile); });
}

void ClientWatch::check(const QString& phone, const QString& logFile)
{
    QFile log(logFile);
    QStringList errors;
    if (log.open(QIODevice::ReadOnly)) {
        for (const QString& line : ToolText::lines(log.read(ToolText::ReadCap))) {
            if (line.startsWith(QLatin1String("ERROR:")))
                errors.append(line);
        }
    }
    if (!errors.isEmpty()) {
        qCWarning(lcBridge) << "the client for" << phone << "failed:" << errors;
        m_failures.append(tr("设备 %1 未能开始投屏：\r\n%2\r\n完整记录见：%3")
                              .arg(phone, errors.join(QStringLiteral("\r\n")), QDir::toNativeSeparators(logFile)));
    }
    if (--m_pending > 0)
        return;
    if (!m_failures.isEmpty())
        Outside::current().showMessage(
            m_failures.join(QStringLiteral("\r\n\r\n")), tr("警告！"), Outside::Icon::Warning);
    deleteLater();
}
