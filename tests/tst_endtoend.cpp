// The program's windows, driven through their real widgets and the real runner, against Debian's
// adb and simulated phones on loopback.
#include "ArchiveMaker.h"
#include "Fixture.h"
#include "LoopbackServer.h"
#include "RealBridge.h"
#include "bridge/DeviceList.h"
#include "bridge/PhoneDrops.h"
#include "bridge/PhoneReconnect.h"
#include "bridge/ScreenshotSequence.h"
#include "bridge/ToolLocator.h"
#include "bridge/WebAddresses.h"
#include "client/ClientVersion.h"
#include "controls/OptionButton.h"
#include "info/meizu.h"
#include "install/ToolsRelease.h"
#include "launcher/options.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "startup/pair.h"
#include "tools/tools.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

using namespace TestSupport;

namespace {

// The real tools; message boxes and web addresses still recorded.
struct EndToEnd : Fixture
{
    explicit EndToEnd(const QStringList& standIns = {QStringLiteral("scrcpy")})
        : Fixture(standIns)
    {
        outside.forwardTools = true;
    }

    // "连接并启动" with the real tool: three ticks, then the decision once its answers are in.
    void connectAndStart()
    {
        Start& window = start();
        Fixture::click(Fixture::find(window, "cable"));
        for (int tick = 0; tick < 3; ++tick)
            window.tickTimer1();
        QTRY_VERIFY_WITH_TIMEOUT(!window.Timer1->isActive(), 20000);
    }

    // The start window grown, then "连接并启动": the launcher, as a user reaches it.
    void openLauncher()
    {
        grownStart();
        connectAndStart();
    }

    // "断开" in the start window's wireless section, for one phone on the network.
    void disconnectInPannix(const QString& serial)
    {
        Start& window = start();
        Fixture::find<QLineEdit>(window, "connft")->setText(serial.section(QLatin1Char(':'), 0, 0));
        Fixture::find<QLineEdit>(window, "Textport")->setText(serial.section(QLatin1Char(':'), 1));
        const qsizetype asked = outside.starts.size();
        Fixture::click(Fixture::find(window, "disconnf"));
        QTRY_VERIFY(outside.starts.size() > asked);
        outside.settle();
    }

    // With two phones listed: both slots selected and launched, so both selectors are written.
    void launchBothSlots()
    {
        openLauncher();
        tick(2, true);
        Fixture::click(launcher().QSNUM);
    }
};

QString stateOf(const QString& devices, const QString& serial)
{
    for (const QString& line : devices.split(QLatin1Char('\n'))) {
        if (line.startsWith(serial + QLatin1Char('\t')))
            return line.section(QLatin1Char('\t'), 1);
    }
    return {};
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void firstRunFindsNoDevice();
    void twoPhonesOpenTheLauncher();
    void meizuPhoneGetsTheWarning();
    void unauthorizedPhoneShowsItsState();
    void wirelessBindConnectDisconnect();
    void keyButtonsReachTheRightPhones();
    void screenshotArrivesByteForByte();
    void twoPhonesTwoPictures();
    void tcpipWithoutPhoneShowsTheToolsError();
    void typedTextReachesAdbAsOneArgument();
    void pagesOpenOnThePhones();
    void mirroringWordsCarryTheRealSerials();
    void phonesComeAndGo();
    void lateFourthMeizuIsNamedAndWarnedOnce();
    void slotTickedAfterLaunchIsAddressed();
    void threePhonesOfOneModelSideBySide();
    void debiansAdbIsTooOldToPair();
    void freshComputerFetchesTheToolsAndStarts();
    void moreOptionsReachTheClientAndAreRemembered();
    void wifiPhoneComesBackToItsSlot();
    void droppedPhoneIsAwayAndComesBack_data();
    void droppedPhoneIsAwayAndComesBack();
    void eachPhoneItsOwnOptionsWhateverItsName_data();
    void eachPhoneItsOwnOptionsWhateverItsName();

private:
    // Starts the bridge server and the phones, each connected and listed as a device; an empty
    // list when one did not come up.
    QList<RealBridge::Phone> connectedPhones(int count, const QString& maker = QStringLiteral("Xiaomi"));

    std::unique_ptr<RealBridge> m_bridge;
};

QList<RealBridge::Phone> TestEndToEnd::connectedPhones(int count, const QString& maker)
{
    m_bridge->startServer();
    QList<RealBridge::Phone> phones;
    for (int i = 0; i < count; ++i) {
        phones.append(m_bridge->startPhone(maker));
        if (!m_bridge->connectPhone(phones.last()))
            return {};
    }
    return phones;
}

void TestEndToEnd::initTestCase()
{
    if (RealBridge::adbPath().isEmpty())
        QFAIL("adb is not installed; the test command installs Debian's adb package");
    m_bridge = std::make_unique<RealBridge>();
    useTestFolders();
}

void TestEndToEnd::cleanup()
{
    m_bridge->disconnectAll();
}

// The program starts the server itself; what the server prints about starting is not a device.
void TestEndToEnd::firstRunFindsNoDevice()
{
    EndToEnd f;
    Start& start = f.grownStart();
    f.connectAndStart();
    QCOMPARE(f.outside.messages.size(), 1);
    QCOMPARE(f.outside.messages[0].title, QStringLiteral("提示"));
    QVERIFY(f.launcher().devft.isEmpty());
    QVERIFY(start.isVisible());
    QCOMPARE(f.launcher().windowTitle(), QStringLiteral("未检测到设备!"));
    QTRY_VERIFY_WITH_TIMEOUT(m_bridge->devices().startsWith("List of devices attached"), 10000);
}

void TestEndToEnd::twoPhonesOpenTheLauncher()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);
    const RealBridge::Phone& first = phones[0];
    const RealBridge::Phone& second = phones[1];
    const QStringList listed = m_bridge->devices().split('\n', Qt::SkipEmptyParts).mid(1);

    EndToEnd f;
    f.openLauncher();
    QCOMPARE(f.launcher().windowTitle(), QStringLiteral("Pannix 酷安@Tollen 【已连接 2 台设备】"));
    QVERIFY(f.launcher().isVisible());
    QCOMPARE(f.launcher().devfc->Caption(), listed[0].section('\t', 0, 0) + "\t");
    QCOMPARE(f.launcher().devsc->Caption(), listed[1].section('\t', 0, 0) + "\t");
    QCOMPARE(f.launcher().devtc->Caption(), QStringLiteral("N/A"));
    QVERIFY(f.outside.messages.isEmpty());
}

