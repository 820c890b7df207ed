// The phone's apps as the client lists them ("scrcpy --list-apps") and as the bridge lists its
// packages ("pm list packages -3"): the same bytes through both readers.
#include "FuzzInput.h"

#include "bridge/ToolAnswer.h"
#include "client/PhoneApps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ToolAnswer answer = ToolAnswer::exited(0, fuzzBytes(data, size));
    for (const auto& apps : {PhoneApps::fromClient(answer), PhoneApps::fromBridge(answer)}) {
        for (const PhoneApps::App& app : apps.value_or(QList<PhoneApps::App>())) {
            if (app.package.isEmpty() || app.package.contains(QLatin1Char(' ')))
                __builtin_trap(); // a package no launch could name
        }
    }
    return 0;
}
