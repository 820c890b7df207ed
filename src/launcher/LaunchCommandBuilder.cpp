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

const QList<OptionSince>& windowOptions()
{
    static const QList<OptionSince> table {
        {QStringLiteral("--window-title"), QVersionNumber(1, 10)},
        {QStringLiteral("--window-x"), QVersionNumber(1, 11)},
        {QStringLiteral("--window-y"), QVersionNumber(1, 11)},
        {QStringLiteral("--window-width"), QVersionNumber(1, 11)},
        {QStringLiteral("--window-height"), QVersionNumber(1, 11)},
        // The client forwards the phone's sound from 2.0 on; before, there is no sound to leave.
        {QStringLiteral("--no-audio"), QVersionNumber(2, 0)},
    };
    return table;
}

bool knows(const QVersionNumber& client, const QString& option)
{
    for (const OptionSince& row : windowOptions()) {
        if (row.option == option)
            return !client.isNull() && client >= row.since;
    }
    return false;
}

QString windowTitle(const ClientPhone& phone)
{
    return phone.model.isEmpty() ? phone.serial : phone.model + QStringLiteral(" · ") + phone.serial;
}

QList<QRect> cells(const QRect& available, int count)
{
    QList<QRect> columns;
    for (int i = 0; i < count; ++i) {
        const int left = available.left() + available.width() * i / count;
        const int right = available.left() + available.width() * (i + 1) / count;
        columns.append(QRect(left, available.top(), right - left, available.height()));
    }
    return columns;
}

QList<ClientWindow> windows(
    const QVersionNumber& client, const QList<ClientPhone>& phones, const QRect& available, const QMargins& frame)
{
    const bool several = phones.size() > 1;
    const QList<QRect> columns = cells(available, int(phones.size()));
    QList<ClientWindow> result;
    for (qsizetype i = 0; i < phones.size(); ++i) {
        ClientWindow window;
        if (knows(client, QStringLiteral("--window-title")))
            window.title = windowTitle(phones[i]);
        if (several && knows(client, QStringLiteral("--window-x")))
            window.place = columns[i].marginsRemoved(frame);
        window.noAudio = several && i > 0 && knows(client, QStringLiteral("--no-audio"));
        result.append(window);
    }
    return result;
}

ToolCommand line(const QString& selector, const LaunchFragments& f, const ClientWindow& window)
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

    // The window's words follow the line's, the title one word whatever it holds.
    QStringList windowWords;
    if (!window.title.isEmpty())
        windowWords << QStringLiteral("--window-title") << window.title;
    if (!window.place.isNull()) {
        const QRect& place = window.place;
        windowWords << QStringLiteral("--window-x") << QString::number(place.x()) << QStringLiteral("--window-y")
                    << QString::number(place.y()) << QStringLiteral("--window-width") << QString::number(place.width())
                    << QStringLiteral("--window-height") << QString::number(place.height());
    }
    if (window.noAudio)
        windowWords << QStringLiteral("--no-audio");
    command.words << windowWords;
    if (!windowWords.isEmpty())
        command.text += blank + windowWords.join(blank);
    return command;
}

} // namespace LaunchCommandBuilder
