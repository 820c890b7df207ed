#include "ArchiveMaker.h"
#include "Fixture.h"
#include "LoopbackServer.h"
#include "bridge/ToolLocator.h"
#include "client/ClientVersion.h"
#include "install/ToolsArchive.h"
#include "install/ToolsInstall.h"
#include "install/ToolsRelease.h"
#include "launcher/options.h"
#include "tools/tools.h"

#include "install/ToolsHelper.h"
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>

using ArchiveMaker::Entry;

namespace {

#ifdef Q_OS_WIN
const QStringList Programs {QStringLiteral("adb.exe"), QStringLiteral("scrcpy.exe")};
const QStringList Libraries {QStringLiteral("AdbWinApi.dll"), QStringLiteral("AdbWinUsbApi.dll")};
const bool PlatformZip = true;
#else
const QStringList Programs {QStringLiteral("adb"), QStringLiteral("scrcpy")};
const QStringList Libraries;
const bool PlatformZip = false;
#endif

QByteArray contentOf(const QString& file)
{
    QFile input(file);
    input.open(QIODevice::ReadOnly);
    return input.readAll();
}

// The release's one folder with a stand-in client and adb, as the official archive holds them.
QList<Entry> officialEntries()
{
    const QString top = Paths::toolsFolderName();
    QList<Entry> entries {{top + QLatin1Char('/'), {}, Entry::Folder}};
    for (const QString& program : Programs)
        entries.append(
            {top + QLatin1Char('/') + program, contentOf(QStringLiteral(STANDIN_TOOL_PATH)), Entry::File, 0755});
    for (const QString& library : Libraries)
        entries.append({top + QLatin1Char('/') + library, "library"});
    entries.append({top + QStringLiteral("/scrcpy-server"), "server"});
    // What the stand-ins answer when asked for their versions.
    entries.append(
        {top + QStringLiteral("/adb.version"), "Android Debug Bridge version 1.0.41\nVersion 36.0.0-13206524\n"});
    entries.append({top + QStringLiteral("/scrcpy.version"), "scrcpy 4.1 <https://github.com/Genymobile/scrcpy>\n"});
    return entries;
}

QString textOf(QWidget& window, const char* name)
{
    return Fixture::find<QLabel>(window, name)->text();
}

// A computer with no tool anywhere: an empty program folder, nothing on PATH, and the tools folder
// in a home of its own, named in Chinese as a Chinese user's is.
struct NoTools
{
    explicit NoTools(const QString& homeName = QStringLiteral("用户张三"))
        : home(QDir::tempPath() + QLatin1Char('/') + homeName + QStringLiteral("-XXXXXX"))
    {
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        Paths::setToolsRoot(home.filePath(QStringLiteral("tools")));
    }
    ~NoTools()
    {
        qputenv("PATH", path);
        Paths::setToolsRoot(QString());
        ToolsRelease::restoreDeployed();
    }
    QString archive(const QList<Entry>& entries, bool zip = PlatformZip)
    {
        const QString file = home.filePath(QStringLiteral("release") + (zip ? ".zip" : ".tar.gz"));
        ArchiveMaker::write(file, entries, zip);
        return file;
    }
    ToolsRelease offer(
        const QUrl& address, const QByteArray& sha256, qint64 sizeLimit = 200 * 1000 * 1000, int stallLimitMs = 30000)
    {
        const ToolsRelease release {address, sha256, Paths::toolsFolderName(), sizeLimit, stallLimitMs};
        ToolsRelease::setCurrentForTests(release);
        return release;
    }
    // What the tools' root holds: the tools folder once installed, and never a temporary file.
    QStringList leftInRoot() const
    {
        return QDir(Paths::toolsRoot()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    QTemporaryDir home;
    ProgramFolder program {QStringList()};
};

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useTestFolders(); }

