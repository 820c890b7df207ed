#include "FittedText.h"

#include <QDir>
#include <QFontMetrics>

namespace FittedText {

bool fits(const QString& text, const QFont& font, const QSize& box)
{
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
    return needed.height() <= box.height() && needed.width() <= box.width();
}

QString withFolder(
    const QString& before, const QString& folder, const QString& after, const QFont& font, const QSize& box)
{
    const QString path = QDir::toNativeSeparators(folder);
    QString text = before + path + after;
    // Take characters out of the middle until it fits, keeping one at each end at the least.
    for (qsizetype cut = 1; !fits(text, font, box) && cut < path.size() - 1; ++cut) {
        const qsizetype keepStart = (path.size() - cut) / 2;
        const qsizetype keepEnd = path.size() - cut - keepStart;
        text = before + path.left(keepStart) + QStringLiteral("…") + path.right(keepEnd) + after;
    }
    return text;
}

} // namespace FittedText
