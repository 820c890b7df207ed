#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The three files that keep the answers the program reads back by line position: the device
// list, the maker and the last wireless answer. The program writes each one itself from the
// tool's captured answer, replacing the file as a whole.
enum class ResultFile { None, Serno, Man, Wireless };

namespace ResultFiles {

// Reading stops here: the lines that matter are all near the top.
constexpr qsizetype ReadCap = 64 * 1024;

// The file's full path in the per-user result folder; empty for ResultFile::None.
QString path(ResultFile file);

// Replaces the file with content: written beside it and renamed into its place, so a link or any
// other file planted there is replaced, never written through. False, with the reason, when the
// folder cannot be written.
bool store(ResultFile file, const QByteArray& content, QString* reason = nullptr);

// Stores the answer and reads it back as lines; when it cannot be stored the user is told why,
// and the lines come from the answer itself.
QStringList keep(ResultFile file, const QByteArray& content);

// The lines of a text in the system's narrow code page; a line ends at CR LF, CR or a lone LF.
QStringList splitLines(const QByteArray& text);

// The lines of the file's first ReadCap bytes; nothing when it is missing or unreadable.
QStringList readLines(const QString& path);

} // namespace ResultFiles
