#include "options.h"

#include "AppWindows.h"
#include "bridge/BridgeProblems.h"
#include "bridge/ClientVersion.h"
#include "bridge/Remembered.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/TypedText.h"
#include "controls/WindowParts.h"

#include <QLabel>
#include <QLineEdit>

using WindowParts::check;
using WindowParts::option;
using Choice = ClientOptions::Choice;

namespace {

constexpr int Row = 22; // the height of a check box or option button row

QLineEdit* makeField(QWidget* parent, const QString& name, const QRect& place, const QString& accessibleName,
    int maxLength, const QString& placeholder)
{
    QLineEdit* field = WindowParts::field(parent, name, QString(), place, accessibleName);
    field->setMaxLength(maxLength);
    field->setPlaceholderText(placeholder);
    TypedText::sayWhenFull(*field, accessibleName, BridgeProblems::tell);
    return field;
}

} // namespace

options::options(AppWindows& windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("options"));
    setWindowTitle(tr("更多投屏选项"));
    setFont(captionFont(9));
    setFixedSize(540, 442);

    buildCodecAndFrameRate();
    buildSound();
    buildDisplayAndCamera();
    buildOthers();
    versionNote = WindowParts::label(this, QStringLiteral("versionNote"), QString(), QRect(12, 394, 380, 40));
    versionNote->setWordWrap(true);
    restore = ButtonLooks::create(this, QStringLiteral("restoreDefaults"), ButtonLooks::window(), tr("恢复默认"));
    restore->setGeometry(412, 400, 116, 28);
    connect(restore, &N_Shape::Click, this, &options::restoreDefaults);

    // Every change is the user's choice, kept at once.
    for (auto* box : findChildren<CheckButton*>())
        connect(box, &CheckButton::Click, this, &options::take);
    for (auto* button : findChildren<OptionButton*>())
        connect(button, &OptionButton::Click, this, &options::take);
    for (auto* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &options::take);

    showChoices(MoreOptions::read(*Remembered::settings()));
    connect(&m_windows.clientVersion(), &ClientVersion::changed, this, &options::followClientRules);
    followClientRules();
}

void options::buildCodecAndFrameRate()
{
    auto* codec = WindowParts::frame(this, QStringLiteral("codecFrame"), tr("视频编码"), QRect(12, 8, 252, 54));
    codecH264 = option(codec, QStringLiteral("codecH264"), QStringLiteral("H.264"), QRect(12, 24, 72, Row));
    codecH265 = choiceOption(codec, QStringLiteral("codecH265"), Choice::VideoCodecH265, QRect(90, 24, 72, Row));
    codecAV1 = choiceOption(codec, QStringLiteral("codecAV1"), Choice::VideoCodecAV1, QRect(168, 24, 72, Row));

    auto* rate = WindowParts::frame(this, QStringLiteral("frameRateFrame"), tr("最高帧率"), QRect(276, 8, 252, 54));
    maxFps
        = makeField(rate, QStringLiteral("maxFps"), QRect(12, 22, 64, 24), MoreOptions::FrameRateField(), 8, QString());
    WindowParts::label(rate, QStringLiteral("frameRateHint"), tr("1–240，不填则不限"), QRect(84, 24, 160, 20));
    m_needs[maxFps] = Choice::MaxFps;
}

void options::buildSound()
{
    auto* sound = WindowParts::frame(this, QStringLiteral("soundFrame"), tr("声音"), QRect(12, 68, 516, 54));
    soundComputer
        = choiceOption(sound, QStringLiteral("soundComputer"), Choice::SoundOnComputer, QRect(12, 24, 110, Row));
    soundPhone = choiceOption(sound, QStringLiteral("soundPhone"), Choice::SoundOnPhoneOnly, QRect(128, 24, 120, Row));
    soundBoth = choiceOption(sound, QStringLiteral("soundBoth"), Choice::SoundOnBoth, QRect(254, 24, 160, Row));
    soundMic = choiceOption(sound, QStringLiteral("soundMic"), Choice::SoundFromMicrophone, QRect(420, 24, 90, Row));

    auto* keyboard = WindowParts::frame(this, QStringLiteral("keyboardFrame"), tr("键盘"), QRect(12, 128, 516, 54));
    keyboardDefault = option(keyboard, QStringLiteral("keyboardDefault"), tr("默认"), QRect(12, 24, 110, Row));
    keyboardPhysical = choiceOption(
        keyboard, QStringLiteral("keyboardPhysical"), Choice::PhysicalKeyboard, QRect(128, 24, 200, Row));
}

