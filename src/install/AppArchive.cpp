#include "AppArchive.h"

#include "ArchiveNames.h"
#include "ToolsArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace AppArchive {

namespace {

constexpr qint64 BlockSize = 1 << 16;

struct ReaderDeleter
{
    void operator()(archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ReaderDeleter>;

QString tr(const char* text)
{
    return QCoreApplication::translate("AppArchive", text);
}

QString unreadable(archive* reader)
{
    const char* text = archive_error_string(reader);
    return tr("无法读取应用压缩包：%1").arg(text ? QString::fromLocal8Bit(text) : tr("未知错误"));
}

Reader openZip(const QString& file, QString* problem)
{
    Reader reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    if (ArchiveNames::open(reader.get(), file, BlockSize) != ARCHIVE_OK) {
        *problem = unreadable(reader.get());
        return nullptr;
    }
    return reader;
}

// Where an entry goes, by its path in the archive: a part of the app, the app's data, or nowhere.
enum class Place { None, Split, Obb };

Place placeOf(const QString& path, QString* package)
{
    static const QRegularExpression obb(
        QStringLiteral("^Android/obb/([A-Za-z][A-Za-z0-9_]*(?:\\.[A-Za-z][A-Za-z0-9_]*)+)/[^/]+$"));
    if (const QRegularExpressionMatch match = obb.match(path); match.hasMatch()) {
        *package = match.captured(1);
        return Place::Obb;
    }
    if (path.endsWith(QLatin1String(".apk"), Qt::CaseInsensitive) && !path.startsWith(QLatin1String("standalones/")))
        return Place::Split;
    return Place::None;
}

struct Walk
{
    const QString& archive;
    const QString& folder; // empty: only checked
    const std::atomic_bool* cancelled;
    qint64 limit;
};

// One pass over the archive: every entry checked, its bytes counted against the limit, and, when
// a folder is given, the app's parts and data written there.
QString walk(const Walk& pass, Contents* contents)
{
    QString problem;
    const Reader reader = openZip(pass.archive, &problem);
    if (!reader)
        return problem;
    archive_entry* entry = nullptr;
    qint64 total = 0;
    int status = ARCHIVE_OK;
    const auto tooLarge = [&] {
        return tr("应用压缩包解开后超过 %1 MB（它本身的 100 倍），已被拒绝，没有安装任何东西。")
            .arg(pass.limit / 1000000);
    };
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString path = ToolsArchive::entryPath(entry);
        const auto type = archive_entry_filetype(entry);
        const bool isLink = type == AE_IFLNK || archive_entry_hardlink(entry) != nullptr;
        if (const QString refused = ToolsArchive::refusal(path, type == AE_IFREG || type == AE_IFDIR, isLink, {});
            !refused.isEmpty())
            return refused;
        // What an entry says of its size is checked before a byte is read, what it holds as it is read.
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > pass.limit - total)
            return tooLarge();
        QString package;
        const Place place = type == AE_IFREG ? placeOf(path, &package) : Place::None;
        if (place == Place::Obb && !contents->package.isEmpty() && contents->package != package)
            return tr("应用压缩包中有两个应用的数据（%1 和 %2），已被拒绝。").arg(contents->package, package);
        std::unique_ptr<QFile> out;
        if (place != Place::None) {
            QString target = path;
            if (!pass.folder.isEmpty()) {
                target = QDir::cleanPath(pass.folder + QLatin1Char('/') + path);
                if (!target.startsWith(QDir::cleanPath(pass.folder) + QLatin1Char('/')))
                    return ToolsArchive::refusal(QStringLiteral(".."), true, false, {});
                QDir().mkpath(QFileInfo(target).absolutePath());
                out = std::make_unique<QFile>(target);
                if (!out->open(QIODevice::WriteOnly))
                    return ToolsArchive::cannotWrite(pass.folder, target, out->errorString());
            }
            (place == Place::Split ? contents->splits : contents->obbs).append(target);
            if (place == Place::Obb)
                contents->package = package;
        }
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int read = ARCHIVE_OK;
        while ((read = archive_read_data_block(reader.get(), &block, &size, &offset)) == ARCHIVE_OK) {
            if (pass.cancelled && pass.cancelled->load())
                return tr("已取消。");
            total += qint64(size);
            if (place != Place::None)
                contents->bytes += qint64(size);
            if (total > pass.limit)
                return tooLarge();
            if (out && out->write(static_cast<const char*>(block), qint64(size)) != qint64(size))
                return ToolsArchive::cannotWrite(pass.folder, out->fileName(), out->errorString());
        }
        if (read != ARCHIVE_EOF)
            return unreadable(reader.get());
        if (out && !out->flush())
            return ToolsArchive::cannotWrite(pass.folder, out->fileName(), out->errorString());
    }
    if (status != ARCHIVE_EOF)
        return unreadable(reader.get());
    return {};
}

} // namespace

qint64 unpackLimit(qint64 archiveSize)
{
    constexpr qint64 Least = 64 * 1000 * 1000;
    return std::max(Least, archiveSize * 100);
}

Contents unpack(const QString& archive, const QString& folder, const std::atomic_bool* cancelled, QString* problem)
{
    const qint64 limit = unpackLimit(QFileInfo(archive).size());
    Contents checked;
    // Checked whole before anything is written, as the tools' archives are.
    if (*problem = walk({archive, {}, cancelled, limit}, &checked); !problem->isEmpty())
        return {};
    if (checked.splits.isEmpty()) {
        *problem = tr("应用压缩包中没有 .apk 文件，没有安装任何东西。");
        return {};
    }
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < checked.bytes) {
        *problem = tr("电脑磁盘空间不足，无法解开应用压缩包：%1 所在的磁盘没有空间了。")
                       .arg(QDir::toNativeSeparators(folder));
        return {};
    }
    Contents contents;
    if (*problem = walk({archive, folder, cancelled, limit}, &contents); !problem->isEmpty())
        return {};
    return contents;
}

} // namespace AppArchive
