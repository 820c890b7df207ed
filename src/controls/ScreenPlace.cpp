#include "ScreenPlace.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenPlace {

QRect availableAround(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect fitted(const QRect& clientPlace, const QRect& available, const QMargins& frame)
{
    if (available.isEmpty())
        return clientPlace;
    QRect outer = clientPlace.marginsAdded(frame);
    if (outer.right() > available.right())
        outer.moveRight(available.right());
    if (outer.bottom() > available.bottom())
        outer.moveBottom(available.bottom());
    if (outer.left() < available.left())
        outer.moveLeft(available.left());
    if (outer.top() < available.top())
        outer.moveTop(available.top());
    return outer.marginsRemoved(frame);
}

QRect centred(const QSize& clientSize, const QRect& available, const QMargins& frame)
{
    QRect outer(QPoint(), clientSize.grownBy(frame));
    outer.moveCenter(available.center());
    return fitted(outer.marginsRemoved(frame), available, frame);
}

void centreOnScreen(QWidget& window, const QSize& clientSize)
{
    window.move(centred(clientSize, availableAround(QCursor::pos())).topLeft());
}

void placeOnScreen(QWidget& window, const QRect& clientPlace)
{
    window.setGeometry(fitted(clientPlace, availableAround(clientPlace.center())));
}

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom()};
}

void keepOnScreen(QWidget& window)
{
    const QRect client = window.geometry();
    const QMargins margins = frameOf(window);
    const QRect place
        = fitted(client, availableAround(window.frameGeometry().center()), margins.isNull() ? NominalFrame : margins);
    if (place.topLeft() != client.topLeft())
        window.move(window.pos() + (place.topLeft() - client.topLeft()));
}

} // namespace ScreenPlace
