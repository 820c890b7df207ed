#include "ThisSystem.h"

#include "WebAddresses.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <winsock2.h>
#include <ws2tcpip.h>

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

qintptr beginKnock(const QString& host, quint16 port)
{
    // Winsock is started once, for the program's run.
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started)
        return -1;
    const std::wstring address = QString(host).remove(QLatin1Char('[')).remove(QLatin1Char(']')).toStdWString();
    sockaddr_storage storage {};
    int length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (InetPtonW(AF_INET, address.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        length = sizeof(sockaddr_in);
    } else if (InetPtonW(AF_INET6, address.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        length = sizeof(sockaddr_in6);
    } else {
        return -1;
    }
    const SOCKET socket = ::socket(storage.ss_family, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET)
        return -1;
    u_long nonBlocking = 1;
    if (ioctlsocket(socket, FIONBIO, &nonBlocking) != 0
        || (::connect(socket, reinterpret_cast<sockaddr*>(&storage), length) != 0
            && WSAGetLastError() != WSAEWOULDBLOCK)) {
        closesocket(socket);
        return -1;
    }
    return qintptr(socket);
}

bool knockAnswered(qintptr socket)
{
    int error = 0;
    int size = sizeof(error);
    sockaddr_storage peer {};
    int peerSize = sizeof(peer);
    return getsockopt(SOCKET(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) == 0 && error == 0
        && getpeername(SOCKET(socket), reinterpret_cast<sockaddr*>(&peer), &peerSize) == 0;
}

void endKnock(qintptr socket)
{
    closesocket(SOCKET(socket));
}

} // namespace ThisSystem
