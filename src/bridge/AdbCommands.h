#pragma once

#include "ToolCommand.h"

struct ToolAnswer;

#include <QString>

// The bridge tool's commands, each as its words and as the text the windows show. The "tails"
// follow "adb " + a slot's device selector in the per-slot fan-out.
namespace AdbCommands {

ToolCommand startServer();
ToolCommand devices();
// The list with each phone's details ("product:… model:…") after its state.
ToolCommand devicesLong();
// Returns once the phone's connection is gone; a waiting tool wakes nothing in the program.
ToolCommand waitForDisconnect(const QString& serial);
// Whether a call for one phone answered that the bridge holds it offline, or knows it no more.
bool saysDeviceGone(const ToolAnswer& answer);
ToolCommand maker();
// Runs on, printing the whole device list at its start and again at every change.
ToolCommand trackDevices();
// The port is one argument, and address + ":" + port another, whatever they hold.
ToolCommand tcpip(const QString& port);
ToolCommand connect(const QString& address, const QString& port);
// With no address every network connection is dropped; with one, address + ":" + port, since the
// tool otherwise assumes port 5555 and a phone bound to another port would stay connected.
ToolCommand disconnect(const QString& address, const QString& port);
// A connect has worked only when the tool ran to its end and its last line says "connected to" or
// "already connected to" (it may have connected by itself); it ends well either way.
bool saysConnected(const ToolAnswer& answer);

// Wireless debugging (Android 11 and later, adb 30 and later).
ToolCommand version();
ToolCommand mdnsCheck();
ToolCommand mdnsServices();
// The code or password is a secret word: never logged, masked in the text.
ToolCommand pair(const QString& hostAndPort, const QString& secret);
// To a phone's "IP地址和端口", one argument whatever it holds.
ToolCommand connectTo(const QString& hostAndPort);
// The connection to the phone at that address let go of, whatever its port.
ToolCommand disconnectFrom(const QString& hostAndPort);

// "adb " + selector + tail, the command sent to one device slot. The selector is " -s " + the
// slot's serial field, or empty; the tool receives the serial alone, as one argument.
ToolCommand forSlot(const QString& selector, const ToolCommand& tail);

ToolCommand makerTail();
ToolCommand modelTail();
// The phone's own serial number, whichever way the bridge reaches it.
ToolCommand serialNumberTail();
ToolCommand keyEventTail(int code);
ToolCommand screencapTail();
// Without a target the picture lands as "screen.png" in the folder the tool runs in.
ToolCommand pullScreenshotTail(const QString& target = {});
ToolCommand removeScreenshotTail();
ToolCommand viewPageTail(const QString& webAddress, const QString& appPackage);

// What goes to one phone, named by the bridge's name for it: files and apps sent to it.
ToolCommand toPhone(const QString& serial, const QStringList& tail);
// The names in a folder on the phone, one per line.
QStringList listFolderTail(const QString& folder);
// A file's size on the phone, as its shell's stat prints it; the path is one word for that shell.
QStringList fileSizeTail(const QString& path);
QStringList removeFileTail(const QString& path);
QStringList pushTail(const QString& file, const QString& target);
// An app installed, replacing the one installed if any; its parts, when it comes split.
QStringList installTail(const QString& app);
QStringList installPartsTail(const QStringList& parts);

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