void options::buildDisplayAndCamera()
{
    auto* display
        = WindowParts::frame(this, QStringLiteral("displayFrame"), tr("虚拟显示器与应用"), QRect(12, 188, 516, 84));
    newDisplay = choiceCheck(display, QStringLiteral("newDisplay"), Choice::NewDisplay, QRect(12, 24, 150, Row));
    displaySize = makeField(display, QStringLiteral("displaySize"), QRect(168, 22, 120, 24),
        MoreOptions::DisplaySizeField(), 16, tr("宽x高，可不填"));
    WindowParts::label(display, QStringLiteral("startAppLabel"), MoreOptions::StartAppField(), QRect(12, 54, 150, 20));
    startApp = makeField(display, QStringLiteral("startApp"), QRect(168, 52, 336, 24), MoreOptions::StartAppField(),
        255, tr("安卓包名，例如 com.android.settings"));
    m_needs[displaySize] = Choice::NewDisplay;
    m_needs[startApp] = Choice::StartApp;

    auto* source = WindowParts::frame(this, QStringLiteral("cameraFrame"), tr("摄像头"), QRect(12, 278, 516, 54));
    camera = choiceCheck(source, QStringLiteral("camera"), Choice::Camera, QRect(12, 24, 150, Row));
    facingBack = choiceOption(
        source, QStringLiteral("facingBack"), Choice::CameraFacingBack, QRect(168, 24, 90, Row), Choice::Camera);
    facingFront = choiceOption(
        source, QStringLiteral("facingFront"), Choice::CameraFacingFront, QRect(264, 24, 90, Row), Choice::Camera);
}

void options::buildOthers()
{
    auto* others = WindowParts::frame(this, QStringLiteral("othersFrame"), tr("其他"), QRect(12, 338, 516, 54));
    stayAwake = choiceCheck(others, QStringLiteral("stayAwake"), Choice::StayAwake, QRect(12, 24, 110, Row));
    powerOffOnClose
        = choiceCheck(others, QStringLiteral("powerOffOnClose"), Choice::PowerOffOnClose, QRect(128, 24, 140, Row));
    borderless = choiceCheck(others, QStringLiteral("borderless"), Choice::Borderless, QRect(274, 24, 120, Row));
    noControl = choiceCheck(others, QStringLiteral("noControl"), Choice::NoControl, QRect(400, 24, 110, Row));
}

OptionButton* options::choiceOption(
    QWidget* parent, const QString& name, Choice choice, const QRect& place, std::optional<Choice> needs)
{
    OptionButton* button = option(parent, name, ClientOptions::name(choice), place);
    m_needs[button] = needs.value_or(choice);
    return button;
}

CheckButton* options::choiceCheck(QWidget* parent, const QString& name, Choice choice, const QRect& place)
{
    CheckButton* box = check(parent, name, ClientOptions::name(choice), 0, place);
    m_needs[box] = choice;
    return box;
}

