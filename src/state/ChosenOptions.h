#pragma once

#include "client/MoreOptions.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>

// The choices of the window of more options as the settings file keeps them: the shared ones, which
// every phone follows, and each phone's own, kept under its identity (its serial number, whichever way
// the bridge reaches it) as what differs from the shared ones, so a later shared change reaches every
// phone that does not choose otherwise. The window edits them here and the launch reads them here; the
// launcher's marks follow changed().
class ChosenOptions : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // An empty phone names the shared choices; a phone's are the shared ones with its own differences.
    // What a launch would refuse is left at its default: what the window shows.
    MoreOptions shown(const QString& phone = {}) const;
    // As typed, for the launch to check and tell.
    MoreOptions asTyped(const QString& phone = {}) const;
    // The phone keeps a choice of its own that is not the shared one.
    bool differs(const QString& phone) const;
    // Each choice of its own that differs, with the shared one: "旋转 90°（所有手机：不旋转）".
    QStringList differences(const QString& phone) const;

    // Kept at once; for a phone, what differs from the shared choices becomes its own.
    void set(const QString& phone, const MoreOptions& choices);
    // The shared choices back to their defaults; a phone's own dropped, so it follows the shared again.
    void restoreDefaults(const QString& phone);

    // The phone known under this name has told its identity: choices kept under the name (an address
    // without its port, a cable's serial, as earlier runs kept them, or the name itself before the
    // phone told who it is) are moved to the identity, once.
    void adopt(const QString& name, const QString& identity);

signals:
    void changed();

private:
    std::pair<MoreOptions, MoreOptions> sharedAndPhone(const QString& phone) const;
    void move(const QString& earlier, const QString& identity);
};
