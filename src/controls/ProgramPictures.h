#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The program's own pictures, drawn rather than stored, so each is sharp at any size and any device
// pixel ratio: its icon (the windows', and the one the packages carry, written from this same
// drawing) and the About window's picture.
namespace ProgramPictures {

// The sizes the icon files hold, in pixels.
inline constexpr int IconSides[] = {16, 24, 32, 48, 64, 128, 256};

// The icon drawn for side x side pixels; the smallest sizes leave out what would only blur.
QImage icon(int side);
// The icon at every size, for the windows' title bars and the task bar.
QIcon windowIcon();

// The About window's picture, 96 x 96 at the design size, drawn for devicePixelRatio.
QPixmap about(qreal devicePixelRatio);

} // namespace ProgramPictures
