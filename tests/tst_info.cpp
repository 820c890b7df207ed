#include "Fixture.h"
#include "bridge/WebAddresses.h"
#include "client/ClientVersion.h"
#include "client/ShortcutTable.h"
#include "info/DonatION.h"
#include "info/KJJ.h"
#include "info/meizu.h"
#include <QProcess>
#include <QTemporaryDir>

#include <QLabel>
#include <QTimer>

using namespace TestSupport;

class TestInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }

    void aboutTexts();
    void aboutLinksOpenTheirAddresses_data();
    void aboutLinksOpenTheirAddresses();
    void makerPagesOnSelectedPhones_data();
    void makerPagesOnSelectedPhones();
    void donationWindow();
    void meizuButtons();
    void meizuContinueShowsLauncher();
    void closingMeizuEndsProgram();
    void shortcutPictureShowsBothTables();
    void shortcutsFollowTheInstalledClient_data();
    void shortcutsFollowTheInstalledClient();
    void paymentCodesScanToTheirAddresses();
    void unconfiguredValuesSaySo();
    void pagesWithoutAppStoreOpenInTheBrowser();
    void versionAnswersAreRead_data();
    void versionAnswersAreRead();
};

void TestInfo::aboutTexts()
{
    Fixture f;
    About& about = f.windows.about();
    QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about.size(), QSize(473, 230));
    QCOMPARE(Fixture::find<QLabel>(about, "Label2")->text(), QStringLiteral("V1.5.0"));
    QCOMPARE(Fixture::find<QLabel>(about, "Label18")->text(), QStringLiteral("Scrcpy Version：1.10"));
    QCOMPARE(Fixture::find<QLabel>(about, "Label6")->text(), QStringLiteral("酷安：@Tollen"));
    QCOMPARE(Fixture::find<QLabel>(about, "Label11")->text(),
        QStringLiteral("基于Scrcpy有线投屏工具命令库制作的GUI控制台。提供便捷的设置选项。"));
    QVERIFY(!Fixture::find<QLabel>(about, "Image1")->pixmap().isNull());
    QVERIFY(about.Text1.isEmpty());
    for (const char* button : {"blockmi", "N_Shape2all", "N_Shape1boot", "N_Shape1"}) {
        const QRect place = Fixture::find(about, button)->geometry();
        QVERIFY2(about.rect().contains(place), button);
    }
}

void TestInfo::aboutLinksOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("Label14") << "Label14"
                             << "https://developer.android.com/";
    QTest::newRow("Label13") << "Label13"
                             << "https://source.android.com/";
    QTest::newRow("Label15") << "Label15"
                             << "https://github.com/Genymobile/scrcpy";
    QTest::newRow("Label16") << "Label16"
                             << "https://github.com/Genymobile/scrcpy/blob/master/README.md";
    QTest::newRow("Label4") << "Label4" << TestDeployment().values.supportGroupJoinPage;
    QTest::newRow("N_Shape1") << "N_Shape1" << TestDeployment().values.supportGroupJoinPage;
}

void TestInfo::aboutLinksOpenTheirAddresses()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    Fixture f;
    About& about = f.windows.about();
    about.show();
    Fixture::click(Fixture::find<QWidget>(about, qPrintable(control)));
    QCOMPARE(f.outside.addresses, QStringList {address});
    QVERIFY(f.outside.starts.isEmpty());
    QVERIFY(address.startsWith(QLatin1String("https://")));
}

void TestInfo::makerPagesOnSelectedPhones_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<bool>("afterLaunch");
    for (bool afterLaunch : {false, true}) {
        for (const QList<int>& selection : QList<QList<int>> {{1}, {1, 2}, {1, 2, 3}}) {
            QTest::addRow("blockmi, %d slots%s", int(selection.size()), afterLaunch ? ", launched" : "")
                << "blockmi" << TestDeployment().values.makerHomePage << selection << afterLaunch;
            QTest::addRow("N_Shape2all, %d slots%s", int(selection.size()), afterLaunch ? ", launched" : "")
                << "N_Shape2all" << TestDeployment().values.makerWorksPage << selection << afterLaunch;
        }
    }
}

