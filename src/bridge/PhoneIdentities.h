#pragma once

#include "DeviceList.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

// A phone is known by its own serial number (ro.serialno), whichever way the bridge reaches it: by
// cable, at an address whose port changes whenever wireless debugging starts again, or by its mDNS
// name. The name the bridge lists is only the way in. Each name listed ready is asked once for the
// phone's serial number, and asked again when it comes back after it was gone, since an address may
// lead to another phone by then. A phone that tells none, or an emulator (its serial number is shared
// by its clones), is known by the name itself; so is the second of two addresses listed ready at once
// that tell one serial number, the first to tell it keeping it.
class PhoneIdentities : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Each name listed ready is asked, unless asked since it was last listed; a name listed no more
    // is asked again when it returns.
    void take(const QList<DeviceList::Entry>& listed);

    // The phone's identity: its serial number once it has told it, else the name.
    QString of(const QString& name) const;
    // Whether two names are one phone: one identity, and never two addresses listed ready at once
    // (emulators cloned from one image share their serial number, and so may phones behind one
    // tunnel).
    bool samePhone(const QString& first, const QString& second) const;
    // The same for two names listed together, as they are listed now.
    bool onePhone(const DeviceList::Entry& first, const DeviceList::Entry& second) const;

    // The phone's serial number, from what "getprop ro.serialno" printed; empty for none.
    static QString serialNumber(const QString& printed);

signals:
    // The phone under the name has told who it is; the identity is the name when it cannot tell.
    void learnt(const QString& name, const QString& identity);

private:
    void ask(const QString& name);
    void tell(const QString& name, const QString& serial);

    QHash<QString, QString> m_serials; // names whose phone answered, and what it told (the name for none)
    QHash<QString, int> m_toldOrder; // in which order they told it
    int m_nextTold = 0;
    QSet<QString> m_asked; // names asked while listed
    QSet<std::pair<QString, QString>> m_apart; // addresses seen ready at once, the lesser first
};
