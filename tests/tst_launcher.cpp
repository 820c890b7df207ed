#include "Fixture.h"
#include "bridge/DeviceList.h"
#include "bridge/Language.h"
#include "bridge/Paths.h"
#include "bridge/WebAddresses.h"
#include "client/ClientWatch.h"
#include "client/LaunchCommandBuilder.h"
#include "client/MirrorClients.h"
#include "controls/OptionButton.h"
#include "info/KJJ.h"
#include "launcher/AppPicker.h"
#include "launcher/options.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "tools/tools.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace TestSupport;

namespace {

// How long a started client has to show that it failed: a process starts slowly under Wine.
#ifdef Q_OS_WIN
constexpr int ClientStartMs = 3000;
#else
constexpr int ClientStartMs = 300;
#endif

const QString InitialLine = QStringLiteral("scrcpy  -s SER1\t  -m 0  -b 8M  --always-on-top   ");

struct Launch
{
    explicit Launch(Fixture& f)
        : f(f)
        , form(f.launcher())
    {
        form.show();
        // Showing asks the client for its version; the recorder starts empty after that.
        f.outside.settle();
        f.outside.clear();
    }

    void click() { Fixture::click(form.QSNUM); }
    // Drives the launch timer through all five ticks.
    void runTicks(int count = 5)
    {
        for (int tick = 0; tick < count; ++tick)
            form.tickTimerTOT();
    }
    QStringList clientLines() const
    {
        QStringList lines;
        for (const QString& line : f.outside.lines()) {
            if (line.startsWith(QLatin1String("scrcpy")))
                lines.append(line);
        }
        return lines;
    }

    Fixture& f;
    Form1& form;
};

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }

    void freshWindowHoldsInitialValues();
    void initialSettingsComposeExactLine();
    void wordsReachStandInClient();
    void refusals_data();
    void refusals();
    void refusalsInEnglish();
    void recordingNoticeAndPiece();
    void recordNamesStayOneWord_data();
    void recordNamesStayOneWord();
    void recordNameWithMetacharactersRunsNothing();
    void recordNameHoldingAPathIsRefused_data();
    void recordNameHoldingAPathIsRefused();
    void existingRecordingIsNeverReplaced();
    void newLaunchStopsTheOldTicksFirst();
    void failingClientIsToldOncePerLaunch_data();
    void failingClientIsToldOncePerLaunch();
    void runningClientOutlivesTheProgram();
    void onlyTheLatestClientLogsAreKept();
    void optionTestOrders();
    void slotReadAtItsTick();
    void secondClickStartsSlotOneAgain();
    void captionsThroughTheTicks();
    void realTimerStartsSlotsNineHundredMsApart();
    void panelClickCannotReplaceSlotOneLine();
    void slotsFollowThePhones();
    void clientsShareTheScreen_data();
    void clientsShareTheScreen();
    void windowWordsFollowTheClientVersion_data();
    void windowWordsFollowTheClientVersion();
    void moreOptionWordsFollowTheClientVersion_data();
    void moreOptionWordsFollowTheClientVersion();
    void moreOptionsRefused_data();
    void moreOptionsRefused();
    void soundOfSeveralPhones_data();
    void soundOfSeveralPhones();
    void damagedSettingsAreNeverUsed();
    void optionsTheClientDoesNotKnowAreGreyed();
    void choicesTheClientRefusesAreGreyed_data();
    void choicesTheClientRefusesAreGreyed();
    void pairsTheClientRefusesAreToldAtLaunch_data();
    void pairsTheClientRefusesAreToldAtLaunch();
    void eachPhoneItsOwnOptions_data();
    void eachPhoneItsOwnOptions();
    void appsListedByThePhone_data();
    void appsListedByThePhone();
    void mirrorReopensWhenItsPhoneReturns_data();
    void mirrorReopensWhenItsPhoneReturns();
    void clientThatCannotStartIsToldWhy_data();
    void clientThatCannotStartIsToldWhy();
    void fullscreenHintOnEveryClick();
    void helpOpensPageOnSelectedPhones();
    void sideButtonsShowWindows();
    void closingLauncherEndsProgram();
};

void TestLauncher::freshWindowHoldsInitialValues()
{
    Fixture f;
    Form1& form = f.launcher();
    QCOMPARE(form.devfc->Value(), 1);
    QCOMPARE(form.devsc->Value(), 0);
    QCOMPARE(form.devtc->Value(), 0);
    QCOMPARE(form.topshow->Value(), 1);
    for (CheckButton* off : {form.fmenux, form.HP, form.recor, form.ST, form.fulls})
        QCOMPARE(off->Value(), 0);
    QVERIFY(form.defa->Value());
    QVERIFY(form.Bdefa->Value());
    for (OptionButton* off : {form.BH, form.BM, form.BTW, form.BL, form.BZDY, form.QHD, form.FHD, form.HD})
        QVERIFY(!off->Value());
    QCOMPARE(form.scrtext->text(), QStringLiteral("ScrRec"));
    QCOMPARE(form.QSNUM->Caption(), QStringLiteral("启动"));
    QCOMPARE(form.INTERTEXT, QStringLiteral("Text1"));
    QVERIFY(form.devfst.isEmpty() && form.devsst.isEmpty() && form.devtst.isEmpty());
    QCOMPARE(form.TimerTOT->interval(), 900);
    QVERIFY(!form.TimerTOT->isActive());
}

void TestLauncher::initialSettingsComposeExactLine()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.click();
    QCOMPARE(launch.form.INTERTEXT, InitialLine);
    QCOMPARE(launch.form.devfst, QStringLiteral(" -s SER1\t"));
    QVERIFY(launch.form.devsst.isEmpty());
    QCOMPARE(launch.form.INTERTEXTS, QStringLiteral("scrcpy   -m 0  -b 8M  --always-on-top   "));
    QVERIFY(f.outside.messages.isEmpty());
    QVERIFY(f.outside.starts.isEmpty()); // the click itself starts nothing
    launch.runTicks();
    QCOMPARE(f.outside.starts.size(), 1);
    QCOMPARE(
        f.outside.starts[0].words, QStringList({"scrcpy", "-s", "SER1", "-m", "0", "-b", "8M", "--always-on-top"}));
}

void TestLauncher::wordsReachStandInClient()
{
    Fixture f;
    f.program.addTool(QStringLiteral("scrcpy"));
    f.outside.forwardTools = true;
    Launch launch(f);
    f.selectSlots({1, 3});
    launch.form.HP->setValue(1);
    launch.form.ST->setValue(1);
    Fixture::click(launch.form.BH);
    Fixture::click(launch.form.HD);
    launch.click();
    // Each tick waits for the client before it, so the two starts reach the log in slot order.
    launch.runTicks(1);
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 1);
    launch.runTicks(4);
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 2);
    QCOMPARE(f.program.launchesOf("scrcpy"),
        QList<QStringList>(
            {{"-s", "SER1", "-m", "1280", "-b", "30M", "--always-on-top", "--show-touches", "--turn-screen-off"},
                {"-s", "SER3", "-m", "1280", "-b", "30M", "--always-on-top", "--show-touches", "--turn-screen-off"}}));
}

void TestLauncher::refusals_data()
{
    QTest::addColumn<QList<int>>("slotList");
    QTest::addColumn<bool>("panels");
    QTest::addColumn<bool>("recording");
    QTest::addColumn<bool>("fullscreen");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<int>>("checkedAfter"); // fmenux, recor, fulls
    QTest::addColumn<bool>("panelsShown");
    QTest::addColumn<QString>("fullscreenPiece"); // in the lines, or empty for none
    QTest::addColumn<int>("clients");

    const QString noDevice = QStringLiteral("需要至少选择一个设备！");
    const QString noFull = QStringLiteral("多设备下不支持全屏！");
    QTest::newRow("no slot") << QList<int> {} << false << false << false << QStringList {noDevice}
                             << QList<int> {0, 0, 0} << false << QString() << 0;
    QTest::newRow("no slot, panels") << QList<int> {} << true << false << false << QStringList {noDevice}
                                     << QList<int> {0, 0, 0} << false << QString() << 0;
    QTest::newRow("one slot, panels") << QList<int> {2} << true << false << false << QStringList {}
                                      << QList<int> {1, 0, 0} << true << QString() << 1;
    QTest::newRow("one slot, fullscreen") << QList<int> {1} << false << false << true << QStringList {}
                                          << QList<int> {0, 0, 1} << false << QStringLiteral("--fullscreen") << 1;
    QTest::newRow("recording, two slots")
        << QList<int> {1, 2} << false << true << true << QStringList {QStringLiteral("多设备下不支持录屏！")}
        << QList<int> {0, 0, 1} << false << QString() << 2;
    QTest::newRow("fullscreen, two slots") << QList<int> {1, 2} << false << false << true << QStringList {noFull}
                                           << QList<int> {0, 0, 1} << false << QString() << 2;
    QTest::newRow("fullscreen, three slots")
        << QList<int> {1, 2, 3} << false << false << true << QStringList {noFull, noFull, noFull}
        << QList<int> {0, 0, 1} << false << QString() << 3;
    QTest::newRow("panels, 1 and 2") << QList<int> {1, 2} << true << false << false
                                     << QStringList {QStringLiteral("多设备下不支持工具栏！")} << QList<int> {1, 0, 0}
                                     << false << QString() << 2;
    QTest::newRow("panels, 1 and 3") << QList<int> {1, 3} << true << false << false
                                     << QStringList {QStringLiteral("多设备下不支持工具栏")} << QList<int> {1, 0, 0}
                                     << false << QString() << 2;
    QTest::newRow("panels, 2 and 3") << QList<int> {2, 3} << true << false << false
                                     << QStringList {QStringLiteral("多设备下不支持工具栏！")} << QList<int> {1, 0, 0}
                                     << false << QString() << 2;
    QTest::newRow("panels and fullscreen, 1 and 2")
        << QList<int> {1, 2} << true << false << true << QStringList {noFull, QStringLiteral("多设备下不支持工具栏！")}
        << QList<int> {1, 0, 1} << false << QString() << 2;
}

