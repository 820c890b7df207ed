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

const QList<OptionSince>& moreOptions()
{
    static const QList<OptionSince> table {
        {QStringLiteral("--video-codec"), QVersionNumber(2, 0)},
        {QStringLiteral("--max-fps"), QVersionNumber(1, 12)},
        {QStringLiteral("--audio-dup"), QVersionNumber(2, 6)},
        {QStringLiteral("--audio-source"), QVersionNumber(2, 1)},
        {QStringLiteral("--keyboard"), QVersionNumber(2, 4)},
        {QStringLiteral("--new-display"), QVersionNumber(3, 0)},
        {QStringLiteral("--start-app"), QVersionNumber(3, 0)},
        {QStringLiteral("--video-source"), QVersionNumber(2, 2)},
        {QStringLiteral("--camera-facing"), QVersionNumber(2, 2)},
        {QStringLiteral("--stay-awake"), QVersionNumber(1, 14)},
        {QStringLiteral("--power-off-on-close"), QVersionNumber(1, 18)},
        {QStringLiteral("--window-borderless"), QVersionNumber(1, 12)},
        {QStringLiteral("--no-control"), QVersionNumber(1, 12)},
    };
    return table;
}

QVersionNumber since(const QString& option)
{
    for (const QList<OptionSince>* table : {&windowOptions(), &moreOptions()}) {
        for (const OptionSince& row : *table) {
            if (row.option == option)
                return row.since;
        }
    }
    return {};
}

bool knows(const QVersionNumber& client, const QString& option)
{
    const QVersionNumber first = since(option);
    return !client.isNull() && !first.isNull() && client >= first;
}

QStringList moreWords(const MoreOptions& options, const QVersionNumber& client, bool soundStaysOnPhone)
{
    QStringList words;
    // Each option is one word, its value joined to it, so no value can be read as an option.
    const auto add = [&](const QString& option, const QString& value = QString()) {
        if (knows(client, option))
            words << (value.isEmpty() ? option : option + QLatin1Char('=') + value);
    };
    if (options.codec == MoreOptions::Codec::H265)
        add(QStringLiteral("--video-codec"), QStringLiteral("h265"));
    else if (options.codec == MoreOptions::Codec::AV1)
        add(QStringLiteral("--video-codec"), QStringLiteral("av1"));
    if (!options.maxFps.isEmpty())
        add(QStringLiteral("--max-fps"), options.maxFps);
    if (!soundStaysOnPhone) {
        if (options.sound == MoreOptions::Sound::PhoneOnly)
            add(QStringLiteral("--no-audio"));
        else if (options.sound == MoreOptions::Sound::Both)
            add(QStringLiteral("--audio-dup"));
        else if (options.sound == MoreOptions::Sound::Microphone)
            add(QStringLiteral("--audio-source"), QStringLiteral("mic"));
    }
    if (options.physicalKeyboard)
        add(QStringLiteral("--keyboard"), QStringLiteral("uhid"));
    if (options.newDisplay)
        add(QStringLiteral("--new-display"), options.displaySize);
    if (!options.startApp.isEmpty())
        add(QStringLiteral("--start-app"), options.startApp);
    if (options.camera) {
        add(QStringLiteral("--video-source"), QStringLiteral("camera"));
        add(QStringLiteral("--camera-facing"),
            options.facing == MoreOptions::Facing::Front ? QStringLiteral("front") : QStringLiteral("back"));
    }
    const std::pair<bool, const char*> flags[] {{options.stayAwake, "--stay-awake"},
        {options.powerOffOnClose, "--power-off-on-close"}, {options.borderless, "--window-borderless"},
        {options.noControl, "--no-control"}};
    for (const auto& [chosen, option] : flags) {
        if (chosen)
            add(QString::fromLatin1(option));
    }
    return words;
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

ToolCommand line(
    const QString& selector, const LaunchFragments& f, const ClientWindow& window, const QStringList& moreOptionWords)
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
    windowWords << moreOptionWords;
    command.words << windowWords;
    if (!windowWords.isEmpty())
        command.text += blank + windowWords.join(blank);
    return command;
}

} // namespace LaunchCommandBuilder
