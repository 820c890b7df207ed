// The bridge's device tracking stream, arriving in reads of any size: the first byte says where the
// input is cut into two reads, so frames split across reads are tried as well as whole ones.
#include "FuzzInput.h"

#include "bridge/DeviceList.h"
#include "bridge/ToolText.h"
#include "bridge/TrackFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray stream = fuzzBytes(data + 1, size - 1);
    const qsizetype cut = qMin<qsizetype>(data[0], stream.size());
    TrackFrames frames;
    QList<QByteArray> bodies = frames.add(stream.left(cut));
    bodies += frames.add(stream.mid(cut));
    qsizetype taken = 0;
    for (const QByteArray& body : bodies) {
        taken += 4 + body.size();
        DeviceList::entries(ToolText::lines(body));
    }
    if (taken > stream.size())
        __builtin_trap(); // a frame longer than what arrived
    return 0;
}