void TestLauncher::refusals()
{
    QFETCH(QList<int>, slotList);
    QFETCH(bool, panels);
    QFETCH(bool, recording);
    QFETCH(bool, fullscreen);
    QFETCH(QStringList, messages);
    QFETCH(QList<int>, checkedAfter);
    QFETCH(bool, panelsShown);
    QFETCH(QString, fullscreenPiece);
    QFETCH(int, clients);

    Fixture f;
    Launch launch(f);
    f.selectSlots({});
    for (int slot : slotList)
        f.tick(slot, true);
    launch.form.fmenux->setValue(panels ? 1 : 0);
    launch.form.recor->setValue(recording ? 1 : 0);
    launch.form.fulls->setValue(fullscreen ? 1 : 0);
    launch.click();

    QCOMPARE(f.outside.messageTexts(), messages);
    for (const auto& message : f.outside.messages) {
        QCOMPARE(message.title, QStringLiteral("警告！"));
        QCOMPARE(message.icon, Outside::Icon::Stop);
    }
    QCOMPARE(launch.form.fmenux->Value(), checkedAfter[0]);
    QCOMPARE(launch.form.recor->Value(), checkedAfter[1]);
    QCOMPARE(launch.form.fulls->Value(), checkedAfter[2]);
    QCOMPARE(f.windows.keyPanel().isVisible(), panelsShown);
    QCOMPARE(f.windows.navigationBar().isVisible(), panelsShown);
    QVERIFY(launch.form.TimerTOT->isActive());

    launch.runTicks();
    const QStringList lines = launch.clientLines();
    QCOMPARE(lines.size(), clients);
    for (const QString& line : lines) {
        QVERIFY(!line.contains(QLatin1String("--record")));
        QVERIFY(line.contains(QLatin1String("--always-on-top")));
        QCOMPARE(line.contains(QLatin1String("--fullscreen")), !fullscreenPiece.isEmpty());
        QVERIFY(!line.contains(QLatin1String(" --f ")));
    }
    QCOMPARE(launch.form.QSNUM->Caption(), QStringLiteral("应用配置并启动"));
}

// The same refusals on an English system: their messages and title in English.
void TestLauncher::refusalsInEnglish()
{
    struct English
    {
        English() { Language::use(QLocale(QStringLiteral("en_US"))); }
        ~English() { Language::use(QLocale(QStringLiteral("zh_CN"))); }
    } english;
    Fixture f;
    Launch launch(f);
    f.selectSlots({1, 2, 3});
    launch.form.fulls->setValue(1);
    launch.form.fmenux->setValue(1);
    launch.click();
    const QString full = QStringLiteral("Full screen is not available with several devices.");
    QCOMPARE(f.outside.messageTexts(),
        QStringList({full, full, full, QStringLiteral("The panels are not available with several devices.")}));
    QCOMPARE(f.outside.messages[0].title, QStringLiteral("Warning"));
    f.outside.clear();
    f.selectSlots({1, 2});
    launch.form.recor->setValue(1);
    launch.click();
    QCOMPARE(f.outside.messageTexts(), QStringList {"Recording is not available with several devices."});
}

void TestLauncher::recordingNoticeAndPiece()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(QStringLiteral("abc"));
    launch.click();
    QCOMPARE(f.outside.messages.size(), 1);
    QCOMPARE(f.outside.messages[0].text,
        QStringLiteral("启动后则自动开始录屏，关闭窗口或断开设备即可停止！\r\n录屏文件将保存为：")
            + QDir::toNativeSeparators(QDir(Paths::outputFolder()).filePath("abc.mp4")) + QStringLiteral("！"));
    QCOMPARE(f.outside.messages[0].icon, Outside::Icon::Warning);
    QVERIFY(launch.form.INTERTEXT.endsWith(QLatin1String("  --record abc.mp4")));
    QCOMPARE(launch.form.recor->Value(), 1);

    f.outside.clear();
    launch.form.scrtext->clear();
    launch.click();
    QCOMPARE(f.outside.messageTexts(), QStringList {QStringLiteral("请填写录屏文件名！")});
    QCOMPARE(f.outside.messages[0].icon, Outside::Icon::Warning);
    QCOMPARE(launch.form.recor->Value(), 0);
    QVERIFY(!launch.form.INTERTEXT.contains(QLatin1String("--record")));
    launch.runTicks();
    QCOMPARE(launch.clientLines().size(), 1); // the launch goes on without recording
}

void TestLauncher::recordNamesStayOneWord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("word");
    QTest::newRow("plain") << "ScrRec"
                           << "--record ScrRec.mp4"
                           << "ScrRec.mp4";
    QTest::newRow("blank") << "my rec"
                           << "--record my rec.mp4"
                           << "my rec.mp4";
#ifndef Q_OS_WIN // Windows refuses the quote in a file name
    QTest::newRow("double quote") << "a\"b"
                                  << "--record a\"b.mp4"
                                  << "a\"b.mp4";
#endif
    QTest::newRow("ideographic spaces") << "rec\u3000--no-control\u3000x"
                                        << "--record rec\u3000--no-control\u3000x.mp4"
                                        << "rec\u3000--no-control\u3000x.mp4";
    QTest::newRow("metacharacters") << "x; touch Y"
                                    << "--record x; touch Y.mp4"
                                    << "x; touch Y.mp4";
}

void TestLauncher::recordNamesStayOneWord()
{
    QFETCH(QString, name);
    QFETCH(QString, piece);
    QFETCH(QString, word);
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(name);
    launch.click();
    QVERIFY(launch.form.INTERTEXT.endsWith(piece));
    QVERIFY(f.outside.messages[0].text.endsWith(name + QStringLiteral(".mp4！")));
    launch.runTicks();
    const QStringList words = f.outside.starts.at(0).words;
    QCOMPARE(words.mid(words.size() - 2), QStringList({"--record", word}));
}

void TestLauncher::recordNameWithMetacharactersRunsNothing()
{
    Fixture f;
    f.program.addTool(QStringLiteral("scrcpy"));
    f.outside.forwardTools = true;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(QStringLiteral("r & touch Y"));
    launch.click();
    launch.runTicks();
    QTRY_COMPARE(f.program.launchesOf("scrcpy").size(), 1);
    QCOMPARE(f.program.launchesOf("scrcpy")[0].last(), QStringLiteral("r & touch Y.mp4"));
    QTest::qWait(100);
    QVERIFY(!QFileInfo::exists(f.program.path("Y")));
}

void TestLauncher::optionTestOrders()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    Form1& form = launch.form;
    // Assigned from code, nothing clears the others; the later one in the test order wins.
    form.BH->setValue(true);
    form.BZDY->setValue(true);
    form.QHD->setValue(true);
    launch.click();
    QCOMPARE(form.TBIT, QStringLiteral(" -b 2M"));
    QCOMPARE(form.TRES, QStringLiteral(" -m 0"));

    form.BZDY->setValue(false);
    form.BL->setValue(true);
    form.defa->setValue(false);
    form.HD->setValue(true);
    launch.click();
    QCOMPARE(form.TBIT, QStringLiteral(" -b 8M")); // Bdefa is tested after BL
    QCOMPARE(form.TRES, QStringLiteral(" -m 1280"));

    // A click selects one and clears the rest of its frame only.
    Fixture::click(form.BM);
    QVERIFY(form.BM->Value() && !form.BH->Value() && !form.BL->Value() && !form.Bdefa->Value());
    QVERIFY(form.HD->Value() && form.QHD->Value());
    launch.click();
    QCOMPARE(form.TBIT, QStringLiteral(" -b 20M"));
}

void TestLauncher::slotReadAtItsTick()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1, 2});
    launch.click();
    launch.form.tickTimerTOT();
    Fixture::click(launch.form.devsc); // unchecked before its tick
    QCOMPARE(launch.form.devsc->Value(), 0);
    launch.runTicks(4);
    QCOMPARE(launch.clientLines().size(), 1);
    QVERIFY(launch.clientLines()[0].contains(QLatin1String("SER1")));
}

void TestLauncher::secondClickStartsSlotOneAgain()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.click();
    launch.form.tickTimerTOT();
    launch.click();
    QCOMPARE(launch.form.launchTicks, qint16(0));
    launch.runTicks();
    QCOMPARE(launch.clientLines(), QStringList(2, "scrcpy -s SER1 -m 0 -b 8M --always-on-top"));
}

void TestLauncher::captionsThroughTheTicks()
{
    Fixture f;
    Launch launch(f);
    launch.click();
    for (int tick = 1; tick <= 4; ++tick) {
        QCOMPARE(launch.form.QSNUM->Caption(), QStringLiteral("正在启动..."));
        launch.form.tickTimerTOT();
    }
    QVERIFY(launch.form.TimerTOT->isActive());
    launch.form.tickTimerTOT();
    QCOMPARE(launch.form.QSNUM->Caption(), QStringLiteral("应用配置并启动"));
    QVERIFY(!launch.form.TimerTOT->isActive());
}

void TestLauncher::realTimerStartsSlotsNineHundredMsApart()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1, 2, 3});
    QElapsedTimer clock;
    QList<qint64> startedAt;
    f.outside.onStart = [&](const Outside::ToolStart&) { startedAt.append(clock.elapsed()); };
    clock.start();
    launch.click();
    QTRY_COMPARE_WITH_TIMEOUT(launch.form.QSNUM->Caption(), QStringLiteral("应用配置并启动"), 6000);
    QCOMPARE(startedAt.size(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        const qint64 due = slot * 900;
        QVERIFY2(startedAt[slot - 1] >= due - 50 && startedAt[slot - 1] < due + 600,
            qPrintable(QStringLiteral("slot %1 started at %2 ms").arg(slot).arg(startedAt[slot - 1])));
    }
    QVERIFY(clock.elapsed() >= 4500 - 50);
}

void TestLauncher::panelClickCannotReplaceSlotOneLine()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.fmenux->setValue(1);
    launch.click();
    Fixture::click(Fixture::find(f.windows.keyPanel(), "VOLUP"));
    QCOMPARE(launch.form.INTERTEXT, QStringLiteral("adb  -s SER1\t shell input keyevent 24"));
    launch.form.tickTimerTOT();
    QCOMPARE(launch.clientLines(), QStringList {"scrcpy -s SER1 -m 0 -b 8M --always-on-top"});
}

