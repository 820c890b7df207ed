#include "N_Shape.h"

#include "CaptionFont.h"
#include "ControlAccessibility.h"
#include "KeyCodes.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

namespace Defaults {
const QString Caption = QStringLiteral("NShape1");
const OleColor BackGround = OleColors::fromText(QStringLiteral("&HFF8080"));
const OleColor BackColorNormal = OleColors::fromText(QStringLiteral("&H8080FF"));
const OleColor BackColorHover = OleColors::fromText(QStringLiteral("&H80C0FF"));
const OleColor BackColorDown = OleColors::fromText(QStringLiteral("&H80FFFF"));
const OleColor BorderColor = OleColors::fromText(QStringLiteral("&H00FFFF80&"));
const OleColor BorderCustom = OleColors::fromText(QStringLiteral("&H80FF80"));
const OleColor ForeColorLoad = OleColors::fromText(QStringLiteral("&H8080FF"));
const OleColor ForeColorSave = OleColors::fromText(QStringLiteral("&HFF8080"));
const QString Font = QStringLiteral("MS Sans Serif");
constexpr int FontSize = 8;
constexpr int Style = 4;
} // namespace Defaults

constexpr OleColor DisabledCaption = OleColors::rgb(179, 179, 179);

OleColor colorOf(const PropertyBag& bag, const QString& name, OleColor loadDefault)
{
    return bag.read(name, loadDefault).toUInt();
}

bool flagOf(const PropertyBag& bag, const QString& name, bool loadDefault)
{
    return bag.read(name, loadDefault).toBool();
}

QPixmap pictureOf(const PropertyBag& bag, const QString& name)
{
    return bag.read(name, QPixmap()).value<QPixmap>();
}

} // namespace

N_Shape::N_Shape(QWidget* parent)
    : QWidget(parent)
    , m_captionFont(captionFont(8))
{
    ControlAccessibility::install();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    showPicture(m_pictureNormal);
}

void N_Shape::initNew(const QString& name)
{
    setObjectName(name);
    setCaption(name);
    setEnabledState(true);
    setBackGround(OleColors::rgb(242, 241, 239));
    setBackColorNormal(OleColors::rgb(242, 241, 239));
    setBackColorHover(OleColors::rgb(224, 224, 224));
    setBackColorDown(OleColors::rgb(255, 255, 255));
    setBorderColorNormal(OleColors::rgb(179, 179, 179));
    setBorderColorHover(OleColors::rgb(179, 179, 179));
    setBorderColorDown(OleColors::rgb(179, 179, 179));
    setFontSize(8);
    setFontBold(false);
    setFontName(QStringLiteral("Verdana"));
    setBorderGotFocus(false);
    setBorderCustom(OleColors::rgb(179, 179, 179));
    setForeColorNormal(OleColors::rgb(0, 0, 0));
    setForeColorHover(OleColors::rgb(0, 0, 0));
    setForeColorDown(OleColors::rgb(0, 0, 0));
    showPicture(m_pictureNormal);
    Ajustar_Botao();
    setGraphical(false);
    setText_Visible(true);
    setStretchToText(true);
}

void N_Shape::load(const PropertyBag& bag)
{
    setPicture_Normal(pictureOf(bag, QStringLiteral("Picture_Normal")));
    setPicture_Down(pictureOf(bag, QStringLiteral("Picture_Down")));
    setPicture_Hover(pictureOf(bag, QStringLiteral("Picture_Hover")));
    setStretch(flagOf(bag, QStringLiteral("Stretch"), false));
    setCaption(bag.read(QStringLiteral("Caption"), Defaults::Caption).toString());
    setBackGround(colorOf(bag, QStringLiteral("BackGround"), Defaults::BackGround));
    setBackColorNormal(colorOf(bag, QStringLiteral("BackColorNormal"), Defaults::BackColorNormal));
    setBackColorHover(colorOf(bag, QStringLiteral("BackColorHover"), Defaults::BackColorHover));
    setBackColorDown(colorOf(bag, QStringLiteral("BackColorDown"), Defaults::BackColorDown));
    setBorderColorNormal(colorOf(bag, QStringLiteral("BorderColorNormal"), Defaults::BorderColor));
    setBorderColorHover(colorOf(bag, QStringLiteral("BorderColorHover"), Defaults::BorderColor));
    setBorderColorDown(colorOf(bag, QStringLiteral("BorderColorDown"), Defaults::BorderColor));
    setFontSize(bag.read(QStringLiteral("FontSize"), Defaults::FontSize).toInt());
    setFontBold(flagOf(bag, QStringLiteral("FontBold"), false));
    setFontName(bag.read(QStringLiteral("Font"), Defaults::Font).toString());
    setEnabledState(flagOf(bag, QStringLiteral("Enabled"), true));
    setBorderGotFocus(flagOf(bag, QStringLiteral("BorderGotFocus"), false));
    setBorderCustom(colorOf(bag, QStringLiteral("BorderCustom"), Defaults::BorderCustom));
    setStyle(bag.read(QStringLiteral("Style"), Defaults::Style).toInt());
    setGraphical(flagOf(bag, QStringLiteral("Graphical"), false));
    setForeColorNormal(colorOf(bag, QStringLiteral("ForeColorNormal"), Defaults::ForeColorLoad));
    setForeColorHover(colorOf(bag, QStringLiteral("ForeColorHover"), Defaults::ForeColorLoad));
    setForeColorDown(colorOf(bag, QStringLiteral("ForeColorDown"), Defaults::ForeColorLoad));
    setText_Visible(flagOf(bag, QStringLiteral("Text_Visible"), false));
    setStretchToText(flagOf(bag, QStringLiteral("StretchToText"), true));
}

