// A phone's answers to "getprop ro.product.manufacturer" and "getprop ro.product.model", and the
// bridge's "adb version", as the program takes their first line.
#include "FuzzInput.h"

#include "bridge/ToolText.h"
#include "bridge/WirelessDebugging.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray answer = fuzzBytes(data, size);
    const QString value = ToolText::firstLine(answer);
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        __builtin_trap(); // a maker's name shown over two lines
    const QStringList lines = ToolText::lines(answer);
    WirelessDebugging::bridgeVersion(lines);
    WirelessDebugging::bridgeVersionText(lines);
    return 0;
}
