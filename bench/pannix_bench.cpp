// Measures the program's costs side by side with a baseline in the same run and prints one table.
// Each measure is repeated; ratios come from paired runs, and the medians are reported.
//
//   pannix_bench [repeats]
#include "ProbeCommon.h"
#include "app/AppWindows.h"
#include "bridge/DeviceModel.h"
#include "bridge/DeviceTracker.h"
#include "bridge/Paths.h"
#include "bridge/PhoneReconnect.h"
#include "controls/CheckButton.h"
#include "controls/N_Shape.h"
#include "controls/OptionButton.h"
#include "info/About.h"
#include "info/DonatION.h"
#include "info/KJJ.h"
#include "info/meizu.h"
#include "launcher/Form1.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "startup/Start.h"
#include "startup/pair.h"
#include "state/ProgramState.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <QTimer>
#include <atomic>
#include <thread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

const QString BenchFolder = QStringLiteral(PANNIX_BENCH_FOLDER);

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Row
{
    QString measure;
    QString unit;
    double program = 0;
    double baseline = -1; // none when negative
    double ratio = -1;
    QString goal;
    bool met = false;
};

// A program folder with stand-ins named as the tools, each logging when it started.
class StandInFolder
{
public:
    StandInFolder()
    {
        for (const char* tool : {"adb", "scrcpy"}) {
            QFile::copy(BenchFolder + QStringLiteral("/bench_standin"), path(QString::fromLatin1(tool)));
            QFile::setPermissions(
                path(QString::fromLatin1(tool)), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QList<long long> starts(const QString& tool) const
    {
        QFile log(path(tool + QStringLiteral(".log")));
        QList<long long> times;
        if (log.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : log.readAll().split('\n')) {
                if (!line.isEmpty())
                    times.append(line.toLongLong());
            }
        }
        return times;
    }
    // Waits until the tool has logged count starts; returns the last one, or 0 on a time-out.
    long long waitForStarts(const QString& tool, int count) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const QList<long long> times = starts(tool);
            if (times.size() >= count)
                return times.last();
            QThread::usleep(200);
        }
        return 0;
    }

private:
    QTemporaryDir m_dir;
};

// Starts a probe program and returns the number after the tag it prints.
long long runProbe(const QString& program, const QStringList& arguments, const char* tag, long long* startedAt)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    *startedAt = nowNs();
    process.start(program, arguments);
    process.waitForFinished(20000);
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith(tag))
            return line.mid(int(qstrlen(tag)) + 1).toLongLong();
    }
    return -1;
}

// Measures the program and the baseline in pairs, taking turns at going first, and reports the
// medians and the median of the pairs' ratios.
Row pairedRuns(const QString& measure, const QString& unit, int repeats, double goal,
    const std::function<double()>& program, const std::function<double()>& baseline)
{
    QList<double> programs, baselines, ratios;
    for (int i = 0; i < repeats; ++i) {
        double p = 0, b = 0;
        if (i % 2 == 0) {
            p = program();
            b = baseline();
        } else {
            b = baseline();
            p = program();
        }
        programs.append(p);
        baselines.append(b);
        ratios.append(p / b);
    }
    const double ratio = median(ratios);
    return {
        measure, unit, median(programs), median(baselines), ratio, QStringLiteral("<= %1x").arg(goal), ratio <= goal};
}

// Milliseconds from the probe's start to its first paint.
double firstPaintMs(const QString& probe, const QStringList& arguments)
{
    long long started = 0;
    const long long painted = runProbe(BenchFolder + probe, arguments, "PAINT", &started);
    return (painted - started) / 1e6;
}

double peakMemoryMiB(const QString& probe, const QStringList& arguments)
{
    long long started = 0;
    return runProbe(BenchFolder + probe, arguments, "HWM", &started) / 1024.0;
}

// The program's start-up beside a bare window, empty or showing the start window's texts.
Row startUp(int repeats, const StandInFolder& tools, const QString& measure, const QStringList& baseline, double goal)
{
    return pairedRuns(
        measure, "ms", repeats, goal,
        [&] {
            return firstPaintMs("/pannix_probe", {"paint", tools.folder()});
        },
        [&] { return firstPaintMs("/bare_window", QStringList {"paint"} + baseline); });
}

