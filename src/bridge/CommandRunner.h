#pragma once

#include "ResultFiles.h"

#include <QString>

#include <functional>

// Runs one composed command line. The text is split into words the way a command line is split
// (blanks and tabs separate, double quotes group) and the first word is started as the program
// with the others as its arguments. No command interpreter is involved, so a text typed into a
// field can never run a second command. The tool starts detached in the output folder and is
// never awaited; with a result file its standard output replaces the file's content.
namespace CommandRunner {

// Returns whether the tool could be started at all.
bool run(const QString& commandText, ResultFile resultFile = ResultFile::None);

// Blocks the window thread for ms milliseconds; nothing is painted meanwhile.
void waitMs(int ms);

// Tests replace the blocking wait; an empty function restores the real one.
void setWaiter(std::function<void(int)> waiter);

} // namespace CommandRunner
