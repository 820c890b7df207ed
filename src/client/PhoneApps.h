#pragma once

#include "bridge/ToolCommand.h"

#include <QList>
#include <QString>
#include <QVersionNumber>

#include <optional>

struct ToolAnswer;

// The apps of one phone, as a tool lists them: from a client of 3.0 on, the client's own list (each
// app's name and package); before, the bridge's list of the packages the user installed. Only an
// answer of the shape these commands print is taken; anything else is no list at all.
namespace PhoneApps {

struct App
{
    QString name; // empty where the tool tells only the package
    QString package;

    friend bool operator==(const App&, const App&) = default;
};

// "scrcpy -s <serial> --list-apps", or "adb -s <serial> shell pm list packages -3" for an older or
// unknown client.
ToolCommand listCommand(const QString& serial, const QVersionNumber& client);
bool byClient(const QVersionNumber& client);

// The list in an answer that ran to its end and succeeded, sorted by name, then package; nothing for
// any other answer.
std::optional<QList<App>> fromClient(const ToolAnswer& answer);
std::optional<QList<App>> fromBridge(const ToolAnswer& answer);

} // namespace PhoneApps
