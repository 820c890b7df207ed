#pragma once

#include "ToolsRelease.h"

#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

// Fetches the tools' archive into a temporary file of the tools folder, block by block as it
// arrives (never the whole archive in memory), computing its SHA-256 on the way. Redirects are
// followed, never from https to http. It stops when nothing has arrived for a while, when the
// archive grows past its limit, or when cancelled; the file lives as long as this object.
class ToolsDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int StallLimitMs = 30000;
    static constexpr qint64 SizeLimit = 200LL * 1000 * 1000;
    // What Qt may hold of the transfer before it is written to the file.
    static constexpr qint64 ReadBufferSize = 1024 * 1024;

    ToolsDownload(const ToolsRelease& release, const QString& folder, QObject* parent = nullptr);
    ~ToolsDownload() override;

    void start();
    // Ends the transfer at once; finished follows with nothing kept.
    void cancel();

    // The downloaded archive, while this object lives, once finished said it arrived whole; and the
    // SHA-256 of its bytes as they were written, in lower-case hexadecimal.
    QString file() const;
    QByteArray sha256() const;

    // The size no archive of the tools reaches, downloaded or chosen (tests lower it).
    static qint64 sizeLimit();
    // Tests shorten the limits of the downloads made after this; 0 restores a limit.
    static void setLimitsForTests(int stallLimitMs, qint64 sizeLimit);

signals:
    void progress(qint64 received, qint64 total); // total is -1 while unknown
    // problem is empty when the archive arrived whole.
    void finished(const QString& problem);

private:
    void take();
    // Writes and hashes one block; the reason when it cannot be kept.
    QString keep(const QByteArray& block);
    void end();
    void fail(const QString& problem);

    ToolsRelease m_release;
    QString m_folder;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QTemporaryFile> m_file;
    QCryptographicHash m_hash {QCryptographicHash::Sha256};
    QTimer m_stall;
    int m_stallLimitMs;
    qint64 m_sizeLimit;
    qint64 m_received = 0;
    QString m_problem; // why the transfer was ended from here
    bool m_done = false;
};
