#include "options.h"

#include "AppWindows.h"
#include "ClientVersion.h"
#include "Form1.h"
#include "LaunchCommandBuilder.h"
#include "WindowParts.h"
#include "bridge/BridgeProblems.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/TypedText.h"
#include "startup/Remembered.h"

#include <QLabel>
#include <QLineEdit>

using WindowParts::check;
using WindowParts::option;

namespace {

constexpr int Row = 22; // the height of a check box or option button row

QLineEdit* makeField(QWidget* parent, const QString& name, const QRect& place, const QString& accessibleName,
    int maxLength, const QString& placeholder)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(place);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(maxLength);
    field->setPlaceholderText(placeholder);
    TypedText::sayWhenFull(*field, accessibleName, BridgeProblems::tell);
    return field;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
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
    versionNote = makeLabel(this, QStringLiteral("versionNote"), QString(), QRect(12, 394, 380, 40));
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

    show(MoreOptions::read(*Remembered::settings()));
    ClientVersion* version = m_windows.form1().clientVersion;
    connect(version, &ClientVersion::changed, this, &options::followClientVersion);
    followClientVersion();
}

void options::buildCodecAndFrameRate()
{
    auto* codec = WindowParts::frame(this, QStringLiteral("codecFrame"), tr("视频编码"), QRect(12, 8, 252, 54));
    codecH264 = option(codec, QStringLiteral("codecH264"), QStringLiteral("H.264"), QRect(12, 24, 72, Row));
    codecH265 = option(codec, QStringLiteral("codecH265"), QStringLiteral("H.265"), QRect(90, 24, 72, Row));
    codecAV1 = option(codec, QStringLiteral("codecAV1"), QStringLiteral("AV1"), QRect(168, 24, 72, Row));
    m_needs[codecH265] = m_needs[codecAV1] = QStringLiteral("--video-codec");

    auto* rate = WindowParts::frame(this, QStringLiteral("frameRateFrame"), tr("最高帧率"), QRect(276, 8, 252, 54));
    maxFps
        = makeField(rate, QStringLiteral("maxFps"), QRect(12, 22, 64, 24), MoreOptions::FrameRateField(), 8, QString());
    makeLabel(rate, QStringLiteral("frameRateHint"), tr("1–240，不填则不限"), QRect(84, 24, 160, 20));
    m_needs[maxFps] = QStringLiteral("--max-fps");
}

void options::buildSound()
{
    auto* sound = WindowParts::frame(this, QStringLiteral("soundFrame"), tr("声音"), QRect(12, 68, 516, 54));
    soundComputer = option(sound, QStringLiteral("soundComputer"), tr("电脑播放"), QRect(12, 24, 110, Row));
    soundPhone = option(sound, QStringLiteral("soundPhone"), tr("仍在手机播放"), QRect(128, 24, 120, Row));
    soundBoth = option(sound, QStringLiteral("soundBoth"), tr("电脑和手机同时播放"), QRect(254, 24, 160, Row));
    soundMic = option(sound, QStringLiteral("soundMic"), tr("麦克风"), QRect(420, 24, 90, Row));
    m_needs[soundPhone] = QStringLiteral("--no-audio");
    m_needs[soundBoth] = QStringLiteral("--audio-dup");
    m_needs[soundMic] = QStringLiteral("--audio-source");

    auto* keyboard = WindowParts::frame(this, QStringLiteral("keyboardFrame"), tr("键盘"), QRect(12, 128, 516, 54));
    keyboardDefault = option(keyboard, QStringLiteral("keyboardDefault"), tr("默认"), QRect(12, 24, 110, Row));
    keyboardPhysical
        = option(keyboard, QStringLiteral("keyboardPhysical"), tr("模拟物理键盘"), QRect(128, 24, 200, Row));
    m_needs[keyboardPhysical] = QStringLiteral("--keyboard");
}

