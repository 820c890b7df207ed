#pragma once

#include <QString>

// The bridge tool's command lines, composed exactly as the windows hand them to the runner.
// The "tails" are appended to "adb " + a slot's device selector by the per-slot fan-out.
namespace AdbCommands {

QString startServer();
QString devices();
QString maker();
QString tcpip(const QString& port);
QString connect(const QString& address, const QString& port);
QString disconnect(const QString& address, const QString& port);

// "adb " + selector + tail, the line sent to one device slot.
QString forSlot(const QString& selector, const QString& tail);

QString keyEventTail(int code);
QString screencapTail();
QString pullScreenshotTail();
QString removeScreenshotTail();
QString viewPageTail(const QString& webAddress, const QString& appPackage);

// Android key event codes.
namespace Key {
constexpr int Home = 3;
constexpr int Back = 4;
constexpr int VolumeUp = 24;
constexpr int VolumeDown = 25;
constexpr int Power = 26;
constexpr int MediaPlayPause = 85;
constexpr int MediaNext = 87;
constexpr int MediaPrevious = 88;
constexpr int VolumeMute = 164;
constexpr int AppSwitch = 187;
} // namespace Key

} // namespace AdbCommands
