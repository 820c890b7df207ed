// Files and apps dropped on the launcher, sent by Debian's adb to simulated phones on loopback:
// what reaches each phone, what the phone keeps, and what the window "发送到手机" says.
#include "ArchiveMaker.h"
#include "Fixture.h"
#include "RealBridge.h"
#include "bridge/HelperProgram.h"
#include "controls/N_Shape.h"
#include "sending/sendfiles.h"
#include "state/ProgramState.h"
#include "transfer/PhoneFileNames.h"
#include "transfer/PhoneSending.h"
#include "transfer/Sending.h"
#include "transfer/SplitAppUnpack.h"

#include <QMimeData>
#include <QProgressBar>
#include <QTableWidget>

using namespace TestSupport;

namespace {

struct Desk : Fixture
{
    Desk()
        : Fixture({QStringLiteral("scrcpy")})
    {
        outside.forwardTools = true;
    }

    // The launcher as a user reaches it, with every phone ticked.
    void openLauncher(int phones)
    {
        Start& window = grownStart();
        Fixture::click(Fixture::find(window, "cable"));
        for (int tick = 0; tick < 3; ++tick)
            window.tickTimer1();
        QTRY_VERIFY_WITH_TIMEOUT(!window.Timer1->isActive(), 20000);
        for (int slot = 1; slot <= phones; ++slot)
            tick(slot, true);
    }

    // Files dropped where a user lets go of them: on a slot's row, or elsewhere (slot 0).
    void drop(const QStringList& files, int slot = 0)
    {
        Form1& form = launcher();
        QPoint place(form.width() / 4, form.height() / 2);
        if (slot > 0) {
            QWidget* box = form.slotBox(slot);
            place = box->mapTo(&form, box->rect().center());
        }
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls.append(QUrl::fromLocalFile(file));
        data.setUrls(urls);
        QDragEnterEvent enter(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        QDropEvent event(QPointF(place), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    }

    QTableWidget& rows() { return *Fixture::find<QTableWidget>(windows.sendWindow(), "sendRows"); }
    QString shown(int row, int column)
    {
        return rows().item(row, column) ? rows().item(row, column)->text() : QString();
    }
    bool allEnded() { return !windows.state().sending().busy() && rows().rowCount() > 0; }
};

QString logOf(const RealBridge::Phone& phone)
{
    QFile log(phone.logPath);
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

constexpr int Result = 4;

} // namespace

class TestSending : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { m_bridge->disconnectAll(); }

    void appDroppedOnTheLauncherInstallsOnThreePhones();
    void eachRefusalInWords_data();
    void eachRefusalInWords();
    void fileKeepsWhatThePhoneHasAndGetsAName_data();
    void fileKeepsWhatThePhoneHasAndGetsAName();
    void splitAppsInstallWholeWithTheirData();
    void hostileSplitAppsInstallNothing_data();
    void hostileSplitAppsInstallNothing();
    void cancelLeavesNothingHalfWritten();
    void phoneLeavingMidPushIsTold();
    void storableNames_data();
    void storableNames();
    void helperThatCannotStartIsSaid();
    void pushThatGainsNothingIsGivenUp_data();
    void pushThatGainsNothingIsGivenUp();

private:
    QList<RealBridge::Phone> phones(int count, const QStringList& more = {});

    std::unique_ptr<RealBridge> m_bridge;
    QTemporaryDir m_files;
};

QList<RealBridge::Phone> TestSending::phones(int count, const QStringList& more)
{
    m_bridge->startServer();
    QList<RealBridge::Phone> started;
    for (int i = 0; i < count; ++i) {
        started.append(m_bridge->startPhone(QStringLiteral("Xiaomi"), true, 0, {}, more));
        if (!m_bridge->connectPhone(started.last()))
            return {};
    }
    return started;
}

void TestSending::initTestCase()
{
    if (RealBridge::adbPath().isEmpty())
        QFAIL("adb is not installed; the test command installs Debian's adb package");
    m_bridge = std::make_unique<RealBridge>();
    useTestFolders();
}

void TestSending::appDroppedOnTheLauncherInstallsOnThreePhones()
{
    const QList<RealBridge::Phone> three = phones(3);
    QCOMPARE(three.size(), 3);
    Desk desk;
    desk.openLauncher(3);
    const QString app = writeFile(m_files.filePath(QStringLiteral("相机 app.apk")), QByteArray(300000, 'a'));
    desk.drop({app});
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QVERIFY(desk.windows.sendWindow().isVisible());
    QCOMPARE(desk.rows().rowCount(), 3);
    // The launcher says how it went too, for a user who closed the window.
    QTRY_COMPARE(desk.launcher().launchStatus->toolTip(), QStringLiteral("发送到手机：3 项成功，0 项失败，0 项已取消"));
    QString labels;
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(desk.shown(row, Result), QStringLiteral("已安装"));
        labels += desk.shown(row, 1);
    }
    for (const RealBridge::Phone& phone : three) {
        QCOMPARE(labels.count(phone.serial), 1);
        QVERIFY(logOf(phone).contains("pm pm install -r /data/local/tmp/相机 app.apk"));
    }
}

void TestSending::eachRefusalInWords_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("words");
    QTest::newRow("older version")
        << "Failure [INSTALL_FAILED_VERSION_DOWNGRADE]"
        << "手机上已装有更新的版本，不能换成这个较旧的版本（INSTALL_FAILED_VERSION_DOWNGRADE）";
    QTest::newRow("other signature")
        << "Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package x signatures do not match]"
        << "手机上已装的同名应用签名不同：先在手机上卸载它，再安装（INSTALL_FAILED_UPDATE_INCOMPATIBLE）";
    QTest::newRow("no certificate") << "Failure [INSTALL_PARSE_FAILED_NO_CERTIFICATES: no certificates]"
                                    << "应用没有签名证书，手机不接受（INSTALL_PARSE_FAILED_NO_CERTIFICATES）";
    QTest::newRow("USB installs off")
        << "Failure [INSTALL_FAILED_USER_RESTRICTED: Install canceled by user]"
        << "手机不允许通过 USB 安装应用：请在手机的开发者选项中打开“USB 安装”（小米、OPPO、vivo "
           "等手机需要），再试一次（INSTALL_FAILED_USER_RESTRICTED）";
    QTest::newRow("no room") << "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]"
                             << "手机空间不足（INSTALL_FAILED_INSUFFICIENT_STORAGE）";
    QTest::newRow("unauthorized") << "unauthorized"
                                  << "手机未授权：请在手机上允许这台电脑的 USB 调试";
}

