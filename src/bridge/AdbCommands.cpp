#include "AdbCommands.h"

#include "BridgeProblems.h"
#include "DeviceList.h"
#include "PhoneShell.h"
#include "ToolAnswer.h"
#include "ToolText.h"

#include <QDir>
#include <QRegularExpression>

namespace AdbCommands {

namespace {

const QString Adb = QStringLiteral("adb");

// A command of fixed words, whose text is those words joined by blanks.
ToolCommand fixed(const QStringList& words)
{
    return {words, words.join(QLatin1Char(' '))};
}

const QString ScreenOnPhone = QStringLiteral("/sdcard/screen.png");

} // namespace

ToolCommand startServer()
{
    return fixed({Adb, QStringLiteral("start-server")});
}

ToolCommand devices()
{
    return fixed({Adb, QStringLiteral("devices")});
}

ToolCommand devicesLong()
{
    return fixed({Adb, QStringLiteral("devices"), QStringLiteral("-l")});
}

ToolCommand waitForDisconnect(const QString& serial)
{
    return {{Adb, QStringLiteral("-s"), serial, QStringLiteral("wait-for-disconnect")},
        QStringLiteral("adb -s ") + serial + QStringLiteral(" wait-for-disconnect")};
}

bool saysDeviceGone(const ToolAnswer& answer)
{
    // "error: device offline", "error: device '<serial>' not found", "error: device not found".
    static const QRegularExpression gone(QStringLiteral("^error: device (offline|'.*' not found|not found)$"));
    for (const QString& line : ToolText::lines(answer.errors + '\n' + answer.output)) {
        if (gone.match(line.trimmed()).hasMatch())
            return true;
    }
    return false;
}

ToolCommand maker()
{
    return fixed({Adb, QStringLiteral("shell"), QStringLiteral("getprop"), QStringLiteral("ro.product.manufacturer")});
}

ToolCommand makerTail()
{
    return {{QStringLiteral("shell"), QStringLiteral("getprop"), QStringLiteral("ro.product.manufacturer")},
        QStringLiteral(" shell getprop ro.product.manufacturer")};
}

ToolCommand modelTail()
{
    return {{QStringLiteral("shell"), QStringLiteral("getprop"), QStringLiteral("ro.product.model")},
        QStringLiteral(" shell getprop ro.product.model")};
}

ToolCommand serialNumberTail()
{
    return {{QStringLiteral("shell"), QStringLiteral("getprop"), QStringLiteral("ro.serialno")},
        QStringLiteral(" shell getprop ro.serialno")};
}

ToolCommand trackDevices()
{
    return fixed({Adb, QStringLiteral("track-devices")});
}

ToolCommand tcpip(const QString& port)
{
    return {{Adb, QStringLiteral("tcpip"), port}, QStringLiteral("adb tcpip ") + port};
}

ToolCommand connect(const QString& address, const QString& port)
{
    const QString target = address + QLatin1Char(':') + port;
    return {{Adb, QStringLiteral("connect"), target}, QStringLiteral("adb connect ") + target};
}

ToolCommand disconnect(const QString& address, const QString& port)
{
    if (address.isEmpty())
        return {{Adb, QStringLiteral("disconnect")}, QStringLiteral("adb disconnect ")};
    const QString target = address + QLatin1Char(':') + port;
    return {{Adb, QStringLiteral("disconnect"), target}, QStringLiteral("adb disconnect ") + target};
}

ToolCommand version()
{
    return fixed({Adb, QStringLiteral("version")});
}

ToolCommand mdnsCheck()
{
    return fixed({Adb, QStringLiteral("mdns"), QStringLiteral("check")});
}

ToolCommand mdnsServices()
{
    return fixed({Adb, QStringLiteral("mdns"), QStringLiteral("services")});
}

ToolCommand pair(const QString& hostAndPort, const QString& secret)
{
    ToolCommand command = fixed({Adb, QStringLiteral("pair"), hostAndPort, secret});
    command.secretWords = {3};
    command.text = maskedWords(command.words, command.secretWords).join(QLatin1Char(' '));
    return command;
}

ToolCommand connectTo(const QString& hostAndPort)
{
    return {{Adb, QStringLiteral("connect"), hostAndPort}, QStringLiteral("adb connect ") + hostAndPort};
}

ToolCommand disconnectFrom(const QString& hostAndPort)
{
    return {{Adb, QStringLiteral("disconnect"), hostAndPort}, QStringLiteral("adb disconnect ") + hostAndPort};
}

bool saysConnected(const ToolAnswer& answer)
{
    const QString said = BridgeProblems::statusLine(answer, QStringLiteral("adb"));
    return answer.ranToEnd()
        && (said.startsWith(QLatin1String("connected to")) || said.startsWith(QLatin1String("already connected to")));
}

ToolCommand forSlot(const QString& selector, const ToolCommand& tail)
{
    return {QStringList {Adb} + DeviceList::selectorWords(selector) + tail.words,
        QStringLiteral("adb ") + selector + tail.text};
}

ToolCommand keyEventTail(int code)
{
    const QString number = QString::number(code);
    return {{QStringLiteral("shell"), QStringLiteral("input"), QStringLiteral("keyevent"), number},
        QStringLiteral(" shell input keyevent ") + number};
}

ToolCommand screencapTail()
{
    return {{QStringLiteral("shell"), QStringLiteral("/system/bin/screencap"), QStringLiteral("-p"), ScreenOnPhone},
        QStringLiteral(" shell /system/bin/screencap -p ") + ScreenOnPhone};
}

ToolCommand pullScreenshotTail(const QString& target)
{
    ToolCommand tail {{QStringLiteral("pull"), ScreenOnPhone}, QStringLiteral(" pull ") + ScreenOnPhone};
    if (!target.isEmpty()) {
        tail.words << target;
        tail.text += QLatin1Char(' ') + target;
    }
    return tail;
}

ToolCommand removeScreenshotTail()
{
    return {
        {QStringLiteral("shell"), QStringLiteral("rm"), ScreenOnPhone}, QStringLiteral(" shell rm ") + ScreenOnPhone};
}

ToolCommand viewPageTail(const QString& webAddress, const QString& appPackage)
{
    ToolCommand tail {{QStringLiteral("shell"), QStringLiteral("am"), QStringLiteral("start"), QStringLiteral("-a"),
                          QStringLiteral("android.intent.action.VIEW"), QStringLiteral("-d"), webAddress},
        QStringLiteral(" shell am start -a android.intent.action.VIEW -d ") + webAddress};
    // Without a package the phone opens the page in its default browser.
    if (!appPackage.isEmpty()) {
        tail.words << QStringLiteral("-p") << appPackage;
        tail.text += QStringLiteral(" -p ") + appPackage;
    }
    return tail;
}

ToolCommand toPhone(const QString& serial, const QStringList& tail)
{
    const QStringList words = QStringList {Adb, QStringLiteral("-s"), serial} + tail;
    return {words, words.join(QLatin1Char(' '))};
}

QStringList listFolderTail(const QString& folder)
{
    return {QStringLiteral("shell"), QStringLiteral("ls"), QStringLiteral("-1a"), folder};
}

QStringList fileSizeTail(const QString& path)
{
    return {QStringLiteral("shell"), QStringLiteral("stat"), QStringLiteral("-c"), QStringLiteral("%s"),
        PhoneShell::quoted(path)};
}

QStringList removeFileTail(const QString& path)
{
    return {QStringLiteral("shell"), QStringLiteral("rm"), QStringLiteral("-f"), PhoneShell::quoted(path)};
}

QStringList pushTail(const QString& file, const QString& target)
{
    return {QStringLiteral("push"), QDir::toNativeSeparators(file), target};
}

QStringList installTail(const QString& app)
{
    return {QStringLiteral("install"), QStringLiteral("-r"), QDir::toNativeSeparators(app)};
}

QStringList installPartsTail(const QStringList& parts)
{
    QStringList words {QStringLiteral("install-multiple"), QStringLiteral("-r")};
    for (const QString& part : parts)
        words.append(QDir::toNativeSeparators(part));
    return words;
}

} // namespace AdbCommands
