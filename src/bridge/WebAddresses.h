#pragma once

#include <QString>

// The public pages the program opens; the maker's own pages, the support group and the app-store
// package are deployment values (Deployment.h).
namespace WebAddresses {

inline const QString AndroidDeveloperReference = QStringLiteral("https://developer.android.com/");
inline const QString AndroidOpenSourceProject = QStringLiteral("https://source.android.com/");
inline const QString MirroringClientProject = QStringLiteral("https://github.com/Genymobile/scrcpy");
inline const QString MirroringClientIntroduction
    = QStringLiteral("https://github.com/Genymobile/scrcpy/blob/master/README.md");
// The mirroring client's own report of Meizu phones that show no picture, with Flyme's part in it.
inline const QString MeizuMirroringProblems = QStringLiteral("https://github.com/Genymobile/scrcpy/issues/240");

// Windows needs Google's USB driver; elsewhere a phone needs the udev rules, which the page on
// running apps on a hardware device explains.
inline const QString WindowsUsbDriver = QStringLiteral("https://developer.android.com/studio/run/win-usb");
inline const QString AndroidDevicePage = QStringLiteral("https://developer.android.com/studio/run/device");

} // namespace WebAddresses
