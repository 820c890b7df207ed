#include "Fixture.h"
#include "bridge/PhoneDrops.h"
#include "bridge/ScreenshotSequence.h"
#include "controls/FittedText.h"
#include "controls/ScreenPlace.h"
#include "panels/Freeze.h"
#include "panels/menu.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

using namespace TestSupport;

namespace {

const char* const KeyPanelButtons[]
    = {"LOCKSCR", "VOLUP", "VOLDOWN", "MUTE", "N_Shapexia", "N_Shapeshang", "N_Shapepause"};
const char* const NavigationButtons[] = {"BACKWARD", "HOMEWARD", "MEUNWARD"};

// Launches with slots 1 and 2 selected, so their selectors carry " -s "; slot 3's stays empty.
void launchWithSlotsOneAndTwo(Fixture& f)
{
    f.selectSlots({1, 2});
    Fixture::click(f.launcher().QSNUM);
    for (int tick = 0; tick < 5; ++tick)
        f.launcher().tickTimerTOT();
    f.outside.clear();
}

QStringList focusChain(QWidget& window, const QStringList& names)
{
    QStringList order;
    QWidget* widget = window.findChild<QWidget*>(names.first());
    for (int i = 0; i < names.size() && widget; ++i) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget && !names.contains(widget->objectName()))
            widget = widget->nextInFocusChain();
    }
    return order;
}

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }

    void keyButtonsReachSelectedSlots_data();
    void keyButtonsReachSelectedSlots();
    void failuresAreToldOncePerClick();
    void phoneGoneIsAwayAfterOneWitness_data();
    void phoneGoneIsAwayAfterOneWitness();
    void witnessesWhileTheListIsAskedAskOnceMore();
    void panelsLookAsDesigned();
    void screenshotStepsFollowTheAnswers();
    void clickDuringSequenceIsNotTaken();
    void failedCopyKeepsThePhonesPicture();
    void screenshotLandsInOutputFolder();
    void pictureNamesTellPhonesApart();
    void pictureThatCannotReplaceIsTold();
    void failedCopyKeepsTheEarlierPicture();
    void noteNamesTheRealFolder();
    void panelsOpenWhollyOnScreen_data();
    void panelsOpenWhollyOnScreen();
    void panelTitlesStayEmpty();
    void launchShowsBothPanelsAgainAndAgain();
};

void TestPanels::keyButtonsReachSelectedSlots_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("selection");

    const QList<int> codes {26, 24, 25, 164, 87, 88, 85};
    const QList<QList<int>> selections {{}, {2}, {1, 3}, {1, 2, 3}};
    for (int i = 0; i < 7; ++i) {
        for (const QList<int>& selection : selections) {
            QTest::addRow("%s, %d slots", KeyPanelButtons[i], int(selection.size()))
                << "menu" << KeyPanelButtons[i] << codes[i] << selection;
        }
    }
    const QList<int> navigation {4, 3, 187};
    for (int i = 0; i < 3; ++i) {
        for (const QList<int>& selection : selections) {
            QTest::addRow("%s, %d slots", NavigationButtons[i], int(selection.size()))
                << "Freeze" << NavigationButtons[i] << navigation[i] << selection;
        }
    }
}

void TestPanels::keyButtonsReachSelectedSlots()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, code);
    QFETCH(QList<int>, selection);

    Fixture f;
    launchWithSlotsOneAndTwo(f);
    for (int slot = 1; slot <= 3; ++slot)
        f.tick(slot, selection.contains(slot));
    QWidget& panel = window == "menu" ? static_cast<QWidget&>(f.windows.keyPanel()) : f.windows.navigationBar();
    panel.show();
    Fixture::click(Fixture::find(panel, qPrintable(button)));

    // Every ticked phone is addressed as it is listed now, slot 3 ticked after the launch too; with
    // none ticked among several phones the user is asked, and nothing is sent.
    QStringList expected;
    for (int slot : selection)
        expected.append(QStringLiteral("adb -s SER%1 shell input keyevent %2").arg(slot).arg(code));
    QCOMPARE(f.outside.lines(), expected);
    QCOMPARE(f.outside.messageTexts(),
        selection.isEmpty() ? QStringList {QStringLiteral("已连接多台设备，请先在启动器中勾选要操作的设备！")}
                            : QStringList());
    if (!selection.isEmpty()) {
        QCOMPARE(f.launcher().INTERTEXT,
            QStringLiteral("adb  -s SER%1\t shell input keyevent %2").arg(selection.last()).arg(code));
    }
}

