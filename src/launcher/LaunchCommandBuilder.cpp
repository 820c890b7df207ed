#include "LaunchCommandBuilder.h"

#include "bridge/DeviceList.h"

namespace LaunchCommandBuilder {

namespace {
const QString SelectorStart = QStringLiteral(" -s ");
}

QString selector(bool selected, const QString& serial)
{
    return selected ? SelectorStart + serial : QString();
}

QString recordFile(const QString& recordName)
{
    return recordName + QStringLiteral(".mp4");
}

QString recordPiece(const QString& recordName)
{
    return QStringLiteral("--record ") + recordFile(recordName);
}

ToolCommand line(const QString& selector, const LaunchFragments& f)
{
    const QString blank = QStringLiteral(" ");
    ToolCommand command;
    command.text = QStringLiteral("scrcpy ") + selector + blank + f.TRES + blank + f.TBIT + blank + f.FS + blank + f.TS
        + blank + f.STT + blank + f.HPT + blank + f.RECO;

    command.words << QStringLiteral("scrcpy");
    if (selector.startsWith(SelectorStart))
        command.words << QStringLiteral("-s") << DeviceList::serialInField(selector.mid(SelectorStart.size()));
    // The option fragments are the program's own constants; only they are split at blanks.
    for (const QString& fragment : {f.TRES, f.TBIT, f.FS, f.TS, f.STT, f.HPT})
        command.words << fragment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!f.RECO.isEmpty())
        command.words << QStringLiteral("--record") << f.recordFile;
    return command;
}

} // namespace LaunchCommandBuilder