// A phone keeps its slot while listed; one that goes leaves its slot as an empty one looks; a new
// one takes the first free slot; past three they are named; a lone phone is always addressed.
void TestLauncher::slotsFollowThePhones()
{
    Fixture f;
    Form1& form = f.launcher();
    auto captions = [&form] {
        return QStringList {form.devfc->Caption(), form.devsc->Caption(), form.devtc->Caption()};
    };
    f.listPhones({"A", "B", "C"});
    f.tick(2, true);
    f.listPhones({"A", "C"});
    QCOMPARE(captions(), QStringList({"A\t", "N/A", "C\t"}));
    QVERIFY(!form.devsc->Enabled() && form.devsc->Value() == 0);
    f.listPhones({"A", "C", "D", "E"});
    QCOMPARE(captions(), QStringList({"A\t", "D\t", "C\t"}));
    QCOMPARE(form.devicesMore->toolTip(), QStringLiteral("另有 1 台设备没有位置：E"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Pannix 酷安@Tollen 【已连接 4 台设备】"));
    f.listPhones({"C"});
    QCOMPARE(captions(), QStringList({"N/A", "N/A", "C\t"}));
    QVERIFY(form.devtc->Value() == 1 && !form.devtc->Enabled());
    f.listPhones({});
    QCOMPARE(form.windowTitle(), QStringLiteral("未检测到设备!"));
}

// A client that cannot start is told with the system's reason, once per launch.
void TestLauncher::clientsShareTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("clients");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QList<QRect>>("places");
    QTest::newRow("one keeps the client's own") << QRect(0, 0, 1600, 1000) << 1 << QMargins() << QList<QRect> {QRect()};
    QTest::newRow("two on 1600x1000") << QRect(0, 0, 1600, 1000) << 2 << QMargins()
                                      << QList<QRect> {{0, 0, 800, 1000}, {800, 0, 800, 1000}};
    QTest::newRow("three, panel on top, width not divisible") << QRect(0, 32, 1366,
        736) << 3 << QMargins() << QList<QRect> {{0, 32, 455, 736}, {455, 32, 455, 736}, {910, 32, 456, 736}};
    QTest::newRow("second screen, frame kept inside")
        << QRect(1920, 0, 1280, 1024) << 3 << QMargins(2, 30, 2, 2)
        << QList<QRect> {{1922, 30, 422, 992}, {2348, 30, 423, 992}, {2775, 30, 423, 992}};
    QTest::newRow("narrow screen") << QRect(0, 0, 640, 480) << 3 << QMargins()
                                   << QList<QRect> {{0, 0, 213, 480}, {213, 0, 213, 480}, {426, 0, 214, 480}};
}

// Each client in a column of its own: none overlapping another, none leaving the area.
void TestLauncher::clientsShareTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(int, clients);
    QFETCH(QMargins, frame);
    QFETCH(QList<QRect>, places);
    const QList<ClientWindow> windows
        = LaunchCommandBuilder::windows(QVersionNumber(1, 11), QList<ClientPhone>(clients), available, frame);
    QList<QRect> placed;
    for (const ClientWindow& window : windows)
        placed.append(window.place);
    QCOMPARE(placed, places);
}

void TestLauncher::windowWordsFollowTheClientVersion_data()
{
    QTest::addColumn<QByteArray>("version"); // what "scrcpy --version" prints
    QTest::addColumn<QByteArray>("model"); // what the phones answer; empty: they cannot answer
    QTest::addColumn<QStringList>("titles"); // each client's, empty for none
    QTest::addColumn<bool>("placed");
    QTest::addColumn<bool>("oneSound");
    const QByteArray model("Redmi Note 12\n");
    const QStringList titled {"Redmi Note 12 · SER1", "Redmi Note 12 · SER3"};
    const QStringList untitled {"", ""};
    QTest::newRow("1.9") << QByteArray("scrcpy 1.9\n") << model << untitled << false << false;
    QTest::newRow("1.10") << QByteArray("scrcpy 1.10\n") << model << titled << false << false;
    QTest::newRow("1.11") << QByteArray("scrcpy 1.11\n") << model << titled << true << false;
    QTest::newRow("1.14") << QByteArray("scrcpy 1.14\n") << model << titled << true << false;
    QTest::newRow("2.0") << QByteArray("scrcpy 2.0\n") << model << titled << true << true;
    QTest::newRow("4.1") << QByteArray("scrcpy 4.1 <https://github.com/Genymobile/scrcpy>\n") << model << titled << true
                         << true;
    QTest::newRow("4.1, model unknown") << QByteArray("scrcpy 4.1\n") << QByteArray() << QStringList {"SER1", "SER3"}
                                        << true << true;
    QTest::newRow("unknown") << QByteArray("usage: scrcpy [options]\n") << model << untitled << false << false;
}

// Two clients of one launch: each named after its phone, in a place of its own and, but for the
// first, with its sound left on the phone, as far as the client's version knows the words; every
// client told which bridge tool the program uses.
void TestLauncher::windowWordsFollowTheClientVersion()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, model);
    QFETCH(QStringList, titles);
    QFETCH(bool, placed);
    QFETCH(bool, oneSound);
    Fixture f;
    f.outside.answerer = [&](const Outside::ToolStart& start) {
        if (start.words.contains(QStringLiteral("--version")))
            return ToolAnswer::exited(0, version);
        if (start.words.contains(QStringLiteral("ro.product.model")))
            return model.isEmpty() ? ToolAnswer::exited(1, {}, "error: closed\n") : ToolAnswer::exited(0, model);
        return ToolAnswer::exited(0, "Xiaomi\n");
    };
    Launch launch(f);
    f.selectSlots({1, 3});
    f.outside.settle();
    const QString sentence
        = QStringLiteral("多台设备同时投屏时，只有第一台设备的声音在电脑上播放，其余设备的声音仍由手机自己播放。");
    QCOMPARE(Fixture::find<QLabel>(launch.form, "noticeUsb")->text() == sentence, oneSound);
    const QString described = model.isEmpty() ? QStringLiteral("Xiaomi") : QStringLiteral("Xiaomi Redmi Note 12");
    QCOMPARE(launch.form.devfc->toolTip(), described);
    QCOMPARE(launch.form.devfc->accessibleDescription(), described);
    QCOMPARE(launch.form.devfc->Caption(), QStringLiteral("SER1\t"));
    launch.click();
    launch.runTicks();

    QList<QStringList> clients;
    for (const Outside::ToolStart& start : f.outside.starts) {
        if (start.words.first() != QLatin1String("scrcpy"))
            continue;
        clients.append(start.words);
        QCOMPARE(start.environment.value("ADB"), QDir::toNativeSeparators(f.program.toolPath("adb")));
    }
    QCOMPARE(clients.size(), 2);
    QCOMPARE(QStringList({valueAfter(clients[0], "--window-title"), valueAfter(clients[1], "--window-title")}), titles);
    for (const QString option : {"--window-x", "--window-y", "--window-width", "--window-height"})
        QCOMPARE(QList<bool>({!valueAfter(clients[0], option).isEmpty(), !valueAfter(clients[1], option).isEmpty()}),
            QList<bool>(2, placed));
    QVERIFY(!clients[0].contains("--no-audio"));
    QCOMPARE(clients[1].contains("--no-audio"), oneSound);
}

void TestLauncher::moreOptionWordsFollowTheClientVersion_data()
{
    QTest::addColumn<QString>("version");
    for (const char* version : {"1.7", "1.8", "1.10", "1.11", "1.14", "1.18", "2.0", "2.1", "2.2", "2.4", "2.6", "2.7",
             "3.0", "3.1", "3.2", "4.0", "4.1", ""})
        QTest::newRow(*version ? version : "unknown") << QString::fromLatin1(version);
}

// Each option gives its words to the clients that know them, and to no older one.
void TestLauncher::moreOptionWordsFollowTheClientVersion()
{
    QFETCH(QString, version);
    using C = ClientOptions::Choice;
    const struct
    {
        QList<C> made;
        QString typed; // the value of the last choice made
        QStringList words;
        QVersionNumber since;
        QList<C> beside = {}; // what it needs, whose words the client gets as it knows them
    } cases[] {
        {{C::VideoCodecH265}, {}, {"--video-codec=h265"}, {2, 0}},
        {{C::VideoCodecAV1}, {}, {"--video-codec=av1"}, {2, 0}}, {{C::MaxFps}, "60", {"--max-fps=60"}, {1, 11}},
        {{C::SoundOnPhoneOnly}, {}, {"--no-audio"}, {2, 0}},
        {{C::SoundFromMicrophone}, {}, {"--audio-source=mic"}, {2, 1}}, {{C::SoundOnBoth}, {}, {"--audio-dup"}, {2, 6}},
        {{C::PhysicalKeyboard}, {}, {"--keyboard=uhid"}, {2, 4}}, {{C::MouseUhid}, {}, {"--mouse=uhid"}, {2, 4}},
        {{C::GamepadAoa}, {}, {"--gamepad=aoa"}, {2, 7}}, {{C::NewDisplay}, {}, {"--new-display"}, {3, 0}},
        {{C::NewDisplay}, "1080x1920", {"--new-display=1080x1920"}, {3, 0}},
        {{C::StartApp}, "com.android.settings", {"--start-app=com.android.settings"}, {3, 0}},
        {{C::Camera, C::CameraFacingFront}, {}, {"--video-source=camera", "--camera-facing=front"}, {2, 2}},
        {{C::Crop}, "1:1:0:65535", {"--crop=1:1:0:65535"}, {1, 18}}, {{C::Turn180}, {}, {"--orientation=180"}, {2, 4}},
        {{C::StayAwake}, {}, {"--stay-awake"}, {1, 14}}, {{C::PowerOffOnClose}, {}, {"--power-off-on-close"}, {1, 18}},
        {{C::Borderless}, {}, {"--window-borderless"}, {1, 11}}, {{C::NoControl}, {}, {"--no-control"}, {1, 8}},
        {{C::ScreenOffTimeout}, "300", {"--screen-off-timeout=300"}, {3, 0}},
        {{C::KeepActive}, {}, {"--keep-active"}, {4, 0}},
        {{C::CameraTorch, C::CameraZoom}, "2.5", {"--camera-torch", "--camera-zoom=2.5"}, {4, 0}, {C::Camera}},
        {{C::KeepDisplayContent}, {}, {"--no-vd-destroy-content"}, {3, 1}, {C::NewDisplay}},
        {{C::ImeOnDisplay}, {}, {"--display-ime-policy=local"}, {3, 2}, {C::NewDisplay}},
        {{C::FlexDisplay}, {}, {"--flex-display"}, {4, 0}, {C::NewDisplay}},
        {{C::FlexDisplay, C::CameraTorch, C::ImeHidden}, {}, {}, {}}, // without what they need, nothing
    };
    const QVersionNumber client = QVersionNumber::fromString(version);
    for (const auto& row : cases) {
        MoreOptions needed;
        for (const C choice : row.beside)
            needed.choose(choice);
        MoreOptions options = needed;
        for (const C choice : row.made)
            options.choose(choice);
        options.type(row.made.last(), row.typed);
        QStringList given = LaunchCommandBuilder::moreWords(options, client, false);
        for (const QString& word : LaunchCommandBuilder::moreWords(needed, client, false))
            given.removeOne(word);
        const QStringList expected = !client.isNull() && client >= row.since ? row.words : QStringList();
        QCOMPARE(given, expected);
    }
}

