#include "ProgramFolder.h"
#include "RecordingOutside.h"
#include "TestSupport.h"
#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceList.h"
#include "bridge/DeviceModel.h"
#include "bridge/DeviceTracker.h"
#include "bridge/FileReplace.h"
#include "bridge/PhoneReconnect.h"
#include "bridge/SystemOutside.h"
#include "bridge/ToolCall.h"
#include "bridge/ToolLocator.h"
#include "bridge/ToolText.h"
#include "bridge/TrackFrames.h"
#include "bridge/WirelessDebugging.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace TestSupport;

namespace {

// Calls the tool through the system's services and waits for its answer, as the window would.
ToolAnswer callAndWait(const ToolCommand& command, CommandRunner::Streams streams = CommandRunner::Streams::Separate)
{
    std::optional<ToolAnswer> answer;
    QObject receiver;
    CommandRunner::call(
        command, &receiver, [&](const ToolAnswer& a) { answer = a; }, streams);
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 20000))
        qFatal("no answer from %s", qPrintable(command.words.join(' ')));
    return *answer;
}

// The serial fields of a device list, or nothing when it is none.
std::optional<QStringList> serialFields(const QByteArray& output)
{
    const auto devices = DeviceList::listed(ToolText::lines(output));
    if (!devices)
        return std::nullopt;
    QStringList fields;
    for (const DeviceList::Entry& device : *devices)
        fields.append(device.field());
    return fields;
}

bool processRuns(const QString& pid)
{
#ifdef Q_OS_WIN
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid.toULong());
    if (!process)
        return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    return !status.readAll().contains("State:\tZ"); // a zombie has ended
#endif
}

} // namespace

class TestBridge : public QObject
{
    Q_OBJECT

private slots:
    void onePhoneOneSlot_data();
    void onePhoneOneSlot();
    void knockTellsWhetherAPortListens_data();
    void knockTellsWhetherAPortListens();
    void wifiPhoneListensAgain_data();
    void wifiPhoneListensAgain();
    void wifiPhoneAtANewPort_data();
    void wifiPhoneAtANewPort();
    void wifiPhoneIsConnectedAgain_data();
    void wifiPhoneIsConnectedAgain();
    void initTestCase() { useTestFolders(); }
    void cleanup() { CommandRunner::setTimeLimitForTests(0); }

    void trackingFrames_data();
    void trackingFrames();
    void trackingStartsAgainAfterAGrowingPause();
    void readsToolLines_data();
    void readsToolLines();
    void cacheFolderIsTheUsersAlone();
    void looseCacheFolderIsMadePrivate();
    void plantedLinkIsReplacedNotWrittenThrough();

    void composesTheBridgeLines();
    void installedProgramWritesToHome();
    void findsToolBesideProgramFirst();
    void bridgeCheckNeedsAdb();

    void deviceLists_data();
    void deviceLists();
    void serialOutOfItsField_data();
    void serialOutOfItsField();
    void discoveredServices_data();
    void discoveredServices();
    void pairingAnswers_data();
    void pairingAnswers();

    void callCapturesBothStreamsAndExitStatus();
    void callRunsInOutputFolder();
    void mergedStreamsKeepTheirOrder();
    void callDoesNotWaitForTheTool();
    void hangingToolIsStoppedAtItsLimit();
    void vanishedToolIsItsOwnAnswer();
    void runawayOutputIsCapped();
    void typedTextReachesTheToolAsOneWord_data();
    void typedTextReachesTheToolAsOneWord();
    void streamEnds_data();
    void streamEnds();
};

// The tracking stream as it may arrive: frames split or run together, empty, with CR LF, or garbage.
void TestBridge::trackingFrames_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QList<QByteArray>>("bodies");
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("one frame") << QList<QByteArray> {"000cSER1\tdevice\n"} << QList<QByteArray> {"SER1\tdevice\n"}
                               << false;
    QTest::newRow("split frame") << QList<QByteArray> {"00", "0cSER1\tdev", "ice\n"}
                                 << QList<QByteArray> {"SER1\tdevice\n"} << false;
    QTest::newRow("two in one read") << QList<QByteArray> {"0000000cSER1\tdevice\n"}
                                     << QList<QByteArray> {"", "SER1\tdevice\n"} << false;
    QTest::newRow("zero length") << QList<QByteArray> {"0000"} << QList<QByteArray> {""} << false;
    QTest::newRow("CR LF") << QList<QByteArray> {"000dSER1\tdevice\r\n"} << QList<QByteArray> {"SER1\tdevice\r\n"}
                           << false;
    QTest::newRow("garbage") << QList<QByteArray> {"List of devices\n", "0000"} << QList<QByteArray> {} << true;
}

void TestBridge::trackingFrames()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QList<QByteArray>, bodies);
    QFETCH(bool, corrupt);
    TrackFrames frames;
    QList<QByteArray> got;
    for (const QByteArray& read : reads)
        got += frames.add(read);
    QCOMPARE(got, bodies);
    QCOMPARE(frames.isCorrupt(), corrupt);
    if (!got.isEmpty() && !got.last().isEmpty())
        QCOMPARE(DeviceList::entries(ToolText::lines(got.last())).value(0).serial, QStringLiteral("SER1"));
}

