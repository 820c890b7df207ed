#pragma once

#include <QString>

#include <optional>

// The three files that receive a command's standard output so that a handler can read it back
// by line position after a wait or a number of timer ticks.
enum class ResultFile { None, Serno, Man, Wireless };

namespace ResultFiles {

// The file's full path in the per-user result folder; empty for ResultFile::None.
QString path(ResultFile file);

// Line n (counted from 1) of the file; nothing when the file is shorter, missing or unreadable.
std::optional<QString> lineAt(const QString& path, int n);

// Stores line n (counted from 1) of the file in target. A file with fewer lines, a missing or an
// unreadable file leaves target as it was.
void readLineAt(const QString& path, int n, QString& target);

// Stores the file's last line in target; an empty, missing or unreadable file leaves it as it was.
void readLastLine(const QString& path, QString& target);

} // namespace ResultFiles
