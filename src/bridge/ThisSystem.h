#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QProcess;

// What differs from one operating system to another, answered for each system in a file of its own
// (ThisSystemWindows.cpp, ThisSystemPosix.cpp), which the build picks: the rest of the program asks
// here and holds no difference of its own.
namespace ThisSystem {

// A program's file name ends with this (".exe"), or with nothing.
QString executableSuffix();
// The folders of the system's own programs, where a tool found is the system's (none on Windows).
QStringList systemToolFolders();
// The files a folder must hold for the bridge tool to run from it.
QStringList bridgeFiles();
// Whether the file counts as one of those: an ordinary file on Windows (hidden and system files are
// as good as missing), a file that may be run elsewhere.
bool countsAsBridgeFile(const QString& path);
// Whether the system has a bridge tool of its own on its path (a Linux system's adb package).
bool systemBridgeInstalled();
// A tool started opens no console window of its own.
void hideConsoleWindow(QProcess& process);
// Whether the path (canonical, ending with "/") lies where the system installs programs.
bool isSystemProgramFolder(const QString& path);
// The user's own folder for what the program saves, made when needed.
QString usersFolder();
// What this system refuses in a file name beyond a path in it; empty when it takes the name.
QString fileNameProblem(const QString& name);
// The page on connecting a phone by USB to this system (its driver on Windows, its udev rules elsewhere).
QString usbSetupPage();

// A knock at a phone's port: a TCP connection begun without waiting, to a numeric address (IPv4, or
// IPv6 in brackets or not). Its socket, or -1 when it cannot begin (a host name, no socket) or
// is refused at once.
qintptr beginKnock(const QString& host, quint16 port);
// Once the socket can be written: whether the connection was made.
bool knockAnswered(qintptr socket);
void endKnock(qintptr socket);

} // namespace ThisSystem
