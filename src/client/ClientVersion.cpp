#include "ClientVersion.h"

#include "ClientOptions.h"

#include "bridge/CommandRunner.h"
#include "bridge/ToolCommand.h"
#include "bridge/ToolText.h"

#include <QRegularExpression>

void ClientVersion::ask()
{
    if (m_asked)
        return;
    m_asked = true;
    const QString word = ClientOptions::word(ClientOptions::Choice::Version);
    const ToolCommand version {{QStringLiteral("scrcpy"), word}, QStringLiteral("scrcpy ") + word};
    CommandRunner::call(version, this, [this](const ToolAnswer& answer) {
        m_answered = true;
        m_version = answer.succeeded() ? parse(answer.output) : QVersionNumber();
        emit changed();
    });
}

void ClientVersion::askAgain()
{
    if (!m_asked)
        return; // nobody needed it yet: the first ask will find the new client
    m_asked = false;
    ask();
}

bool ClientVersion::usesCtrlShortcuts() const
{
    return !m_version.isNull() && m_version < ClientOptions::AltShortcutsSince;
}

QVersionNumber ClientVersion::parse(const QByteArray& output)
{
    static const QRegularExpression firstLine(QStringLiteral("^scrcpy v?(\\d+)\\.(\\d+)(?:\\.(\\d+))?(?:\\s|$)"));
    const QStringList lines = ToolText::lines(output);
    if (lines.isEmpty())
        return {};
    const QRegularExpressionMatch match = firstLine.match(lines.first());
    if (!match.hasMatch())
        return {};
    QList<int> parts {match.captured(1).toInt(), match.captured(2).toInt()};
    if (match.hasCaptured(3))
        parts.append(match.captured(3).toInt());
    return QVersionNumber(parts);
}