void TestSending::eachRefusalInWords()
{
    QFETCH(QString, answer);
    QFETCH(QString, words);
    m_bridge->startServer();
    const bool unauthorized = answer == QLatin1String("unauthorized");
    const RealBridge::Phone phone = m_bridge->startPhone(
        QStringLiteral("Xiaomi"), !unauthorized, 0, {}, {QStringLiteral("--install-answer"), answer});
    QVERIFY(m_bridge->connectPhone(phone, unauthorized ? QStringLiteral("unauthorized") : QStringLiteral("device")));
    Desk desk;
    desk.openLauncher(1);
    desk.drop({writeFile(m_files.filePath(QStringLiteral("a.apk")), "apk")}, 1);
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QCOMPARE(desk.shown(0, Result), words);
    QCOMPARE(desk.windows.state().sending().row(0).state, SendRow::State::Failed);
}

void TestSending::fileKeepsWhatThePhoneHasAndGetsAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("there");
    QTest::addColumn<QString>("saved");
    QTest::newRow("free") << "报告 2026.pdf" << QStringList() << "报告 2026.pdf";
    QTest::newRow("taken") << "report.pdf" << QStringList {"report.pdf"} << "report (1).pdf";
    QTest::newRow("taken twice, other case")
        << "Report.PDF" << QStringList {"report.pdf", "REPORT (1).pdf"} << "Report (2).PDF";
    QTest::newRow("characters refused") << "a:b?\"c\".txt" << QStringList() << "a_b__c_.txt";
    QTest::newRow("quote in the name") << "it's.txt" << QStringList {"it's.txt"} << "it's (1).txt";
}