// One tracking tool at a time; when its stream ends it is started again after 1 s, 2 s, 4 s… at
// most 30 s, and a list that arrives starts the pauses over.
void TestBridge::trackingStartsAgainAfterAGrowingPause()
{
    RecordingOutside outside;
    DeviceModel model;
    DeviceTracker tracker(model);
    tracker.start();
    tracker.start();
    QCOMPARE(outside.streams.size(), 1);
    QList<int> pauses;
    for (int i = 0; i < 7; ++i) {
        outside.end(int(outside.streams.size()) - 1);
        pauses.append(tracker.restartTimer()->interval());
        QVERIFY(!tracker.isTracking());
        tracker.restartTimer()->start(0);
        QTRY_COMPARE(outside.streams.size(), i + 2);
    }
    QCOMPARE(pauses, QList<int>({1000, 2000, 4000, 8000, 16000, 30000, 30000}));
    QTRY_VERIFY(!outside.streams[0].running); // an ended tracking tool is stopped, never left behind
    outside.feed(int(outside.streams.size()) - 1, "000cSER1\tdevice\n");
    QCOMPARE(model.fieldAt(1), QStringLiteral("SER1\t"));
    QCOMPARE(tracker.pauseMs(), 1000);
}

// What a tool prints, read as lines the way every version of the tool ends them.
void TestBridge::readsToolLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF, as adb on Linux prints")
        << QByteArray("List\nSER1\tdevice\nSER2\tdevice\n") << QStringList {"List", "SER1\tdevice", "SER2\tdevice"};
    QTest::newRow("CR LF") << QByteArray("List\r\nSER1\tdevice\r\n") << QStringList {"List", "SER1\tdevice"};
    QTest::newRow("lone CR") << QByteArray("a\rb\rc") << QStringList {"a", "b", "c"};
    QTest::newRow("empty line counts") << QByteArray("List\nSER1\tdevice\n\n")
                                       << QStringList {"List", "SER1\tdevice", ""};
    QTest::newRow("no final line feed") << QByteArray("a\r\nb") << QStringList {"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList {};
    QTest::newRow("UTF-8 text") << QByteArray("魅族\n") << QStringList {"魅族"};
}

void TestBridge::readsToolLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    QCOMPARE(ToolText::lines(content), lines);
}

void TestBridge::cacheFolderIsTheUsersAlone()
{
#ifdef Q_OS_WIN
    QSKIP("the user's local application data folder is the user's alone by its access list");
#endif
    const QString folder = Paths::cacheFolder();
    QCOMPARE(
        QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
        QFile::Permissions());
}

void TestBridge::looseCacheFolderIsMadePrivate()
{
#ifdef Q_OS_WIN
    QSKIP("permission bits are a Unix matter");
#endif
    const QString folder = Paths::cacheFolder();
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
    QCOMPARE(Paths::cacheFolder(), folder);
    QCOMPARE(QFileInfo(folder).permissions()
            & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                | QFile::ExeOther),
        QFile::Permissions());
}

void TestBridge::plantedLinkIsReplacedNotWrittenThrough()
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    const QString picture = elsewhere.filePath(QStringLiteral("screen.png"));
    QVERIFY(QFile::link(victim, picture));
    const QString finished = elsewhere.filePath(QStringLiteral("screen.png.part"));
    QFile part(finished);
    QVERIFY(part.open(QIODevice::WriteOnly) && part.write("picture") == 7);
    part.close();

    QVERIFY(FileReplace::replace(finished, picture));
    QVERIFY(!QFileInfo(picture).isSymLink());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("precious"));
}

void TestBridge::installedProgramWritesToHome()
{
#ifdef Q_OS_WIN
    // An installed copy in Program Files, even one its user may write to, saves in Documents\Pannix.
    const QString installed = qEnvironmentVariable("ProgramFiles") + QStringLiteral("\\Pannix");
    const QString users = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Pannix";
    QDir(users).removeRecursively();
#else
    const QString installed = QStringLiteral("/usr/bin");
    const QString users = QDir::homePath();
#endif
    QDir().mkpath(installed);
    Paths::setProgramFolder(installed);
    QCOMPARE(Paths::outputFolder(), users);
    QVERIFY(QFileInfo(users).isDir());
    Paths::setProgramFolder(QStringLiteral("/no/such/folder"));
    QCOMPARE(Paths::outputFolder(), users);
    Paths::setProgramFolder(QString());
}

void TestBridge::findsToolBesideProgramFirst()
{
    ProgramFolder program;
    QCOMPARE(ToolLocator::locate(QStringLiteral("adb")), QFileInfo(program.toolPath("adb")).absoluteFilePath());
#ifdef Q_OS_WIN
    QVERIFY(!ToolLocator::locate(QStringLiteral("cmd")).isEmpty()); // from PATH
#else
    QVERIFY(!ToolLocator::locate(QStringLiteral("sh")).isEmpty()); // from PATH
#endif
    QVERIFY(ToolLocator::locate(QStringLiteral("no-such-tool-here")).isEmpty());
}

