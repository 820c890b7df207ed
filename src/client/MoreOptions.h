#pragma once

#include "ClientOptions.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// The choices of the window of more mirroring options, as plain data: what a client of the next
// launches is told beyond the launcher's own options, the shared set or its phone's own. Kept between
// runs in the settings file, which the window writes and each launch reads; a typed value that would
// be refused is never used.
struct MoreOptions
{
    Q_DECLARE_TR_FUNCTIONS(MoreOptions)

public:
    enum class Codec { H264, H265, AV1 };
    enum class Sound { Computer, PhoneOnly, Both, Microphone };
    enum class Facing { Back, Front };
    enum class Turn { None, Quarter, Half, ThreeQuarters }; // 0, 90, 180, 270 degrees

    Codec codec = Codec::H264;
    QString maxFps; // empty: no limit
    Sound sound = Sound::Computer;
    bool physicalKeyboard = false;
    bool newDisplay = false;
    QString displaySize; // "<width>x<height>", empty for the client's choice
    QString startApp; // an Android package name, empty for none
    bool camera = false;
    Facing facing = Facing::Back;
    QString crop; // "<width>:<height>:<x>:<y>" of the phone's picture, empty for all of it
    Turn turn = Turn::None;
    bool stayAwake = false;
    bool powerOffOnClose = false;
    bool borderless = false;
    bool noControl = false;

    friend bool operator==(const MoreOptions&, const MoreOptions&) = default;

    // The typed fields as messages name them.
    static QString FrameRateField() { return ClientOptions::name(ClientOptions::Choice::MaxFps); }
    static QString DisplaySizeField() { return tr("虚拟显示器尺寸"); }
    static QString StartAppField() { return ClientOptions::name(ClientOptions::Choice::StartApp); }
    static QString CropField() { return ClientOptions::name(ClientOptions::Choice::Crop); }

    // The choices made, as the client's table names them, in the order their words are given.
    QList<ClientOptions::Choice> chosen() const;
    // The value typed for a choice that takes one ("60" for the frame rate), else empty.
    QString valueOf(ClientOptions::Choice choice) const;
    // The choices made, each named as the window names it with its value, for a tooltip.
    QString summary() const;
    // Back to the default for that choice.
    void drop(ClientOptions::Choice choice);

    // What a launch refuses of these choices, each message naming its field; kept receives the
    // choices without what was refused, and the launch goes on with them.
    QStringList refusals(MoreOptions* kept) const;

    // The choices kept, less what a launch would refuse: what the window shows.
    static MoreOptions read(QSettings& settings);
    // The choices kept, the typed fields as they were typed: what a launch checks and tells.
    static MoreOptions readAsTyped(QSettings& settings);
    void write(QSettings& settings) const;
};
