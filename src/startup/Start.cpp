#include "Start.h"

#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceList.h"
#include "bridge/DeviceModel.h"
#include "bridge/DeviceTracker.h"
#include "bridge/Language.h"
#include "bridge/Outside.h"
#include "bridge/ThisSystem.h"
#include "bridge/ToolLocator.h"
#include "bridge/ToolText.h"
#include "bridge/WebAddresses.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/CheckButton.h"
#include "controls/ContentScroller.h"
#include "controls/LinkLabel.h"
#include "controls/N_Shape.h"
#include "controls/ScreenPlace.h"
#include "controls/Twips.h"
#include "controls/WidgetColors.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace {

const char* const CableCaption = QT_TRANSLATE_NOOP("Start", "连接并启动");
const char* const Starting = QT_TRANSLATE_NOOP("Start", "正在启动");
const QString Meizu = QStringLiteral("Meizu");

constexpr int GrowStep = 100;
constexpr int GrownHeight = 4000;
constexpr int ExpandFrom = 4200;
constexpr int ExpandStep = 150;
constexpr int ExpandedBeyond = 7000;

// The designed outer sizes count a Windows caption and thin borders. Where the window system
// reports less (before the first show, with no window manager, or a slimmer title bar) this is
// still taken off, so the wireless section never peeks out before the expansion uncovers it.
constexpr QSize NominalFrame(8, 31);

QLabel* makeLabel(
    QWidget* parent, const QString& name, const QString& text, const QRect& place, const QColor& color, double points)
{
    QLabel* label = WindowParts::label(parent, name, text, place);
    label->setFont(captionFont(points));
    WidgetColors::setText(label, color);
    return label;
}

} // namespace

Start::Start(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(Language::programTitle());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 255));
    setPalette(background);

    Timerst = new QTimer(this);
    Timerst->setObjectName(QStringLiteral("Timerst"));
    Timerst->setInterval(2);
    connect(Timerst, &QTimer::timeout, this, &Start::tickTimerst);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Start::tickTimer1);
    Timerexpa = new QTimer(this);
    Timerexpa->setObjectName(QStringLiteral("Timerexpa"));
    Timerexpa->setInterval(2);
    connect(Timerexpa, &QTimer::timeout, this, &Start::tickTimerexpa);

    buildStartPart();
    buildWirelessPart();
    connect(&m_state.devices(), &DeviceModel::makerKnown, this, &Start::warnAboutLateMeizu);
    LinkLabel::focusFirstControl(*this);
    // It grows to fit the screen it opens on; dragged to another, it takes that one's room.
    ContentScroller::followScreens(*this);
}

void Start::buildStartPart()
{
    Labelstart = makeLabel(
        this, QStringLiteral("Labelstart"), tr("欢迎使用 Pannix"), Twips::rect(240, 240, 7455, 975), Qt::white, 26);
    Labelstart->setAlignment(Qt::AlignCenter);
    Label1nofo = makeLabel(this, QStringLiteral("Label1nofo"), tr("基于Scrcpy有线投屏工具的GUI控制器   酷安@Tollen"),
        Twips::rect(960, 1200, 5775, 375), Qt::white, 10);
    Label1nofo->setAlignment(Qt::AlignCenter);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("请开启“USB调试”MIUI还需打开USB调试(安全设置)"),
        Twips::rect(1080, 2640, 5535, 375), QColor(255, 255, 128), 10);
    Label1->setAlignment(Qt::AlignCenter);

    Label3 = new LinkLabel(tr(" 下载ADB驱动 "), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(Twips::rect(120, 3120, 1695, 375));
    Label3->setFont(captionFont(10));
    WidgetColors::setText(Label3, QColor(128, 255, 255));
    connect(Label3, &LinkLabel::Click, this, [] { Outside::current().openWebAddress(ThisSystem::usbSetupPage()); });
    // Beside the driver link, in the row's free right half: phones of Android 11 and later pair here
    // without a cable.
    pairLink = new LinkLabel(tr(" 无线配对 "), this);
    pairLink->setObjectName(QStringLiteral("pairLink"));
    pairLink->setGeometry(Twips::rect(6065, 3120, 1695, 375));
    pairLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pairLink->setFont(captionFont(10));
    WidgetColors::setText(pairLink, QColor(128, 255, 255));
    connect(pairLink, &LinkLabel::Click, this, &Start::pairingWanted);

    // In the middle of the same row: the official tools, fetched or installed from a file.
    toolsLink = new LinkLabel(tr(" 投屏工具 "), this);
    toolsLink->setObjectName(QStringLiteral("toolsLink"));
    toolsLink->setGeometry(Twips::rect(3000, 3120, 1695, 375));
    toolsLink->setAlignment(Qt::AlignCenter);
    toolsLink->setFont(captionFont(10));
    WidgetColors::setText(toolsLink, QColor(128, 255, 255));
    connect(toolsLink, &LinkLabel::Click, this, &Start::toolsWanted);

    const PropertyBag large = ButtonLooks::window().with({{QStringLiteral("fontsize"), 12}});
    cable = ButtonLooks::create(this, QStringLiteral("cable"), large, tr(CableCaption));
    cable->setGeometry(Twips::rect(1320, 1800, 2325, 615));
    connect(cable, &N_Shape::Click, this, &Start::cableClick);
    wireless = ButtonLooks::create(this, QStringLiteral("wireless"), large, tr("设置与帮助"));
    wireless->setGeometry(Twips::rect(4080, 1800, 2325, 615));
    connect(wireless, &N_Shape::Click, this, &Start::wirelessClick);
}

