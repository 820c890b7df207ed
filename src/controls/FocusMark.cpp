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

} // namespace FocusMark
