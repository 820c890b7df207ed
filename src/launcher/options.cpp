#include "options.h"

#include "bridge/BridgeProblems.h"
#include "bridge/DeviceModel.h"
#include "client/ClientVersion.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/TypedText.h"
#include "controls/WindowParts.h"
#include "state/ChosenOptions.h"
#include "state/ProgramState.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using WindowParts::check;
using WindowParts::option;
using Choice = ClientOptions::Choice;

namespace {

constexpr int Row = 22; // the height of a check box or option button row
constexpr int Top = 40; // beneath the choice of whose options are edited

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

options::options(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("options"));
    setWindowTitle(tr("更多投屏选项"));
    setFont(captionFont(9));
    setFixedSize(540, Top + 562);

    buildPageChoice();
    buildCodecAndFrameRate();
    buildSound();
    buildDisplayAndCamera();
    buildPicture();
    buildOthers();
    versionNote = WindowParts::label(this, QStringLiteral("versionNote"), QString(), QRect(12, Top + 514, 380, 40));
    versionNote->setWordWrap(true);
    restore = ButtonLooks::create(this, QStringLiteral("restoreDefaults"), ButtonLooks::window(), tr("恢复默认"));
    restore->setGeometry(412, Top + 520, 116, 28);
    connect(restore, &N_Shape::Click, this, &options::restoreDefaults);

    // Every change is the user's choice, kept at once.
    for (auto* box : findChildren<CheckButton*>())
        connect(box, &CheckButton::Click, this, &options::take);
    for (auto* button : findChildren<OptionButton*>())
        connect(button, &OptionButton::Click, this, &options::take);
    for (auto* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &options::take);

    connect(&m_state.clientVersion(), &ClientVersion::changed, this, &options::followClientRules);
    connect(&m_state.devices(), &DeviceModel::changed, this, &options::showPhones);
    showPhones();
    showPage();
}

void options::buildPageChoice()
{
    WindowParts::label(this, QStringLiteral("editedPhoneLabel"), tr("选项用于："), QRect(12, 12, 80, 20));
    editedPhone = new QComboBox(this);
    editedPhone->setObjectName(QStringLiteral("editedPhone"));
    editedPhone->setGeometry(92, 8, 200, 26);
    editedPhone->setAccessibleName(tr("选项用于"));
    connect(editedPhone, &QComboBox::activated, this, [this] {
        m_phone = editedPhone->currentData().toString();
        showPage();
    });
    pageNote = WindowParts::label(this, QStringLiteral("pageNote"), QString(), QRect(304, 4, 224, 34));
    pageNote->setWordWrap(true);
    pageNote->setFont(captionFont(8));
}

// "所有手机", then each phone now in a slot, by its serial as its slot shows it. A phone that left
// takes the page back to the shared options; its own stay kept for its return.
void options::showPhones()
{
    const DeviceModel& devices = m_state.devices();
    editedPhone->clear();
    editedPhone->addItem(tr("所有手机"), QString());
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        if (const DeviceModel::Phone* phone = devices.phoneAt(slot)) {
            editedPhone->addItem(phone->entry.serial, phone->entry.serial);
            editedPhone->setItemData(editedPhone->count() - 1,
                QStringList {phone->maker, phone->model}.join(QLatin1Char(' ')).trimmed(), Qt::ToolTipRole);
        }
    }
    const int at = editedPhone->findData(m_phone);
    editedPhone->setCurrentIndex(at < 0 ? 0 : at);
    if (at < 0) {
        m_phone.clear();
        showPage();
    }
    showAppChoice();
}

// The apps can be listed while a phone is there and the app to start can be chosen.
void options::showAppChoice()
{
    const bool phone = !appsPhone().isEmpty();
    chooseAppButton->setEnabledState(phone && startApp->isEnabled());
    chooseAppButton->setToolTip(!phone ? tr("没有已连接的手机") : startApp->toolTip());
}

void options::showPageNote()
{
    pageNote->setText(m_phone.isEmpty() ? tr("每台手机都用这些选项，有自己选项的手机除外。")
            : m_state.chosenOptions().hasOwn(m_phone) ? tr("这台手机有自己的选项；“恢复默认”后它改用所有手机的选项。")
                                                      : tr("这台手机使用所有手机的选项；改动后它将有自己的选项。"));
}

// The page's choices: a phone's own, or the shared ones it follows until it has its own.
void options::showPage()
{
    const ChosenOptions& chosen = m_state.chosenOptions();
    showChoices(chosen.shown(m_phone));
    showPageNote();
    emit pageChanged(); // an app list open is another page's phone's
    followClientRules();
}