void TestInfo::makerPagesOnSelectedPhones()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    QFETCH(QList<int>, selection);
    QFETCH(bool, afterLaunch);
    Fixture f;
    f.selectSlots({});
    for (int slot : selection)
        f.tick(slot, true);
    if (afterLaunch) {
        Fixture::click(f.launcher().QSNUM);
        f.outside.clear();
    }
    About& about = f.windows.about();
    about.show();
    Fixture::click(Fixture::find(about, qPrintable(button)));
    QStringList expected;
    for (int slot : selection) {
        // Launched or not, each ticked phone is addressed by its serial.
        expected.append(QStringLiteral("adb -s SER%1 shell am start -a android.intent.action.VIEW -d %2 -p %3")
                            .arg(QString::number(slot), page, Deployment::values().appStorePackage));
    }
    QCOMPARE(f.outside.lines(), expected);
    QVERIFY(f.launcher().INTERTEXT.endsWith(QStringLiteral(" -p ") + Deployment::values().appStorePackage));
}

void TestInfo::donationWindow()
{
    Fixture f;
    About& about = f.windows.about();
    about.show();
    Fixture::click(Fixture::find(about, "N_Shape1boot"));
    DonatION& donation = f.windows.donation();
    QVERIFY(donation.isVisible());
    QCOMPARE(donation.windowTitle(), QStringLiteral("支持作者"));
    QCOMPARE(Fixture::find<QLabel>(donation, "Label1")->text(),
        QStringLiteral("软件不设高级版、捐赠版。无论您是否捐赠都可以使用全部功能。 谢谢支持！"));
    QVERIFY(!Fixture::find<QLabel>(donation, "Image1")->pixmap().isNull());
    QVERIFY(!Fixture::find<QLabel>(donation, "Image2")->pixmap().isNull());
}

void TestInfo::meizuButtons()
{
    Fixture f;
    meizu& warning = f.windows.meizuWarning();
    warning.show();
    QCOMPARE(warning.windowTitle(), QStringLiteral("检测到魅族设备！"));
    QCOMPARE(Fixture::find<QLabel>(warning, "Label1")->text(),
        QStringLiteral("很抱歉！由于Flyme魔改Android源码，导致大部分设备无法显示投屏画面。工具可能无法正常使用！"));
    QCOMPARE(Fixture::find<QLabel>(warning, "Image1")->pixmap().size(), QSize(66, 66));
    Fixture::click(Fixture::find(warning, "N_Shape2"));
    QCOMPARE(f.outside.addresses, QStringList {"https://github.com/Genymobile/scrcpy/issues/240"});
    QCOMPARE(Fixture::find(warning, "N_Shape1about")->Caption(), QStringLiteral("退出软件"));
    Fixture::click(Fixture::find(warning, "N_Shape1about"));
    QCOMPARE(f.outside.programEnds, 1);
}

void TestInfo::meizuContinueShowsLauncher()
{
    Fixture f;
    f.answer(QStringLiteral("shell"), "Meizu\n");
    f.answer(QStringLiteral("devices"), "List of devices attached\n\n");
    Start& start = f.grownStart();
    Fixture::click(Fixture::find(start, "cable"));
    f.outside.settle();
    start.tickTimer1();
    start.tickTimer1();
    start.tickTimer1();
    meizu& warning = f.windows.meizuWarning();
    QVERIFY(warning.isVisible());
    start.Timer1->start(); // a timer still running must be stopped by the choice
    Fixture::click(Fixture::find(warning, "N_Shape1"));
    QVERIFY(!warning.isVisible());
    QVERIFY(!start.isVisible());
    QVERIFY(f.launcher().isVisible());
    QVERIFY(!start.Timer1->isActive());
    QCOMPARE(f.outside.programEnds, 0);
}

