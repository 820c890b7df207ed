#include "AdbCommands.h"

namespace AdbCommands {

QString startServer()
{
    return QStringLiteral("adb start-server");
}

QString devices()
{
    return QStringLiteral("adb devices");
}

QString maker()
{
    return QStringLiteral("adb shell getprop ro.product.manufacturer");
}

QString tcpip(const QString& port)
{
    return QStringLiteral("adb tcpip ") + port;
}

QString connect(const QString& address, const QString& port)
{
    return QStringLiteral("adb connect ") + address + QLatin1Char(':') + port;
}

// With the address alone the tool assumes port 5555, so a phone bound to any other port would
// never be disconnected.
QString disconnect(const QString& address, const QString& port)
{
    return QStringLiteral("adb disconnect ") + address + QLatin1Char(':') + port;
}

QString forSlot(const QString& selector, const QString& tail)
{
    return QStringLiteral("adb ") + selector + tail;
}

QString keyEventTail(int code)
{
    return QStringLiteral(" shell input keyevent ") + QString::number(code);
}

QString screencapTail()
{
    return QStringLiteral(" shell /system/bin/screencap -p /sdcard/screen.png");
}

QString pullScreenshotTail()
{
    return QStringLiteral(" pull /sdcard/screen.png");
}

QString removeScreenshotTail()
{
    return QStringLiteral(" shell rm /sdcard/screen.png");
}

QString viewPageTail(const QString& webAddress, const QString& appPackage)
{
    return QStringLiteral(" shell am start -a android.intent.action.VIEW -d ") + webAddress + QStringLiteral(" -p ")
        + appPackage;
}

} // namespace AdbCommands
