#include "DeviceDetection.h"

#include "bridge/ResultFiles.h"
#include "launcher/Form1.h"

namespace DeviceDetection {

void ReadSerials(Form1& launcher)
{
    const QString list = ResultFiles::path(ResultFile::Serno);
    for (int slot = 1; slot <= 3; ++slot) {
        if (auto line = ResultFiles::lineAt(list, slot + 1))
            launcher.serial(slot) = line->remove(QStringLiteral("device"));
    }
}

} // namespace DeviceDetection