void TestInfo::closingMeizuEndsProgram()
{
    Fixture f;
    meizu& warning = f.windows.meizuWarning();
    warning.show();
    warning.close();
    QCOMPARE(f.outside.programEnds, 1);
}

void TestInfo::shortcutPictureShowsBothTables()
{
    Fixture f;
    KJJ& keys = f.windows.shortcutKeys();
    QCOMPARE(keys.windowTitle(), QStringLiteral("Shortcut Keys"));
    QCOMPARE(keys.size(), QSize(954, 444));
    const QVersionNumber old(1, 14);
    QCOMPARE(ShortcutTable::leftRows(old).size(), 9);
    QCOMPARE(ShortcutTable::rightRows(old).size(), 9);
    QCOMPARE(ShortcutTable::leftRows(old).first().action, QStringLiteral("切换全屏模式"));
    QCOMPARE(ShortcutTable::rightRows(old).last().shortcut, QStringLiteral("Ctrl + i"));
    const QImage picture = Fixture::find<QLabel>(keys, "Image1")->pixmap().toImage();
    QCOMPARE(picture.size(), keys.size());
    // Both tables are drawn: their heads carry the window's blue in each half.
    const QRgb head = QColor(128, 128, 255).rgb();
    QCOMPARE(picture.pixel(200, 14), head);
    QCOMPARE(picture.pixel(picture.width() / 2 + 200, 14), head);
}

void TestInfo::shortcutsFollowTheInstalledClient_data()
{
    QTest::addColumn<QByteArray>("answer"); // what "scrcpy --version" prints; empty: no client at all
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("fullscreen");
    QTest::addColumn<QString>("blackBorders");
    QTest::addColumn<QString>("screenOn");
    QTest::addColumn<QString>("pushFolder");
    QTest::addColumn<QString>("versionLine");
    const QString ctrl = QStringLiteral("按Ctrl+f可退出(切换)全屏！");
    const QString alt = QStringLiteral("按Alt+f可退出(切换)全屏！");
    const QString modNote = QStringLiteral("；Alt 指左 Alt 或左 Super 键，* 仅限 Android 7 及以上");
    QTest::newRow("1.10") << QByteArray("scrcpy 1.10 <https://github.com/Genymobile/scrcpy>\n") << ctrl << 18
                          << "Ctrl + f"
                          << "Ctrl + x 或 双击黑边"
                          << "单击右键（息屏时）"
                          << "/sdcard/" << QStringLiteral("以下为 scrcpy 1.10 的快捷键（适用于 1.14 及更早）");
    QTest::newRow("1.14") << QByteArray("scrcpy 1.14\n\ndependencies:\n") << ctrl << 18 << "Ctrl + f"
                          << "Ctrl + x 或 双击黑边"
                          << "单击右键（息屏时）"
                          << "/sdcard/" << QStringLiteral("以下为 scrcpy 1.14 的快捷键（适用于 1.14 及更早）");
    QTest::newRow("1.15") << QByteArray("scrcpy 1.15.1 <https://github.com/Genymobile/scrcpy>\n") << alt << 23
                          << "Alt + f"
                          << "Alt + w 或 双击黑边"
                          << "单击右键（息屏时）"
                          << "/sdcard/"
                          << QStringLiteral("以下为 scrcpy 1.15.1 的快捷键（适用于 1.15 - 1.15.1）") + modNote;
    QTest::newRow("2.4") << QByteArray("scrcpy 2.4 <https://github.com/Genymobile/scrcpy>\r\n") << alt << 31
                         << "Alt + f"
                         << "Alt + w 或 左键双击黑边"
                         << "单击右键（息屏时）"
                         << "/sdcard/Download/" << QStringLiteral("以下为 scrcpy 2.4 的快捷键（适用于 2.4）") + modNote;
    QTest::newRow("4.1") << QByteArray("scrcpy 4.1 <https://github.com/Genymobile/scrcpy>\n") << alt << 40
                         << "Alt + f 或 F11"
                         << "Alt + w 或 左键双击黑边"
                         << "单击右键（息屏时）"
                         << "/sdcard/Download/"
                         << QStringLiteral("以下为 scrcpy 4.1 的快捷键（适用于 4.0 - 4.1）") + modNote;
    QTest::newRow("missing") << QByteArray() << alt << 40 << "Alt + f 或 F11"
                             << "Alt + w 或 左键双击黑边"
                             << "单击右键（息屏时）"
                             << "/sdcard/Download/"
                             << QStringLiteral("未能读取已安装的 scrcpy 版本，以下为最新版 4.0 - 4.1 的快捷键")
            + modNote;
}

