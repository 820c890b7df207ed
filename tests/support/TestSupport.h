#pragma once

#include "bridge/Paths.h"
#include "bridge/ResultFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace TestSupport {

inline QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// The headless platform says on every fixed-size or raised window what it cannot do.
inline void quietHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler()(type, context, message);
}

// Result files and caches go to the test's own folder, never the user's.
inline void useTestFolders()
{
    previousHandler() = qInstallMessageHandler(quietHeadlessPlatform);
    QStandardPaths::setTestModeEnabled(true);
    QDir(Paths::resultFolder()).removeRecursively();
}

inline void writeResult(ResultFile file, const QByteArray& content)
{
    QFile out(ResultFiles::path(file));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(content);
}

inline void removeResults()
{
    for (ResultFile file : {ResultFile::Serno, ResultFile::Man, ResultFile::Wireless})
        QFile::remove(ResultFiles::path(file));
}

} // namespace TestSupport
