#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Where a window first opens: its design place, moved just enough to lie wholly within the
// available area of its screen (a bar designed for a large screen stays reachable on a small one).
namespace ScreenPlace {

// The window system's frame, when it is not known yet: a title bar and thin borders.
constexpr QMargins NominalFrame(4, 27, 4, 4);

// The frame the window system draws around the window, as far as it has told it (none before the
// window is first shown).
QMargins frameOf(const QWidget& window);

// The client rectangle moved so that it and its frame lie within available.
QRect fitted(const QRect& clientPlace, const QRect& available, const QMargins& frame = NominalFrame);

// A client area of clientSize whose frame is centred in available, and fitted to it when larger.
QRect centred(const QSize& clientSize, const QRect& available, const QMargins& frame = NominalFrame);

// The available area of the screen around a point (the primary screen's when none is there).
QRect availableAround(const QPoint& point);

// Places a window that has no design place: centred on the screen under the pointer, sized for the
// client area it will have (a window that grows as it opens is placed for its grown size).
void centreOnScreen(QWidget& window, const QSize& clientSize);

// Places the window at its design place (client rectangle), fitted to the screen it falls on.
void placeOnScreen(QWidget& window, const QRect& clientPlace);

// Moves an already placed window, with its real frame once shown, back within its screen.
void keepOnScreen(QWidget& window);

} // namespace ScreenPlace