void TestPanels::panelsLookAsDesigned()
{
    Fixture f;
    menu& keys = f.windows.keyPanel();
    Freeze& bar = f.windows.navigationBar();
    QCOMPARE(keys.size(), QSize(81, 409));
    QCOMPARE(bar.size(), QSize(381, 117));
    for (QWidget* panel : {static_cast<QWidget*>(&keys), static_cast<QWidget*>(&bar)}) {
        QVERIFY(panel->windowTitle().isEmpty());
        QCOMPARE(panel->windowType(), Qt::Tool);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
    }
    N_Shape* shot = Fixture::find(keys, "N_Shape1screencp");
    QCOMPARE(shot->geometry(), QRect(8, 160, 67, 33));
    QCOMPARE(shot->Caption(), QStringLiteral("截屏"));
    QCOMPARE(shot->BorderColorNormal(), OleColors::rgb(224, 224, 224));
    QCOMPARE(shot->BorderColorHover(), OleColors::rgb(0, 0, 0));
    QCOMPARE(shot->ForeColorDown(), OleColors::rgb(192, 192, 192));
    QCOMPARE(shot->FontSize(), 8);
    QCOMPARE(Fixture::find(bar, "HOMEWARD")->geometry(), QRect(136, 8, 105, 33));
    const QString note = Fixture::find<QLabel>(keys, "Label4")->text();
    QVERIFY2(note.startsWith(QStringLiteral("截屏存为screen.png，在：")), qPrintable(note));
    QVERIFY2(note.endsWith(QDir::toNativeSeparators(Paths::outputFolder()).right(3)), qPrintable(note));
    QCOMPARE(
        focusChain(keys,
            {"LOCKSCR", "VOLDOWN", "VOLUP", "MUTE", "N_Shapepause", "N_Shapexia", "N_Shapeshang", "N_Shape1screencp"}),
        QStringList(
            {"LOCKSCR", "VOLDOWN", "VOLUP", "MUTE", "N_Shapepause", "N_Shapexia", "N_Shapeshang", "N_Shape1screencp"}));
    QCOMPARE(focusChain(bar, {"MEUNWARD", "HOMEWARD", "BACKWARD"}), QStringList({"MEUNWARD", "HOMEWARD", "BACKWARD"}));
}

// A phone that fails is named with the tool's words, once for the click, after the answers' handlers
// have returned; with one phone listed and none ticked, that phone is meant.
void TestPanels::failuresAreToldOncePerClick()
{
    Fixture f;
    // Slot 1 is ticked from the start, but with no phone listed it addresses nothing.
    Fixture::click(Fixture::find(f.windows.navigationBar(), "HOMEWARD"));
    QCOMPARE(f.outside.messageTexts(), QStringList {"没有已连接的设备！"});
    QVERIFY(f.outside.starts.isEmpty());
    f.outside.clear();
    f.selectSlots({1, 2, 3});
    f.outside.answerer = [](const Outside::ToolStart& start) {
        return start.words.contains("SER1") ? ToolAnswer::exited(0, {})
                                            : ToolAnswer::exited(1, {}, "error: device offline\n");
    };
    Fixture::click(Fixture::find(f.windows.navigationBar(), "HOMEWARD"));
    f.outside.settle();
    QCOMPARE(f.outside.messageTexts(),
        QStringList {"以下设备未能执行此操作：\r\nSER2：error: device offline\r\nSER3：error: device offline"});
    f.outside.clear();
    f.listPhones({"SER9"});
    Fixture::click(Fixture::find(f.windows.navigationBar(), "HOMEWARD"));
    QCOMPARE(f.outside.lines(), QStringList {"adb -s SER9 shell input keyevent 3"});
}