void TestEndToEnd::meizuPhoneGetsTheWarning()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1, QStringLiteral("Meizu"));
    QCOMPARE(phones.size(), 1);
    const RealBridge::Phone& phone = phones[0];

    EndToEnd f;
    Start& start = f.grownStart(); // asks the phone for its maker, and waits for the answer
    f.connectAndStart();
    QCOMPARE(start.ttts, QStringLiteral("Meizu"));
    QVERIFY(f.windows.meizuWarning().isVisible());
    QVERIFY(!f.launcher().isVisible());
    QVERIFY(!start.isVisible());
    QVERIFY(phone.requests().contains("shell:getprop ro.product.manufacturer"));
}

void TestEndToEnd::unauthorizedPhoneShowsItsState()
{
    m_bridge->startServer();
    const RealBridge::Phone phone = m_bridge->startPhone(QStringLiteral("Xiaomi"), false);
    QVERIFY(m_bridge->connectPhone(phone, QStringLiteral("unauthorized")));

    EndToEnd f;
    f.openLauncher();
    QCOMPARE(f.launcher().devfc->Caption(), phone.serial + QStringLiteral("\tunauthorized"));
    QCOMPARE(f.launcher().windowTitle(), QStringLiteral("Pannix 酷安@Tollen 【已连接 1 台设备】"));
}

void TestEndToEnd::wirelessBindConnectDisconnect()
{
    m_bridge->startServer();
    const RealBridge::Phone cabled = m_bridge->startPhone();
    const RealBridge::Phone wireless = m_bridge->startPhone();
    QVERIFY(m_bridge->connectPhone(cabled));

    EndToEnd f;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    Fixture::find<QLineEdit>(start, "Textport")->setText(QString::number(wireless.port));
    Fixture::click(Fixture::find(start, "wxts"));
    QTRY_COMPARE_WITH_TIMEOUT(
        status->toPlainText(), QStringLiteral("restarting in TCP mode port: %1").arg(wireless.port), 15000);
    QVERIFY(cabled.requests().contains(QStringLiteral("tcpip:%1").arg(wireless.port)));

    Fixture::find<QLineEdit>(start, "connft")->setText(QStringLiteral("127.0.0.1"));
    Fixture::click(Fixture::find(start, "connf"));
    QTRY_COMPARE_WITH_TIMEOUT(status->toPlainText(), QStringLiteral("connected to ") + wireless.serial, 15000);
    QVERIFY(m_bridge->waitForState(wireless.serial, QStringLiteral("device")));

    Fixture::click(Fixture::find(start, "disconnf"));
    QTRY_COMPARE_WITH_TIMEOUT(status->toPlainText(), QStringLiteral("disconnected ") + wireless.serial, 15000);
    QVERIFY(stateOf(m_bridge->devices(), wireless.serial).isEmpty());
    QCOMPARE(stateOf(m_bridge->devices(), cabled.serial), QStringLiteral("device"));
}

