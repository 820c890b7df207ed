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

QString recordPiece(const QString& recordFile)
{
    return QStringLiteral("--record ") + recordFile;
}

ToolCommand line(const QString& selector, const LaunchFragments& f)
{
    const QString blank = QStringLiteral(" ");
    ToolCommand command;
    command.text = QStringLiteral("scrcpy ") + selector + blank + f.TRES + blank + f.TBIT + blank + f.FS + blank + f.TS
        + blank + f.STT + blank + f.HPT + blank + f.RECO;

    command.words << QStringLiteral("scrcpy") << DeviceList::selectorWords(selector);
    // The size and bit-rate fragments are an option and its value (" -m 1920", " -b 30M"); the
    // flags are one word each; the record file is one word whatever its name holds.
    for (const QString& optionAndValue : {f.TRES, f.TBIT}) {
        if (!optionAndValue.isEmpty())
            command.words << optionAndValue.mid(1, 2) << optionAndValue.mid(4);
    }
    for (const QString& flag : {f.FS, f.TS, f.STT, f.HPT}) {
        if (!flag.isEmpty())
            command.words << flag;
    }
    if (!f.RECO.isEmpty())
        command.words << QStringLiteral("--record") << f.recordFile;
    return command;
}

} // namespace LaunchCommandBuilder