Row memory(int repeats, const StandInFolder& tools, const QString& measure, const QStringList& baseline)
{
    return pairedRuns(
        measure, "MiB", repeats, 1.3,
        [&] {
            return peakMemoryMiB("/pannix_probe", {"memory", tools.folder()});
        },
        [&] { return peakMemoryMiB("/bare_window", QStringList {"memory"} + baseline); });
}

// The longest time the window thread goes without handling events while "连接" waits for a tool
// that answers after 1.5 s: a 1 ms precise timer beats throughout, and its longest gap is the stall.
Row connectStall(AppWindows& windows, const StandInFolder& tools)
{
    Start& start = windows.start();
    start.Timerst->stop();
    const QString delayFile = tools.path(QStringLiteral("adb.delay_ms"));
    QFile delay(delayFile);
    delay.open(QIODevice::WriteOnly);
    delay.write("1500");
    delay.close();
    auto* connf = start.findChild<N_Shape*>(QStringLiteral("connf"));
    auto* status = start.findChild<QPlainTextEdit*>(QStringLiteral("ssxx"));
    status->clear();
    qint64 longest = 0;
    QElapsedTimer gap;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { longest = std::max(longest, gap.restart()); });
    gap.start();
    beat.start(1);
    emit connf->Click();
    QElapsedTimer clock;
    clock.start();
    while (status->toPlainText().isEmpty() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    beat.stop();
    QFile::remove(delayFile);
    const double stall = double(longest);
    return {"longest window stall while a connect answers after 1.5 s", "ms", stall, -1, -1, QStringLiteral("< 50 ms"),
        stall < 50};
}

Row commandLatency(AppWindows& windows, const StandInFolder& tools)
{
    windows.state().devices().setTicked(1, true);
    N_Shape* volumeUp = windows.keyPanel().findChild<N_Shape*>(QStringLiteral("VOLUP"));
    const QString adb = tools.path(QStringLiteral("adb"));
    int expected = int(tools.starts(QStringLiteral("adb")).size());
    // Milliseconds from the action to the stand-in's start.
    auto untilStarted = [&](const std::function<void()>& action) {
        const long long before = nowNs();
        action();
        return (tools.waitForStarts(QStringLiteral("adb"), ++expected) - before) / 1e6;
    };
    return pairedRuns(
        "panel click to tool start (200 clicks)", "ms", 200, 1.2,
        [&] { return untilStarted([&] { emit volumeUp->Click(); }); },
        [&] {
            return untilStarted([&] {
                QProcess::startDetached(adb, {"shell", "input", "keyevent", "24"}, Paths::outputFolder());
            });
        });
}

// Counts timer events delivered to the program's own objects.
class TimerCounter : public QObject
{
public:
    explicit TimerCounter(QList<QWidget*> windows)
        : m_windows(std::move(windows))
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && isOurs(watched))
            ++count;
        return false;
    }
    int count = 0;

private:
    bool isOurs(QObject* object) const
    {
        for (; object; object = object->parent()) {
            if (m_windows.contains(qobject_cast<QWidget*>(object)))
                return true;
        }
        return false;
    }
    QList<QWidget*> m_windows;
};

