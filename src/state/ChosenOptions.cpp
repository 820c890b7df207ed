#include "ChosenOptions.h"

#include "bridge/DeviceList.h"
#include "bridge/Remembered.h"


namespace {

// Each phone's choices are a group of their own, named by the serial. A Wi-Fi phone's serial is its
// address and port, and the port changes whenever wireless debugging starts again: the address alone
// names the phone. A serial's "/" would split the group and its "%" would be taken for an escape, so
// both are written out.
QString phoneGroup(const QString& phone)
{
    QString name = DeviceList::networkHost(phone).value_or(phone);
    name.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('/'), QLatin1String("%2F"));
    name.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return QStringLiteral("phones/") + name;
}

// The settings file, inside the phone's group when the phone has choices of its own: one file read
// for each question asked.
std::unique_ptr<QSettings> choicesOf(const QString& phone)
{
    auto settings = Remembered::settings();
    if (!phone.isEmpty()) {
        settings->beginGroup(phoneGroup(phone));
        if (settings->allKeys().isEmpty())
            settings->endGroup();
    }
    return settings;
}

} // namespace

bool ChosenOptions::hasOwn(const QString& phone) const
{
    return !choicesOf(phone)->group().isEmpty();
}

MoreOptions ChosenOptions::shown(const QString& phone) const
{
    return MoreOptions::read(*choicesOf(phone));
}

MoreOptions ChosenOptions::asTyped(const QString& phone) const
{
    return MoreOptions::readAsTyped(*choicesOf(phone));
}

bool ChosenOptions::differs(const QString& phone) const
{
    const auto settings = choicesOf(phone);
    if (settings->group().isEmpty())
        return false;
    const MoreOptions own = MoreOptions::readAsTyped(*settings);
    settings->endGroup();
    return !(own == MoreOptions::readAsTyped(*settings));
}

void ChosenOptions::set(const QString& phone, const MoreOptions& choices)
{
    const auto settings = Remembered::settings();
    if (!phone.isEmpty())
        settings->beginGroup(phoneGroup(phone));
    choices.write(*settings);
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