void TestBridge::bridgeCheckNeedsAdb()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    {
        ProgramFolder withoutAdb {QStringList()};
        QVERIFY(!ToolLocator::bridgeToolPresent());
        withoutAdb.addTool(QStringLiteral("adb"));
        QVERIFY(ToolLocator::bridgeToolPresent());
#ifdef Q_OS_WIN
        // Each of the three files counts only as an ordinary file: missing, hidden or a system file,
        // the check fails.
        for (const char* name : {"AdbWinUsbApi.dll", "AdbWinApi.dll", "adb.exe"}) {
            const std::wstring path = QDir::toNativeSeparators(withoutAdb.path(name)).toStdWString();
            for (DWORD attribute : {DWORD(FILE_ATTRIBUTE_HIDDEN), DWORD(FILE_ATTRIBUTE_SYSTEM)}) {
                QVERIFY(SetFileAttributesW(path.c_str(), attribute));
                QVERIFY2(!ToolLocator::bridgeToolPresent(), name);
                QVERIFY(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
            }
            QVERIFY(QFile::rename(withoutAdb.path(name), withoutAdb.path(name) + ".away"));
            QVERIFY2(!ToolLocator::bridgeToolPresent(), name);
            QVERIFY(QFile::rename(withoutAdb.path(name) + ".away", withoutAdb.path(name)));
        }
        QVERIFY(ToolLocator::bridgeToolPresent());
#endif
    }
    qputenv("PATH", path);
}

void TestBridge::composesTheBridgeLines()
{
    auto check = [](const ToolCommand& command, const QStringList& words, const QString& text) {
        QCOMPARE(command.words, words);
        QCOMPARE(command.text, text);
    };
    check(AdbCommands::connect(QString(), QStringLiteral("5555")), {"adb", "connect", ":5555"}, "adb connect :5555");
    check(AdbCommands::disconnect(QStringLiteral("10.0.0.5"), QStringLiteral("6000")),
        {"adb", "disconnect", "10.0.0.5:6000"}, "adb disconnect 10.0.0.5:6000");
    check(AdbCommands::disconnect(QString(), QStringLiteral("6000")), {"adb", "disconnect"}, "adb disconnect ");
    check(AdbCommands::tcpip(QStringLiteral("5555")), {"adb", "tcpip", "5555"}, "adb tcpip 5555");
    check(AdbCommands::devices(), {"adb", "devices"}, "adb devices");
    check(AdbCommands::startServer(), {"adb", "start-server"}, "adb start-server");
    check(AdbCommands::maker(), {"adb", "shell", "getprop", "ro.product.manufacturer"},
        "adb shell getprop ro.product.manufacturer");
    check(AdbCommands::forSlot(QStringLiteral(" -s SER1\t"), AdbCommands::keyEventTail(24)),
        {"adb", "-s", "SER1", "shell", "input", "keyevent", "24"}, "adb  -s SER1\t shell input keyevent 24");
    check(AdbCommands::forSlot(QString(), AdbCommands::pullScreenshotTail()), {"adb", "pull", "/sdcard/screen.png"},
        "adb  pull /sdcard/screen.png");
    check(AdbCommands::forSlot(QStringLiteral(" -s a b\t"), AdbCommands::pullScreenshotTail("screen-a_b.png")),
        {"adb", "-s", "a b", "pull", "/sdcard/screen.png", "screen-a_b.png"},
        "adb  -s a b\t pull /sdcard/screen.png screen-a_b.png");
    check(AdbCommands::forSlot(QStringLiteral(" -s SER1\t"), AdbCommands::screencapTail()),
        {"adb", "-s", "SER1", "shell", "/system/bin/screencap", "-p", "/sdcard/screen.png"},
        "adb  -s SER1\t shell /system/bin/screencap -p /sdcard/screen.png");
    check(AdbCommands::forSlot(QStringLiteral(" -s SER1\t"), AdbCommands::removeScreenshotTail()),
        {"adb", "-s", "SER1", "shell", "rm", "/sdcard/screen.png"}, "adb  -s SER1\t shell rm /sdcard/screen.png");
    check(AdbCommands::viewPageTail(QStringLiteral("https://x"), QStringLiteral("com.p")),
        {"shell", "am", "start", "-a", "android.intent.action.VIEW", "-d", "https://x", "-p", "com.p"},
        " shell am start -a android.intent.action.VIEW -d https://x -p com.p");
}

// Device lists as the tool prints them in its many versions and moods.
void TestBridge::deviceLists_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("fields");
    const QByteArray head = "List of devices attached\n";
    QTest::newRow("usual") << head + "SER1\tdevice\nSER2\tdevice\n\n" << QStringList {"SER1\t", "SER2\t"};
    QTest::newRow("CR LF") << QByteArray("List of devices attached\r\nSER1\tdevice\r\n\r\n") << QStringList {"SER1\t"};
    QTest::newRow("no final line end") << head + "SER1\tdevice" << QStringList {"SER1\t"};
    QTest::newRow("server start-up messages first")
        << "* daemon not running; starting now at tcp:5037\n* daemon started successfully\n" + head + "SER1\tdevice\n\n"
        << QStringList {"SER1\t"};
    QTest::newRow("version mismatch") << "adb server version (41) doesn't match this client (39); killing...\n" + head
            + "SER1\tdevice\n" << QStringList {"SER1\t"};
    QTest::newRow("garbage between") << head + "SER1\tdevice\ngarbage\n!@#$ nonsense here\nSER2\tdevice\n"
                                     << QStringList {"SER1\t", "SER2\t"};
    QTest::newRow("blanks instead of the tab") << head + "SER1   device\n" << QStringList {"SER1   "};
    QTest::newRow("unauthorized and offline keep their state")
        << head + "SER1\tunauthorized\n192.168.1.5:5555\toffline\nSER3\tdevice\n"
        << QStringList {"SER1\tunauthorized", "192.168.1.5:5555\toffline", "SER3\t"};
    QTest::newRow("serial containing device") << head + "mydevice01\tdevice\n" << QStringList {"mydevice01\t"};
    QTest::newRow("no permissions") << head
            + "SER1\tno permissions (user in plugdev group; are your udev rules wrong?)\n"
                                    << QStringList {
                                           "SER1\tno permissions (user in plugdev group; are your udev rules wrong?)"};
    QTest::newRow("endless line") << head + QByteArray(10 * 1024 * 1024, 'x') + "\tdevice\nSER2\tdevice\n"
                                  << QStringList {"SER2\t"};
    QTest::newRow("longest line kept") << head + QByteArray(505, 'x') + "\tdevice\n" // 512 characters
                                       << QStringList {QString(505, 'x') + "\t"};
    QTest::newRow("one past the longest") << head + QByteArray(506, 'x') + "\tdevice\nSER2\tdevice\n"
                                          << QStringList {"SER2\t"};
    QTest::newRow("four devices, all listed") << head + "A\tdevice\nB\tdevice\nC\tdevice\nD\tdevice\n"
                                              << QStringList {"A\t", "B\t", "C\t", "D\t"};
}

