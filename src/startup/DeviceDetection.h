#pragma once

class Form1;

namespace DeviceDetection {

// Lines 2, 3 and 4 of the device list become the serial fields of slots 1, 2 and 3, each with
// every "device" removed, so a usual line leaves the serial and its trailing tab. A line that is
// not in the file leaves its field as it was.
void ReadSerials(Form1& launcher);

} // namespace DeviceDetection
