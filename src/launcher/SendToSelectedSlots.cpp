#include "SendToSelectedSlots.h"

#include "Form1.h"
#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "controls/CheckButton.h"

void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail, QString& scratchField)
{
    for (int slot = 1; slot <= 3; ++slot) {
        if (launcher.slotBox(slot)->Value() != 1)
            continue;
        const ToolCommand command = AdbCommands::forSlot(launcher.selector(slot), tail);
        scratchField = command.text;
        CommandRunner::send(command);
    }
}

void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail)
{
    SendToSelectedSlots(launcher, tail, launcher.INTERTEXT);
}