// Step 1: without the bridge tool nothing else can work. The tools window offers the official
// tools; once they are installed the start-up goes on as if they had been there.
void Start::load()
{
    if (!ToolLocator::bridgeToolPresent()) {
        emit bridgeToolMissing();
        return;
    }
    beginStartUp();
}

void Start::toolsInstalled()
{
    if (m_toolCheckPassed)
        return;
    beginStartUp();
    show();
}

// Closed without installing: the program ends as it always has without the bridge tool.
void Start::toolsDeclined()
{
    Outside::current().showMessage(
        tr("驱动不正常！请解压后运行或检查主程序目录下的文件！"), tr("警告！"), Outside::Icon::Stop);
    Outside::current().endProgram(1);
}

void Start::beginStartUp()
{
    m_toolCheckPassed = true;
    growSize = 0;
    // The window grows from its top left corner: placed for its grown size, centred on the screen
    // under the pointer, it never grows past the screen's edge.
    if (!isVisible())
        ScreenPlace::centreOnScreen(
            *this, QSize(Twips::toPixels(2 * GrownHeight), Twips::toPixels(GrownHeight)) - frameAllowance());
    setOuterSize(0, 0);
    Timerst->start();
}

QSize Start::frameAllowance() const
{
    const QSize measured = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
    return measured.expandedTo(NominalFrame);
}

void Start::setOuterSize(int widthTwips, int heightTwips)
{
    const QSize frame = frameAllowance();
    // On a screen shorter than the grown window, the window stops at the screen's room and its content scrolls.
    ContentScroller::fit(*this,
        QSize(qMax(1, Twips::toPixels(widthTwips) - frame.width()),
            qMax(1, Twips::toPixels(heightTwips) - frame.height())));
}

void Start::tickTimerst()
{
    growSize += GrowStep;
    setOuterSize(2 * growSize, growSize);
    if (growSize != GrownHeight)
        return;
    Timerst->stop();
    emit openingGrown();
    askMaker();
}

void Start::askMaker()
{
    m_makerPending = true;
    const ToolCommand query = AdbCommands::maker();
    m_state.scratchField() = query.text;
    CommandRunner::call(query, this, [this](const ToolAnswer& answer) {
        m_makerPending = false;
        // A failed query keeps nothing, so the maker field keeps its text.
        m_makerLines = answer.ranToEnd() ? ToolText::lines(answer.output) : QStringList();
        if (m_serverWanted)
            startServer();
        decideSoon();
    });
}

// The dots count at least three ticks; the read-out waits for the answers beyond that if need be.
// While a start is under way a further click is not taken: it would start the server twice.
void Start::cableClick()
{
    if (Timer1->isActive())
        return;
    cable->setCaption(tr(Starting));
    Timer1->start(1000);
    startTicks = 3;
    m_deviceAnswer.reset();
    m_serverWanted = true;
    if (!m_makerPending)
        startServer();
}

void Start::startServer()
{
    m_serverWanted = false;
    const ToolCommand server = AdbCommands::startServer();
    m_state.scratchField() = server.text;
    CommandRunner::call(server, this, [this](const ToolAnswer& answer) {
        if (!answer.succeeded()) {
            m_deviceAnswer = answer;
            decideSoon();
            return;
        }
        // The server runs: from now on the phones are tracked as they come and go.
        m_state.tracker().start();
        askDevices();
    });
}

