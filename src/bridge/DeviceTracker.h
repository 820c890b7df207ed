#pragma once

#include "ToolAnswer.h"
#include "TrackFrames.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class DeviceModel;

// Keeps the device model up to date from the bridge tool's own tracking: one tracking tool, which
// prints the list at its start and at every change, and nothing polled. When its stream ends (the
// server was killed, say) it is started again after a pause that grows with each end in a row
// (1 s, 2 s, 4 s… at most 30 s) and starts over once a list arrives.
class DeviceTracker : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstPauseMs = 1000;
    static constexpr int LongestPauseMs = 30000;

    DeviceTracker(DeviceModel& model, QObject* parent = nullptr);

    // Starts tracking; once it runs, further calls change nothing.
    void start();
    bool isTracking() const { return m_stream != nullptr; }
    // The pause before the next start, should the stream end now.
    int pauseMs() const { return m_pauseMs; }
    QTimer* restartTimer() { return &m_restart; }

private:
    void startStream();
    void arrived(const QByteArray& bytes);
    void ended(const ToolAnswer& answer);

    DeviceModel& m_model;
    QPointer<QObject> m_stream;
    TrackFrames m_frames;
    QTimer m_restart;
    int m_pauseMs = FirstPauseMs;
    int m_generation = 0;
};
