#include "DeviceList.h"

#include <algorithm>

#include <QRegularExpression>
#include <QSet>

namespace DeviceList {

namespace {

const QString Header = QStringLiteral("List of devices attached");

// The states the bridge tool reports for a device.
bool isState(const QString& rest)
{
    static const QSet<QString> states {QStringLiteral("device"), QStringLiteral("offline"),
        QStringLiteral("unauthorized"), QStringLiteral("authorizing"), QStringLiteral("connecting"),
        QStringLiteral("bootloader"), QStringLiteral("recovery"), QStringLiteral("rescue"), QStringLiteral("sideload"),
        QStringLiteral("host"), QStringLiteral("unknown"), QStringLiteral("detached")};
    return states.contains(rest.section(QLatin1Char(' '), 0, 0)) || rest.startsWith(QLatin1String("no permissions"));
}

std::optional<Entry> entryOf(const QString& line)
{
    if (line.size() > LongestLine || line.startsWith(QLatin1Char('*')))
        return std::nullopt;
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    const qsizetype serialEnd = tab >= 0 ? tab : line.indexOf(QLatin1Char(' '));
    if (serialEnd <= 0)
        return std::nullopt;
    qsizetype restStart = serialEnd;
    while (
        restStart < line.size() && (line.at(restStart) == QLatin1Char('\t') || line.at(restStart) == QLatin1Char(' ')))
        ++restStart;
    const QString serial = line.left(serialEnd);
    const QString rest = line.mid(restStart).trimmed();
    if (serial.trimmed().isEmpty() || !isState(rest))
        return std::nullopt;
    for (const QChar c : serial) {
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    }
    return Entry {serial, line.mid(serialEnd, restStart - serialEnd), rest};
}

} // namespace

QList<Entry> entries(const QStringList& lines)
{
    QList<Entry> result;
    for (const QString& line : lines) {
        if (const auto entry = entryOf(line))
            result.append(*entry);
    }
    return result;
}

std::optional<QList<Entry>> listed(const QStringList& lines)
{
    qsizetype header = 0;
    while (header < lines.size() && !lines.at(header).startsWith(Header))
        ++header;
    if (header == lines.size())
        return std::nullopt;
    return entries(lines.mid(header + 1));
}

QList<Entry> withoutDetails(const QList<Entry>& entries)
{
    // The first "key:value" after the state begins the details ("offline product:x model:Y").
    static const QRegularExpression details(QStringLiteral("\\s+[a-z_]+:\\S.*$"));
    QList<Entry> tracked;
    for (const Entry& entry : entries)
        tracked.append({entry.serial, QStringLiteral("\t"), QString(entry.state).remove(details)});
    return tracked;
}

QString serialInField(const QString& field)
{
    const qsizetype tab = field.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        return field.left(tab);
    return field.section(QLatin1Char(' '), 0, 0);
}

QStringList selectorWords(const QString& selector)
{
    static const QString start = QStringLiteral(" -s ");
    if (!selector.startsWith(start))
        return {};
    return {QStringLiteral("-s"), serialInField(selector.mid(start.size()))};
}

std::optional<QString> networkHost(const QString& serial)
{
    static const QRegularExpression address(QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[^\\s:]+):([0-9]{1,5})$"));
    const QRegularExpressionMatch match = address.match(serial);
    const int port = match.captured(2).toInt();
    if (!match.hasMatch() || port < 1 || port > 65535)
        return std::nullopt;
    return match.captured(1);
}

bool listsReady(const QList<Entry>& listed, const QString& serial)
{
    return std::any_of(listed.cbegin(), listed.cend(),
        [&serial](const Entry& entry) { return entry.serial == serial && entry.ready(); });
}

} // namespace DeviceList
