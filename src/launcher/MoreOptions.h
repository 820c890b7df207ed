#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSettings;

// The choices of the window of more mirroring options, as plain data: what every client of the next
// launches is told beyond the launcher's own options. Kept between runs; a value read back that
// would be refused is its default, never used.
struct MoreOptions
{
    Q_DECLARE_TR_FUNCTIONS(MoreOptions)

public:
    enum class Codec { H264, H265, AV1 };
    enum class Sound { Computer, PhoneOnly, Both, Microphone };
    enum class Facing { Back, Front };

    Codec codec = Codec::H264;
    QString maxFps; // empty: no limit
    Sound sound = Sound::Computer;
    bool physicalKeyboard = false;
    bool newDisplay = false;
    QString displaySize; // "<width>x<height>", empty for the client's choice
    QString startApp; // an Android package name, empty for none
    bool camera = false;
    Facing facing = Facing::Back;
    bool stayAwake = false;
    bool powerOffOnClose = false;
    bool borderless = false;
    bool noControl = false;

    friend bool operator==(const MoreOptions&, const MoreOptions&) = default;

    // The typed fields as messages name them.
    static QString FrameRateField() { return tr("最高帧率"); }
    static QString DisplaySizeField() { return tr("虚拟显示器尺寸"); }
    static QString StartAppField() { return tr("启动应用"); }

    // What a launch refuses of these choices, each message naming its field; kept receives the
    // choices without what was refused, and the launch goes on with them.
    QStringList refusals(MoreOptions* kept) const;

    static MoreOptions read(QSettings& settings);
    void write(QSettings& settings) const;
};
