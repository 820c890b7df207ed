#include "Fixture.h"
#include "bridge/CommandRunner.h"
#include "bridge/ToolLocator.h"
#include "bridge/ToolText.h"
#include "bridge/WebAddresses.h"
#include "info/meizu.h"
#include "startup/pair.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

using namespace TestSupport;

Q_DECLARE_METATYPE(ToolAnswer)

namespace {
const QString Title = QStringLiteral("Pannix 酷安@Tollen");
const QByteArray ServicesHeader("List of discovered mdns services\n");

// A bridge tool that pairs: today's version, and its discovery running unless said otherwise.
void answerAsAdb35(Fixture& f, const QByteArray& mdnsCheck = "mdns daemon version [Openscreen discovery 0.0.0]\n")
{
    f.outside.answerer = [mdnsCheck, answers = f.outside.answers](const Outside::ToolStart& start) {
        if (start.words.value(1) == QLatin1String("version"))
            return ToolAnswer::exited(0, "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n");
        if (start.words.value(2) == QLatin1String("check"))
            return ToolAnswer::exited(mdnsCheck.startsWith("ERROR") ? 1 : 0, mdnsCheck);
        return answers.value(start.words.value(1), ToolAnswer::exited(0, {}));
    };
}

QString statusOf(pair& window)
{
    return Fixture::find<QLabel>(window, "pairStatus")->text();
}
const QString NoDeviceText
    = QStringLiteral("未检测到设备， 软件将自动关闭！\r\n请确定:\r\n1.开发者选项中的USB调试已经打开并授权 "
                     "\r\n2.驱动正常安装\r\n3.更换电脑重试");
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }

    void growsIntoViewThenAsksForMaker();
    void cableStartsServerAndDeviceList();
    void lateDeviceListIsAwaited();
    void secondCableClickWhileStartingIsNotTaken();
    void failedDeviceListNamesItsCause_data();
    void failedDeviceListNamesItsCause();
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
    void typedTextIsOneArgument_data();
    void typedTextIsOneArgument();
    void answerThatIsNoDeviceList_data();
    void answerThatIsNoDeviceList();
    void connectSaysWhetherItWorked_data();
    void connectSaysWhetherItWorked();
    void pasteCutAtTheLimitIsSaid();
    void controlCharactersAreRefused_data();
    void controlCharactersAreRefused();
    void statusBoxNeverKeepsAnEarlierAnswer_data();
    void statusBoxNeverKeepsAnEarlierAnswer();
    void lateAndHangingToolsThroughTheWindow();

    void lateMeizuIsWarnedOnceAfterTheDecision();
    void pairingByQrCode();
    void pairingByCode_data();
    void pairingByCode();
    void pairingWithoutDiscovery();
};

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
    QCOMPARE(f.outside.starts[0].timeLimitMs, CommandRunner::TimeLimitMs);
    // 8000 × 4000 twips outside, less the title bar and borders.
    QCOMPARE(start.size(), QSize(533 - 8, 267 - 31));
}

void TestStartup::cableStartsServerAndDeviceList()
{
    Fixture f;
    Start& start = f.grownStart();
    f.outside.holdAnswers = true;
    N_Shape* cable = Fixture::find(start, "cable");
    QCOMPARE(cable->Caption(), QStringLiteral("连接并启动"));
    Fixture::click(cable);
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动"));
    QCOMPARE(f.outside.lines(), QStringList({"adb start-server"}));
    QVERIFY(start.Timer1->isActive());
    QCOMPARE(start.Timer1->interval(), 1000);
    QCOMPARE(start.startTicks, qint16(3));

    // The list is asked for, and the phones tracked, only once the server has answered that it is up.
    QVERIFY(f.outside.streams.isEmpty());
    f.outside.answer(0, ToolAnswer::exited(0, {}, "* daemon started successfully\n"));
    QTRY_COMPARE(f.outside.lines(), QStringList({"adb start-server", "adb devices"}));
    QCOMPARE(f.outside.streams.size(), 1);
    QCOMPARE(f.outside.streams[0].start.words, QStringList({"adb", "track-devices"}));
    QCOMPARE(f.launcher().INTERTEXT, QStringLiteral("adb devices"));
    f.outside.answer(1, ToolAnswer::exited(0, "List of devices attached\nSER1\tdevice\n\n"));
    f.outside.settle();

    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动.."));
    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动..."));
    QVERIFY(start.isVisible());
    start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动...."));
    QVERIFY(!start.isVisible());
    QVERIFY(f.launcher().isVisible());
    // The read-out asks the new phone who it is, its maker and model; the launcher, shown, asks the
    // client for its version.
    QCOMPARE(f.outside.lines().mid(2),
        QStringList({"adb -s SER1 shell getprop ro.serialno", "adb -s SER1 shell getprop ro.product.manufacturer",
            "adb -s SER1 shell getprop ro.product.model", "scrcpy --version"}));
}