void options::buildDisplayAndCamera()
{
    auto* display
        = WindowParts::frame(this, QStringLiteral("displayFrame"), tr("虚拟显示器与应用"), QRect(12, 188, 516, 84));
    newDisplay = check(display, QStringLiteral("newDisplay"), tr("虚拟显示器"), 0, QRect(12, 24, 150, Row));
    displaySize = makeField(display, QStringLiteral("displaySize"), QRect(168, 22, 120, 24),
        MoreOptions::DisplaySizeField(), 16, tr("宽x高，可不填"));
    makeLabel(display, QStringLiteral("startAppLabel"), MoreOptions::StartAppField(), QRect(12, 54, 150, 20));
    startApp = makeField(display, QStringLiteral("startApp"), QRect(168, 52, 336, 24), MoreOptions::StartAppField(),
        255, tr("安卓包名，例如 com.android.settings"));
    m_needs[newDisplay] = m_needs[displaySize] = QStringLiteral("--new-display");
    m_needs[startApp] = QStringLiteral("--start-app");

    auto* source = WindowParts::frame(this, QStringLiteral("cameraFrame"), tr("摄像头"), QRect(12, 278, 516, 54));
    camera = check(source, QStringLiteral("camera"), tr("摄像头画面"), 0, QRect(12, 24, 150, Row));
    facingBack = option(source, QStringLiteral("facingBack"), tr("后置"), QRect(168, 24, 90, Row));
    facingFront = option(source, QStringLiteral("facingFront"), tr("前置"), QRect(264, 24, 90, Row));
    m_needs[camera] = m_needs[facingBack] = m_needs[facingFront] = QStringLiteral("--video-source");
}

void options::buildOthers()
{
    auto* others = WindowParts::frame(this, QStringLiteral("othersFrame"), tr("其他"), QRect(12, 338, 516, 54));
    stayAwake = check(others, QStringLiteral("stayAwake"), tr("保持唤醒"), 0, QRect(12, 24, 110, Row));
    powerOffOnClose
        = check(others, QStringLiteral("powerOffOnClose"), tr("关闭窗口时锁屏"), 0, QRect(128, 24, 140, Row));
    borderless = check(others, QStringLiteral("borderless"), tr("无边框窗口"), 0, QRect(274, 24, 120, Row));
    noControl = check(others, QStringLiteral("noControl"), tr("只看不控"), 0, QRect(400, 24, 110, Row));
    m_needs[stayAwake] = QStringLiteral("--stay-awake");
    m_needs[powerOffOnClose] = QStringLiteral("--power-off-on-close");
    m_needs[borderless] = QStringLiteral("--window-borderless");
    m_needs[noControl] = QStringLiteral("--no-control");
}

// The controls show the choices; setting them from here is not a choice of the user's.
void options::show(const MoreOptions& choices)
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
}

void options::restoreDefaults()
{
    show(MoreOptions());
    m_choices.write(*Remembered::settings());
}

// An option the installed client does not know cannot be chosen; the control says which version
// knows it. While the version is not known, nothing is disabled and nothing applies.
void options::followClientVersion()
{
    const QVersionNumber version = m_windows.form1().clientVersion->version();
    for (auto need = m_needs.cbegin(); need != m_needs.cend(); ++need) {
        const bool known = version.isNull() || LaunchCommandBuilder::knows(version, need.value());
        QWidget* control = need.key();
        if (auto* box = qobject_cast<CheckButton*>(control))
            box->setEnabledState(known);
        else
            control->setEnabled(known);
        control->setToolTip(known
                ? QString()
                : tr("需要 scrcpy %1 或更高版本").arg(LaunchCommandBuilder::since(need.value()).toString()));
    }
    versionNote->setText(version.isNull()
            ? tr("投屏客户端的版本尚未知道：知道之前，这些选项都不会加到启动命令中。")
            : tr("投屏客户端 scrcpy %1：灰色的选项需要更新的版本。").arg(version.toString()));
}
