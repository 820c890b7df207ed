#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The mark a control draws while it has the keyboard focus: a thin dotted rectangle just inside its
// edge, in its caption's colour, drawn over everything else so the looks underneath stay as they are.
namespace FocusMark {

// How far inside the control's edge the mark runs.
constexpr int Inset = 2;

void draw(QPainter& painter, const QRect& controlRect, const QColor& color);

// The mark around a caption's ink: one device pixel wide on the rectangle given, at any scale.
void drawAround(QPainter& painter, const QRectF& around, const QColor& color);

} // namespace FocusMark
