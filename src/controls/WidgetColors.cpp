#include "WidgetColors.h"

#include <QWidget>

namespace WidgetColors {

void setText(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void setField(QWidget* widget, const QColor& text, const QColor& face)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, face);
    widget->setPalette(palette);
}

} // namespace WidgetColors
