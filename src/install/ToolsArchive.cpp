#include "ToolsArchive.h"

#include "ArchiveNames.h"
#include "ToolsRoot.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace ToolsArchive {

namespace {

constexpr qint64 BlockSize = 1 << 16;

struct ReaderDeleter
{
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriterDeleter
{
    void operator()(archive* a) const { archive_write_free(a); }
};
using Reader = std::unique_ptr<archive, ReaderDeleter>;
using Writer = std::unique_ptr<archive, WriterDeleter>;

QString archiveError(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? QString::fromLocal8Bit(text) : QCoreApplication::translate("ToolsArchive", "未知错误");
}

// Zip and gzip-compressed tar, the two forms the client's releases take.
Reader openReader(const QString& file, QString* problem)
{
    Reader reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    archive_read_support_format_tar(reader.get());
    archive_read_support_filter_gzip(reader.get());
    const int opened = ArchiveNames::open(reader.get(), file, BlockSize);
    if (opened != ARCHIVE_OK) {
        *problem = QCoreApplication::translate("ToolsArchive", "无法读取压缩包：%1").arg(archiveError(reader.get()));
        return nullptr;
    }
    return reader;
}

} // namespace

QString entryPath(archive_entry* entry)
{
    if (const QString path = ArchiveNames::systemPath(entry); !path.isEmpty())
        return path;
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? QFile::decodeName(raw) : QString();
}

namespace {

// Every entry checked before anything is written. The entries' contents are read through block by
// block rather than skipped in one call, so a cancel is heard within a block here too.
QString checkEntries(const QString& file, const QString& topFolder, const std::atomic_bool* cancelled)
{
    QString problem;
    const Reader reader = openReader(file, &problem);
    if (!reader)
        return problem;
    archive_entry* entry = nullptr;
    int entries = 0;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const auto type = archive_entry_filetype(entry);
        const bool isLink = type == AE_IFLNK || archive_entry_hardlink(entry) != nullptr;
        const QString refused = refusal(entryPath(entry), type == AE_IFREG || type == AE_IFDIR, isLink, topFolder);
        if (!refused.isEmpty())
            return refused;
        ++entries;
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        while (archive_read_data_block(reader.get(), &block, &size, &offset) == ARCHIVE_OK) {
            if (cancelled && cancelled->load())
                return QCoreApplication::translate("ToolsArchive", "已取消。");
        }
    }
    if (status != ARCHIVE_EOF)
        return QCoreApplication::translate("ToolsArchive", "无法读取压缩包：%1").arg(archiveError(reader.get()));
    if (entries == 0)
        return QCoreApplication::translate("ToolsArchive", "压缩包是空的。");
    return {};
}

// Written with libarchive's own guards against ".." and links, each entry by its full path in the
// temporary folder, so the process's working folder, which every thread shares, is never changed.
// libarchive's guard against absolute paths (ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS) would refuse
// those full paths, so its work is done here: every entry is checked again as it is written (the
// archive is read twice, and the second read is not taken on trust) and its full path must lie inside
// the temporary folder.
QString writeEntries(
    const QString& file, const QString& topFolder, const QString& folder, const std::atomic_bool* cancelled)
{
    QString problem;
    const Reader reader = openReader(file, &problem);
    if (!reader)
        return problem;
    const QString root = QFileInfo(folder).absolutePath(); // the temporary folder lies in the tools' root
    Writer writer(archive_write_disk_new());
    archive_write_disk_set_options(writer.get(),
        ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_PERM
            | ARCHIVE_EXTRACT_TIME);
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString relative = entryPath(entry);
        const auto type = archive_entry_filetype(entry);
        const bool isLink = type == AE_IFLNK || archive_entry_hardlink(entry) != nullptr;
        if (const QString refused = refusal(relative, type == AE_IFREG || type == AE_IFDIR, isLink, topFolder);
            !refused.isEmpty())
            return refused;
        const QString target = QDir::cleanPath(folder + QLatin1Char('/') + relative);
        if (!target.startsWith(QDir::cleanPath(folder) + QLatin1Char('/')))
            return refusal(QStringLiteral(".."), true, false, topFolder);
        ArchiveNames::setPath(entry, target);
        // The archive's executable bits are kept; nothing becomes writable by others, nor set-user.
        const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
        archive_entry_set_perm(entry, isFolder ? 0755 : (archive_entry_perm(entry) & 0755) | 0400);
        if (archive_write_header(writer.get(), entry) != ARCHIVE_OK)
            return cannotWrite(root, relative, archiveError(writer.get()));
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int read = ARCHIVE_OK;
        while ((read = archive_read_data_block(reader.get(), &block, &size, &offset)) == ARCHIVE_OK) {
            if (cancelled && cancelled->load())
                return QCoreApplication::translate("ToolsArchive", "已取消。");
            if (archive_write_data_block(writer.get(), block, size, offset) != ARCHIVE_OK)
                return cannotWrite(root, relative, archiveError(writer.get()));
        }
        if (read != ARCHIVE_EOF)
            return QCoreApplication::translate("ToolsArchive", "无法读取压缩包：%1").arg(archiveError(reader.get()));
        if (archive_write_finish_entry(writer.get()) != ARCHIVE_OK)
            return cannotWrite(root, relative, archiveError(writer.get()));
    }
    if (status != ARCHIVE_EOF)
        return QCoreApplication::translate("ToolsArchive", "无法读取压缩包：%1").arg(archiveError(reader.get()));
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        return cannotWrite(root, topFolder, archiveError(writer.get()));
    return {};
}

