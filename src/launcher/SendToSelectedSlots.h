#pragma once

#include "bridge/ToolCommand.h"

#include <QList>
#include <QString>

#include <optional>

class Form1;

// A phone that a click addresses: its slot, its device selector (" -s " + its serial field, the
// text the scratch field shows) and its serial alone.
struct PhoneTarget
{
    int slot = 0;
    QString selector;
    QString serial;
};

// The phones a click addresses, read from the phones listed now: every ticked slot's phone; with no
// slot ticked, the one phone listed. With none ticked and several listed, or none listed at all,
// the user is told what to do and nothing is addressed.
std::optional<QList<PhoneTarget>> TargetPhones(Form1& launcher);

// For every addressed phone in slot order: writes "adb " + its selector + tail into the scratch
// field and sends that command. The phones that fail are told in one message once all have
// answered, each named with the tool's own words.
void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail, QString& scratchField);

// The same through the launcher's shared scratch field INTERTEXT.
void SendToSelectedSlots(Form1& launcher, const ToolCommand& tail);