void TestBridge::deviceLists()
{
    QFETCH(QByteArray, output);
    QFETCH(QStringList, fields);
    QCOMPARE(serialFields(output), std::optional<QStringList>(fields));
    QCOMPARE(serialFields("error: protocol fault\n"), std::nullopt);
}

void TestBridge::serialOutOfItsField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("serial");
    QTest::newRow("tab") << "SER1\t"
                         << "SER1";
    QTest::newRow("state word") << "SER1\tunauthorized"
                                << "SER1";
    QTest::newRow("blank inside, tab after") << "my phone\t"
                                             << "my phone";
    QTest::newRow("blanks as separator") << "SER1   offline"
                                         << "SER1";
    QTest::newRow("network phone") << "192.168.1.5:5555\t"
                                   << "192.168.1.5:5555";
    QTest::newRow("serial with device") << "mydevice01\t"
                                        << "mydevice01";
}

void TestBridge::serialOutOfItsField()
{
    QFETCH(QString, field);
    QFETCH(QString, serial);
    QCOMPARE(DeviceList::serialInField(field), serial);
}

void TestBridge::callCapturesBothStreamsAndExitStatus()
{
    ProgramFolder program;
    program.setAnswer("adb", "tcpip", "");
    program.write("adb.tcpip.err", "error: no devices/emulators found\n");
    program.write("adb.tcpip.exit", "1");
    const ToolAnswer answer = callAndWait(AdbCommands::tcpip(QStringLiteral("5555")));
    QCOMPARE(answer.outcome, ToolAnswer::Outcome::Exited);
    QCOMPARE(answer.exitCode, 1);
    QCOMPARE(answer.errors, QByteArray("error: no devices/emulators found\n"));
    QVERIFY(answer.output.isEmpty());
    QCOMPARE(program.startsOf("adb"), QList<QStringList>({{"tcpip", "5555"}}));
}

void TestBridge::callRunsInOutputFolder()
{
    ProgramFolder program;
    RecordingOutside outside;
    QObject receiver;
    CommandRunner::call(AdbCommands::devices(), &receiver, [](const ToolAnswer&) {});
    QCOMPARE(outside.starts.first().workingFolder, Paths::outputFolder());
    QCOMPARE(Paths::outputFolder(), QFileInfo(program.folder()).absoluteFilePath());
    QCOMPARE(outside.starts.first().timeLimitMs, CommandRunner::TimeLimitMs);
}

void TestBridge::mergedStreamsKeepTheirOrder()
{
    ProgramFolder program;
    program.setAnswer("adb", "connect", "failed to connect to 1.2.3.4:5555\n");
    program.write("adb.connect.err", "* daemon started successfully\n");
    const ToolAnswer answer = callAndWait(AdbCommands::connect("1.2.3.4", "5555"), CommandRunner::Streams::Merged);
    QCOMPARE(answer.output, QByteArray("failed to connect to 1.2.3.4:5555\n* daemon started successfully\n"));
    QVERIFY(answer.errors.isEmpty());
}

// The window goes on while the tool works; its answer comes when it has ended.
void TestBridge::callDoesNotWaitForTheTool()
{
    ProgramFolder program;
    program.write("adb.delay_ms", "1500");
    program.setAnswer("adb", "connect", "connected to 1.2.3.4:5555\n");
    std::optional<ToolAnswer> answer;
    QObject receiver;
    QElapsedTimer clock;
    clock.start();
    CommandRunner::call(AdbCommands::connect("1.2.3.4", "5555"), &receiver, [&](const ToolAnswer& a) { answer = a; });
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!answer);
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000);
    QVERIFY(clock.elapsed() >= 1400);
    QCOMPARE(answer->output, QByteArray("connected to 1.2.3.4:5555\n"));
}

void TestBridge::hangingToolIsStoppedAtItsLimit()
{
    ProgramFolder program;
    program.write("adb.delay_ms", "60000");
    // Long enough for the stand-in to have started and said so: a process starts slowly under Wine.
#ifdef Q_OS_WIN
    CommandRunner::setTimeLimitForTests(3000);
#else
    CommandRunner::setTimeLimitForTests(300);
#endif
    QElapsedTimer clock;
    clock.start();
    const ToolAnswer answer = callAndWait(AdbCommands::connect("1.2.3.4", "5555"));
    QCOMPARE(answer.outcome, ToolAnswer::Outcome::TimedOut);
    QVERIFY(clock.elapsed() < 10000);
    QFile pids(program.path("adb.pids"));
    QVERIFY(pids.open(QIODevice::ReadOnly));
    const QString pid = QString::fromLatin1(pids.readAll()).trimmed();
    QVERIFY(!pid.isEmpty());
    QTRY_VERIFY(!processRuns(pid));
}

