#include "ClientOptions.h"

#include <QCoreApplication>

namespace ClientOptions {

namespace {

QString said(const char* text)
{
    return QCoreApplication::translate("ClientOptions", text);
}

// Before 4.0 the camera is mirrored without control of the phone.
const QVersionNumber CameraControlled(4, 0);

const char* const NeedsControl = QT_TRANSLATE_NOOP("ClientOptions", "“%2”时不能“%1”");
const char* const CameraNeedsControl
    = QT_TRANSLATE_NOOP("ClientOptions", "scrcpy 4.0 之前，“%2”时不能“%1”（手机不受控制）");
const char* const CameraTakesMicrophone = QT_TRANSLATE_NOOP("ClientOptions", "“%2”时声音来自麦克风，不能“%1”");
const char* const NotTogether = QT_TRANSLATE_NOOP("ClientOptions", "“%1”与“%2”不能同时使用");

} // namespace

namespace {

// A row of the window of more options.
Option flag(Choice choice, const char* word, QVersionNumber since, const char* name, const char* key,
    std::optional<Choice> needs = {})
{
    Option row {choice, QString::fromLatin1(word), {}, since, name, Kind::Flag, key};
    row.needs = needs;
    return row;
}

Option alternative(Choice choice, const char* word, const char* value, QVersionNumber since, const char* name,
    const char* key, const char* control, const char* kept, std::optional<Choice> needs = {})
{
    Option row {choice, QString::fromLatin1(word), QString::fromLatin1(value), since, name, Kind::Alternative, key,
        control, kept};
    row.needs = needs;
    return row;
}

Option typed(Choice choice, const char* word, QVersionNumber since, const char* name, const char* key,
    TypedValue::Rule rule, const char* without, std::optional<Choice> needs = {})
{
    Option row {choice, QString::fromLatin1(word), {}, since, name, Kind::Typed, key};
    row.rule = rule;
    row.without = without;
    row.needs = needs;
    return row;
}

Option launch(Choice choice, const char* word, QVersionNumber since, const char* name = nullptr)
{
    return {choice, QString::fromLatin1(word), {}, since, name};
}

// The virtual display's size is typed beside its check box, and given as the option's value.
Option newDisplay()
{
    Option row = flag(Choice::NewDisplay, "--new-display", QVersionNumber(3, 0),
        QT_TRANSLATE_NOOP("ClientOptions", "虚拟显示器"), "newDisplay");
    row.rule = {TypedValue::Shape::Size, 64, 8192};
    row.valueKey = "displaySize";
    row.valueName = QT_TRANSLATE_NOOP("ClientOptions", "虚拟显示器尺寸");
    row.without = QT_TRANSLATE_NOOP("ClientOptions", "本次启动使用默认尺寸");
    return row;
}

// The camera is a source of the picture, chosen by its fixed value.
Option camera()
{
    Option row = flag(Choice::Camera, "--video-source", QVersionNumber(2, 2),
        QT_TRANSLATE_NOOP("ClientOptions", "摄像头画面"), "camera");
    row.value = QStringLiteral("camera");
    return row;
}

} // namespace

const QList<Option>& table()
{
    using V = QVersionNumber;
    using S = TypedValue::Shape;
    using C = Choice;
    static const QList<Option> options {
        launch(C::Fullscreen, "--fullscreen", {}, QT_TRANSLATE_NOOP("ClientOptions", "全屏启动")),
        launch(C::AlwaysOnTop, "--always-on-top", {}, QT_TRANSLATE_NOOP("ClientOptions", "主界面置顶")),
        launch(C::ShowTouches, "--show-touches", {}, QT_TRANSLATE_NOOP("ClientOptions", "显示触摸")),
        launch(C::TurnScreenOff, "--turn-screen-off", {}, QT_TRANSLATE_NOOP("ClientOptions", "黑屏启动")),
        launch(C::MaxSize, "-m", {}),
        launch(C::BitRate, "-b", {}),
        launch(C::Record, "--record", {}),
        launch(C::Version, "--version", {}),
        launch(C::ListApps, "--list-apps", V(3, 0)),
        launch(C::WindowTitle, "--window-title", V(1, 10)),
        launch(C::WindowX, "--window-x", V(1, 11)),
        launch(C::WindowY, "--window-y", V(1, 11)),
        launch(C::WindowWidth, "--window-width", V(1, 11)),
        launch(C::WindowHeight, "--window-height", V(1, 11)),
        alternative(
            C::VideoCodecH264, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "H.264"), "codec", "codecH264", "h264"),
        alternative(C::VideoCodecH265, "--video-codec", "h265", V(2, 0), QT_TRANSLATE_NOOP("ClientOptions", "H.265"),
            "codec", "codecH265", "h265"),
        alternative(C::VideoCodecAV1, "--video-codec", "av1", V(2, 0), QT_TRANSLATE_NOOP("ClientOptions", "AV1"),
            "codec", "codecAV1", "av1"),
        typed(C::MaxFps, "--max-fps", V(1, 11), QT_TRANSLATE_NOOP("ClientOptions", "最高帧率"), "maxFps",
            {S::Whole, 1, 240}, QT_TRANSLATE_NOOP("ClientOptions", "本次启动不限制帧率")),
        // The client forwards the phone's sound from 2.0 on; before, there is no sound to choose.
        alternative(C::SoundOnComputer, "", "", V(2, 0), QT_TRANSLATE_NOOP("ClientOptions", "电脑播放"), "sound",
            "soundComputer", "computer"),
        alternative(C::SoundOnPhoneOnly, "--no-audio", "", V(2, 0), QT_TRANSLATE_NOOP("ClientOptions", "仍在手机播放"),
            "sound", "soundPhone", "phone"),
        alternative(C::SoundOnBoth, "--audio-dup", "", V(2, 6),
            QT_TRANSLATE_NOOP("ClientOptions", "电脑和手机同时播放"), "sound", "soundBoth", "both"),
        alternative(C::SoundFromMicrophone, "--audio-source", "mic", V(2, 1),
            QT_TRANSLATE_NOOP("ClientOptions", "麦克风"), "sound", "soundMic", "microphone"),
        alternative(C::KeyboardDefault, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "默认"), "physicalKeyboard",
            "keyboardDefault", "false"),
        alternative(C::PhysicalKeyboard, "--keyboard", "uhid", V(2, 4),
            QT_TRANSLATE_NOOP("ClientOptions", "模拟物理键盘"), "physicalKeyboard", "keyboardPhysical", "true"),
        alternative(C::MouseDefault, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "默认"), "mouse", "mouseDefault",
            "default"),
        alternative(C::MouseUhid, "--mouse", "uhid", V(2, 4), QT_TRANSLATE_NOOP("ClientOptions", "模拟物理鼠标"),
            "mouse", "mouseUhid", "uhid"),
        alternative(C::MouseAoa, "--mouse", "aoa", V(2, 4), QT_TRANSLATE_NOOP("ClientOptions", "AOA 鼠标（USB）"),
            "mouse", "mouseAoa", "aoa"),
        alternative(
            C::GamepadNone, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "不使用"), "gamepad", "gamepadNone", "none"),
        alternative(C::GamepadUhid, "--gamepad", "uhid", V(2, 7), QT_TRANSLATE_NOOP("ClientOptions", "模拟手柄"),
            "gamepad", "gamepadUhid", "uhid"),
        alternative(C::GamepadAoa, "--gamepad", "aoa", V(2, 7), QT_TRANSLATE_NOOP("ClientOptions", "AOA 手柄（USB）"),
            "gamepad", "gamepadAoa", "aoa"),
        newDisplay(),
        flag(C::FlexDisplay, "--flex-display", V(4, 0), QT_TRANSLATE_NOOP("ClientOptions", "随窗口大小变化"),
            "flexDisplay", C::NewDisplay),
        flag(C::KeepDisplayContent, "--no-vd-destroy-content", V(3, 1),
            QT_TRANSLATE_NOOP("ClientOptions", "关闭后保留其上的应用"), "keepDisplayContent", C::NewDisplay),
        // Chinese input on a virtual display needs the input method shown there.
        alternative(C::ImeDefault, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "默认"), "displayIme", "imeDefault",
            "default", C::NewDisplay),
        alternative(C::ImeOnDisplay, "--display-ime-policy", "local", V(3, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "在虚拟显示器上"), "displayIme", "imeOnDisplay", "local", C::NewDisplay),
        alternative(C::ImeOnPhone, "--display-ime-policy", "fallback", V(3, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "在手机屏幕上"), "displayIme", "imeOnPhone", "fallback", C::NewDisplay),
        alternative(C::ImeHidden, "--display-ime-policy", "hide", V(3, 2), QT_TRANSLATE_NOOP("ClientOptions", "不显示"),
            "displayIme", "imeHidden", "hide", C::NewDisplay),
        typed(C::StartApp, "--start-app", V(3, 0), QT_TRANSLATE_NOOP("ClientOptions", "启动应用"), "startApp",
            {S::Package}, QT_TRANSLATE_NOOP("ClientOptions", "本次启动不打开应用")),
        camera(),
        alternative(C::CameraFacingBack, "--camera-facing", "back", V(2, 2), QT_TRANSLATE_NOOP("ClientOptions", "后置"),
            "cameraFacing", "facingBack", "back", C::Camera),
        alternative(C::CameraFacingFront, "--camera-facing", "front", V(2, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "前置"), "cameraFacing", "facingFront", "front", C::Camera),
        flag(C::CameraTorch, "--camera-torch", V(4, 0), QT_TRANSLATE_NOOP("ClientOptions", "打开闪光灯"), "cameraTorch",
            C::Camera),
        typed(C::CameraZoom, "--camera-zoom", V(4, 0), QT_TRANSLATE_NOOP("ClientOptions", "变焦倍数"), "cameraZoom",
            {S::Decimal, 0.1, 100}, QT_TRANSLATE_NOOP("ClientOptions", "本次启动不变焦"), C::Camera),
        // Every release the program knows crops; the picture turns from 2.4 on, the first release
        // whose parser takes --orientation.
        typed(C::Crop, "--crop", V(1, 18), QT_TRANSLATE_NOOP("ClientOptions", "裁剪画面"), "crop", {S::Crop, 1, 65535},
            QT_TRANSLATE_NOOP("ClientOptions", "本次启动不裁剪")),
        alternative(C::TurnNone, "", "", {}, QT_TRANSLATE_NOOP("ClientOptions", "不旋转"), "turn", "turn0", "0"),
        alternative(C::Turn90, "--orientation", "90", V(2, 4), QT_TRANSLATE_NOOP("ClientOptions", "旋转 90°"), "turn",
            "turn90", "90"),
        alternative(C::Turn180, "--orientation", "180", V(2, 4), QT_TRANSLATE_NOOP("ClientOptions", "旋转 180°"),
            "turn", "turn180", "180"),
        alternative(C::Turn270, "--orientation", "270", V(2, 4), QT_TRANSLATE_NOOP("ClientOptions", "旋转 270°"),
            "turn", "turn270", "270"),
        flag(C::StayAwake, "--stay-awake", V(1, 14), QT_TRANSLATE_NOOP("ClientOptions", "保持唤醒"), "stayAwake"),
        flag(C::KeepActive, "--keep-active", V(4, 0), QT_TRANSLATE_NOOP("ClientOptions", "保持运行但不亮屏"),
            "keepActive"),
        typed(C::ScreenOffTimeout, "--screen-off-timeout", V(3, 0),
            QT_TRANSLATE_NOOP("ClientOptions", "无操作后关屏（秒）"), "screenOffTimeout", {S::Whole, 1, 2147483},
            QT_TRANSLATE_NOOP("ClientOptions", "本次启动不设定关屏时间")),
        flag(C::PowerOffOnClose, "--power-off-on-close", V(1, 18), QT_TRANSLATE_NOOP("ClientOptions", "关闭窗口时锁屏"),
            "powerOffOnClose"),
        flag(C::Borderless, "--window-borderless", V(1, 11), QT_TRANSLATE_NOOP("ClientOptions", "无边框窗口"),
            "borderless"),
        flag(C::NoControl, "--no-control", V(1, 8), QT_TRANSLATE_NOOP("ClientOptions", "只看不控"), "noControl"),
    };
    return options;
}

