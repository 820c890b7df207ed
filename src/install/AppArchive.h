#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// A split app as its archive brings it: an ".apks" (a zip of the app's parts) or an ".xapk" (the
// same, with the app's large data under Android/obb/<package>/). Only the helper program reads one,
// so an archive from anywhere is never opened in the window's process.
namespace AppArchive {

struct Contents
{
    QStringList splits; // the app's parts, unpacked, in the archive's order
    QString package; // whose data the OBB files are; empty without them
    QStringList obbs;
    qint64 bytes = 0; // what the parts and the data take unpacked
};

// Unpacks the parts and the data into folder. Every entry is checked first: an absolute path, a
// ".." part, a link or anything but a file or folder refuses the whole archive, and so does an
// archive that would unpack to more than a hundred times its own size (64 MB at least) or to more
// than the disk has room for. Parts an old phone would take instead of the splits
// ("standalones/") are left out. Empty contents, with the reason in problem, when refused.
Contents unpack(const QString& archive, const QString& folder, const std::atomic_bool* cancelled, QString* problem);

// How much an archive of this size may unpack to.
qint64 unpackLimit(qint64 archiveSize);

} // namespace AppArchive
