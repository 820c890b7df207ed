// The lower part of the start window: detection on demand and the network connection.
#include "Start.h"

#include "AppWindows.h"
#include "DeviceDetection.h"
#include "bridge/AdbCommands.h"
#include "bridge/CommandRunner.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/Twips.h"
#include "controls/WidgetColors.h"
#include "launcher/Form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QString DetectCaption = QStringLiteral("检测已连接设备");
const QColor FieldFace(192, 192, 255);

QLineEdit* makeField(
    QWidget* parent, const QString& name, const QString& text, const QRect& place, const QString& accessibleName)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setGeometry(place);
    WidgetColors::setField(field, Qt::white, FieldFace);
    field->setAccessibleName(accessibleName);
    return field;
}

} // namespace

void Start::buildWirelessPart()
{
    const PropertyBag look = ButtonLooks::window();
    wxts = ButtonLooks::create(this, QStringLiteral("wxts"), look, QStringLiteral("开启/更换端口："));
    wxts->setGeometry(Twips::rect(120, 3720, 1845, 375));
    connect(wxts, &N_Shape::Click, this, &Start::wxtsClick);

    Textport = makeField(this, QStringLiteral("Textport"), QStringLiteral("5555"), Twips::rect(2040, 3720, 855, 360),
        QStringLiteral("开启/更换端口："));

    devtect = ButtonLooks::create(this, QStringLiteral("devtect"), look, DetectCaption);
    devtect->setGeometry(Twips::rect(3120, 3720, 1875, 375));
    connect(devtect, &N_Shape::Click, this, &Start::devtectClick);

    Label2 = new QLabel(
        QStringLiteral(
            "说明：第一次进行网络调试的设备需要进行端口绑定。先使用有线方式连接电脑，再开启端口。"
            "输入设备IP地址(关于手机>状态信息>IPv4地址)若连接成功，则绑定完成，下次无需再次开启端口(请勿更换)，"
            "仅需输入IP连接即可！"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(Twips::rect(5280, 3720, 2535, 3255));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(captionFont(9));
    WidgetColors::setText(Label2, Qt::white);

    addressFrame = new QGroupBox(QStringLiteral("设备IP地址(免端口号)"), this);
    addressFrame->setObjectName(QStringLiteral("addressFrame"));
    addressFrame->setGeometry(Twips::rect(120, 4200, 4935, 975));
    WidgetColors::setText(addressFrame, Qt::white);
    connft = makeField(addressFrame, QStringLiteral("connft"), QString(), Twips::rect(240, 370, 2055, 350),
        QStringLiteral("设备IP地址(免端口号)"));
    connf = ButtonLooks::create(addressFrame, QStringLiteral("connf"), look, QStringLiteral("连接"));
    connf->setGeometry(Twips::rect(2400, 360, 1125, 375));
    connect(connf, &N_Shape::Click, this, &Start::connfClick);
    disconnf = ButtonLooks::create(addressFrame, QStringLiteral("disconnf"), look, QStringLiteral("断开"));
    disconnf->setGeometry(Twips::rect(3600, 360, 1125, 375));
    connect(disconnf, &N_Shape::Click, this, &Start::disconnfClick);

    ssxx = new QPlainTextEdit(QStringLiteral("这里会显示操作返回结果\r\n"), this);
    ssxx->setObjectName(QStringLiteral("ssxx"));
    ssxx->setGeometry(Twips::rect(120, 5280, 4935, 1215));
    WidgetColors::setField(ssxx, Qt::white, FieldFace);
    ssxx->setAccessibleName(QStringLiteral("操作返回结果"));
    setWirelessPartReachable(false);
}

// Out of sight, the section must not take the keyboard focus either: a Tab and a Space could
// otherwise run a command on a button the user cannot see.
void Start::setWirelessPartReachable(bool reachable)
{
    for (QWidget* control : std::initializer_list<QWidget*> {wxts, Textport, devtect, connft, connf, disconnf, ssxx})
        control->setFocusPolicy(reachable ? Qt::StrongFocus : Qt::NoFocus);
}

// Detection blocks the window for two seconds while the tool answers, as the user expects of it.
void Start::devtectClick()
{
    devtect->setCaption(QStringLiteral("检测中..."));
    devtect->repaint();
    Form1& launcher = m_windows.form1();
    launcher.INTERTEXT = AdbCommands::devices();
    CommandRunner::run(launcher.INTERTEXT, ResultFile::Serno);
    CommandRunner::waitMs(2000);
    devtect->setCaption(DetectCaption);
    DeviceDetection::ReadSerials(launcher);
    ssxx->setPlainText(launcher.devft + QString(5, QLatin1Char(' ')) + launcher.devst + QString(14, QLatin1Char(' '))
        + launcher.devtt);
}

void Start::wxtsClick()
{
    runIntoStatusBox(AdbCommands::tcpip(Textport->text()), 2000);
}

void Start::connfClick()
{
    const QString during = QStringLiteral("正在连接...");
    runIntoStatusBox(AdbCommands::connect(connft->text(), Textport->text()), 1000, connf, during);
}

void Start::disconnfClick()
{
    const QString during = QStringLiteral("正在断开...");
    runIntoStatusBox(AdbCommands::disconnect(connft->text(), Textport->text()), 1000, disconnf, during);
}

// The tool answers into the wireless result file while the window waits; the pressed button, if
// given, shows its "during" caption meanwhile. Every line of the answer then replaces the status
// box's text in turn, and an empty answer leaves it as it was.
void Start::runIntoStatusBox(const QString& command, int waitMs, N_Shape* pressed, const QString& during)
{
    const QString after = pressed ? pressed->Caption() : QString();
    if (pressed) {
        pressed->setCaption(during);
        pressed->repaint(); // painted now, so the user sees it during the blocking wait
    }
    Form1& launcher = m_windows.form1();
    launcher.INTERTEXT = command;
    CommandRunner::run(launcher.INTERTEXT, ResultFile::Wireless);
    CommandRunner::waitMs(waitMs);
    if (pressed)
        pressed->setCaption(after);

    QString text = ssxx->toPlainText();
    ResultFiles::readLastLine(ResultFiles::path(ResultFile::Wireless), text);
    if (text != ssxx->toPlainText())
        ssxx->setPlainText(text);
}