namespace {

// A launcher whose client says it is 4.1 (or another version), with the window of more options open.
struct WithOptions
{
    explicit WithOptions(Fixture& f, const QByteArray& version = "scrcpy 4.1 <https://x.test>\n")
        : f(f)
        , asked(clientSays(f, version))
    {
    }
    options& open()
    {
        Fixture::click(Fixture::find<QLabel>(launch.form, "optionsLink"));
        return f.windows.moreOptions();
    }
    void type(const char* field, const QString& text)
    {
        auto* edit = Fixture::find<QLineEdit>(f.windows.moreOptions(), field);
        edit->clear();
        edit->insert(text); // as typed or pasted
    }
    // The words of each client the launch started, after the launcher's own.
    QList<QStringList> launched(std::initializer_list<int> ticked)
    {
        f.selectSlots(ticked);
        f.outside.settle();
        launch.click();
        launch.runTicks();
        QList<QStringList> clients;
        for (const Outside::ToolStart& start : f.outside.starts) {
            if (start.words.value(0) == "scrcpy")
                clients.append(start.words);
        }
        return clients;
    }

    static bool clientSays(Fixture& f, const QByteArray& version)
    {
        f.outside.answerer = [version](const Outside::ToolStart& start) {
            return ToolAnswer::exited(0, start.words.contains("--version") ? version : QByteArray());
        };
        return true;
    }

    Fixture& f;
    bool asked; // before the launcher shows and asks
    Launch launch {f};
};

} // namespace

void TestLauncher::moreOptionsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("word"); // the one the launch gives for the choice, or empty when refused
    // Each refusal names the field, what is at fault in it, and what it should be.
    const auto rate = [](const char* fault) {
        return QStringLiteral("“最高帧率”：%1。应为 1 到 240 之间的整数，本次启动不限制帧率！").arg(fault);
    };
    const auto size = [](const char* fault) {
        return QStringLiteral("“虚拟显示器尺寸”：%1。应为 宽x高（例如 1080x1920），宽和高都在 64 到 8192 之间，"
                              "本次启动使用默认尺寸！")
            .arg(fault);
    };
    const auto app = [](const char* fault) {
        return QStringLiteral("“启动应用”：%1。应为 安卓应用的包名（例如 com.android.settings），本次启动不打开应用！")
            .arg(fault);
    };
    const auto crop = [](const char* fault) {
        return QStringLiteral("“裁剪画面”：%1。应为 宽:高:X:Y（例如 1080:1200:0:0），都是 0 到 65535 之间的整数，"
                              "宽和高至少为 1，本次启动不裁剪！")
            .arg(fault);
    };
    const struct
    {
        const char* field;
        const char* typed;
        QString told;
        const char* word;
    } rows[] {
        {"maxFps", "0", rate("0 小于 1"), ""},
        {"maxFps", "1", {}, "--max-fps=1"},
        {"maxFps", "240", {}, "--max-fps=240"},
        {"maxFps", "241", rate("241 大于 240"), ""},
        {"maxFps", "99999999999", rate("99999999999 大于 240"), ""},
        {"maxFps", "abc", rate("“a”不能用在这里"), ""},
        {"maxFps", "6.5", rate("“.”不能用在这里"), ""},
        {"maxFps", " 30 ", {}, "--max-fps=30"},
        {"maxFps", "３０", {}, "--max-fps=30"},
        {"maxFps", "060", {}, "--max-fps=60"},
        {"displaySize", "64x8192", {}, "--new-display=64x8192"},
        {"displaySize", "63x100", size("63 小于 64"), "--new-display"},
        {"displaySize", "100x8193", size("8193 大于 8192"), "--new-display"},
        {"displaySize", "1080×1920", {}, "--new-display=1080x1920"},
        {"displaySize", "1080X1920", {}, "--new-display=1080x1920"},
        {"displaySize", "1080*1920", {}, "--new-display=1080x1920"},
        {"displaySize", " １０８０ x １９２０ ", {}, "--new-display=1080x1920"},
        {"displaySize", "1080x", size("少了一个数"), "--new-display"},
        {"displaySize", "1080x1920x3", size("应有 2 个数，这里有 3 个"), "--new-display"},
        {"startApp", "com", app("包名至少有两段，以“.”分开"), ""},
        {"startApp", "1com.x", app("“1com”不是包名的一段：每段以字母开头"), ""},
        {"startApp", "../x", app("“/”不能用在这里"), ""},
        {"startApp", "a_1.b2", {}, "--start-app=a_1.b2"},
        {"startApp", " com.a.b ", {}, "--start-app=com.a.b"},
        {"crop", "1:1:0:0", {}, "--crop=1:1:0:0"},
        {"crop", "65535:65535:65535:65535", {}, "--crop=65535:65535:65535:65535"},
        {"crop", "1920：1080：0：0", {}, "--crop=1920:1080:0:0"},
        {"crop", "1920 : 1080 : 0 : 0", {}, "--crop=1920:1080:0:0"},
        {"crop", "01:1:0:0", {}, "--crop=1:1:0:0"},
        {"crop", "0:1:0:0", crop("0 小于 1"), ""},
        {"crop", "1:0:0:0", crop("0 小于 1"), ""},
        {"crop", "1:1:0:65536", crop("65536 大于 65535"), ""},
        {"crop", "1:1:-1:0", crop("“-”不能用在这里"), ""},
        {"crop", "1:1:0", crop("应有 4 个数，这里有 3 个"), ""},
        {"crop", "1x1:0:0", crop("应有 4 个数，这里有 3 个"), ""},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1 '%2'").arg(row.field, row.typed)))
            << row.field << row.typed << row.told << row.word;
    QTest::newRow("control character") << "startApp"
                                       << "com.x\nother"
                                       << "“启动应用”中含有控制字符（如空字符、制表符或换行），请删除后重试！"
                                       << "";
}

// A refused choice is told before anything starts, naming its field, and the launch goes on without it.
void TestLauncher::moreOptionsRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    QFETCH(QString, word);
    Fixture f;
    WithOptions w(f);
    options& window = w.open();
    if (field == "displaySize")
        Fixture::click(Fixture::find<QWidget>(window, "newDisplay"));
    w.type(qPrintable(field), typed);
    Fixture::click(Fixture::find<QWidget>(window, "stayAwake")); // a choice that is never refused
    const QList<QStringList> clients = w.launched({1});
    QCOMPARE(f.outside.messageTexts(), told.isEmpty() ? QStringList() : QStringList {told});
    QCOMPARE(clients.size(), 1);
    const QStringList base {"scrcpy", "-s", "SER1", "-m", "0", "-b", "8M", "--always-on-top", "--window-title", "SER1"};
    QCOMPARE(clients[0], base + (word.isEmpty() ? QStringList() : QStringList {word}) + QStringList {"--stay-awake"});
}

void TestLauncher::soundOfSeveralPhones_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("first");
    QTest::newRow("电脑播放") << "soundComputer" << QStringList();
    QTest::newRow("仍在手机播放") << "soundPhone" << QStringList {"--no-audio"};
    QTest::newRow("电脑和手机同时播放") << "soundBoth" << QStringList {"--audio-dup"};
    QTest::newRow("麦克风") << "soundMic" << QStringList {"--audio-source=mic"};
}

// The chosen sound goes to the first phone in slot order; the others keep theirs on the phone.
void TestLauncher::soundOfSeveralPhones()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, first);
    Fixture f;
    WithOptions w(f);
    Fixture::click(Fixture::find<QWidget>(w.open(), qPrintable(choice)));
    const QList<QStringList> clients = w.launched({2, 3});
    QCOMPARE(clients.size(), 2);
    const auto soundWords = [](const QStringList& words) {
        QStringList sound;
        for (const QString& word : words) {
            if (word == "--no-audio" || word == "--audio-dup" || word.startsWith("--audio-source"))
                sound << word;
        }
        return sound;
    };
    QCOMPARE(soundWords(clients[0]), first);
    QCOMPARE(soundWords(clients[1]), QStringList {"--no-audio"});
}

// A settings file damaged or edited by hand: what a launch would refuse is its default, what it would
// take is kept; "恢复默认" puts every choice back, in the file too.
void TestLauncher::damagedSettingsAreNeverUsed()
{
    Fixture f;
    {
        const auto settings = Remembered::settings();
        for (const auto& [key, value] : {std::pair {"options/codec", "h266"}, {"options/sound", "both"},
                 {"options/maxFps", "0"}, {"options/displaySize", "10x10"}, {"options/startApp", "../x"},
                 {"options/newDisplay", "true"}, {"options/camera", "true"}, {"options/stayAwake", "yes"},
                 {"options/borderless", "true"}, {"options/cameraFacing", "up"}})
            settings->setValue(key, value);
    }
    options& window = WithOptions(f).open();
    MoreOptions kept;
    // The camera beside a virtual display: refused at a launch by the clients that receive both.
    for (const auto choice : {ClientOptions::Choice::SoundOnBoth, ClientOptions::Choice::NewDisplay,
             ClientOptions::Choice::Camera, ClientOptions::Choice::Borderless})
        kept.choose(choice);
    QVERIFY(window.choices() == kept);
    QVERIFY(Fixture::find<OptionButton>(window, "soundBoth")->Value());
    QVERIFY(Fixture::find<QLineEdit>(window, "maxFps")->text().isEmpty());
    Fixture::click(Fixture::find<QWidget>(window, "restoreDefaults"));
    QVERIFY(window.choices() == MoreOptions());
    QVERIFY(MoreOptions::read(*Remembered::settings()) == MoreOptions());
    QCOMPARE(Fixture::find<CheckButton>(window, "borderless")->Value(), 0);
}

