#include "Sending.h"

#include "PhoneSending.h"
#include "SplitAppUnpack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Sending::Sending(QObject* parent)
    : QObject(parent)
{
}

Sending::~Sending()
{
    cancel();
}

QString Sending::send(const QStringList& files, const QList<Phone>& phones)
{
    if (files.isEmpty() || phones.isEmpty())
        return {};
    QList<SendItem> items;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (info.isDir())
            return tr("“%1”是一个文件夹，文件夹不能发送。请打开它，选中其中的文件再发送。")
                .arg(QDir::toNativeSeparators(file));
        if (!info.isFile() || !info.isReadable())
            return tr("无法读取“%1”，没有发送任何文件。").arg(QDir::toNativeSeparators(file));
        items.append(SendItem::of(file));
    }
    if (!busy()) {
        // A new list: what the last one left behind goes.
        for (PhoneSending* phone : std::as_const(m_phones))
            phone->deleteLater();
        m_phones.clear();
        m_rows.clear();
        dropUnpacks();
    }
    for (const SendItem& item : items) {
        SplitAppUnpack* split = nullptr;
        if (item.kind == SendItem::Kind::SplitApp) {
            split = new SplitAppUnpack(item.path, this);
            m_unpacks.append(split);
        }
        for (const Phone& phone : phones) {
            PhoneSending*& sending = m_phones[phone.name];
            if (!sending) {
                sending = new PhoneSending(phone.name, phone.label, this);
                connect(
                    sending, &PhoneSending::rowChanged, this, [this, sending](int row) { phoneChanged(sending, row); });
                connect(sending, &PhoneSending::idle, this, &Sending::tidyWhenIdle);
            }
            m_rows.append({sending, int(sending->rows().size())});
            sending->add(item, split);
        }
    }
    emit rowsReset();
    return {};
}

void Sending::cancel()
{
    // The phones first, so that none takes a stopped unpacking for a refused archive.
    for (PhoneSending* phone : std::as_const(m_phones))
        phone->cancel();
    for (SplitAppUnpack* unpack : std::as_const(m_unpacks))
        unpack->cancel();
}

bool Sending::busy() const
{
    for (const PhoneSending* phone : m_phones) {
        if (phone->busy())
            return true;
    }
    return false;
}

SendRow Sending::row(int index) const
{
    const auto& [phone, at] = m_rows.at(index);
    return phone->rows().value(at);
}

Sending::Counts Sending::counts() const
{
    Counts counts;
    for (int i = 0; i < rowCount(); ++i) {
        const SendRow::State state = row(i).state;
        ++(state == SendRow::State::Done             ? counts.done
                : state == SendRow::State::Failed    ? counts.failed
                : state == SendRow::State::Cancelled ? counts.cancelled
                                                     : counts.running);
    }
    return counts;
}

void Sending::phoneChanged(PhoneSending* phone, int row)
{
    const int index = int(m_rows.indexOf(QPair<PhoneSending*, int>(phone, row)));
    if (index >= 0)
        emit rowChanged(index);
}

// Once every phone is done, the split apps' unpacked parts are removed, and the window hears it.
void Sending::tidyWhenIdle()
{
    if (busy())
        return;
    dropUnpacks();
    emit allEnded();
}

// Let go of from the event loop: the last phone may be told it is idle from within an unpacking's
// own report, which must not find itself deleted when it returns.
void Sending::dropUnpacks()
{
    for (SplitAppUnpack* unpack : std::as_const(m_unpacks))
        unpack->deleteLater();
    m_unpacks.clear();
}
