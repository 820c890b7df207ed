#include "ThisSystem.h"

#include "WebAddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ThisSystem {

QString executableSuffix()
{
    return {};
}

QStringList systemToolFolders()
{
    return {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin"), QStringLiteral("/bin")};
}

QStringList bridgeFiles()
{
    return {QStringLiteral("adb")};
}

bool countsAsBridgeFile(const QString& path)
{
    const QFileInfo tool(path);
    return tool.isFile() && tool.isExecutable();
}

bool systemBridgeInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("adb")).isEmpty();
}

void hideConsoleWindow(QProcess&)
{
    // A tool started here opens no window of its own.
}

bool isSystemProgramFolder(const QString& path)
{
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/opt/"}) {
        if (path.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString usersFolder()
{
    return QDir::homePath();
}

// Any name without a path in it is a file name here.
QString fileNameProblem(const QString&)
{
    return {};
}

QString usbSetupPage()
{
    return WebAddresses::AndroidDevicePage;
}

} // namespace ThisSystem
