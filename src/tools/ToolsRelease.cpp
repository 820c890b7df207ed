#include "ToolsRelease.h"

#include "ToolsDeployment.h"
#include "bridge/Paths.h"

#include <QRegularExpression>

#include <optional>

namespace {
std::optional<ToolsRelease> testRelease;
}

QString ToolsRelease::archiveName() const
{
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