// Before its version is known nothing is greyed and the window says why nothing applies yet; then
// what the client does not know is greyed, naming the version it needs.
void TestLauncher::optionsTheClientDoesNotKnowAreGreyed()
{
    Fixture f;
    f.outside.holdAnswers = true;
    Form1& form = f.launcher();
    form.show(); // asks the client its version
    Fixture::click(Fixture::find<QLabel>(form, "optionsLink"));
    options& window = f.windows.moreOptions();
    auto* both = Fixture::find<QWidget>(window, "soundBoth");
    QVERIFY(both->isEnabled());
    QVERIFY(
        Fixture::find<QLabel>(window, "versionNote")->text().startsWith(QStringLiteral("投屏客户端的版本尚未知道")));
    qsizetype query = 0;
    while (query < f.outside.pending.size() && !f.outside.pending[query].start.words.contains("--version"))
        ++query;
    QVERIFY(query < f.outside.pending.size());
    f.outside.answer(int(query), ToolAnswer::exited(0, "scrcpy 2.5\n"));
    QTRY_VERIFY(!both->isEnabled());
    QCOMPARE(both->toolTip(), QStringLiteral("需要 scrcpy 2.6 或更高版本"));
    QVERIFY(Fixture::find<QWidget>(window, "keyboardPhysical")->isEnabled()); // 2.4
    QVERIFY(!Fixture::find<QWidget>(window, "startApp")->isEnabled()); // 3.0
    f.listPhones({"SER1"});
    QVERIFY(!Fixture::find<QWidget>(window, "chooseApp")->isEnabled()); // a phone there, but not the field it fills
    QVERIFY(Fixture::find<QWidget>(window, "turn90")->isEnabled()); // 2.4
}

void TestLauncher::choicesTheClientRefusesAreGreyed_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("why"); // its tooltip, empty while it can be chosen
    const struct
    {
        const char *row, *version;
        QStringList clicked;
        const char *control, *why;
    } rows[] {
        {"view only greys stay awake", "4.1", {"noControl"}, "stayAwake", "“只看不控”时不能“保持唤醒”"},
        {"and back when undone", "4.1", {"noControl", "noControl"}, "stayAwake", ""},
        {"stay awake greys view only", "4.1", {"stayAwake"}, "noControl", "“只看不控”时不能“保持唤醒”"},
        {"1.21 view only, lock", "1.21", {"noControl"}, "powerOffOnClose", ""},
        {"1.22 view only, lock", "1.22", {"noControl"}, "powerOffOnClose", "“只看不控”时不能“关闭窗口时锁屏”"},
        {"3.3.4 camera, app", "3.3.4", {"camera"}, "startApp",
            "scrcpy 4.0 之前，“摄像头画面”时不能“启动应用”（手机不受控制）"},
        {"4.0 camera, app", "4.0", {"camera"}, "startApp", ""},
        {"camera, both sides", "4.1", {"camera"}, "soundBoth",
            "“摄像头画面”时声音来自麦克风，不能“电脑和手机同时播放”"},
        {"2.6 camera, both sides", "2.6", {"camera"}, "soundBoth",
            "“摄像头画面”时声音来自麦克风，不能“电脑和手机同时播放”"},
        {"virtual display, camera", "4.1", {"newDisplay"}, "facingFront", "“摄像头画面”与“虚拟显示器”不能同时使用"},
        {"1.25 no sound", "1.25", {}, "soundComputer", "需要 scrcpy 2.0 或更高版本"},
        {"2.0 sound", "2.0", {}, "soundComputer", ""},
        {"1.10 frame rate", "1.10", {}, "maxFps", "需要 scrcpy 1.11 或更高版本"},
        {"1.11 borderless", "1.11", {}, "borderless", ""},
        {"1.7 view only", "1.7", {}, "noControl", "需要 scrcpy 1.8 或更高版本"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.row) << "scrcpy " + QByteArray(r.version) + "\n" << r.clicked << r.control << r.why;
}

// A control the installed client would refuse, by its version or beside a choice already made, is
// greyed and says why; the choice made stays open to be undone.
void TestLauncher::choicesTheClientRefusesAreGreyed()
{
    QFETCH(QByteArray, version);
    QFETCH(QStringList, clicked);
    QFETCH(QString, control);
    QFETCH(QString, why);
    Fixture f;
    WithOptions w(f, version);
    options& window = w.open();
    for (const QString& name : clicked)
        Fixture::click(Fixture::find<QWidget>(window, qPrintable(name)));
    auto* target = Fixture::find<QWidget>(window, qPrintable(control));
    QCOMPARE(target->toolTip(), why);
    QCOMPARE(target->isEnabled(), why.isEmpty());
    for (const QString& name : clicked)
        QVERIFY(Fixture::find<QWidget>(window, qPrintable(name))->isEnabled());
}

void TestLauncher::pairsTheClientRefusesAreToldAtLaunch_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("launcherBox"); // ticked in the launcher, or empty
    QTest::addColumn<QStringList>("remembered"); // the more options kept from an earlier run
    QTest::addColumn<QString>("told");
    QTest::addColumn<QStringList>("words"); // the client's, after the launcher's own
    const QStringList camera {"--video-source=camera", "--camera-facing=back"};
    QTest::newRow("screen off, view only")
        << QByteArray("scrcpy 4.1\n") << "HP" << QStringList {"noControl"}
        << "“只看不控”时不能“黑屏启动”，本次启动不使用“黑屏启动”！" << QStringList {"--no-control"};
    QTest::newRow("3.3.4 touches, camera")
        << QByteArray("scrcpy 3.3.4\n") << "ST" << QStringList {"camera"}
        << "scrcpy 4.0 之前，“摄像头画面”时不能“显示触摸”（手机不受控制），本次启动不使用“显示触摸”！" << camera;
    QTest::newRow("4.1 camera, display") << QByteArray("scrcpy 4.1\n") << "" << QStringList {"camera", "newDisplay"}
                                         << "“摄像头画面”与“虚拟显示器”不能同时使用，本次启动不使用“摄像头画面”！"
                                         << QStringList {"--new-display"};
}

// A launcher choice beside a remembered option that the client refuses together is told before
// anything starts, in one message naming both; the launch goes on without the one that needs what
// the other turns off.
void TestLauncher::pairsTheClientRefusesAreToldAtLaunch()
{
    QFETCH(QByteArray, version);
    QFETCH(QString, launcherBox);
    QFETCH(QStringList, remembered);
    QFETCH(QString, told);
    QFETCH(QStringList, words);
    Fixture f;
    {
        const auto settings = Remembered::settings();
        for (const QString& key : remembered)
            settings->setValue("options/" + key, true);
    }
    WithOptions w(f, version);
    if (!launcherBox.isEmpty())
        Fixture::find<CheckButton>(w.launch.form, qPrintable(launcherBox))->setValue(1);
    const QList<QStringList> clients = w.launched({1});
    QCOMPARE(f.outside.messageTexts(), told.isEmpty() ? QStringList() : QStringList {told});
    QCOMPARE(clients.size(), 1);
    QStringList flags = clients[0].mid(clients[0].indexOf("--always-on-top") + 1);
    flags.removeAll("--window-title");
    flags.removeAll("SER1");
    QCOMPARE(flags, words);
}

namespace {

// The page of the window of more options for a phone ("" for every phone's), chosen with the keys.
void choosePage(options& window, const QString& phone)
{
    auto* pages = Fixture::find<QComboBox>(window, "editedPhone");
    QTest::keyClick(pages, Qt::Key_Home);
    for (int at = pages->findText(phone.isEmpty() ? QStringLiteral("所有手机") : phone); at > 0; --at)
        QTest::keyClick(pages, Qt::Key_Down);
}

} // namespace

