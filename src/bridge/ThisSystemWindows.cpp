#include "ThisSystem.h"

#include "WebAddresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <windows.h>

namespace ThisSystem {

QString executableSuffix()
{
    return QStringLiteral(".exe");
}

QStringList systemToolFolders()
{
    return {};
}

QStringList bridgeFiles()
{
    return {QStringLiteral("AdbWinUsbApi.dll"), QStringLiteral("AdbWinApi.dll"), QStringLiteral("adb.exe")};
}

bool countsAsBridgeFile(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES
        && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool systemBridgeInstalled()
{
    return false;
}

void hideConsoleWindow(QProcess& process)
{
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_NO_WINDOW; });
}

bool isSystemProgramFolder(const QString& path)
{
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString root = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
        if (!root.isEmpty() && path.startsWith(QDir::cleanPath(root) + QLatin1Char('/'), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// A folder of the program's own in the user's documents.
QString usersFolder()
{
    const QString folder
        = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Pannix");
    QDir().mkpath(folder);
    return folder;
}

// A colon (a drive, or another stream of a file), the reserved characters, a name ending with a dot
// or a blank (it would be cut there), and the names of devices.
QString fileNameProblem(const QString& name)
{
    if (name.contains(QLatin1Char(':')))
        return QCoreApplication::translate(
            "LaunchPlanner", "录屏文件名不能含有“:”（它会指向其他驱动器或文件的数据流）！");
    for (const QChar c : QStringLiteral("<>\"|?*")) {
        if (name.contains(c))
            return QCoreApplication::translate("LaunchPlanner", "录屏文件名不能含有 < > \" | ? * 这些字符！");
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("LaunchPlanner", "录屏文件名不能以点或空格结尾！");
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"), QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        return QCoreApplication::translate(
            "LaunchPlanner", "录屏文件名不能是设备名（CON、PRN、AUX、NUL、COM1–COM9、LPT1–LPT9）！");
    return {};
}

QString usbSetupPage()
{
    return WebAddresses::WindowsUsbDriver;
}

} // namespace ThisSystem
