#include "Fixture.h"
#include "bridge/ToolLocator.h"
#include "info/WebAddresses.h"
#include "info/meizu.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

using namespace TestSupport;

namespace {
const QString Title = QStringLiteral("Pannix 酷安@Tollen");
const QString NoDeviceText
    = QStringLiteral("未检测到设备， 软件将自动关闭！\r\n请确定:\r\n1.开发者选项中的USB调试已经打开并授权 "
                     "\r\n2.驱动正常安装\r\n3.更换电脑重试");
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }

    void endsWithoutBridgeTool();
    void growsIntoViewThenAsksForMaker();
    void cableStartsServerAndDeviceList();
    void decisionAndDeviceCount_data();
    void decisionAndDeviceCount();
    void startupTimerStopsAtDecisionAndRearms();
    void cableCaptionsWithRealTimer();
    void expandUncoversWirelessSection();
    void driverLinkOpensDownloadPage();
    void closingStartEndsProgram();

    void detectShowsFieldsInStatusBox();
    void wirelessCommands_data();
    void wirelessCommands();
    void changedPortServesAllThree();
    void wirelessShowsLastLineOnly();
    void emptyAnswerLeavesStatusBox();
};

void TestStartup::endsWithoutBridgeTool()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    {
        ProgramFolder noTools {QStringList()};
        RecordingOutside outside;
        AppWindows windows;
        Start& start = windows.start();
        QCOMPARE(outside.messages.size(), 1);
        QCOMPARE(outside.messages[0].text, QStringLiteral("驱动不正常！请解压后运行或检查主程序目录下的文件！"));
        QCOMPARE(outside.messages[0].title, QStringLiteral("警告！"));
        QCOMPARE(outside.messages[0].icon, Outside::Icon::Stop);
        QCOMPARE(outside.programEnds, 1);
        QVERIFY(!start.toolCheckPassed());
        QVERIFY(!start.Timerst->isActive());
        QVERIFY(outside.starts.isEmpty());
    }
    qputenv("PATH", path);
}

void TestStartup::growsIntoViewThenAsksForMaker()
{
    Fixture f;
    Start& start = f.start();
    QVERIFY(f.outside.messages.isEmpty());
    QVERIFY(start.Timerst->isActive());
    QCOMPARE(start.Timerst->interval(), 2);
    for (int tick = 1; tick < 40; ++tick)
        start.tickTimerst();
    QCOMPARE(start.growSize, qint16(3900));
    QVERIFY(!f.windows.hasForm1());
    QVERIFY(f.outside.starts.isEmpty());

    start.tickTimerst();
    QVERIFY(!start.Timerst->isActive());
    QVERIFY(f.windows.hasForm1());
    QVERIFY(!f.launcher().isVisible());
    QCOMPARE(f.launcher().INTERTEXT, QStringLiteral("adb shell getprop ro.product.manufacturer"));
    QCOMPARE(f.outside.lines(), QStringList {"adb shell getprop ro.product.manufacturer"});
    QCOMPARE(f.outside.starts[0].standardOutputFile, ResultFiles::path(ResultFile::Man));
    // 8000 × 4000 twips outside, less the title bar and borders.
    QCOMPARE(start.size(), QSize(533 - 8, 267 - 31));
}

void TestStartup::cableStartsServerAndDeviceList()
{
    Fixture f;
    Start& start = f.grownStart();
    N_Shape* cable = Fixture::find(start, "cable");
    QCOMPARE(cable->Caption(), QStringLiteral("连接并启动"));
    Fixture::click(cable);
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动"));
    QCOMPARE(f.outside.lines(), QStringList({"adb start-server", "adb devices"}));
    QVERIFY(f.outside.starts[0].standardOutputFile.isEmpty());
    QCOMPARE(f.outside.starts[1].standardOutputFile, ResultFiles::path(ResultFile::Serno));
    QCOMPARE(f.launcher().INTERTEXT, QStringLiteral("adb devices"));
    QVERIFY(start.Timer1->isActive());
    QCOMPARE(start.Timer1->interval(), 1000);
    QCOMPARE(start.startTicks, qint16(3));

    writeResult(ResultFile::Serno, "List of devices attached\nSER1\tdevice\n\n");
    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动.."));
    QCOMPARE(f.outside.starts.size(), 2);
    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动..."));
    // The list is asked once more, a second before the read-out, when the server has surely started.
    QCOMPARE(f.outside.lines().mid(2), QStringList {"adb devices"});
    QCOMPARE(f.outside.starts[2].standardOutputFile, ResultFiles::path(ResultFile::Serno));
    QVERIFY(start.isVisible());
    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动...."));
    QVERIFY(!start.isVisible());
    QVERIFY(f.launcher().isVisible());
    QCOMPARE(f.outside.starts.size(), 3); // the read-out starts nothing
}