void TestPanels::phoneGoneIsAwayAfterOneWitness_data()
{
    QTest::addColumn<QByteArray>("keyAnswer"); // what the key to the Wi-Fi phone is answered, exit 1
    QTest::addColumn<bool>("waitEnds"); // its wait for the disconnect returns
    QTest::newRow("key: offline") << QByteArray("error: device offline\n") << false;
    QTest::newRow("key: not found") << QByteArray("error: device '192.168.1.5:5555' not found\n") << false;
    QTest::newRow("key: other failure") << QByteArray("error: closed\n") << false;
    QTest::newRow("wait for the disconnect") << QByteArray() << true;
}

// Debian's adb 29 tells its tracking nothing when a Wi-Fi phone's connection dies: a key answered
// "offline" or "not found", or the phone's wait for its disconnect returning, asks the bridge for the
// list, once; the phone it lists offline is away, and the next key goes to the other phone alone.
void TestPanels::phoneGoneIsAwayAfterOneWitness()
{
    QFETCH(QByteArray, keyAnswer);
    QFETCH(bool, waitEnds);
    Fixture f;
    const QString wifi = QStringLiteral("192.168.1.5:5555");
    f.outside.answerer = [&](const Outside::ToolStart& start) {
        if (start.words.contains("-l"))
            return ToolAnswer::exited(0,
                "List of devices attached\n" + wifi.toLatin1()
                    + "         offline product:x model:Y device:z transport_id:3\nSER2\tdevice\n");
        const bool keyToWifi = start.words.contains(wifi) && start.words.contains("keyevent");
        return keyToWifi && !keyAnswer.isEmpty() ? ToolAnswer::exited(1, {}, keyAnswer) : ToolAnswer::exited(0, {});
    };
    f.listPhones({wifi, "SER2"});
    f.tick(1, true);
    f.tick(2, true);
    QCOMPARE(f.outside.streams.size(), 1); // the Wi-Fi phone's wait, none for the cable phone
    QCOMPARE(f.outside.streams[0].start.words, QStringList({"adb", "-s", wifi, "wait-for-disconnect"}));
    if (waitEnds)
        f.outside.streams[0].onEnd(ToolAnswer::exited(0, {}));
    else
        Fixture::click(Fixture::find(f.windows.navigationBar(), "HOMEWARD"));
    f.outside.settle();
    const bool witnessed = waitEnds || keyAnswer.contains("device ");
    QCOMPARE(f.outside.lines().count("adb devices -l"), witnessed ? 1 : 0);
    QCOMPARE(f.launcher().devfc->Value(), witnessed ? 0 : 1);
    QCOMPARE(f.windows.state().drops().waitedOn().isEmpty(), witnessed); // no wait on a phone away
    f.outside.clear();
    Fixture::click(Fixture::find(f.windows.navigationBar(), "HOMEWARD"));
    f.outside.settle();
    QCOMPARE(f.outside.lines().filter("keyevent").size(), witnessed ? 1 : 2);
}

// Witnesses heard while the bridge is asked for its list ask it once more when its answer is in (that
// answer may be older than what they saw), and only once, however many they were.
void TestPanels::witnessesWhileTheListIsAskedAskOnceMore()
{
    Fixture f;
    f.outside.holdAnswers = true;
    for (const char* phone : {"SER1", "SER1", "SER2"})
        f.windows.state().drops().witnessed(phone);
    QCOMPARE(f.outside.lines(), QStringList {"adb devices -l"});
    f.listPhones({"SER1"}); // the tracking's list, newer than the answer on its way: it stands
    f.outside.answer(0, ToolAnswer::exited(0, "List of devices attached\nSER1\toffline\n"));
    QTRY_COMPARE(f.outside.lines().count("adb devices -l"), 2);
    QCOMPARE(f.windows.state().devices().fieldAt(1), QStringLiteral("SER1\t"));
    f.outside.answer(
        f.outside.lines().lastIndexOf("adb devices -l"), ToolAnswer::exited(0, "List of devices attached\n"));
    QTest::qWait(50);
    QCOMPARE(f.outside.lines().count("adb devices -l"), 2);
}

