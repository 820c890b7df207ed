#pragma once

// The tools' archive as the program handles it, against the system's own tools on the same files:
// a 30 MB file copied while hashed against cp and sha256sum, and unpacking a 30 MB zip and .tar.gz against
// unzip and tar.

#include "../tests/support/ArchiveMaker.h"
#include "bridge/Paths.h"
#include "install/ToolsArchive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstring>
#include <functional>

namespace ToolsRows {

constexpr qsizetype FileSize = 30 * 1000 * 1000;

// Bytes as a release's programs are: partly repetitive, partly not, so the archive compresses
// somewhat, as the official one does.
inline QByteArray contentOf(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; i += 4) {
        const quint32 word = (i / 4) % 3 == 0 ? random.generate() : quint32(i / 64);
        std::memcpy(bytes.data() + i, &word, size_t(qMin<qsizetype>(4, size - i)));
    }
    return bytes;
}

inline double msOf(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

inline void runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(60000);
}

template <typename Paired>
QList<Row> rows(int repeats, Paired pairedRuns)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("file.bin"));
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(contentOf(FileSize, 1));
    }
    QList<Row> result;
    // A chosen archive as the install takes it: copied into the tools' root while it is hashed.
    result << pairedRuns(
        QStringLiteral("copy and SHA-256 of a 30 MB file, beside cp and sha256sum"), QStringLiteral("ms"), repeats, 1.2,
        [&] {
            return msOf([&] {
                QString problem;
                QFile::remove(ToolsArchive::copyWhileHashing(file, folder.path(), FileSize, nullptr, &problem).path);
            });
        },
        [&] {
            return msOf([&] {
                const QString copy = folder.filePath(QStringLiteral("copy.bin"));
                runTool(QStringLiteral("cp"), {file, copy});
                runTool(QStringLiteral("sha256sum"), {copy});
                QFile::remove(copy);
            });
        });

    const QString top = QStringLiteral("release");
    QList<ArchiveMaker::Entry> entries {{top + QLatin1Char('/'), {}, ArchiveMaker::Entry::Folder}};
    for (int i = 0; i < 6; ++i)
        entries.append({top + QStringLiteral("/part%1").arg(i), contentOf(FileSize / 6, quint32(i + 2)),
            ArchiveMaker::Entry::File, 0755});
    for (const bool zip : {true, false}) {
        const QString archive = folder.filePath(zip ? QStringLiteral("release.zip") : QStringLiteral("release.tar.gz"));
        ArchiveMaker::write(archive, entries, zip);
        int run = 0;
        const auto fresh = [&] {
            const QString target = folder.filePath(QStringLiteral("out%1").arg(++run));
            QDir().mkpath(target);
            return target;
        };
        result << pairedRuns(
            zip ? QStringLiteral("unpacking a 30 MB zip, beside unzip")
                : QStringLiteral("unpacking a 30 MB .tar.gz, beside tar"),
            QStringLiteral("ms"), repeats, 1.2,
            [&] {
                const QString target = fresh();
                const double ms = msOf([&] { ToolsArchive::unpack(archive, top, target); });
                QDir(target).removeRecursively();
                return ms;
            },
            [&] {
                const QString target = fresh();
                const double ms = msOf([&] {
                    if (zip)
                        runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), archive, QStringLiteral("-d"), target});
                    else
                        runTool(QStringLiteral("tar"), {QStringLiteral("-xzf"), archive, QStringLiteral("-C"), target});
                });
                QDir(target).removeRecursively();
                return ms;
            });
    }
    return result;
}

} // namespace ToolsRows
