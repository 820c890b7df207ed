#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// Where the outside tools are found, and whether the bridge tool is complete enough to start.
// This is the one place that knows how Windows and Unix differ in naming them.
namespace ToolLocator {

// The tool's full path: the program's folder first, unless it is a system folder; then the tools
// folder Pannix fetched them into (the bridge tool and the client come there as a pair, so the pair
// wins over a system's own adb beside an installed program); then the program's system folder; then
// PATH. Empty when it is in none.
QString locate(const QString& toolName);

// Why the tool found is the one in use, in the user's words; empty when none is found.
QString whyChosen(const QString& toolName);

// Folders that hold a system's own programs (/usr/bin, /usr/local/bin, /bin), where a package installs
// the program beside the system's adb; none on Windows. Tests name others.
bool isSystemFolder(const QString& folder);
void setSystemFoldersForTests(const QStringList& folders);

// No file of the tool's name anywhere locate looks (one beside the program that may not be run
// does not count as missing: whyNotFound tells what is wrong with it).
bool missing(const QString& toolName);

// Why locate found nothing, in the user's words: a file of that name beside the program that may not
// be run, or the tool nowhere at all.
QString whyNotFound(const QString& toolName);

// The files the start-up check requires, as names relative to the program's folder
// (Windows: the bridge tool and its two interface libraries).
QStringList requiredBridgeFiles();

// True when the program's folder or the tools folder holds every required file (on Unix: an
// executable adb there, or on PATH).
bool bridgeToolPresent();

// What the bridge lacks, in the user's words: the files a folder that holds part of it is missing
// (on Windows "AdbWinApi.dll" beside adb.exe, say), else "adb"; empty when bridgeToolPresent().
QStringList missingBridgeFiles();

// Console tools start without a console window of their own (Windows); elsewhere nothing to do.
void hideConsoleWindow(QProcess& process);

} // namespace ToolLocator
