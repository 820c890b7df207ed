#include "Form1.h"

#include "SlotsFrame.h"

#include "bridge/BridgeProblems.h"
#include "bridge/Deployment.h"
#include "bridge/DeviceModel.h"
#include "bridge/MakerPages.h"
#include "bridge/Outside.h"
#include "bridge/Paths.h"
#include "bridge/WebAddresses.h"
#include "client/ClientVersion.h"
#include "client/MirrorClients.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/CheckButton.h"
#include "controls/FittedText.h"
#include "controls/LinkLabel.h"
#include "controls/N_Shape.h"
#include "controls/OptionButton.h"
#include "controls/Twips.h"
#include "controls/TypedText.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

using WindowParts::check;
using WindowParts::option;
using Choice = ClientOptions::Choice;

constexpr int RowHeight = 255;

const char* const UsbNotice
    = QT_TRANSLATE_NOOP("Form1", "使用前请在手机的开发者选项中打开“USB调试”，连接电脑后在手机上允许调试授权。");
const char* const OneSoundNotice = QT_TRANSLATE_NOOP(
    "Form1", "多台设备同时投屏时，只有第一台设备的声音在电脑上播放，其余设备的声音仍由手机自己播放。");

} // namespace

Form1::Form1(ProgramState& state)
    : INTERTEXT(state.scratchField())
    , m_state(state)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Title());
    setFont(captionFont(9));
    // The designed window grown by one row beneath the frames, for the links to the other windows.
    setFixedSize(Twips::toPixels(8715), Twips::toPixels(5475));

    buildResolutionFrame();
    buildOptionsFrame();
    buildBitRateFrame();
    buildRecordFrame();
    buildButtons();
    buildNoticeFrame();
    m_slots = new SlotsFrame(m_state, *this);
    buildLinks();

    connect(&clientVersion(), &ClientVersion::changed, this, &Form1::showNotice);
    connect(&mirrors(), &MirrorClients::status, this, &Form1::say);

    TimerTOT = new QTimer(this);
    TimerTOT->setObjectName(QStringLiteral("TimerTOT"));
    TimerTOT->setInterval(900);
    // The clients are meant to start 900 ms apart; a coarse timer may drift by 5 %.
    TimerTOT->setTimerType(Qt::PreciseTimer);
    connect(TimerTOT, &QTimer::timeout, this, &Form1::tickTimerTOT);

    setAcceptDrops(true);
    followSending();
    load();
}

void Form1::buildResolutionFrame()
{
    auto* frame
        = WindowParts::frame(this, QStringLiteral("frameResolution"), tr("分辨率"), Twips::rect(120, 120, 3855, 1215));
    auto* hint = new QLabel(tr("按原设备比例设定纵向分辨率"), frame);
    hint->setObjectName(QStringLiteral("resolutionHint"));
    hint->setGeometry(Twips::rect(480, 360, 3255, 255));
    defa = option(frame, QStringLiteral("defa"), tr("默认"), Twips::rect(240, 720, 660, RowHeight));
    QHD = option(frame, QStringLiteral("QHD"), QStringLiteral("1920"), Twips::rect(960, 720, 780, RowHeight));
    FHD = option(frame, QStringLiteral("FHD"), QStringLiteral("1440"), Twips::rect(1800, 720, 900, RowHeight));
    HD = option(frame, QStringLiteral("HD"), QStringLiteral("1280"), Twips::rect(2760, 720, 900, RowHeight));
}

