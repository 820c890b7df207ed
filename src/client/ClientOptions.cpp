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

const QList<Option>& table()
{
    using V = QVersionNumber;
    static const QList<Option> options {
        {Choice::Fullscreen, QStringLiteral("--fullscreen"), {}, {}, QT_TRANSLATE_NOOP("ClientOptions", "全屏启动")},
        {Choice::AlwaysOnTop, QStringLiteral("--always-on-top"), {}, {},
            QT_TRANSLATE_NOOP("ClientOptions", "主界面置顶")},
        {Choice::ShowTouches, QStringLiteral("--show-touches"), {}, {}, QT_TRANSLATE_NOOP("ClientOptions", "显示触摸")},
        {Choice::TurnScreenOff, QStringLiteral("--turn-screen-off"), {}, {},
            QT_TRANSLATE_NOOP("ClientOptions", "黑屏启动")},
        {Choice::WindowTitle, QStringLiteral("--window-title"), {}, V(1, 10), nullptr},
        {Choice::WindowX, QStringLiteral("--window-x"), {}, V(1, 11), nullptr},
        {Choice::WindowY, QStringLiteral("--window-y"), {}, V(1, 11), nullptr},
        {Choice::WindowWidth, QStringLiteral("--window-width"), {}, V(1, 11), nullptr},
        {Choice::WindowHeight, QStringLiteral("--window-height"), {}, V(1, 11), nullptr},
        {Choice::VideoCodecH265, QStringLiteral("--video-codec"), QStringLiteral("h265"), V(2, 0),
            QT_TRANSLATE_NOOP("ClientOptions", "H.265")},
        {Choice::VideoCodecAV1, QStringLiteral("--video-codec"), QStringLiteral("av1"), V(2, 0),
            QT_TRANSLATE_NOOP("ClientOptions", "AV1")},
        {Choice::MaxFps, QStringLiteral("--max-fps"), {}, V(1, 11), QT_TRANSLATE_NOOP("ClientOptions", "最高帧率")},
        // The client forwards the phone's sound from 2.0 on; before, there is no sound to choose.
        {Choice::SoundOnComputer, {}, {}, V(2, 0), QT_TRANSLATE_NOOP("ClientOptions", "电脑播放")},
        {Choice::SoundOnPhoneOnly, QStringLiteral("--no-audio"), {}, V(2, 0),
            QT_TRANSLATE_NOOP("ClientOptions", "仍在手机播放")},
        {Choice::SoundOnBoth, QStringLiteral("--audio-dup"), {}, V(2, 6),
            QT_TRANSLATE_NOOP("ClientOptions", "电脑和手机同时播放")},
        {Choice::SoundFromMicrophone, QStringLiteral("--audio-source"), QStringLiteral("mic"), V(2, 1),
            QT_TRANSLATE_NOOP("ClientOptions", "麦克风")},
        {Choice::PhysicalKeyboard, QStringLiteral("--keyboard"), QStringLiteral("uhid"), V(2, 4),
            QT_TRANSLATE_NOOP("ClientOptions", "模拟物理键盘")},
        {Choice::NewDisplay, QStringLiteral("--new-display"), {}, V(3, 0),
            QT_TRANSLATE_NOOP("ClientOptions", "虚拟显示器")},
        {Choice::StartApp, QStringLiteral("--start-app"), {}, V(3, 0), QT_TRANSLATE_NOOP("ClientOptions", "启动应用")},
        {Choice::Camera, QStringLiteral("--video-source"), QStringLiteral("camera"), V(2, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "摄像头画面")},
        {Choice::CameraFacingBack, QStringLiteral("--camera-facing"), QStringLiteral("back"), V(2, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "后置")},
        {Choice::CameraFacingFront, QStringLiteral("--camera-facing"), QStringLiteral("front"), V(2, 2),
            QT_TRANSLATE_NOOP("ClientOptions", "前置")},
        // Every release the program knows crops; the picture turns from 2.4 on, the first release
        // whose parser takes --orientation.
        {Choice::Crop, QStringLiteral("--crop"), {}, V(1, 18), QT_TRANSLATE_NOOP("ClientOptions", "裁剪画面")},
        {Choice::Turn90, QStringLiteral("--orientation"), QStringLiteral("90"), V(2, 4),
            QT_TRANSLATE_NOOP("ClientOptions", "旋转 90°")},
        {Choice::Turn180, QStringLiteral("--orientation"), QStringLiteral("180"), V(2, 4),
            QT_TRANSLATE_NOOP("ClientOptions", "旋转 180°")},
        {Choice::Turn270, QStringLiteral("--orientation"), QStringLiteral("270"), V(2, 4),
            QT_TRANSLATE_NOOP("ClientOptions", "旋转 270°")},
        {Choice::StayAwake, QStringLiteral("--stay-awake"), {}, V(1, 14),
            QT_TRANSLATE_NOOP("ClientOptions", "保持唤醒")},
        {Choice::PowerOffOnClose, QStringLiteral("--power-off-on-close"), {}, V(1, 18),
            QT_TRANSLATE_NOOP("ClientOptions", "关闭窗口时锁屏")},
        {Choice::Borderless, QStringLiteral("--window-borderless"), {}, V(1, 11),
            QT_TRANSLATE_NOOP("ClientOptions", "无边框窗口")},
        {Choice::NoControl, QStringLiteral("--no-control"), {}, V(1, 8),
            QT_TRANSLATE_NOOP("ClientOptions", "只看不控")},
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
    const QVersionNumber first = since(choice);
    return first.isNull() || (!client.isNull() && client >= first);
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
