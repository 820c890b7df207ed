#include "OleColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace OleColors {

QColor toQColor(OleColor color)
{
    if (color & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (color & 0xFFu) {
        case 15:
            return palette.color(QPalette::Button);
        case 17:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
        static_cast<int>((color >> 16) & 0xFFu));
}

OleColor fromText(const QString& text)
{
    QString digits = text.trimmed();
    if (digits.endsWith(QLatin1Char('&')))
        digits.chop(1);
    if (digits.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return digits.mid(2).toUInt(nullptr, 16);
    return digits.toUInt();
}

} // namespace OleColors