    void downloads_data();
    void downloads();
    void reportLinesReadAsWritten();
    void archivesThatReachOutsideAreRefused_data();
    void archivesThatReachOutsideAreRefused();
    void chosenFileIsTheFileUnpacked_data();
    void chosenFileIsTheFileUnpacked();
    void startUpWithoutTools_data();
    void startUpWithoutTools();
    void launchUsesTheFetchedTools_data();
    void launchUsesTheFetchedTools();
    void transferMemoryIsBounded();
    void installsThatEndBadly_data();
    void installsThatEndBadly();
    void helperReportsAsWritten_data();
    void helperReportsAsWritten();
    void missingFilesAreNamed();
};

void TestTools::downloads_data()
{
    QTest::addColumn<QString>("served");
    QTest::addColumn<bool>("zip");
    QTest::addColumn<QString>("told");
    QTest::newRow("tar.gz, at the size limit") << "whole" << false << QString();
    QTest::newRow("zip, at the size limit") << "whole" << true << QString();
    QTest::newRow("redirected") << "redirect" << PlatformZip << QString();
    QTest::newRow("a mirror naming the file in a query") << "query" << PlatformZip << QString();
    QTest::newRow("another SHA-256") << "other sha" << PlatformZip
                                     << "不是官方发布的文件（SHA-256 不符），没有安装任何东西";
    QTest::newRow("cut halfway") << "cut" << PlatformZip << "下载失败";
    QTest::newRow("nothing listens") << "refused" << PlatformZip << "下载失败：下载服务器拒绝或中断了连接（";
    QTest::newRow("404") << "404" << PlatformZip << "服务器回答 404";
    QTest::newRow("stalled") << "stall" << PlatformZip << "秒内没有收到任何数据";
    QTest::newRow("one byte past the size limit") << "too big" << PlatformZip << "文件超过";
    // Refused on its headers: nothing of the body comes, and no stall limit is waited for.
    QTest::newRow("announced one byte past the limit") << "announced too big" << PlatformZip << "文件超过";
    QTest::newRow("cancelled midway") << "cancel" << PlatformZip << "下载已取消";
}

void TestTools::downloads()
{
    QFETCH(QString, served);
    QFETCH(bool, zip);
    QFETCH(QString, told);
    NoTools none;
    const QByteArray bytes = contentOf(none.archive(officialEntries(), zip));
    const QString name = Paths::toolsFolderName() + (zip ? ".zip" : ".tar.gz");
    LoopbackServer server;
    LoopbackServer::Reply reply {200, bytes};
    if (served == "cut")
        reply.cutAfter = bytes.size() / 2;
    if (served == "stall" || served == "cancel")
        reply.stallAfter = bytes.size() / 2;
    if (served == "announced too big")
        reply.stallAfter = 0;
    if (served == "404")
        reply = {404, "gone"};
    server.routes[QStringLiteral("/releases/") + name] = reply;
    QUrl address = server.url(QStringLiteral("/releases/") + name);
    if (served == "query") {
        server.routes[QStringLiteral("/download.php?file=") + name] = reply;
        address = server.url(QStringLiteral("/download.php?file=") + name);
    }
    if (served == "refused") { // a port that was just given up: nothing listens there
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        address.setPort(closed.serverPort());
    }
    if (served == "redirect") {
        server.routes[QStringLiteral("/latest/") + name] = {302, {}, address.toEncoded()};
        address = server.url(QStringLiteral("/latest/") + name);
    }
    none.offer(address, ArchiveMaker::sha256(served == "other sha" ? QByteArray("another file") : bytes),
        served.endsWith("too big") ? bytes.size() - 1 : bytes.size(), served == "stall" ? 300 : 30000);
    // What an earlier install cut short left behind is swept when this one starts.
    QDir().mkpath(Paths::toolsRoot() + "/.unpack-a1b2c3/" + Paths::toolsFolderName());
    for (const char* left : {"/.download-x1y2z3.part", "/.old-tools-1700000000000"})
        QFile(Paths::toolsRoot() + left).open(QIODevice::WriteOnly);
#ifndef Q_OS_WIN
    const mode_t umaskBefore = umask(0); // the root is the user's alone whatever the umask
#endif

    RecordingOutside outside;
    outside.forwardTools = true; // the install helper runs, and the installed tools tell their versions
    AppWindows windows;
    tools& window = windows.toolsWindow();
    window.show();
    QSignalSpy installed(&window, &tools::installed);
    windows.state().clientVersion().ask(); // as the launcher, shown first, has asked: no client yet
    QTRY_VERIFY(windows.state().clientVersion().answered());
    auto* download = Fixture::find(window, "toolsDownload");
    Fixture::click(download);
    QVERIFY(window.busy());
    QCOMPARE(textOf(window, "toolsStatus"), QStringLiteral("正在连接…")); // said before the transfer begins
    QElapsedTimer cancelled;
    if (served == "cancel") {
        QTRY_VERIFY(!textOf(window, "toolsProgressText").isEmpty());
        cancelled.start();
        Fixture::click(Fixture::find(window, "toolsCancel"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    if (cancelled.isValid()) // the helper, told through its input, has ended
        QVERIFY2(cancelled.elapsed() < 500, qPrintable(QString::number(cancelled.elapsed())));
#ifndef Q_OS_WIN
    umask(umaskBefore);
    QCOMPARE(QFile::permissions(Paths::toolsRoot()) & 0x0077, QFile::Permissions());
#endif
    const QString status = textOf(window, "toolsStatus");
    if (!told.isEmpty()) {
        QVERIFY2(status.contains(told), qPrintable(status));
        QCOMPARE(installed.count(), 0);
        QCOMPARE(none.leftInRoot(), QStringList()); // no tools folder, no temporary file
        QVERIFY(!ToolLocator::bridgeToolPresent());
        QVERIFY(download->isEnabled()); // and it can be pressed again, the focus on it, the bar empty
        QCOMPARE(window.focusWidget(), download);
        QCOMPARE(Fixture::find<QProgressBar>(window, "toolsProgress")->value(), 0);
        QCOMPARE(textOf(window, "toolsProgressText"), QString());
        return;
    }
    QVERIFY2(status.startsWith(QStringLiteral("已安装到")), qPrintable(status));
    QCOMPARE(Fixture::find<QLabel>(window, "toolsStatus")->palette().color(QPalette::WindowText), QColor(0, 0, 160));
    QVERIFY(textOf(window, "toolsOffer").contains(name)); // the archive's name, a mirror's query or not
    QCOMPARE(installed.count(), 1);
    QCOMPARE(none.leftInRoot(), QStringList({Paths::toolsFolderName()}));
    QVERIFY(ToolLocator::bridgeToolPresent());
    QCOMPARE(ToolLocator::locate(QStringLiteral("adb")), Paths::toolsFolder() + QLatin1Char('/') + Programs[0]);
    QCOMPARE(ToolLocator::locate(QStringLiteral("scrcpy")), Paths::toolsFolder() + QLatin1Char('/') + Programs[1]);
    // Both tools in use now, where and in which version, as each tells it.
    const QString folder = QDir::toNativeSeparators(Paths::toolsFolder());
    QTRY_COMPARE(textOf(window, "toolsState").replace(QDir::separator() + QStringLiteral("\n"), QDir::separator()),
        QStringLiteral(
            "正在使用：\nadb 36.0.0-13206524，位于 %1（Pannix 获取的工具，与 scrcpy 成对使用）\nscrcpy 4.1，位于 %1")
            .arg(folder));
    // Asked again once installed: the more options follow the client now there.
    QTRY_VERIFY(textOf(windows.moreOptions(), "versionNote").startsWith(QStringLiteral("投屏客户端 scrcpy 4.1：")));
    QCOMPARE(textOf(window, "toolsProgressText"),
        QStringLiteral("已下载 %1 MB / %1 MB（100%）").arg(QString::number(bytes.size() / 1e6, 'f', 1)));
    // A second install starts from an empty bar, and no button that cannot act is within reach.
    outside.chosenFile = none.archive(officialEntries(), zip);
    Fixture::click(Fixture::find(window, "toolsFromFile"));
    QCOMPARE(Fixture::find<QProgressBar>(window, "toolsProgress")->value(), 0);
    QCOMPARE(textOf(window, "toolsProgressText"), QString());
    QVERIFY(!download->isEnabled() && !Fixture::find(window, "toolsFromFile")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
#ifndef Q_OS_WIN
    // The executable bits as the archive has them, and nothing writable by others.
    const QFile::Permissions othersWrite = QFile::WriteGroup | QFile::WriteOther;
    QCOMPARE(QFile::permissions(Paths::toolsFolder() + QStringLiteral("/adb")) & (QFile::ExeOther | othersWrite),
        QFile::ExeOther);
    QCOMPARE(
        QFile::permissions(Paths::toolsFolder() + QStringLiteral("/scrcpy-server")) & (QFile::ExeOwner | othersWrite),
        QFile::Permissions());
#endif
}

void TestTools::archivesThatReachOutsideAreRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("told");
    QTest::newRow("../x") << "dot-dot"
                          << "含有“..”";
    QTest::newRow("/abs") << "absolute"
                          << "是一个绝对路径";
    QTest::newRow("symbolic link out") << "symlink"
                                       << "是一个链接";
    QTest::newRow("hard link out") << "hardlink"
                                   << "是一个链接";
    QTest::newRow("second top folder") << "second top"
                                       << "不在压缩包唯一的顶层文件夹中";
    QTest::newRow("not the official file") << ""
                                           << "不是官方发布的文件（SHA-256 不符）";
}

void TestTools::archivesThatReachOutsideAreRefused()
{
    QFETCH(QString, entry);
    QFETCH(QString, told);
    NoTools none;
    QTemporaryDir elsewhere;
    const QString top = Paths::toolsFolderName();
    QList<Entry> entries = officialEntries();
    if (entry == "dot-dot")
        entries.append({top + QStringLiteral("/../../x"), "escaped"});
    if (entry == "absolute")
        entries.append({elsewhere.filePath(QStringLiteral("x")), "escaped"});
    if (entry == "symlink")
        entries.append({top + QStringLiteral("/x"), {}, Entry::Symlink, 0777, elsewhere.path()});
    if (entry == "hardlink")
        entries.append(
            {top + QStringLiteral("/x"), {}, Entry::Hardlink, 0644, elsewhere.filePath(QStringLiteral("x"))});
    if (entry == "second top")
        entries.append({QStringLiteral("other/x"), "escaped"});
    const QString file = none.archive(entries, PlatformZip && entry != "hardlink"); // a zip holds no hard link
    none.offer(QUrl(QStringLiteral("https://tools.test/release")),
        ArchiveMaker::sha256(entry.isEmpty() ? QByteArray("another file") : contentOf(file)));

    RecordingOutside outside;
    outside.chosenFile = file;
    AppWindows windows;
    tools& window = windows.toolsWindow();
    window.show();
    Fixture::click(Fixture::find(window, "toolsFromFile"));
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    QCOMPARE(outside.fileChoices, 1);
    QVERIFY2(textOf(window, "toolsStatus").contains(told), qPrintable(textOf(window, "toolsStatus")));
    QCOMPARE(none.leftInRoot(), QStringList());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    // Beside the archive, the tools' root that took its copy, now empty.
    QCOMPARE(QDir(none.home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList({QFileInfo(file).fileName(), QFileInfo(Paths::toolsRoot()).fileName()}));
}

void TestTools::chosenFileIsTheFileUnpacked_data()
{
    QTest::addColumn<QString>("happens");
    QTest::addColumn<QString>("told"); // empty: installed
    QTest::newRow("swapped once it was read") << "swap" << QString();
    QTest::newRow("at the size limit") << "at limit" << QString();
    QTest::newRow("one byte past the size limit") << "past limit"
                                                  << "文件超过";
    QTest::newRow("cancelled while it is copied") << "cancel copying"
                                                  << "已取消";
    QTest::newRow("cancelled while it is unpacked") << "cancel unpacking"
                                                    << "已取消";
}

// A chosen archive is copied while it is hashed: what is checked is what is unpacked, whatever the
// chosen file becomes afterwards; one past the limit is refused, and "取消" is honoured within half a
// second whatever the stage. The install object itself, where a test can swap the file in between.
void TestTools::chosenFileIsTheFileUnpacked()
{
    QFETCH(QString, happens);
    QFETCH(QString, told);
    NoTools none;
    QList<Entry> entries = officialEntries();
    if (happens == "cancel unpacking") // large enough to be still unpacking when "取消" comes
        entries.append({Paths::toolsFolderName() + QStringLiteral("/large"), QByteArray(150 * 1000 * 1000, 'x')});
    const QString file = none.archive(entries);
    const QByteArray genuine = contentOf(file);
    if (happens == "cancel copying") // large enough to be still on its way when "取消" comes
        QFile(file).resize(150 * 1000 * 1000);
    const qsizetype size = genuine.size();
    const ToolsRelease release
        = none.offer(QUrl(QStringLiteral("https://tools.test/release")), ArchiveMaker::sha256(genuine),
            happens == "past limit"     ? size - 1
                : happens == "at limit" ? size
                                        : 200 * 1000 * 1000);
    QList<Entry> swapped = officialEntries();
    swapped[1].content = "the attacker's adb";
    const QString attackers = none.archive(swapped, !PlatformZip);
    ToolsArchive::setAfterCopyForTests([&](const QString& chosen) {
        if (happens == "swap")
            QFile::remove(chosen), QFile::copy(attackers, chosen);
    });
    ToolsInstall install(release, Paths::toolsRoot());
    QElapsedTimer clock;
    connect(&install, &ToolsInstall::stageChanged, this, [&](InstallStage stage) {
        if (happens == "cancel " + QString::fromLatin1(InstallReport::StageNames[int(stage)]))
            clock.start(), install.cancel();
    });
    QSignalSpy finished(&install, &ToolsInstall::finished);
    install.installFile(file);
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 20000);
    ToolsArchive::setAfterCopyForTests(nullptr);
    if (happens.startsWith("cancel"))
        QVERIFY2(clock.isValid() && clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    const QString problem = finished.first().first().toString();
    QVERIFY2(told.isEmpty() ? problem.isEmpty() : problem.contains(told), qPrintable(problem));
    QCOMPARE(none.leftInRoot(), told.isEmpty() ? QStringList {Paths::toolsFolderName()} : QStringList());
    if (told.isEmpty()) // the genuine adb, not the attacker's
        QCOMPARE(contentOf(Paths::toolsFolder() + QLatin1Char('/') + Programs[0]),
            contentOf(QStringLiteral(STANDIN_TOOL_PATH)));
}

void TestTools::startUpWithoutTools_data()
{
    QTest::addColumn<bool>("install");
    QTest::newRow("closed") << false;
    QTest::newRow("installed from a file") << true;
}

// Without the bridge tool the start-up offers the tools; closed, the program ends as it always has,
// installed, the start-up goes on as if they had been there.
void TestTools::startUpWithoutTools()
{
    QFETCH(bool, install);
    NoTools none;
    const QString file = none.archive(officialEntries());
    none.offer(QUrl(QStringLiteral("https://tools.test/release")), ArchiveMaker::sha256(contentOf(file)));
    RecordingOutside outside;
    outside.chosenFile = file;
    AppWindows windows;
    Start& start = windows.start();
    tools& window = windows.toolsWindow();
    QVERIFY(window.isVisible());
    QVERIFY(!start.isVisible());
    QVERIFY(!start.Timerst->isActive());
    QVERIFY(outside.messages.isEmpty());
    if (!install) {
        Fixture::click(Fixture::find(window, "toolsCancel"));
        QCOMPARE(outside.messageTexts(),
            QStringList({QStringLiteral("驱动不正常！请解压后运行或检查主程序目录下的文件！")}));
        QCOMPARE(outside.messages[0].icon, Outside::Icon::Stop);
        QCOMPARE(outside.programEnds, 1);
        QCOMPARE(outside.lastExitStatus, 1);
        QVERIFY(!start.toolCheckPassed());
        return;
    }
    Fixture::click(Fixture::find(window, "toolsFromFile"));
    QTRY_VERIFY(start.isVisible());
    QVERIFY(start.toolCheckPassed());
    QVERIFY(start.Timerst->isActive());
    QVERIFY(!window.isVisible());
    QVERIFY(outside.messages.isEmpty());
    QCOMPARE(outside.programEnds, 0);
}

// Every command and the clients use the fetched adb; the client starts from the tools folder.
void TestTools::launchUsesTheFetchedTools_data()
{
    QTest::addColumn<bool>("adbBeside"); // an adb beside the program
    QTest::addColumn<bool>("systemFolder"); // the program among the system's programs, as the package puts it
    QTest::addColumn<bool>("programsAdb"); // whether that adb is the one in use
    QTest::newRow("a folder of its own") << false << false << false;
    QTest::newRow("a portable folder with its adb") << true << false << true;
    QTest::newRow("installed beside the system's adb") << true << true << false;
}

// The fetched pair is used as a pair: the client from the tools folder is told of the tools' adb,
// which every call uses too, unless the user put an adb beside a program in a folder of its own.
void TestTools::launchUsesTheFetchedTools()
{
    QFETCH(bool, adbBeside);
    QFETCH(bool, systemFolder);
    QFETCH(bool, programsAdb);
    NoTools none(QStringLiteral("user")); // the stand-in writes its records by the system's code page
    QCOMPARE(
        ToolsArchive::unpack(none.archive(officialEntries()), Paths::toolsFolderName(), Paths::toolsRoot()), QString());
    Fixture f {QStringList()};
    if (adbBeside)
        f.program.addTool(QStringLiteral("adb"));
    ToolLocator::setSystemFoldersForTests(systemFolder ? QStringList {f.program.folder()} : QStringList());
    f.outside.forwardTools = true;
    Form1& form = f.launcher();
    form.show();
    f.outside.settle();
    f.selectSlots({1});
    f.outside.settle();
    Fixture::click(form.QSNUM);
    for (int tick = 0; tick < 5; ++tick)
        form.tickTimerTOT();
    const QString folder = Paths::toolsFolder();
    const QString adb
        = programsAdb ? f.program.toolPath(QStringLiteral("adb")) : folder + QLatin1Char('/') + Programs[0];
    QTRY_VERIFY(QFile::exists(folder + QStringLiteral("/scrcpy.adb")));
    ToolLocator::setSystemFoldersForTests({});
    QCOMPARE(contentOf(folder + QStringLiteral("/scrcpy.adb")), QDir::toNativeSeparators(adb).toUtf8() + '\x1e');
    QVERIFY(contentOf(folder + QStringLiteral("/scrcpy.log")).contains("SER1"));
    // The maker query of the phone went to that adb alone.
    QVERIFY(contentOf(QFileInfo(adb).absolutePath() + QStringLiteral("/adb.log")).contains("getprop"));
    QCOMPARE(QFile::exists((programsAdb ? folder : f.program.folder()) + QStringLiteral("/adb.log")), false);
}

void TestTools::installsThatEndBadly_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("helper killed while downloading") << "killed";
    QTest::newRow("disk full while copying") << "full copying";
    QTest::newRow("disk full while unpacking") << "full unpacking";
    QTest::newRow("a read-only disk with room") << "read-only";
    QTest::newRow("a file where the tools' root should be") << "no root";
    QTest::newRow("the helper is not there") << "no helper";
}

// A helper killed mid-install leaves nothing behind within a second and says so; a full disk is told
// in the same words whichever stage met it. The helper runs for real, on a 2 MB file system of its own.
void TestTools::installsThatEndBadly()
{
#ifdef Q_OS_WIN
    QSKIP("killing the helper and a small file system are Linux's");
#else
    QFETCH(QString, end);
    NoTools none;
    QList<Entry> entries = officialEntries();
    QByteArray large(5 * 1000 * 1000, '\0');
    if (end == "full copying") // random bytes do not compress: the archive itself is too big
        for (char& byte : large)
            byte = char(QRandomGenerator::global()->generate());
    entries.append({Paths::toolsFolderName() + QStringLiteral("/large"), large});
    const QString file = none.archive(entries);
    const QByteArray bytes = contentOf(file);
    LoopbackServer server;
    server.routes[QStringLiteral("/release")] = {200, bytes, {}, -1, bytes.size() / 2};
    none.offer(server.url(QStringLiteral("/release")), ArchiveMaker::sha256(bytes));
    QTemporaryDir scripts;
    if (end == "no root") { // the user's data folder holds a file of the root's name
        QFile(Paths::toolsRoot()).open(QIODevice::WriteOnly);
        Paths::setToolsRoot(Paths::toolsRoot() + QStringLiteral("/tools"));
    }
    if (end == "no helper")
        ToolsHelper::setProgramForTests(scripts.filePath(QStringLiteral("pannix-tools")));
    if (end.startsWith("full") || end == "read-only") {
        // The helper in a mount namespace of its own (PATH names no folder here), where the tools' root is a 2 MB file
        // system, read-only or not.
        const QString wrapper = scripts.filePath(QStringLiteral("small-disk"));
        QFile script(wrapper);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n/usr/bin/mkdir -p '%1'\nexec /usr/bin/unshare -rm /bin/sh -c "
                                    "'/usr/bin/mount -t tmpfs -o %3 tmpfs "
                                    "\"$0\" && exec \"$@\"' '%1' '%2' \"$@\"\n")
                         .arg(Paths::toolsRoot(), QStringLiteral(PANNIX_TOOLS_HELPER),
                             end == "read-only" ? QStringLiteral("size=2m,ro") : QStringLiteral("size=2m"))
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        if (QProcess::execute(QStringLiteral("/usr/bin/unshare"), {"-rm", "/usr/bin/true"}) != 0)
            QSKIP("this system lets no user make a mount namespace");
        ToolsHelper::setProgramForTests(wrapper);
    }
    RecordingOutside outside;
    outside.chosenFile = file;
    AppWindows windows;
    tools& window = windows.toolsWindow();
    window.show();
    Fixture::click(Fixture::find(window, end == "killed" ? "toolsDownload" : "toolsFromFile"));
    QElapsedTimer killed;
    if (end == "killed") {
        QTRY_VERIFY(!textOf(window, "toolsProgressText").isEmpty()); // half the archive is on the disk
        QVERIFY(none.leftInRoot().value(0).startsWith(QStringLiteral(".download-")));
        QProcess::execute(QStringLiteral("/usr/bin/pkill"), {"-KILL", "-f", "--", "--root " + Paths::toolsRoot()});
        killed.start();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    ToolsHelper::setProgramForTests(QStringLiteral(PANNIX_TOOLS_HELPER)); // as every other test has it
    const QString status = textOf(window, "toolsStatus").remove(QLatin1Char('\n'));
    if (end == "killed") {
        QVERIFY2(killed.elapsed() < 1000, qPrintable(QString::number(killed.elapsed())));
        QCOMPARE(none.leftInRoot(), QStringList());
        QCOMPARE(status, QStringLiteral("安装程序意外结束（状态 9），没有安装任何东西。它留下的未完成文件已删除。"));
        return;
    }
    // A full disk in the same words at both stages; otherwise what went wrong, never "full" (a
    // read-only disk has room) and never an end the helper did not reach (nothing ran).
    const QString root = Paths::toolsRoot();
    const QMap<QString, QString> told {{"no root", QStringLiteral("无法创建文件夹 %1").arg(root)},
        {"no helper", QStringLiteral("无法启动安装程序 %1，没有安装任何东西。").arg(scripts.filePath("pannix-tools"))},
        {"read-only", QStringLiteral("无法写入 %1：").arg(root)}};
    QVERIFY2(status.startsWith(told.value(end,
                 QStringLiteral("磁盘已满：%1 所在的磁盘没有空间了，没有安装任何东西。请腾出空间后再试。").arg(root))),
        qPrintable(status));
#endif
}

// Each stage the helper tells reads back as that stage (its other lines are read by the rows below).
void TestTools::reportLinesReadAsWritten()
{
    for (const InstallStage stage :
        {InstallStage::Connecting, InstallStage::Downloading, InstallStage::Copying, InstallStage::Unpacking})
        QVERIFY(InstallReport::read(InstallReport::stage(stage)).stage == stage);
}

void TestTools::helperReportsAsWritten_data()
{
    QTest::addColumn<QByteArray>("first"); // what the helper says on each run, its status last
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("progress"); // what the window shows after the first run
    QTest::addColumn<QString>("told");
    const QString ended = QStringLiteral("安装程序意外结束（状态 %1），没有安装任何东西。");
    const QByteArray installed = "{\"finished\":\"\"}\n0";
    QTest::newRow("ends 0 without its end")
        << QByteArray("{\"stage\":\"downloading\"}\n0") << QByteArray() << "" << ended.arg(0);
    QTest::newRow("its end without a line end")
        << QByteArray("{\"finished\":\"磁盘已满\"}0") << QByteArray() << "" << ended.arg(0);
    QTest::newRow("sizes at their limits") << "{\"received\":9007199254740992,\"total\":9007199254740992}\n" + installed
                                           << QByteArray() << "已下载 9007199254.7 MB / 9007199254.7 MB（100%）"
                                           << "installed";
    QTest::newRow("a size not yet known")
        << "{\"received\":1000000,\"total\":-1}\n" + installed << QByteArray() << "已下载 1.0 MB"
        << "installed";
    QTest::newRow("sizes past any file, a sign, a fraction")
        << "{\"received\":1000000,\"total\":2000000}\n{\"received\":9007199254740994,\"total\":1}\n"
           "{\"received\":-1,\"total\":1}\n{\"received\":1,\"total\":-2}\n{\"received\":1,\"total\":-1e300}\n"
           "{\"received\":0.5,\"total\":1}\n"
            + installed
        << QByteArray() << "已下载 1.0 MB / 2.0 MB（50%）"
        << "installed";
    QTest::newRow("a second run that ends without its end") << QByteArray("{\"finished\":\"无法写入\"}\n{\"finished\0")
                                                            << QByteArray("\":\"第二次\"}\n3") << "" << ended.arg(3);
}

// The window believes the helper's lines only as written, and each run only its own: a size that no
// file has is no progress, and an end told by an earlier run, or not finished with its line, is none.
void TestTools::helperReportsAsWritten()
{
#ifdef Q_OS_WIN
    QSKIP("the helper played by a shell script");
#else
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, progress);
    QFETCH(QString, told);
    NoTools none;
    const QList<QByteArray> runs = second.isEmpty() ? QList {first} : QList {first, second};
    for (int run = 1; run <= runs.size(); ++run) {
        none.program.write(QStringLiteral("pannix-tools.%1").arg(run), runs[run - 1].chopped(1));
        none.program.write(QStringLiteral("pannix-tools.%1.status").arg(run), runs[run - 1].right(1));
    }
    const QString helper = none.program.path(QStringLiteral("pannix-tools"));
    none.program.write(QStringLiteral("pannix-tools"),
        "#!/bin/sh\nrun=1; [ -e \"$0.ran\" ] && run=2; : > \"$0.ran\"\nprintf '%s\\n' \"$@\" > \"$0.words\"\n"
        "/bin/cat \"$0.$run\"\nexit $(/bin/cat \"$0.$run.status\")\n");
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
    ToolsHelper::setProgramForTests(helper);
    RecordingOutside outside;
    AppWindows windows;
    tools& window = windows.toolsWindow();
    window.show();
    for (int run = 1; run <= runs.size(); ++run) {
        Fixture::click(Fixture::find(window, "toolsDownload"));
        QTRY_VERIFY(!window.busy());
        if (run == 1)
            QCOMPARE(textOf(window, "toolsProgressText"), progress);
    }
    ToolsHelper::setProgramForTests(QStringLiteral(PANNIX_TOOLS_HELPER));
    if (told == "installed")
        told = QStringLiteral("已安装到 %1。").arg(QDir::toNativeSeparators(Paths::toolsFolder()));
    QCOMPARE(textOf(window, "toolsStatus").remove(QLatin1Char('\n')), told);
    // The release as deployed, with the limits promised: 200 MB at most, given up after 30 s without a byte.
    const QByteArray words = contentOf(helper + QStringLiteral(".words"));
    QVERIFY2(words.contains("\n--size-limit\n200000000\n--stall-limit-ms\n30000\n"), words.constData());
#endif
}

// What is missing is named: on Windows the one file of the bridge's three that is not there.
void TestTools::missingFilesAreNamed()
{
    NoTools none(QStringLiteral("一个很长的用户文件夹名称用来检查路径只在文件夹分隔符处换行"));
#ifdef Q_OS_WIN
    none.program.addTool(QStringLiteral("adb"));
    QFile::remove(Paths::programFolder() + QStringLiteral("/AdbWinApi.dll"));
    const QString missing = QStringLiteral("AdbWinApi.dll、scrcpy");
#else
    const QString missing = QStringLiteral("adb、scrcpy");
#endif
    AppWindows windows;
    tools& window = windows.toolsWindow();
    window.show();
    QVERIFY2(textOf(window, "toolsState").startsWith(QStringLiteral("缺少：") + missing + QStringLiteral("。")),
        qPrintable(textOf(window, "toolsState")));
    // The offer's long path goes on to a new line after a folder separator.
    QVERIFY2(textOf(window, "toolsOffer").contains(QDir::separator() + QStringLiteral("\n")),
        qPrintable(textOf(window, "toolsOffer")));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"

// A 150 MB transfer over the loopback, the helper run alone as the window runs it: its peak memory
// stays within 16 MB of what it held when the transfer began, however fast the bytes come.
void TestTools::transferMemoryIsBounded()
{
#ifndef Q_OS_LINUX
    QSKIP("the peak memory is read from /proc");
#endif
#ifdef PANNIX_SANITIZED
    QSKIP("AddressSanitizer holds freed memory back for a while: the peak says nothing of the program's");
#endif
    NoTools none;
    LoopbackServer server;
    server.routes[QStringLiteral("/big.zip")] = {200, QByteArray(150 * 1000 * 1000, 'x')};
    QProcess helper;
    helper.start(QStringLiteral(PANNIX_TOOLS_HELPER),
        {"--root", Paths::toolsRoot(), "--address", server.url(QStringLiteral("/big.zip")).toString(), "--sha256",
            QString(64, QLatin1Char('0')), "--folder", "big", "--download"});
    QVERIFY(helper.waitForStarted());
    const auto peakKb = [&helper] { // VmHWM, read while the helper runs
        QFile status(QStringLiteral("/proc/%1/status").arg(helper.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ').first().toLongLong();
    };
    QByteArray output;
    long long atStart = 0, peak = 0;
    QElapsedTimer clock;
    clock.start();
    while (helper.state() == QProcess::Running && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        output += helper.readAllStandardOutput();
        if (const long long kb = helper.processId() ? peakKb() : 0; kb > 0)
            (atStart == 0 && output.contains("received") ? atStart : peak) = kb;
    }
    helper.waitForFinished();
    output += helper.readAllStandardOutput();
    QVERIFY2(output.contains("SHA-256"), output.right(300).constData()); // the whole transfer was taken
    QVERIFY(atStart > 0);
    QVERIFY2(peak - atStart <= 16 * 1024, qPrintable(QStringLiteral("%1 kB then %2 kB").arg(atStart).arg(peak)));
}