void TestLauncher::eachPhoneItsOwnOptions_data()
{
    QTest::addColumn<QStringList>("steps"); // in the window of more options, in this order
    QTest::addColumn<QStringList>("words"); // each phone's more options at a launch of all three
    QTest::addColumn<QString>("marked"); // what each slot's mark sums up, "|" between slots
    QTest::addColumn<QStringList>("told");
    const QString awake = "--stay-awake", camera = "--video-source=camera --camera-facing=back";
    const QString rate = "“最高帧率”：0 小于 1。应为 1 到 240 之间的整数，本次启动不限制帧率！";
    QTest::newRow("shared only") << QStringList {"click stayAwake"} << QStringList {awake, awake, awake} << "||"
                                 << QStringList();
    const QString turned = "旋转 90°（所有手机：不旋转）";
    QTest::newRow("a phone with its own")
        << QStringList {"click stayAwake", "page SER2", "click turn90"}
        << QStringList {awake, "--orientation=90 " + awake, awake} << "|" + turned + "|" << QStringList();
    QTest::newRow("a shared change after a phone's own reaches it")
        << QStringList {"page SER2", "click turn90", "page all", "click stayAwake"}
        << QStringList {awake, "--orientation=90 " + awake, awake} << "|" + turned + "|" << QStringList();
    QTest::newRow("three phones, one with its own camera")
        << QStringList {"page SER3", "click camera"} << QStringList {"", "", camera}
        << "||摄像头画面：选中（所有手机：未选）" << QStringList();
    QTest::newRow("its own after a restart")
        << QStringList {"page SER1", "click borderless", "restart"} << QStringList {"--window-borderless", "", ""}
        << "无边框窗口：选中（所有手机：未选）||" << QStringList();
    QTest::newRow("恢复默认 on its page") << QStringList {"click stayAwake", "page SER2", "click camera", "restore"}
                                          << QStringList {awake, awake, awake} << "||" << QStringList();
    QTest::newRow("its own as the shared") << QStringList {"page SER2", "click camera", "click camera"}
                                           << QStringList {"", "", ""} << "||" << QStringList();
    QTest::newRow("its own refused, named")
        << QStringList {"page SER2", "type maxFps 0"} << QStringList {"", "", ""} << "|最高帧率：0（所有手机：未填）|"
        << QStringList {"SER2 的选项：" + rate};
    QTest::newRow("a Wi-Fi phone by its serial number, whatever its port")
        << QStringList {"serialno 192.168.1.23:5555 R58M", "phones SER1 192.168.1.23:5555 SER3",
               "page 192.168.1.23:5555", "click stayAwake", "restart", "serialno 192.168.1.23:41234 R58M",
               "phones SER1 192.168.1.23:41234 SER3"}
        << QStringList {"", awake, ""} << "|保持唤醒：选中（所有手机：未选）|" << QStringList();
    // Emulators cloned from one image, on one computer: one serial number, three phones.
    QTest::newRow("three phones on one address, each its own")
        << QStringList {"serialno 127.0.0.1:6555 EMU", "serialno 127.0.0.1:6557 EMU", "serialno 127.0.0.1:6559 EMU",
               "phones 127.0.0.1:6555 127.0.0.1:6557 127.0.0.1:6559", "page 127.0.0.1:6557", "click camera",
               "page 127.0.0.1:6559", "click noControl"}
        << QStringList {"", camera, "--no-control"}
        << "|摄像头画面：选中（所有手机：未选）|只看不控：选中（所有手机：未选）" << QStringList();
    QTest::newRow("its page open while it drops: the clicks are still its own")
        << QStringList {"phones 192.168.1.23:5555 SER2 SER3", "page 192.168.1.23:5555", "phones SER2 SER3",
               "click stayAwake", "phones 192.168.1.23:5555 SER2 SER3"}
        << QStringList {awake, "", ""} << "保持唤醒：选中（所有手机：未选）||" << QStringList();
    QTest::newRow("kept by an earlier run under its address, moved")
        << QStringList {"earlier phones/192.168.1.23 turn 90", "serialno 192.168.1.23:5555 R58M",
               "phones SER1 192.168.1.23:5555 SER3", "gone phones/192.168.1.23"}
        << QStringList {"", "--orientation=90", ""} << "|" + turned + "|" << QStringList();
    QTest::newRow("the shared refused, told once")
        << QStringList {"type maxFps 0"} << QStringList {"", "", ""} << "||" << QStringList {rate};
}

// A phone's own more options reach its client alone, are kept across a restart and dropped by
// "恢复默认" on its page; the launcher marks the phones whose own differ from the shared ones.
void TestLauncher::eachPhoneItsOwnOptions()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, words);
    QFETCH(QString, marked);
    QFETCH(QStringList, told);
    std::optional<Fixture> f(std::in_place);
    std::optional<WithOptions> w(std::in_place, *f);
    f->selectSlots({1, 2, 3});
    for (const QString& step : steps) {
        const QStringList part = step.split(' ');
        if (part[0] == "restart") {
            w.reset();
            f.reset();
            f.emplace(QStringList {QStringLiteral("adb")}, true);
            w.emplace(*f);
            f->selectSlots({1, 2, 3});
        } else if (part[0] == "phones") {
            f->listPhones(part.mid(1));
            f->outside.settle(); // each phone tells who it is
        } else if (part[0] == "serialno")
            f->outside.serialNumbers[part[1]] = part[2];
        else if (part[0] == "earlier")
            Remembered::settings()->setValue(part[1] + "/options/" + part[2], part[3]);
        else if (part[0] == "gone")
            QCOMPARE(Remembered::settings()->value(part[1] + "/options/turn"), QVariant());
        else if (part[0] == "page")
            choosePage(w->open(), part[1] == "all" ? QString() : part[1]);
        else if (part[0] == "type")
            w->type(qPrintable(part[1]), part[2]);
        else
            Fixture::click(
                Fixture::find<QWidget>(w->open(), part[0] == "restore" ? "restoreDefaults" : qPrintable(part[1])));
    }
    QStringList marks;
    for (const char* name : {"devfOwn", "devsOwn", "devtOwn"}) {
        auto* mark = Fixture::find<QLabel>(w->launch.form, name);
        marks << (mark->isVisibleTo(&w->launch.form)
                ? mark->toolTip().remove("这台手机有自己的投屏选项：\n").replace('\n', "、")
                : "");
    }
    QCOMPARE(marks.join('|'), marked);
    for (int slot = 1; slot <= 3; ++slot)
        f->tick(slot, true);
    f->outside.clear();
    w->launch.click();
    w->launch.runTicks();
    QCOMPARE(f->outside.messageTexts(), told);
    QStringList more;
    for (const Outside::ToolStart& start : f->outside.starts) {
        QStringList own = start.words.mid(start.words.indexOf("--window-height") + 2);
        own.removeAll("--no-audio");
        more << own.join(' ');
    }
    QCOMPARE(more, words);
}

void TestLauncher::appsListedByThePhone_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("outcome"); // how the tool ended: exited with this status, or -1 timed out
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("told"); // the start of the message, or empty
    const QStringList client {"scrcpy", "-s", "SER1", "--list-apps"};
    const QStringList bridge {"adb", "-s", "SER2", "shell", "pm", "list", "packages", "-3"};
    const QByteArray clientList = "scrcpy 3.0 <https://github.com/Genymobile/scrcpy>\n"
                                  "INFO: ADB device found:\n"
                                  "INFO:     -->   (usb)  SER1    device  Pixel_7\n"
                                  "[server] INFO: Device: [Google] google Pixel 7 (Android 14)\n"
                                  "[server] INFO: List of apps:\n"
                                  " * Calculator                     com.google.android.calculator\n"
                                  " - Notes & Lists                  com.example.notes\n"
                                  " - A name too long for the column of names\n"
                                  "                                  org.example.longname\n";
    const QString refused = "scrcpy 的回答不是 SER1 的应用列表";
    QTest::newRow("client 3.0") << QByteArray("scrcpy 3.0\n") << "" << client << clientList << 0
                                << QStringList {"A name too long for the column of names（org.example.longname）",
                                       "Calculator（com.google.android.calculator）",
                                       "Notes & Lists（com.example.notes）"}
                                << "";
    QTest::newRow("bridge, client unknown, SER2's page")
        << QByteArray() << "SER2" << bridge << QByteArray("package:org.videolan.vlc\r\npackage:com.example.notes\r\n")
        << 0 << QStringList {"com.example.notes", "org.videolan.vlc"} << "";
    QTest::newRow("client: no heading") << QByteArray("scrcpy 4.1\n") << "" << client
                                        << QByteArray("<html><body>Notes com.example.notes</body></html>\n") << 0
                                        << QStringList() << refused;
    QTest::newRow("client: a stray line") << QByteArray("scrcpy 4.1\n") << "" << client << clientList + "rm -rf /\n"
                                          << 0 << QStringList() << refused;
    QTest::newRow("client: ended 1") << QByteArray("scrcpy 4.1\n") << "" << client << clientList << 1 << QStringList()
                                     << refused;
    QTest::newRow("bridge: garbage") << QByteArray() << "SER2" << bridge
                                     << QByteArray("Error: java.lang.SecurityException\npackage:com.x.y\n") << 0
                                     << QStringList() << "adb 的回答不是 SER2 的应用列表";
    QTest::newRow("timed out") << QByteArray("scrcpy 4.1\n") << "" << client << QByteArray() << -1 << QStringList()
                               << "scrcpy 在 15 秒内没有列出 SER1 的应用";
}

// "选择…" lists the page's phone's apps (the first phone's on the shared page) with the command its
// client allows, within the tools' 15 s; typing narrows the list and a choice fills the field. An
// answer of another shape is refused in a message and nothing of it is shown.
void TestLauncher::appsListedByThePhone()
{
    QFETCH(QByteArray, version);
    QFETCH(QString, page);
    QFETCH(QStringList, command);
    QFETCH(QByteArray, output);
    QFETCH(int, outcome);
    QFETCH(QStringList, listed);
    QFETCH(QString, told);
    Fixture f;
    WithOptions w(f, version);
    f.outside.answerer = [&](const Outside::ToolStart& start) {
        if (start.words.contains("--version"))
            return ToolAnswer::exited(0, version);
        return outcome < 0 ? ToolAnswer::failed(ToolAnswer::Outcome::TimedOut) : ToolAnswer::exited(outcome, output);
    };
    f.selectSlots({1, 2, 3});
    options& window = w.open();
    choosePage(window, page);
    f.outside.clear();
    Fixture::click(Fixture::find<QWidget>(window, "chooseApp"));
    f.outside.settle();
    QCOMPARE(f.outside.starts.size(), 1);
    QCOMPARE(f.outside.starts[0].words, command);
    QCOMPARE(f.outside.starts[0].timeLimitMs, 15000);
    QCOMPARE(f.outside.starts[0].environment.contains("ADB"), command[0] == "scrcpy");
    QCOMPARE(f.outside.messageTexts().size(), told.isEmpty() ? 0 : 1);
    QCOMPARE(f.outside.messageTexts().value(0).left(told.size()), told); // the answer itself never shown
    auto* list = Fixture::find<QListWidget>(f.windows.appPicker(), "appList");
    const auto shown = [list] {
        QList<QListWidgetItem*> items;
        for (int row = 0; row < list->count(); ++row)
            items << (list->item(row)->isHidden() ? nullptr : list->item(row));
        items.removeAll(nullptr);
        return items;
    };
    QStringList texts;
    for (const QListWidgetItem* item : shown())
        texts << item->text();
    QCOMPARE(texts, listed);
    if (listed.isEmpty())
        return;
    QTest::keyClicks(Fixture::find<QLineEdit>(f.windows.appPicker(), "appFilter"), "NOTES");
    QCOMPARE(shown().size(), 1);
    list->setCurrentItem(shown()[0]);
    Fixture::click(Fixture::find<QWidget>(f.windows.appPicker(), "appChoose"));
    QCOMPARE(Fixture::find<QLineEdit>(window, "startApp")->text(), "com.example.notes");
    QCOMPARE(window.choices().typed(ClientOptions::Choice::StartApp), "com.example.notes");
}