// A stand-in client answers "--version"; the fullscreen hint and the shortcut window follow it.
void TestInfo::shortcutsFollowTheInstalledClient()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, hint);
    QFETCH(int, rows);
    QFETCH(QString, fullscreen);
    QFETCH(QString, blackBorders);
    QFETCH(QString, screenOn);
    QFETCH(QString, pushFolder);
    QFETCH(QString, versionLine);
    const QByteArray path = qgetenv("PATH");
    Fixture f(answer.isEmpty() ? QStringList {QStringLiteral("adb")} : QStringList {"adb", "scrcpy"});
    qputenv("PATH", f.program.folder().toLocal8Bit()); // no client but the stand-in
    f.outside.forwardTools = true;
    f.program.write(QStringLiteral("scrcpy.version"), answer);
    Form1& launcher = f.launcher();
    launcher.show();
    QTRY_VERIFY(launcher.clientVersion().answered());
    qputenv("PATH", path);

    Fixture::click(launcher.fulls);
    QCOMPARE(f.outside.messageTexts(), QStringList {hint});

    KJJ& keys = f.windows.shortcutKeys();
    const QVersionNumber version = launcher.clientVersion().version();
    const QList<ShortcutTable::Row> all = ShortcutTable::leftRows(version) + ShortcutTable::rightRows(version);
    QCOMPARE(int(all.size()), rows);
    auto shortcutOf = [&all](const QString& action) {
        for (const ShortcutTable::Row& row : all) {
            if (row.action == action)
                return row.shortcut;
        }
        return QStringLiteral("<no row %1>").arg(action);
    };
    QCOMPARE(shortcutOf(QStringLiteral("切换全屏模式")), fullscreen);
    QCOMPARE(shortcutOf(QStringLiteral("调整窗口大小以删除黑色边框")), blackBorders);
    QCOMPARE(shortcutOf(QStringLiteral("亮屏")), screenOn);
    QVERIFY(ShortcutTable::leftNote(version).contains(pushFolder + QStringLiteral(" 文件夹")));
    QCOMPARE(Fixture::find<QLabel>(keys, "Image1")->accessibleDescription(), versionLine);
    QCOMPARE(keys.size(), QSize(954, 444));
    // The ranges' own tables hold the client's rows in its order: spot checks on the newest.
    if (rows == 40) {
        QCOMPARE(all.first().action, QStringLiteral("退出"));
        QCOMPARE(all.last().shortcut, QStringLiteral("Alt + ↓"));
        QCOMPARE(shortcutOf(QStringLiteral("打开设备屏幕")), QStringLiteral("Alt + Shift + o"));
        QCOMPARE(shortcutOf(QStringLiteral("点击 BACK")),
            QStringLiteral("Alt + b 或 Alt + Backspace 或 单击右键（亮屏时）"));
    }
}

