#include "DrawnPicture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

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

// Shown, it is drawn for its screen's ratio, and again whenever its window moves to another screen:
// the picture is set before any painting, never while painting.
void DrawnPicture::showEvent(QShowEvent* event)
{
    if (QWindow* shownIn = window()->windowHandle(); shownIn && shownIn != m_followed) {
        if (m_followed)
            disconnect(m_followed, nullptr, this, nullptr);
        m_followed = shownIn;
        connect(shownIn, &QWindow::screenChanged, this, &DrawnPicture::redrawIfNeeded);
    }
    redrawIfNeeded();
    QLabel::showEvent(event);
}

void DrawnPicture::redrawIfNeeded()
{
    if (!qFuzzyCompare(pixmap().devicePixelRatio(), devicePixelRatioF()))
        redraw();
}