// The new folder takes the place of an earlier one only once it is complete; the earlier one is
// put aside first and comes back if the new one cannot take its place.
QString moveIntoPlace(const QString& unpacked, const QString& target, const QString& root)
{
    QDir rootDir(root);
    QString aside;
    if (QFileInfo::exists(target)) {
        aside = root + QStringLiteral("/.old-") + QFileInfo(target).fileName() + QLatin1Char('-')
            + QString::number(QDateTime::currentMSecsSinceEpoch());
        if (!rootDir.rename(target, aside))
            return QCoreApplication::translate("ToolsArchive", "无法替换已有的 %1（其中的程序可能正在运行）。")
                .arg(QDir::toNativeSeparators(target));
    }
    if (!rootDir.rename(unpacked, target)) {
        if (!aside.isEmpty())
            rootDir.rename(aside, target);
        return QCoreApplication::translate("ToolsArchive", "无法把工具放到 %1。").arg(QDir::toNativeSeparators(target));
    }
    if (!aside.isEmpty())
        QDir(aside).removeRecursively();
    return {};
}

} // namespace

QString refusal(const QString& path, bool isFileOrFolder, bool isLink, const QString& topFolder)
{
    const auto refuse = [&](const char* why) {
        return QCoreApplication::translate("ToolsArchive", "压缩包中的“%1”%2，整个压缩包已被拒绝，没有安装任何东西。")
            .arg(path, QCoreApplication::translate("ToolsArchive", why));
    };
    if (isLink)
        return refuse(QT_TRANSLATE_NOOP("ToolsArchive", "是一个链接"));
    if (!isFileOrFolder)
        return refuse(QT_TRANSLATE_NOOP("ToolsArchive", "不是普通文件或文件夹"));
    const bool driveLetter = path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')) || driveLetter)
        return refuse(QT_TRANSLATE_NOOP("ToolsArchive", "是一个绝对路径"));
    // Either separator counts: Windows takes a backslash for one.
    const QStringList parts = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return refuse(QT_TRANSLATE_NOOP("ToolsArchive", "含有“..”"));
    if (!topFolder.isEmpty() && parts.first() != topFolder)
        return refuse(QT_TRANSLATE_NOOP("ToolsArchive", "不在压缩包唯一的顶层文件夹中"));
    return {};
}

namespace {
std::function<void(const QString&)> afterCopyForTests;
}

