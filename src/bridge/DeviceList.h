#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Reading the bridge tool's device list. A device line is a serial, a separator (a tab, or blanks
// in some versions) and a state word; everything else the tool may print around them (the header,
// the server's start-up messages, a version-mismatch warning, garbage) is skipped.
namespace DeviceList {

// Longer lines are never device lines.
constexpr qsizetype LongestLine = 512;

// One device line: the serial, what separated it from its state, and the state word.
struct Entry
{
    QString serial;
    QString separator;
    QString state;

    // Listed ready: the state of a phone adb can address ("device").
    bool ready() const { return state == QLatin1String("device"); }
    // The serial field: the serial and its separator, and the state word unless it is ready.
    QString field() const { return serial + separator + (ready() ? QString() : state); }
    bool operator==(const Entry&) const = default;
};

// A serial that is a network address, "<host>:<port>" or "[<IPv6>]:<port>", the port 1 to 65535: its
// host as written (the brackets kept); nothing for a serial of another kind.
std::optional<QString> networkHost(const QString& serial);

// Whether the list holds the phone, ready.
bool listsReady(const QList<Entry>& listed, const QString& serial);

// The device lines of a list's body, in order; every other line is skipped.
QList<Entry> entries(const QStringList& lines);

// The devices of an answer that holds a device list header; nothing when it holds none.
std::optional<QList<Entry>> listed(const QStringList& lines);

// The serial alone, out of a serial field: up to its tab, or its first blank when it has no tab.
// A list of "adb devices -l" as the tracking lists it: each serial, a tab and its state alone; the
// details after the state ("product:… model:… transport_id:…") left out.
QList<Entry> withoutDetails(const QList<Entry>& entries);

QString serialInField(const QString& field);

// The words a slot's device selector (" -s " + its serial field, or empty) stands for: "-s" and
// the serial alone, or none.
QStringList selectorWords(const QString& selector);

} // namespace DeviceList
