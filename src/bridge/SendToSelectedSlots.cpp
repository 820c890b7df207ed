#include "SendToSelectedSlots.h"

#include "AdbCommands.h"
#include "BridgeProblems.h"
#include "CommandRunner.h"
#include "DeviceList.h"
#include "DeviceModel.h"

#include <memory>

#include <QCoreApplication>

std::optional<QList<PhoneTarget>> TargetPhones(const DeviceModel& devices)
{
    auto targetIn = [&devices](int slot) {
        const QString field = devices.fieldAt(slot);
        return PhoneTarget {slot, QStringLiteral(" -s ") + field, DeviceList::serialInField(field)};
    };
    QList<PhoneTarget> ticked;
    for (int slot = 1; slot <= 3; ++slot) {
        if (devices.isTicked(slot) && devices.phoneAt(slot))
            ticked.append(targetIn(slot));
    }
    if (!ticked.isEmpty())
        return ticked;
    // With one phone there is no doubt which is meant; with several, a command without a serial
    // would be refused by the tool, so the user picks.
    if (devices.count() == 1) {
        for (int slot = 1; slot <= 3; ++slot) {
            if (devices.phoneAt(slot))
                return QList<PhoneTarget> {targetIn(slot)};
        }
    }
    BridgeProblems::tell(devices.count() == 0
            ? QCoreApplication::translate("SendToSelectedSlots", "没有已连接的设备！")
            : QCoreApplication::translate("SendToSelectedSlots", "已连接多台设备，请先在启动器中勾选要操作的设备！"));
    return std::nullopt;
}

void SendToSelectedSlots(DeviceModel& devices, const ToolCommand& tail, QString& scratchField)
{
    const auto targets = TargetPhones(devices);
    if (!targets)
        return;
    struct Click
    {
        qsizetype unanswered = 0;
        QStringList failures;
    };
    auto click = std::make_shared<Click>();
    click->unanswered = targets->size();
    for (const PhoneTarget& target : *targets) {
        const ToolCommand command = AdbCommands::forSlot(target.selector, tail);
        scratchField = command.text;
        CommandRunner::call(command, &devices, [click, target, &devices](const ToolAnswer& answer) {
            if (!answer.succeeded())
                click->failures.append(target.serial + QCoreApplication::translate("SendToSelectedSlots", "：")
                    + BridgeProblems::cause(answer, QStringLiteral("adb")));
            if (--click->unanswered == 0 && !click->failures.isEmpty())
                BridgeProblems::tellLater(&devices,
                    QCoreApplication::translate("SendToSelectedSlots", "以下设备未能执行此操作：\r\n")
                        + click->failures.join(QStringLiteral("\r\n")));
        });
    }
}