void TestSending::fileKeepsWhatThePhoneHasAndGetsAName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, there);
    QFETCH(QString, saved);
    const QList<RealBridge::Phone> one = phones(1);
    QCOMPARE(one.size(), 1);
    const QString earlier = writeFile(m_files.filePath(QStringLiteral("earlier")), "kept");
    for (const QString& other : there)
        m_bridge->adb({"-s", one[0].serial, "push", earlier, "/sdcard/Download/" + other});
    Desk desk;
    desk.openLauncher(1);
    const QByteArray content(3 * 1000 * 1000 + 7, 'x');
    desk.outside.chosenFiles = {writeFile(m_files.filePath(name), content)};
    Fixture::click(Fixture::find<QLabel>(desk.launcher(), "sendLink"));
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QCOMPARE(desk.shown(0, Result), QStringLiteral("已保存到 /sdcard/Download/") + saved);
    const auto pulled = [&](const QString& onPhone) {
        const QString back = m_files.filePath(QStringLiteral("back"));
        QFile::remove(back);
        m_bridge->adb({"-s", one[0].serial, "pull", "/sdcard/Download/" + onPhone, back});
        QFile file(back);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(pulled(saved), content);
    for (const QString& other : there)
        QCOMPARE(pulled(other), QByteArray("kept"));
}

void TestSending::splitAppsInstallWholeWithTheirData()
{
    const QList<RealBridge::Phone> two = phones(2);
    QCOMPARE(two.size(), 2);
    const QString apks = m_files.filePath(QStringLiteral("app.apks"));
    QVERIFY(ArchiveMaker::write(apks,
        {{"toc.pb", "toc"}, {"splits/base-master.apk", QByteArray(5000, 'b')},
            {"splits/base-arm64_v8a.apk", QByteArray(3000, 'c')}, {"standalones/standalone.apk", "old"}},
        true));
    const QString xapk = m_files.filePath(QStringLiteral("game.xapk"));
    QVERIFY(ArchiveMaker::write(xapk,
        {{"manifest.json", "{}"}, {"com.example.game.apk", QByteArray(4000, 'g')},
            {"config.arm64_v8a.apk", QByteArray(1000, 'h')},
            {"Android/obb/com.example.game/main.1.com.example.game.obb", QByteArray(2000000, 'o')}},
        true));
    Desk desk;
    desk.openLauncher(2);
    desk.drop({apks, xapk});
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QCOMPARE(desk.rows().rowCount(), 4);
    for (const RealBridge::Phone& phone : two) {
        const QString log = logOf(phone);
        QVERIFY2(log.contains("install-write -S 5000 1 base-master.apk - <5000 bytes>")
                && log.contains("install-write -S 3000 1 base-arm64_v8a.apk - <3000 bytes>")
                && !log.contains("standalone"),
            qPrintable(log));
        QVERIFY(log.contains("sync:DONE /sdcard/Android/obb/com.example.game/main.1.com.example.game.obb 2000000"));
    }
    QCOMPARE(desk.shown(0, Result), QStringLiteral("已安装"));
    QCOMPARE(
        desk.shown(3, Result), QStringLiteral("已安装，数据文件 1 个已复制到 /sdcard/Android/obb/com.example.game"));
}

void TestSending::hostileSplitAppsInstallNothing_data()
{
    QTest::addColumn<QList<ArchiveMaker::Entry>>("entries");
    QTest::addColumn<QString>("words");
    QTest::newRow("outside its folder") << QList<ArchiveMaker::Entry> {{"base.apk", "b"}, {"../evil.apk", "e"}}
                                        << "压缩包中的“../evil.apk”含有“..”，整个压缩包已被拒绝，没有安装任何东西。";
    // 65 MB of one byte packs into a few hundred kilobytes: past 64 MB, and past 100 times its size.
    QTest::newRow("huge entry") << QList<ArchiveMaker::Entry> {{"base.apk", QByteArray(65 * 1000 * 1000, '\0')}}
                                << "应用压缩包解开后超过 64 MB（它本身的 100 倍），已被拒绝，没有安装任何东西。";
    QTest::newRow("data of two apps") << QList<ArchiveMaker::Entry> {{"a.apk", "a"}, {"Android/obb/com.a.b/x.obb", "x"},
        {"Android/obb/com.c.d/y.obb", "y"}}
                                      << "应用压缩包中有两个应用的数据（com.a.b 和 com.c.d），已被拒绝。";
}

