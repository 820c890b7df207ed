#include "ToolsRoot.h"

#include <QDir>
#include <QFile>

namespace ToolsRoot {

bool make(const QString& root)
{
    if (!QDir().mkpath(root))
        return false;
    // The user's alone whatever the umask: another local user must not swap the tools. (Windows
    // keeps a folder's access in its lists, and takes these as "not read-only".)
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

bool sweepLeftovers(const QString& root)
{
    const QDir folder(root);
    const QStringList left {QStringLiteral(".unpack-*"), QStringLiteral(".download-*"), QStringLiteral(".old-*")};
    bool removed = false;
    for (const QFileInfo& entry :
        folder.entryInfoList(left, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink())
            removed |= QDir(entry.absoluteFilePath()).removeRecursively();
        else
            removed |= QFile::remove(entry.absoluteFilePath());
    }
    return removed;
}

} // namespace ToolsRoot
