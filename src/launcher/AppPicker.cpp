#include "AppPicker.h"

#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "client/ClientVersion.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QListWidget>
#include <QProgressBar>

AppPicker::AppPicker(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("AppPicker"));
    setFont(captionFont(9));
    setFixedSize(380, 440);
    WindowParts::label(this, QStringLiteral("appFilterLabel"), tr("查找："), QRect(12, 14, 48, 20));
    m_filter = WindowParts::field(this, QStringLiteral("appFilter"), QString(), QRect(60, 12, 308, 24), tr("查找应用"));
    m_filter->setPlaceholderText(tr("输入应用名或包名的一部分"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, this, &AppPicker::filter);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("appList"));
    m_list->setGeometry(12, 44, 356, 310);
    m_list->setAccessibleName(tr("应用"));
    connect(m_list, &QListWidget::itemActivated, this, &AppPicker::choose);
    connect(m_list, &QListWidget::currentItemChanged, this,
        [this](QListWidgetItem* item) { m_choose->setEnabledState(item && !item->isHidden()); });
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("appProgress"));
    m_progress->setGeometry(12, 362, 356, 12);
    m_progress->setRange(0, 0); // it moves while the list comes, with no end to show
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_status = WindowParts::label(this, QStringLiteral("appStatus"), QString(), QRect(12, 380, 356, 20));
    m_choose = ButtonLooks::create(this, QStringLiteral("appChoose"), ButtonLooks::window(), tr("确定"));
    m_choose->setGeometry(252, 404, 116, 28);
    connect(m_choose, &N_Shape::Click, this, &AppPicker::choose);
}

void AppPicker::listFor(const QString& serial)
{
    delete m_request;
    m_request = new QObject(this);
    m_serial = serial;
    setWindowTitle(tr("选择应用 - %1").arg(serial));
    m_list->clear();
    m_filter->clear();
    m_choose->setEnabledState(false);
    m_progress->show();
    m_status->setText(tr("正在读取 %1 的应用…").arg(serial));
    const QVersionNumber client = m_state.clientVersion().version();
    const ToolCommand command = PhoneApps::listCommand(serial, client);
    const bool byClient = PhoneApps::byClient(client);
    const auto onAnswer = [this, byClient](const ToolAnswer& answer) { take(answer, byClient); };
    if (byClient)
        CommandRunner::callClient(command, m_request, onAnswer);
    else
        CommandRunner::call(command, m_request, onAnswer);
}

void AppPicker::hideEvent(QHideEvent* event)
{
    delete m_request;
    m_request = nullptr;
    m_progress->hide();
    QWidget::hideEvent(event);
}

void AppPicker::take(const ToolAnswer& answer, bool byClient)
{
    m_progress->hide();
    const QString tool = byClient ? QStringLiteral("scrcpy") : QStringLiteral("adb");
    if (answer.outcome == ToolAnswer::Outcome::TimedOut)
        return refuse(tr("%1 在 %2 秒内没有列出 %3 的应用，请确认手机已连接并已解锁后再试。")
                          .arg(tool)
                          .arg(CommandRunner::timeLimitMs() / 1000)
                          .arg(m_serial));
    if (!answer.ranToEnd())
        return refuse(BridgeProblems::describe(answer, tool));
    const std::optional<QList<PhoneApps::App>> apps
        = byClient ? PhoneApps::fromClient(answer) : PhoneApps::fromBridge(answer);
    if (!apps)
        return refuse(tr("%1 的回答不是 %2 的应用列表，没有显示。请确认手机已连接并已允许调试。").arg(tool, m_serial));
    for (const PhoneApps::App& app : *apps) {
        auto* item
            = new QListWidgetItem(app.name.isEmpty() ? app.package : tr("%1（%2）").arg(app.name, app.package), m_list);
        item->setData(Qt::UserRole, app.package);
    }
    m_status->setText(apps->isEmpty() ? tr("%1 上没有找到应用。").arg(m_serial) : tr("共 %1 个应用").arg(apps->size()));
    filter();
}

void AppPicker::refuse(const QString& message)
{
    m_status->setText(tr("没有取得应用列表。"));
    BridgeProblems::tellLater(this, message); // not inside the answer's handler
}

// Every app whose name or package holds what is typed, in either case.
void AppPicker::filter()
{
    const QString typed = m_filter->text().trimmed();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        item->setHidden(!item->text().contains(typed, Qt::CaseInsensitive));
    }
    QListWidgetItem* current = m_list->currentItem();
    m_choose->setEnabledState(current && !current->isHidden());
}

void AppPicker::choose()
{
    QListWidgetItem* current = m_list->currentItem();
    if (!current || current->isHidden())
        return;
    emit picked(current->data(Qt::UserRole).toString());
    hide();
}