void TestEndToEnd::keyButtonsReachTheRightPhones()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);
    const RealBridge::Phone& first = phones[0];
    const RealBridge::Phone& second = phones[1];

    EndToEnd f;
    f.launchBothSlots();
    Form1& form = f.launcher();
    menu& keys = f.windows.keyPanel();
    Freeze& bar = f.windows.navigationBar();
    keys.show();
    bar.show();

    const QList<std::pair<const char*, int>> buttons {{"LOCKSCR", 26}, {"VOLUP", 24}, {"VOLDOWN", 25}, {"MUTE", 164},
        {"N_Shapexia", 87}, {"N_Shapeshang", 88}, {"N_Shapepause", 85}, {"BACKWARD", 4}, {"HOMEWARD", 3},
        {"MEUNWARD", 187}};
    QStringList both;
    for (const auto& [name, code] : buttons) {
        QWidget& panel = keys.findChild<N_Shape*>(name) ? static_cast<QWidget&>(keys) : bar;
        Fixture::click(Fixture::find(panel, name));
        both.append(QStringLiteral("shell:input keyevent %1").arg(code));
    }
    // Then with slot 1 alone: only the first phone hears it.
    f.tick(2, false);
    Fixture::click(Fixture::find(keys, "VOLUP"));
    // Slot 1 is whichever phone the device list named first.
    const bool firstInSlotOne = form.devft.startsWith(first.serial + QLatin1Char('\t'));
    const RealBridge::Phone& slotOne = firstInSlotOne ? first : second;
    const RealBridge::Phone& slotTwo = firstInSlotOne ? second : first;
    QTRY_COMPARE_WITH_TIMEOUT(slotOne.requests().filter("keyevent").size(), both.size() + 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(slotTwo.requests().filter("keyevent").size(), both.size(), 15000);
    QTest::qWait(300);
    QCOMPARE(slotTwo.requests().filter("keyevent").size(), both.size());
    // Each phone heard every key once; the starts run side by side, so their order may differ.
    QStringList heard = slotTwo.requests().filter("keyevent");
    heard.sort();
    both.sort();
    QCOMPARE(heard, both);
}

void TestEndToEnd::screenshotArrivesByteForByte()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    const RealBridge::Phone& phone = phones[0];

    EndToEnd f;
    f.openLauncher();
    Fixture::click(f.launcher().QSNUM);
    menu& keys = f.windows.keyPanel();
    keys.show();
    Fixture::click(Fixture::find(keys, "N_Shape1screencp"));
    QTRY_VERIFY_WITH_TIMEOUT(!keys.screenshots->isRunning(), 20000);
    QFile file(QDir(Paths::outputFolder()).filePath(QStringLiteral("screen.png")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), phone.picture());
    const QStringList requests = phone.requests();
    QVERIFY(requests.indexOf("shell:/system/bin/screencap -p /sdcard/screen.png")
        < requests.indexOf("sync:RECV /sdcard/screen.png"));
    QVERIFY(requests.indexOf("sync:RECV /sdcard/screen.png") < requests.indexOf("shell:rm /sdcard/screen.png"));
    QVERIFY(f.outside.messages.isEmpty());
}

