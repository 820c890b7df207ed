#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

struct ToolAnswer;

// Watches the mirroring clients of one launch through their logs. A client that has printed
// error lines ("ERROR: …") within its first seconds, or has ended by then other than with status 0
// whatever it printed (the client refuses words it does not know with getopt's own line), did not
// start mirroring; the launch's failures are told in one message naming each phone, quoting its
// error lines, or else its last lines, and its log.
class ClientWatch : public QObject
{
    Q_OBJECT

public:
    // How long a client has to show that it failed.
    static constexpr int CheckAfterMs = 3000;

    explicit ClientWatch(QObject* parent, int checkAfterMs = CheckAfterMs);

    // A fresh log file for a client of the given phone, in the per-user folder; only the latest
    // few are kept.
    static QString newLogFile(const QString& serial);
    static constexpr int KeptLogs = 10;

    // Looks at the client's log once its first seconds are over.
    void watch(const QString& phone, const QString& logFile);
    // Whether a client is still to be looked at; a watch of none is of no use.
    bool watching() const { return !m_watched.isEmpty(); }
    // The client writing to this log has ended; taken into account until its log is looked at.
    void ended(const QString& logFile, const ToolAnswer& answer);

    // How many of a client's last lines are quoted when it printed no error line.
    static constexpr int QuotedLines = 5;

private:
    void check(const QString& phone, const QString& logFile);

    int m_checkAfterMs;
    QStringList m_failures;
    // The clients still to be looked at, and how each one that ended badly ended (its status).
    QStringList m_watched;
    QHash<QString, int> m_endedBadly;
};