// Each phone's steps follow one another as each answers: capture, copy, then removal.
void TestPanels::screenshotStepsFollowTheAnswers()
{
    Fixture f;
    launchWithSlotsOneAndTwo(f);
    f.outside.holdAnswers = true;
    menu& keys = f.windows.keyPanel();
    keys.show();
    Fixture::click(Fixture::find(keys, "N_Shape1screencp"));
    QCOMPARE(f.outside.lines(),
        QStringList({"adb -s SER1 shell /system/bin/screencap -p /sdcard/screen.png",
            "adb -s SER2 shell /system/bin/screencap -p /sdcard/screen.png"}));
    // Several phones: each picture under a name of its own, and the note says so.
    f.outside.answer(1, ToolAnswer::exited(0, {}));
    const QRegularExpression partName(
        QStringLiteral("^adb -s SER(\\d) pull /sdcard/screen.png screen-SER\\1.png.\\w{6}.part$"));
    QTRY_VERIFY2(partName.match(f.outside.lines().value(2)).hasMatch(), qPrintable(f.outside.lines().value(2)));
    QVERIFY(f.outside.lines().value(2).startsWith(QStringLiteral("adb -s SER2 ")));
    QCOMPARE(f.outside.starts.size(), 3);
    f.outside.answer(0, ToolAnswer::exited(0, {}));
    QTRY_VERIFY2(partName.match(f.outside.lines().value(3)).hasMatch(), qPrintable(f.outside.lines().value(3)));
    f.outside.answer(3, ToolAnswer::exited(0, "/sdcard/screen.png: 1 file pulled.\n"));
    QTRY_COMPARE(f.outside.lines().value(4), QStringLiteral("adb -s SER1 shell rm /sdcard/screen.png"));
    QCOMPARE(f.launcher().INTERTEXT, QStringLiteral("adb  -s SER1\t shell rm /sdcard/screen.png"));
    QVERIFY(keys.screenshots->isRunning());
    const QString note = Fixture::find<QLabel>(keys, "Label4")->text();
    QVERIFY2(note.startsWith(QStringLiteral("截屏存为screen-序列号.png，在：")), qPrintable(note));
    f.outside.answer(2, ToolAnswer::exited(0, {}));
    f.outside.answer(4, ToolAnswer::exited(0, {}));
    QTRY_COMPARE(f.outside.starts.size(), 6);
    f.outside.answer(5, ToolAnswer::exited(0, {}));
    QTRY_VERIFY(!keys.screenshots->isRunning());
    QVERIFY(f.outside.messages.isEmpty());
}

// While a sequence runs, a click would capture into the same file on the phone; it is not taken.
void TestPanels::clickDuringSequenceIsNotTaken()
{
    Fixture f;
    f.selectSlots({1});
    f.outside.holdAnswers = true;
    menu& keys = f.windows.keyPanel();
    keys.show();
    N_Shape* shot = Fixture::find(keys, "N_Shape1screencp");
    Fixture::click(shot);
    Fixture::click(shot);
    QCOMPARE(f.outside.lines(), QStringList({"adb -s SER1 shell /system/bin/screencap -p /sdcard/screen.png"}));
    QVERIFY(Fixture::find<QLabel>(keys, "Label4")->text().startsWith(QStringLiteral("截屏存为screen.png，在：")));
}

// A long folder is shortened in its middle so the note stays within the part of its box that
// the panel shows; a short one is written out whole.
void TestPanels::noteNamesTheRealFolder()
{
    Fixture f;
    QTemporaryDir deep;
    const QString folder = deep.filePath(QStringLiteral("a-rather-long-folder-name/with/several/levels/Pannix"));
    QVERIFY(QDir().mkpath(folder));
    Paths::setProgramFolder(folder);
    menu& keys = f.windows.keyPanel();
    auto* note = Fixture::find<QLabel>(keys, "Label4");
    const QString text = note->text();
    QVERIFY2(QString(text)
                 .remove(QLatin1Char('\n'))
                 .startsWith(QStringLiteral("截屏存为screen.png，在：") + QDir::toNativeSeparators(folder).left(3)),
        qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("…")) && text.endsWith(QStringLiteral("nix")), qPrintable(text));
    const QSize visible = note->geometry().intersected(keys.rect()).size();
    QVERIFY(FittedText::fits(text, note->font(), visible));
    QVERIFY(!FittedText::fits(QStringLiteral("截屏存为screen.png，在：") + folder, note->font(), visible));
}