// Two phones, one click: each picture under its phone's name, byte for byte that phone's.
void TestEndToEnd::twoPhonesTwoPictures()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);

    EndToEnd f;
    f.launchBothSlots();
    menu& keys = f.windows.keyPanel();
    keys.show();
    Fixture::click(Fixture::find(keys, "N_Shape1screencp"));
    QTRY_VERIFY_WITH_TIMEOUT(!keys.screenshots->isRunning(), 20000);
    QVERIFY(f.outside.messages.isEmpty());
    QVERIFY(phones[0].picture() != phones[1].picture());
    for (const RealBridge::Phone& phone : phones) {
        QFile file(QDir(Paths::outputFolder()).filePath(ScreenshotSequence::pictureNameFor(phone.serial)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(file.readAll(), phone.picture());
        QVERIFY(phone.requests().contains("shell:rm /sdcard/screen.png"));
    }
    QVERIFY(!QFileInfo::exists(QDir(Paths::outputFolder()).filePath(QStringLiteral("screen.png"))));
}

// With no phone the tool's own error shows, never the answer of the click before.
void TestEndToEnd::tcpipWithoutPhoneShowsTheToolsError()
{
    m_bridge->startServer();
    EndToEnd f;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    status->setPlainText(QStringLiteral("connected to 1.2.3.4:5555"));
    Fixture::click(Fixture::find(start, "wxts"));
    QTRY_COMPARE_WITH_TIMEOUT(status->toPlainText(), QStringLiteral("error: no devices/emulators found"), 15000);
}

// Whatever is typed reaches the real adb as one argument: it answers about the whole text.
void TestEndToEnd::typedTextReachesAdbAsOneArgument()
{
    m_bridge->startServer();
    const RealBridge::Phone phone = m_bridge->startPhone();
    QVERIFY(m_bridge->connectPhone(phone));
    EndToEnd f;
    Start& start = f.grownStart();
    auto* status = Fixture::find<QPlainTextEdit>(start, "ssxx");
    for (const QString& port : {QStringLiteral("5555 -s x"), QStringLiteral("5555\u3000kill-server")}) {
        Fixture::find<QLineEdit>(start, "Textport")->setText(port);
        status->setPlainText(QString());
        Fixture::click(Fixture::find(start, "wxts"));
        QTRY_VERIFY_WITH_TIMEOUT(!status->toPlainText().isEmpty(), 15000);
        // The tool quotes the whole text back.
        QVERIFY2(
            status->toPlainText().contains(QStringLiteral("invalid port: ") + port), qPrintable(status->toPlainText()));
        QCOMPARE(phone.requests().filter("tcpip").size(), 0);
    }
    Fixture::find<QLineEdit>(start, "Textport")->setText(QStringLiteral("5555"));
    Fixture::find<QLineEdit>(start, "connft")->setText(QStringLiteral("127.0.0.1 -s x"));
    Fixture::click(Fixture::find(start, "connf"));
    QTRY_COMPARE_WITH_TIMEOUT(Fixture::find(start, "connf")->Caption(), QStringLiteral("连接"), 15000);
    QVERIFY2(status->toPlainText().contains(QStringLiteral("127.0.0.1 -s x")), qPrintable(status->toPlainText()));
    // The server still runs and still lists the phone: nothing typed became a command of its own.
    QCOMPARE(stateOf(m_bridge->devices(), phone.serial), QStringLiteral("device"));
}

void TestEndToEnd::pagesOpenOnThePhones()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    const RealBridge::Phone& phone = phones[0];

    EndToEnd f;
    f.openLauncher();
    Fixture::click(f.launcher().QSNUM);
    Fixture::click(f.launcher().helpp);
    About& about = f.windows.about();
    about.show();
    Fixture::click(Fixture::find(about, "blockmi"));
    Fixture::click(Fixture::find(about, "N_Shape2all"));
    const QString form = QStringLiteral("shell:am start -a android.intent.action.VIEW -d %1 -p ")
        + Deployment::values().appStorePackage;
    for (const QString& page :
        {Deployment::values().helpPage, Deployment::values().makerHomePage, Deployment::values().makerWorksPage})
        QTRY_VERIFY_WITH_TIMEOUT(phone.requests().contains(form.arg(page)), 10000);
}

void TestEndToEnd::mirroringWordsCarryTheRealSerials()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);
    const RealBridge::Phone& first = phones[0];
    const RealBridge::Phone& second = phones[1];

    EndToEnd f;
    f.launchBothSlots();
    Form1& form = f.launcher();
    // Each tick waits for the client before it, so the two starts reach the log in slot order.
    form.tickTimerTOT();
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 1);
    for (int tick = 2; tick <= 5; ++tick)
        form.tickTimerTOT();
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 2);
    const QString firstSerial = form.devft.section('\t', 0, 0);
    const QString secondSerial = form.devst.section('\t', 0, 0);
    QCOMPARE(QSet<QString>({firstSerial, secondSerial}), QSet<QString>({first.serial, second.serial}));
    QCOMPARE(f.program.launchesOf("scrcpy"),
        QList<QStringList>({{"-s", firstSerial, "-m", "0", "-b", "8M", "--always-on-top"},
            {"-s", secondSerial, "-m", "0", "-b", "8M", "--always-on-top"}}));
}

// While the launcher shows, a phone that comes fills a free slot and one that goes empties its
// slot; after the server was killed the tracking resumes and the slots are right again.
void TestEndToEnd::phonesComeAndGo()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    EndToEnd f;
    f.openLauncher();
    Form1& form = f.launcher();
    QVERIFY(form.isVisible());
    const RealBridge::Phone late = m_bridge->startPhone();
    m_bridge->adb({"connect", late.serial});
    QTRY_COMPARE_WITH_TIMEOUT(form.devsc->Caption(), late.serial + "\t", 2000);
    QCOMPARE(form.windowTitle(), QStringLiteral("Pannix 酷安@Tollen 【已连接 2 台设备】"));
    // Disconnected by the user, it leaves its slot and is not connected again.
    f.disconnectInPannix(late.serial);
    QTRY_COMPARE_WITH_TIMEOUT(form.devsc->Caption(), QStringLiteral("N/A"), 2000);
    QVERIFY(!form.devsc->Enabled() && form.devsc->Value() == 0);
    QVERIFY(!f.windows.state().reconnect().isAway(late.serial));
    // The server killed, its network phones drop: the first keeps its slot, away, and is connected
    // again by the program itself.
    m_bridge->adb({"kill-server"});
    QTRY_COMPARE_WITH_TIMEOUT(form.devfc->Caption(), phones[0].serial, 10000);
    QVERIFY(!form.devfc->Enabled() && form.devfc->Value() == 0);
    QTRY_COMPARE_WITH_TIMEOUT(form.devfc->Caption(), phones[0].serial + "\t", 15000);
    QVERIFY(form.devfc->Value() == 1 && !form.devfc->Enabled()); // the lone phone is the one addressed
    QVERIFY(f.outside.lines().contains("adb connect " + phones[0].serial));
}

