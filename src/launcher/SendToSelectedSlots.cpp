#include "SendToSelectedSlots.h"

#include "Form1.h"
#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceList.h"
#include "bridge/DeviceModel.h"
#include "controls/CheckButton.h"

#include <memory>

std::optional<QList<PhoneTarget>> TargetPhones(Form1& launcher)
{
    const DeviceModel& devices = launcher.devices();
    auto targetIn = [&devices](int slot) {
        const QString field = devices.fieldAt(slot);
        return PhoneTarget {slot, QStringLiteral(" -s ") + field, DeviceList::serialInField(field)};
    };
    QList<PhoneTarget> ticked;
    for (int slot = 1; slot <= 3; ++slot) {
        if (launcher.slotBox(slot)->Value() == 1 && devices.phoneAt(slot))
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
    BridgeProblems::tell(devices.count() == 0 ? QStringLiteral("没有已连接的设备！")
                                              : QStringLiteral("已连接多台设备，请先在启动器中勾选要操作的设备！"));
    return std::nullopt;
}

void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail, QString& scratchField)
{
    const auto targets = TargetPhones(launcher);
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
        CommandRunner::call(command, &launcher, [click, target, &launcher](const ToolAnswer& answer) {
            if (!answer.succeeded())
                click->failures.append(
                    target.serial + QStringLiteral("：") + BridgeProblems::cause(answer, QStringLiteral("adb")));
            if (--click->unanswered == 0 && !click->failures.isEmpty())
                BridgeProblems::tellLater(&launcher,
                    QStringLiteral("以下设备未能执行此操作：\r\n") + click->failures.join(QStringLiteral("\r\n")));
        });
    }
}

void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail)
{
    SendToSelectedSlots(launcher, tail, launcher.INTERTEXT);
}
