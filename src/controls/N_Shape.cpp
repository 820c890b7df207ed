#include "N_Shape.h"

#include "CaptionFont.h"
#include "ControlAccessibility.h"
#include "FocusMark.h"
#include "KeyCodes.h"
#include "KeyHold.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

N_Shape::N_Shape(QWidget* parent)
    : QWidget(parent)
    , m_captionFont(captionFont(8))
    , m_keys(new KeyHold(this))
{
    ControlAccessibility::install();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    showPicture(m_pictureNormal);
}

int N_Shape::CurPicture() const
{
    if (m_shownPicture.isNull())
        return 0;
    const qint64 shown = m_shownPicture.cacheKey();
    if (shown == m_pictureNormal.cacheKey())
        return 3;
    if (shown == m_pictureDown.cacheKey())
        return 1;
    if (shown == m_pictureHover.cacheKey())
        return 2;
    return 0;
}

QSizeF N_Shape::captionSize() const
{
    if (!m_captionSize) {
        const QFontMetricsF metrics(m_captionFont);
        m_captionSize = QSizeF(metrics.horizontalAdvance(m_caption), metrics.height());
    }
    return *m_captionSize;
}

QSize N_Shape::pictureSize() const
{
    return m_stretch ? m_imageSize : m_shownPicture.size();
}

QRectF N_Shape::pictureRect() const
{
    const QSize size = pictureSize();
    return {8.0, (height() - size.height()) / 2.0, qreal(size.width()), qreal(size.height())};
}

void N_Shape::Ajustar_Botao()
{
    update();
    if (!m_stretchToText)
        return; // the caption is centred in the width the control has
    const QSize picture = pictureSize();
    int width = 16;
    if (m_textVisible && m_graphical)
        width = qCeil(captionSize().width()) + 16 + picture.width() + 8;
    else if (m_textVisible)
        width = qCeil(captionSize().width()) + 16;
    else if (m_graphical)
        width = picture.width() + 16;
    // Comes back through resizeEvent once when the width changes; an equal width does not.
    resize(width, height());
}

QPointF N_Shape::captionPosition() const
{
    const QSizeF caption = captionSize();
    const qreal left
        = m_stretchToText ? (m_graphical ? 8.0 + pictureSize().width() + 8.0 : 8.0) : (width() - caption.width()) / 2.0;
    return {left, (height() - caption.height()) / 2.0};
}

QSize N_Shape::sizeHint() const
{
    return {qCeil(captionSize().width()) + 16, qCeil(captionSize().height()) + 8};
}

void N_Shape::applyStateColors()
{
    switch (m_state) {
    case Hover:
        m_faceFill = m_backHover;
        m_captionColor = m_foreHover;
        m_faceBorder = m_borderHover;
        break;
    case Down:
        m_faceFill = m_backDown;
        m_captionColor = m_foreDown;
        m_faceBorder = m_borderDown;
        break;
    default:
        m_faceFill = m_backNormal;
        m_captionColor = m_foreNormal;
        m_faceBorder = m_borderNormal;
        break;
    }
    update();
}

void N_Shape::showPicture(const QPixmap& picture)
{
    m_shownPicture = picture;
    if (!m_stretch)
        m_imageSize = picture.size();
    update();
}

// Our own repaint requests return the picture to normal while the colour look stays.
void N_Shape::requestRepaint()
{
    showPicture(m_pictureNormal);
}

N_Shape::Part N_Shape::partAt(const QPointF& point) const
{
    if (m_graphical && pictureRect().contains(point))
        return Part::Picture;
    if (m_textVisible && QRectF(captionPosition(), captionSize()).contains(point))
        return Part::Caption;
    return Part::Surface;
}

// The rectangle in device pixels, its border the same whole number of them on every side: a 1-pixel
// pen at 150 % would fall on 1 pixel on some sides and 2 on others.
void N_Shape::drawCrispRectangle(QPainter& painter) const
{
    const qreal ratio = devicePixelRatioF();
    const int border = qMax(1, qRound(ratio));
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const QRect device(QPoint(0, 0), (QSizeF(size()) * ratio).toSize());
    painter.fillRect(device, faceColor());
    for (const QRect& edge :
        {QRect(0, 0, device.width(), border), QRect(0, device.height() - border, device.width(), border),
            QRect(0, 0, border, device.height()), QRect(device.width() - border, 0, border, device.height())})
        painter.fillRect(edge, borderColor());
    painter.restore();
}

void N_Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_style >= Oval);
    painter.fillRect(rect(), OleColors::toQColor(m_background));
    painter.setPen(QPen(borderColor(), 1));
    painter.setBrush(faceColor());
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal side = qMin(face.width(), face.height());
    QRectF squared(0, 0, side, side);
    squared.moveCenter(face.center());
    const qreal radius = side * 0.2;
    switch (m_style) {
    case Square:
        painter.drawRect(squared);
        break;
    case Oval:
        painter.drawEllipse(face);
        break;
    case Circle:
        painter.drawEllipse(squared);
        break;
    case RoundedRectangle:
        painter.drawRoundedRect(face, radius, radius);
        break;
    case RoundedSquare:
        painter.drawRoundedRect(squared, radius, radius);
        break;
    default:
        drawCrispRectangle(painter);
        break;
    }
    if (m_graphical && !m_shownPicture.isNull())
        painter.drawPixmap(pictureRect(), m_shownPicture, QRectF(m_shownPicture.rect()));
    if (m_textVisible) {
        painter.setFont(m_captionFont);
        painter.setPen(captionColor());
        painter.drawText(QRectF(captionPosition(), captionSize()), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }
    if (hasFocus())
        FocusMark::draw(painter, rect(), captionColor());
}