// The three ticks are a minimum: a device list that answers later is awaited, the dots stay, and
// the decision follows its answer.
void TestStartup::lateDeviceListIsAwaited()
{
    Fixture f;
    Start& start = f.grownStart();
    f.outside.holdAnswers = true;
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    f.outside.answer(0, ToolAnswer::exited(0, {}));
    QTRY_COMPARE(f.outside.starts.size(), 2);
    for (int tick = 0; tick < 5; ++tick)
        start.tickTimer1();
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动...."));
    QVERIFY(start.isVisible());
    QVERIFY(f.outside.messages.isEmpty());

    f.outside.answer(1, ToolAnswer::exited(0, "List of devices attached\nSER1\tdevice\n\n"));
    QTRY_VERIFY(f.launcher().isVisible());
    QVERIFY(!start.isVisible());
    QVERIFY(!start.Timer1->isActive());
}

// A second click while the start runs would start the server twice; it is not taken.
void TestStartup::secondCableClickWhileStartingIsNotTaken()
{
    Fixture f;
    Start& start = f.grownStart();
    f.outside.holdAnswers = true;
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    start.tickTimer1();
    Fixture::click(cable);
    QCOMPARE(f.outside.lines(), QStringList({"adb start-server"}));
    QCOMPARE(start.startTicks, qint16(4));
}

// A device list that never came is told as its cause, never as "no device".
void TestStartup::failedDeviceListNamesItsCause_data()
{
    QTest::addColumn<ToolAnswer>("answer");
    QTest::addColumn<QString>("says");
    QTest::newRow("vanished tool") << ToolAnswer::failed(ToolAnswer::Outcome::Missing) << QStringLiteral("找不到 adb");
    QTest::newRow("timed out") << ToolAnswer::failed(ToolAnswer::Outcome::TimedOut)
                               << QStringLiteral("adb 在 15 秒内没有应答，已被停止。");
    QTest::newRow("tool's own error") << ToolAnswer::exited(
        1, {}, "adb: failed to check server version: protocol fault\n")
                                      << QStringLiteral("adb: failed to check server version: protocol fault");
}

void TestStartup::failedDeviceListNamesItsCause()
{
    QFETCH(ToolAnswer, answer);
    QFETCH(QString, says);
    Fixture f;
    Start& start = f.grownStart();
    f.outside.answers[QStringLiteral("devices")] = answer;
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    f.outside.settle();
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    QCOMPARE(f.outside.messages.size(), 1);
    QVERIFY2(f.outside.messages[0].text.contains(says), qPrintable(f.outside.messages[0].text));
    QVERIFY(f.outside.messages[0].text != NoDeviceText);
    QCOMPARE(f.outside.messages[0].title, QStringLiteral("警告！"));
    QCOMPARE(cable->Caption(), QStringLiteral("连接并启动"));
    QVERIFY(start.isVisible());
    QVERIFY(!start.Timer1->isActive());
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
    // The blank line between them is no device line: the two phones fill slots 1 and 2.
    QTest::newRow("blank line between devices")
        << QByteArray("Xiaomi\n") << head + "SER1\tdevice\n\nSER3\tdevice\n"
        << QString() << Title + " 【已连接 2 台设备】" << QStringList {"SER1\t", "SER3\t", "N/A"}
        << QList<bool> {true, true, false} << "Form1" << false;
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
    // A phone that went away since an earlier detection does not linger in its slot.
    QTest::newRow("phone gone since an earlier detection")
        << QByteArray("Xiaomi\n") << head + "\n"
        << QStringLiteral("OLD1\t") << "未检测到设备!" << QStringList {"", "", ""} << allOn << "Start" << true;
    QTest::newRow("serial containing device")
        << QByteArray("Xiaomi\n") << head + "mydevice01\tdevice\n\n"
        << QString() << Title + " 【已连接 1 台设备】" << QStringList {"mydevice01\t", "N/A", "N/A"}
        << QList<bool> {false, false, false} << "Form1" << false;
    QTest::newRow("server messages on standard output")
        << QByteArray("Xiaomi\n")
        << "* daemon not running; starting now at tcp:5037\n* daemon started successfully\n" + head
            + "SER1\tdevice\nSER2\tdevice\n\n"
        << QString() << Title + " 【已连接 2 台设备】" << QStringList {"SER1\t", "SER2\t", "N/A"}
        << QList<bool> {true, true, false} << "Form1" << false;
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
    // The maker answers the query made at the end of the opening animation.
    f.answer(QStringLiteral("shell"), maker);
    f.answer(QStringLiteral("devices"), deviceList);
    f.start().Timerst->start();
    f.start().growSize = 3900;
    f.start().tickTimerst();
    N_Shape* cable = Fixture::find(start, "cable");
    Fixture::click(cable);
    f.outside.settle();
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
    f.answer(QStringLiteral("devices"), "List of devices attached\n\n");
    Fixture::click(cable);
    f.outside.settle();
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    QCOMPARE(f.outside.messages.size(), 1); // no device
    QVERIFY(!start.Timer1->isActive());

    Fixture::click(cable);
    QVERIFY(start.Timer1->isActive());
    QCOMPARE(start.startTicks, qint16(3));
    QCOMPARE(cable->Caption(), QStringLiteral("正在启动"));
}

