#include "TypedValue.h"

#include <QRegularExpression>

namespace TypedValue {

namespace {

QString said(const char* text)
{
    return QCoreApplication::translate("TypedValue", text);
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// Full-width digits, colon, dot and asterisk, and the ideographic space, as their ASCII ones.
QString halfWidth(const QString& typed)
{
    QString text = typed;
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF10 && u <= 0xFF19)
            c = QChar(u - 0xFF10 + '0');
        else if (u == 0xFF1A)
            c = QLatin1Char(':');
        else if (u == 0xFF0E || u == 0x3002)
            c = QLatin1Char('.');
        else if (u == 0x3000)
            c = QLatin1Char(' ');
    }
    return text.trimmed();
}

QString characterFault(QChar c)
{
    return said(QT_TRANSLATE_NOOP("TypedValue", "“%1”不能用在这里")).arg(c);
}

QString limitFault(const QString& written, double least, double most, double value)
{
    return value > most ? said(QT_TRANSLATE_NOOP("TypedValue", "%1 大于 %2")).arg(written, number(most))
                        : said(QT_TRANSLATE_NOOP("TypedValue", "%1 小于 %2")).arg(written, number(least));
}

// One number of a value: its digits (and for a decimal one dot), within the limits; written back
// plainly ("060" as "60").
Reading readNumber(const QString& part, double least, double most, bool fraction)
{
    if (part.isEmpty())
        return {{}, said(QT_TRANSLATE_NOOP("TypedValue", "少了一个数"))};
    int dots = 0;
    for (const QChar c : part) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && !(c == QLatin1Char('.') && fraction && dots++ == 0))
            return {{}, characterFault(c)};
    }
    bool read = false;
    const double value = part.toDouble(&read);
    if (!read || part == QLatin1String("."))
        return {{}, characterFault(QLatin1Char('.'))};
    if (value < least || value > most)
        return {{}, limitFault(part, least, most, value)};
    return {number(value), {}};
}

// Several numbers parted by a separator, each read alone and written back parted by the client's.
Reading readNumbers(
    const QString& text, const QRegularExpression& separator, const QString& written, qsizetype count, const Rule& rule)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        return {{}, said(QT_TRANSLATE_NOOP("TypedValue", "应有 %1 个数，这里有 %2 个")).arg(count).arg(parts.size())};
    QStringList values;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // A crop's place may be 0; its size and a display's sides are at least the rule's least.
        const double least = rule.shape == Shape::Crop && i >= 2 ? 0 : rule.least;
        const Reading one = readNumber(parts[i].trimmed(), least, rule.most, false);
        if (!one.fault.isEmpty())
            return one;
        values << one.value;
    }
    return {values.join(written), {}};
}

Reading readPackage(const QString& text)
{
    static const QRegularExpression part(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    for (const QChar c : text) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('_') && c != QLatin1Char('.'))
            return {{}, characterFault(c)};
    }
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return {{}, said(QT_TRANSLATE_NOOP("TypedValue", "包名至少有两段，以“.”分开"))};
    for (const QString& one : parts) {
        if (!part.match(one).hasMatch())
            return {{}, said(QT_TRANSLATE_NOOP("TypedValue", "“%1”不是包名的一段：每段以字母开头")).arg(one)};
    }
    return {text, {}};
}

} // namespace

Reading read(const Rule& rule, const QString& typed)
{
    const QString text = halfWidth(typed);
    switch (rule.shape) {
    case Shape::Whole:
    case Shape::Decimal:
        return readNumber(text, rule.least, rule.most, rule.shape == Shape::Decimal);
    case Shape::Size: {
        static const QRegularExpression by(QStringLiteral("[xX×*＊ｘＸ]"));
        return readNumbers(text, by, QStringLiteral("x"), 2, rule);
    }
    case Shape::Crop: {
        static const QRegularExpression colon(QStringLiteral(":"));
        return readNumbers(text, colon, QStringLiteral(":"), 4, rule);
    }
    case Shape::Package:
        return readPackage(text);
    }
    Q_UNREACHABLE();
}

QString described(const Rule& rule)
{
    const QString least = number(rule.least), most = number(rule.most);
    switch (rule.shape) {
    case Shape::Whole:
        return said(QT_TRANSLATE_NOOP("TypedValue", "%1 到 %2 之间的整数")).arg(least, most);
    case Shape::Decimal:
        return said(QT_TRANSLATE_NOOP("TypedValue", "%1 到 %2 之间的数")).arg(least, most);
    case Shape::Size:
        return said(QT_TRANSLATE_NOOP("TypedValue", "宽x高（例如 1080x1920），宽和高都在 %1 到 %2 之间"))
            .arg(least, most);
    case Shape::Crop:
        return said(QT_TRANSLATE_NOOP(
                        "TypedValue", "宽:高:X:Y（例如 1080:1200:0:0），都是 0 到 %1 之间的整数，宽和高至少为 %2"))
            .arg(most, least);
    case Shape::Package:
        return said(QT_TRANSLATE_NOOP("TypedValue", "安卓应用的包名（例如 com.android.settings）"));
    }
    Q_UNREACHABLE();
}

QString placeholder(const Rule& rule)
{
    switch (rule.shape) {
    case Shape::Whole:
    case Shape::Decimal:
        return said(QT_TRANSLATE_NOOP("TypedValue", "%1–%2，可不填")).arg(number(rule.least), number(rule.most));
    case Shape::Size:
        return said(QT_TRANSLATE_NOOP("TypedValue", "宽x高，可不填"));
    case Shape::Crop:
        return said(QT_TRANSLATE_NOOP("TypedValue", "宽:高:X:Y，可不填"));
    case Shape::Package:
        return said(QT_TRANSLATE_NOOP("TypedValue", "安卓包名，例如 com.android.settings"));
    }
    Q_UNREACHABLE();
}

} // namespace TypedValue
