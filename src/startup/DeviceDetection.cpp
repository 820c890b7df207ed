#include "DeviceDetection.h"

#include "bridge/DeviceList.h"
#include "launcher/Form1.h"

namespace DeviceDetection {

bool ReadSerials(Form1& launcher, const QStringList& deviceListLines)
{
    const auto fields = DeviceList::serialFields(deviceListLines);
    if (!fields)
        return false;
    for (int slot = 1; slot <= 3; ++slot)
        launcher.serial(slot) = fields->value(slot - 1);
    return true;
}

} // namespace DeviceDetection
