#include "DeviceModel.h"

#include "AdbCommands.h"
#include "CommandRunner.h"
#include "ToolText.h"

#include <QHash>

#include <algorithm>

DeviceModel::DeviceModel(QObject* parent)
    : QObject(parent)
{
    // A phone that has told who it is may be one already in a slot under another name.
    connect(&m_identities, &PhoneIdentities::learnt, this, [this] { take(m_listed, snapshot(), m_ticked); });
}

void DeviceModel::setListed(const QList<DeviceList::Entry>& listed)
{
    ++m_listsTaken;
    take(listed, snapshot(), m_ticked);
}

void DeviceModel::take(
    const QList<DeviceList::Entry>& listed, const QStringList& before, const std::array<bool, Slots>& tickedBefore)
{
    m_listed = listed;
    QHash<QString, Phone> known;
    for (const Phone& phone : phones())
        known.insert(phone.entry.serial, phone);
    const QList<DeviceList::Entry> shown = onePerPhone(listed);
    keepSlotsAway(shown);
    place(shown, known);
    applySelectionRules();

    QSet<QString> present;
    for (const DeviceList::Entry& entry : shown)
        present.insert(entry.serial);
    m_makerAsked.intersect(present);
    settleChange(before, tickedBefore);
    m_identities.take(listed);
    for (const DeviceList::Entry& entry : shown) {
        if (entry.ready() && !m_makerAsked.contains(entry.serial))
            askDetails(entry.serial);
    }
    emit listTaken(listed);
}

// Each phone once: of the names that are one phone, the one ready, and of two ready the one its slot
// shows already (a cable plugged in beside the Wi-Fi changes nothing the user sees).
QList<DeviceList::Entry> DeviceModel::onePerPhone(const QList<DeviceList::Entry>& listed) const
{
    QList<DeviceList::Entry> shown;
    for (const DeviceList::Entry& entry : listed) {
        const auto same = std::find_if(shown.begin(), shown.end(),
            [&](const DeviceList::Entry& kept) { return m_identities.onePhone(kept, entry); });
        if (same == shown.end()) {
            shown.append(entry);
            continue;
        }
        const bool readier
            = entry.ready() != same->ready() ? entry.ready() : inUse(entry.serial) && !inUse(same->serial);
        if (readier)
            *same = entry;
    }
    return shown;
}

bool DeviceModel::inUse(const QString& serial) const
{
    for (int i = 0; i < Slots; ++i) {
        if ((m_slots[i] && m_slots[i]->entry.serial == serial)
            || (m_away[i] && m_away[i]->phone.entry.serial == serial))
            return true;
    }
    return false;
}

// A phone that leaves its slot, or is listed but no longer ready, while it is being connected
// again keeps the slot, away: nothing addresses it there and no other phone takes it. A phone ready
// under another name of its own (its cable, say) is not away: that name takes the slot.
void DeviceModel::keepSlotsAway(const QList<DeviceList::Entry>& listed)
{
    for (int i = 0; i < Slots; ++i) {
        if (!m_slots[i] || DeviceList::listsReady(listed, m_slots[i]->entry.serial))
            continue;
        const bool readyElsewhere = std::any_of(listed.begin(), listed.end(), [&](const DeviceList::Entry& entry) {
            return entry.ready() && m_identities.samePhone(entry.serial, m_slots[i]->entry.serial);
        });
        if (!readyElsewhere && m_keepsSlot && m_keepsSlot(m_slots[i]->entry.serial)) {
            m_away[i] = Away {*m_slots[i], m_ticked[i], 0};
            m_slots[i].reset();
        }
    }
}

