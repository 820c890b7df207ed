#include "QrCode.h"

#include <QPainter>

#include <memory>

#include <qrencode.h>

namespace QrCode {

QImage render(const QString& text, int side)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return {};
    constexpr int QuietZone = 4; // modules of white around the code, as readers expect
    const int modules = code->width + 2 * QuietZone;
    const int scale = side / modules;
    if (scale < 1)
        return {};
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int offset = (side - modules * scale) / 2 + QuietZone * scale;
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                painter.fillRect(offset + x * scale, offset + y * scale, scale, scale, Qt::black);
        }
    }
    return image;
}

} // namespace QrCode
