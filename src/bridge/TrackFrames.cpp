#include "TrackFrames.h"

#include <cctype>

namespace {
constexpr qsizetype LengthDigits = 4;
}

QList<QByteArray> TrackFrames::add(const QByteArray& arrived)
{
    QList<QByteArray> bodies;
    if (m_corrupt)
        return bodies;
    m_pending.append(arrived);
    while (m_pending.size() >= LengthDigits) {
        bool isHex = true;
        for (qsizetype i = 0; i < LengthDigits; ++i)
            isHex = isHex && std::isxdigit(static_cast<unsigned char>(m_pending.at(i)));
        const qsizetype length = isHex ? m_pending.left(LengthDigits).toInt(nullptr, 16) : -1;
        if (length < 0) {
            m_corrupt = true;
            m_pending.clear();
            break;
        }
        if (m_pending.size() < LengthDigits + length)
            break;
        bodies.append(m_pending.mid(LengthDigits, length));
        m_pending.remove(0, LengthDigits + length);
    }
    return bodies;
}