// The phones listed in their slots, each keeping what it has told while it stays listed, with its
// state as listed now.
void DeviceModel::place(const QList<DeviceList::Entry>& listed, const QHash<QString, Phone>& known)
{
    auto listedAs = [&known](const DeviceList::Entry& entry) {
        Phone phone = known.value(entry.serial);
        phone.entry = entry;
        return phone;
    };
    std::array<std::optional<Phone>, Slots> placed;
    QList<Phone> withoutSlot;
    // A phone still listed keeps its slot, and one away takes its slot back with its tick once it is
    // ready again. A phone that took a free slot before it told who it is goes back to its own.
    for (const DeviceList::Entry& entry : listed) {
        for (int i = 0; i < Slots; ++i) {
            if (m_slots[i] && m_slots[i]->entry.serial == entry.serial && !hasSlotElsewhere(entry, listed, i))
                placed[i] = listedAs(entry);
            if (m_away[i] && m_away[i]->phone.entry.serial == entry.serial && entry.ready()) {
                Phone back = m_away[i]->phone;
                back.entry = entry;
                placed[i] = back;
                m_ticked[i] = m_away[i]->ticked;
                m_away[i].reset();
            }
        }
    }
    placeUnderNewNames(listed, placed);
    // The others take the first free slots in the list's order; past the third they wait by name.
    for (const DeviceList::Entry& entry : listed) {
        const auto holds = [&](const auto& slot) { return slot && slot->entry.serial == entry.serial; };
        if (std::any_of(placed.begin(), placed.end(), holds)
            || std::any_of(m_away.begin(), m_away.end(),
                [&](const auto& away) { return away && away->phone.entry.serial == entry.serial; }))
            continue;
        int free = 0;
        while (free < Slots && (placed[free] || m_away[free]))
            ++free;
        if (free < Slots)
            placed[free] = listedAs(entry);
        else
            withoutSlot.append(listedAs(entry));
    }
    m_slots = placed;
    m_withoutSlot = withoutSlot;
}

// Whether another slot is the phone's own: its phone away, or its phone's name listed no more, under
// another name of this phone.
bool DeviceModel::hasSlotElsewhere(
    const DeviceList::Entry& entry, const QList<DeviceList::Entry>& listed, int slot) const
{
    for (int i = 0; i < Slots; ++i) {
        if (i == slot)
            continue;
        if (m_away[i] && entry.ready() && m_identities.samePhone(m_away[i]->phone.entry.serial, entry.serial))
            return true;
        const auto listedStill
            = [&](const DeviceList::Entry& other) { return other.serial == m_slots[i]->entry.serial; };
        if (m_slots[i] && m_slots[i]->entry.serial != entry.serial
            && std::none_of(listed.begin(), listed.end(), listedStill)
            && m_identities.samePhone(m_slots[i]->entry.serial, entry.serial))
            return true;
    }
    return false;
}

// A phone listed under a name of its own other than its slot's (a new port, its cable pulled while its
// Wi-Fi stays) takes that slot, with what it told and, when it was away, its tick.
void DeviceModel::placeUnderNewNames(
    const QList<DeviceList::Entry>& listed, std::array<std::optional<Phone>, Slots>& placed)
{
    for (const DeviceList::Entry& entry : listed) {
        const auto holds = [&](const auto& slot) { return slot && slot->entry.serial == entry.serial; };
        if (std::any_of(placed.begin(), placed.end(), holds))
            continue;
        for (int i = 0; i < Slots; ++i) {
            if (placed[i])
                continue;
            if (m_slots[i] && m_identities.samePhone(m_slots[i]->entry.serial, entry.serial)) {
                placed[i] = *m_slots[i];
                placed[i]->entry = entry;
                break;
            }
            if (m_away[i] && entry.ready() && m_identities.samePhone(m_away[i]->phone.entry.serial, entry.serial)) {
                placed[i] = m_away[i]->phone;
                placed[i]->entry = entry;
                m_ticked[i] = m_away[i]->ticked;
                m_away[i].reset();
                break;
            }
        }
    }
}

void DeviceModel::settleChange(const QStringList& before, const std::array<bool, Slots>& tickedBefore)
{
    if (snapshot() != before)
        emit changed();
    if (m_ticked != tickedBefore)
        emit selectionChanged();
}

void DeviceModel::setKeepsSlot(std::function<bool(const QString&)> keepsSlot)
{
    m_keepsSlot = std::move(keepsSlot);
}

const DeviceModel::Phone* DeviceModel::awayAt(int slot) const
{
    if (slot < 1 || slot > Slots || !m_away[slot - 1])
        return nullptr;
    return &m_away[slot - 1]->phone;
}

