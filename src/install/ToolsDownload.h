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
// followed, never from https to http. It stops when nothing has arrived for the release's stall
// limit, when the archive grows past its size limit, or when cancelled; the file lives as long as
// this object.
class ToolsDownload : public QObject
{
    Q_OBJECT

public:
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
    qint64 m_received = 0;
    QString m_problem; // why the transfer was ended from here
    bool m_done = false;
};