void TestSending::hostileSplitAppsInstallNothing()
{
    QFETCH(QList<ArchiveMaker::Entry>, entries);
    QFETCH(QString, words);
    const QList<RealBridge::Phone> one = phones(1);
    QCOMPARE(one.size(), 1);
    const QString xapk = m_files.filePath(QStringLiteral("bad.xapk"));
    QVERIFY(ArchiveMaker::write(xapk, entries, true));
    Desk desk;
    desk.openLauncher(1);
    desk.drop({xapk});
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QCOMPARE(desk.shown(0, Result), words);
    QVERIFY(!logOf(one[0]).contains("pm "));
    QVERIFY(!QFileInfo::exists(QDir(Paths::cacheFolder()).filePath(QStringLiteral("evil.apk"))));
}

void TestSending::cancelLeavesNothingHalfWritten()
{
    const QList<RealBridge::Phone> one = phones(1, {QStringLiteral("--bytes-per-second"), QStringLiteral("2000000")});
    QCOMPARE(one.size(), 1);
    Desk desk;
    desk.openLauncher(1);
    desk.drop({writeFile(m_files.filePath(QStringLiteral("big.bin")), QByteArray(20 * 1000 * 1000, 'z')),
        writeFile(m_files.filePath(QStringLiteral("next.txt")), "next")});
    const auto bar = [&desk] { return qobject_cast<QProgressBar*>(desk.rows().cellWidget(0, 2)); };
    QTRY_VERIFY_WITH_TIMEOUT(bar() && bar()->value() > 0 && bar()->text().endsWith(QLatin1String(" / 20.0 MB")), 15000);
    QVERIFY(!desk.shown(0, 3).isEmpty()); // its speed
    Fixture::click(Fixture::find<N_Shape>(desk.windows.sendWindow(), "sendCancel"));
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 15000);
    QCOMPARE(desk.shown(0, Result), QStringLiteral("已取消，手机上写了一半的文件已删除"));
    QCOMPARE(desk.shown(1, Result), QStringLiteral("已取消"));
    QCOMPARE(m_bridge->adb({"-s", one[0].serial, "shell", "ls", "-1a", "/sdcard/Download"}), QStringLiteral(".\n..\n"));
}

void TestSending::phoneLeavingMidPushIsTold()
{
    const QList<RealBridge::Phone> two = phones(2, {QStringLiteral("--bytes-per-second"), QStringLiteral("4000000")});
    QCOMPARE(two.size(), 2);
    Desk desk;
    desk.openLauncher(2);
    desk.drop({writeFile(m_files.filePath(QStringLiteral("film.mp4")), QByteArray(8 * 1000 * 1000, 'f'))});
    QTRY_COMPARE(desk.rows().rowCount(), 2);
    const int leaving = desk.shown(0, 1).contains(two[0].serial) ? 0 : 1;
    const auto bar = [&] { return qobject_cast<QProgressBar*>(desk.rows().cellWidget(leaving, 2)); };
    QTRY_VERIFY_WITH_TIMEOUT(bar() && bar()->value() > 0, 15000);
    m_bridge->stopPhone(two[0]);
    QTRY_VERIFY_WITH_TIMEOUT(desk.allEnded(), 30000);
    QCOMPARE(desk.shown(leaving, Result), QStringLiteral("发送途中手机断开了连接"));
    QCOMPARE(desk.shown(1 - leaving, Result), QStringLiteral("已保存到 /sdcard/Download/film.mp4"));
}

