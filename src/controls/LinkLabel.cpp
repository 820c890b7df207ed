#include "LinkLabel.h"

#include "KeyHold.h"

#include "FocusMark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
    , m_keys(new KeyHold(this))
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
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter && event->key() != Qt::Key_Space) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (m_keys->beginsHold(*event))
        emit Click();
}

void LinkLabel::keyReleaseEvent(QKeyEvent* event)
{
    m_keys->released(*event);
    QLabel::keyReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    FocusMark::draw(painter, rect(), palette().color(foregroundRole()));
}

void LinkLabel::focusFirstControl(QWidget& window)
{
    for (QWidget* widget = window.nextInFocusChain(); widget != &window; widget = widget->nextInFocusChain()) {
        if (window.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && !qobject_cast<LinkLabel*>(widget)) {
            widget->setFocus();
            return;
        }
    }
}
