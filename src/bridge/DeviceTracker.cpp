#include "DeviceTracker.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "BridgeProblems.h"
#include "CommandRunner.h"
#include "DeviceList.h"
#include "DeviceModel.h"
#include "ToolText.h"

DeviceTracker::DeviceTracker(DeviceModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
    m_restart.setSingleShot(true);
    connect(&m_restart, &QTimer::timeout, this, &DeviceTracker::startStream);
}

void DeviceTracker::start()
{
    if (m_stream || m_restart.isActive())
        return;
    startStream();
}

void DeviceTracker::startStream()
{
    m_frames = TrackFrames();
    // A stream that is on its way out may still speak; only the current one is heard.
    const int generation = ++m_generation;
    m_stream = CommandRunner::stream(
        AdbCommands::trackDevices(), this,
        [this, generation](const QByteArray& bytes) {
            if (generation == m_generation)
                arrived(bytes);
        },
        [this, generation](const ToolAnswer& answer) {
            if (generation == m_generation)
                ended(answer);
        });
}

void DeviceTracker::arrived(const QByteArray& bytes)
{
    const QList<QByteArray> bodies = m_frames.add(bytes);
    if (m_frames.isCorrupt()) {
        qCWarning(lcBridge) << "the device tracking printed something that is no device list; started again";
        ended(ToolAnswer::exited(0, {}));
        return;
    }
    if (bodies.isEmpty())
        return;
    m_pauseMs = FirstPauseMs;
    // Only the newest list matters when several came at once.
    m_model.setListed(DeviceList::entries(ToolText::lines(bodies.last())));
}

void DeviceTracker::ended(const ToolAnswer& answer)
{
    qCWarning(lcBridge) << "the device tracking ended:" << BridgeProblems::describe(answer, QStringLiteral("adb"))
                        << "- started again in" << m_pauseMs << "ms";
    ++m_generation;
    if (m_stream)
        m_stream->deleteLater();
    m_stream = nullptr;
    m_restart.start(m_pauseMs);
    m_pauseMs = qMin(2 * m_pauseMs, LongestPauseMs);
}
