#include "ChosenOptions.h"

#include "bridge/DeviceList.h"
#include "bridge/Remembered.h"

namespace {

// A group name for the settings file: its "/" would split the group and its "%" would be taken for an
// escape, so both are written out.
QString escaped(QString name)
{
    name.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('/'), QLatin1String("%2F"));
    return name.replace(QLatin1Char('\\'), QLatin1String("%5C"));
}

// Each phone's own choices are a group named by its identity.
QString phoneGroup(const QString& phone)
{
    return QStringLiteral("phoneOptions/") + escaped(phone);
}

// Where earlier runs kept a phone's choices, whole: under its serial, or a Wi-Fi phone's under its
// address without the port.
QString earlierGroup(const QString& name)
{
    return QStringLiteral("phones/") + escaped(DeviceList::networkHost(name).value_or(name));
}

} // namespace

MoreOptions ChosenOptions::shown(const QString& phone) const
{
    const auto settings = Remembered::settings();
    if (phone.isEmpty())
        return MoreOptions::read(*settings);
    const MoreOptions shared = MoreOptions::readAsTyped(*settings);
    settings->beginGroup(phoneGroup(phone));
    return MoreOptions::read(*settings, shared);
}

// The shared choices and the phone's (the shared ones with its differences), from one reading.
std::pair<MoreOptions, MoreOptions> ChosenOptions::sharedAndPhone(const QString& phone) const
{
    const auto settings = Remembered::settings();
    const MoreOptions shared = MoreOptions::readAsTyped(*settings);
    if (phone.isEmpty())
        return {shared, shared};
    settings->beginGroup(phoneGroup(phone));
    return {shared, MoreOptions::readAsTyped(*settings, shared)};
}

MoreOptions ChosenOptions::asTyped(const QString& phone) const
{
    return sharedAndPhone(phone).second;
}

bool ChosenOptions::differs(const QString& phone) const
{
    return !differences(phone).isEmpty();
}

QStringList ChosenOptions::differences(const QString& phone) const
{
    const auto [shared, own] = sharedAndPhone(phone);
    return own.differencesFrom(shared);
}

void ChosenOptions::set(const QString& phone, const MoreOptions& choices)
{
    const auto settings = Remembered::settings();
    if (phone.isEmpty()) {
        choices.write(*settings);
    } else {
        const MoreOptions shared = MoreOptions::readAsTyped(*settings);
        settings->beginGroup(phoneGroup(phone));
        choices.writeDifferences(*settings, shared);
    }
    emit changed();
}

void ChosenOptions::restoreDefaults(const QString& phone)
{
    if (phone.isEmpty())
        MoreOptions().write(*Remembered::settings());
    else
        Remembered::settings()->remove(phoneGroup(phone));
    emit changed();
}

// The earlier choices were a whole copy, and a phone's own before it told who it is are kept under its
// name: what of them differs from the shared ones is kept under its identity, and the earlier group
// goes. A phone that already has choices under its identity keeps them, and the earlier group stays
// where it is, unused but not lost.
void ChosenOptions::adopt(const QString& name, const QString& identity)
{
    for (const QString& earlier : {earlierGroup(name), phoneGroup(name)}) {
        if (earlier != phoneGroup(identity))
            move(earlier, identity);
    }
}

void ChosenOptions::move(const QString& earlier, const QString& identity)
{
    const auto settings = Remembered::settings();
    const MoreOptions shared = MoreOptions::readAsTyped(*settings);
    settings->beginGroup(earlier);
    const bool kept = !settings->allKeys().isEmpty();
    const MoreOptions copy = MoreOptions::readAsTyped(*settings, shared);
    settings->endGroup();
    settings->beginGroup(phoneGroup(identity));
    const bool ownAlready = !settings->allKeys().isEmpty();
    if (!kept || ownAlready)
        return;
    copy.writeDifferences(*settings, shared);
    settings->endGroup();
    settings->remove(earlier);
    emit changed();
}