void Form1::buildOptionsFrame()
{
    auto* frame
        = WindowParts::frame(this, QStringLiteral("frameOptions"), tr("附加设置"), Twips::rect(4080, 120, 4575, 1215));
    // Three pixels wider than the design's boxes, within the gaps between them: "Show touches" fills
    // its box, and its focus mark needs room clear of its last letter.
    const int width = 1425;
    topshow = check(frame, QStringLiteral("topshow"), ClientOptions::name(Choice::AlwaysOnTop), 1,
        Twips::rect(240, 360, width, RowHeight));
    fmenux = check(frame, QStringLiteral("fmenux"), tr("悬浮工具栏"), 0, Twips::rect(1680, 360, width, RowHeight));
    HP = check(frame, QStringLiteral("HP"), ClientOptions::name(Choice::TurnScreenOff), 0,
        Twips::rect(3120, 360, width, RowHeight));
    recor = check(frame, QStringLiteral("recor"), tr("启动时录屏"), 0, Twips::rect(240, 720, width, RowHeight));
    ST = check(frame, QStringLiteral("ST"), ClientOptions::name(Choice::ShowTouches), 0,
        Twips::rect(1680, 720, width, RowHeight));
    fulls = check(frame, QStringLiteral("fulls"), ClientOptions::name(Choice::Fullscreen), 0,
        Twips::rect(3120, 720, width, RowHeight));
    connect(fulls, &CheckButton::Click, this, &Form1::fullscreenHint);
}

void Form1::buildBitRateFrame()
{
    auto* frame = WindowParts::frame(this, QStringLiteral("frameBitRate"),
        tr("比特率(数值越高，延迟越高，但显示和录屏也越清晰)"), Twips::rect(120, 1440, 8535, 855));
    BH = option(frame, QStringLiteral("BH"), QStringLiteral("30Mbps"), Twips::rect(240, 360, 1260, RowHeight));
    BM = option(frame, QStringLiteral("BM"), QStringLiteral("20Mbps"), Twips::rect(1560, 360, 1260, RowHeight));
    BTW = option(frame, QStringLiteral("BTW"), QStringLiteral("12Mbps"), Twips::rect(2880, 360, 1260, RowHeight));
    Bdefa = option(frame, QStringLiteral("Bdefa"), tr("8Mbps(默认)"), Twips::rect(4200, 360, 1740, RowHeight));
    BL = option(frame, QStringLiteral("BL"), QStringLiteral("4Mbps"), Twips::rect(6000, 360, 1140, RowHeight));
    BZDY = option(frame, QStringLiteral("BZDY"), QStringLiteral("2Mbps"), Twips::rect(7200, 360, 1215, RowHeight));
}

void Form1::buildRecordFrame()
{
    auto* frame = WindowParts::frame(this, QStringLiteral("frameRecordName"), tr("自定义录屏文件名。默认为ScrRec"),
        Twips::rect(120, 2400, 3855, 975));
    scrtext = new QLineEdit(QStringLiteral("ScrRec"), frame);
    scrtext->setObjectName(QStringLiteral("scrtext"));
    scrtext->setGeometry(Twips::rect(240, 360, 3375, 375));
    scrtext->setAccessibleName(frame->title());
    TypedText::sayWhenFull(*scrtext, RecordNameField(), BridgeProblems::tell);
}

void Form1::buildButtons()
{
    const PropertyBag look = ButtonLooks::window();
    QSNUM
        = ButtonLooks::create(this, QStringLiteral("QSNUM"), look.with({{QStringLiteral("fontsize"), 12}}), tr("启动"));
    QSNUM->setGeometry(Twips::rect(4080, 2520, 1935, 855));
    connect(QSNUM, &N_Shape::Click, this, &Form1::launchClick);
    helpp = ButtonLooks::create(this, QStringLiteral("helpp"), look, tr("软件使用说明与帮助(酷安图文)"));
    helpp->setGeometry(Twips::rect(6120, 2520, 2535, 375));
    connect(helpp, &N_Shape::Click, this, &Form1::helpClick);
    N_Shape1hjj = ButtonLooks::create(this, QStringLiteral("N_Shape1hjj"), look, tr("查看快捷键"));
    N_Shape1hjj->setGeometry(Twips::rect(6120, 3000, 1215, 375));
    connect(N_Shape1hjj, &N_Shape::Click, this, &Form1::shortcutKeysWanted);
    N_Shape1about = ButtonLooks::create(this, QStringLiteral("N_Shape1about"), look, tr("关于"));
    N_Shape1about->setGeometry(Twips::rect(7440, 3000, 1215, 375));
    connect(N_Shape1about, &N_Shape::Click, this, &Form1::aboutWanted);
}

