#pragma once

#include "ToolCommand.h"

#include <QList>
#include <QString>

#include <optional>

class DeviceModel;

// A phone that a click addresses: its slot, its device selector (" -s " + its serial field, the
// text the scratch field shows) and its serial alone.
struct PhoneTarget
{
    int slot = 0;
    QString selector;
    QString serial;
};

// The phones a click addresses, read from the phones listed and ticked now: every ticked slot's
// phone; with no slot ticked, the one phone listed. With none ticked and several listed, or none
// listed at all, the user is told what to do and nothing is addressed.
std::optional<QList<PhoneTarget>> TargetPhones(const DeviceModel& devices);

// For every addressed phone in slot order: writes "adb " + its selector + tail into the scratch
// field and sends that command. The phones that fail are told in one message once all have
// answered, each named with the tool's own words.
void SendToSelectedSlots(DeviceModel& devices, const ToolCommand& tail, QString& scratchField);
