// A split app's archive of any shape, unpacked by the helper's own code: whatever it holds, nothing is
// written outside the app's folder, every part and data file it names lies inside it, and a refused
// archive names none.
#include "FuzzInput.h"

#include "install/AppArchive.h"

#include <QDir>
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
    const QString archive = place->filePath(QStringLiteral("app.xapk"));
    const QString folder = place->filePath(QStringLiteral("app"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    if (!writeFuzzFile(archive, data, size))
        return 0;
    QString problem;
    const AppArchive::Contents contents = AppArchive::unpack(archive, folder, nullptr, &problem);
    if (QDir(place->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() != 2)
        __builtin_trap();
    if (!problem.isEmpty() && !(contents.splits.isEmpty() && contents.obbs.isEmpty()))
        __builtin_trap();
    for (const QString& path : contents.splits + contents.obbs) {
        if (!QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/')))
            __builtin_trap();
    }
    return 0;
}