void TestLauncher::mirrorReopensWhenItsPhoneReturns_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("phone"); // the phones launched, a blank between two
    QTest::addColumn<QString>("backAs"); // the name each comes back under
    QTest::addColumn<bool>("endsFirst"); // the client's end is the first to say so (adb 29's tracking is silent)
    QTest::addColumn<int>("reopened"); // 1 opened again, 2 tried but the client could not start, 0 not
    const QString wifi = QStringLiteral("192.168.1.5:5555");
    const QByteArray v41("scrcpy 4.1\n");
    QTest::newRow("4.1, device disconnected") << v41 << 2 << wifi << wifi << false << 1;
    QTest::newRow("1.24, device disconnected") << QByteArray("scrcpy 1.24\n") << 2 << wifi << wifi << false << 1;
    QTest::newRow("client ends before the list says") << v41 << 2 << wifi << wifi << true << 1;
    QTest::newRow("cable phone plugged in again") << v41 << 2 << "SER1"
                                                  << "SER1" << true << 1;
    QTest::newRow("back at a new port") << v41 << 2 << wifi << "192.168.1.5:40001" << false << 1;
    QTest::newRow("two back at once, both named")
        << v41 << 2 << wifi + " 192.168.1.6:5555" << wifi + " 192.168.1.6:5555" << false << 1;
    QTest::newRow("back, its client cannot start") << v41 << 2 << wifi << wifi << false << 2;
    QTest::newRow("1.23, status 2") << QByteArray("scrcpy 1.23\n") << 2 << wifi << wifi << false << 0;
    QTest::newRow("window closed") << v41 << 0 << wifi << wifi << false << 0;
    QTest::newRow("could not start") << v41 << 1 << wifi << wifi << false << 0;
}

// A client that ended with "Device disconnected" starts again with the same words, its phone's name as
// it is listed now, once its phone, seen gone since, is listed ready again, once per return; any other
// end leaves it closed. The status line names every mirror opened again.
void TestLauncher::mirrorReopensWhenItsPhoneReturns()
{
    QFETCH(QByteArray, version);
    QFETCH(int, status);
    QFETCH(QString, phone);
    QFETCH(QString, backAs);
    QFETCH(bool, endsFirst);
    QFETCH(int, reopened);
    const QStringList phones = phone.split(' '), back = backAs.split(' ');
    Fixture f;
    f.outside.answerer = [&version](const Outside::ToolStart& start) {
        return ToolAnswer::exited(0, start.words.contains("--version") ? version : QByteArray());
    };
    for (qsizetype i = 0; i < phones.size(); ++i)
        f.outside.serialNumbers[phones[i]] = f.outside.serialNumbers[back[i]] = QStringLiteral("R%1").arg(i);
    Launch launch(f);
    f.listPhones(phones);
    f.outside.settle();
    for (int slot = 1; slot <= phones.size(); ++slot)
        f.tick(slot, true);
    launch.click();
    launch.runTicks();
    const QStringList launched = launch.clientLines();
    QCOMPARE(launched.size(), phones.size());
    // Listed as the tracking lists it; what starts meanwhile stays on record.
    const auto list = [&f](const QStringList& names) {
        QList<DeviceList::Entry> listed;
        for (const QString& name : names)
            listed.append({name, QStringLiteral("\t"), QStringLiteral("device")});
        f.windows.state().devices().setListed(listed);
        f.outside.settle(); // each phone tells who it is
    };
    if (endsFirst)
        f.outside.endClient(0, status);
    list({}); // the phone drops: a Wi-Fi phone's slot shows it away
    if (phone.contains(':'))
        QCOMPARE(launch.form.devfc->toolTip(), QStringLiteral("连接已断开，正在等待重新连接…"));
    if (!endsFirst) {
        for (int client = 0; client < phones.size(); ++client)
            f.outside.endClient(client, status);
    }
    if (reopened == 2)
        f.outside.startProblem = QStringLiteral("拒绝访问。");
    list(back); // and comes back
    QStringList again = launched;
    for (qsizetype i = 0; i < phones.size(); ++i)
        again[i].replace(phones[i], back[i]);
    again.sort(); // opened again in the phones' order
    const QStringList expected = reopened ? launched + again : launched;
    QCOMPARE(launch.clientLines(), expected);
    const QString told = reopened == 2 ? back[0] + QStringLiteral(" 已重新连接，但投屏未能重新打开：拒绝访问。")
        : reopened ? back.join("、") + QStringLiteral(" 已重新连接，投屏已重新打开。")
                   : QString();
    QCOMPARE(Fixture::find<QLabel>(launch.form, "launchStatus")->toolTip(), told);
    list({}); // once per return: a mirror still open is not opened again
    list(back);
    QCOMPARE(launch.clientLines(), expected);
}

void TestLauncher::clientThatCannotStartIsToldWhy_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("told");
    // Found nowhere: the tools window offers it instead of a message.
    QTest::newRow("missing") << "missing" << QString();
    QTest::newRow("not executable") << "plain file"
                                    << "不是可以运行的程序";
    QTest::newRow("log folder unwritable") << "no log folder"
                                           << "无法写入它的记录文件";
}

void TestLauncher::clientThatCannotStartIsToldWhy()
{
    QFETCH(QString, setUp);
    QFETCH(QString, told);
    Fixture f;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(f.program.folder()));
    const QString logFolder = Paths::cacheFolder() + QStringLiteral("/clients");
    if (setUp == QLatin1String("plain file"))
        f.program.write(QFileInfo(f.program.toolPath(QStringLiteral("scrcpy"))).fileName(), "not a program");
#ifdef Q_OS_WIN
    // Windows takes any scrcpy.exe for a program and says why it cannot start it; its path is named.
    if (setUp == QLatin1String("plain file"))
        told = QDir::toNativeSeparators(f.program.toolPath(QStringLiteral("scrcpy")));
#endif
    if (setUp == QLatin1String("no log folder")) {
        f.program.addTool(QStringLiteral("scrcpy"));
        QDir(logFolder).removeRecursively();
        QVERIFY(QFile(logFolder).open(QIODevice::WriteOnly)); // a file where the logs' folder belongs
    }
    f.outside.forwardTools = true;
    Launch launch(f);
    f.selectSlots({1, 2, 3});
    launch.click();
    launch.runTicks();
    qputenv("PATH", path);
    QFile::remove(logFolder);
    QCOMPARE(f.windows.toolsWindow().isVisible(), told.isEmpty());
    if (told.isEmpty()) {
        QVERIFY(f.outside.messages.isEmpty());
        return;
    }
    QTRY_VERIFY(!f.outside.messages.isEmpty()); // the system may say so once the start has returned
    QTest::qWait(50);
    QCOMPARE(f.outside.messages.size(), 1); // once for the launch, not once per client
    QVERIFY2(f.outside.messages[0].text.startsWith(QStringLiteral("无法启动 scrcpy！\r\n"))
            && f.outside.messages[0].text.contains(told),
        qPrintable(f.outside.messages[0].text));
}

void TestLauncher::fullscreenHintOnEveryClick()
{
    Fixture f;
    Launch launch(f);
    Fixture::click(launch.form.fulls);
    QCOMPARE(launch.form.fulls->Value(), 1);
    Fixture::click(launch.form.fulls);
    QCOMPARE(launch.form.fulls->Value(), 0);
    // The recorder's client gave no version, so the hint names the key of today's clients.
    QCOMPARE(f.outside.messageTexts(), QStringList(2, QStringLiteral("按Alt+f可退出(切换)全屏！")));
    QCOMPARE(f.outside.messages[1].icon, Outside::Icon::Warning);
    QCOMPARE(f.outside.messages[1].title, QStringLiteral("警告！"));
    launch.form.fulls->setValue(1); // from code: no hint
    QCOMPARE(f.outside.messages.size(), 2);
}

void TestLauncher::helpOpensPageOnSelectedPhones()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1, 3});
    const QString tail = QStringLiteral(" shell am start -a android.intent.action.VIEW -d ")
        + Deployment::values().helpPage + QStringLiteral(" -p ") + Deployment::values().appStorePackage;
    Fixture::click(launch.form.helpp);
    // Before any launch, each ticked phone is still addressed by its serial.
    QCOMPARE(f.outside.lines(), QStringList({"adb -s SER1" + tail, "adb -s SER3" + tail}));
    QVERIFY(!f.windows.hasAbout()); // the field is the program's: no window is built to reach it
    QCOMPARE(f.windows.about().Text1, QStringLiteral("adb  -s SER3\t") + tail);
    QCOMPARE(launch.form.INTERTEXT, QStringLiteral("Text1")); // the about window's field carries these lines

    launch.click();
    launch.runTicks();
    f.outside.clear();
    Fixture::click(launch.form.helpp);
    QCOMPARE(
        f.outside.lines(), QStringList({QStringLiteral("adb -s SER1") + tail, QStringLiteral("adb -s SER3") + tail}));
    QCOMPARE(f.windows.about().Text1, QStringLiteral("adb  -s SER3\t") + tail);
}

void TestLauncher::sideButtonsShowWindows()
{
    Fixture f;
    Launch launch(f);
    Fixture::click(launch.form.N_Shape1hjj);
    QVERIFY(f.windows.shortcutKeys().isVisible());
    QCOMPARE(f.windows.shortcutKeys().windowTitle(), QStringLiteral("Shortcut Keys"));
    Fixture::click(launch.form.N_Shape1about);
    QVERIFY(f.windows.about().isVisible());
    QCOMPARE(f.windows.about().windowTitle(), QStringLiteral("关于"));
    QVERIFY(launch.form.isVisible());
}

void TestLauncher::closingLauncherEndsProgram()
{
    Fixture f;
    Launch launch(f);
    launch.form.close();
    QCOMPARE(f.outside.programEnds, 1);
}

void TestLauncher::recordNameHoldingAPathIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    const QString path = QStringLiteral("录屏文件名不能含有路径（“/”、“\\”或“..”）！");
    QTest::newRow("parent") << "../x" << path;
    QTest::newRow("sub-folder") << "a/b" << path;
    QTest::newRow("absolute") << "/srv/x" << path;
    QTest::newRow("backslash") << "..\\..\\x" << path;
    QTest::newRow("two dots alone") << "a..b" << path;
    QTest::newRow("backslash alone") << "a\\b" << path;
