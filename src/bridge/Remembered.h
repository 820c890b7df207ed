#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// What the program remembers between runs: the last network connection that worked, and the
// choices of the window of more options, shared and each phone's own; nothing else.
// An ini file in the user's settings folder on every system (on Windows, %APPDATA%), never the
// registry: one plain file the user can see and remove.
namespace Remembered {

inline const QString Address = QStringLiteral("wireless/address");
inline const QString Port = QStringLiteral("wireless/port");

inline std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pannix"), QStringLiteral("pannix"));
}

// A connection that worked, offered again at the next start.
inline void connection(const QString& address, const QString& port)
{
    const auto remembered = settings();
    remembered->setValue(Address, address);
    remembered->setValue(Port, port);
}

} // namespace Remembered