void N_Shape::resizeEvent(QResizeEvent*)
{
    emit Resize();
    Ajustar_Botao();
}

void N_Shape::mousePressEvent(QMouseEvent* event)
{
    const int button = KeyCodes::buttonMask(event->button());
    const int shift = KeyCodes::shiftMask(event->modifiers());
    const QPointF at = event->position();
    const Part part = partAt(at);
    if (part == Part::Surface)
        showPicture(m_pictureDown);
    emit MouseDown(button, shift, float(at.x()), float(at.y()));
    if (part != Part::Picture && button == 1) {
        m_state = Down;
        applyStateColors();
    }
}

void N_Shape::mouseReleaseEvent(QMouseEvent* event)
{
    const int button = KeyCodes::buttonMask(event->button());
    const int shift = KeyCodes::shiftMask(event->modifiers());
    const QPointF at = event->position();
    const Part part = partAt(at);
    if (part == Part::Surface)
        showPicture(m_pictureHover);
    emit MouseUp(button, shift, float(at.x()), float(at.y()));
    if (part == Part::Picture) {
        emit Click();
        return;
    }
    m_state = rect().contains(at.toPoint()) ? Hover : Normal;
    // Raised whatever the button and wherever the pointer now is.
    emit Click();
    applyStateColors();
}

void N_Shape::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}

void N_Shape::mouseMoveEvent(QMouseEvent* event)
{
    const int button = KeyCodes::buttonMask(event->buttons());
    const int shift = KeyCodes::shiftMask(event->modifiers());
    const QPointF at = event->position();
    const Part part = partAt(at);
    emit MouseMove(button, shift, float(at.x()), float(at.y()));
    if (part != Part::Picture && (button == 0 || button == 1)) {
        const bool inside = rect().contains(at.toPoint());
        if (inside && button == 0 && !m_hovering) {
            m_hovering = true;
            emit MouseEnter();
            m_state = Hover;
            applyStateColors();
        } else if (inside && button == 1) {
            m_state = Down;
            applyStateColors();
            m_hovering = false;
        } else if (!inside) {
            m_hovering = false;
            m_state = Normal;
            applyStateColors();
        }
    }
    if (button != 1)
        trackPicture(part, at);
}

void N_Shape::trackPicture(Part part, const QPointF& point)
{
    if (m_holdsPointer) {
        if (rect().contains(point.toPoint()))
            return;
        requestRepaint();
        m_holdsPointer = false;
        if (part != Part::Picture)
            m_mouseInside = false;
        emit MouseOut();
        return;
    }
    m_holdsPointer = true;
    // An empty picture's key is 0, so with no pictures set nothing changes here.
    if (m_shownPicture.cacheKey() != m_pictureHover.cacheKey()) {
        showPicture(m_pictureHover);
        if (part != Part::Picture)
            m_mouseInside = true;
    }
}

// Qt tells when the pointer leaves, so no poll has to ask every millisecond.
void N_Shape::leaveEvent(QEvent*)
{
    if (m_holdsPointer) {
        requestRepaint();
        m_holdsPointer = false;
        m_mouseInside = false;
        emit MouseOut();
    }
    if (m_hovering || m_state != Normal) {
        m_hovering = false;
        emit MouseLeave();
        m_state = Normal;
        applyStateColors();
    }
}

void N_Shape::keyPressEvent(QKeyEvent* event)
{
    const int code = KeyCodes::keyCode(event->key());
    const bool beginsHold = m_keys->beginsHold(*event);
    switch (code) {
    case 39:
    case 40:
        focusNextChild();
        break;
    case 37:
    case 38:
        focusPreviousChild();
        break;
    case 13:
        // One Click per press: a held Enter repeats the key, not the action.
        if (beginsHold)
            emit Click();
        break;
    default:
        break;
    }
    emit KeyDown(code, KeyCodes::shiftMask(event->modifiers()));
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
}

void N_Shape::keyReleaseEvent(QKeyEvent* event)
{
    const int code = KeyCodes::keyCode(event->key());
    emit KeyUp(code, KeyCodes::shiftMask(event->modifiers()));
    if (code == 32)
        m_keys->released(*event, [this] { emit Click(); });
    else
        m_keys->released(*event);
    requestRepaint();
}

void N_Shape::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(); // the focus mark
    if (m_borderGotFocus) {
        m_faceBorder = m_borderCustom;
        update();
    }
}

void N_Shape::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(); // the focus mark goes
    if (m_borderGotFocus) {
        m_faceBorder = m_borderNormal;
        update();
    }
}
