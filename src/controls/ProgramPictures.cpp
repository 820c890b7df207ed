#include "ProgramPictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Lavender(128, 128, 255);
const QColor Ink(90, 90, 214);
const QColor Screen(255, 255, 128);

// An image of side x side pixels, transparent, painted in a square of design units.
QImage canvas(int side, qreal designSide, QPainter& painter)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(side / designSide, side / designSide);
    return image;
}

void roundedBox(QPainter& painter, const QRectF& box, qreal radius, const QColor& color)
{
    painter.setBrush(color);
    painter.drawRoundedRect(box, radius, radius);
}

} // namespace

namespace ProgramPictures {

// A phone in white, its picture sent to a tablet in front of it: drawn on a 256-unit square.
QImage icon(int side)
{
    QPainter painter;
    QImage image = canvas(side, 256, painter);
    const bool small = side <= 24;
    roundedBox(painter, QRectF(12, 12, 232, 232), 46, Lavender);
    // The phone: a white frame, its screen, its home button.
    roundedBox(painter, QRectF(70, 30, 92, 176), 10, Qt::white);
    roundedBox(painter, QRectF(80, 50, 72, 128), 2, Lavender);
    if (!small) {
        painter.setBrush(Lavender);
        painter.drawEllipse(QPointF(116.5, 192.5), 7, 7);
        // The picture leaving the phone.
        painter.setBrush(Screen);
        painter.drawPolygon(QPolygonF({QPointF(121, 99), QPointF(121, 130), QPointF(92, 114.5)}));
    }
    // The tablet that shows it.
    roundedBox(painter, QRectF(133, 93, 102, 134), 14, Ink);
    roundedBox(painter, QRectF(140, 100, 88, 120), 8, Qt::white);
    roundedBox(painter, QRectF(146, 110, 76, 92), 1, Screen);
    painter.end();
    return image;
}

namespace {

// The icon drawn when a size is asked for, not all sizes up front: the start-up pays for none.
class DrawnIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(ProgramPictures::icon(qMax(1, qMin(size.width(), size.height()))));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : IconSides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine; }
};

} // namespace

QIcon windowIcon()
{
    return QIcon(new DrawnIconEngine);
}

// A phone with a plus on its screen: drawn on the 96-unit square of the design.
QPixmap about(qreal devicePixelRatio)
{
    QPainter painter;
    QImage image = canvas(qRound(96 * devicePixelRatio), 96, painter);
    roundedBox(painter, QRectF(4, 4, 88, 88), 18, Lavender);
    roundedBox(painter, QRectF(30, 14, 37, 69), 4, Qt::white);
    roundedBox(painter, QRectF(34, 22, 29, 49), 1, Lavender);
    painter.setBrush(Screen);
    painter.drawRect(QRectF(40, 45, 17, 3));
    painter.drawRect(QRectF(47, 38, 3, 17));
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}

} // namespace ProgramPictures