// The real timer and the real tools: the dots come a second apart and the launcher follows the
// stand-in's answer, whenever it comes.
void TestStartup::cableCaptionsWithRealTimer()
{
    Fixture f;
    f.outside.forwardTools = true;
    f.program.setAnswer(QStringLiteral("adb"), QStringLiteral("devices"), "List of devices attached\nSER1\tdevice\n\n");
    Start& start = f.grownStart();
    N_Shape* cable = Fixture::find(start, "cable");
    // Each caption as it changes; the captions come a second apart, so a 5 ms look misses none,
    // and the last one stays after the decision.
    QStringList captions;
    auto look = [&] {
        if (captions.isEmpty() || captions.last() != cable->Caption())
            captions.append(cable->Caption());
    };
    QTimer watch;
    connect(&watch, &QTimer::timeout, look);
    QElapsedTimer clock;
    clock.start();
    Fixture::click(cable);
    look();
    watch.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(f.launcher().isVisible(), 10000);
    watch.stop();
    look();
    QVERIFY(clock.elapsed() >= 2800); // three one-second ticks; a coarse timer may come 5 % early
    QCOMPARE(captions, QStringList({"正在启动", "正在启动..", "正在启动...", "正在启动...."}));
    QVERIFY(!start.isVisible());
    QCOMPARE(f.launcher().devft, QStringLiteral("SER1\t"));
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
    // On Linux a phone needs the udev rules, which this page explains; Windows needs the USB driver.
#ifdef Q_OS_WIN
    QCOMPARE(f.outside.addresses, QStringList {"https://developer.android.com/studio/run/win-usb"});
#else
    QCOMPARE(f.outside.addresses, QStringList {"https://developer.android.com/studio/run/device"});
#endif
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
    f.outside.holdAnswers = true;
    N_Shape* devtect = Fixture::find(start, "devtect");
    f.launcher().devtt = QStringLiteral("OLD3");
    Fixture::click(devtect);
    QCOMPARE(f.outside.lines(), QStringList {"adb devices"});
    QCOMPARE(devtect->Caption(), QStringLiteral("检测中..."));
    f.outside.answer(0, ToolAnswer::exited(0, "List of devices attached\nSER1\tdevice\nSER2\tunauthorized\n"));
    QTRY_COMPARE(devtect->Caption(), QStringLiteral("检测已连接设备"));
    QCOMPARE(f.launcher().devst, QStringLiteral("SER2\tunauthorized"));
    // The third phone is gone: its slot is emptied, not left with the old serial.
    QCOMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(),
        QStringLiteral("SER1\t     SER2\tunauthorized              "));
    QCOMPARE(f.launcher().windowTitle(), Title + QStringLiteral(" 【已连接 2 台设备】")); // the launcher follows
}

// An answer that holds no device list is told as what it is, never as the earlier serials, by the
// detect button and by the start-up alike.
void TestStartup::answerThatIsNoDeviceList_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("told");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("adb 没有给出设备列表：它的回答是空的。");
    QTest::newRow("server start-up only")
        << QByteArray("* daemon not running; starting now at tcp:5037\n* daemon started successfully\n")
        << QStringLiteral("adb 没有给出设备列表，它的回答是：\r\n* daemon not running; starting now at tcp:5037\r\n"
                          "* daemon started successfully");
    const QString six = QStringLiteral("adb 没有给出设备列表，它的回答是：\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6");
    QTest::newRow("six lines, all shown") << QByteArray("1\n2\n3\n4\n5\n6\n") << six;
    QTest::newRow("seven lines, cut") << QByteArray("1\n2\n3\n4\n5\n6\n7\n") << six + QStringLiteral("\r\n…");
}

