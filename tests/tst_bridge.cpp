#include "ProgramFolder.h"
#include "RecordingOutside.h"
#include "TestSupport.h"
#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "bridge/ResultFiles.h"
#include "bridge/ToolLocator.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

using namespace TestSupport;

class TestBridge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTestFolders(); }
    void init() { removeResults(); }

    void readsLineAtPosition_data();
    void readsLineAtPosition();
    void lastLineOfAnswer_data();
    void lastLineOfAnswer();
    void missingFileLeavesTargets();
    void resultFolderIsTheUsersAlone();

    void splitsWordsWithoutAnInterpreter_data();
    void splitsWordsWithoutAnInterpreter();
    void runsInOutputFolderWithResultFile();
    void composesTheBridgeLines();
    void installedProgramWritesToHome();

    void findsToolBesideProgramFirst();
    void bridgeCheckNeedsAdb();
    void missingToolIsReportedAndLogged();

    void realRunnerHandsWordsAndFillsResultFile();
    void realRunnerDoesNotWaitForTheTool();
    void serialTabSeparatesWords();
    void metacharactersRunNothing_data();
    void metacharactersRunNothing();
};

void TestBridge::readsLineAtPosition_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    const QString unchanged = QStringLiteral("<earlier>");
    QTest::newRow("LF, as adb on Linux prints")
        << QByteArray("List\nSER1\tdevice\nSER2\tdevice\n") << 3 << QStringLiteral("SER2\tdevice");
    QTest::newRow("CR LF") << QByteArray("List\r\nSER1\tdevice\r\n") << 2 << QStringLiteral("SER1\tdevice");
    QTest::newRow("lone CR") << QByteArray("a\rb\rc") << 3 << QStringLiteral("c");
    QTest::newRow("empty line counts") << QByteArray("List\nSER1\tdevice\n\n") << 3 << QString();
    QTest::newRow("fewer lines keep the target") << QByteArray("List\nSER1\tdevice\n") << 3 << unchanged;
    QTest::newRow("empty file keeps the target") << QByteArray() << 1 << unchanged;
    QTest::newRow("UTF-8 text") << QByteArray("魅族\n") << 1 << QStringLiteral("魅族");
}

void TestBridge::readsLineAtPosition()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(QString, expected);
    writeResult(ResultFile::Serno, content);
    QString target = QStringLiteral("<earlier>");
    ResultFiles::readLineAt(ResultFiles::path(ResultFile::Serno), line, target);
    QCOMPARE(target, expected);
}

void TestBridge::lastLineOfAnswer_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("several lines") << QByteArray("* daemon started\nconnected to 10.0.0.5:5555\n")
                                   << QStringLiteral("connected to 10.0.0.5:5555");
    QTest::newRow("no final line feed") << QByteArray("a\r\nb") << QStringLiteral("b");
    QTest::newRow("empty answer") << QByteArray() << QStringLiteral("<earlier>");
}

void TestBridge::lastLineOfAnswer()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    writeResult(ResultFile::Wireless, content);
    QString target = QStringLiteral("<earlier>");
    ResultFiles::readLastLine(ResultFiles::path(ResultFile::Wireless), target);
    QCOMPARE(target, expected);
}

void TestBridge::missingFileLeavesTargets()
{
    QString target = QStringLiteral("kept");
    ResultFiles::readLineAt(ResultFiles::path(ResultFile::Man), 1, target);
    ResultFiles::readLastLine(ResultFiles::path(ResultFile::Man), target);
    QCOMPARE(target, QStringLiteral("kept"));
}

void TestBridge::resultFolderIsTheUsersAlone()
{
    const QString folder = Paths::resultFolder();
    QCOMPARE(
        QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
        QFile::Permissions());
    QCOMPARE(QFileInfo(ResultFiles::path(ResultFile::Serno)).fileName(), QStringLiteral("serno.txt"));
    QCOMPARE(QFileInfo(ResultFiles::path(ResultFile::Man)).fileName(), QStringLiteral("man.txt"));
    QCOMPARE(QFileInfo(ResultFiles::path(ResultFile::Wireless)).fileName(), QStringLiteral("wireless.txt"));
    QVERIFY(ResultFiles::path(ResultFile::None).isEmpty());
}

