#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

// The tools' archive on disk: its SHA-256, and its unpacking into the tools folder. Both read the
// file as a stream and may run on a worker thread; neither touches a window.
namespace ToolsArchive {

// The file's SHA-256 in lower-case hexadecimal, read in blocks; empty, with the reason in problem,
// when it cannot be read.
QByteArray sha256(const QString& file, QString* problem);

// Unpacks the archive's one top folder into root as root/topFolder. Every entry is checked before
// anything is written; an absolute path, a drive letter, a ".." part, a link, a device or anything
// but a file or folder, or an entry outside topFolder refuses the whole archive. The folder is
// unpacked beside its place and renamed into it when complete, so root/topFolder is either whole or
// as it was (one left from an earlier try is replaced only by a complete one). Returns an empty
// text on success, else the reason in the user's words; cancelled, when set, stops it between blocks.
// Makes the tools' root, the user's alone whatever the umask; false when it cannot be made.
bool makeRoot(const QString& root);
// Removes what an install cut short (a crash, the power) left in the root: it is never used.
void sweepLeftovers(const QString& root);

QString unpack(
    const QString& archive, const QString& topFolder, const QString& root, const std::atomic_bool* cancelled = nullptr);

// The entry's refusal in the user's words, or empty when it may be unpacked (exposed for tests).
QString refusal(const QString& path, bool isFileOrFolder, bool isLink, const QString& topFolder);

} // namespace ToolsArchive