void options::buildCodecAndFrameRate()
{
    auto* codec = WindowParts::frame(this, QStringLiteral("codecFrame"), tr("视频编码"), QRect(12, Top + 8, 252, 54));
    codecH264 = option(codec, QStringLiteral("codecH264"), QStringLiteral("H.264"), QRect(12, 24, 72, Row));
    codecH265 = choiceOption(codec, QStringLiteral("codecH265"), Choice::VideoCodecH265, QRect(90, 24, 72, Row));
    codecAV1 = choiceOption(codec, QStringLiteral("codecAV1"), Choice::VideoCodecAV1, QRect(168, 24, 72, Row));

    auto* rate
        = WindowParts::frame(this, QStringLiteral("frameRateFrame"), tr("最高帧率"), QRect(276, Top + 8, 252, 54));
    maxFps
        = makeField(rate, QStringLiteral("maxFps"), QRect(12, 22, 64, 24), MoreOptions::FrameRateField(), 8, QString());
    WindowParts::label(rate, QStringLiteral("frameRateHint"), tr("1–240，不填则不限"), QRect(84, 24, 160, 20));
    m_needs[maxFps] = Choice::MaxFps;
}

void options::buildSound()
{
    auto* sound = WindowParts::frame(this, QStringLiteral("soundFrame"), tr("声音"), QRect(12, Top + 68, 516, 54));
    soundComputer
        = choiceOption(sound, QStringLiteral("soundComputer"), Choice::SoundOnComputer, QRect(12, 24, 110, Row));
    soundPhone = choiceOption(sound, QStringLiteral("soundPhone"), Choice::SoundOnPhoneOnly, QRect(128, 24, 120, Row));
    soundBoth = choiceOption(sound, QStringLiteral("soundBoth"), Choice::SoundOnBoth, QRect(254, 24, 160, Row));
    soundMic = choiceOption(sound, QStringLiteral("soundMic"), Choice::SoundFromMicrophone, QRect(420, 24, 90, Row));

    auto* keyboard
        = WindowParts::frame(this, QStringLiteral("keyboardFrame"), tr("键盘"), QRect(12, Top + 128, 516, 54));
    keyboardDefault = option(keyboard, QStringLiteral("keyboardDefault"), tr("默认"), QRect(12, 24, 110, Row));
    keyboardPhysical = choiceOption(
        keyboard, QStringLiteral("keyboardPhysical"), Choice::PhysicalKeyboard, QRect(128, 24, 200, Row));
}

void options::buildDisplayAndCamera()
{
    auto* display = WindowParts::frame(
        this, QStringLiteral("displayFrame"), tr("虚拟显示器与应用"), QRect(12, Top + 188, 516, 84));
    newDisplay = choiceCheck(display, QStringLiteral("newDisplay"), Choice::NewDisplay, QRect(12, 24, 150, Row));
    displaySize = makeField(display, QStringLiteral("displaySize"), QRect(168, 22, 120, 24),
        MoreOptions::DisplaySizeField(), 16, tr("宽x高，可不填"));
    WindowParts::label(display, QStringLiteral("startAppLabel"), MoreOptions::StartAppField(), QRect(12, 54, 150, 20));
    startApp = makeField(display, QStringLiteral("startApp"), QRect(168, 52, 250, 24), MoreOptions::StartAppField(),
        255, tr("安卓包名，例如 com.android.settings"));
    chooseAppButton = ButtonLooks::create(display, QStringLiteral("chooseApp"), ButtonLooks::window(), tr("选择…"));
    chooseAppButton->setGeometry(424, 50, 80, 28);
    connect(chooseAppButton, &N_Shape::Click, this, &options::chooseApp);
    m_needs[displaySize] = Choice::NewDisplay;
    m_needs[startApp] = Choice::StartApp;

    auto* source = WindowParts::frame(this, QStringLiteral("cameraFrame"), tr("摄像头"), QRect(12, Top + 278, 516, 54));
    camera = choiceCheck(source, QStringLiteral("camera"), Choice::Camera, QRect(12, 24, 150, Row));
    facingBack = choiceOption(
        source, QStringLiteral("facingBack"), Choice::CameraFacingBack, QRect(168, 24, 90, Row), Choice::Camera);
    facingFront = choiceOption(
        source, QStringLiteral("facingFront"), Choice::CameraFacingFront, QRect(264, 24, 90, Row), Choice::Camera);
}