void TestStartup::decisionAndDeviceCount_data()
{
    QTest::addColumn<QByteArray>("maker");
    QTest::addColumn<QByteArray>("deviceList");
    QTest::addColumn<QString>("earlierSerial");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<QString>("visible"); // which windows show afterwards
    QTest::addColumn<bool>("noDeviceMessage");

    const QByteArray head = "List of devices attached\n";
    const QList<bool> allOn {true, true, true};
    QTest::newRow("no device") << QByteArray("Xiaomi\n") << head + "\n"
                               << QString() << "未检测到设备!" << QStringList {"", "", ""} << allOn << "Start" << true;
    QTest::newRow("one device") << QByteArray("Xiaomi\n") << head + "SER1\tdevice\n\n"
                                << QString() << Title + " 【已连接 1 台设备】" << QStringList {"SER1\t", "N/A", "N/A"}
                                << QList<bool> {false, false, false} << "Form1" << false;
    QTest::newRow("two devices") << QByteArray("Xiaomi\n") << head + "SER1\tdevice\nSER2\tdevice\n\n"
                                 << QString() << Title + " 【已连接 2 台设备】"
                                 << QStringList {"SER1\t", "SER2\t", "N/A"} << QList<bool> {true, true, false}
                                 << "Form1" << false;
    QTest::newRow("three devices") << QByteArray("Xiaomi\n") << head + "SER1\tdevice\nSER2\tdevice\nSER3\tdevice\n"
                                   << QString() << Title + " 【已连接 3 台设备】"
                                   << QStringList {"SER1\t", "SER2\t", "SER3\t"} << allOn << "Form1" << false;
    QTest::newRow("slots 1 and 3 only") << QByteArray("Xiaomi\n") << head + "SER1\tdevice\n\nSER3\tdevice\n"
                                        << QString() << Title << QStringList {"", "", ""} << allOn << "Form1" << false;
    QTest::newRow("Meizu with a device") << QByteArray("Meizu\n") << head + "SER1\tdevice\n"
                                         << QString() << Title + " 【已连接 1 台设备】"
                                         << QStringList {"SER1\t", "N/A", "N/A"} << QList<bool> {false, false, false}
                                         << "meizu" << false;
    QTest::newRow("Meizu without a device")
        << QByteArray("Meizu\r\n") << head + "\n"
        << QString() << Title << QStringList {"", "", ""} << allOn << "meizu" << false;
    QTest::newRow("meizu in lower case") << QByteArray("meizu\n") << head + "\n"
                                         << QString() << "未检测到设备!" << QStringList {"", "", ""} << allOn << "Start"
                                         << true;
    QTest::newRow("list still empty after an earlier detection")
        << QByteArray("Xiaomi\n") << QByteArray() << QStringLiteral("OLD1\t") << Title + " 【已连接 1 台设备】"
        << QStringList {"OLD1\t", "N/A", "N/A"} << QList<bool> {false, false, false} << "Form1" << false;
}

void TestStartup::decisionAndDeviceCount()
{
    QFETCH(QByteArray, maker);
    QFETCH(QByteArray, deviceList);
    QFETCH(QString, earlierSerial);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, enabled);
    QFETCH(QString, visible);
    QFETCH(bool, noDeviceMessage);

    Fixture f;
    Start& start = f.grownStart();
    f.launcher().devft = earlierSerial;
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    writeResult(ResultFile::Man, maker);
    writeResult(ResultFile::Serno, deviceList);
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();

    QCOMPARE(f.launcher().windowTitle(), title);
    for (int slot = 1; slot <= 3; ++slot) {
        QCOMPARE(f.launcher().slotBox(slot)->Caption(), captions[slot - 1]);
        QCOMPARE(f.launcher().slotBox(slot)->Enabled(), enabled[slot - 1]);
    }
    QCOMPARE(start.isVisible(), visible == "Start");
    QCOMPARE(f.launcher().isVisible(), visible == "Form1");
    QCOMPARE(f.windows.meizuWarning().isVisible(), visible == "meizu");
    if (noDeviceMessage) {
        QCOMPARE(f.outside.messages.size(), 1);
        QCOMPARE(f.outside.messages[0].text, NoDeviceText);
        QCOMPARE(f.outside.messages[0].title, QStringLiteral("提示"));
        QCOMPARE(f.outside.messages[0].icon, Outside::Icon::Stop);
        QCOMPARE(cable->Caption(), QStringLiteral("连接并启动"));
        QCOMPARE(f.outside.programEnds, 0);
    } else {
        QVERIFY(f.outside.messages.isEmpty());
    }
}

