#include "PhoneFileNames.h"

#include <QSet>

namespace PhoneFileNames {

namespace {

bool refused(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\"*/:<>?\\|").contains(c);
}

// The base shortened, a whole character at a time, until base and tail fit the storage's limit.
QString fitted(QString base, const QString& tail)
{
    const int room = MaxBytes - int(tail.toUtf8().size());
    while (!base.isEmpty() && base.toUtf8().size() > room) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base + tail;
}

// Where the extension begins: at the last dot, unless the name has no other (".nomedia") or what
// follows it is too long for an extension (then the dot is the name's own, and shortening may take it).
qsizetype extensionAt(const QString& name)
{
    constexpr qsizetype LongestExtension = 16;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && name.size() - dot <= LongestExtension ? dot : name.size();
}

} // namespace

QString storable(const QString& name)
{
    QString kept;
    for (const QChar c : name)
        kept += refused(c) ? QLatin1Char('_') : c;
    if (kept.isEmpty() || kept == QLatin1String(".") || kept == QLatin1String(".."))
        kept = QStringLiteral("_") + kept;
    const qsizetype dot = extensionAt(kept);
    return fitted(kept.left(dot), kept.mid(dot));
}

QString free(const QString& name, const QStringList& taken)
{
    QSet<QString> folded;
    for (const QString& other : taken)
        folded.insert(other.toCaseFolded());
    const qsizetype dot = extensionAt(name);
    QString candidate = name;
    for (int number = 1; folded.contains(candidate.toCaseFolded()); ++number)
        candidate = fitted(name.left(dot), QStringLiteral(" (%1)").arg(number) + name.mid(dot));
    return candidate;
}

QStringList listed(const QByteArray& output)
{
    QStringList names;
    for (QByteArray line : output.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && line != "." && line != "..")
            names.append(QString::fromUtf8(line));
    }
    return names;
}

} // namespace PhoneFileNames