void Start::askDevices()
{
    const ToolCommand list = AdbCommands::devices();
    m_state.scratchField() = list.text;
    CommandRunner::call(list, this, [this](const ToolAnswer& answer) {
        m_deviceAnswer = answer;
        m_deviceLines = ToolText::lines(answer.output.left(ToolText::ReadCap));
        // The list goes to the model as it arrives, so a later list from the tracking is never
        // replaced by this one at the decision.
        if (const auto listed = DeviceList::listed(m_deviceLines); listed && answer.succeeded())
            m_state.devices().setListed(*listed);
        decideSoon();
    });
}

void Start::tickTimer1()
{
    startTicks += 1;
    switch (startTicks) {
    case 4:
        cable->setCaption(tr(Starting) + QStringLiteral(".."));
        break;
    case 5:
        cable->setCaption(tr(Starting) + QStringLiteral("..."));
        break;
    case 6:
        cable->setCaption(tr(Starting) + QStringLiteral("...."));
        break;
    default:
        break;
    }
    maybeDecide();
}

// The decision may open a message box, so it waits until the answer's handler has returned.
void Start::decideSoon()
{
    QTimer::singleShot(0, this, &Start::maybeDecide);
}

// Decides once the third tick has come and both the maker and the device list have answered. The
// decision is final for this click; a new click arms the timer again, so its counter never runs on.
void Start::maybeDecide()
{
    if (!Timer1->isActive() || startTicks < 6 || m_makerPending || !m_deviceAnswer)
        return;
    // Never under an open box: the next tick decides once it is closed.
    if (QApplication::activeModalWidget())
        return;
    Timer1->stop();
    if (!m_deviceAnswer->succeeded()) {
        reportStartFailure(BridgeProblems::cause(*m_deviceAnswer, QStringLiteral("adb")));
        return;
    }
    if (!DeviceList::listed(m_deviceLines)) {
        reportStartFailure(BridgeProblems::notADeviceList(*m_deviceAnswer, QStringLiteral("adb")));
        return;
    }
    if (!m_makerLines.isEmpty())
        ttts = m_makerLines.first();
    decide();
}

// The device list never came: the user learns why, not that no phone is connected.
void Start::reportStartFailure(const QString& why)
{
    Outside::current().showMessage(tr("无法列出已连接的设备：\r\n") + why, tr("警告！"), Outside::Icon::Stop);
    cable->setCaption(tr(CableCaption));
}

void Start::decide()
{
    const DeviceModel& devices = m_state.devices();
    const QStringList meizuPhones = devices.madeBy(Meizu);
    const bool isMeizu = ttts == Meizu || !meizuPhones.isEmpty();
    if (!isMeizu && devices.count() == 0) {
        Outside::current().showMessage(tr("未检测到设备， 软件将自动关闭！\r\n"
                                          "请确定:\r\n"
                                          "1.开发者选项中的USB调试已经打开并授权 \r\n"
                                          "2.驱动正常安装\r\n"
                                          "3.更换电脑重试"),
            tr("提示"), Outside::Icon::Stop);
        emit noPhoneFound();
        cable->setCaption(tr(CableCaption));
        return;
    }
    hide();
    m_started = true;
    // The phones warned about now are not warned about again; the lone phone answered the query.
    m_meizuWarned = QSet<QString>(meizuPhones.begin(), meizuPhones.end());
    if (ttts == Meizu && devices.count() == 1 && devices.phoneAt(1))
        m_meizuWarned.insert(DeviceList::serialInField(devices.fieldAt(1)));
    emit phonesFound(isMeizu);
}

// A Meizu phone that shows up once the launcher is open gets the warning too, once.
void Start::warnAboutLateMeizu(const QString& serial, const QString& maker)
{
    if (!m_started || maker != Meizu || m_meizuWarned.contains(serial))
        return;
    m_meizuWarned.insert(serial);
    emit meizuWarningWanted();
}

void Start::wirelessClick()
{
    setWirelessPartReachable(true);
    Timerexpa->start();
    expandSize = ExpandFrom;
}

void Start::tickTimerexpa()
{
    expandSize += ExpandStep;
    setOuterSize(2 * GrownHeight, expandSize);
    if (expandSize > ExpandedBeyond) {
        Timerexpa->stop();
        ScreenPlace::keepOnScreen(*this); // the wireless part stays reachable on a short screen
    }
}

void Start::closeEvent(QCloseEvent* event)
{
    event->accept();
    Outside::current().endProgram();
}
