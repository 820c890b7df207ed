#include "ChosenOptions.h"

#include "bridge/Remembered.h"

#include <QRegularExpression>

namespace {

// Each phone's choices are a group of their own, named by the serial. A Wi-Fi phone's serial is its
// address and port, and the port changes whenever wireless debugging starts again: the address alone
// names the phone. A serial's "/" would split the group and its "%" would be taken for an escape, so
// both are written out.
QString phoneGroup(const QString& phone)
{
    static const QRegularExpression addressAndPort(QStringLiteral("^(\\d{1,3}(?:\\.\\d{1,3}){3}):\\d{1,5}$"));
    const QRegularExpressionMatch wifi = addressAndPort.match(phone);
    QString name = wifi.hasMatch() ? wifi.captured(1) : phone;
    name.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('/'), QLatin1String("%2F"));
    name.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return QStringLiteral("phones/") + name;
}

// The settings file, inside the phone's group when the phone has choices of its own.
struct Scope
{
    explicit Scope(const QString& phone, bool own)
    {
        if (own)
            settings->beginGroup(phoneGroup(phone));
    }
    std::unique_ptr<QSettings> settings = Remembered::settings();
};

} // namespace

bool ChosenOptions::hasOwn(const QString& phone) const
{
    if (phone.isEmpty())
        return false;
    const auto settings = Remembered::settings();
    settings->beginGroup(phoneGroup(phone));
    return !settings->allKeys().isEmpty();
}

MoreOptions ChosenOptions::shown(const QString& phone) const
{
    return MoreOptions::read(*Scope(phone, hasOwn(phone)).settings);
}

MoreOptions ChosenOptions::asTyped(const QString& phone) const
{
    return MoreOptions::readAsTyped(*Scope(phone, hasOwn(phone)).settings);
}

bool ChosenOptions::differs(const QString& phone) const
{
    return hasOwn(phone) && !(asTyped(phone) == asTyped());
}

void ChosenOptions::set(const QString& phone, const MoreOptions& choices)
{
    choices.write(*Scope(phone, !phone.isEmpty()).settings);
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
