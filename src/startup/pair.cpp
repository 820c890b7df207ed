#include "pair.h"

#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "bridge/Outside.h"
#include "bridge/Remembered.h"
#include "bridge/ToolText.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/DrawnPicture.h"
#include "controls/N_Shape.h"
#include "controls/QrCode.h"
#include "controls/TypedText.h"
#include "controls/WidgetColors.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>

namespace {

const char* const PairAddressName = QT_TRANSLATE_NOOP("pair", "IP地址和端口");
const char* const PairCodeName = QT_TRANSLATE_NOOP("pair", "配对码");
const char* const ConnectAddressName = QT_TRANSLATE_NOOP("pair", "连接用的IP地址和端口");
constexpr int CodeSide = 200;

// Letters and digits from the system's secure random source.
QString randomText(int length)
{
    static const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(int(QRandomGenerator::system()->bounded(quint32(alphabet.size()))));
    return text;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    QLabel* label = WindowParts::label(parent, name, text, place);
    label->setWordWrap(true);
    return label;
}

} // namespace

pair::pair(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("pair"));
    setWindowTitle(tr("无线配对（安卓11及以上）"));
    setFont(captionFont(9));
    setFixedSize(520, 420);

    // The code's modules in whole device pixels at any scale; empty until a pairing is offered.
    m_code = new DrawnPicture(
        [this](qreal devicePixelRatio) {
            if (m_password.isEmpty())
                return QPixmap();
            QImage code = QrCode::render(qrText(), qRound(CodeSide * devicePixelRatio));
            code.setDevicePixelRatio(devicePixelRatio);
            return QPixmap::fromImage(code);
        },
        this);
    m_code->setObjectName(QStringLiteral("qrCode"));
    m_code->setGeometry(16, 16, CodeSide, CodeSide);
    m_code->setAccessibleName(tr("配对二维码"));
    makeLabel(this, QStringLiteral("qrHint"),
        tr("在手机上打开 开发者选项 › 无线调试 › 使用二维码配对设备，扫描上面的二维码。"),
        QRect(16, 222, CodeSide, 54));
    m_qrStatus = makeLabel(this, QStringLiteral("qrStatus"), QString(), QRect(16, 280, CodeSide, 54));

    buildCodeFrame();
    buildConnectFrame();

    m_status = makeLabel(this, QStringLiteral("pairStatus"), QString(), QRect(16, 344, 488, 64));
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WidgetColors::setText(m_status, QColor(0, 0, 160));

    for (QLineEdit* field : {m_pairAddress, m_pairCode, m_connectAddress})
        TypedText::sayWhenFull(*field, field->accessibleName(), BridgeProblems::tell);
    setTabOrder(m_pairAddress, m_pairCode);
    setTabOrder(m_pairCode, m_pairButton);
    setTabOrder(m_pairButton, m_connectAddress);
    setTabOrder(m_connectAddress, m_connectButton);

    discoveryTimer = new QTimer(this);
    discoveryTimer->setObjectName(QStringLiteral("discoveryTimer"));
    discoveryTimer->setInterval(1000);
    connect(discoveryTimer, &QTimer::timeout, this, &pair::tickDiscovery);
    setPartsEnabled(false);
}

// Pairing with the code the phone shows: its address and port, the code, and the button.
void pair::buildCodeFrame()
{
    const PropertyBag look = ButtonLooks::window();
    auto* codeFrame = new QGroupBox(tr("使用配对码配对"), this);
    codeFrame->setObjectName(QStringLiteral("codeFrame"));
    codeFrame->setGeometry(232, 16, 272, 164);
    makeLabel(codeFrame, QStringLiteral("pairAddressLabel"), tr(PairAddressName), QRect(12, 26, 96, 20));
    m_pairAddress = WindowParts::field(
        codeFrame, QStringLiteral("pairAddress"), QString(), QRect(112, 24, 148, 24), tr(PairAddressName));
    m_pairAddress->setPlaceholderText(QStringLiteral("192.168.1.23:37123"));
    makeLabel(codeFrame, QStringLiteral("pairCodeLabel"), tr(PairCodeName), QRect(12, 58, 96, 20));
    m_pairCode = WindowParts::field(
        codeFrame, QStringLiteral("pairCode"), QString(), QRect(112, 56, 148, 24), tr(PairCodeName));
    m_pairButton = ButtonLooks::create(codeFrame, QStringLiteral("pairButton"), look, tr("配对"));
    m_pairButton->setGeometry(160, 90, 100, 28);
    connect(m_pairButton, &N_Shape::Click, this, &pair::pairClick);
    makeLabel(codeFrame, QStringLiteral("codeHint"), tr("手机上：开发者选项 › 无线调试 › 使用配对码配对设备"),
        QRect(12, 124, 248, 34));
}