// In the order they are tested: the camera goes before a display of the phone's own first, so what
// it would refuse beside the camera is kept.
const QList<RefusedPair>& refusedPairs()
{
    using V = QVersionNumber;
    static const QList<RefusedPair> pairs {
        {Choice::Camera, Choice::NewDisplay, V(3, 0), {}, NotTogether},
        {Choice::TurnScreenOff, Choice::NoControl, V(1, 10), {}, NeedsControl},
        {Choice::StayAwake, Choice::NoControl, V(1, 14), {}, NeedsControl},
        {Choice::ShowTouches, Choice::NoControl, V(1, 22), {}, NeedsControl},
        {Choice::PowerOffOnClose, Choice::NoControl, V(1, 22), {}, NeedsControl},
        {Choice::StartApp, Choice::NoControl, V(3, 0), {}, NeedsControl},
        {Choice::TurnScreenOff, Choice::Camera, V(2, 2), CameraControlled, CameraNeedsControl},
        {Choice::StayAwake, Choice::Camera, V(2, 2), CameraControlled, CameraNeedsControl},
        {Choice::ShowTouches, Choice::Camera, V(2, 2), CameraControlled, CameraNeedsControl},
        {Choice::PowerOffOnClose, Choice::Camera, V(2, 2), CameraControlled, CameraNeedsControl},
        {Choice::StartApp, Choice::Camera, V(3, 0), CameraControlled, CameraNeedsControl},
        {Choice::SoundOnBoth, Choice::Camera, V(2, 6), {}, CameraTakesMicrophone},
        {Choice::KeepActive, Choice::NoControl, V(4, 0), {}, NeedsControl},
        {Choice::FlexDisplay, Choice::Crop, V(4, 0), {}, NotTogether},
        {Choice::FlexDisplay, Choice::NoControl, V(4, 0), {}, NeedsControl},
    };
    return pairs;
}

