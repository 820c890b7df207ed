#include "PhoneDrops.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "CommandRunner.h"
#include "DeviceModel.h"
#include "PhoneReconnect.h"
#include "ToolText.h"

PhoneDrops::PhoneDrops(DeviceModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
    connect(&m_model, &DeviceModel::listTaken, this, &PhoneDrops::take);
    // Every call for one phone is heard: one that finds the phone offline or unknown witnesses its drop.
    // The program has one; a second program's (a test's) takes over from it.
    CommandRunner::setDropWitness(this, [this](const QString& serial) { witnessed(serial); });
}

// The waiting tools are this object's children: they end with it, and with the program.
PhoneDrops::~PhoneDrops() = default;

void PhoneDrops::witnessed(const QString& serial)
{
    qCInfo(lcBridge) << "drop: a witness says" << serial << "may be gone; asking for the list";
    askList();
}

void PhoneDrops::askList()
{
    if (m_asking) {
        m_askAgain = true;
        return;
    }
    m_asking = true;
    const int takenBefore = m_model.listsTaken();
    CommandRunner::call(AdbCommands::devicesLong(), this, [this, takenBefore](const ToolAnswer& answer) {
        m_asking = false;
        const auto listed = DeviceList::listed(ToolText::lines(answer.output.left(ToolText::ReadCap)));
        // A list the tracking delivered meanwhile is newer than this answer may be: it stands.
        if (listed && answer.succeeded() && m_model.listsTaken() == takenBefore)
            m_model.setListed(DeviceList::withoutDetails(*listed));
        if (std::exchange(m_askAgain, false))
            askList();
    });
}

// Each Wi-Fi phone listed ready has one waiting tool; a phone that is not (away, gone, disconnected)
// has none.
void PhoneDrops::take(const QList<DeviceList::Entry>& listed)
{
    const QSet<QString> ready = PhoneReconnect::readyOnNetwork(listed);
    m_waitEnded.intersect(ready);
    for (auto wait = m_waits.begin(); wait != m_waits.end();) {
        if (ready.contains(wait.key()) && wait.value()) {
            ++wait;
            continue;
        }
        delete wait.value().data();
        wait = m_waits.erase(wait);
    }
    for (const QString& serial : std::as_const(ready)) {
        if (!m_waits.contains(serial) && !m_waitEnded.contains(serial))
            waitOn(serial);
    }
}

void PhoneDrops::waitOn(const QString& serial)
{
    QObject* wait = CommandRunner::stream(
        AdbCommands::waitForDisconnect(serial), this, [](const QByteArray&) {},
        [this, serial](const ToolAnswer& answer) {
            qCInfo(lcBridge) << "drop: the wait on" << serial << "ended with" << answer.exitCode;
            if (QObject* ended = m_waits.take(serial))
                ended->deleteLater();
            m_waitEnded.insert(serial);
            witnessed(serial);
        });
    m_waits.insert(serial, wait);
}

QStringList PhoneDrops::waitedOn() const
{
    QStringList serials = m_waits.keys();
    serials.sort();
    return serials;
}
