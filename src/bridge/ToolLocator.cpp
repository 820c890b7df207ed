#include "ToolLocator.h"

#include "Paths.h"
#include "ThisSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace ToolLocator {

static QFileInfo inFolder(const QString& folder, const QString& toolName)
{
    QString name = toolName;
    if (!name.endsWith(ThisSystem::executableSuffix(), Qt::CaseInsensitive))
        name += ThisSystem::executableSuffix();
    return QFileInfo(folder + QLatin1Char('/') + name);
}

static QFileInfo besideProgram(const QString& toolName)
{
    return inFolder(Paths::programFolder(), toolName);
}

static std::optional<QStringList> systemFoldersOverride;

void setSystemFoldersForTests(const QStringList& folders)
{
    systemFoldersOverride = folders.isEmpty() ? std::nullopt : std::optional(folders);
}

bool isSystemFolder(const QString& folder)
{
    const QStringList system = systemFoldersOverride.value_or(ThisSystem::systemToolFolders());
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return std::any_of(system.cbegin(), system.cend(),
        [&](const QString& one) { return !canonical.isEmpty() && QFileInfo(one).canonicalFilePath() == canonical; });
}

// Where each tool is looked for, in order. A program in a folder of its own (the Windows layout, a
// portable folder) means the tools beside it; a program installed among the system's programs sits
// beside the system's adb, which must not split the fetched pair.
static QStringList searchedFolders()
{
    const QString program = Paths::programFolder();
    if (isSystemFolder(program))
        return {Paths::toolsFolder(), program};
    return {program, Paths::toolsFolder()};
}

QString locate(const QString& toolName)
{
    for (const QString& folder : searchedFolders()) {
        const QFileInfo tool = inFolder(folder, toolName);
        if (tool.isFile() && tool.isExecutable())
            return tool.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(toolName);
}

QString whyChosen(const QString& toolName)
{
    const QString found = locate(toolName);
    if (found.isEmpty())
        return {};
    const QString folder = QFileInfo(found).absolutePath();
    if (folder == QFileInfo(Paths::toolsFolder()).absoluteFilePath())
        return QCoreApplication::translate("ToolLocator", "Pannix 获取的工具，与 scrcpy 成对使用");
    if (folder == QFileInfo(Paths::programFolder()).absoluteFilePath())
        return QCoreApplication::translate("ToolLocator", "本程序目录下的");
    return QCoreApplication::translate("ToolLocator", "系统路径(PATH)中的");
}

bool missing(const QString& toolName)
{
    return locate(toolName).isEmpty() && !besideProgram(toolName).exists();
}

QString whyNotFound(const QString& toolName)
{
    const QFileInfo beside = besideProgram(toolName);
    if (beside.exists() && !(beside.isFile() && beside.isExecutable()))
        return QCoreApplication::translate(
            "ToolLocator", "本程序目录下的 %1 不是可以运行的程序（不是文件，或没有执行权限）。")
            .arg(QDir::toNativeSeparators(beside.absoluteFilePath()));
    return QCoreApplication::translate(
        "ToolLocator", "在本程序目录下和系统路径(PATH)中都找不到 %1。请将 %1 放在本程序目录下，或安装后重试。")
        .arg(toolName);
}

QStringList requiredBridgeFiles()
{
    return ThisSystem::bridgeFiles();
}

// Whether the folder holds one of the bridge's required files, as the start-up check counts it.
static bool holdsFile(const QString& folder, const QString& name)
{
    return ThisSystem::countsAsBridgeFile(folder + QLatin1Char('/') + name);
}

static QStringList missingFrom(const QString& folder)
{
    QStringList missing;
    for (const QString& name : requiredBridgeFiles()) {
        if (!holdsFile(folder, name))
            missing << name;
    }
    return missing;
}

static bool holdsBridgeTool(const QString& folder)
{
    return missingFrom(folder).isEmpty();
}

QStringList missingBridgeFiles()
{
    if (bridgeToolPresent())
        return {};
    // A folder that holds part of the bridge names what it lacks (AdbWinApi.dll beside adb.exe, say).
    const int required = int(requiredBridgeFiles().size());
    for (const QString& folder : searchedFolders()) {
        if (const QStringList missing = missingFrom(folder); missing.size() < required)
            return missing;
    }
    return {QStringLiteral("adb")};
}

bool bridgeToolPresent()
{
    const QStringList folders = searchedFolders();
    if (std::any_of(folders.cbegin(), folders.cend(), holdsBridgeTool))
        return true;
    // A Linux system's own adb (Debian's package) serves too.
    return ThisSystem::systemBridgeInstalled();
}

void hideConsoleWindow(QProcess& process)
{
    ThisSystem::hideConsoleWindow(process);
}

} // namespace ToolLocator
