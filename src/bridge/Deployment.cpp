#include "Deployment.h"

#include "DeploymentValues.h"

#include "Paths.h"

#include <QFileInfo>

namespace Deployment {

namespace {
const Values* replaced = nullptr;
}

const Values& values()
{
    static const Values built {
        QStringLiteral(PANNIX_HELP_PAGE),
        QStringLiteral(PANNIX_MAKER_HOME_PAGE),
        QStringLiteral(PANNIX_MAKER_WORKS_PAGE),
        QStringLiteral(PANNIX_SUPPORT_GROUP_NUMBER),
        QStringLiteral(PANNIX_SUPPORT_GROUP_JOIN_PAGE),
        QStringLiteral(PANNIX_APP_STORE_PACKAGE),
        QStringLiteral(PANNIX_PAY_WECHAT),
        QStringLiteral(PANNIX_PAY_ALIPAY),
    };
    return replaced ? *replaced : built;
}

void setForTests(const Values* replacement)
{
    replaced = replacement;
}

QString projectDocumentation()
{
    // Installed beside the program's documentation, or the source tree it was built from.
    const QString program = Paths::programFolder();
    for (const QString& candidate : {program + QStringLiteral("/../share/doc/pannix/README.md"),
             program + QStringLiteral("/README.md"), QStringLiteral(PANNIX_SOURCE_README)}) {
        const QFileInfo file(candidate);
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

} // namespace Deployment