void TestBridge::splitsWordsWithoutAnInterpreter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("runs of blanks and a trailing tab")
        << QStringLiteral("scrcpy  -s SER1\t  -m 0  -b 8M  --always-on-top   ")
        << QStringList {"scrcpy", "-s", "SER1", "-m", "0", "-b", "8M", "--always-on-top"};
    QTest::newRow("quotes group") << QStringLiteral("scrcpy --record \"my rec.mp4\"")
                                  << QStringList {"scrcpy", "--record", "my rec.mp4"};
    QTest::newRow("ampersand is a word") << QStringLiteral("adb connect 1.2.3.4 & del x:5555")
                                         << QStringList {"adb", "connect", "1.2.3.4", "&", "del", "x:5555"};
}

void TestBridge::splitsWordsWithoutAnInterpreter()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    RecordingOutside outside;
    QVERIFY(CommandRunner::run(text));
    QCOMPARE(outside.starts.size(), 1);
    QCOMPARE(outside.starts.first().words, words);
    QVERIFY(outside.starts.first().standardOutputFile.isEmpty());
}

void TestBridge::runsInOutputFolderWithResultFile()
{
    ProgramFolder program;
    RecordingOutside outside;
    CommandRunner::run(AdbCommands::devices(), ResultFile::Serno);
    QCOMPARE(outside.starts.first().workingFolder, Paths::outputFolder());
    QCOMPARE(Paths::outputFolder(), QFileInfo(program.folder()).absoluteFilePath());
    QCOMPARE(outside.starts.first().standardOutputFile, ResultFiles::path(ResultFile::Serno));
}

void TestBridge::composesTheBridgeLines()
{
    QCOMPARE(AdbCommands::connect(QString(), QStringLiteral("5555")), QStringLiteral("adb connect :5555"));
    QCOMPARE(AdbCommands::disconnect(QStringLiteral("10.0.0.5"), QStringLiteral("6000")),
        QStringLiteral("adb disconnect 10.0.0.5:6000"));
    QCOMPARE(AdbCommands::tcpip(QStringLiteral("5555")), QStringLiteral("adb tcpip 5555"));
    QCOMPARE(AdbCommands::forSlot(QStringLiteral(" -s SER1\t"), AdbCommands::keyEventTail(24)),
        QStringLiteral("adb  -s SER1\t shell input keyevent 24"));
    QCOMPARE(AdbCommands::forSlot(QString(), AdbCommands::pullScreenshotTail()),
        QStringLiteral("adb  pull /sdcard/screen.png"));
    QCOMPARE(AdbCommands::viewPageTail(QStringLiteral("https://x"), QStringLiteral("com.p")),
        QStringLiteral(" shell am start -a android.intent.action.VIEW -d https://x -p com.p"));
}

