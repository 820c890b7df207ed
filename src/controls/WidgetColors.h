#pragma once

#include <QColor>

class QWidget;

// Colours set through the palette: cheaper than style sheets, and the style still draws the rest.
namespace WidgetColors {

void setText(QWidget* widget, const QColor& color);
// A text field's text and face.
void setField(QWidget* widget, const QColor& text, const QColor& face);

} // namespace WidgetColors