// The row beneath the frames: windows the launcher reaches beyond the design's own.
void Form1::buildLinks()
{
    toolsLink = new LinkLabel(tr("投屏工具"), this);
    toolsLink->setObjectName(QStringLiteral("toolsLink"));
    toolsLink->setGeometry(Twips::rect(120, 5130, 1500, 300));
    connect(toolsLink, &LinkLabel::Click, this, &Form1::toolsWanted);
    optionsLink = new LinkLabel(tr("更多选项…"), this);
    optionsLink->setObjectName(QStringLiteral("optionsLink"));
    optionsLink->setGeometry(Twips::rect(1740, 5130, 1500, 300));
    connect(optionsLink, &LinkLabel::Click, this, &Form1::moreOptionsWanted);
    sendLink = new LinkLabel(tr("发送文件…"), this);
    sendLink->setObjectName(QStringLiteral("sendLink"));
    sendLink->setGeometry(Twips::rect(3360, 5130, 1500, 300));
    connect(sendLink, &LinkLabel::Click, this, &Form1::chooseFilesToSend);
    // What happened to the phones and their mirrors since, said where the user looks.
    launchStatus = new QLabel(this);
    launchStatus->setObjectName(QStringLiteral("launchStatus"));
    launchStatus->setGeometry(Twips::rect(4980, 5130, 3675, 300));
    launchStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Form1::buildNoticeFrame()
{
    auto* frame
        = WindowParts::frame(this, QStringLiteral("frameNotice"), tr("公告"), Twips::rect(120, 3480, 5895, 1575));
    m_noticeUsb = new QLabel(tr(UsbNotice), frame);
    m_noticeUsb->setObjectName(QStringLiteral("noticeUsb"));
    m_noticeUsb->setGeometry(Twips::rect(240, 330, 5415, 555));
    m_noticeUsb->setWordWrap(true);
    auto* files = new QLabel(frame);
    files->setObjectName(QStringLiteral("noticeFiles"));
    files->setGeometry(Twips::rect(240, 900, 5415, 555));
    files->setWordWrap(true);
    // The folder where the files really land on this machine, written out.
    files->setText(FittedText::withFolder(
        tr("截屏(screen.png)与录屏文件保存在："), Paths::outputFolder(), QString(), files->font(), files->size()));
}

// Once several phones are listed and the client plays their sound on the computer, the user needs
// to know which phone is heard more than how to allow debugging, which the phones already do.
void Form1::showNotice()
{
    const bool oneSound = devices().count() > 1
        && ClientOptions::knows(clientVersion().version(), ClientOptions::Choice::SoundOnPhoneOnly);
    m_noticeUsb->setText(oneSound ? tr(OneSoundNotice) : tr(UsbNotice));
}

void Form1::showNoPhone()
{
    setWindowTitle(tr("未检测到设备!"));
}

void Form1::load()
{
    defa->setValue(true);
    Bdefa->setValue(true);
}

CheckButton* Form1::slotBox(int slot) const
{
    return slot == 1 ? devfc : slot == 2 ? devsc : devtc;
}

QString& Form1::serial(int slot)
{
    return *std::array {&devft, &devst, &devtt}[slot - 1];
}

QString& Form1::selector(int slot)
{
    return *std::array {&devfst, &devsst, &devtst}[slot - 1];
}

void Form1::fullscreenHint()
{
    // The key that works with the client installed; Alt whenever its version is not known.
    const QString hint
        = clientVersion().usesCtrlShortcuts() ? tr("按Ctrl+f可退出(切换)全屏！") : tr("按Alt+f可退出(切换)全屏！");
    Outside::current().showMessage(hint, tr("警告！"), Outside::Icon::Warning);
}

// The help page opens in the app-store app of every selected phone; the about window's hidden
// field composes the lines.
void Form1::helpClick()
{
    MakerPages::open(devices(), Deployment::values().helpPage, m_state.aboutField());
}

// Asked once, when the launcher first shows: by the time the user can tick fullscreen or open
// the shortcut keys, the client has answered.
void Form1::showEvent(QShowEvent* event)
{
    clientVersion().ask();
    QWidget::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    Outside::current().endProgram();
}
