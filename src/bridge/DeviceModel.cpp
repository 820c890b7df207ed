#include "DeviceModel.h"

#include "AdbCommands.h"
#include "CommandRunner.h"
#include "ToolText.h"

#include <QHash>

#include <algorithm>

DeviceModel::DeviceModel(QObject* parent)
    : QObject(parent)
{
}

void DeviceModel::setListed(const QList<DeviceList::Entry>& listed)
{
    QHash<QString, QString> makers;
    for (const Phone& phone : phones())
        makers.insert(phone.entry.serial, phone.maker);
    const QStringList before = snapshot();

    std::array<std::optional<Phone>, Slots> placed;
    QList<Phone> withoutSlot;
    // A phone still listed keeps its slot, with its state as listed now.
    for (const DeviceList::Entry& entry : listed) {
        for (int i = 0; i < Slots; ++i) {
            if (m_slots[i] && m_slots[i]->entry.serial == entry.serial)
                placed[i] = Phone {entry, makers.value(entry.serial)};
        }
    }
    // The others take the first free slots in the list's order; past the third they wait by name.
    for (const DeviceList::Entry& entry : listed) {
        if (std::any_of(placed.begin(), placed.end(),
                [&](const auto& slot) { return slot && slot->entry.serial == entry.serial; }))
            continue;
        const auto free = std::find_if(placed.begin(), placed.end(), [](const auto& slot) { return !slot; });
        if (free != placed.end())
            *free = Phone {entry, makers.value(entry.serial)};
        else
            withoutSlot.append(Phone {entry, makers.value(entry.serial)});
    }
    m_slots = placed;
    m_withoutSlot = withoutSlot;

    QSet<QString> present;
    for (const DeviceList::Entry& entry : listed)
        present.insert(entry.serial);
    m_makerAsked.intersect(present);
    if (snapshot() != before)
        emit changed();
    for (const DeviceList::Entry& entry : listed) {
        if (entry.state == QLatin1String("device") && !m_makerAsked.contains(entry.serial))
            askMaker(entry.serial);
    }
}

QList<DeviceModel::Phone> DeviceModel::phones() const
{
    QList<Phone> all;
    for (const auto& slot : m_slots) {
        if (slot)
            all.append(*slot);
    }
    return all + m_withoutSlot;
}

// What the windows show: each slot's field, then the phones without a slot.
QStringList DeviceModel::snapshot() const
{
    QStringList shown;
    for (int slot = 1; slot <= Slots; ++slot)
        shown.append(fieldAt(slot));
    for (const Phone& phone : m_withoutSlot)
        shown.append(phone.entry.field());
    return shown;
}

// Only a phone that is ready can answer; one that comes back is asked again, in case it is
// another phone under the same serial.
void DeviceModel::askMaker(const QString& serial)
{
    m_makerAsked.insert(serial);
    // As a serial field (the serial and its tab), so a serial holding a blank stays whole.
    const ToolCommand query
        = AdbCommands::forSlot(QStringLiteral(" -s ") + serial + QLatin1Char('\t'), AdbCommands::makerTail());
    CommandRunner::call(query, this, [this, serial](const ToolAnswer& answer) {
        if (!answer.succeeded())
            return;
        const QString maker = ToolText::lines(answer.output).value(0).trimmed();
        for (Phone* phone : mutablePhones()) {
            if (phone->entry.serial == serial) {
                phone->maker = maker;
                emit makerKnown(serial, maker);
            }
        }
    });
}

QList<DeviceModel::Phone*> DeviceModel::mutablePhones()
{
    QList<Phone*> all;
    for (auto& slot : m_slots) {
        if (slot)
            all.append(&*slot);
    }
    for (Phone& phone : m_withoutSlot)
        all.append(&phone);
    return all;
}

const DeviceModel::Phone* DeviceModel::phoneAt(int slot) const
{
    if (slot < 1 || slot > Slots || !m_slots[slot - 1])
        return nullptr;
    return &*m_slots[slot - 1];
}

QString DeviceModel::fieldAt(int slot) const
{
    const Phone* phone = phoneAt(slot);
    return phone ? phone->entry.field() : QString();
}

int DeviceModel::count() const
{
    return int(phones().size());
}

QStringList DeviceModel::withoutSlot() const
{
    QStringList serials;
    for (const Phone& phone : m_withoutSlot)
        serials.append(phone.entry.serial);
    return serials;
}

QStringList DeviceModel::madeBy(const QString& maker) const
{
    QStringList serials;
    for (const Phone& phone : phones()) {
        if (phone.maker == maker)
            serials.append(phone.entry.serial);
    }
    return serials;
}
