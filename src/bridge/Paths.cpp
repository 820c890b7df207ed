#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

namespace {
QString programFolderOverride;
}

QString programFolder()
{
    return programFolderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : programFolderOverride;
}

QString outputFolder()
{
    const QFileInfo folder(programFolder());
    if (folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath();
    return QDir::homePath();
}

QString resultFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder;
}

void setProgramFolder(const QString& folder)
{
    programFolderOverride = folder;
}

} // namespace Paths
