#include "Paths.h"

#include "ThisSystem.h"
#include "ToolsFolderName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

namespace {

QString programFolderOverride;
QString toolsRootOverride;

// Where the system installs programs is no place for the user's pictures, even for a user (root,
// or an administrator) who may write there.
bool isSystemProgramFolder(const QString& folder)
{
    const QString path = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    return ThisSystem::isSystemProgramFolder(path);
}

// The user's own folder for what the program saves: the home folder, or on Windows a folder of its
// own in the user's documents, made when needed.
QString usersFolder()
{
    return ThisSystem::usersFolder();
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
    return usersFolder();
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

QString toolsRoot()
{
    if (!toolsRootOverride.isEmpty())
        return toolsRootOverride;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/tools");
}

QString toolsFolder()
{
    return toolsRoot() + QLatin1Char('/') + toolsFolderName();
}

QString toolsFolderName()
{
    return QStringLiteral(PANNIX_TOOLS_FOLDER);
}

void setProgramFolder(const QString& folder)
{
    programFolderOverride = folder;
}

void setToolsRoot(const QString& folder)
{
    toolsRootOverride = folder;
}

} // namespace Paths
