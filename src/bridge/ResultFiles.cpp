#include "ResultFiles.h"

#include "Paths.h"

#include <QFile>
#include <QStringList>

namespace ResultFiles {

namespace {

// The tools write in the system's narrow code page; a line ends at CR LF, CR or a lone LF
// (adb on Linux prints LF only).
QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLocal8Bit(file.readAll());
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QString path(ResultFile file)
{
    switch (file) {
    case ResultFile::Serno:
        return Paths::resultFolder() + QStringLiteral("/serno.txt");
    case ResultFile::Man:
        return Paths::resultFolder() + QStringLiteral("/man.txt");
    case ResultFile::Wireless:
        return Paths::resultFolder() + QStringLiteral("/wireless.txt");
    case ResultFile::None:
        break;
    }
    return {};
}

std::optional<QString> lineAt(const QString& path, int n)
{
    const QStringList lines = readLines(path);
    if (n >= 1 && n <= lines.size())
        return lines.at(n - 1);
    return std::nullopt;
}

void readLineAt(const QString& path, int n, QString& target)
{
    if (const auto line = lineAt(path, n))
        target = *line;
}

void readLastLine(const QString& path, QString& target)
{
    const QStringList lines = readLines(path);
    if (!lines.isEmpty())
        target = lines.last();
}

} // namespace ResultFiles
