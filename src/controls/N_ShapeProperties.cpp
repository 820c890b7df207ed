// The stored properties of the push button: the new-instance values, loading and saving with
// their defaults, and what each assignment does.
#include "N_Shape.h"

#include "CaptionFont.h"

#include <QEvent>

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
}

// A button disabled by any means, its own Enabled, setEnabled or its window's, shows it in its caption.
void N_Shape::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_captionColor = isEnabled() ? m_foreNormal : DisabledCaption;
        requestRepaint();
    }
    QWidget::changeEvent(event);
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
