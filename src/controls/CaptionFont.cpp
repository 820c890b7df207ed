#include "CaptionFont.h"

#include <QStringList>

QFont captionFont(double points, bool bold)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"),
            QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
