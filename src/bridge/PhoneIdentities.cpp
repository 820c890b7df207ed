#include "PhoneIdentities.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "CommandRunner.h"
#include "ToolText.h"

#include <QTimer>

#include <climits>

void PhoneIdentities::take(const QList<DeviceList::Entry>& listed)
{
    QSet<QString> present;
    for (const DeviceList::Entry& entry : listed)
        present.insert(entry.serial);
    m_asked.intersect(present);
    for (const DeviceList::Entry& first : listed) {
        for (const DeviceList::Entry& second : listed) {
            if (first.serial < second.serial && first.ready() && second.ready() && DeviceList::networkHost(first.serial)
                && DeviceList::networkHost(second.serial))
                m_apart.insert({first.serial, second.serial});
        }
    }
    for (const DeviceList::Entry& entry : listed) {
        if (entry.ready() && !m_asked.contains(entry.serial)) {
            m_asked.insert(entry.serial);
            ask(entry.serial);
        }
    }
}

// An emulator is never asked: its clones would all be one phone. The others are asked as a serial
// field (the name and its tab), so a name holding a blank stays whole.
void PhoneIdentities::ask(const QString& name)
{
    if (name.startsWith(QLatin1String("emulator-"))) {
        QTimer::singleShot(0, this, [this, name] { tell(name, name); });
        return;
    }
    const ToolCommand query
        = AdbCommands::forSlot(QStringLiteral(" -s ") + name + QLatin1Char('\t'), AdbCommands::serialNumberTail());
    CommandRunner::call(query, this, [this, name](const ToolAnswer& answer) {
        if (!answer.succeeded()) {
            m_asked.remove(name); // asked again at its next listing
            return;
        }
        const QString serial = serialNumber(ToolText::firstLine(answer.output));
        tell(name, serial.isEmpty() ? name : serial);
    });
}

void PhoneIdentities::tell(const QString& name, const QString& serial)
{
    const auto told = m_serials.constFind(name);
    if (told != m_serials.cend() && *told == serial)
        return;
    m_serials.insert(name, serial);
    m_toldOrder.insert(name, m_nextTold++);
    const QString identity = of(name);
    if (identity != name)
        qCInfo(lcBridge) << "identity:" << name << "is the phone" << identity;
    emit learnt(name, identity);
}

// A serial number that two addresses listed ready at once both tell is the one that told it first;
// the other is known by its name.
QString PhoneIdentities::of(const QString& name) const
{
    const auto serial = m_serials.constFind(name);
    if (serial == m_serials.cend())
        return name;
    for (const auto& [first, second] : m_apart) {
        const QString other = first == name ? second : second == name ? first : QString();
        if (!other.isEmpty() && m_serials.value(other) == *serial
            && m_toldOrder.value(other, INT_MAX) < m_toldOrder.value(name))
            return name;
    }
    return *serial;
}

bool PhoneIdentities::samePhone(const QString& first, const QString& second) const
{
    if (first == second)
        return true;
    return of(first) == of(second)
        && !m_apart.contains(first < second ? std::pair {first, second} : std::pair {second, first});
}

bool PhoneIdentities::onePhone(const DeviceList::Entry& first, const DeviceList::Entry& second) const
{
    if (!samePhone(first.serial, second.serial))
        return false;
    const auto addressReady = [](const DeviceList::Entry& entry) {
        return entry.ready() && DeviceList::networkHost(entry.serial).has_value();
    };
    return first.serial == second.serial || !(addressReady(first) && addressReady(second));
}

// A value such as "unknown" or "0123456789ABCDEF" is what many builds give every phone of a model:
// it names no phone.
QString PhoneIdentities::serialNumber(const QString& printed)
{
    static const QStringList shared {
        QStringLiteral("unknown"), QStringLiteral("0123456789ABCDEF"), QStringLiteral("0123456789abcdef")};
    const QString serial = printed.trimmed();
    for (const QChar c : serial) {
        if (c.isSpace() || !c.isPrint())
            return {};
    }
    return shared.contains(serial) ? QString() : serial;
}