// Connecting a phone paired before, by the address its wireless debugging page shows.
void pair::buildConnectFrame()
{
    const PropertyBag look = ButtonLooks::window();
    auto* connectFrame = new QGroupBox(tr("连接已配对的手机"), this);
    connectFrame->setObjectName(QStringLiteral("connectFrame"));
    connectFrame->setGeometry(232, 192, 272, 142);
    makeLabel(connectFrame, QStringLiteral("connectAddressLabel"), tr(PairAddressName), QRect(12, 26, 96, 20));
    m_connectAddress = WindowParts::field(
        connectFrame, QStringLiteral("connectAddress"), QString(), QRect(112, 24, 148, 24), tr(ConnectAddressName));
    m_connectButton = ButtonLooks::create(connectFrame, QStringLiteral("connectButton"), look, tr("连接"));
    m_connectButton->setGeometry(160, 58, 100, 28);
    connect(m_connectButton, &N_Shape::Click, this, &pair::connectClick);
    makeLabel(connectFrame, QStringLiteral("connectHint"),
        tr("手机“无线调试”页面上的“IP地址和端口”（不是配对用的端口）"), QRect(12, 92, 248, 40));
}

QString pair::qrText() const
{
    return WirelessDebugging::qrText(m_name, m_password);
}

// A new pairing each time the window opens; discovery runs only while it is open.
void pair::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_awaitedGuid.clear();
    if (!m_versionAsked)
        askBridgeVersion();
    else if (m_bridgeCanPair.value_or(false))
        becomeReady();
}

void pair::hideEvent(QHideEvent* event)
{
    discoveryTimer->stop();
    QWidget::hideEvent(event);
}

void pair::askBridgeVersion()
{
    m_versionAsked = true;
    say(tr("正在检查 adb 的版本…"));
    CommandRunner::call(AdbCommands::version(), this, [this](const ToolAnswer& answer) {
        const QStringList lines = ToolText::lines(answer.output);
        const QVersionNumber version = WirelessDebugging::bridgeVersion(lines);
        m_bridgeCanPair = answer.succeeded() && version >= WirelessDebugging::PairingSince;
        if (*m_bridgeCanPair) {
            if (isVisible())
                becomeReady();
            return;
        }
        const QString found = answer.succeeded() && !version.isNull()
            ? tr("此电脑上的 adb 是 %1。").arg(WirelessDebugging::bridgeVersionText(lines))
            : tr("无法读出此电脑上 adb 的版本：%1").arg(BridgeProblems::cause(answer, QStringLiteral("adb")));
        say(tr("无线配对需要 adb 30 或更高版本，") + found
            + tr("\nWindows 上请换用 scrcpy 当前版本自带的 adb.exe；Linux 上请安装 Android 的 platform-tools。"));
    });
}

// The tool can pair: the code part works at once, the QR part once discovery is known to run.
void pair::becomeReady()
{
    setPartsEnabled(true);
    renewPairing();
    say(QString());
    m_qrStatus->setText(tr("正在检查 adb 能否发现网络上的手机…"));
    CommandRunner::call(AdbCommands::mdnsCheck(), this, [this](const ToolAnswer& answer) {
        m_discoveryRuns = WirelessDebugging::discoveryRuns(answer);
        if (!m_discoveryRuns) {
            // The tool's own words go to the wider status line.
            const QString said = ToolText::lines(answer.output + answer.errors).value(0).trimmed();
            m_qrStatus->setText(tr("此电脑上 adb 无法发现网络上的手机，二维码配对不可用，请用配对码配对。"));
            say(QStringLiteral("adb mdns check: ")
                + (said.isEmpty() ? BridgeProblems::cause(answer, QStringLiteral("adb")) : said));
            return;
        }
        m_qrStatus->setText(tr("正在等待手机扫描二维码…"));
        if (isVisible())
            discoveryTimer->start();
    });
}

void pair::renewPairing()
{
    m_name = QStringLiteral("pannix-") + randomText(10);
    m_password = randomText(16);
    m_code->redraw();
}

void pair::tickDiscovery()
{
    if (m_servicesAsked)
        return;
    m_servicesAsked = true;
    CommandRunner::call(AdbCommands::mdnsServices(), this, [this](const ToolAnswer& answer) {
        m_servicesAsked = false;
        if (isVisible() && answer.succeeded())
            takeServices(answer);
    });
}

