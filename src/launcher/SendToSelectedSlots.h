#pragma once

#include "bridge/ToolCommand.h"

#include <QString>

class Form1;

// For slot 1, 2, 3 in this order, each whose box is checked now: writes "adb " + the slot's
// device selector + tail into the scratch field and sends that command. Its answer is not read.
void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail, QString& scratchField);

// The same through the launcher's shared scratch field INTERTEXT.
void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail);
