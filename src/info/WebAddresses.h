#pragma once

#include <QString>

// Every web address the program opens, and the app-store package that opens pages on the phones.
namespace WebAddresses {

// Public resources.
inline const QString AndroidDeveloperReference = QStringLiteral("https://developer.android.com/");
inline const QString AndroidOpenSourceProject = QStringLiteral("https://source.android.com/");
inline const QString MirroringClientProject = QStringLiteral("https://github.com/Genymobile/scrcpy");
inline const QString MirroringClientIntroduction
    = QStringLiteral("https://github.com/Genymobile/scrcpy/blob/master/README.md");
inline const QString DriverDownload = QStringLiteral("https://developer.android.com/studio/run/win-usb");
inline const QString MeizuMirroringProblems = QStringLiteral("https://github.com/Genymobile/scrcpy/blob/master/FAQ.md");

// Deployment values: the maker's own pages, the support group and the phones' app-store app.
inline const QString HelpPage = QStringLiteral("https://www.coolapk.com/feed/pannix-help");
inline const QString MakerHomePage = QStringLiteral("https://www.coolapk.com/u/Tollen");
inline const QString MakerWorksPage = QStringLiteral("https://www.coolapk.com/u/Tollen/apps");
inline const QString SupportGroupJoinPage = QStringLiteral("https://qm.qq.com/cgi-bin/qm/qr?k=pannix");
inline const QString SupportGroupNumber = QStringLiteral("交流群：123456789");
inline const QString AppStorePackage = QStringLiteral("com.coolapk.market");

} // namespace WebAddresses