void TestBridge::vanishedToolIsItsOwnAnswer()
{
    ProgramFolder program {QStringList()};
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", program.folder().toLocal8Bit());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*adb.*not found"));
    const ToolAnswer answer = callAndWait(AdbCommands::devices());
    qputenv("PATH", path);
    QCOMPARE(answer.outcome, ToolAnswer::Outcome::Missing);
}

void TestBridge::runawayOutputIsCapped()
{
    ProgramFolder program;
    program.setAnswer("adb", "devices", QByteArray(1024 * 1024, 'x'));
    const ToolAnswer answer = callAndWait(AdbCommands::devices());
    QCOMPARE(answer.outcome, ToolAnswer::Outcome::Exited);
    QCOMPARE(answer.output.size(), ToolCall::OutputCap);
}

// At the real stand-in: whatever a field holds arrives as exactly one word.
void TestBridge::typedTextReachesTheToolAsOneWord_data()
{
    QTest::addColumn<QString>("typed");
    for (const char* hostile : {"5555 -s x", "1.2.3.4 & touch X", "a\tb", "line\nbreak", "\"quoted\" 'x'", "--help",
             "$(touch X)", "`touch X`", "; touch X", "x|y>X"})
        QTest::newRow(hostile) << QString::fromUtf8(hostile);
    QTest::newRow("ideographic space") << QStringLiteral("rec\u3000--no-control\u3000x");
    QTest::newRow("em space") << QStringLiteral("5555\u2003-s\u2003x");
    // Windows' own command-line rules: quotes, backslashes before a quote or at the end, the
    // interpreter's specials, and text beyond the code page.
    for (const char* windows : {"say \"hi\" x", "a\\\"b", "a\\\\\" -s x", "trailing\\", "trailing\\\\", "%PATH%", "^x^",
             "a&b", "a|b", "<in >out", "手机 一号", "📱 phone"})
        QTest::newRow(windows) << QString::fromUtf8(windows);
}

void TestBridge::typedTextReachesTheToolAsOneWord()
{
    QFETCH(QString, typed);
    ProgramFolder program;
    callAndWait(AdbCommands::tcpip(typed));
    callAndWait(AdbCommands::connect(typed, typed));
    callAndWait(AdbCommands::forSlot(QStringLiteral(" -s ") + typed, AdbCommands::keyEventTail(24)));
    const QList<QStringList> starts = program.startsOf("adb");
    QCOMPARE(starts.size(), 3);
    QCOMPARE(starts[0], QStringList({"tcpip", typed}));
    QCOMPARE(starts[1], QStringList({"connect", typed + ":" + typed}));
    QCOMPARE(starts[2].mid(0, 2), QStringList({"-s", DeviceList::serialInField(typed)}));
    QCOMPARE(starts[2].mid(2), QStringList({"shell", "input", "keyevent", "24"}));
    QVERIFY(!QFileInfo::exists(program.path("X")));
}

using Services = QList<WirelessDebugging::Service>;

void TestBridge::discoveredServices_data()
{
    QTest::addColumn<QByteArray>("answer"); // what "adb mdns services" prints
    QTest::addColumn<Services>("services");
    const QByteArray header("List of discovered mdns services\n");
    QTest::newRow("header only") << header << Services {};
    QTest::newRow("tabs") << header + "pannix-ab12\t_adb-tls-pairing._tcp\t192.168.1.23:37123\n"
                          << Services {{"pannix-ab12", "_adb-tls-pairing._tcp", "192.168.1.23:37123"}};
    QTest::newRow("trailing dot, blanks") << header + "adb-R5CT-x1   _adb-tls-connect._tcp.   192.168.1.23:41234\n"
                                          << Services {{"adb-R5CT-x1", "_adb-tls-connect._tcp", "192.168.1.23:41234"}};
    QTest::newRow("IPv6 address") << header + "adb-R5CT-x1\t_adb-tls-connect._tcp.\t[fe80::1c2d:3eff:fe4f:5a6b]:41234\n"
                                  << Services {
                                         {"adb-R5CT-x1", "_adb-tls-connect._tcp", "[fe80::1c2d:3eff:fe4f:5a6b]:41234"}};
    QTest::newRow("unrelated service, short line")
        << header + "printer\t_ipp._tcp\t192.168.1.9:631\nadb-R5CT-x1\t_adb-tls-connect._tcp\n"
        << Services {};
    QTest::newRow("instance with a blank, tabs")
        << QByteArray("Pixel 7\t_adb-tls-connect._tcp\t192.168.1.30:40001\r\n")
        << Services {{"Pixel 7", "_adb-tls-connect._tcp", "192.168.1.30:40001"}};
}

void TestBridge::discoveredServices()
{
    QFETCH(QByteArray, answer);
    QFETCH(Services, services);
    QCOMPARE(WirelessDebugging::services(ToolText::lines(answer)), services);
}

