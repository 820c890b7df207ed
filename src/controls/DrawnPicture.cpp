#include "DrawnPicture.h"

#include <QGuiApplication>

DrawnPicture::DrawnPicture(Drawing drawing, QWidget* parent)
    : QLabel(parent)
    , m_drawing(std::move(drawing))
{
    redraw();
}

// Before it is shown its screen is not known: drawn for the sharpest screen until then.
void DrawnPicture::redraw()
{
    setPixmap(m_drawing(isVisible() ? devicePixelRatioF() : qApp->devicePixelRatio()));
}

void DrawnPicture::paintEvent(QPaintEvent* event)
{
    if (!qFuzzyCompare(pixmap().devicePixelRatio(), devicePixelRatioF()))
        setPixmap(m_drawing(devicePixelRatioF()));
    QLabel::paintEvent(event);
}
