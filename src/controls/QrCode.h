#pragma once

#include <QImage>
#include <QString>

// A QR code of a text, drawn black on white with its quiet zone, as large as fits a square of the
// given side; a null image when the text cannot be encoded.
namespace QrCode {

QImage render(const QString& text, int side);

} // namespace QrCode