int DeviceModel::awayTries(int slot) const
{
    return slot >= 1 && slot <= Slots && m_away[slot - 1] ? m_away[slot - 1]->tries : 0;
}

void DeviceModel::setAwayTries(const QString& serial, int tries)
{
    const QStringList before = snapshot();
    for (auto& away : m_away) {
        if (away && away->phone.entry.serial == serial)
            away->tries = tries;
    }
    settleChange(before, m_ticked);
}

void DeviceModel::release(const QString& serial)
{
    const QStringList before = snapshot();
    const std::array<bool, Slots> tickedBefore = m_ticked;
    for (auto& away : m_away) {
        if (away && away->phone.entry.serial == serial)
            away.reset();
    }
    take(m_listed, before, tickedBefore);
}

QString DeviceModel::identityAt(int slot) const
{
    const Phone* phone = phoneAt(slot);
    if (!phone)
        phone = awayAt(slot);
    return phone ? m_identities.of(phone->entry.serial) : QString();
}

int DeviceModel::slotOf(const QString& identity) const
{
    for (int slot = 1; slot <= Slots && !identity.isEmpty(); ++slot) {
        if (identityAt(slot) == identity)
            return slot;
    }
    return 0;
}

// A slot without a phone addresses nothing, so it is not ticked; a lone phone is the one every
// command addresses, so it always is.
void DeviceModel::applySelectionRules()
{
    // A phone away still holds its slot, so the one beside it is not alone.
    int slotted = 0;
    for (int i = 0; i < Slots; ++i) {
        if (!m_slots[i])
            m_ticked[i] = false;
        slotted += m_slots[i] || m_away[i] ? 1 : 0;
    }
    for (int i = 0; i < Slots && slotted == 1; ++i)
        m_ticked[i] = m_ticked[i] || m_slots[i].has_value();
}

bool DeviceModel::isTicked(int slot) const
{
    return slot >= 1 && slot <= Slots && m_ticked[slot - 1];
}

void DeviceModel::setTicked(int slot, bool ticked)
{
    if (slot < 1 || slot > Slots || m_ticked[slot - 1] == ticked)
        return;
    m_ticked[slot - 1] = ticked;
    applySelectionRules();
    // Said even when the rules kept the slot as it was, so a box clicked in vain shows the truth.
    emit selectionChanged();
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

// What the windows show: each slot's field (or its phone away, with its tries), then the phones
// without a slot.
QStringList DeviceModel::snapshot() const
{
    QStringList shown;
    for (int slot = 1; slot <= Slots; ++slot) {
        const Phone* away = awayAt(slot);
        shown.append(away ? QStringLiteral("away %1 %2").arg(away->entry.serial).arg(awayTries(slot)) : fieldAt(slot));
    }
    for (const Phone& phone : m_withoutSlot)
        shown.append(phone.entry.field());
    return shown;
}

// Only a phone that is ready can answer; one that comes back is asked again, in case it is
// another phone under the same serial. The model names the phone's mirroring window.
void DeviceModel::askDetails(const QString& serial)
{
    m_makerAsked.insert(serial);
    askFirstLine(serial, AdbCommands::makerTail(), [this, serial](Phone& phone, const QString& maker) {
        phone.maker = maker;
        emit makerKnown(serial, maker);
    });
    askFirstLine(serial, AdbCommands::modelTail(), [this, serial](Phone& phone, const QString& model) {
        phone.model = model;
        emit modelKnown(serial, model);
    });
}

// The first line of the phone's answer, handed over while the phone is still listed.
void DeviceModel::askFirstLine(
    const QString& serial, const ToolCommand& tail, std::function<void(Phone&, const QString&)> take)
{
    // As a serial field (the serial and its tab), so a serial holding a blank stays whole.
    const ToolCommand query = AdbCommands::forSlot(QStringLiteral(" -s ") + serial + QLatin1Char('\t'), tail);
    CommandRunner::call(query, this, [this, serial, take](const ToolAnswer& answer) {
        if (!answer.succeeded())
            return;
        const QString value = ToolText::firstLine(answer.output);
        for (Phone* phone : mutablePhones()) {
            if (phone->entry.serial == serial)
                take(*phone, value);
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