// The phone that scanned the code announces a pairing service under the code's name; a phone just
// paired announces its connection under its guid.
void pair::takeServices(const ToolAnswer& answer)
{
    m_services = WirelessDebugging::services(ToolText::lines(answer.output.left(ToolText::ReadCap)));
    if (m_busy)
        return;
    if (!m_awaitedGuid.isEmpty()) {
        const QString address
            = WirelessDebugging::addressOf(m_services, WirelessDebugging::ConnectService, m_awaitedGuid);
        if (!address.isEmpty())
            connectTo(address);
        return;
    }
    const QString address = WirelessDebugging::addressOf(m_services, WirelessDebugging::PairingService, m_name);
    if (address.isEmpty() || m_pairedName == m_name)
        return;
    m_pairedName = m_name;
    pairWith(address, m_password);
}

void pair::pairClick()
{
    if (m_busy)
        return;
    const QString address = m_pairAddress->text().trimmed();
    if (refused(
            TypedText::controlCharacterRefusal({{m_pairAddress, tr(PairAddressName)}, {m_pairCode, tr(PairCodeName)}}))
        || refused(WirelessDebugging::addressProblem(address, tr(PairAddressName)))
        || refused(WirelessDebugging::codeProblem(m_pairCode->text(), tr(PairCodeName))))
        return;
    pairWith(address, m_pairCode->text());
}

void pair::pairWith(const QString& address, const QString& secret)
{
    m_busy = true;
    m_awaitedGuid.clear();
    say(tr("正在与 %1 配对…").arg(address));
    const ToolCommand command = AdbCommands::pair(address, secret);
    m_state.scratchField() = command.text;
    CommandRunner::call(
        command, this, [this](const ToolAnswer& answer) { takePairing(answer); }, CommandRunner::Streams::Merged);
}

// Paired only as the tool says it; anything else is told in its words, and a new code is shown for
// another try.
void pair::takePairing(const ToolAnswer& answer)
{
    m_busy = false;
    m_pairCode->clear();
    const auto paired = WirelessDebugging::paired(ToolText::lines(answer.output));
    if (!answer.ranToEnd() || !paired) {
        renewPairing();
        say(tr("配对失败：%1\n已换上新的二维码，可以再试一次。")
                .arg(BridgeProblems::statusLine(answer, QStringLiteral("adb"))));
        return;
    }
    const QString address = WirelessDebugging::addressOf(m_services, WirelessDebugging::ConnectService, paired->guid);
    if (!address.isEmpty()) {
        connectTo(address);
        return;
    }
    m_awaitedGuid = paired->guid;
    say(tr("已与 %1 配对。请在手机“无线调试”页面找到“IP地址和端口”，填入“连接已配对的手机”后点击“连接”。")
            .arg(paired->address));
}

void pair::connectClick()
{
    if (m_busy)
        return;
    const QString address = m_connectAddress->text().trimmed();
    if (refused(TypedText::controlCharacterRefusal({{m_connectAddress, tr(ConnectAddressName)}}))
        || refused(WirelessDebugging::addressProblem(address, tr(ConnectAddressName))))
        return;
    connectTo(address);
}

// Connected only when the tool says so ("already connected to" too: it may have connected by itself
// after the pairing); the address is then remembered as the wireless section's.
void pair::connectTo(const QString& address)
{
    m_busy = true;
    m_awaitedGuid.clear();
    say(tr("正在连接 %1…").arg(address));
    const ToolCommand command = AdbCommands::connectTo(address);
    m_state.scratchField() = command.text;
    CommandRunner::call(
        command, this,
        [this, address](const ToolAnswer& answer) {
            m_busy = false;
            const QString said = BridgeProblems::statusLine(answer, QStringLiteral("adb"));
            if (!AdbCommands::saysConnected(answer)) {
                say(tr("连接失败：") + said);
                return;
            }
            const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
            Remembered::connection(address.left(colon), address.mid(colon + 1));
            say(tr("已连接 %1，手机将出现在启动器的设备列表中。").arg(address));
        },
        CommandRunner::Streams::Merged);
}

void pair::say(const QString& text)
{
    m_status->setText(text);
}

bool pair::refused(const QString& refusal)
{
    if (refusal.isEmpty())
        return false;
    Outside::current().showMessage(refusal, tr("警告！"), Outside::Icon::Stop);
    return true;
}

void pair::setPartsEnabled(bool enabled)
{
    for (QWidget* control :
        std::initializer_list<QWidget*> {m_pairAddress, m_pairCode, m_pairButton, m_connectAddress, m_connectButton})
        control->setEnabled(enabled);
}
