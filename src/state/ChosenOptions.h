#pragma once

#include "client/MoreOptions.h"

#include <QObject>
#include <QString>

// The choices of the window of more options as the settings file keeps them: the shared ones, which
// every phone follows, and a phone's own, kept under its serial (a Wi-Fi phone's under its address,
// whatever its port), which that phone follows instead. The window edits them here and the launch reads them
// here; the launcher's marks follow changed().
class ChosenOptions : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // An empty phone names the shared choices. A phone without choices of its own has the shared ones.
    // What a launch would refuse is left at its default: what the window shows.
    MoreOptions shown(const QString& phone = {}) const;
    // As typed, for the launch to check and tell.
    MoreOptions asTyped(const QString& phone = {}) const;
    bool hasOwn(const QString& phone) const;
    // The phone has choices of its own, and they are not the shared ones.
    bool differs(const QString& phone) const;

    // Kept at once; for a phone, they become its own.
    void set(const QString& phone, const MoreOptions& choices);
    // The shared choices back to their defaults; a phone's own dropped, so it follows the shared again.
    void restoreDefaults(const QString& phone);

signals:
    void changed();
};