void TestStartup::answerThatIsNoDeviceList()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, told);
    Fixture f;
    Start& start = f.grownStart();
    f.launcher().devft = QStringLiteral("OLD1\t");
    f.answer(QStringLiteral("devices"), output);
    Fixture::click(Fixture::find(start, "devtect"));
    QTRY_COMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(), QString(told).replace("\r\n", "\n"));

    Fixture::click(Fixture::find(start, "cable"));
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    f.outside.settle();
    QCOMPARE(f.outside.messageTexts(), QStringList {QStringLiteral("无法列出已连接的设备：\r\n") + told});
    QCOMPARE(f.launcher().devft, QStringLiteral("OLD1\t"));
}

void TestStartup::wirelessCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QString>("after");
    QTest::newRow("wxts") << "wxts" << QStringList {"adb", "tcpip", "5555"} << "开启/更换端口："
                          << "开启/更换端口：";
    QTest::newRow("connf") << "connf" << QStringList {"adb", "connect", ":5555"} << "正在连接..."
                           << "连接";
    // With no address every network connection is dropped.
    QTest::newRow("disconnf") << "disconnf" << QStringList {"adb", "disconnect"} << "正在断开..."
                              << "断开";
}

// The pressed button shows that it waits until the answer is in; meanwhile the section's buttons
// take no second click, and the status box shows the answer's last line.
void TestStartup::wirelessCommands()
{
    QFETCH(QString, button);
    QFETCH(QStringList, words);
    QFETCH(QString, during);
    QFETCH(QString, after);
    Fixture f;
    Start& start = f.grownStart();
    f.outside.holdAnswers = true;
    auto* pressed = Fixture::find(start, qPrintable(button));
    Fixture::click(pressed);
    QCOMPARE(f.outside.starts.size(), 1);
    QCOMPARE(f.outside.starts[0].words, words);
    QVERIFY(f.outside.starts[0].mergeErrors);
    QCOMPARE(f.launcher().INTERTEXT.trimmed(), words.join(' '));
    QCOMPARE(pressed->Caption(), during);
    for (const char* other : {"wxts", "connf", "disconnf", "devtect"})
        Fixture::click(Fixture::find(start, other));
    QCOMPARE(f.outside.starts.size(), 1);

    f.outside.answer(0, ToolAnswer::exited(0, "first line\nthe answer\n"));
    // A connect that did not say it connected failed, whatever its exit status.
    QTRY_COMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(),
        (button == "connf" ? QStringLiteral("连接失败：") : QString()) + QStringLiteral("the answer"));
    QCOMPARE(pressed->Caption(), after);
    Fixture::click(pressed);
    QCOMPARE(f.outside.starts.size(), 2);
}

// Whatever the fields hold reaches the tool as one argument: the port alone, address + ":" + port.
void TestStartup::typedTextIsOneArgument_data()
{
    QTest::addColumn<QString>("typed");
    for (const char* hostile :
        {"5555 -s x", "1.2.3.4 & del x", "\"quoted\" 'x'", "-L tcp:1", "$(reboot)", "; kill-server", "x|y>z"})
        QTest::newRow(hostile) << QString::fromUtf8(hostile);
    QTest::newRow("ideographic space") << QStringLiteral("rec\u3000--no-control\u3000x");
    QTest::newRow("no-break space") << QStringLiteral("5555\u00a0--help");
}

void TestStartup::typedTextIsOneArgument()
{
    QFETCH(QString, typed);
    Fixture f;
    Start& start = f.grownStart();
    Fixture::find<QLineEdit>(start, "Textport")->setText(typed);
    Fixture::find<QLineEdit>(start, "connft")->setText(typed);
    for (const char* button : {"wxts", "connf", "disconnf"}) {
        Fixture::click(Fixture::find(start, button));
        f.outside.settle();
    }
    QCOMPARE(f.outside.starts.size(), 3);
    QCOMPARE(f.outside.starts[0].words, QStringList({"adb", "tcpip", typed}));
    QCOMPARE(f.outside.starts[1].words, QStringList({"adb", "connect", typed + ":" + typed}));
    QCOMPARE(f.outside.starts[2].words, QStringList({"adb", "disconnect", typed + ":" + typed}));
}

