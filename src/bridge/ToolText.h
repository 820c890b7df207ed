#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

// What a tool prints, as the program reads it.
namespace ToolText {

// Reading stops here: the lines that matter are all near the top.
constexpr qsizetype ReadCap = 64 * 1024;

// The lines of a text; a line ends at CR LF, CR or a lone LF. The tools speak UTF-8 whatever the
// system's code page (a phone's maker name, say); what is not UTF-8 is read in the system's narrow
// code page.
inline QStringList lines(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLocal8Bit(bytes);
    QStringList result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        result.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        result.append(text.mid(start));
    return result;
}

// A one-line answer (a phone's property, say) without the blanks around it; empty when it has none.
inline QString firstLine(const QByteArray& bytes)
{
    return lines(bytes).value(0).trimmed();
}

} // namespace ToolText