// A copy that fails keeps the phone's picture (no removal) and says why, once for the click.
void TestPanels::failedCopyKeepsThePhonesPicture()
{
    Fixture f;
    f.selectSlots({1, 2});
    f.outside.answerer = [](const Outside::ToolStart& start) {
        if (start.words.contains(QStringLiteral("pull")))
            return ToolAnswer::exited(1, {}, "adb: error: cannot create 'screen.png': Permission denied\n");
        return ToolAnswer::exited(0, {});
    };
    menu& keys = f.windows.keyPanel();
    keys.show();
    Fixture::click(Fixture::find(keys, "N_Shape1screencp"));
    f.outside.settle();
    QCOMPARE(f.outside.starts.size(), 4); // two captures, two copies, no removal
    for (const QString& line : f.outside.lines())
        QVERIFY2(!line.contains(QStringLiteral(" rm ")), qPrintable(line));
    QCOMPARE(f.outside.messages.size(), 1);
    const QString text = f.outside.messages[0].text;
    QCOMPARE(f.outside.messages[0].title, QStringLiteral("警告！"));
    QVERIFY2(text.contains(QStringLiteral("SER1：截图未能复制到电脑，它仍保留在手机的 /sdcard/screen.png")),
        qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("SER2：")));
    QVERIFY(text.contains(QStringLiteral("adb: error: cannot create 'screen.png': Permission denied")));
    QVERIFY(!keys.screenshots->isRunning());
}

void TestPanels::screenshotLandsInOutputFolder()
{
    Fixture f;
    QByteArray picture("\x89PNG\r\n\x1a\n-stand-in-picture-", 26);
    f.program.write("adb.pull", picture);
    f.outside.forwardTools = true;
    f.selectSlots({1});
    menu& keys = f.windows.keyPanel();
    keys.show();
    Fixture::click(Fixture::find(keys, "N_Shape1screencp"));
    const QString landed = QDir(Paths::outputFolder()).filePath("screen.png");
    QCOMPARE(QDir(Paths::outputFolder()).absolutePath(), QDir(f.program.folder()).absolutePath());
    QTRY_VERIFY_WITH_TIMEOUT(!keys.screenshots->isRunning(), 10000);
    QFile file(landed);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), picture);
    const QList<QStringList> starts = f.program.commandsOf("adb");
    QCOMPARE(starts.size(), 3);
    QCOMPARE(starts[0], QStringList({"-s", "SER1", "shell", "/system/bin/screencap", "-p", "/sdcard/screen.png"}));
    QCOMPARE(starts[1].mid(0, 4), QStringList({"-s", "SER1", "pull", "/sdcard/screen.png"}));
    QVERIFY2(starts[1].value(4).startsWith(QStringLiteral("screen.png.")), qPrintable(starts[1].value(4)));
    QCOMPARE(starts[2], QStringList({"-s", "SER1", "shell", "rm", "/sdcard/screen.png"}));
    QCOMPARE(QDir(f.program.folder()).entryList({"*.part"}, QDir::Files), QStringList());
    QVERIFY(f.outside.messages.isEmpty());
}

// A copy that fails half-way (a full disk: the tool truncates what it wrote, then fails) leaves the
// earlier picture as it was; the phone keeps its copy and the message says where each is.
void TestPanels::failedCopyKeepsTheEarlierPicture()
{
    Fixture f;
    const QByteArray earlier("\x89PNG\r\n\x1a\n-the-earlier-picture-", 29);
    f.program.write("screen.png", earlier);
    f.program.write("adb.pull", "\x89PN");
    f.program.setAnswer("adb", "pull.err", "adb: error: failed to copy: No space left on device\n");
    f.program.setAnswer("adb", "pull.exit", "1");
    f.outside.forwardTools = true;
    f.selectSlots({1});
    Fixture::click(Fixture::find(f.windows.keyPanel(), "N_Shape1screencp"));
    QTRY_VERIFY_WITH_TIMEOUT(!f.windows.keyPanel().screenshots->isRunning(), 10000);
    QFile file(f.program.path("screen.png"));
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == earlier);
    QCOMPARE(QDir(f.program.folder()).entryList({"*.part"}, QDir::Files), QStringList());
    QCOMPARE(f.program.commandsOf("adb").size(), 2); // no removal: the phone keeps its copy
    QTRY_VERIFY(!f.outside.messages.isEmpty()); // told once the answers' handlers have returned
    QVERIFY2(f.outside.messageTexts().value(0).contains(QStringLiteral("/sdcard/screen.png；电脑上原有的 ")
                 + QDir::toNativeSeparators(f.program.path("screen.png")) + QStringLiteral(" 保持不变")),
        qPrintable(f.outside.messageTexts().value(0)));
}

