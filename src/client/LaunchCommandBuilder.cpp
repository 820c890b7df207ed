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

QString fragment(ClientOptions::Choice choice, const QString& value)
{
    return QLatin1Char(' ') + ClientOptions::word(choice) + QLatin1Char(' ') + value;
}

QString recordPiece(const QString& recordFile)
{
    return ClientOptions::word(ClientOptions::Choice::Record) + QLatin1Char(' ') + recordFile;
}

QStringList moreWords(const MoreOptions& options, const QVersionNumber& client, bool soundStaysOnPhone)
{
    using C = ClientOptions::Choice;
    QStringList words;
    for (const C choice : options.chosen()) {
        const bool sound
            = choice == C::SoundOnPhoneOnly || choice == C::SoundOnBoth || choice == C::SoundFromMicrophone;
        // Each option is one word, its value joined to it, so no value can be read as an option.
        if (ClientOptions::knows(client, choice) && !(sound && soundStaysOnPhone))
            words << ClientOptions::words(choice, options.valueOf(choice));
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
    using Choice = ClientOptions::Choice;
    const bool several = phones.size() > 1;
    const QList<QRect> columns = cells(available, int(phones.size()));
    QList<ClientWindow> result;
    for (qsizetype i = 0; i < phones.size(); ++i) {
        ClientWindow window;
        if (ClientOptions::knows(client, Choice::WindowTitle))
            window.title = windowTitle(phones[i]);
        if (several && ClientOptions::knows(client, Choice::WindowX))
            window.place = columns[i].marginsRemoved(frame);
        window.noAudio = several && i > 0 && ClientOptions::knows(client, Choice::SoundOnPhoneOnly);
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
            command.words << optionAndValue.section(QLatin1Char(' '), 1, 1)
                          << optionAndValue.section(QLatin1Char(' '), 2);
    }
    for (const QString& flag : {f.FS, f.TS, f.STT, f.HPT}) {
        if (!flag.isEmpty())
            command.words << flag;
    }
    if (!f.RECO.isEmpty())
        command.words << ClientOptions::word(ClientOptions::Choice::Record) << f.recordFile;

    // The window's words follow the line's, the title one word whatever it holds.
    using ClientOptions::word;
    using Choice = ClientOptions::Choice;
    QStringList windowWords;
    if (!window.title.isEmpty())
        windowWords << word(Choice::WindowTitle) << window.title;
    if (!window.place.isNull()) {
        const QRect& place = window.place;
        windowWords << word(Choice::WindowX) << QString::number(place.x()) << word(Choice::WindowY)
                    << QString::number(place.y());
        // A virtual display that follows its window's size is sized by the client: only its place is given.
        if (!moreOptionWords.contains(word(Choice::FlexDisplay)))
            windowWords << word(Choice::WindowWidth) << QString::number(place.width()) << word(Choice::WindowHeight)
                        << QString::number(place.height());
    }
    if (window.noAudio)
        windowWords << ClientOptions::words(Choice::SoundOnPhoneOnly);
    windowWords << moreOptionWords;
    command.words << windowWords;
    if (!windowWords.isEmpty())
        command.text += blank + windowWords.join(blank);
    return command;
}

} // namespace LaunchCommandBuilder
