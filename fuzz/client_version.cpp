// "scrcpy --version" as any client, or anything in its place, may answer.
#include "FuzzInput.h"

#include "client/ClientVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QVersionNumber version = ClientVersion::parse(fuzzBytes(data, size));
    if (!version.isNull() && version.segmentCount() < 2)
        __builtin_trap(); // a version read from a line that names none
    return 0;
}
