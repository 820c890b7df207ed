#include "MoreOptions.h"

#include "controls/TypedText.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

bool isFrameRate(const QString& text)
{
    bool number = false;
    const int rate = text.toInt(&number);
    return number && rate >= 1 && rate <= 240 && text == QString::number(rate);
}

bool isDisplaySize(const QString& text)
{
    static const QRegularExpression size(QStringLiteral("^([1-9][0-9]{1,3})x([1-9][0-9]{1,3})$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return false;
    for (const int side : {match.captured(1).toInt(), match.captured(2).toInt()}) {
        if (side < 64 || side > 8192)
            return false;
    }
    return true;
}

// Two or more parts separated by dots, each of letters, digits and underscores, starting with a letter.
bool isPackageName(const QString& text)
{
    static const QRegularExpression package(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*(\\.[A-Za-z][A-Za-z0-9_]*)+$"));
    return package.match(text).hasMatch();
}

// "<width>:<height>:<x>:<y>", each a whole number written plainly, the size at least 1 by 1 and no
// number beyond what a picture's side can be.
bool isCrop(const QString& text)
{
    const QStringList numbers = text.split(QLatin1Char(':'));
    if (numbers.size() != 4)
        return false;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        bool number = false;
        const int value = numbers[i].toInt(&number);
        if (!number || numbers[i] != QString::number(value) || value < (i < 2 ? 1 : 0) || value > 65535)
            return false;
    }
    return true;
}

// Each typed field with its rule; a field that breaks its rule is cleared for the launch.
struct TypedField
{
    QString MoreOptions::*value;
    QString (*name)();
    bool (*valid)(const QString&);
    const char* rule;
};

const TypedField typedFields[] {
    {&MoreOptions::maxFps, &MoreOptions::FrameRateField, isFrameRate,
        QT_TRANSLATE_NOOP("MoreOptions", "“%1”应为 1 到 240 之间的整数，本次启动不限制帧率！")},
    {&MoreOptions::displaySize, &MoreOptions::DisplaySizeField, isDisplaySize,
        QT_TRANSLATE_NOOP(
            "MoreOptions", "“%1”应为 宽x高（例如 1080x1920），宽和高都在 64 到 8192 之间，本次启动使用默认尺寸！")},
    {&MoreOptions::startApp, &MoreOptions::StartAppField, isPackageName,
        QT_TRANSLATE_NOOP("MoreOptions", "“%1”应为安卓应用的包名（例如 com.android.settings），本次启动不打开应用！")},
    {&MoreOptions::crop, &MoreOptions::CropField, isCrop,
        QT_TRANSLATE_NOOP("MoreOptions",
            "“%1”应为 宽:高:X:Y（例如 1080:1200:0:0），都是 0 到 65535 之间的整数，宽和高至少为 1，本次启动不裁剪！")},
};

const char* const CodecKey = "options/codec";
const char* const SoundKey = "options/sound";
const char* const FacingKey = "options/cameraFacing";
const char* const TurnKey = "options/turn";
const QStringList CodecWords {QStringLiteral("h264"), QStringLiteral("h265"), QStringLiteral("av1")};
const QStringList SoundWords {
    QStringLiteral("computer"), QStringLiteral("phone"), QStringLiteral("both"), QStringLiteral("microphone")};
const QStringList FacingWords {QStringLiteral("back"), QStringLiteral("front")};
const QStringList TurnWords {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")};

struct Flag
{
    bool MoreOptions::*value;
    const char* key;
    ClientOptions::Choice choice;
};
const Flag flags[] {
    {&MoreOptions::physicalKeyboard, "options/physicalKeyboard", ClientOptions::Choice::PhysicalKeyboard},
    {&MoreOptions::newDisplay, "options/newDisplay", ClientOptions::Choice::NewDisplay},
    {&MoreOptions::camera, "options/camera", ClientOptions::Choice::Camera},
    {&MoreOptions::stayAwake, "options/stayAwake", ClientOptions::Choice::StayAwake},
    {&MoreOptions::powerOffOnClose, "options/powerOffOnClose", ClientOptions::Choice::PowerOffOnClose},
    {&MoreOptions::borderless, "options/borderless", ClientOptions::Choice::Borderless},
    {&MoreOptions::noControl, "options/noControl", ClientOptions::Choice::NoControl},
};

const std::pair<QString MoreOptions::*, const char*> texts[] {
    {&MoreOptions::maxFps, "options/maxFps"},
    {&MoreOptions::displaySize, "options/displaySize"},
    {&MoreOptions::startApp, "options/startApp"},
    {&MoreOptions::crop, "options/crop"},
};

// A word read back that names none of the choices keeps the default.
template <typename Choice>
Choice choiceOf(const QSettings& settings, const char* key, const QStringList& words, Choice fallback)
{
    const qsizetype at = words.indexOf(settings.value(QLatin1String(key)).toString());
    return at < 0 ? fallback : Choice(at);
}

} // namespace

QStringList MoreOptions::refusals(MoreOptions* kept) const
{
    *kept = *this;
    QStringList messages;
    for (const TypedField& field : typedFields) {
        QString& value = kept->*field.value;
        if (value.isEmpty())
            continue;
        if (const QString refusal = TypedText::controlCharacterRefusal(value, field.name()); !refusal.isEmpty())
            messages << refusal;
        else if (!field.valid(value))
            messages << QCoreApplication::translate("MoreOptions", field.rule).arg(field.name());
        else
            continue;
        value.clear();
    }
    return messages;
}

QList<ClientOptions::Choice> MoreOptions::chosen() const
{
    using C = ClientOptions::Choice;
    QList<C> choices;
    if (codec != Codec::H264)
        choices << (codec == Codec::H265 ? C::VideoCodecH265 : C::VideoCodecAV1);
    if (!maxFps.isEmpty())
        choices << C::MaxFps;
    const C sounds[] {C::SoundOnComputer, C::SoundOnPhoneOnly, C::SoundOnBoth, C::SoundFromMicrophone};
    choices << sounds[int(sound)];
    if (physicalKeyboard)
        choices << C::PhysicalKeyboard;
    if (newDisplay)
        choices << C::NewDisplay;
    if (!startApp.isEmpty())
        choices << C::StartApp;
    if (camera)
        choices << C::Camera << (facing == Facing::Front ? C::CameraFacingFront : C::CameraFacingBack);
    if (!crop.isEmpty())
        choices << C::Crop;
    if (turn != Turn::None)
        choices << (turn == Turn::Quarter ? C::Turn90 : turn == Turn::Half ? C::Turn180 : C::Turn270);
    const std::pair<bool, C> last[] {{stayAwake, C::StayAwake}, {powerOffOnClose, C::PowerOffOnClose},
        {borderless, C::Borderless}, {noControl, C::NoControl}};
    for (const auto& [made, choice] : last) {
        if (made)
            choices << choice;
    }
    return choices;
}

QString MoreOptions::valueOf(ClientOptions::Choice choice) const
{
    using C = ClientOptions::Choice;
    return choice == C::MaxFps    ? maxFps
        : choice == C::NewDisplay ? displaySize
        : choice == C::StartApp   ? startApp
        : choice == C::Crop       ? crop
                                  : QString();
}

QString MoreOptions::summary() const
{
    QStringList named;
    for (const ClientOptions::Choice choice : chosen()) {
        if (ClientOptions::word(choice).isEmpty())
            continue; // the client's default, as every phone has it
        const QString value = valueOf(choice);
        named << (value.isEmpty() ? ClientOptions::name(choice)
                                  : ClientOptions::name(choice) + QLatin1Char(' ') + value);
    }
    return named.join(tr("、"));
}

void MoreOptions::drop(ClientOptions::Choice choice)
{
    using C = ClientOptions::Choice;
    switch (choice) {
    case C::VideoCodecH265:
    case C::VideoCodecAV1:
        codec = Codec::H264;
        break;
    case C::MaxFps:
        maxFps.clear();
        break;
    case C::SoundOnPhoneOnly:
    case C::SoundOnBoth:
    case C::SoundFromMicrophone:
        sound = Sound::Computer;
        break;
    case C::NewDisplay:
        newDisplay = false;
        break;
    case C::StartApp:
        startApp.clear();
        break;
    case C::Camera:
        camera = false;
        break;
    case C::Crop:
        crop.clear();
        break;
    case C::Turn90:
    case C::Turn180:
    case C::Turn270:
        turn = Turn::None;
        break;
    default:
        for (const Flag& flag : flags) {
            if (flag.choice == choice)
                this->*flag.value = false;
        }
    }
}

MoreOptions MoreOptions::read(QSettings& settings)
{
    // Nothing read back is shown that a launch would refuse: it is dropped to its default.
    MoreOptions kept;
    readAsTyped(settings).refusals(&kept);
    return kept;
}

MoreOptions MoreOptions::readAsTyped(QSettings& settings)
{
    MoreOptions options;
    options.codec = choiceOf(settings, CodecKey, CodecWords, options.codec);
    options.sound = choiceOf(settings, SoundKey, SoundWords, options.sound);
    options.facing = choiceOf(settings, FacingKey, FacingWords, options.facing);
    options.turn = choiceOf(settings, TurnKey, TurnWords, options.turn);
    for (const Flag& flag : flags) {
        const QVariant value = settings.value(QLatin1String(flag.key));
        options.*flag.value = value.toString() == QLatin1String("true");
    }
    for (const auto& [member, key] : texts)
        options.*member = settings.value(QLatin1String(key)).toString();
    return options;
}

void MoreOptions::write(QSettings& settings) const
{
    settings.setValue(QLatin1String(CodecKey), CodecWords.at(int(codec)));
    settings.setValue(QLatin1String(SoundKey), SoundWords.at(int(sound)));
    settings.setValue(QLatin1String(FacingKey), FacingWords.at(int(facing)));
    settings.setValue(QLatin1String(TurnKey), TurnWords.at(int(turn)));
    for (const Flag& flag : flags)
        settings.setValue(QLatin1String(flag.key), this->*flag.value);
    for (const auto& [member, key] : texts)
        settings.setValue(QLatin1String(key), this->*member);
}
