#pragma once

#include <QColor>
#include <QString>

// A 32-bit colour value as the window definitions store it: low byte red, then green, then
// blue; with the top bit set it names a system colour by the index in its low byte.
using OleColor = quint32;

namespace OleColors {

constexpr OleColor rgb(int red, int green, int blue)
{
    return static_cast<OleColor>(red) | (static_cast<OleColor>(green) << 8) | (static_cast<OleColor>(blue) << 16);
}

constexpr OleColor systemColor(int index)
{
    return 0x80000000u | static_cast<OleColor>(index);
}

constexpr OleColor ButtonFace = systemColor(15);
constexpr OleColor GrayText = systemColor(17);

QColor toQColor(OleColor color);

// Reads a stored default written as text: "&H" marks hexadecimal (blue byte first), a trailing
// "&" a 32-bit value; anything else is read as a decimal number.
OleColor fromText(const QString& text);

} // namespace OleColors
