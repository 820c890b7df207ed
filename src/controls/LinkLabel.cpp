#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    keepUnderlined();
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text.trimmed());
}

// Whatever font the window gives the label, it stays underlined, as a link should.
void LinkLabel::keepUnderlined()
{
    if (font().underline())
        return;
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        keepUnderlined();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit Click();
    else
        QLabel::keyPressEvent(event);
}
