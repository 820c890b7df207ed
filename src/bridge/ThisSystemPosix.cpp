#include "ThisSystem.h"

#include "WebAddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

qintptr beginKnock(const QString& host, quint16 port)
{
    const QByteArray address = QString(host).remove(QLatin1Char('[')).remove(QLatin1Char(']')).toLatin1();
    sockaddr_storage storage {};
    socklen_t length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (inet_pton(AF_INET, address.constData(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        length = sizeof(sockaddr_in);
    } else if (inet_pton(AF_INET6, address.constData(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        length = sizeof(sockaddr_in6);
    } else {
        return -1;
    }
    const int socket = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&storage), length) != 0 && errno != EINPROGRESS) {
        ::close(socket);
        return -1;
    }
    return socket;
}

bool knockAnswered(qintptr socket)
{
    int error = 0;
    socklen_t size = sizeof(error);
    sockaddr_storage peer {};
    socklen_t peerSize = sizeof(peer);
    return getsockopt(int(socket), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0
        && getpeername(int(socket), reinterpret_cast<sockaddr*>(&peer), &peerSize) == 0;
}

void endKnock(qintptr socket)
{
    ::close(int(socket));
}

} // namespace ThisSystem
