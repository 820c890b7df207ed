#pragma once

#include <QString>

#include <cstddef>

struct archive;
struct archive_entry;

// The names libarchive reads and writes, as the system spells them: wide characters on Windows,
// whatever the code page; the system's own bytes elsewhere. Each system's answers are in a file of
// their own (ArchiveNamesWindows.cpp, ArchiveNamesPosix.cpp), which the build picks.
namespace ArchiveNames {

// Opens the archive file for reading; libarchive's status.
int open(archive* reader, const QString& file, std::size_t blockSize);
// The entry's path as the system reads it; empty where only its UTF-8 or raw name is known.
QString systemPath(archive_entry* entry);
// The entry is written at this path.
void setPath(archive_entry* entry, const QString& path);

} // namespace ArchiveNames