void restPointerOver(QWidget* control)
{
    const QPointF inside(control->width() / 2.0, control->height() / 2.0);
    QEnterEvent enter(inside, control->mapTo(control->window(), inside), control->mapToGlobal(inside));
    QCoreApplication::sendEvent(control, &enter);
    QMouseEvent move(
        QEvent::MouseMove, inside, control->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

Row idleCost(AppWindows& windows)
{
    Start& start = windows.start();
    while (start.Timerst->isActive())
        start.tickTimerst(); // the opening animation is over before the program idles
    Form1& launcher = windows.form1();
    // The pairing window asks for the phones once a second while it is open, and never once closed.
    pair& pairing = windows.pairing();
    AppWindows::bringUp(pairing);
    QElapsedTimer asking;
    asking.start();
    while (!pairing.discoveryTimer->isActive() && asking.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool pairingAsked = pairing.discoveryTimer->isActive();
    pairing.close();
    const QList<QWidget*> all {&start, &launcher, &windows.keyPanel(), &windows.navigationBar(), &windows.about(),
        &windows.donation(), &windows.meizuWarning(), &windows.shortcutKeys(), &pairing};
    for (QWidget* window : all) {
        if (window != &pairing)
            window->show();
    }
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    restPointerOver(launcher.QSNUM);
    restPointerOver(launcher.topshow);
    restPointerOver(launcher.BH);

    TimerCounter counter(all);
    qApp->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qApp->removeEventFilter(&counter);
    const double perSecond = counter.count / (clock.elapsed() / 1000.0);
    return {"idle timer wake-ups, all windows open but the pairing window, opened and closed", "/s", perSecond, -1, -1,
        "none", pairingAsked && counter.count == 0};
}

// Three phones listed, as the tracking lists them; their maker queries have ended before anything is
// measured.
void listThreePhones(AppWindows& windows, const StandInFolder& tools)
{
    const int before = int(tools.starts(QStringLiteral("adb")).size());
    windows.form1();
    windows.state().devices().setListed({{QStringLiteral("SER1"), QStringLiteral("\t"), QStringLiteral("device")},
        {QStringLiteral("SER2"), QStringLiteral("\t"), QStringLiteral("device")},
        {QStringLiteral("SER3"), QStringLiteral("\t"), QStringLiteral("device")}});
    tools.waitForStarts(QStringLiteral("adb"), before + 3);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

Row launchTiming(AppWindows& windows, const StandInFolder& tools, int repeats)
{
    Form1& launcher = windows.form1();
    for (int slot = 1; slot <= 3; ++slot)
        windows.state().devices().setTicked(slot, true);
    QList<double> drifts;
    int expected = int(tools.starts(QStringLiteral("scrcpy")).size());
    for (int i = 0; i < repeats; ++i) {
        const long long clicked = nowNs();
        emit launcher.QSNUM->Click();
        QElapsedTimer clock;
        clock.start();
        while (launcher.TimerTOT->isActive() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        expected += 3;
        tools.waitForStarts(QStringLiteral("scrcpy"), expected);
        const QList<long long> starts = tools.starts(QStringLiteral("scrcpy")).mid(expected - 3);
        for (int slot = 1; slot <= 3; ++slot)
            drifts.append(qAbs((starts.value(slot - 1) - clicked) / 1e6 - slot * 900.0));
    }
    const double worst = *std::max_element(drifts.begin(), drifts.end());
    return {QStringLiteral("launch start drift from 900/1800/2700 ms (worst of %1)").arg(drifts.size()), "ms", worst,
        -1, -1, "< 20 ms", worst < 20};
}

// Debian's adb with a server of its own on a free port and a home of its own, for the tracking rows.
struct OwnBridge
{
    QTemporaryDir home;
    OwnBridge()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        qputenv("ANDROID_ADB_SERVER_PORT", QByteArray::number(probe.serverPort()));
        probe.close();
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("ADB_MDNS", "0");
        run({"start-server"});
    }
    ~OwnBridge() { run({"kill-server"}); }
    static QString adb() { return QStandardPaths::findExecutable(QStringLiteral("adb")); }
    void run(const QStringList& arguments) const
    {
        QProcess process;
        process.start(adb(), arguments);
        process.waitForFinished(15000);
    }
    // Starts adb and goes on at once; what it prints is not wanted.
    static void start(const QStringList& arguments)
    {
        QProcess process;
        process.setProgram(adb());
        process.setArguments(arguments);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.startDetached();
    }
};

// Runs the event loop for a while, counting how often the window thread wakes up; the timer that
// ends the measure is not counted, nor what was left to do before it began (an earlier measure's
// timer, deleted later).
double wakeUpsPerSecond(int ms)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    int wakeUps = 0;
    const auto counting = QObject::connect(
        QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&wakeUps] { ++wakeUps; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counting);
    return std::max(0, wakeUps - 1) / (ms / 1000.0);
}

Row trackingWakeUps(AppWindows& windows)
{
    windows.state().tracker().start();
    QElapsedTimer first;
    first.start();
    while (first.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const double perSecond = wakeUpsPerSecond(3000);
    return {
        "window thread wake-ups while the tracking runs with no change", "/s", perSecond, -1, -1, "0", perSecond == 0};
}

// From the start of "adb connect" to the phone's serial as the launcher's caption: an upper bound of
// the time from the phone's appearance at the bridge to the launcher.
Row appearanceToCaption(AppWindows& windows, int repeats)
{
#ifdef SIMPHONE_PATH
    QProcess phone;
    phone.start(QStringLiteral(SIMPHONE_PATH), {});
    phone.waitForReadyRead(10000);
    const QString serial
        = QStringLiteral("127.0.0.1:") + QString::fromLatin1(phone.readLine()).section(' ', 1).trimmed();
    Form1& launcher = windows.form1();
    auto waitFor = [&launcher](const std::function<bool(const QString&)>& shown) {
        QElapsedTimer clock;
        clock.start();
        while (!shown(launcher.devfc->Caption()) && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        const long long started = nowNs();
        OwnBridge::start({"connect", serial});
        waitFor([&serial](const QString& caption) { return caption.startsWith(serial); });
        times.append((nowNs() - started) / 1e6);
        waitFor([&serial](const QString& caption) { return caption == serial + QLatin1Char('\t'); }); // ready
        windows.state().reconnect().forget(serial); // as "断开" does: not connected again behind the user's back
        OwnBridge::start({"disconnect", serial});
        waitFor([](const QString& caption) { return caption == QLatin1String("N/A"); });
    }
    phone.kill();
    phone.waitForFinished(2000);
    const double typical = median(times);
    return {QStringLiteral("phone connected at the bridge to its caption (median of %1)").arg(repeats), "ms", typical,
        -1, -1, "< 500 ms", typical < 500};
#else
    Q_UNUSED(windows)
    Q_UNUSED(repeats)
    return {"phone connected at the bridge to its caption (needs the test tools)", "ms", -1, -1, -1, "< 500 ms", false};
#endif
}

// A Wi-Fi phone out of reach, listening again on its port a second later: from its process's end to
// its slot shown away (Debian's adb 29 tells its tracking nothing: the program learns it by itself),
// and from the bridge listing it ready again to its slot back. Then how often the window thread wakes
// while no phone is away.
QList<Row> reconnection(AppWindows& windows, int repeats)
{
#ifdef SIMPHONE_PATH
    QProcess phone;
    const auto listen = [&phone](quint16 port) {
        phone.start(QStringLiteral(SIMPHONE_PATH), {QStringLiteral("--port"), QString::number(port)});
        phone.waitForReadyRead(10000);
        return quint16(QString::fromLatin1(phone.readLine()).section(' ', 1).trimmed().toUInt());
    };
    const quint16 port = listen(0);
    const QString serial = QStringLiteral("127.0.0.1:%1").arg(port);
    Form1& launcher = windows.form1();
    const auto waitFor = [&launcher](const QString& caption, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (launcher.devfc->Caption() != caption && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    OwnBridge::start({"connect", serial});
    waitFor(serial + QLatin1Char('\t'), 5000);
    QList<double> toAway;
    QList<double> toBack;
    QList<double> fromListening;
    for (int i = 0; i < repeats; ++i) {
        wakeUpsPerSecond(1500); // the phone's own queries after its return are answered first
        const long long stopped = nowNs();
        phone.kill();
        phone.waitForFinished(2000);
        waitFor(serial, 5000); // away, though adb 29 tells its tracking nothing
        toAway.append((nowNs() - stopped) / 1e6);
        while ((nowNs() - stopped) / 1e6 < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        listen(port);
        const long long listening = nowNs();
        // When the bridge lists the phone ready again (adb 29 attaches it by itself some seconds after it
        // listens), asked beside the window thread so that the asking delays nothing of the program's.
        std::atomic<long long> listedReady {0};
        std::thread asking([&listedReady, &serial] {
            for (int poll = 0; poll < 1000 && listedReady == 0; ++poll) {
                QProcess list;
                list.start(OwnBridge::adb(), {QStringLiteral("devices")});
                list.waitForFinished(5000);
                if (QString::fromUtf8(list.readAllStandardOutput()).contains(serial + QStringLiteral("\tdevice")))
                    listedReady = nowNs();
            }
        });
        waitFor(serial + QLatin1Char('\t'), 20000);
        const long long shown = nowNs();
        asking.join();
        // The poll itself takes some milliseconds: the program may show the phone before it sees it.
        toBack.append(std::max(0.0, (shown - listedReady) / 1e6));
        fromListening.append((shown - listening) / 1e6);
    }
    // The same with the program leaving the phone to adb 29 ("断开" pressed for it: no knock, no try).
    windows.state().reconnect().forget(serial);
    QList<double> leftAlone;
    for (int i = 0; i < 3; ++i) {
        phone.kill();
        phone.waitForFinished(2000);
        const long long stopped = nowNs();
        while ((nowNs() - stopped) / 1e6 < 1500) // out of reach, its slot freed
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        listen(port);
        const long long listening = nowNs();
        waitFor(serial + QLatin1Char('\t'), 20000);
        leftAlone.append((nowNs() - listening) / 1e6);
    }
    // Once the returned phone has told its maker and model, nothing is left to wake for.
    wakeUpsPerSecond(2000);
    const double idle = wakeUpsPerSecond(3000);
    windows.state().reconnect().forget(serial);
    OwnBridge::start({"disconnect", serial});
    phone.kill();
    phone.waitForFinished(2000);
    const double away = median(toAway);
    const double back = median(toBack);
    const double listened = median(fromListening);
    const double alone = median(leftAlone);
    return {{QStringLiteral("Wi-Fi phone's process ended to its slot shown away (median of %1)").arg(repeats), "ms",
                away, -1, -1, "< 1000 ms", away < 1000},
        {QStringLiteral("Wi-Fi phone listed ready by adb again to its slot back (median of %1)").arg(repeats), "ms",
            back, -1, -1, "< 3000 ms", back < 3000},
        {QStringLiteral("a Wi-Fi phone listening again to its slot back; adb 29 left alone (median of %1, 3)")
                .arg(repeats),
            "ms", listened, alone, alone > 0 ? listened / alone : -1, "<= 1000 ms", listened <= 1000},
        {"window thread wake-ups while no phone is being connected again", "/s", idle, -1, -1, "0", idle == 0}};
#else
    Q_UNUSED(windows)
    Q_UNUSED(repeats)
    return {};
#endif
}

QString number(double value)
{
    return value < 0 ? QStringLiteral("-") : QString::number(value, 'f', value < 10 ? 2 : 1);
}

} // namespace

#include "SendingRows.h"
#include "ToolsRows.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("pannix.bridge.info=false"));
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg
            && !message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication::setQuitOnLastWindowClosed(false);
    QStandardPaths::setTestModeEnabled(true);
    const int repeats = argc > 1 ? std::max(3, atoi(argv[1])) : 11;
    // "bridge" as the second argument: the rows with the real bridge tool alone; "start-up": the
    // start-up rows alone; "sending": the files sent to phones alone.
    bool bridgeOnly = argc > 2 && qstrcmp(argv[2], "bridge") == 0;
    const bool startUpOnly = argc > 2 && qstrcmp(argv[2], "start-up") == 0;
    const bool sendingOnly = argc > 2 && qstrcmp(argv[2], "sending") == 0;

    StandInFolder tools;
    Paths::setProgramFolder(tools.folder());
    QList<Row> rows;
    const QStringList texts {QStringLiteral("texts")};
    if (sendingOnly)
        bridgeOnly = true;
    if (!bridgeOnly)
        rows << startUp(repeats, tools, "start-up to first paint", {}, 1.3)
             // The program loads the network and archive code only in its install helper.
             << startUp(repeats, tools, "start-up to first paint, beside a window with the same texts", texts, 1.1);
    if (!bridgeOnly && !startUpOnly)
        rows << memory(repeats, tools, "peak memory, launcher and panels shown", {})
             << memory(repeats, tools, "peak memory, beside a window with the same texts", texts);
    if (!bridgeOnly && !startUpOnly) {
        AppWindows windows;
        listThreePhones(windows, tools);
        rows << commandLatency(windows, tools) << idleCost(windows) << launchTiming(windows, tools, 3)
             << connectStall(windows, tools);
    }
    if (!OwnBridge::adb().isEmpty() && !startUpOnly) {
        // The real bridge tool, looked for on PATH: the program's folder holds no tool for these rows.
        QTemporaryDir noTools;
        Paths::setProgramFolder(noTools.path());
        OwnBridge bridge;
        AppWindows windows;
        if (!sendingOnly)
            rows << trackingWakeUps(windows) << appearanceToCaption(windows, 5) << reconnection(windows, 5);
        rows << SendingRows::rows(5);
    }

    if (!bridgeOnly && !startUpOnly)
        rows << ToolsRows::rows(repeats, pairedRuns);

    std::printf("| Measure | Unit | Pannix | Baseline | Ratio | Goal | Met |\n|---|---|---|---|---|---|---|\n");
    for (const Row& row : rows) {
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(row.measure), qPrintable(row.unit),
            qPrintable(number(row.program)), qPrintable(number(row.baseline)), qPrintable(number(row.ratio)),
            qPrintable(row.goal), row.met ? "yes" : "no");
    }
    std::printf("(medians of %d paired runs for start-up and memory, both under the offscreen platform; start-up is "
                "timed from the start of the process to %s, the same event in both programs)\n",
        repeats, Probe::TimedEvent);
    return 0;
}