// A control character in a field would cut its argument short (NUL) or change it unseen: the
// click is refused with a message naming the field, and nothing starts.
void TestStartup::controlCharactersAreRefused_data()
{
    QTest::addColumn<QChar>("character");
    for (char16_t c : {0x00, 0x09, 0x0a, 0x0d, 0x1b, 0x7f, 0x85, 0x9b, 0x2028, 0x2029})
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c);
}

void TestStartup::controlCharactersAreRefused()
{
    QFETCH(QChar, character);
    Fixture f;
    Start& start = f.grownStart();
    const QString typed = QStringLiteral("5555") + character + QStringLiteral("-s x");
    for (const char* field : {"Textport", "connft"}) {
        Fixture::find<QLineEdit>(start, field)->setText(typed);
        for (const char* button : {"connf", "disconnf", field == QByteArray("Textport") ? "wxts" : "connf"})
            Fixture::click(Fixture::find(start, button));
        Fixture::find<QLineEdit>(start, field)->setText(QStringLiteral("5555"));
    }
    f.selectSlots({1});
    f.launcher().recor->setValue(1);
    f.launcher().scrtext->setText(typed);
    Fixture::click(f.launcher().QSNUM);
    f.outside.settle();
    QVERIFY(f.outside.starts.isEmpty() && !f.launcher().TimerTOT->isActive());
    QStringList named;
    for (const QString& text : f.outside.messageTexts())
        named.append(text.section(QStringLiteral("中含有控制字符"), 0, 0));
    QCOMPARE(named,
        QStringList({"“端口”", "“端口”", "“端口”", "“设备IP地址”", "“设备IP地址”", "“设备IP地址”", "“录屏文件名”"}));
}

// The tool ends well even when it could not connect: its words decide, as its own client decides.
// Only a connection that worked is remembered for the next start.
void TestStartup::connectSaysWhetherItWorked_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("worked");
    QTest::newRow("connected") << QByteArray("* daemon started successfully\nconnected to 10.0.0.5:7777\n") << true;
    QTest::newRow("already") << QByteArray("already connected to 10.0.0.5:7777\n") << true;
    QTest::newRow("refused") << QByteArray("failed to connect to '10.0.0.5:7777': Connection refused\n") << false;
}

void TestStartup::connectSaysWhetherItWorked()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, worked);
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pannix"), QStringLiteral("pannix")).clear();
    const QString said = ToolText::lines(answer).constLast();
    {
        Fixture f;
        Start& start = f.grownStart();
        f.answer(QStringLiteral("connect"), answer);
        Fixture::find<QLineEdit>(start, "connft")->setText(QStringLiteral("10.0.0.5"));
        Fixture::find<QLineEdit>(start, "Textport")->setText(QStringLiteral("7777"));
        Fixture::click(Fixture::find(start, "connf"));
        f.outside.settle();
        QCOMPARE(Fixture::find<QPlainTextEdit>(start, "ssxx")->toPlainText(),
            (worked ? QString() : QStringLiteral("连接失败：")) + said);
    }
    Fixture again;
    QCOMPARE(Fixture::find<QLineEdit>(again.start(), "connft")->text(), worked ? "10.0.0.5" : "");
    QCOMPARE(Fixture::find<QLineEdit>(again.start(), "Textport")->text(), worked ? "7777" : "5555");
}

// A paste cut at the field's limit is said, never applied silently.
void TestStartup::pasteCutAtTheLimitIsSaid()
{
    Fixture f;
    Start& start = f.grownStart();
    auto* port = Fixture::find<QLineEdit>(start, "Textport");
    QGuiApplication::clipboard()->setText(QString(port->maxLength(), QLatin1Char('5')));
    QTest::keySequence(port, QKeySequence::Paste);
    QCOMPARE(port->text().size(), port->maxLength());
    QCOMPARE(f.outside.messageTexts(),
        QStringList {QStringLiteral("“端口”最多只能输入 32767 个字符，多出的部分没有输入！")});
}

