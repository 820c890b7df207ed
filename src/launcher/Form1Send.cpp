// The launcher's part in sending files to the phones: files dropped on the window go to every
// ticked phone, files dropped on a slot's row to that phone alone, and "发送文件…" asks for them.
#include "Form1.h"
#include "bridge/DeviceModel.h"
#include "bridge/Outside.h"
#include "controls/CheckButton.h"
#include "transfer/Sending.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTimer>

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

// Once everything sent has ended, the launcher says how it went, whether or not the window
// "发送到手机" is still open.
void Form1::followSending()
{
    connect(&m_state.sending(), &Sending::allEnded, this, [this] {
        const Sending::Counts counts = m_state.sending().counts();
        say(tr("发送到手机：%1 项成功，%2 项失败，%3 项已取消")
                .arg(counts.done)
                .arg(counts.failed)
                .arg(counts.cancelled));
    });
}

void Form1::chooseFilesToSend()
{
    const QStringList files = Outside::current().chooseFiles(tr("选择要发送到手机的文件"));
    if (!files.isEmpty())
        sendFiles(files, 0);
}

// The phone as its slot shows it, by the bridge's name first (what tells phones of one model apart),
// then its maker and model as far as it told them.
QString Form1::phoneLabel(int slot) const
{
    const DeviceModel::Phone* phone = devices().phoneAt(slot);
    const QString described = QStringList {phone->maker, phone->model}.join(QLatin1Char(' ')).trimmed();
    return described.isEmpty() ? phone->entry.serial : tr("%1（%2）").arg(phone->entry.serial, described);
}

void Form1::sendFiles(const QStringList& files, int slot)
{
    QList<Sending::Phone> phones;
    for (int at = 1; at <= DeviceModel::Slots; ++at) {
        const bool wanted = slot == 0 ? devices().isTicked(at) : at == slot;
        if (wanted && devices().phoneAt(at))
            phones.append({devices().phoneAt(at)->entry.serial, phoneLabel(at)});
    }
    if (phones.isEmpty()) {
        Outside::current().showMessage(slot == 0 ? tr("没有勾选手机：请先在“多设备启动”中勾选要发送到的手机。")
                                                 : tr("这一行没有手机，文件没有发送。"),
            tr("警告！"), Outside::Icon::Warning);
        return;
    }
    if (const QString refused = m_state.sending().send(files, phones); !refused.isEmpty()) {
        Outside::current().showMessage(refused, tr("警告！"), Outside::Icon::Stop);
        return;
    }
    emit sendingWanted();
}

// The slot whose row in "多设备启动" lies under the place, or 0.
int Form1::slotRowAt(const QPoint& place) const
{
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        const CheckButton* box = slotBox(slot);
        const QWidget* frame = box->parentWidget();
        const QRect row(frame->mapTo(this, QPoint(0, box->y())), QSize(frame->width(), box->height()));
        if (row.contains(place))
            return slot;
    }
    return 0;
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (localFiles(event->mimeData()).isEmpty())
        return;
    m_statusBeforeDrag = launchStatus->text();
    event->acceptProposedAction();
}

// Where the files would go is said while they are dragged, so a drop never surprises.
void Form1::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
    const int slot = slotRowAt(event->position().toPoint());
    launchStatus->setText(slot > 0 && devices().phoneAt(slot) ? tr("松开即发送到 %1").arg(phoneLabel(slot))
            : slot > 0                                        ? tr("这一行没有手机")
                                                              : tr("松开即发送到勾选的手机"));
}

void Form1::dragLeaveEvent(QDragLeaveEvent* event)
{
    launchStatus->setText(m_statusBeforeDrag);
    QWidget::dragLeaveEvent(event);
}

void Form1::dropEvent(QDropEvent* event)
{
    launchStatus->setText(m_statusBeforeDrag);
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Sent once the drop is over, so a message never holds up the program the files came from.
    const int slot = slotRowAt(event->position().toPoint());
    QTimer::singleShot(0, this, [this, files, slot] { sendFiles(files, slot); });
}
