#include "ResultFiles.h"

#include "BridgeLog.h"
#include "BridgeProblems.h"
#include "FileReplace.h"
#include "Paths.h"

#include <QFile>
#include <QTemporaryFile>

namespace ResultFiles {

QStringList splitLines(const QByteArray& bytes)
{
    const QString text = QString::fromLocal8Bit(bytes);
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

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return splitLines(file.read(ReadCap));
}

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

bool store(ResultFile file, const QByteArray& content, QString* reason)
{
    const QString target = path(file);
    // Written beside the target and renamed over it: the rename replaces whatever sits at the
    // target's name, a planted link included, and never writes through it.
    QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
    QString problem;
    if (!out.open()) {
        problem = out.errorString();
    } else if (out.write(content) != content.size() || !out.flush()) {
        problem = out.errorString();
    } else {
        out.close();
        if (FileReplace::replace(out.fileName(), target, &problem)) {
            out.setAutoRemove(false);
            return true;
        }
    }
    qCWarning(lcBridge) << "cannot write" << target << "-" << problem;
    if (reason)
        *reason = problem;
    return false;
}

QStringList keep(ResultFile file, const QByteArray& content)
{
    QString reason;
    if (store(file, content, &reason))
        return readLines(path(file));
    BridgeProblems::reportOnce(BridgeProblems::cannotKeepResult(path(file), reason));
    return splitLines(content.left(ReadCap));
}

} // namespace ResultFiles