// A copy that cannot take the picture's place (a folder stands there) stays under its temporary name,
// and the message says so with the system's reason; the phone's copy is removed, as it was copied.
void TestPanels::pictureThatCannotReplaceIsTold()
{
    Fixture f;
    QVERIFY(QDir(f.program.folder()).mkpath("screen.png/inside"));
    f.program.write("adb.pull", "\x89PNG");
    f.outside.forwardTools = true;
    f.selectSlots({1});
    Fixture::click(Fixture::find(f.windows.keyPanel(), "N_Shape1screencp"));
    QTRY_VERIFY_WITH_TIMEOUT(!f.windows.keyPanel().screenshots->isRunning(), 10000);
    const QStringList parts = QDir(f.program.folder()).entryList({"screen.png.*.part"}, QDir::Files);
    QCOMPARE(parts.size(), 1);
    QTRY_VERIFY(!f.outside.messages.isEmpty()); // told once the sequence's step has returned
    const QString told = f.outside.messageTexts().value(0);
    const QString lead = QStringLiteral("SER1：截图已复制为 %1，但未能替换 screen.png。\r\n")
                             .arg(QDir::toNativeSeparators(QDir(f.program.folder()).filePath(parts[0])));
    QVERIFY2(told.contains(lead) && told.size() > told.indexOf(lead) + lead.size(), qPrintable(told));
    QCOMPARE(f.program.commandsOf("adb").size(), 3);
}

// Serials that used to share a picture name get names of their own, plain file names everywhere;
// two that differ only in case, where case may not be told apart, get a suffix in the click.
void TestPanels::pictureNamesTellPhonesApart()
{
    const QRegularExpression plain(QStringLiteral("^screen-[A-Za-z0-9._-]{1,80}\\.png$"));
    const QList<QStringList> pairs {{"手机1", "电话1"}, {"a:b", "a_b"}, {"192.168.1.5:5555", "192.168.1.5_5555"},
        {"x/y", "x_y"}, {QString(80, 'A') + "1", QString(80, 'A') + "2"}, {"", "_"}};
    for (const QStringList& pair : pairs) {
        const QString a = ScreenshotSequence::pictureNameFor(pair[0]);
        const QString b = ScreenshotSequence::pictureNameFor(pair[1]);
        QVERIFY2(a != b && plain.match(a).hasMatch() && plain.match(b).hasMatch(), qPrintable(a + " " + b));
    }
    QCOMPARE(ScreenshotSequence::pictureNameFor("SER1"), QStringLiteral("screen-SER1.png"));
    QCOMPARE(ScreenshotSequence::pictureNameFor(QString(64, 'A')), "screen-" + QString(64, 'A') + ".png");
    const QString cut = ScreenshotSequence::pictureNameFor(QString(65, 'A'));
    QVERIFY2(cut.startsWith("screen-" + QString(64, 'A') + "-") && cut.size() == 7 + 64 + 9 + 4, qPrintable(cut));

    Fixture f;
    f.listPhones({QStringLiteral("SER1"), QStringLiteral("ser1")});
    f.tick(2, true);
    Fixture::click(Fixture::find(f.windows.keyPanel(), "N_Shape1screencp"));
    f.outside.settle();
    QVERIFY2(f.outside.starts.value(3).words.last().startsWith(QStringLiteral("screen-ser1-2.png.")),
        qPrintable(f.outside.lines().join('|')));
}

