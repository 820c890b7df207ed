#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

// Writes the archives the tests serve and install: a zip or a gzip-compressed tar, with whatever
// entries a test names, unsafe ones included.
namespace ArchiveMaker {

struct Entry
{
    enum Kind { File, Folder, Symlink, Hardlink };
    QString path;
    QByteArray content = {};
    Kind kind = File;
    int mode = 0644;
    QString target = {}; // a link's
};

inline bool write(const QString& file, const QList<Entry>& entries, bool zip)
{
    archive* out = archive_write_new();
    if (zip) {
        archive_write_set_format_zip(out);
    } else {
        archive_write_set_format_pax_restricted(out);
        archive_write_add_filter_gzip(out);
    }
#ifdef Q_OS_WIN
    const int opened = archive_write_open_filename_w(out, reinterpret_cast<const wchar_t*>(file.utf16()));
#else
    const int opened = archive_write_open_filename(out, QFile::encodeName(file).constData());
#endif
    if (opened != ARCHIVE_OK)
        return false;
    for (const Entry& item : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, item.path.toUtf8().constData());
        archive_entry_set_perm(entry, item.kind == Entry::Folder ? 0755 : item.mode);
        archive_entry_set_mtime(entry, 1700000000, 0);
        switch (item.kind) {
        case Entry::File:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, item.content.size());
            break;
        case Entry::Folder:
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case Entry::Symlink:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink_utf8(entry, item.target.toUtf8().constData());
            break;
        case Entry::Hardlink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_hardlink_utf8(entry, item.target.toUtf8().constData());
            break;
        }
        archive_write_header(out, entry);
        if (item.kind == Entry::File)
            archive_write_data(out, item.content.constData(), size_t(item.content.size()));
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
    return true;
}

inline QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace ArchiveMaker
