#pragma once

#include <QByteArray>
#include <QList>

// The bridge tool's device tracking stream: each change comes as four hex digits giving a length,
// then that many bytes holding the whole device list ("serial\tstate" lines). Frames may arrive
// split across reads or several in one read.
class TrackFrames
{
public:
    // Adds what arrived and returns the bodies of the frames it completed, in order. Bytes that do
    // not begin with a length make the stream corrupt: nothing more is taken from it.
    QList<QByteArray> add(const QByteArray& arrived);

    bool isCorrupt() const { return m_corrupt; }

private:
    QByteArray m_pending;
    bool m_corrupt = false;
};