PropertyBag N_Shape::save() const
{
    PropertyBag bag;
    bag.set(QStringLiteral("Picture_Normal"), m_pictureNormal);
    bag.set(QStringLiteral("Picture_Down"), m_pictureDown);
    bag.set(QStringLiteral("Picture_Hover"), m_pictureHover);
    bag.set(QStringLiteral("Stretch"), m_stretch);
    bag.write(QStringLiteral("Caption"), m_caption, QString());
    bag.write(QStringLiteral("BackGround"), BackGround(), Defaults::BackGround);
    bag.write(QStringLiteral("BackColorNormal"), BackColorNormal(), Defaults::BackColorNormal);
    bag.write(QStringLiteral("BackColorHover"), m_backHover, Defaults::BackColorHover);
    bag.write(QStringLiteral("BackColorDown"), m_backDown, Defaults::BackColorDown);
    bag.write(QStringLiteral("BorderColorNormal"), BorderColorNormal(), Defaults::BorderColor);
    bag.write(QStringLiteral("BorderColorHover"), m_borderHover, Defaults::BorderColor);
    bag.write(QStringLiteral("BorderColorDown"), m_borderDown, Defaults::BorderColor);
    bag.write(QStringLiteral("FontSize"), FontSize(), Defaults::FontSize);
    bag.write(QStringLiteral("FontBold"), FontBold(), false);
    bag.write(QStringLiteral("Font"), FontName(), Defaults::Font);
    bag.write(QStringLiteral("Enabled"), Enabled(), true);
    bag.write(QStringLiteral("BorderGotFocus"), m_borderGotFocus, false);
    bag.write(QStringLiteral("BorderCustom"), m_borderCustom, Defaults::BorderCustom);
    bag.write(QStringLiteral("Style"), m_style, Defaults::Style);
    bag.write(QStringLiteral("Graphical"), m_graphical, false);
    bag.write(QStringLiteral("ForeColorNormal"), ForeColorNormal(), Defaults::ForeColorSave);
    bag.write(QStringLiteral("ForeColorHover"), m_foreHover, Defaults::ForeColorSave);
    bag.write(QStringLiteral("ForeColorDown"), m_foreDown, Defaults::ForeColorSave);
    bag.write(QStringLiteral("Text_Visible"), m_textVisible, false);
    bag.write(QStringLiteral("StretchToText"), m_stretchToText, true);
    return bag;
}

void N_Shape::setCaption(const QString& caption)
{
    const bool changed = caption != m_caption;
    m_caption = caption;
    m_captionSize.reset();
    setAccessibleName(caption);
    if (changed) {
        Ajustar_Botao();
        update();
    }
}

void N_Shape::setBackGround(OleColor color)
{
    m_background = color;
    update();
}

void N_Shape::setBackColorNormal(OleColor color)
{
    m_backNormal = color;
    m_faceFill = color;
    update();
}

void N_Shape::setBorderColorNormal(OleColor color)
{
    m_borderNormal = color;
    m_faceBorder = color;
    update();
}

void N_Shape::setForeColorNormal(OleColor color)
{
    m_foreNormal = color;
    m_captionColor = color;
    update();
}

int N_Shape::FontSize() const
{
    return qRound(m_captionFont.pointSizeF());
}

void N_Shape::setFontSize(int points)
{
    if (points <= 0)
        return;
    m_captionFont.setPointSizeF(points);
    m_captionSize.reset();
    Ajustar_Botao();
    update();
}

void N_Shape::setFontBold(bool bold)
{
    m_captionFont.setBold(bold);
    m_captionSize.reset();
    Ajustar_Botao();
    update();
}

// The surface's own font; the caption keeps its designed face.
void N_Shape::setFontName(const QString& face)
{
    QFont surface = font();
    surface.setFamily(face);
    setFont(surface);
}

void N_Shape::setEnabledState(bool enabled)
{
    setEnabled(enabled);
    m_captionColor = enabled ? m_foreNormal : DisabledCaption;
    requestRepaint();
}

void N_Shape::setStyle(int style)
{
    m_style = style;
    update();
}

void N_Shape::setGraphical(bool on)
{
    m_graphical = on;
    Ajustar_Botao();
    update();
}

void N_Shape::setText_Visible(bool on)
{
    m_textVisible = on;
    Ajustar_Botao();
    update();
}

void N_Shape::setStretchToText(bool on)
{
    m_stretchToText = on;
    Ajustar_Botao();
    update();
}

void N_Shape::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void N_Shape::setPicture_Normal(const QPixmap& picture)
{
    m_pictureNormal = picture;
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
        painter.drawRect(face);
        break;
    }
    if (m_graphical && !m_shownPicture.isNull())
        painter.drawPixmap(pictureRect(), m_shownPicture, QRectF(m_shownPicture.rect()));
    if (m_textVisible) {
        painter.setFont(m_captionFont);
        painter.setPen(captionColor());
        painter.drawText(QRectF(captionPosition(), captionSize()), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }
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
    if (code == 32 && !event->isAutoRepeat())
        emit Click();
    requestRepaint();
}

void N_Shape::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_borderGotFocus) {
        m_faceBorder = m_borderCustom;
        update();
    }
}

void N_Shape::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (m_borderGotFocus) {
        m_faceBorder = m_borderNormal;
        update();
    }
}
