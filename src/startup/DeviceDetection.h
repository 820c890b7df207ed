#pragma once

#include <QStringList>

class Form1;

namespace DeviceDetection {

// The devices of a device list fill the serial fields of slots 1, 2 and 3 in their order (with the
// usual output: lines 2, 3 and 4), each field holding the serial and its separator, and the state
// word too unless it is "device". Slots past the last device are emptied, so no slot keeps a phone
// that has gone. Lines that are no device list change nothing, and the answer is false.
bool ReadSerials(Form1& launcher, const QStringList& deviceListLines);

} // namespace DeviceDetection