void TestBridge::pairingAnswers_data()
{
    QTest::addColumn<QByteArray>("answer"); // what "adb pair" prints
    QTest::addColumn<QString>("guid"); // empty: not paired
    QTest::newRow("success") << QByteArray("Successfully paired to 192.168.1.23:37123 [guid=adb-R5CT-x1]\n")
                             << "adb-R5CT-x1";
    QTest::newRow("wrong password") << QByteArray("Failed: Wrong password or connection was dropped.\n") << "";
    QTest::newRow("dropped") << QByteArray("Failed: Unable to start pairing client.\n") << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("success without guid") << QByteArray("Successfully paired to 192.168.1.23:37123\n") << "";
}

void TestBridge::pairingAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, guid);
    const auto paired = WirelessDebugging::paired(ToolText::lines(answer));
    QCOMPARE(paired ? paired->guid : QString(), guid);
}

void TestBridge::streamEnds_data()
{
    QTest::addColumn<QString>("fate"); // what becomes of the streaming tool
    QTest::addColumn<int>("told"); // the outcome its end is told with; -1: nothing told
    QTest::newRow("missing") << "missing" << int(ToolAnswer::Outcome::Missing);
    QTest::newRow("ends by itself") << "ends" << int(ToolAnswer::Outcome::Exited);
#ifndef Q_OS_WIN
    QTest::newRow("crashes") << "crashes" << int(ToolAnswer::Outcome::Crashed);
#endif
    QTest::newRow("stopped by the program") << "stopped" << -1;
}

// A streaming tool's end through the real seam: missing, ended or crashed, each told as what it
// was; one the program stops is ended, and tells nothing more.
void TestBridge::streamEnds()
{
    QFETCH(QString, fate);
    QFETCH(int, told);
    ProgramFolder program(fate == "missing" ? QStringList() : QStringList {"adb"});
    if (fate != "ends")
        program.write("adb.delay_ms", "20000");
    const QByteArray path = qgetenv("PATH");
    if (fate == "missing")
        qputenv("PATH", program.folder().toLocal8Bit());
    QObject receiver;
    std::optional<ToolAnswer> end;
    QObject* running = CommandRunner::stream(
        AdbCommands::trackDevices(), &receiver, [](const QByteArray&) {}, [&end](const ToolAnswer& a) { end = a; });
    qputenv("PATH", path);
    QString pid;
    if (fate == "crashes" || fate == "stopped") {
        QTRY_VERIFY(QFileInfo(program.path("adb.pids")).size() > 0);
        QFile pids(program.path("adb.pids"));
        QVERIFY(pids.open(QIODevice::ReadOnly));
        pid = QString::fromLatin1(pids.readAll()).trimmed();
    }
    if (fate == "crashes")
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-SEGV"), pid});
    if (fate == "stopped") {
        delete running;
        QTest::qWait(300);
#ifndef Q_OS_WIN
        QTRY_VERIFY(!QFileInfo::exists(QStringLiteral("/proc/") + pid));
#endif
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(end.has_value(), 10000);
    }
    QCOMPARE(end ? int(end->outcome) : -1, told);
}

QTEST_MAIN(TestBridge)
// The pending "adb connect" of the reconnection, answered with the tool's words.
static void answerConnect(RecordingOutside& outside, const QByteArray& said)
{
    for (qsizetype i = outside.pending.size() - 1; i >= 0; --i) {
        if (outside.pending[i].start.words.contains(QStringLiteral("connect"))) {
            outside.answer(int(i), ToolAnswer::exited(0, said));
            outside.pending.removeAt(i);
            break;
        }
    }
    QTest::qWait(0);
}

void TestBridge::wifiPhoneIsConnectedAgain_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("back by itself") << "back";
    QTest::newRow("disconnected by the user") << "断开";
    QTest::newRow("given up after ten minutes") << "given up";
}

