#include "ArchiveNames.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

namespace ArchiveNames {

int open(archive* reader, const QString& file, std::size_t blockSize)
{
    return archive_read_open_filename(reader, QFile::encodeName(file).constData(), blockSize);
}

QString systemPath(archive_entry*)
{
    return {}; // its UTF-8 name is the one to read
}

void setPath(archive_entry* entry, const QString& path)
{
    archive_entry_update_pathname_utf8(entry, path.toUtf8().constData());
}

} // namespace ArchiveNames
