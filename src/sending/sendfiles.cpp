#include "sendfiles.h"

#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"
#include "transfer/Sending.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QTableWidget>

namespace {

enum Column { FileColumn, PhoneColumn, ProgressColumn, SpeedColumn, ResultColumn, Columns };

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1000000.0, 'f', 1);
}

} // namespace

sendfiles::sendfiles(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("sendfiles"));
    setWindowTitle(tr("发送到手机"));
    setFont(captionFont(9));
    setFixedSize(860, 300);

    sendRows = new QTableWidget(0, Columns, this);
    sendRows->setObjectName(QStringLiteral("sendRows"));
    sendRows->setGeometry(12, 12, 836, 224);
    sendRows->setHorizontalHeaderLabels({tr("文件"), tr("手机"), tr("进度"), tr("速度"), tr("结果")});
    sendRows->verticalHeader()->hide();
    sendRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sendRows->setSelectionMode(QAbstractItemView::NoSelection);
    sendRows->setWordWrap(false);
    sendRows->setColumnWidth(FileColumn, 160);
    sendRows->setColumnWidth(PhoneColumn, 200);
    sendRows->setColumnWidth(ProgressColumn, 130);
    sendRows->setColumnWidth(SpeedColumn, 80);
    sendRows->horizontalHeader()->setStretchLastSection(true);

    sendSummary = WindowParts::label(this, QStringLiteral("sendSummary"), QString(), QRect(12, 250, 700, 38));
    sendSummary->setWordWrap(true);
    sendCancel = ButtonLooks::create(this, QStringLiteral("sendCancel"), ButtonLooks::window(), tr("取消"));
    sendCancel->setGeometry(748, 256, 100, 28);
    connect(sendCancel, &N_Shape::Click, this, [this] { m_state.sending().cancel(); });

    Sending& sending = m_state.sending();
    connect(&sending, &Sending::rowsReset, this, &sendfiles::showAllRows);
    // The summary once per change, not once per row of a list shown whole.
    connect(&sending, &Sending::rowChanged, this, [this](int row) {
        showRow(row);
        showSummary();
    });
    showAllRows();
}

void sendfiles::showAllRows()
{
    const int count = m_state.sending().rowCount();
    sendRows->setRowCount(count);
    for (int row = 0; row < count; ++row)
        showRow(row);
    showSummary();
}

void sendfiles::showRow(int index)
{
    if (index >= sendRows->rowCount())
        return showAllRows();
    const SendRow row = m_state.sending().row(index);
    const auto setText = [&](int column, const QString& text) {
        QTableWidgetItem* item = sendRows->item(index, column);
        if (!item) {
            item = new QTableWidgetItem;
            sendRows->setItem(index, column, item);
        }
        item->setText(text);
        item->setToolTip(text);
        return item;
    };
    setText(FileColumn, row.file);
    setText(PhoneColumn, row.phoneLabel);
    auto* bar = qobject_cast<QProgressBar*>(sendRows->cellWidget(index, ProgressColumn));
    if (!bar) {
        bar = new QProgressBar;
        bar->setObjectName(QStringLiteral("sendProgress%1").arg(index + 1));
        sendRows->setCellWidget(index, ProgressColumn, bar);
    }
    // An install tells nothing of its progress: the bar says it is at work, and no number is invented.
    const bool working = row.state == SendRow::State::Preparing || row.state == SendRow::State::Installing;
    const bool known = row.sent >= 0 && row.size > 0;
    bar->setRange(0, working && !known ? 0 : 1000);
    bar->setValue(row.state == SendRow::State::Done ? 1000 : known ? int(row.sent * 1000 / row.size) : 0);
    bar->setFormat(known ? tr("%1 / %2 MB").arg(megabytes(row.sent), megabytes(row.size)) : QString());
    bar->setTextVisible(known);
    setText(SpeedColumn,
        row.state == SendRow::State::Sending && row.bytesPerSecond >= 0
            ? tr("%1 MB/s").arg(megabytes(row.bytesPerSecond))
            : QString());
    QTableWidgetItem* result = setText(ResultColumn, row.result);
    result->setForeground(row.state == SendRow::State::Failed ? QColor(176, 0, 0)
            : row.state == SendRow::State::Done               ? QColor(0, 112, 0)
                                                              : palette().color(QPalette::Text));
}

void sendfiles::showSummary()
{
    const Sending& sending = m_state.sending();
    const Sending::Counts counts = sending.counts();
    sendCancel->setEnabledState(counts.running > 0);
    if (sending.rowCount() == 0)
        sendSummary->setText(
            tr("把文件拖到启动窗口上，或点“发送文件…”：应用会被安装，其他文件保存到手机的 Download 文件夹。"));
    else if (counts.running > 0)
        sendSummary->setText(
            tr("正在发送：还有 %1 项，%2 项成功，%3 项失败。").arg(counts.running).arg(counts.done).arg(counts.failed));
    else
        sendSummary->setText(tr("已全部结束：%1 项成功，%2 项失败，%3 项已取消。")
                                 .arg(counts.done)
                                 .arg(counts.failed)
                                 .arg(counts.cancelled));
}