// A Wi-Fi phone that drops keeps its slot (away, unticked) and is connected again 2, 4, 8… at most
// 60 s apart, one try at a time; a cable phone never is. The tries end when it is back (its slot
// and tick with it), when the user disconnects it, or after ten minutes (its slot freed).
void TestBridge::wifiPhoneIsConnectedAgain()
{
    QFETCH(QString, ending);
    RecordingOutside outside;
    outside.holdAnswers = true;
    DeviceModel model;
    PhoneReconnect reconnect(model);
    qint64 now = 0;
    reconnect.setClock([&now] { return now; });
    QSignalSpy returned(&reconnect, &PhoneReconnect::returned);
    QSignalSpy givenUp(&reconnect, &PhoneReconnect::givenUp);
    const QString wifi = QStringLiteral("192.168.1.5:5555");
    const DeviceList::Entry ready {wifi, QStringLiteral("\t"), QStringLiteral("device")};
    const DeviceList::Entry cable {QStringLiteral("SER1"), QStringLiteral("\t"), QStringLiteral("device")};
    model.setListed({ready, cable});
    model.setTicked(1, true);
    model.setListed({cable}); // the Wi-Fi phone drops
    model.setListed({}); // and the cable is pulled
    QVERIFY(!reconnect.timerFor(QStringLiteral("SER1")));
    QCOMPARE(model.awayAt(1) ? model.awayAt(1)->entry.serial : QString(), wifi);
    QVERIFY(!model.isTicked(1));
    const DeviceList::Entry newcomer {QStringLiteral("SER2"), QStringLiteral("\t"), QStringLiteral("device")};
    model.setListed({newcomer});
    QCOMPARE(model.phoneAt(2) ? model.phoneAt(2)->entry.serial : QString(), QStringLiteral("SER2"));

    QList<int> pauses;
    for (int tries = 1; tries <= 7; ++tries) {
        QVERIFY(reconnect.timerFor(wifi)->isActive());
        pauses << reconnect.timerFor(wifi)->interval();
        const qsizetype starts = outside.starts.size();
        reconnect.tryAgain(wifi);
        reconnect.tryAgain(wifi); // a tick while the try is on its way starts none
        QCOMPARE(outside.lines().mid(starts), QStringList {"adb connect " + wifi});
        QCOMPARE(model.awayTries(1), tries);
        answerConnect(outside, "failed to connect to '" + wifi.toUtf8() + "': Connection refused\n");
    }
    QCOMPARE(pauses, QList<int>({2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    if (ending == "back") {
        model.setListed({newcomer, ready});
        QVERIFY(!reconnect.timerFor(wifi));
        QCOMPARE(returned.count(), 1);
        QCOMPARE(model.phoneAt(1) ? model.phoneAt(1)->entry.serial : QString(), wifi);
        QVERIFY(model.isTicked(1)); // the tick it had
    } else if (ending == "断开") {
        reconnect.forget(wifi);
        QVERIFY(!reconnect.timerFor(wifi));
        QVERIFY(!model.awayAt(1));
        model.setListed({newcomer, ready}); // a list on its way when it was pressed
        model.setListed({newcomer});
        QVERIFY(!reconnect.timerFor(wifi));
    } else {
        now = PhoneReconnect::GiveUpAfterMs - 1; // the limit less a millisecond: one more try
        reconnect.tryAgain(wifi);
        QTest::qWait(0); // past the first minute, the port is knocked at with the try, not before it
        QCOMPARE(outside.knocks, QStringList {wifi});
        answerConnect(outside, "failed\n");
        QVERIFY(reconnect.timerFor(wifi)->isActive());
        now = PhoneReconnect::GiveUpAfterMs;
        const qsizetype starts = outside.starts.size();
        reconnect.tryAgain(wifi);
        QCOMPARE(outside.starts.size(), starts);
        QCOMPARE(givenUp.count(), 1);
        QVERIFY(!model.awayAt(1));
        model.setListed({newcomer, ready});
        QCOMPARE(returned.count(), 0);
    }
    QCOMPARE(givenUp.count(), ending == "given up" ? 1 : 0);
}

void TestBridge::onePhoneOneSlot_data()
{
    QTest::addColumn<QStringList>("told"); // "name=serial number" for each phone that tells one
    QTest::addColumn<QStringList>("steps"); // lists, blank-separated names all ready; "tick N"; "release NAME"
    // Each slot: its name ("*" when ticked), "away NAME" or "-"; then " / " and those waiting.
    QTest::addColumn<QString>("shown");
    const QString wifi = "192.168.1.5:5555", mdns = "adb-R1-x1Yz._adb-tls-connect._tcp";
    QTest::newRow("a cable and an address at once")
        << QStringList {"SER1=R1", wifi + "=R1"} << QStringList {"SER1 " + wifi} << "SER1*|-|- / ";
    QTest::newRow("the cable pulled, the Wi-Fi stays")
        << QStringList {"SER1=R1", wifi + "=R1"} << QStringList {"SER1 " + wifi, wifi} << wifi + "*|-|- / ";
    QTest::newRow("an mDNS name and an address")
        << QStringList {mdns + "=R1", wifi + "=R1"} << QStringList {mdns + " " + wifi} << mdns + "*|-|- / ";
    QTest::newRow("emulators cloned, on one address")
        << QStringList {"127.0.0.1:6555=EMU", "127.0.0.1:6557=EMU"} << QStringList {"127.0.0.1:6555 127.0.0.1:6557"}
        << "127.0.0.1:6555*|127.0.0.1:6557|- / ";
    QTest::newRow("a new port takes its slot back, ticked")
        << QStringList {wifi + "=R1", "192.168.1.5:41000=R1"}
        << QStringList {wifi + " SER2", "tick 2", "SER2", "SER2 192.168.1.5:41000"} << "192.168.1.5:41000*|SER2*|- / ";
    QTest::newRow("no serial number told: another phone")
        << QStringList {} << QStringList {wifi + " SER2", "SER2", "SER2 192.168.1.5:41000"}
        << "away " + wifi + "|SER2|192.168.1.5:41000 / ";
    QTest::newRow("a slot given up is taken by the first waiting")
        << QStringList {} << QStringList {wifi + " SER2 SER3", "SER2 SER3 SER4 SER5", "release " + wifi}
        << "SER4|SER2|SER3 / SER5";
}

// A phone is one slot whichever names the bridge lists it under, where they cannot be two phones.
void TestBridge::onePhoneOneSlot()
{
    QFETCH(QStringList, told);
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    RecordingOutside outside;
    for (const QString& pair : told)
        outside.serialNumbers.insert(pair.section('=', 0, 0), pair.section('=', 1));
    DeviceModel model;
    PhoneReconnect reconnect(model); // a Wi-Fi phone that goes keeps its slot, away
    for (const QString& step : steps) {
        if (step.startsWith("tick "))
            model.setTicked(step.mid(5).toInt(), true);
        else if (step.startsWith("release "))
            model.release(step.mid(8));
        else {
            QList<DeviceList::Entry> listed;
            for (const QString& name : step.split(' '))
                listed.append({name, "\t", "device"});
            model.setListed(listed);
        }
        outside.settle(); // each phone tells who it is
    }
    QStringList slotted;
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        const DeviceModel::Phone* away = model.awayAt(slot);
        slotted << (away              ? "away " + away->entry.serial
                : model.phoneAt(slot) ? model.phoneAt(slot)->entry.serial + (model.isTicked(slot) ? "*" : "")
                                      : "-");
    }
    QCOMPARE(slotted.join('|') + " / " + model.withoutSlot().join(' '), shown);
}

void TestBridge::knockTellsWhetherAPortListens_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("listening");
    QTest::newRow("a port that listens") << "127.0.0.1" << true;
    QTest::newRow("a port closed") << "127.0.0.1" << false;
    QTest::newRow("IPv6, in brackets") << "[::1]" << true;
    QTest::newRow("a host name is not looked up") << "localhost" << false;
}

// The system's knock, on this system: a TCP connection opened and closed, told once, after the call.
void TestBridge::knockTellsWhetherAPortListens()
{
    QFETCH(QString, host);
    QFETCH(bool, listening);
    QTcpServer server;
    if (!server.listen(host.startsWith('[') ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost, 0))
        QSKIP("no loopback of this kind here");
    const quint16 port = server.serverPort();
    if (!listening && host != "localhost")
        server.close();
    SystemOutside system;
    QObject receiver;
    QList<bool> told;
    system.probe(host, port, 2000, &receiver, [&told](bool answer) { told << answer; });
    QVERIFY(told.isEmpty());
    QTRY_COMPARE(told.size(), 1);
    QCOMPARE(told[0], listening);
    QTest::qWait(100);
    QCOMPARE(told.size(), 1);
}

void TestBridge::wifiPhoneListensAgain_data()
{
    QTest::addColumn<qint64>("awayMs");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QStringList>("lines");
    const QString wifi = "192.168.1.5:5555";
    QTest::newRow("listening within its first minute")
        << qint64(59999) << true << QStringList {"adb disconnect " + wifi, "adb connect " + wifi};
    QTest::newRow("its first minute over: knocked at with the tries") << qint64(60000) << true << QStringList {};
    QTest::newRow("not listening") << qint64(1000) << false << QStringList {};
}

// Through its first minute away a Wi-Fi phone's port is knocked at, no tool started; the moment it
// listens it is disconnected and connected anew.
void TestBridge::wifiPhoneListensAgain()
{
    QFETCH(qint64, awayMs);
    QFETCH(bool, listening);
    QFETCH(QStringList, lines);
    RecordingOutside outside;
    DeviceModel model;
    PhoneReconnect reconnect(model);
    qint64 now = 0;
    reconnect.setClock([&now] { return now; });
    const QString wifi = "192.168.1.5:5555";
    model.setListed({{wifi, "\t", "device"}});
    model.setListed({});
    outside.settle();
    QCOMPARE(reconnect.knockTimerFor(wifi)->interval(), 500);
    if (listening)
        outside.listening.insert(wifi);
    now = awayMs;
    const qsizetype before = outside.starts.size();
    reconnect.knock(wifi);
    outside.settle();
    QTest::qWait(0);
    QCOMPARE(outside.knocks, awayMs < 60000 ? QStringList {wifi} : QStringList {});
    QCOMPARE(outside.lines().mid(before), lines);
    QCOMPARE(reconnect.knockTimerFor(wifi)->isActive(), awayMs < 60000);
}

void TestBridge::wifiPhoneAtANewPort_data()
{
    QTest::addColumn<QByteArray>("services"); // what "adb mdns services" prints; empty: the bridge has no such command
    QTest::addColumn<QStringList>("lines");
    const QString wifi = "192.168.1.5:5555";
    QTest::newRow("its service at a new port")
        << QByteArray("List of discovered mdns services\nadb-R2-ab\t_adb-tls-connect._tcp\t192.168.1.7:40001\n"
                      "adb-R1-cd\t_adb-tls-connect._tcp\t192.168.1.5:41000\n")
        << QStringList {"adb mdns services", "adb connect 192.168.1.5:41000", "adb mdns services",
               "adb connect 192.168.1.5:41000"};
    QTest::newRow("a bridge without discovery, asked once")
        << QByteArray() << QStringList {"adb mdns services", "adb connect " + wifi, "adb connect " + wifi};
}

// A phone that told its serial number is looked for among the bridge's mDNS services at each try.
void TestBridge::wifiPhoneAtANewPort()
{
    QFETCH(QByteArray, services);
    QFETCH(QStringList, lines);
    RecordingOutside outside;
    const QString wifi = "192.168.1.5:5555";
    outside.serialNumbers.insert(wifi, "R1");
    outside.answerer = [&services](const Outside::ToolStart& start) {
        if (start.words.contains("mdns"))
            return services.isEmpty() ? ToolAnswer::exited(1, {}, "unknown command mdns\n")
                                      : ToolAnswer::exited(0, services);
        return ToolAnswer::exited(0, "failed to connect\n");
    };
    DeviceModel model;
    PhoneReconnect reconnect(model);
    model.setListed({{wifi, "\t", "device"}});
    outside.settle();
    model.setListed({});
    const qsizetype before = outside.starts.size();
    for (int tries = 0; tries < 2; ++tries) {
        reconnect.tryAgain(wifi);
        outside.settle();
    }
    QStringList made = outside.lines().mid(before);
    made.removeAll("adb devices -l");
    QCOMPARE(made, lines);
}

#include "tst_bridge.moc"