void setAfterCopyForTests(std::function<void(const QString&)> afterCopy)
{
    afterCopyForTests = std::move(afterCopy);
}

CheckedCopy copyWhileHashing(
    const QString& file, const QString& root, qint64 limit, const std::atomic_bool* cancelled, QString* problem)
{
    const auto cannotRead = [&](const QString& why) {
        *problem
            = QCoreApplication::translate("ToolsArchive", "无法读取 %1：%2").arg(QDir::toNativeSeparators(file), why);
        return CheckedCopy();
    };
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return cannotRead(input.errorString());
    const auto tooBig = [&] {
        *problem = QCoreApplication::translate("ToolsArchive", "文件超过 %1 MB，不是官方发布的文件，没有安装任何东西。")
                       .arg(limit / 1000000);
        return CheckedCopy();
    };
    if (input.size() > limit)
        return tooBig();
    if (!ToolsRoot::make(root)) {
        *problem
            = QCoreApplication::translate("ToolsArchive", "无法创建文件夹 %1。").arg(QDir::toNativeSeparators(root));
        return {};
    }
    // Named as a download's part, so that a copy a crash left behind is swept like one.
    QTemporaryFile copy(root + QStringLiteral("/.download-XXXXXX.part"));
    if (!copy.open()) {
        *problem = cannotWrite(root, root, copy.errorString());
        return {};
    }
    const auto copyFailed = [&] {
        *problem = cannotWrite(root, copy.fileName(), copy.errorString());
        return CheckedCopy();
    };
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray block(256 * 1024, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        if (cancelled && cancelled->load()) {
            *problem = QCoreApplication::translate("ToolsArchive", "已取消。");
            return {};
        }
        const qint64 read = input.read(block.data(), block.size());
        if (read < 0)
            return cannotRead(input.errorString());
        if (read == 0)
            break;
        copied += read;
        if (copied > limit) // it grew while it was read
            return tooBig();
        hash.addData(QByteArrayView(block.constData(), read));
        if (copy.write(block.constData(), read) != read)
            return copyFailed();
    }
    if (!copy.flush())
        return copyFailed();
    copy.setAutoRemove(false);
    if (afterCopyForTests)
        afterCopyForTests(file);
    return {copy.fileName(), hash.result().toHex()};
}

QString cannotWrite(const QString& root, const QString& file, const QString& detail)
{
    // Less room than one more block of any copy here: the disk is full, whichever stage found it.
    constexpr qint64 NoRoom = 1 << 20;
    const QStorageInfo disk(root);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < NoRoom)
        return QCoreApplication::translate(
            "ToolsArchive", "磁盘已满：%1 所在的磁盘没有空间了，没有安装任何东西。请腾出空间后再试。")
            .arg(QDir::toNativeSeparators(root));
    return QCoreApplication::translate("ToolsArchive", "无法写入 %1：%2").arg(QDir::toNativeSeparators(file), detail);
}

QString unpack(const QString& archive, const QString& topFolder, const QString& root, const std::atomic_bool* cancelled)
{
    if (const QString refused = checkEntries(archive, topFolder, cancelled); !refused.isEmpty())
        return refused;
    if (!ToolsRoot::make(root))
        return QCoreApplication::translate("ToolsArchive", "无法创建文件夹 %1。").arg(QDir::toNativeSeparators(root));
    QTemporaryDir temporary(root + QStringLiteral("/.unpack-XXXXXX"));
    if (!temporary.isValid())
        return cannotWrite(root, root, temporary.errorString());
    if (const QString problem = writeEntries(archive, topFolder, temporary.path(), cancelled); !problem.isEmpty())
        return problem;
    const QString unpacked = temporary.path() + QLatin1Char('/') + topFolder;
    if (!QFileInfo(unpacked).isDir())
        return QCoreApplication::translate("ToolsArchive", "压缩包中没有 %1 文件夹。").arg(topFolder);
    return moveIntoPlace(unpacked, root + QLatin1Char('/') + topFolder, root);
}

} // namespace ToolsArchive