// What a phone would read: each drawn code, saved as a picture, decoded by zbar.
void TestInfo::paymentCodesScanToTheirAddresses()
{
#ifdef Q_OS_WIN
    QSKIP("zbarimg, which reads the codes back, is a Linux tool; the Linux run checks them");
#endif
    Fixture f;
    DonatION& donation = f.windows.donation();
    QTemporaryDir folder;
    const QStringList expected {f.deployment.values.payWeChat, f.deployment.values.payAlipay};
    for (int i = 0; i < 2; ++i) {
        auto* picture = Fixture::find<QLabel>(donation, i == 0 ? "Image1" : "Image2");
        QCOMPARE(picture->geometry(), QRect(118 + i * 300, 16, 240, 290));
        const QString file = folder.filePath(QStringLiteral("code%1.png").arg(i));
        QVERIFY(picture->pixmap().save(file));
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
        QVERIFY2(zbar.waitForFinished(20000), "zbarimg did not end; the test command installs zbar-tools");
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), expected[i]);
    }
}

// A deployment that configured nothing shows and opens nothing invented.
void TestInfo::unconfiguredValuesSaySo()
{
    Fixture f;
    const Deployment::Values nothing {};
    Deployment::setForTests(&nothing);
    About& about = f.windows.about();
    about.show();
    QCOMPARE(Fixture::find<QLabel>(about, "Label4")->text(), QStringLiteral("交流群：未配置"));
    Fixture::click(Fixture::find<QLabel>(about, "Label4"));
    Fixture::click(Fixture::find(about, "N_Shape1"));
    QCOMPARE(f.outside.messageTexts(), QStringList(2, QStringLiteral("交流群的加入页面未配置。")));
    QVERIFY(f.outside.addresses.isEmpty());

    // The maker's pages, not configured, open the project's own documentation on this computer.
    f.selectSlots({1});
    Fixture::click(Fixture::find(about, "blockmi"));
    Fixture::click(f.launcher().helpp);
    QCOMPARE(f.outside.addresses.size(), 2);
    for (const QString& address : f.outside.addresses) {
        QVERIFY2(address.startsWith(QStringLiteral("file:///")) && address.endsWith(QStringLiteral("/README.md")),
            qPrintable(address));
    }
    QVERIFY(f.outside.starts.isEmpty());

    DonatION& donation = f.windows.donation();
    const QImage code = Fixture::find<QLabel>(donation, "Image1")->pixmap().toImage();
    QCOMPARE(QColor(code.pixel(10, 10)), QColor(236, 236, 242)); // the plain "未配置" box, no code
    QCOMPARE(Fixture::find<QLabel>(donation, "Image1")->accessibleDescription(), QStringLiteral("未配置"));
}

void TestInfo::pagesWithoutAppStoreOpenInTheBrowser()
{
    Fixture f;
    f.deployment.values.appStorePackage.clear();
    f.selectSlots({2});
    About& about = f.windows.about();
    Fixture::click(Fixture::find(about, "N_Shape2all"));
    QCOMPARE(f.outside.starts.size(), 1);
    QCOMPARE(f.outside.starts[0].words,
        QStringList({"adb", "-s", "SER2", "shell", "am", "start", "-a", "android.intent.action.VIEW", "-d",
            "https://pages.test/works"}));
}

void TestInfo::versionAnswersAreRead_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("version");
    QTest::newRow("two parts") << QByteArray("scrcpy 1.14\n") << "1.14";
    QTest::newRow("three parts") << QByteArray("scrcpy 1.15.1 <https://github.com/Genymobile/scrcpy>\n") << "1.15.1";
    QTest::newRow("CR LF") << QByteArray("scrcpy 2.4\r\n") << "2.4";
    QTest::newRow("no version line") << QByteArray("usage: scrcpy [options]\n") << "";
    QTest::newRow("nothing") << QByteArray() << "";
    QTest::newRow("another program") << QByteArray("notscrcpy 9.9\n") << "";
}

void TestInfo::versionAnswersAreRead()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, version);
    QCOMPARE(ClientVersion::parse(output).toString(), version);
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
