#include "HelperProgram.h"

#include "ThisSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace HelperProgram {

namespace {

QString pathForTests;

} // namespace

QString path()
{
    if (!pathForTests.isEmpty())
        return pathForTests;
    const QString name = QStringLiteral("pannix-tools") + ThisSystem::executableSuffix();
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString beside = folder.filePath(name);
    const QString packaged = folder.filePath(QStringLiteral("../libexec/pannix/") + name);
    return QFileInfo(beside).isFile() || !QFileInfo(packaged).isFile() ? beside : QDir::cleanPath(packaged);
}

void setPathForTests(const QString& path)
{
    pathForTests = path;
}

} // namespace HelperProgram
