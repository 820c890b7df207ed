#include "PhoneApps.h"

#include "ClientOptions.h"
#include "bridge/ToolText.h"

#include "bridge/AdbCommands.h"
#include "bridge/ToolAnswer.h"

#include <QRegularExpression>

#include <algorithm>

namespace PhoneApps {

namespace {

// An Android package: two or more parts separated by dots, each starting with a letter.
const QString Package = QStringLiteral("([A-Za-z][A-Za-z0-9_]*(?:\\.[A-Za-z][A-Za-z0-9_]*)+)");

QList<App> sorted(QList<App> apps)
{
    std::sort(apps.begin(), apps.end(), [](const App& a, const App& b) {
        const int byName = a.name.localeAwareCompare(b.name);
        return byName != 0 ? byName < 0 : a.package < b.package;
    });
    return apps;
}

} // namespace

bool byClient(const QVersionNumber& client)
{
    return !client.isNull() && ClientOptions::knows(client, ClientOptions::Choice::ListApps);
}

ToolCommand listCommand(const QString& serial, const QVersionNumber& client)
{
    if (byClient(client))
        return {{QStringLiteral("scrcpy"), QStringLiteral("-s"), serial,
                    ClientOptions::word(ClientOptions::Choice::ListApps)},
            QStringLiteral("scrcpy -s ") + serial + QLatin1Char(' ')
                + ClientOptions::word(ClientOptions::Choice::ListApps)};
    return AdbCommands::forSlot(QStringLiteral(" -s ") + serial,
        {{QStringLiteral("shell"), QStringLiteral("pm"), QStringLiteral("list"), QStringLiteral("packages"),
             QStringLiteral("-3")},
            QStringLiteral(" shell pm list packages -3")});
}

// After its own lines and the server's, the client prints "List of apps:", then one line per app:
// " * " (a system app) or " - ", the name padded to a column, a blank and the package. A name too
// long for the column ends its line, and the package follows alone on the next, indented. A log line
// of the client or the server may come between; a line of any other shape means it is not this list.
std::optional<QList<App>> fromClient(const ToolAnswer& answer)
{
    if (!answer.succeeded())
        return std::nullopt;
    static const QRegularExpression heading(QStringLiteral("^(\\[server\\] )?(INFO: )?List of apps:\\s*$"));
    static const QRegularExpression whole(QStringLiteral("^ [*-] (\\S.*?) +") + Package + QStringLiteral("\\s*$"));
    static const QRegularExpression nameAlone(QStringLiteral("^ [*-] (\\S.*?)\\s*$"));
    static const QRegularExpression packageAlone(QStringLiteral("^ {4,}") + Package + QStringLiteral("\\s*$"));
    static const QRegularExpression logLine(QStringLiteral("^(\\[server\\] )?(VERBOSE|DEBUG|INFO|WARN|ERROR): "));
    const QStringList all = ToolText::lines(answer.output);
    qsizetype at = 0;
    while (at < all.size() && !heading.match(all[at]).hasMatch())
        ++at;
    if (at == all.size())
        return std::nullopt;
    QList<App> apps;
    QString waiting; // a long name whose package is on the next line
    for (++at; at < all.size(); ++at) {
        const QString& line = all[at];
        if (logLine.match(line).hasMatch() && waiting.isEmpty())
            continue;
        if (const QRegularExpressionMatch app = whole.match(line); app.hasMatch() && waiting.isEmpty())
            apps.append({app.captured(1), app.captured(2)});
        else if (const QRegularExpressionMatch package = packageAlone.match(line); package.hasMatch()) {
            if (waiting.isEmpty())
                return std::nullopt;
            apps.append({waiting, package.captured(1)});
            waiting.clear();
        } else if (const QRegularExpressionMatch name = nameAlone.match(line); name.hasMatch() && waiting.isEmpty())
            waiting = name.captured(1);
        else if (!line.trimmed().isEmpty() || !waiting.isEmpty())
            return std::nullopt;
    }
    if (!waiting.isEmpty())
        return std::nullopt;
    return sorted(apps);
}

// "package:<name>" on every line; no user-installed app at all is an empty answer.
std::optional<QList<App>> fromBridge(const ToolAnswer& answer)
{
    if (!answer.succeeded())
        return std::nullopt;
    static const QRegularExpression entry(QStringLiteral("^package:") + Package + QStringLiteral("\\s*$"));
    QList<App> apps;
    for (const QString& line : ToolText::lines(answer.output)) {
        if (line.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch match = entry.match(line);
        if (!match.hasMatch())
            return std::nullopt;
        apps.append({QString(), match.captured(1)});
    }
    return sorted(apps);
}

} // namespace PhoneApps
