#pragma once

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// What the two probe programs (the real start window and a bare window) report to the benchmark.
namespace Probe {

inline long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Peak resident memory of this process, in kB.
inline long long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// What both probes time, in the benchmark's words.
inline const char* const TimedEvent = "the end of the window's first complete paint (the window and all its children "
                                      "painted and flushed)";

// Prints the time at which the window's first paint is complete and ends the program. The window is
// painted with its children in one pass; the report waits until that pass has returned.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("PAINT %lld\n", monotonicNs());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

inline void reportPeakMemory()
{
    std::printf("HWM %lld\n", peakResidentKb());
    std::fflush(stdout);
}

} // namespace Probe