const Option& option(Choice choice)
{
    for (const Option& row : table()) {
        if (row.choice == choice)
            return row;
    }
    Q_UNREACHABLE();
}

QStringList words(Choice choice, const QString& value)
{
    const Option& row = option(choice);
    if (row.word.isEmpty())
        return {};
    const QString given = row.value.isEmpty() ? value : row.value;
    return {given.isEmpty() ? row.word : row.word + QLatin1Char('=') + given};
}

QString word(Choice choice)
{
    return option(choice).word;
}

QString name(Choice choice)
{
    const char* text = option(choice).name;
    return text ? said(text) : word(choice);
}

QVersionNumber since(Choice choice)
{
    return option(choice).since;
}

bool knows(const QVersionNumber& client, Choice choice)
{
    const Option& row = option(choice);
    if (row.since.isNull() && row.droppedIn.isNull())
        return true;
    return !client.isNull() && client >= row.since && (row.droppedIn.isNull() || client < row.droppedIn);
}

QList<Choice> underKey(const QString& key)
{
    QList<Choice> choices;
    for (const Option& row : table()) {
        if (row.key && key == QLatin1String(row.key))
            choices << row.choice;
    }
    return choices;
}

bool refuses(const RefusedPair& pair, const QVersionNumber& client)
{
    return knows(client, pair.dropped) && knows(client, pair.kept) && !client.isNull() && client >= pair.from
        && (pair.until.isNull() || client < pair.until);
}

QString reason(const RefusedPair& pair)
{
    return said(pair.reason).arg(name(pair.dropped), name(pair.kept));
}

const RefusedPair* conflict(Choice choice, const QList<Choice>& chosen, const QVersionNumber& client)
{
    for (const RefusedPair& pair : refusedPairs()) {
        const bool formed = (pair.dropped == choice && chosen.contains(pair.kept))
            || (pair.kept == choice && chosen.contains(pair.dropped));
        if (formed && refuses(pair, client))
            return &pair;
    }
    return nullptr;
}

QList<Choice> withoutRefusedPairs(const QList<Choice>& chosen, const QVersionNumber& client, QStringList* messages)
{
    QList<Choice> kept = chosen;
    for (const RefusedPair& pair : refusedPairs()) {
        if (!kept.contains(pair.dropped) || !kept.contains(pair.kept) || !refuses(pair, client))
            continue;
        kept.removeAll(pair.dropped);
        messages->append(
            said(QT_TRANSLATE_NOOP("ClientOptions", "%1，本次启动不使用“%2”！")).arg(reason(pair), name(pair.dropped)));
    }
    return kept;
}

} // namespace ClientOptions