void TestBridge::installedProgramWritesToHome()
{
    Paths::setProgramFolder(QStringLiteral("/usr/bin"));
    QCOMPARE(Paths::outputFolder(), QDir::homePath());
    Paths::setProgramFolder(QStringLiteral("/no/such/folder"));
    QCOMPARE(Paths::outputFolder(), QDir::homePath());
    Paths::setProgramFolder(QString());
    // The result files stay in the per-user cache folder wherever the program is.
    QVERIFY(ResultFiles::path(ResultFile::Serno)
                .startsWith(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
}

void TestBridge::findsToolBesideProgramFirst()
{
    ProgramFolder program;
    QCOMPARE(ToolLocator::locate(QStringLiteral("adb")), QFileInfo(program.path("adb")).absoluteFilePath());
    QVERIFY(!ToolLocator::locate(QStringLiteral("sh")).isEmpty()); // from PATH
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
    }
    qputenv("PATH", path);
}

void TestBridge::missingToolIsReportedAndLogged()
{
    ProgramFolder program {QStringList()};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*no-such-tool-here.*not found"));
    QVERIFY(!CommandRunner::run(QStringLiteral("no-such-tool-here --version")));
}

void TestBridge::realRunnerHandsWordsAndFillsResultFile()
{
    ProgramFolder program;
    program.setAnswer("adb", "devices", "List of devices attached\nSER1\tdevice\n\n");
    QVERIFY(CommandRunner::run(AdbCommands::devices(), ResultFile::Serno));
    QTRY_COMPARE(program.startsOf("adb"), QList<QStringList>({{"devices"}}));
    QString serial;
    QTRY_VERIFY((ResultFiles::readLineAt(ResultFiles::path(ResultFile::Serno), 2, serial), !serial.isEmpty()));
    QCOMPARE(serial, QStringLiteral("SER1\tdevice"));

    // A later start replaces the file's content.
    program.setAnswer("adb", "devices", "List of devices attached\n\n");
    QVERIFY(CommandRunner::run(AdbCommands::devices(), ResultFile::Serno));
    QTRY_COMPARE(program.startsOf("adb").size(), 2);
    QTRY_COMPARE(QFileInfo(ResultFiles::path(ResultFile::Serno)).size(), qint64(26));
}

void TestBridge::realRunnerDoesNotWaitForTheTool()
{
    ProgramFolder program;
    program.write("adb.delay_ms", "1500");
    program.setAnswer("adb", "connect", "connected\n");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(CommandRunner::run(QStringLiteral("adb connect 1.2.3.4:5555"), ResultFile::Wireless));
    const qint64 returnedAfter = clock.elapsed();
    QString answer;
    ResultFiles::readLastLine(ResultFiles::path(ResultFile::Wireless), answer);
    QVERIFY2(answer.isEmpty(), "the answer was there before the tool could have written it");
    QVERIFY2(returnedAfter < 1000, qPrintable(QString::number(returnedAfter)));
    QTRY_VERIFY_WITH_TIMEOUT(
        (ResultFiles::readLastLine(ResultFiles::path(ResultFile::Wireless), answer), answer == "connected"), 5000);
}

// The device list leaves a tab behind each serial; it separates words like a blank.
void TestBridge::serialTabSeparatesWords()
{
    ProgramFolder program;
    const QString line = AdbCommands::forSlot(QStringLiteral(" -s 127.0.0.1:5555\t"), AdbCommands::keyEventTail(24));
    QCOMPARE(line, QStringLiteral("adb  -s 127.0.0.1:5555\t shell input keyevent 24"));
    QVERIFY(CommandRunner::run(line));
    QTRY_COMPARE(
        program.startsOf("adb"), QList<QStringList>({{"-s", "127.0.0.1:5555", "shell", "input", "keyevent", "24"}}));
}

void TestBridge::metacharactersRunNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("&") << "1.2.3.4 & touch X" << QStringList {"connect", "1.2.3.4", "&", "touch", "X:5555"};
    QTest::newRow(";") << "1.2.3.4; touch X" << QStringList {"connect", "1.2.3.4;", "touch", "X:5555"};
    QTest::newRow("$()") << "$(touch X)" << QStringList {"connect", "$(touch", "X):5555"};
    QTest::newRow("backquotes") << "`touch X`" << QStringList {"connect", "`touch", "X`:5555"};
    QTest::newRow("|") << "1.2.3.4 | touch X" << QStringList {"connect", "1.2.3.4", "|", "touch", "X:5555"};
    QTest::newRow(">") << "1.2.3.4 > X" << QStringList {"connect", "1.2.3.4", ">", "X:5555"};
}

void TestBridge::metacharactersRunNothing()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, words);
    ProgramFolder program;
    QVERIFY(CommandRunner::run(AdbCommands::connect(typed, QStringLiteral("5555")), ResultFile::Wireless));
    QTRY_COMPARE(program.startsOf("adb"), QList<QStringList>({words}));
    QTest::qWait(100);
    QVERIFY(!QFileInfo::exists(program.path("X")));
    QVERIFY(!QFileInfo::exists(program.path("X:5555")));
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("X")));
}

QTEST_MAIN(TestBridge)
#include "tst_bridge.moc"
