#pragma once

#include "bridge/Paths.h"
#include "install/ToolsHelper.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace TestSupport {

// The word after an option in a tool's words ("--window-title" "Redmi · SER1"), or empty.
inline QString valueAfter(const QStringList& words, const QString& option)
{
    const qsizetype at = words.indexOf(option);
    return at < 0 ? QString() : words.value(at + 1);
}

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

// Result files, caches, settings and the home folder are the run's own, never the user's nor
// another run's: two runs of one suite at once, or suites side by side, share nothing.
inline void useTestFolders()
{
    previousHandler() = qInstallMessageHandler(quietHeadlessPlatform);
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/pannix-test-home-XXXXXX"));
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(variable);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + QStringLiteral("/.config"));
    // The install helper as built, beside the program rather than beside the tests.
    ToolsHelper::setProgramForTests(QStringLiteral(PANNIX_TOOLS_HELPER));
}

} // namespace TestSupport
