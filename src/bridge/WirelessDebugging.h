#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVersionNumber>

#include <optional>

struct ToolAnswer;

// Reading what the bridge tool says about wireless debugging (Android 11 and later): its own
// version, whether its discovery runs, the phones' services it discovered, and a pairing's outcome;
// and checking what the user types for a pairing.
namespace WirelessDebugging {

// The first version of the bridge tool that pairs ("adb pair") and discovers ("adb mdns").
inline const QVersionNumber PairingSince(30);

// The tool's version from "adb version" ("Version 35.0.2-12147458", Debian's "Version
// 29.0.6-debian"): as a number, null when no line names it, and as the tool wrote it.
QVersionNumber bridgeVersion(const QStringList& lines);
QString bridgeVersionText(const QStringList& lines);

// Whether "adb mdns check" says that the tool's discovery runs ("mdns daemon version …").
bool discoveryRuns(const ToolAnswer& answer);

// One line of "adb mdns services": "<instance>\t<service>\t<address>:<port>" (blanks in some
// versions, and a service that may end with a dot, which is dropped here).
struct Service
{
    QString instance;
    QString type;
    QString address;

    bool operator==(const Service&) const = default;
};
inline const QString PairingService = QStringLiteral("_adb-tls-pairing._tcp");
inline const QString ConnectService = QStringLiteral("_adb-tls-connect._tcp");

QList<Service> services(const QStringList& lines);
// The address of the first service of this type and instance, or empty.
QString addressOf(const QList<Service>& services, const QString& type, const QString& instance);

// "Successfully paired to <address> [guid=<guid>]": the pairing's address and guid; nothing for any
// other answer.
struct Paired
{
    QString address;
    QString guid;
};
std::optional<Paired> paired(const QStringList& lines);

// The message that refuses a typed address ("host:port", port 1 to 65535) or pairing code (six
// digits), naming the field; empty when it is fine.
QString addressProblem(const QString& text, const QString& fieldName);
QString codeProblem(const QString& text, const QString& fieldName);

// The text of the QR code a phone scans to pair ("Pair device with QR code"): the service's name and
// its password, as Android reads them.
QString qrText(const QString& name, const QString& password);

} // namespace WirelessDebugging