void TestStartup::startupTimerStopsAtDecisionAndRearms()
{
    Fixture f;
    Start& start = f.grownStart();
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    QCOMPARE(f.outside.messages.size(), 1); // no device
    QVERIFY(!start.Timer1->isActive());

    Fixture::click(cable);
    QVERIFY(start.Timer1->isActive());
    QCOMPARE(start.startTicks, qint16(3));
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动"));
}

void TestStartup::cableCaptionsWithRealTimer()
{
    Fixture f;
    Start& start = f.grownStart();
    writeResult(ResultFile::Serno, "List of devices attached\nSER1\tdevice\n");
    N_Shape* cable = Fixture::find(start, "cable");
    // Each caption and when it first showed, looked at every 10 ms.
    QElapsedTimer clock;
    QList<std::pair<qint64, QString>> seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        if (seen.isEmpty() || seen.last().second != cable->Caption())
            seen.append({clock.elapsed(), cable->Caption()});
    });
    clock.start();
    Fixture::click(cable);
    watch.start(10);
    QTRY_COMPARE_WITH_TIMEOUT(cable->Caption(), QStringLiteral("正在启动...."), 6000);
    watch.stop();
    QStringList captions;
    for (const auto& [at, caption] : seen)
        captions.append(caption);
    QCOMPARE(captions, QStringList({"正在启动", "正在启动..", "正在启动...", "正在启动...."}));
    for (int second = 1; second <= 3; ++second) {
        QVERIFY2(seen[second].first >= second * 1000 - 150 && seen[second].first < second * 1000 + 700,
            qPrintable(QStringLiteral("%1 after %2 ms").arg(seen[second].second).arg(seen[second].first)));
    }
    QVERIFY(!start.isVisible());
    QVERIFY(f.launcher().isVisible());
}

void TestStartup::expandUncoversWirelessSection()
{
    Fixture f;
    Start& start = f.grownStart();
    N_Shape* wxts = Fixture::find(start, "wxts");
    QCOMPARE(wxts->focusPolicy(), Qt::NoFocus); // out of sight, out of the Tab chain
    QCOMPARE(Fixture::find<QLineEdit>(start, "connft")->focusPolicy(), Qt::NoFocus);
    QVERIFY2(wxts->geometry().top() >= start.height(),
        qPrintable(QStringLiteral("the wireless section shows at %1 in a window %2 high")
                       .arg(wxts->geometry().top())
                       .arg(start.height())));
    Fixture::click(Fixture::find(start, "wireless"));
    QVERIFY(start.Timerexpa->isActive());
    QCOMPARE(start.expandSize, qint16(4200));
    int ticks = 0;
    while (start.Timerexpa->isActive() && ticks < 100) {
        start.tickTimerexpa();
        ++ticks;
    }
    QCOMPARE(ticks, 19);
    QCOMPARE(wxts->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(Fixture::find<QLineEdit>(start, "connft")->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(start.expandSize, qint16(7050));
    QCOMPARE(start.height(), 470 - 31);
    QVERIFY(Fixture::find<QPlainTextEdit>(start, "ssxx")->geometry().bottom() < start.height());
}

void TestStartup::driverLinkOpensDownloadPage()
{
    Fixture f;
    Start& start = f.grownStart();
    Fixture::click(Fixture::find<QLabel>(start, "Label3"));
    QCOMPARE(f.outside.addresses, QStringList {WebAddresses::DriverDownload});
}

void TestStartup::closingStartEndsProgram()
{
    Fixture f;
    f.grownStart().close();
    QCOMPARE(f.outside.programEnds, 1);
}

void TestStartup::detectShowsFieldsInStatusBox()
{
    Fixture f;
    Start& start = f.grownStart();
    N_Shape* devtect = Fixture::find(start, "devtect");
    f.launcher().devtt = QStringLiteral("OLD3");
    QString captionDuringWait;
    f.waits.during = [&](int) {
        captionDuringWait = devtect->Caption();
        writeResult(ResultFile::Serno, "List of devices attached\nSER1\tdevice\nSER2\tunauthorized\n");
    };
    Fixture::click(devtect);
    QCOMPARE(f.outside.lines(), QStringList {"adb devices"});
    QCOMPARE(f.waits.waits, QList<int> {2000});
    QCOMPARE(captionDuringWait, QStringLiteral("检测中..."));
    QCOMPARE(devtect->Caption(), QStringLiteral("检测已连接设备"));
    QCOMPARE(f.launcher().devst, QStringLiteral("SER2\tunauthorized"));
    QCOMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(),
        QStringLiteral("SER1\t     SER2\tunauthorized              OLD3"));
    QCOMPARE(f.launcher().windowTitle(), Title); // detection never touches the launcher's title
}

void TestStartup::wirelessCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("wait");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QString>("after");
    QTest::newRow("wxts") << "wxts"
                          << "adb tcpip 5555" << 2000 << "开启/更换端口："
                          << "开启/更换端口：";
    QTest::newRow("connf") << "connf"
                           << "adb connect :5555" << 1000 << "正在连接..."
                           << "连接";
    QTest::newRow("disconnf") << "disconnf"
                              << "adb disconnect :5555" << 1000 << "正在断开..."
                              << "断开";
}

