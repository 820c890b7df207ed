#include "MakerPages.h"

#include "AdbCommands.h"
#include "Deployment.h"
#include "Outside.h"
#include "SendToSelectedSlots.h"

#include <QCoreApplication>
#include <QUrl>

namespace MakerPages {

void open(DeviceModel& devices, const QString& page, QString& scratchField)
{
    if (!page.isEmpty()) {
        SendToSelectedSlots(
            devices, AdbCommands::viewPageTail(page, Deployment::values().appStorePackage), scratchField);
        return;
    }
    const QString documentation = Deployment::projectDocumentation();
    if (!documentation.isEmpty())
        Outside::current().openWebAddress(QUrl::fromLocalFile(documentation).toString());
    else
        tellNotConfigured(QCoreApplication::translate("MakerPages", "此页面的网址"));
}

void tellNotConfigured(const QString& what)
{
    Outside::current().showMessage(what + QCoreApplication::translate("MakerPages", "未配置。"),
        QCoreApplication::translate("MakerPages", "提示"), Outside::Icon::Information);
}

} // namespace MakerPages