void TestStartup::statusBoxNeverKeepsAnEarlierAnswer_data()
{
    QTest::addColumn<ToolAnswer>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("last line only") << ToolAnswer::exited(0,
        "* daemon not running; starting now at tcp:5037\n* daemon started successfully\nconnected to 10.0.0.5:5555\n")
                                    << QStringLiteral("connected to 10.0.0.5:5555");
    QTest::newRow("error, CR LF") << ToolAnswer::exited(1, "error: no devices/emulators found\r\n")
                                  << QStringLiteral("error: no devices/emulators found");
    QTest::newRow("nothing printed") << ToolAnswer::exited(0, {}) << QStringLiteral("adb 已完成，没有返回任何信息。");
    QTest::newRow("failed silently") << ToolAnswer::exited(1, {}) << QStringLiteral("adb 执行失败（退出码 1）。");
    QTest::newRow("timed out") << ToolAnswer::failed(ToolAnswer::Outcome::TimedOut)
                               << QStringLiteral("adb 在 15 秒内没有应答，已被停止。");
    QTest::newRow("vanished") << ToolAnswer::failed(ToolAnswer::Outcome::Missing)
                              << QStringLiteral(
                                     "找不到 adb！它已不在本程序目录下，也不在系统路径(PATH)中，请放回后重试。");
}

void TestStartup::statusBoxNeverKeepsAnEarlierAnswer()
{
    QFETCH(ToolAnswer, answer);
    QFETCH(QString, shown);
    Fixture f;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    status->setPlainText(QStringLiteral("connected to 1.2.3.4:5555"));
    f.outside.answers[QStringLiteral("tcpip")] = answer;
    Fixture::click(Fixture::find(start, "wxts"));
    f.outside.settle();
    QCOMPARE(status->toPlainText(), shown);
}

// The real stand-in: an answer after 1.5 s shows, while the window goes on; a tool that hangs is
// stopped at its limit and the status box says so.
void TestStartup::lateAndHangingToolsThroughTheWindow()
{
    Fixture f;
    f.outside.forwardTools = true;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    N_Shape* connf = Fixture::find(start, "connf");
    f.program.write("adb.delay_ms", "1500");
    f.program.setAnswer("adb", "connect", "connected to 10.0.0.5:5555\n");
    Fixture::find<QLineEdit>(start, "connft")->setText(QStringLiteral("10.0.0.5"));
    Fixture::click(connf);
    QTest::qWait(500);
    QCOMPARE(connf->Caption(), QStringLiteral("正在连接..."));
    QTRY_COMPARE_WITH_TIMEOUT(status->toPlainText(), QStringLiteral("connected to 10.0.0.5:5555"), 10000);
    QCOMPARE(connf->Caption(), QStringLiteral("连接"));

    f.program.write("adb.delay_ms", "60000");
    CommandRunner::setTimeLimitForTests(400);
    Fixture::click(connf);
    QTRY_COMPARE_WITH_TIMEOUT(
        status->toPlainText(), QStringLiteral("连接失败：adb 在 0.4 秒内没有应答，已被停止。"), 10000);
    CommandRunner::setTimeLimitForTests(0);
    QCOMPARE(connf->Caption(), QStringLiteral("连接"));
}

// A Meizu phone listed before the decision is left to the decision; one warned about is not warned
// again when it leaves and comes back; a maker query that fails names no maker.
void TestStartup::lateMeizuIsWarnedOnceAfterTheDecision()
{
    Fixture f;
    f.outside.answerer = [](const Outside::ToolStart& start) {
        if (start.words.value(1) == QLatin1String("devices"))
            return ToolAnswer::exited(0, "List of devices attached\nSER1\tdevice\nM1\tdevice\n\n");
        if (!start.words.contains(QStringLiteral("ro.product.manufacturer")))
            return ToolAnswer::exited(0, {});
        const QString serial = start.words.value(2);
        return serial == "M1" ? ToolAnswer::exited(0, "Meizu\n")
            : serial == "F1"  ? ToolAnswer::exited(1, "Meizu\n", "error: closed\n")
                              : ToolAnswer::exited(0, "Xiaomi\n");
    };
    Start& start = f.grownStart();
    meizu& warning = f.windows.meizuWarning();
    f.listPhones({"SER1", "M1"}); // the tracking lists them before "连接并启动"
    f.outside.settle();
    QVERIFY(!warning.isVisible());
    Fixture::click(Fixture::find(start, "cable"));
    f.outside.settle();
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    QVERIFY(warning.isVisible()); // the decision's own warning
    warning.hide();
    f.listPhones({"SER1"});
    f.listPhones({"SER1", "M1", "F1"});
    f.outside.settle();
    QVERIFY(!warning.isVisible());
    QCOMPARE(f.windows.state().devices().madeBy(QStringLiteral("Meizu")), QStringList {"M1"});
}

