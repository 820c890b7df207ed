#pragma once

#include <QString>

class QProcess;

// Where the outside tools are found, and whether the bridge tool is complete enough to start.
// This is the one place that knows how Windows and Unix differ in naming them.
namespace ToolLocator {

// The tool's full path: the program's folder first, then the tools folder Pannix fetched them
// into, then PATH. Empty when it is in none.
QString locate(const QString& toolName);

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

// Console tools start without a console window of their own (Windows); elsewhere nothing to do.
void hideConsoleWindow(QProcess& process);

} // namespace ToolLocator
