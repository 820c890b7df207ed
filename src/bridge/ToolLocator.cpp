#include "ToolLocator.h"

#include "Paths.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ToolLocator {

#ifdef Q_OS_WIN
static const char* const executableSuffix = ".exe";
#else
static const char* const executableSuffix = "";
#endif

QString locate(const QString& toolName)
{
    QString name = toolName;
    if (!name.endsWith(QLatin1String(executableSuffix), Qt::CaseInsensitive))
        name += QLatin1String(executableSuffix);
    const QFileInfo besideProgram(Paths::programFolder() + QLatin1Char('/') + name);
    if (besideProgram.isFile() && besideProgram.isExecutable())
        return besideProgram.absoluteFilePath();
    return QStandardPaths::findExecutable(toolName);
}

QStringList requiredBridgeFiles()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("AdbWinUsbApi.dll"), QStringLiteral("AdbWinApi.dll"), QStringLiteral("adb.exe")};
#else
    return {QStringLiteral("adb")};
#endif
}

bool bridgeToolPresent()
{
#ifdef Q_OS_WIN
    // Hidden and system files do not count as present.
    for (const QString& name : requiredBridgeFiles()) {
        const QFileInfo file(Paths::programFolder() + QLatin1Char('/') + name);
        if (!file.isFile() || file.isHidden())
            return false;
    }
    return true;
#else
    return !locate(QStringLiteral("adb")).isEmpty();
#endif
}

void hideConsoleWindow(QProcess& process)
{
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_NO_WINDOW; });
#else
    Q_UNUSED(process)
#endif
}

} // namespace ToolLocator