#ifdef Q_OS_WIN
    // What Windows cannot hold as one plain file name, each with the rule it breaks.
    const QString colon = QStringLiteral("录屏文件名不能含有“:”（它会指向其他驱动器或文件的数据流）！");
    QTest::newRow("drive-relative") << "C:abc" << colon;
    QTest::newRow("data stream") << "a:b" << colon;
    for (const char* reserved : {"a<b", "a>b", "a\"b", "a|b", "a?b", "a*b"})
        QTest::newRow(reserved) << reserved << QStringLiteral("录屏文件名不能含有 < > \" | ? * 这些字符！");
    for (const char* ending : {"rec.", "rec "})
        QTest::newRow(ending) << ending << QStringLiteral("录屏文件名不能以点或空格结尾！");
    for (const char* device : {"CON", "prn", "Aux.mp4", "NUL.txt", "COM1", "com9", "LPT1", "lpt9.x"})
        QTest::newRow(device) << device
                              << QStringLiteral("录屏文件名不能是设备名（CON、PRN、AUX、NUL、COM1–COM9、LPT1–LPT9）！");
#endif
}

// A record name is a file name: one holding a path is refused like an empty one, and the launch
// goes on without recording.
void TestLauncher::recordNameHoldingAPathIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, told);
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(name);
    launch.click();
    QCOMPARE(f.outside.messageTexts(), QStringList {told});
    QCOMPARE(f.outside.messages[0].icon, Outside::Icon::Warning);
    QCOMPARE(launch.form.recor->Value(), 0);
    launch.runTicks();
    QCOMPARE(launch.clientLines().size(), 1);
    QVERIFY(!f.outside.starts[0].words.contains(QStringLiteral("--record")));
}

// An earlier recording of the same name stays; the new one takes the first free number.
void TestLauncher::existingRecordingIsNeverReplaced()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    for (const char* existing : {"ScrRec.mp4", "ScrRec-2.mp4"}) {
        QFile file(QDir(Paths::outputFolder()).filePath(existing));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(QStringLiteral("ScrRec"));
    launch.click();
    QVERIFY2(f.outside.messages[0].text.endsWith(
                 QDir::toNativeSeparators(QDir(Paths::outputFolder()).filePath("ScrRec-3.mp4")) + QStringLiteral("！")),
        qPrintable(f.outside.messages[0].text));
    launch.runTicks();
    const QStringList words = f.outside.starts.at(0).words;
    QCOMPARE(words.mid(words.size() - 2), QStringList({"--record", "ScrRec-3.mp4"}));
}

// A second click 300 ms after the first, with two slots and fullscreen: the first launch's lines
// never start after it, not even while the second click's boxes are open.
void TestLauncher::newLaunchStopsTheOldTicksFirst()
{
    Fixture f;
    Launch launch(f);
    f.selectSlots({1});
    launch.form.recor->setValue(1);
    launch.form.scrtext->setText(QStringLiteral("first"));
    launch.click();
    QVERIFY(launch.form.TimerTOT->isActive());
    f.outside.clear();
    f.selectSlots({1, 2});
    launch.form.fulls->setValue(1);
    bool ticksRanDuringABox = false;
    f.outside.onMessage = [&] { ticksRanDuringABox = ticksRanDuringABox || launch.form.TimerTOT->isActive(); };
    launch.click();
    QVERIFY(!f.outside.messages.isEmpty());
    QVERIFY(!ticksRanDuringABox);
    launch.runTicks();
    for (const Outside::ToolStart& start : f.outside.starts) {
        QVERIFY(!start.words.contains(QStringLiteral("first.mp4")));
        QCOMPARE(start.words.mid(0, 2).value(1), QStringLiteral("-s"));
    }
    QCOMPARE(launch.clientLines().size(), 2);
}

// A client that fails as it starts is told once for the launch, naming each phone and quoting its
// own error line and its log.
void TestLauncher::failingClientIsToldOncePerLaunch_data()
{
    QTest::addColumn<QByteArray>("printed");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QString>("quoted"); // what the message quotes of each client, empty for no message
    QTest::addColumn<QString>("unquoted");
    QTest::newRow("error line") << QByteArray("INFO: scrcpy 2.4 <https://github.com/Genymobile/scrcpy>\n"
                                              "ERROR: Device is unauthorized\n")
                                << QByteArray("1") << "ERROR: Device is unauthorized"
                                << "INFO:";
    // getopt's own line, as a client prints it for a word it does not know.
    QTest::newRow("word refused") << QByteArray("scrcpy: unrecognized option '--x'\n") << QByteArray("1")
                                  << "scrcpy: unrecognized option '--x'"
                                  << "";
    QTest::newRow("last five lines of six") << QByteArray("line 1\nline 2\nline 3\nline 4\nline 5\nline 6\n")
                                            << QByteArray("2") << "line 2\r\nline 3\r\nline 4\r\nline 5\r\nline 6"
                                            << "line 1";
    QTest::newRow("silent") << QByteArray() << QByteArray("3") << "scrcpy 已结束（状态 3），没有留下任何输出。"
                            << "";
#ifndef Q_OS_WIN // where a crash is an exit status like any other
    QTest::newRow("crashes at once") << QByteArray() << QByteArray("crash")
                                     << "scrcpy 已结束（状态 -1），没有留下任何输出。"
                                     << "";
#endif
    QTest::newRow("ended well") << QByteArray("INFO: bye\n") << QByteArray("0") << ""
                                << "";
}

// A client that ends in its first seconds other than with status 0, or prints an error line then, did
// not start mirroring: told once for the launch, each phone with its error lines (else its last
// lines) and its log.
void TestLauncher::failingClientIsToldOncePerLaunch()
{
    QFETCH(QByteArray, printed);
    QFETCH(QByteArray, status);
    QFETCH(QString, quoted);
    QFETCH(QString, unquoted);
    Fixture f;
    f.program.addTool(QStringLiteral("scrcpy"));
    f.outside.forwardTools = true;
    Launch launch(f); // the version query answered before the client learns to fail
    f.program.write(QStringLiteral("scrcpy.stderr"), printed);
    f.program.write(QStringLiteral("scrcpy.status"), status);
    launch.form.mirrors().clientCheckMs = ClientStartMs;
    f.selectSlots({1, 2});
    launch.click();
    QVERIFY(f.outside.messages.isEmpty());
    launch.runTicks();
    if (quoted.isEmpty()) {
        QTest::qWait(ClientStartMs + 1200);
        QCOMPARE(f.outside.messageTexts(), QStringList());
        return;
    }
    QTRY_COMPARE(f.outside.messages.size(), 1);
    const RecordingOutside::Message& message = f.outside.messages[0];
    QCOMPARE(message.title, QStringLiteral("警告！"));
    QCOMPARE(message.icon, Outside::Icon::Warning);
    for (const char* phone : {"SER1", "SER2"})
        QVERIFY2(
            message.text.contains(QStringLiteral("设备 %1 未能开始投屏：\r\n%2\r\n完整记录见：").arg(phone, quoted)),
            qPrintable(message.text));
    if (!unquoted.isEmpty())
        QVERIFY2(!message.text.contains(unquoted), qPrintable(message.text));
    const QString log
        = message.text.section(QStringLiteral("完整记录见："), 1, 1).section(QStringLiteral("\r\n"), 0, 0);
    QFile file(QDir::fromNativeSeparators(log));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(log));
    QCOMPARE(file.readAll(), printed);
    QTest::qWait(500);
    QCOMPARE(f.outside.messages.size(), 1);
    // The next launch's failures are its own: told again, once.
    launch.click();
    launch.runTicks();
    QTRY_COMPARE(f.outside.messages.size(), 2);
    QVERIFY2(f.outside.messages[1].text.startsWith(QStringLiteral("设备 SER1 未能开始投屏：")),
        qPrintable(f.outside.messages[1].text));
    QTest::qWait(500);
    QCOMPARE(f.outside.messages.size(), 2);
}

// A client that mirrors keeps running on its own: no message, and it outlives the program.
void TestLauncher::runningClientOutlivesTheProgram()
{
    QString pid;
    {
        Fixture f;
        f.program.addTool(QStringLiteral("scrcpy"));
        f.outside.forwardTools = true;
        Launch launch(f); // the version query is answered by now
        f.program.write(QStringLiteral("scrcpy.delay_ms"), "20000");
        launch.form.mirrors().clientCheckMs = 200;
        f.selectSlots({1});
        launch.click();
        launch.runTicks();
        QTRY_VERIFY(QFileInfo(f.program.path("scrcpy.pids")).size() > 0);
        QTest::qWait(600);
        QVERIFY(f.outside.messages.isEmpty());
        QFile pids(f.program.path("scrcpy.pids"));
        QVERIFY(pids.open(QIODevice::ReadOnly));
        // The last start is the client; the one before it, the version query.
        pid = QString::fromLatin1(pids.readAll()).split('\n', Qt::SkipEmptyParts).last();
    }
#ifdef Q_OS_WIN
    const HANDLE client = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid.toULong());
    QVERIFY(client && WaitForSingleObject(client, 0) == WAIT_TIMEOUT);
    TerminateProcess(client, 0);
    CloseHandle(client);
#else
    QVERIFY(QFileInfo::exists(QStringLiteral("/proc/") + pid));
    QProcess::execute(QStringLiteral("kill"), {pid});
#endif
}

void TestLauncher::onlyTheLatestClientLogsAreKept()
{
    QDir(Paths::cacheFolder() + QStringLiteral("/clients")).removeRecursively();
    QStringList made;
    for (int i = 0; i < ClientWatch::KeptLogs + 3; ++i) {
        made.append(ClientWatch::newLogFile(QStringLiteral("192.168.1.5:5555")));
        QFile file(made.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QTest::qWait(3); // the names carry the time to the millisecond
    }
    const QStringList kept = QDir(Paths::cacheFolder() + QStringLiteral("/clients")).entryList(QDir::Files);
    QVERIFY2(kept.size() == ClientWatch::KeptLogs, qPrintable(kept.join(' ') + " made: " + made.join(' ')));
    QVERIFY(kept.contains(QFileInfo(made.last()).fileName()));
    QVERIFY(!kept.contains(QFileInfo(made.first()).fileName()));
    QVERIFY(made.last().endsWith(QStringLiteral("-192.168.1.5_5555.log")));
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
