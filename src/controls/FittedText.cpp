#include "FittedText.h"

#include <QDir>
#include <QFontMetricsF>
#include <QTextLayout>

namespace FittedText {

namespace {

// How far the last line of text reaches when a label of that width wraps it.
qreal lastLineWidth(const QString& text, const QFont& font, int width)
{
    const QString lastLine = text.section(QLatin1Char('\n'), -1);
    QTextLayout layout(lastLine, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal reach = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        reach = line.naturalTextWidth();
    }
    layout.endLayout();
    return reach;
}

// The path's parts, each but the last ending with its folder separator.
QStringList partsOf(const QString& path)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path.at(i) == QLatin1Char('/') || path.at(i) == QLatin1Char('\\')) {
            parts << path.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < path.size())
        parts << path.mid(start);
    // A root ("/", "C:\\") stays with the folder after it.
    if (parts.size() > 1 && (parts.first().size() == 1 || parts.first().endsWith(QLatin1String(":\\"))))
        parts[1].prepend(parts.takeFirst());
    return parts;
}

} // namespace

bool fits(const QString& text, const QFont& font, const QSize& box)
{
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
    return needed.height() <= box.height() && needed.width() <= box.width();
}

QString brokenAtFolders(const QString& text, const QString& path, const QFont& font, int width)
{
    if (path.isEmpty())
        return text;
    const QFontMetricsF metrics(font);
    // A pixel spare: the label measures the same text within rounding.
    const qreal room = width - 1;
    QString laid;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(path); at >= 0; at = text.indexOf(path, from)) {
        laid += text.mid(from, at - from);
        qreal reach = lastLineWidth(laid, font, width);
        for (const QString& part : partsOf(path)) {
            const qreal partWidth = metrics.horizontalAdvance(part);
            // A part wider than a whole line is broken by the label wherever it must: a new line
            // before it would only leave the last one short.
            if (reach > 0 && reach + partWidth > room && partWidth <= room) {
                laid += QLatin1Char('\n');
                reach = 0;
            }
            laid += part;
            reach = reach + partWidth <= room ? reach + partWidth : lastLineWidth(laid, font, width);
        }
        from = at + path.size();
    }
    return laid + text.mid(from);
}

QString withFolder(
    const QString& before, const QString& folder, const QString& after, const QFont& font, const QSize& box)
{
    const QString path = QDir::toNativeSeparators(folder);
    const auto laid
        = [&](const QString& shown) { return brokenAtFolders(before + shown + after, shown, font, box.width()); };
    QString text = laid(path);
    // Take characters out of the middle until it fits, keeping one at each end at the least.
    for (qsizetype cut = 1; !fits(text, font, box) && cut < path.size() - 1; ++cut) {
        const qsizetype keepStart = (path.size() - cut) / 2;
        const qsizetype keepEnd = path.size() - cut - keepStart;
        text = laid(path.left(keepStart) + QStringLiteral("…") + path.right(keepEnd));
    }
    return text;
}

} // namespace FittedText
