// What the bridge says while pairing: "adb mdns services" (the phones it discovered), "adb mdns
// check", "adb pair"'s outcome; and the QR code drawn for a name and password of any text.
#include "FuzzInput.h"

#include "bridge/ToolAnswer.h"
#include "bridge/ToolText.h"
#include "bridge/WirelessDebugging.h"
#include "controls/QrCode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QStringList lines = ToolText::lines(bytes);
    const QList<WirelessDebugging::Service> services = WirelessDebugging::services(lines);
    for (const WirelessDebugging::Service& service : services) {
        const QString address = WirelessDebugging::addressOf(services, service.type, service.instance);
        WirelessDebugging::addressProblem(address, QStringLiteral("address"));
    }
    if (const auto paired = WirelessDebugging::paired(lines))
        WirelessDebugging::addressProblem(paired->address, QStringLiteral("address"));
    WirelessDebugging::discoveryRuns(ToolAnswer::exited(0, bytes));
    WirelessDebugging::codeProblem(lines.value(0), QStringLiteral("code"));
    if (size < 512)
        QrCode::render(WirelessDebugging::qrText(lines.value(0), lines.value(1)), 200);
    return 0;
}