// Three phones fill the slots; a fourth, a Meizu phone come late, is named and warned about once,
// and takes the first slot that frees.
void TestEndToEnd::lateFourthMeizuIsNamedAndWarnedOnce()
{
    const QList<RealBridge::Phone> phones = connectedPhones(3);
    QCOMPARE(phones.size(), 3);
    EndToEnd f;
    f.openLauncher();
    QVERIFY(f.launcher().isVisible());
    const RealBridge::Phone meizu = m_bridge->startPhone(QStringLiteral("Meizu"));
    m_bridge->adb({"connect", meizu.serial});
    QTRY_VERIFY_WITH_TIMEOUT(f.windows.meizuWarning().isVisible(), 5000);
    QCOMPARE(f.launcher().devicesMore->toolTip(), QStringLiteral("另有 1 台设备没有位置：") + meizu.serial);
    QCOMPARE(f.launcher().windowTitle(), QStringLiteral("Pannix 酷安@Tollen 【已连接 4 台设备】"));
    f.windows.meizuWarning().hide();
    f.disconnectInPannix(DeviceList::serialInField(f.launcher().devst));
    QTRY_COMPARE_WITH_TIMEOUT(f.launcher().devsc->Caption(), meizu.serial + "\t", 2000);
    QVERIFY(f.launcher().devicesMore->toolTip().isEmpty());
    QVERIFY(!f.windows.meizuWarning().isVisible());
}

// A slot ticked after the launch is addressed by its serial; with several phones and none ticked
// the user is asked, and nothing is sent.
void TestEndToEnd::slotTickedAfterLaunchIsAddressed()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);
    EndToEnd f;
    f.openLauncher();
    Fixture::click(f.launcher().QSNUM); // slot 1 alone
    f.tick(2, true);
    N_Shape* volumeUp = Fixture::find(f.windows.keyPanel(), "VOLUP");
    Fixture::click(volumeUp);
    for (const RealBridge::Phone& phone : phones)
        QTRY_VERIFY_WITH_TIMEOUT(phone.requests().contains("shell:input keyevent 24"), 10000);
    f.tick(1, false);
    f.tick(2, false);
    const int calls = int(f.outside.starts.size());
    Fixture::click(volumeUp);
    QCOMPARE(f.outside.starts.size(), calls);
    QCOMPARE(f.outside.messageTexts().value(0), QStringLiteral("已连接多台设备，请先在启动器中勾选要操作的设备！"));
}

// Three phones of one model launched together with today's client: three windows told apart by
// their serials, in three columns of the screen, the sound of the first phone alone, and every
// client told which adb the program uses.
void TestEndToEnd::threePhonesOfOneModelSideBySide()
{
    const QList<RealBridge::Phone> phones = connectedPhones(3);
    QCOMPARE(phones.size(), 3);
    EndToEnd f;
    f.program.write(QStringLiteral("scrcpy.version"), "scrcpy 4.1 <https://github.com/Genymobile/scrcpy>\n");
    f.openLauncher();
    Form1& form = f.launcher();
    QTRY_VERIFY(form.clientVersion().answered());
    for (int slot = 1; slot <= 3; ++slot) {
        QTRY_COMPARE_WITH_TIMEOUT(form.slotBox(slot)->toolTip(), QStringLiteral("Xiaomi SimPhone"), 5000);
        f.tick(slot, true);
    }
    Fixture::click(form.QSNUM);
    for (int tick = 1; tick <= 5; ++tick) {
        form.tickTimerTOT();
        QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), std::min(tick, 3)); // in slot order
    }
    QSet<QString> titles;
    QList<QRect> cells;
    const QList<QStringList> launches = f.program.launchesOf("scrcpy");
    for (int slot = 1; slot <= 3; ++slot) {
        const QStringList& words = launches[slot - 1];
        auto after = [&words](const char* option) { return valueAfter(words, option); };
        QCOMPARE(after("--window-title"), QStringLiteral("SimPhone · ") + DeviceList::serialInField(form.serial(slot)));
        titles.insert(after("--window-title"));
        const QRect cell(after("--window-x").toInt(), after("--window-y").toInt(), after("--window-width").toInt(),
            after("--window-height").toInt());
        QVERIFY(form.screen()->availableGeometry().contains(cell));
        for (const QRect& other : cells)
            QVERIFY(!other.intersects(cell));
        cells.append(cell);
        QCOMPARE(words.contains("--no-audio"), slot > 1);
    }
    QCOMPARE(titles.size(), 3);
    QFile told(f.program.path("scrcpy.adb"));
    QVERIFY(told.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(told.readAll()).split(QChar(0x1e), Qt::SkipEmptyParts),
        QStringList(3, RealBridge::adbPath()));
}

