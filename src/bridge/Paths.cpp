#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

namespace {

QString programFolderOverride;

// Where the system installs programs is no place for the user's pictures, even for a user (root,
// say) who may write there.
bool isSystemProgramFolder(const QString& folder)
{
#ifdef Q_OS_UNIX
    const QString path = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/opt/"}) {
        if (path.startsWith(QLatin1String(prefix)))
            return true;
    }
#else
    Q_UNUSED(folder)
#endif
    return false;
}

} // namespace

QString programFolder()
{
    return programFolderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : programFolderOverride;
}

QString outputFolder()
{
    const QFileInfo folder(programFolder());
    if (folder.isDir() && folder.isWritable() && !isSystemProgramFolder(folder.absoluteFilePath()))
        return folder.absoluteFilePath();
    return QDir::homePath();
}

QString cacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    // Made the user's alone on every use, also when it was there before with looser permissions.
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFileInfo info(folder);
    if (info.isDir() && (info.permissions() & ~(ownerOnly | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)))
        QFile::setPermissions(folder, ownerOnly);
    return folder;
}

void setProgramFolder(const QString& folder)
{
    programFolderOverride = folder;
}

} // namespace Paths
