// Files sent to simulated phones through Debian's adb: the program's throughput beside "adb push" of
// the same file in the same run, to one phone and to three at once, and what the program's memory
// grows by while a file of 4 GB goes. Included by pannix_bench.cpp, which defines Row, median,
// nowNs and OwnBridge.
#pragma once

#include "transfer/Sending.h"

namespace SendingRows {

#ifdef SIMPHONE_PATH
// Phones that count what they are sent rather than keep it.
struct CountingPhones
{
    std::vector<std::unique_ptr<QProcess>> processes;
    QStringList serials;

    // bytesPerSecond 0: as fast as loopback goes.
    CountingPhones(int count, qint64 bytesPerSecond)
    {
        for (int i = 0; i < count; ++i) {
            auto phone = std::make_unique<QProcess>();
            phone->start(QStringLiteral(SIMPHONE_PATH),
                {QStringLiteral("--count-only"), QStringLiteral("--bytes-per-second"),
                    QString::number(bytesPerSecond)});
            phone->waitForReadyRead(10000);
            serials.append(
                QStringLiteral("127.0.0.1:%1").arg(phone->readLine().split(' ').value(1).trimmed().toUInt()));
            OwnBridge::start({"connect", serials.last()});
            processes.push_back(std::move(phone));
        }
        for (const QString& serial : serials) {
            for (int poll = 0; poll < 100; ++poll) {
                QProcess state;
                state.start(OwnBridge::adb(), {"-s", serial, "get-state"});
                state.waitForFinished(5000);
                if (state.readAllStandardOutput().trimmed() == "device")
                    break;
                QThread::msleep(100);
            }
        }
    }
    ~CountingPhones()
    {
        for (const QString& serial : serials)
            OwnBridge::start({"disconnect", serial});
        for (auto& phone : processes) {
            phone->kill();
            phone->waitForFinished(2000);
        }
    }
};

long long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Seconds the program takes to send the file to every phone, with the peak growth of its memory.
double programSeconds(Sending& sending, const QString& file, const QStringList& serials, long long* grownKb = nullptr)
{
    QList<Sending::Phone> phones;
    for (const QString& serial : serials)
        phones.append({serial, serial});
    const long long before = residentKb();
    long long peak = before;
    const long long started = nowNs();
    sending.send({file}, phones);
    while (sending.busy()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        peak = std::max(peak, residentKb());
    }
    if (grownKb)
        *grownKb = peak - before;
    return (nowNs() - started) / 1e9;
}

// Seconds "adb push" takes for the same file to every phone, the pushes started at once.
double adbSeconds(const QString& file, const QStringList& serials, int run)
{
    std::vector<std::unique_ptr<QProcess>> pushes;
    const long long started = nowNs();
    for (const QString& serial : serials) {
        pushes.push_back(std::make_unique<QProcess>());
        pushes.back()->start(
            OwnBridge::adb(), {"-s", serial, "push", file, QStringLiteral("/sdcard/Download/adb-%1.bin").arg(run)});
    }
    for (auto& push : pushes)
        push->waitForFinished(-1);
    return (nowNs() - started) / 1e9;
}

struct Paired
{
    QList<double> programs, adbs; // seconds
};

// The program and adb in turns, each going first every other run.
Paired pairedSends(int phones, qint64 bytesPerSecond, int repeats, const QString& file)
{
    CountingPhones counting(phones, bytesPerSecond);
    Sending sending;
    Paired runs;
    for (int i = 0; i < repeats; ++i) {
        if (i % 2 == 0) {
            runs.programs.append(programSeconds(sending, file, counting.serials));
            runs.adbs.append(adbSeconds(file, counting.serials, i));
        } else {
            runs.adbs.append(adbSeconds(file, counting.serials, i));
            runs.programs.append(programSeconds(sending, file, counting.serials));
        }
    }
    return runs;
}

// Throughput, the program's beside adb's: the median of the pairs' ratios.
Row throughput(const QString& measure, int phones, qint64 bytesPerSecond, int repeats, const QString& file)
{
    const Paired runs = pairedSends(phones, bytesPerSecond, repeats, file);
    const double megabytes = QFileInfo(file).size() / 1e6 * phones;
    QList<double> programs, adbs, ratios;
    for (int i = 0; i < repeats; ++i) {
        programs.append(megabytes / runs.programs[i]);
        adbs.append(megabytes / runs.adbs[i]);
        ratios.append(runs.adbs[i] / runs.programs[i]);
    }
    const double ratio = median(ratios);
    return {measure, "MB/s", median(programs), median(adbs), ratio, ">= 0.95x", ratio >= 0.95};
}

QList<Row> rows(int repeats)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("200MB.bin")));
    file.open(QIODevice::WriteOnly);
    const QByteArray block(1 << 20, '\x5a');
    for (int i = 0; i < 200 * 1000 * 1000 / block.size(); ++i)
        file.write(block);
    file.write(block.left(200 * 1000 * 1000 % block.size()));
    file.close();
    // A phone on USB 2 takes some 40 MB/s; the simulated phone is held to that.
    constexpr qint64 UsbTwo = 40 * 1000 * 1000;
    QList<Row> result {
        throughput("push 200 MB to one phone (40 MB/s), beside adb push", 1, UsbTwo, repeats, file.fileName()),
        throughput("push 200 MB to three phones at once (40 MB/s each), beside three adb push at once", 3, UsbTwo,
            repeats, file.fileName())};
    // As fast as loopback goes, which no phone does: what is left is the cost of each file itself
    // (the phone's folder asked, one more tool started).
    const Paired fast = pairedSends(1, 0, repeats, file.fileName());
    QList<double> costs;
    for (int i = 0; i < repeats; ++i)
        costs.append((fast.programs[i] - fast.adbs[i]) * 1000);
    const double cost = median(costs);
    result.append({"time a file costs beyond adb push's, to one phone as fast as loopback goes", "ms", cost,
        median(fast.adbs) * 1000, -1, "<= 50 ms", cost <= 50});
    // 4 GB, sparse on disk: the phone counts it, the program's memory is watched while it goes.
    QFile large(folder.filePath(QStringLiteral("4GB.bin")));
    large.open(QIODevice::WriteOnly);
    large.resize(4LL * 1000 * 1000 * 1000);
    large.close();
    CountingPhones one(1, 0);
    Sending sending;
    long long grownKb = 0;
    const double seconds = programSeconds(sending, large.fileName(), one.serials, &grownKb);
    const double grown = grownKb / 1024.0;
    result.append({QStringLiteral("program's memory growth while 4 GB go to one phone (%1 s)").arg(seconds, 0, 'f', 1),
        "MiB", grown, -1, -1, "<= 16 MiB", grown <= 16});
    return result;
}
#else
QList<Row> rows(int)
{
    return {};
}
#endif

} // namespace SendingRows