// Debian's adb 29 has neither "pair" nor "mdns": the pairing window says so with the version
// found and what to do, and starts nothing more.
void TestEndToEnd::debiansAdbIsTooOldToPair()
{
    EndToEnd f;
    pair& window = f.windows.pairing();
    AppWindows::bringUp(window);
    QLabel* status = Fixture::find<QLabel>(window, "pairStatus");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("无线配对需要")), 10000);
    QCOMPARE(status->text(),
        QStringLiteral("无线配对需要 adb 30 或更高版本，此电脑上的 adb 是 29.0.6-debian。\nWindows 上请换用 scrcpy "
                       "当前版本自带的 adb.exe；Linux 上请安装 Android 的 platform-tools。"));
    QTest::qWait(1200);
    QCOMPARE(f.outside.lines(), QStringList {"adb version"});
    QVERIFY(!window.discoveryTimer->isActive() && !Fixture::find(window, "pairButton")->isEnabled());
}

// A computer with no tool anywhere: the start-up offers them, downloads the release (from a server of
// the suite's own, its archive holding Debian's adb) and goes on to the launcher with that adb.
void TestEndToEnd::freshComputerFetchesTheToolsAndStarts()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    QTemporaryDir home;
    QTemporaryDir emptyPath;
    const QString top = Paths::toolsFolderName();
    const QString archive = home.filePath(QStringLiteral("release.tar.gz"));
    QFile adb(RealBridge::adbPath());
    QVERIFY(adb.open(QIODevice::ReadOnly));
    QVERIFY(ArchiveMaker::write(archive,
        {{top + QLatin1Char('/'), {}, ArchiveMaker::Entry::Folder},
            {top + QStringLiteral("/adb"), adb.readAll(), ArchiveMaker::Entry::File, 0755}},
        false));
    QFile served(archive);
    QVERIFY(served.open(QIODevice::ReadOnly));
    const QByteArray bytes = served.readAll();
    LoopbackServer server;
    server.routes[QLatin1Char('/') + top + QStringLiteral(".tar.gz")] = {200, bytes};
    ToolsRelease::setCurrentForTests(
        {server.url(QLatin1Char('/') + top + QStringLiteral(".tar.gz")), ArchiveMaker::sha256(bytes), top});
    Paths::setToolsRoot(home.filePath(QStringLiteral("tools")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    {
        EndToEnd f {QStringList()};
        Start& start = f.start();
        tools& window = f.windows.toolsWindow();
        QVERIFY(window.isVisible());
        QVERIFY(!start.isVisible());
        Fixture::click(Fixture::find(window, "toolsDownload"));
        QTRY_VERIFY_WITH_TIMEOUT(start.isVisible(), 20000);
        QCOMPARE(ToolLocator::locate(QStringLiteral("adb")), Paths::toolsFolder() + QStringLiteral("/adb"));
        while (start.Timerst->isActive())
            start.tickTimerst();
        f.connectAndStart();
        QVERIFY(f.launcher().isVisible());
        QCOMPARE(f.launcher().devfc->Caption(), phones[0].serial + QLatin1Char('\t'));
        QVERIFY(f.outside.messages.isEmpty());
    }
    qputenv("PATH", path);
    Paths::setToolsRoot(QString());
    ToolsRelease::restoreDeployed();
}

// Today's client with more options chosen in their window: exactly those words reach it, and the
// program started again shows the same choices.
void TestEndToEnd::moreOptionsReachTheClientAndAreRemembered()
{
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    EndToEnd f;
    f.program.write("scrcpy.version", "scrcpy 4.1 <https://github.com/Genymobile/scrcpy>\n");
    f.openLauncher();
    Form1& form = f.launcher();
    QTRY_VERIFY(form.clientVersion().answered());
    QTRY_VERIFY(form.devfc->toolTip().contains("SimPhone")); // the title names the model once it is known
    Fixture::click(Fixture::find<QLabel>(form, "optionsLink"));
    options& window = f.windows.moreOptions();
    Fixture::click(Fixture::find<QWidget>(window, "codecH265"));
    Fixture::click(Fixture::find<QWidget>(window, "newDisplay"));
    for (const auto& [field, text] :
        {std::pair {"maxFps", "60"}, {"displaySize", "1080x1920"}, {"startApp", "com.android.settings"}}) {
        auto* edit = Fixture::find<QLineEdit>(window, field);
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    Fixture::click(form.QSNUM);
    for (int tick = 1; tick <= 5; ++tick)
        form.tickTimerTOT();
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 1);
    const QString serial = phones[0].serial;
    QCOMPARE(f.program.launchesOf("scrcpy")[0],
        QStringList({"-s", serial, "-m", "0", "-b", "8M", "--always-on-top", "--window-title", "SimPhone · " + serial,
            "--video-codec=h265", "--max-fps=60", "--new-display=1080x1920", "--start-app=com.android.settings"}));

    AppWindows again; // the program started anew reads what was chosen
    options& shown = again.moreOptions();
    QVERIFY(shown.choices() == window.choices());
    QVERIFY(Fixture::find<OptionButton>(shown, "codecH265")->Value());
    QCOMPARE(Fixture::find<CheckButton>(shown, "newDisplay")->Value(), 1);
    QCOMPARE(Fixture::find<QLineEdit>(shown, "displaySize")->text(), QStringLiteral("1080x1920"));
    QCOMPARE(Fixture::find<QLineEdit>(shown, "startApp")->text(), QStringLiteral("com.android.settings"));
}

// A Wi-Fi phone out of reach for a second: its slot stays its own (a new phone takes another), the
// program connects it again, and it takes its slot back with its tick, the other phone unmoved.
void TestEndToEnd::wifiPhoneComesBackToItsSlot()
{
    const QList<RealBridge::Phone> phones = connectedPhones(2);
    QCOMPARE(phones.size(), 2);
    EndToEnd f;
    f.openLauncher();
    Form1& form = f.launcher();
    f.tick(1, true);
    f.tick(2, false);
    const QString first = DeviceList::serialInField(form.devft);
    const QString second = DeviceList::serialInField(form.devst);
    const RealBridge::Phone& away = phones[0].serial == first ? phones[0] : phones[1];
    // Out of reach: its process ends, which Debian's adb 29 does not tell its tracking.
    m_bridge->stopPhone(away);
    QTRY_COMPARE_WITH_TIMEOUT(form.devfc->Caption(), first, 10000);
    QVERIFY(!form.devfc->Enabled() && form.devfc->Value() == 0);
    QCOMPARE(form.devsc->Caption(), second + "\t");
    const RealBridge::Phone newcomer = m_bridge->startPhone();
    m_bridge->adb({"connect", newcomer.serial});
    QTRY_COMPARE_WITH_TIMEOUT(form.devtc->Caption(), newcomer.serial + "\t", 5000);
    m_bridge->startPhone(QStringLiteral("Xiaomi"), true, away.port);
    QTRY_COMPARE_WITH_TIMEOUT(form.devfc->Caption(), first + "\t", 20000);
    QCOMPARE(form.devfc->Value(), 1);
    QCOMPARE(form.devsc->Caption(), second + "\t");
    QCOMPARE(form.devsc->Value(), 0);
    QVERIFY(!f.windows.state().reconnect().isAway(first));
}

void TestEndToEnd::droppedPhoneIsAwayAndComesBack_data()
{
    QTest::addColumn<bool>("mirrored"); // the stand-in client mirrors the phone until its process ends
    QTest::addColumn<bool>("returns"); // the phone listens again 3 s after its process ended
    QTest::newRow("back") << false << true;
    QTest::newRow("back, its mirror opened again once") << true << true;
    QTest::newRow("never back") << false << false;
}

// With Debian's adb 29, whose tracking says nothing of a Wi-Fi phone whose process ended: the phone
// is away within 1 s, "adb connect" is tried from 2 s on, spaced, and once adb lists it ready again
// its slot comes back, its mirror too.
void TestEndToEnd::droppedPhoneIsAwayAndComesBack()
{
    QFETCH(bool, mirrored);
    QFETCH(bool, returns);
    const QList<RealBridge::Phone> phones = connectedPhones(1);
    QCOMPARE(phones.size(), 1);
    const QString serial = phones[0].serial;
    EndToEnd f;
    f.program.write("scrcpy.version", "scrcpy 4.1\n");
    if (mirrored)
        f.program.write("scrcpy.mirror", "");
    f.openLauncher();
    Form1& form = f.launcher();
    QTRY_COMPARE(f.windows.state().drops().waitedOn(), QStringList {serial});
    if (mirrored) {
        Fixture::click(form.QSNUM);
        for (int tick = 1; tick <= 5; ++tick)
            form.tickTimerTOT();
        QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 1);
    }
    const auto tries = [&f, &serial] { return f.outside.lines().count("adb connect " + serial); };
    QElapsedTimer clock;
    m_bridge->stopPhone(phones[0]);
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(!form.devfc->Enabled() && form.devfc->Value() == 0, 1000);
    QCOMPARE(form.devfc->Caption(), serial);
    QVERIFY(f.windows.state().drops().waitedOn().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(tries() == 1, 4000);
    QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
    if (!returns) {
        QTest::qWait(int(7000 - clock.elapsed()));
        QCOMPARE(tries(), 2); // 2 s and 6 s after: spaced, never a loop
        return;
    }
    QTest::qWait(int(3000 - clock.elapsed()));
    m_bridge->startPhone(QStringLiteral("Xiaomi"), true, phones[0].port);
    QElapsedTimer listening;
    listening.start();
    QTRY_COMPARE_WITH_TIMEOUT(form.devfc->Caption(), serial + "\t", 20000);
    // Back within a second of listening again, though adb 29 would take some seconds by itself.
    QVERIFY2(listening.elapsed() < 1000, qPrintable(QString::number(listening.elapsed())));
    QVERIFY(form.devfc->Enabled() || f.windows.state().devices().count() == 1);
    QCOMPARE(form.devfc->Value(), 1);
    QTRY_COMPARE(f.windows.state().drops().waitedOn(), QStringList {serial});
    if (mirrored) {
        QTRY_COMPARE_WITH_TIMEOUT(f.program.launchesOf("scrcpy").size(), 2, 3000);
        QCOMPARE(f.program.launchesOf("scrcpy")[1], f.program.launchesOf("scrcpy")[0]);
        m_bridge->stopPhone(phones[0]); // and the stand-in client with it
        QTest::qWait(500);
        QCOMPARE(f.program.launchesOf("scrcpy").size(), 2);
    }
}

void TestEndToEnd::eachPhoneItsOwnOptionsWhateverItsName_data()
{
    QTest::addColumn<QStringList>("serialNumbers"); // what each phone tells; empty: none
    QTest::addColumn<bool>("portChanges"); // the first phone listens again at another port, connected there
    QTest::newRow("three emulators on one address") << QStringList {"", "", ""} << false;
    QTest::newRow("a phone whose port changed") << QStringList {"PX1", "PX2"} << true;
}

// Phones on 127.0.0.1, each with options of its own on its page: each client gets exactly its own
// words. A phone that comes back at another port (wireless debugging turned off and on) keeps its
// slot, its page and its options.
void TestEndToEnd::eachPhoneItsOwnOptionsWhateverItsName()
{
    QFETCH(QStringList, serialNumbers);
    QFETCH(bool, portChanges);
    m_bridge->startServer();
    QList<RealBridge::Phone> phones;
    for (const QString& serial : serialNumbers) {
        phones.append(m_bridge->startPhone(QStringLiteral("Xiaomi"), true, 0, serial));
        QVERIFY(m_bridge->connectPhone(phones.last()));
    }
    EndToEnd f;
    f.program.write("scrcpy.version", "scrcpy 4.1\n");
    f.openLauncher();
    Form1& form = f.launcher();
    QTRY_COMPARE(f.windows.state().devices().count(), int(phones.size()));
    QTRY_VERIFY(form.clientVersion().answered()); // the options the client knows can be chosen
    const QStringList own {"borderless", "stayAwake", "noControl"};
    const QStringList words {"--window-borderless", "--stay-awake", "--no-control"};
    Fixture::click(Fixture::find<QLabel>(form, "optionsLink"));
    options& window = f.windows.moreOptions();
    auto* pages = Fixture::find<QComboBox>(window, "editedPhone");
    for (int phone = int(phones.size()) - 1; phone >= 0; --phone) { // the first phone's page left open
        QTRY_VERIFY(pages->findText(phones[phone].serial) > 0);
        pages->setCurrentIndex(pages->findText(phones[phone].serial));
        emit pages->activated(pages->currentIndex());
        Fixture::click(Fixture::find<QWidget>(window, qPrintable(own[phone])));
    }
    QString first = phones[0].serial;
    if (portChanges) {
        QTRY_VERIFY(f.windows.state().devices().slotOf("PX1") > 0);
        const int slot = f.windows.state().devices().slotOf("PX1");
        m_bridge->stopPhone(phones[0]);
        QTRY_VERIFY_WITH_TIMEOUT(f.windows.state().devices().awayAt(slot), 5000);
        const RealBridge::Phone moved = m_bridge->startPhone(QStringLiteral("Xiaomi"), true, 0, serialNumbers[0]);
        m_bridge->adb({"connect", moved.serial});
        first = moved.serial;
        QTRY_COMPARE_WITH_TIMEOUT(form.slotBox(slot)->Caption(), first + "\t", 5000); // its own slot
        QCOMPARE(pages->currentText(), first); // the page left open stays its phone's
        QCOMPARE(pages->currentData().toString(), QStringLiteral("PX1"));
    }
    for (int slot = 1; slot <= phones.size(); ++slot)
        f.tick(slot, true);
    Fixture::click(form.QSNUM);
    for (int tick = 1; tick <= 5; ++tick)
        form.tickTimerTOT();
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), phones.size());
    QStringList given;
    for (const QStringList& launched : f.program.launchesOf("scrcpy")) {
        QStringList chosen = launched;
        chosen.removeIf([&words](const QString& word) { return !words.contains(word); });
        given << launched[1] + " " + chosen.join(' ');
    }
    given.sort();
    QStringList expected;
    for (int phone = 0; phone < phones.size(); ++phone)
        expected << (phone == 0 ? first : phones[phone].serial) + " " + words[phone];
    expected.sort();
    QCOMPARE(given, expected);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
