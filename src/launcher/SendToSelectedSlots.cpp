#include "SendToSelectedSlots.h"

#include "Form1.h"
#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "controls/CheckButton.h"

void SendToSelectedSlots(Form1& launcher, const QString& tail, QString& scratchField)
{
    for (int slot = 1; slot <= 3; ++slot) {
        if (launcher.slotBox(slot)->Value() != 1)
            continue;
        scratchField = AdbCommands::forSlot(launcher.selector(slot), tail);
        CommandRunner::run(scratchField);
    }
}

void SendToSelectedSlots(Form1& launcher, const QString& tail)
{
    SendToSelectedSlots(launcher, tail, launcher.INTERTEXT);
}