void TestSending::storableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("ending");
    QTest::newRow("255 bytes kept") << QString(251, QLatin1Char('a')) + ".txt" << 255 << "a.txt";
    QTest::newRow("256 bytes shortened") << QString(252, QLatin1Char('a')) + ".txt" << 255 << "a.txt";
    // Three bytes each: 251 bytes before ".pdf" hold 83 whole characters, not 83⅔.
    QTest::newRow("Chinese, shortened whole") << QString(86, QChar(0x6587)) + ".pdf" << 253 << "文.pdf";
    QTest::newRow("hidden file") << ".nomedia" << 8 << ".nomedia";
    // Found by the fuzz target: a dot followed by more than an extension ever is.
    QTest::newRow("a dot far from the end") << "a." + QString(300, QLatin1Char('x')) << 255 << "xxx";
}

void TestSending::storableNames()
{
    QFETCH(QString, name);
    QFETCH(int, bytes);
    QFETCH(QString, ending);
    const QString stored = PhoneFileNames::storable(name);
    QCOMPARE(stored.toUtf8().size(), bytes);
    QVERIFY(stored.endsWith(ending));
    // A taken name of that length keeps its number within the limit.
    QVERIFY(PhoneFileNames::free(stored, {stored}).toUtf8().size() <= 255);
    QVERIFY(PhoneFileNames::free(stored, {stored}).contains(QLatin1String(" (1)")));
}

void TestSending::helperThatCannotStartIsSaid()
{
    RecordingOutside outside;
    HelperProgram::setPathForTests(m_files.filePath(QStringLiteral("no-such-helper")));
    SplitAppUnpack unpack(m_files.filePath(QStringLiteral("any.xapk")));
    QTRY_VERIFY(unpack.done());
    QVERIFY2(unpack.problem().startsWith(QStringLiteral("无法启动 ")), qPrintable(unpack.problem()));
    HelperProgram::setPathForTests(QStringLiteral(PANNIX_TOOLS_HELPER));
}

void TestSending::pushThatGainsNothingIsGivenUp_data()
{
    QTest::addColumn<int>("growth"); // what the file grows by between the phone's answers; -1: no stat
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("the same size throughout") << 0 << true;
    QTest::newRow("growing") << 10 << false;
    QTest::newRow("an old phone's shell, no stat") << -1 << false;
}

// With the waits shortened: a question every 10 ms, given up after 150 ms without growth.
void TestSending::pushThatGainsNothingIsGivenUp()
{
    QFETCH(int, growth);
    QFETCH(bool, givenUp);
    RecordingOutside outside;
    int asked = 0;
    outside.answerer = [&](const ToolStart& start) {
        if (!start.words.contains(QStringLiteral("stat")))
            return ToolAnswer::exited(0, ".\n..\n");
        return ToolAnswer::exited(
            0, growth < 0 ? "/system/bin/sh: stat: not found\n" : QByteArray::number(100 + growth * ++asked) + "\n");
    };
    PhoneSending::setTimesForTests(10, 150, 0);
    PhoneSending sending(QStringLiteral("phone1"), QStringLiteral("phone1"));
    sending.add(SendItem::of(writeFile(m_files.filePath(QStringLiteral("f.bin")), QByteArray(1000000, 'f'))));
    QTRY_COMPARE(outside.streams.size(), 1);
    QCOMPARE(outside.streams[0].start.words,
        QStringList({"adb", "-s", "phone1", "push", QDir::toNativeSeparators(m_files.filePath("f.bin")),
            "/sdcard/Download/f.bin"}));
    QVERIFY(outside.streams[0].start.mergeErrors); // a newer adb tells its failures on its error stream
    QTest::qWait(givenUp ? 0 : 400);
    QTRY_COMPARE_WITH_TIMEOUT(
        sending.rows()[0].state, givenUp ? SendRow::State::Failed : SendRow::State::Sending, 5000);
    QCOMPARE(outside.streams[0].running.isNull(), givenUp);
    QCOMPARE(outside.lines().last() == QLatin1String("adb -s phone1 shell rm -f '/sdcard/Download/f.bin'"), givenUp);
    PhoneSending::setTimesForTests(0, 0, 0);
}

QTEST_MAIN(TestSending)
#include "tst_sending.moc"
