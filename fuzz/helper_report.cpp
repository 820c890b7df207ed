// The install helper's report, one JSON object per line, as the window reads it.
#include "FuzzInput.h"

#include "install/InstallReport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QByteArray& line : fuzzBytes(data, size).split('\n')) {
        const InstallReport::Line read = InstallReport::read(line);
        if (read.stage && (int(*read.stage) < 0 || int(*read.stage) >= int(std::size(InstallReport::StageNames))))
            __builtin_trap();
    }
    return 0;
}