void TestPanels::launchShowsBothPanelsAgainAndAgain()
{
    Fixture f;
    f.selectSlots({1});
    f.launcher().show();
    f.launcher().fmenux->setValue(1);
    QStringList shownOrder;
    struct ShowWatcher : QObject
    {
        QStringList& order;
        explicit ShowWatcher(QStringList& order)
            : order(order)
        {
        }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                order.append(watched->objectName());
            return false;
        }
    } watcher(shownOrder);
    menu& keys = f.windows.keyPanel();
    Freeze& bar = f.windows.navigationBar();
    keys.installEventFilter(&watcher);
    bar.installEventFilter(&watcher);

    Fixture::click(f.launcher().QSNUM);
    QCOMPARE(shownOrder, QStringList({"menu", "Freeze"}));
    keys.close();
    bar.close();
    Fixture::click(f.launcher().QSNUM);
    QVERIFY(keys.isVisible() && bar.isVisible());
    QCOMPARE(&f.windows.keyPanel(), &keys);
    QCOMPARE(shownOrder, QStringList({"menu", "Freeze", "menu", "Freeze"}));
}

void TestPanels::panelsOpenWhollyOnScreen_data()
{
    QTest::addColumn<QRect>("design");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("centred"); // a window with no design place, of the design's size
    const QRect large(0, 0, 1920, 1050);
    const QRect small(0, 0, 1366, 768);
    QTest::newRow("bar, large screen") << QRect(797, 753, 381, 117) << large << QRect(797, 753, 381, 117) << false;
    // 117 high + a 27-pixel title bar and a 4-pixel border: the bar rises until its frame ends at 767.
    QTest::newRow("bar, 1366 x 768") << QRect(797, 753, 381, 117) << small << QRect(797, 647, 381, 117) << false;
    QTest::newRow("keys, 1366 x 768") << QRect(653, 257, 81, 409) << small << QRect(653, 257, 81, 409) << false;
    QTest::newRow("keys, 800 x 600") << QRect(653, 257, 81, 409) << QRect(0, 0, 800, 600) << QRect(653, 187, 81, 409)
                                     << false;
    QTest::newRow("taskbar on top") << QRect(797, 10, 381, 117) << QRect(0, 40, 1366, 728) << QRect(797, 67, 381, 117)
                                    << false;
    QTest::newRow("right edge") << QRect(1300, 100, 381, 117) << small << QRect(981, 100, 381, 117) << false;
    QTest::newRow("start window, centred") << QRect(0, 0, 525, 236) << large << QRect(697, 418, 525, 236) << true;
    QTest::newRow("centred on a second screen")
        << QRect(0, 0, 525, 236) << QRect(1920, 0, 1366, 728) << QRect(2340, 257, 525, 236) << true;
    QTest::newRow("larger than the screen") << QRect(0, 0, 1400, 900) << small << QRect(4, 27, 1400, 900) << true;
}

void TestPanels::panelsOpenWhollyOnScreen()
{
    QFETCH(QRect, design);
    QFETCH(QRect, available);
    QFETCH(QRect, place);
    QFETCH(bool, centred);
    const QRect fitted
        = centred ? ScreenPlace::centred(design.size(), available) : ScreenPlace::fitted(design, available);
    QCOMPARE(fitted, place);
    if (design.width() < available.width())
        QVERIFY(available.contains(fitted.marginsAdded(ScreenPlace::NominalFrame)));
}

// The window system names an untitled window after the program; the panels' bars stay blank. On a
// screen with room for it (the suite's large one; not Wine's smaller desktop), each opens at its
// designed place.
void TestPanels::panelTitlesStayEmpty()
{
    Fixture f;
    for (const auto& [panel, design] : {std::pair<QWidget*, QRect>(&f.windows.keyPanel(), QRect(653, 257, 81, 409)),
             std::pair<QWidget*, QRect>(&f.windows.navigationBar(), QRect(797, 753, 381, 117))}) {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (available.contains(design.marginsAdded(ScreenPlace::NominalFrame)))
            QCOMPARE(panel->geometry(), design);
        QVERIFY(panel->windowTitle().isEmpty());
        QVERIFY(panel->windowHandle());
        QCOMPARE(panel->windowHandle()->title(), QStringLiteral(" "));
        // Wherever it opens, its frame lies within the screen.
        QVERIFY(available.contains(panel->geometry().marginsAdded(ScreenPlace::NominalFrame)));
    }
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
