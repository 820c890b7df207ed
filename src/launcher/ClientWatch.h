#pragma once

#include <QObject>
#include <QStringList>

// Watches the mirroring clients of one launch through their logs. A client that has printed
// error lines ("ERROR: …") within its first seconds did not start mirroring; the launch's
// failures are told in one message naming each phone, quoting its error lines and its log.
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

private:
    void check(const QString& phone, const QString& logFile);

    int m_checkAfterMs;
    int m_pending = 0;
    QStringList m_failures;
};
