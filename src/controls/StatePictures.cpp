#include "StatePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

struct LookColors
{
    QColor edge;
    QColor fill;
    QColor mark;
};

// Resting, under the pointer, pressed, disabled.
const LookColors Looks[] = {
    {QColor(122, 122, 122), QColor(255, 255, 255), QColor(32, 32, 32)},
    {QColor(0, 120, 215), QColor(229, 241, 251), QColor(0, 80, 160)},
    {QColor(0, 84, 153), QColor(204, 228, 247), QColor(32, 32, 32)},
    {QColor(188, 188, 188), QColor(240, 240, 240), QColor(160, 160, 160)},
};

constexpr qreal Side = 13;

void drawCheck(QPainter& painter, int value, const LookColors& look)
{
    painter.setPen(QPen(look.edge, 1));
    painter.setBrush(look.fill);
    painter.drawRect(QRectF(0.5, 0.5, Side - 1, Side - 1));
    if (value == 1) {
        QPainterPath tick;
        tick.moveTo(2.8, 6.6);
        tick.lineTo(5.2, 9.0);
        tick.lineTo(10.2, 3.8);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(look.mark, 1.7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPath(tick);
    } else if (value == 2) {
        painter.fillRect(QRectF(3, 3, 7, 7), look.mark);
    }
}

void drawOption(QPainter& painter, int value, const LookColors& look)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.edge, 1));
    painter.setBrush(look.fill);
    const QPointF centre(Side / 2, Side / 2);
    painter.drawEllipse(centre, Side / 2 - 0.5, Side / 2 - 0.5);
    if (value == 1) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.mark);
        painter.drawEllipse(centre, 3, 3);
    }
}

} // namespace

namespace StatePictures {

int count(Kind kind)
{
    return kind == Kind::Check ? 12 : 8;
}

void draw(QPainter& painter, Kind kind, int index, const QRectF& box)
{
    if (index < 0 || index >= count(kind))
        return;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / Side, box.height() / Side);
    const LookColors& look = Looks[index % 4];
    if (kind == Kind::Check)
        drawCheck(painter, index / 4, look);
    else
        drawOption(painter, index / 4, look);
    painter.restore();
}

} // namespace StatePictures