// The phone scans the code; when discovery lists the code's name, the password in the code reaches
// "adb pair", once, and the phone's connection service is connected and remembered. Real timers.
void TestStartup::pairingByQrCode()
{
#ifdef Q_OS_WIN
    QSKIP("zbarimg, which reads the code back, is a Linux tool; the Linux run checks it");
#endif
    Fixture f;
    f.outside.forwardTools = true;
    f.program.setAnswer("adb", "version", "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n");
    f.program.setAnswer("adb", "mdns.check", "mdns daemon version [Openscreen discovery 0.0.0]\n");
    f.program.setAnswer("adb", "mdns", ServicesHeader);
    QStringList logged;
    // The log of started commands shown whatever QT_LOGGING_RULES says.
    static QLoggingCategory::CategoryFilter rules = nullptr;
    rules = QLoggingCategory::installFilter([](QLoggingCategory* category) {
        if (rules) // not yet while it is being installed
            rules(category);
        if (qstrcmp(category->categoryName(), "pannix.bridge") == 0)
            category->setEnabled(QtInfoMsg, true);
    });
    static QStringList* log = &logged;
    const QtMessageHandler before
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { log->append(text); });
    Fixture::click(Fixture::find<QLabel>(f.grownStart(), "pairLink"));
    pair& window = f.windows.pairing();
    QVERIFY(window.isVisible());
    QTRY_VERIFY(window.discoveryTimer->isActive());

    QTemporaryDir folder;
    QVERIFY(Fixture::find<QLabel>(window, "qrCode")->pixmap().save(folder.filePath("code.png")));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), folder.filePath("code.png")});
    QVERIFY(zbar.waitForFinished(20000));
    const QRegularExpressionMatch code
        = QRegularExpression(QStringLiteral("^WIFI:T:ADB;S:(pannix-[a-zA-Z0-9]+);P:([a-zA-Z0-9]{8,});;$"))
              .match(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed());
    QVERIFY2(code.hasMatch(), qPrintable(window.qrText()));
    const QString password = code.captured(2);

    f.program.setAnswer("adb", "mdns",
        ServicesHeader + code.captured(1).toUtf8() + "\t_adb-tls-pairing._tcp.\t192.168.1.23:37123\n"
            + "adb-R5CT-x1\t_adb-tls-connect._tcp.\t192.168.1.23:41234\n");
    f.program.setAnswer("adb", "pair", "Successfully paired to 192.168.1.23:37123 [guid=adb-R5CT-x1]\n");
    f.program.setAnswer("adb", "connect", "connected to 192.168.1.23:41234\n");
    QTRY_COMPARE_WITH_TIMEOUT(
        statusOf(window), QStringLiteral("已连接 192.168.1.23:41234，手机将出现在启动器的设备列表中。"), 5000);
    QTest::qWait(1500); // the phone is still listed at the next ticks
    QList<QStringList> paired;
    for (const QStringList& words : f.program.startsOf("adb")) {
        if (words.value(0) == QLatin1String("pair") || words.value(0) == QLatin1String("connect"))
            paired.append(words);
    }
    QCOMPARE(paired, QList<QStringList>({{"pair", "192.168.1.23:37123", password}, {"connect", "192.168.1.23:41234"}}));
    const QSettings remembered(QSettings::IniFormat, QSettings::UserScope, "Pannix", "pannix");
    QCOMPARE(remembered.value("wireless/address").toString(), QStringLiteral("192.168.1.23"));
    QCOMPARE(remembered.value("wireless/port").toString(), QStringLiteral("41234"));
    qInstallMessageHandler(before);
    QLoggingCategory::installFilter(rules);
    QVERIFY(!logged.join('\n').contains(password));
    QVERIFY(logged.join('\n').contains(QStringLiteral("\"pair\", \"192.168.1.23:37123\", \"******\"")));
    window.close();
    QVERIFY(!window.discoveryTimer->isActive());
}

