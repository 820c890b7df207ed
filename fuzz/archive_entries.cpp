// A release archive of any shape, unpacked by the helper's own code: whatever it holds, nothing is
// written outside the tools' folder, and a refused archive leaves the folder as it was.
#include "FuzzInput.h"

#include "install/ToolsArchive.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace {
QTemporaryDir* place;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    place = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString archive = place->filePath(QStringLiteral("release.zip"));
    const QString root = place->filePath(QStringLiteral("tools"));
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    if (!writeFuzzFile(archive, data, size))
        return 0;
    const QString problem = ToolsArchive::unpack(archive, QStringLiteral("scrcpy-win64-v3.1"), root);
    // Only the archive and the tools' folder may be in the place; only the top folder in the root.
    if (QDir(place->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() != 2)
        __builtin_trap();
    const QStringList inRoot = QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!(inRoot.isEmpty() || (problem.isEmpty() && inRoot == QStringList {QStringLiteral("scrcpy-win64-v3.1")})))
        __builtin_trap();
    return 0;
}
