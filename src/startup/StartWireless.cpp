// The lower part of the start window: detection on demand and the network connection.
#include "Start.h"
#include "bridge/Remembered.h"

#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceList.h"
#include "bridge/DeviceModel.h"
#include "bridge/PhoneReconnect.h"
#include "bridge/ToolText.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/Twips.h"
#include "controls/TypedText.h"
#include "controls/WidgetColors.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

namespace {

const char* const DetectCaption = QT_TRANSLATE_NOOP("Start", "检测已连接设备");
const char* const PortName = QT_TRANSLATE_NOOP("Start", "端口");
const char* const AddressName = QT_TRANSLATE_NOOP("Start", "设备IP地址");

const QColor FieldFace(192, 192, 255);

QLineEdit* makeField(
    QWidget* parent, const QString& name, const QString& text, const QRect& place, const QString& accessibleName)
{
    QLineEdit* field = WindowParts::field(parent, name, text, place, accessibleName);
    WidgetColors::setField(field, Qt::white, FieldFace);
    return field;
}

} // namespace

void Start::buildWirelessPart()
{
    const PropertyBag look = ButtonLooks::window();
    wxts = ButtonLooks::create(this, QStringLiteral("wxts"), look, tr("开启/更换端口："));
    wxts->setGeometry(Twips::rect(120, 3720, 1845, 375));
    connect(wxts, &N_Shape::Click, this, &Start::wxtsClick);

    Textport = makeField(this, QStringLiteral("Textport"), QStringLiteral("5555"), Twips::rect(2040, 3720, 855, 360),
        tr("开启/更换端口："));

    devtect = ButtonLooks::create(this, QStringLiteral("devtect"), look, tr(DetectCaption));
    devtect->setGeometry(Twips::rect(3120, 3720, 1875, 375));
    connect(devtect, &N_Shape::Click, this, &Start::devtectClick);

    Label2 = new QLabel(
        tr("说明：第一次进行网络调试的设备需要进行端口绑定。先使用有线方式连接电脑，再开启端口。"
           "输入设备IP地址(关于手机>状态信息>IPv4地址)若连接成功，则绑定完成，下次无需再次开启端口(请勿更换)，"
           "仅需输入IP连接即可！"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(Twips::rect(5280, 3720, 2535, 3255));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(captionFont(9));
    WidgetColors::setText(Label2, Qt::white);

    addressFrame = new QGroupBox(tr("设备IP地址(免端口号)"), this);
    addressFrame->setObjectName(QStringLiteral("addressFrame"));
    addressFrame->setGeometry(Twips::rect(120, 4200, 4935, 975));
    WidgetColors::setText(addressFrame, Qt::white);
    connft = makeField(addressFrame, QStringLiteral("connft"), QString(), Twips::rect(240, 370, 2055, 350),
        tr("设备IP地址(免端口号)"));
    connf = ButtonLooks::create(addressFrame, QStringLiteral("connf"), look, tr("连接"));
    connf->setGeometry(Twips::rect(2400, 360, 1125, 375));
    connect(connf, &N_Shape::Click, this, &Start::connfClick);
    disconnf = ButtonLooks::create(addressFrame, QStringLiteral("disconnf"), look, tr("断开"));
    disconnf->setGeometry(Twips::rect(3600, 360, 1125, 375));
    connect(disconnf, &N_Shape::Click, this, &Start::disconnfClick);

    // The address and port of the last connection that worked are offered again.
    const auto remembered = Remembered::settings();
    connft->setText(remembered->value(Remembered::Address, connft->text()).toString());
    Textport->setText(remembered->value(Remembered::Port, Textport->text()).toString());
    TypedText::sayWhenFull(*Textport, tr(PortName), BridgeProblems::tell);
    TypedText::sayWhenFull(*connft, tr(AddressName), BridgeProblems::tell);

    ssxx = new QPlainTextEdit(tr("这里会显示操作返回结果\r\n"), this);
    ssxx->setObjectName(QStringLiteral("ssxx"));
    ssxx->setGeometry(Twips::rect(120, 5280, 4935, 1215));
    WidgetColors::setField(ssxx, Qt::white, FieldFace);
    ssxx->setAccessibleName(tr("操作返回结果"));
    setWirelessPartReachable(false);
}

// Out of sight, the section must not take the keyboard focus either: a Tab and a Space could
// otherwise run a command on a button the user cannot see.
void Start::setWirelessPartReachable(bool reachable)
{
    for (QWidget* control : std::initializer_list<QWidget*> {wxts, Textport, devtect, connft, connf, disconnf, ssxx})
        control->setFocusPolicy(reachable ? Qt::StrongFocus : Qt::NoFocus);
}

// The pressed button shows that it waits for the tool; the window goes on meanwhile, and the
// section's buttons take no second click until the answer is in.
void Start::devtectClick()
{
    if (m_wirelessBusy)
        return;
    m_wirelessBusy = true;
    devtect->setCaption(tr("检测中..."));
    const ToolCommand list = AdbCommands::devices();
    m_state.scratchField() = list.text;
    CommandRunner::call(list, this, [this](const ToolAnswer& answer) {
        m_wirelessBusy = false;
        devtect->setCaption(tr(DetectCaption));
        if (!answer.succeeded()) {
            ssxx->setPlainText(BridgeProblems::statusLine(answer, QStringLiteral("adb")));
            return;
        }
        // An answer that is no device list is told as what it is, never as the earlier serials.
        const auto listed = DeviceList::listed(ToolText::lines(answer.output.left(ToolText::ReadCap)));
        if (!listed) {
            ssxx->setPlainText(BridgeProblems::notADeviceList(answer, QStringLiteral("adb")));
            return;
        }
        DeviceModel& devices = m_state.devices();
        devices.setListed(*listed);
        QString shown = devices.fieldAt(1) + QString(5, QLatin1Char(' ')) + devices.fieldAt(2)
            + QString(14, QLatin1Char(' ')) + devices.fieldAt(3);
        if (!devices.withoutSlot().isEmpty())
            shown += tr("\r\n另有 %1 台设备没有位置：%2")
                         .arg(devices.withoutSlot().size())
                         .arg(devices.withoutSlot().join(tr("、")));
        ssxx->setPlainText(shown);
    });
}

// A field holding a control character is refused before anything starts: the tool would get the
// argument cut short at a NUL, or changed by a line break the user cannot see.
void Start::wxtsClick()
{
    if (m_wirelessBusy || refused(TypedText::controlCharacterRefusal({{Textport, tr(PortName)}})))
        return;
    runIntoStatusBox(AdbCommands::tcpip(Textport->text()));
}

void Start::connfClick()
{
    if (m_wirelessBusy
        || refused(TypedText::controlCharacterRefusal({{connft, tr(AddressName)}, {Textport, tr(PortName)}})))
        return;
    runIntoStatusBox(AdbCommands::connect(connft->text(), Textport->text()), connf, tr("正在连接..."),
        [this, address = connft->text(), port = Textport->text()](const ToolAnswer& answer) {
            // The tool ends well even when it could not connect; its words say which it was.
            const QString said = BridgeProblems::statusLine(answer, QStringLiteral("adb"));
            if (!AdbCommands::saysConnected(answer)) {
                ssxx->setPlainText(tr("连接失败：") + said);
                return;
            }
            Remembered::connection(address, port);
        });
}

void Start::disconnfClick()
{
    if (m_wirelessBusy
        || refused(TypedText::controlCharacterRefusal({{connft, tr(AddressName)}, {Textport, tr(PortName)}})))
        return;
    // A phone the user disconnects is not connected again behind their back.
    m_state.reconnect().forget(
        connft->text().isEmpty() ? QString() : connft->text() + QLatin1Char(':') + Textport->text());
    runIntoStatusBox(AdbCommands::disconnect(connft->text(), Textport->text()), disconnf, tr("正在断开..."));
}

bool Start::refused(const QString& refusal)
{
    if (refusal.isEmpty())
        return false;
    Outside::current().showMessage(refusal, tr("警告！"), Outside::Icon::Stop);
    return true;
}

// The tool's last line, from either stream in the order printed, is shown in the status box; a tool that printed
// nothing, failed to run or was stopped at its limit is described instead, so the box never shows an earlier answer.
void Start::runIntoStatusBox(
    const ToolCommand& command, N_Shape* pressed, const QString& during, Outside::AnswerHandler then)
{
    if (m_wirelessBusy)
        return;
    m_wirelessBusy = true;
    const QString after = pressed ? pressed->Caption() : QString();
    if (pressed)
        pressed->setCaption(during);
    m_state.scratchField() = command.text;
    CommandRunner::call(
        command, this,
        [this, pressed, after, then](const ToolAnswer& answer) {
            m_wirelessBusy = false;
            if (pressed)
                pressed->setCaption(after);
            ssxx->setPlainText(BridgeProblems::statusLine(answer, QStringLiteral("adb")));
            if (then)
                then(answer);
        },
        CommandRunner::Streams::Merged);
}
