#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

struct archive_entry;

// The tools' archive on disk: a chosen one copied while it is hashed, and its unpacking into the
// tools folder. Both read the file as a stream and may run on a worker thread; neither touches a window.
namespace ToolsArchive {

// A chosen archive, copied into a private temporary file in root while it is hashed, in one pass:
// the copy is what is checked and unpacked, so a file on a share or a stick that is swapped after it
// was read is never what is installed. A file over limit bytes is refused before it is read; cancelled
// stops it between blocks. The copy's path, or empty with the reason in problem (no copy is left).
struct CheckedCopy
{
    QString path;
    QByteArray sha256; // lower-case hexadecimal
};
CheckedCopy copyWhileHashing(
    const QString& file, const QString& root, qint64 limit, const std::atomic_bool* cancelled, QString* problem);
// Between the copy and the unpacking, for tests: what a swap of the chosen file does then.
void setAfterCopyForTests(std::function<void(const QString& file)> afterCopy);

// Unpacks the archive's one top folder into root as root/topFolder. Every entry is checked before
// anything is written; an absolute path, a drive letter, a ".." part, a link, a device or anything
// but a file or folder, or an entry outside topFolder refuses the whole archive. The folder is
// unpacked beside its place and renamed into it when complete, so root/topFolder is either whole or
// as it was (one left from an earlier try is replaced only by a complete one). Returns an empty
// text on success, else the reason in the user's words; cancelled, when set, stops it between blocks.

QString unpack(
    const QString& archive, const QString& topFolder, const QString& root, const std::atomic_bool* cancelled = nullptr);

// A write into root that failed, in the same words at every stage: a full disk is said as such (the
// disk is asked, whatever the error said), anything else with the system's reason after the file.
QString cannotWrite(const QString& root, const QString& file, const QString& detail);

// The entry's refusal in the user's words, or empty when it may be unpacked; an empty topFolder
// asks for none.
QString refusal(const QString& path, bool isFileOrFolder, bool isLink, const QString& topFolder);
// The entry's path as the archive names it, however the archive spelt it.
QString entryPath(archive_entry* entry);

} // namespace ToolsArchive