// The controls show the choices; setting them from here is not a choice of the user's.
void options::showChoices(const MoreOptions& choices)
{
    m_showing = true;
    m_choices = choices;
    codecH264->setValue(choices.codec == MoreOptions::Codec::H264);
    codecH265->setValue(choices.codec == MoreOptions::Codec::H265);
    codecAV1->setValue(choices.codec == MoreOptions::Codec::AV1);
    maxFps->setText(choices.maxFps);
    soundComputer->setValue(choices.sound == MoreOptions::Sound::Computer);
    soundPhone->setValue(choices.sound == MoreOptions::Sound::PhoneOnly);
    soundBoth->setValue(choices.sound == MoreOptions::Sound::Both);
    soundMic->setValue(choices.sound == MoreOptions::Sound::Microphone);
    keyboardDefault->setValue(!choices.physicalKeyboard);
    keyboardPhysical->setValue(choices.physicalKeyboard);
    newDisplay->setValue(choices.newDisplay ? 1 : 0);
    displaySize->setText(choices.displaySize);
    startApp->setText(choices.startApp);
    camera->setValue(choices.camera ? 1 : 0);
    facingBack->setValue(choices.facing == MoreOptions::Facing::Back);
    facingFront->setValue(choices.facing == MoreOptions::Facing::Front);
    for (const auto& [box, chosen] :
        {std::pair {stayAwake, choices.stayAwake}, {powerOffOnClose, choices.powerOffOnClose},
            {borderless, choices.borderless}, {noControl, choices.noControl}})
        box->setValue(chosen ? 1 : 0);
    m_showing = false;
}

// What the controls show becomes the choices, and is kept.
void options::take()
{
    if (m_showing)
        return;
    MoreOptions& c = m_choices;
    c.codec = codecH265->Value() ? MoreOptions::Codec::H265
        : codecAV1->Value()      ? MoreOptions::Codec::AV1
                                 : MoreOptions::Codec::H264;
    c.maxFps = maxFps->text();
    c.sound = soundPhone->Value() ? MoreOptions::Sound::PhoneOnly
        : soundBoth->Value()      ? MoreOptions::Sound::Both
        : soundMic->Value()       ? MoreOptions::Sound::Microphone
                                  : MoreOptions::Sound::Computer;
    c.physicalKeyboard = keyboardPhysical->Value();
    c.newDisplay = newDisplay->Value() == 1;
    c.displaySize = displaySize->text();
    c.startApp = startApp->text();
    c.camera = camera->Value() == 1;
    c.facing = facingFront->Value() ? MoreOptions::Facing::Front : MoreOptions::Facing::Back;
    c.stayAwake = stayAwake->Value() == 1;
    c.powerOffOnClose = powerOffOnClose->Value() == 1;
    c.borderless = borderless->Value() == 1;
    c.noControl = noControl->Value() == 1;
    c.write(*Remembered::settings());
    followClientRules();
}

void options::restoreDefaults()
{
    showChoices(MoreOptions());
    m_choices.write(*Remembered::settings());
    followClientRules();
}

// An option the installed client does not know cannot be chosen, and the control says which version
// knows it; nor can one that the client refuses beside a choice already made, and the control says
// why. A choice made stays open to be undone. While the version is not known, nothing is disabled
// and nothing applies.
void options::followClientRules()
{
    const QVersionNumber version = m_windows.clientVersion().version();
    const QList<Choice> chosen = m_choices.chosen();
    for (auto need = m_needs.cbegin(); need != m_needs.cend(); ++need) {
        const Choice choice = need.value();
        QString why;
        if (!version.isNull() && !ClientOptions::knows(version, choice))
            why = tr("需要 scrcpy %1 或更高版本").arg(ClientOptions::since(choice).toString());
        else if (const ClientOptions::RefusedPair* pair = ClientOptions::conflict(choice, chosen, version);
                 pair && !chosen.contains(choice))
            why = ClientOptions::reason(*pair);
        QWidget* control = need.key();
        if (auto* box = qobject_cast<CheckButton*>(control))
            box->setEnabledState(why.isEmpty());
        else
            control->setEnabled(why.isEmpty());
        control->setToolTip(why);
    }
    versionNote->setText(version.isNull()
            ? tr("投屏客户端的版本尚未知道：知道之前，这些选项都不会加到启动命令中。")
            : tr("投屏客户端 scrcpy %1：灰色的选项需要更新的版本，或与已选的选项不能同时使用。")
                  .arg(version.toString()));
}
