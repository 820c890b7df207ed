#include "LaunchCommandBuilder.h"

namespace LaunchCommandBuilder {

QString selector(bool selected, const QString& serial)
{
    return selected ? QStringLiteral(" -s ") + serial : QString();
}

QString recordPiece(const QString& recordName)
{
    QString fileName = recordName + QStringLiteral(".mp4");
    const bool needsQuotes = fileName.contains(QLatin1Char(' ')) || fileName.contains(QLatin1Char('\t'))
        || fileName.contains(QLatin1Char('"'));
    if (needsQuotes) {
        // Inside quotes, three double quotes stand for one literal double quote.
        fileName.replace(QLatin1String("\""), QLatin1String("\"\"\""));
        fileName = QLatin1Char('"') + fileName + QLatin1Char('"');
    }
    return QStringLiteral("--record ") + fileName;
}

QString line(const QString& selector, const LaunchFragments& f)
{
    const QString blank = QStringLiteral(" ");
    return QStringLiteral("scrcpy ") + selector + blank + f.TRES + blank + f.TBIT + blank + f.FS + blank + f.TS + blank
        + f.STT + blank + f.HPT + blank + f.RECO;
}

} // namespace LaunchCommandBuilder
