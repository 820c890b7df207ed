#include "ArchiveNames.h"

#include <QDir>

#include <archive.h>
#include <archive_entry.h>

namespace ArchiveNames {

int open(archive* reader, const QString& file, std::size_t blockSize)
{
    return archive_read_open_filename_w(reader, reinterpret_cast<const wchar_t*>(file.utf16()), blockSize);
}

QString systemPath(archive_entry* entry)
{
    const wchar_t* wide = archive_entry_pathname_w(entry);
    return wide ? QString::fromWCharArray(wide) : QString();
}

void setPath(archive_entry* entry, const QString& path)
{
    archive_entry_copy_pathname_w(entry, reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
}

} // namespace ArchiveNames
