#pragma once

#include "TypedValue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVersionNumber>

#include <optional>

// The mirroring client's options that the program gives, and the client's rules about them: each
// option's word spelled once, the first client version that knows it (and the first that no longer
// does), how the window of more options offers it and keeps it, the rule of a typed value, and the
// pairs of options that a version refuses together. The launch, the window of more options and the
// tests read this one table; nothing else spells a client option.
namespace ClientOptions {

enum class Choice {
    // The launcher's own options, given to every client whatever its version.
    Fullscreen,
    AlwaysOnTop,
    ShowTouches,
    TurnScreenOff,
    // The launcher's size and bit rate, each a word and its value, and the recording.
    MaxSize,
    BitRate,
    Record,
    // What the program asks the client: its version, and a phone's apps.
    Version,
    ListApps,
    // Each client's window, set by the launch itself.
    WindowTitle,
    WindowX,
    WindowY,
    WindowWidth,
    WindowHeight,
    // The window of more options. A choice that adds no word is the client's own default, offered
    // beside the others of its kind. The sound stays on the phone also for every client but the
    // first of several.
    VideoCodecH264,
    VideoCodecH265,
    VideoCodecAV1,
    MaxFps,
    SoundOnComputer,
    SoundOnPhoneOnly,
    SoundOnBoth,
    SoundFromMicrophone,
    KeyboardDefault,
    PhysicalKeyboard,
    MouseDefault,
    MouseUhid,
    MouseAoa,
    GamepadNone,
    GamepadUhid,
    GamepadAoa,
    NewDisplay,
    FlexDisplay,
    KeepDisplayContent,
    ImeDefault,
    ImeOnDisplay,
    ImeOnPhone,
    ImeHidden,
    StartApp,
    Camera,
    CameraFacingBack,
    CameraFacingFront,
    CameraTorch,
    CameraZoom,
    Crop,
    TurnNone,
    Turn90,
    Turn180,
    Turn270,
    StayAwake,
    KeepActive,
    ScreenOffTimeout,
    PowerOffOnClose,
    Borderless,
    NoControl,
};

// How the window of more options offers a choice, and how the settings file keeps it.
enum class Kind {
    Launch, // the launcher's own, or the launch's: not in the window of more options
    Flag, // a check box, kept as "true" or "false"
    Alternative, // an option button among those of its key, kept as its own word under the key
    Typed, // a field, kept as typed; empty for none
};

struct Option
{
    Choice choice;
    QString word; // the option; empty for a choice that adds none (the client's default)
    QString value; // its fixed value, joined to it with "="; empty for a flag or a typed value
    QVersionNumber since; // null: every client knows it
    const char* name; // the control's text, as messages and summaries name the choice; null for the launch's own
    Kind kind = Kind::Launch;
    const char* key = nullptr; // under "options/" in the settings file; the window's control's name too
    const char* control = nullptr; // an alternative's option button's name; the others' control is named by the key
    const char* kept = nullptr; // an alternative's word under its key
    TypedValue::Rule rule {}; // a typed value's, or a flag's value typed beside it (under valueKey)
    const char* valueKey = nullptr; // a flag with a value of its own: the field's key
    const char* valueName = nullptr; // and the field's name, as messages name it
    const char* without = nullptr; // what a launch does when the typed value is refused
    std::optional<Choice> needs = {}; // given only beside that choice, and greyed as that one is
    QVersionNumber droppedIn = {}; // the first client that no longer knows it; null: every later one does
};

// What the client's versions do beside their options, each from the version named.
// Its shortcut key (MOD) is left Alt; before, Ctrl.
inline const QVersionNumber AltShortcutsSince(1, 15);
// It ends with status 2 ("Device disconnected") when its phone's connection dies.
inline const QVersionNumber DisconnectStatusSince(1, 24);

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
// versioned ones, nor of those some client dropped.
bool knows(const QVersionNumber& client, Choice choice);
// The choices of the window of more options kept under this key: an alternative's, in the table's
// order (the first is the default), or the one flag or typed value.
QList<Choice> underKey(const QString& key);

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
