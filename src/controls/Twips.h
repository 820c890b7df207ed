#pragma once

#include <QRect>

// The window definitions measure in twips, 15 to a pixel at 96 dpi.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + PerPixel / 2) / PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
