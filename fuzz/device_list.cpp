// "adb devices" and "adb devices -l" as the bridge may print them: every phone read names the same
// phone again through its serial field and the words a launch selects it by.
#include "FuzzInput.h"

#include "bridge/DeviceList.h"
#include "bridge/ToolText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = ToolText::lines(fuzzBytes(data, size));
    DeviceList::listed(lines);
    const QList<DeviceList::Entry> read = DeviceList::entries(lines);
    for (const DeviceList::Entry& entry : read + DeviceList::withoutDetails(read)) {
        const QString field = entry.field();
        if (DeviceList::serialInField(field) != entry.serial
            || DeviceList::selectorWords(QStringLiteral(" -s ") + field)
                != QStringList {QStringLiteral("-s"), entry.serial})
            __builtin_trap(); // a slot would reach another phone than the one listed
    }
    return 0;
}
