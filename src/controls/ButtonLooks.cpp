#include "ButtonLooks.h"

#include "N_Shape.h"
#include "OleColor.h"

namespace ButtonLooks {

using OleColors::rgb;

PropertyBag window()
{
    return {
        {QStringLiteral("background"), rgb(255, 255, 255)},
        {QStringLiteral("backcolornormal"), rgb(242, 241, 239)},
        {QStringLiteral("backcolorhover"), rgb(229, 241, 251)},
        {QStringLiteral("backcolordown"), rgb(204, 228, 247)},
        {QStringLiteral("bordercolornormal"), rgb(173, 173, 173)},
        {QStringLiteral("bordercolorhover"), rgb(0, 120, 215)},
        {QStringLiteral("bordercolordown"), rgb(0, 84, 153)},
        {QStringLiteral("bordercustom"), rgb(255, 255, 255)},
        {QStringLiteral("forecolornormal"), rgb(0, 0, 0)},
        {QStringLiteral("forecolorhover"), rgb(0, 0, 0)},
        {QStringLiteral("forecolordown"), rgb(0, 0, 0)},
        {QStringLiteral("style"), 0},
        {QStringLiteral("font"), QStringLiteral("Verdana")},
        {QStringLiteral("fontsize"), 9},
        {QStringLiteral("stretch"), false},
        {QStringLiteral("text_visible"), true},
        {QStringLiteral("stretchtotext"), false},
    };
}

PropertyBag panel()
{
    return {
        {QStringLiteral("background"), rgb(255, 255, 255)},
        {QStringLiteral("backcolornormal"), rgb(255, 255, 255)},
        {QStringLiteral("backcolorhover"), rgb(255, 255, 255)},
        {QStringLiteral("backcolordown"), rgb(255, 255, 255)},
        {QStringLiteral("bordercolornormal"), rgb(224, 224, 224)},
        {QStringLiteral("bordercolorhover"), rgb(0, 0, 0)},
        {QStringLiteral("bordercolordown"), rgb(192, 192, 192)},
        {QStringLiteral("bordercustom"), rgb(255, 255, 255)},
        {QStringLiteral("forecolornormal"), rgb(0, 0, 0)},
        {QStringLiteral("forecolorhover"), rgb(0, 0, 0)},
        {QStringLiteral("forecolordown"), rgb(192, 192, 192)},
        {QStringLiteral("style"), 0},
        {QStringLiteral("font"), QStringLiteral("Verdana")},
        {QStringLiteral("stretch"), false},
        {QStringLiteral("text_visible"), true},
        {QStringLiteral("stretchtotext"), false},
        {QStringLiteral("picture_normal"), QVariant()},
        {QStringLiteral("picture_down"), QVariant()},
        {QStringLiteral("picture_hover"), QVariant()},
    };
}

N_Shape* create(QWidget* parent, const QString& name, const PropertyBag& look, const QString& caption)
{
    auto* button = new N_Shape(parent);
    button->setObjectName(name);
    button->load(look.with({{QStringLiteral("caption"), caption}}));
    return button;
}

} // namespace ButtonLooks