// The part of the phone's picture shown, and its turn on the computer.
void options::buildPicture()
{
    auto* picture
        = WindowParts::frame(this, QStringLiteral("pictureFrame"), tr("画面"), QRect(12, Top + 338, 516, 114));
    WindowParts::label(picture, QStringLiteral("cropLabel"), MoreOptions::CropField(), QRect(12, 26, 150, 20));
    crop = makeField(picture, QStringLiteral("crop"), QRect(168, 22, 200, 24), MoreOptions::CropField(), 32,
        tr("宽:高:X:Y，可不填"));
    m_needs[crop] = Choice::Crop;
    WindowParts::label(picture, QStringLiteral("turnLabel"), tr("旋转画面"), QRect(12, 56, 150, 20));
    turn0 = option(picture, QStringLiteral("turn0"), tr("不旋转"), QRect(168, 54, 80, Row));
    turn90 = choiceOption(picture, QStringLiteral("turn90"), Choice::Turn90, QRect(254, 54, 80, Row));
    turn180 = choiceOption(picture, QStringLiteral("turn180"), Choice::Turn180, QRect(340, 54, 80, Row));
    turn270 = choiceOption(picture, QStringLiteral("turn270"), Choice::Turn270, QRect(426, 54, 80, Row));
    // The frame's own caption says what turns; each button its degrees.
    for (auto [button, degrees] : {std::pair {turn90, 90}, {turn180, 180}, {turn270, 270}})
        button->setCaption(QStringLiteral("%1°").arg(degrees));
    WindowParts::label(picture, QStringLiteral("pictureHint"),
        tr("裁剪以手机屏幕的像素计，X、Y 为左上角；旋转只转电脑上显示的画面。"), QRect(12, 84, 492, 20));
}

void options::buildOthers()
{
    auto* others = WindowParts::frame(this, QStringLiteral("othersFrame"), tr("其他"), QRect(12, Top + 458, 516, 54));
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
    crop->setText(choices.crop);
    for (const auto& [button, turn] : {std::pair {turn0, MoreOptions::Turn::None}, {turn90, MoreOptions::Turn::Quarter},
             {turn180, MoreOptions::Turn::Half}, {turn270, MoreOptions::Turn::ThreeQuarters}})
        button->setValue(choices.turn == turn);
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
    c.crop = crop->text();
    c.turn = turn90->Value() ? MoreOptions::Turn::Quarter
        : turn180->Value()   ? MoreOptions::Turn::Half
        : turn270->Value()   ? MoreOptions::Turn::ThreeQuarters
                             : MoreOptions::Turn::None;
    c.stayAwake = stayAwake->Value() == 1;
    c.powerOffOnClose = powerOffOnClose->Value() == 1;
    c.borderless = borderless->Value() == 1;
    c.noControl = noControl->Value() == 1;
    m_state.chosenOptions().set(m_phone, c);
    showPageNote(); // a phone's first change gives it options of its own
    followClientRules();
}

// On the shared page every choice goes back to its default; on a phone's, its own are dropped and
// the page shows the shared ones it follows again.
void options::restoreDefaults()
{
    m_state.chosenOptions().restoreDefaults(m_phone);
    showPage();
}

// The phone whose apps the list shows: the page's, or for the shared page the first phone in a slot.
QString options::appsPhone() const
{
    if (!m_phone.isEmpty())
        return m_phone;
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        if (const DeviceModel::Phone* phone = m_state.devices().phoneAt(slot))
            return phone->entry.serial;
    }
    return {};
}

void options::chooseApp()
{
    const QString phone = appsPhone();
    if (phone.isEmpty())
        return;
    emit appListWanted(phone);
}

// An option the installed client does not know cannot be chosen, and the control says which version
// knows it; nor can one that the client refuses beside a choice already made, and the control says
// why. A choice made stays open to be undone. While the version is not known, nothing is disabled
// and nothing applies.
void options::followClientRules()
{
    const QVersionNumber version = m_state.clientVersion().version();
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
    showAppChoice();
    versionNote->setText(version.isNull()
            ? tr("投屏客户端的版本尚未知道：知道之前，这些选项都不会加到启动命令中。")
            : tr("投屏客户端 scrcpy %1：灰色的选项需要更新的版本，或与已选的选项不能同时使用。")
                  .arg(version.toString()));
}

void options::takeApp(const QString& package)
{
    startApp->setText(package);
}