void TestStartup::pairingByCode_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("answer"); // what "adb pair" prints
    QTest::addColumn<QString>("said"); // the message box, or the status once adb answered
    const QString address
        = QStringLiteral("“IP地址和端口”应为 IP地址:端口（例如 192.168.1.23:37123），端口为 1–65535！");
    const QString code = QStringLiteral("“配对码”应为手机上显示的六位数字！");
    const QByteArray wrong("Failed: Wrong password or connection was dropped.\n");
    QTest::newRow("no port") << "192.168.1.23"
                             << "123456" << wrong << address;
    QTest::newRow("port 0") << "192.168.1.23:0"
                            << "123456" << wrong << address;
    QTest::newRow("port 65536") << "192.168.1.23:65536"
                                << "123456" << wrong << address;
    QTest::newRow("no host") << ":5555"
                             << "123456" << wrong << address;
    QTest::newRow("five digits") << "192.168.1.23:65535"
                                 << "12345" << wrong << code;
    QTest::newRow("seven digits") << "192.168.1.23:65535"
                                  << "1234567" << wrong << code;
    QTest::newRow("a letter") << "192.168.1.23:65535"
                              << "12a456" << wrong << code;
    QTest::newRow("control character") << "192.168.1.23:65535"
                                       << "12345\t" << wrong
                                       << "“配对码”中含有控制字符（如空字符、制表符或换行），请删除后重试！";
    QTest::newRow("wrong code")
        << "192.168.1.23:65535"
        << "123456" << wrong
        << "配对失败：Failed: Wrong password or connection was dropped.\n已换上新的二维码，可以再试一次。";
    QTest::newRow("empty answer") << "192.168.1.23:1"
                                  << "000000" << QByteArray()
                                  << "配对失败：adb 执行失败（退出码 1）。\n已换上新的二维码，可以再试一次。";
}

// The typed address and code reach "adb pair" as they are, only when both are right; a pairing that
// fails is told with adb's own words, and the QR code is renewed.
void TestStartup::pairingByCode()
{
    QFETCH(QString, address);
    QFETCH(QString, code);
    QFETCH(QByteArray, answer);
    QFETCH(QString, said);
    Fixture f;
    f.outside.answers["pair"] = ToolAnswer::exited(1, answer);
    answerAsAdb35(f);
    pair& window = f.windows.pairing();
    AppWindows::bringUp(window);
    f.outside.settle();
    const QString qrBefore = window.qrText();
    f.outside.clear();
    Fixture::find<QLineEdit>(window, "pairAddress")->insert(address); // as typed or pasted
    Fixture::find<QLineEdit>(window, "pairCode")->insert(code);
    Fixture::click(Fixture::find(window, "pairButton"));
    f.outside.settle();
    const bool refused = !f.outside.messages.isEmpty();
    QCOMPARE(refused ? f.outside.messageTexts().value(0) : statusOf(window), said);
    QCOMPARE(f.outside.lines(), refused ? QStringList() : QStringList {"adb pair " + address + " " + code});
    QCOMPARE(window.qrText() != qrBefore, !refused);
    QVERIFY(!f.windows.state().scratchField().contains(code) || refused);
}

// Discovery that does not run leaves the code part working; a phone paired but not discovered is
// connected at the address the user types.
void TestStartup::pairingWithoutDiscovery()
{
    Fixture f;
    f.outside.answers["pair"] = ToolAnswer::exited(0, "Successfully paired to 192.168.1.23:37123 [guid=adb-R5CT-x1]\n");
    f.outside.answers["connect"] = ToolAnswer::exited(0, "already connected to 192.168.1.23:41234\n");
    answerAsAdb35(f, "ERROR: mdns daemon unavailable\n");
    pair& window = f.windows.pairing();
    AppWindows::bringUp(window);
    f.outside.settle();
    QCOMPARE(Fixture::find<QLabel>(window, "qrStatus")->text(),
        QStringLiteral("此电脑上 adb 无法发现网络上的手机，二维码配对不可用，请用配对码配对。"));
    QCOMPARE(statusOf(window), QStringLiteral("adb mdns check: ERROR: mdns daemon unavailable"));
    QVERIFY(!window.discoveryTimer->isActive());
    QTest::keyClicks(Fixture::find<QLineEdit>(window, "pairAddress"), "192.168.1.23:37123");
    QTest::keyClicks(Fixture::find<QLineEdit>(window, "pairCode"), "482913");
    Fixture::click(Fixture::find(window, "pairButton"));
    f.outside.settle();
    QVERIFY(statusOf(window).startsWith(QStringLiteral("已与 192.168.1.23:37123 配对。请在手机“无线调试”页面找到")));
    QTest::keyClicks(Fixture::find<QLineEdit>(window, "connectAddress"), "192.168.1.23:41234");
    Fixture::click(Fixture::find(window, "connectButton"));
    f.outside.settle();
    QCOMPARE(f.outside.lines(),
        QStringList(
            {"adb version", "adb mdns check", "adb pair 192.168.1.23:37123 482913", "adb connect 192.168.1.23:41234"}));
    QCOMPARE(statusOf(window), QStringLiteral("已连接 192.168.1.23:41234，手机将出现在启动器的设备列表中。"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
