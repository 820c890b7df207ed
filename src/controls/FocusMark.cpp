#include "FocusMark.h"

#include <QPainter>

namespace FocusMark {

void draw(QPainter& painter, const QRect& controlRect, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.drawRect(controlRect.adjusted(Inset, Inset, -Inset - 1, -Inset - 1));
    painter.restore();
}

void drawAround(QPainter& painter, const QRectF& around, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(color, 0, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(around);
    painter.restore();
}

} // namespace FocusMark