void TestStartup::wirelessCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, line);
    QFETCH(int, wait);
    QFETCH(QString, during);
    QFETCH(QString, after);
    Fixture f;
    Start& start = f.grownStart();
    auto* pressed = Fixture::find(start, qPrintable(button));
    QString captionDuringWait;
    f.waits.during = [&](int) { captionDuringWait = pressed->Caption(); };
    Fixture::click(pressed);
    QCOMPARE(f.outside.lines(), QStringList {line});
    QCOMPARE(f.outside.starts[0].standardOutputFile, ResultFiles::path(ResultFile::Wireless));
    QCOMPARE(f.launcher().INTERTEXT, line);
    QCOMPARE(f.waits.waits, QList<int> {wait});
    QCOMPARE(captionDuringWait, during);
    QCOMPARE(pressed->Caption(), after);
}

void TestStartup::changedPortServesAllThree()
{
    Fixture f;
    Start& start = f.grownStart();
    Fixture::find<QLineEdit>(start, "Textport")->setText(QStringLiteral("6000"));
    Fixture::find<QLineEdit>(start, "connft")->setText(QStringLiteral("1.2.3.4 & del x"));
    for (const char* button : {"wxts", "connf", "disconnf"})
        Fixture::click(Fixture::find(start, button));
    QCOMPARE(f.outside.lines(),
        QStringList({"adb tcpip 6000", "adb connect 1.2.3.4 & del x:6000", "adb disconnect 1.2.3.4 & del x:6000"}));
    // Typed text stays plain words: the tool is started directly, never through an interpreter.
    QCOMPARE(f.outside.starts[1].words, QStringList({"adb", "connect", "1.2.3.4", "&", "del", "x:6000"}));
}

void TestStartup::wirelessShowsLastLineOnly()
{
    Fixture f;
    Start& start = f.grownStart();
    f.waits.during = [](int) {
        writeResult(ResultFile::Wireless,
            "* daemon not running; starting now at tcp:5037\n"
            "* daemon started successfully\nconnected to 10.0.0.5:5555\n");
    };
    Fixture::click(Fixture::find(start, "connf"));
    QCOMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(), QStringLiteral("connected to 10.0.0.5:5555"));
}

void TestStartup::emptyAnswerLeavesStatusBox()
{
    Fixture f;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    status->setPlainText(QStringLiteral("restarting in TCP mode port: 5555"));
    f.waits.during = [](int) { writeResult(ResultFile::Wireless, ""); };
    Fixture::click(Fixture::find(start, "disconnf"));
    QCOMPARE(status->toPlainText(), QStringLiteral("restarting in TCP mode port: 5555"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
