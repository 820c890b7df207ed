#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVersionNumber>

// The mirroring client's options that the program gives, and the client's rules about them: each
// option's word spelled once, the first client version that knows it, and the pairs of options that
// a version refuses together. The launch, the window of more options and the tests read this one
// table; nothing else spells a client option.
namespace ClientOptions {

enum class Choice {
    // The launcher's own options, given to every client whatever its version.
    Fullscreen,
    AlwaysOnTop,
    ShowTouches,
    TurnScreenOff,
    // Each client's window, set by the launch itself.
    WindowTitle,
    WindowX,
    WindowY,
    WindowWidth,
    WindowHeight,
    // The window of more options. The sound stays on the phone also for every client but the
    // first of several.
    VideoCodecH265,
    VideoCodecAV1,
    MaxFps,
    SoundOnComputer,
    SoundOnPhoneOnly,
    SoundOnBoth,
    SoundFromMicrophone,
    PhysicalKeyboard,
    NewDisplay,
    StartApp,
    Camera,
    CameraFacingBack,
    CameraFacingFront,
    Crop,
    Turn90,
    Turn180,
    Turn270,
    StayAwake,
    PowerOffOnClose,
    Borderless,
    NoControl,
};

struct Option
{
    Choice choice;
    QString word; // the option; empty for a choice that adds none (the client's default)
    QString value; // its fixed value, joined to it with "="; empty for a flag or a typed value
    QVersionNumber since; // null: every client knows it
    const char* name; // the control's text, as messages name the choice; null for the launch's own
};

// A pair of choices that the clients from one version (up to another) refuse together: the launch
// goes on without the first, which needs what the second turns off.
struct RefusedPair
{
    Choice dropped;
    Choice kept;
    QVersionNumber from;
    QVersionNumber until; // null: refused by every later client too
    const char* reason; // %1 the dropped choice's name, %2 the kept one's
};

const QList<Option>& table();
const QList<RefusedPair>& refusedPairs();

const Option& option(Choice choice);
// The choice's words: the option joined to its fixed value or to the value given, or the option
// alone; nothing for a choice that adds no word.
QStringList words(Choice choice, const QString& value = QString());
// The option's word alone, for the launch's words whose value follows as a word of its own.
QString word(Choice choice);
// The control's text, in the language shown.
QString name(Choice choice);
QVersionNumber since(Choice choice);
// Whether a client of this version knows the choice: an unknown (null) version knows none of the
// versioned ones.
bool knows(const QVersionNumber& client, Choice choice);

// Whether a client of this version refuses the pair: both are choices it knows, and the version is
// within the pair's range.
bool refuses(const RefusedPair& pair, const QVersionNumber& client);
// Why, in the program's words, naming both choices.
QString reason(const RefusedPair& pair);
// The refused pair that the choice forms with one of the chosen, for this client; null for none.
const RefusedPair* conflict(Choice choice, const QList<Choice>& chosen, const QVersionNumber& client);

// The chosen less every choice that forms a refused pair with another for this client, taken in
// the table's order; each one dropped is told in one message naming both choices.
QList<Choice> withoutRefusedPairs(const QList<Choice>& chosen, const QVersionNumber& client, QStringList* messages);

} // namespace ClientOptions
