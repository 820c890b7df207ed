#include "ToolsRelease.h"

#include "ToolsDeployment.h"
#include "bridge/Paths.h"

#include <QRegularExpression>
#include <QUrlQuery>

#include <optional>

namespace {
std::optional<ToolsRelease> testRelease;
}

// The address's last path part, or, for a mirror that names the file in a query
// (".../download.php?file=scrcpy-linux-x86_64-v4.1.tar.gz"), the first query value that is an
// archive's name; as configuring derives the top folder.
QString ToolsRelease::archiveName() const
{
    static const QRegularExpression archive(QStringLiteral("\\.(zip|tar\\.gz|tgz)$"));
    if (archive.match(address.fileName()).hasMatch())
        return address.fileName();
    for (const auto& [key, value] : QUrlQuery(address).queryItems(QUrl::FullyDecoded)) {
        const QString name = value.section(QLatin1Char('/'), -1);
        if (archive.match(name).hasMatch())
            return name;
    }
    return address.fileName();
}

QString ToolsRelease::version() const
{
    static const QRegularExpression trailingVersion(QStringLiteral("-v(\\d+(?:\\.\\d+)+)$"));
    return trailingVersion.match(topFolder).captured(1);
}

ToolsRelease ToolsRelease::deployed()
{
    return {QUrl(QStringLiteral(PANNIX_TOOLS_URL)), QByteArrayLiteral(PANNIX_TOOLS_SHA256).toLower(),
        Paths::toolsFolderName()};
}

ToolsRelease ToolsRelease::current()
{
    return testRelease.value_or(deployed());
}

void ToolsRelease::setCurrentForTests(const ToolsRelease& release)
{
    testRelease = release;
}

void ToolsRelease::restoreDeployed()
{
    testRelease.reset();
}
