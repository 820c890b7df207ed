#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpSocket>

// What a phone keeps between connections: its maker, its files and its request log.
struct PhoneState
{
    QString maker;
    QString serialNumber;
    bool authorized = true;
    QString logPath;
    QByteArray picture;
    QMap<QString, QByteArray> files;
    // What the package manager answers an install: "Success" or "Failure [INSTALL_FAILED_...]".
    QByteArray installAnswer = "Success";
    qint64 bytesPerSecond = 0; // how fast a pushed file is taken; 0 for as fast as it comes
    bool countOnly = false; // a pushed file's bytes are counted, not kept (a file of gigabytes)
    QMap<QString, qint64> countedSizes;
    int sessions = 0; // install sessions opened

    qint64 sizeOf(const QString& path) const { return countOnly ? countedSizes.value(path) : files.value(path).size(); }

    void record(const QByteArray& request) const
    {
        if (logPath.isEmpty())
            return;
        QFile log(logPath);
        if (log.open(QIODevice::Append))
            log.write(request + '\n');
    }
};

// One connection from the bridge server: 24-byte message headers, streams opened by the host,
// each answered by a service.
class PhoneConnection : public QObject
{
    Q_OBJECT

public:
    PhoneConnection(QTcpSocket* socket, PhoneState& phone);

private:
    struct Stream
    {
        quint32 hostId = 0;
        quint32 deviceId = 0;
        QByteArray service;
        QByteArray input; // what the host wrote, not yet handled
        QList<QByteArray> output; // what waits to be written, one message each
        bool waitingForOkay = false;
        bool closeWhenWritten = false;
        QString receiving; // a SEND in progress: the file being written
        qint64 received = 0;
        qint64 toRead = -1; // an exec stream's input still to come
        QByteArray command; // an exec stream's command, answered once its input is read
    };

    void readMessages();
    void handle(quint32 command, quint32 arg0, quint32 arg1, const QByteArray& data);
    void send(quint32 command, quint32 arg0, quint32 arg1, const QByteArray& data = {});
    void open(quint32 hostId, const QByteArray& service);
    void write(Stream& stream, const QByteArray& data);
    void closeAfterOutput(Stream& stream);
    void flush(Stream& stream);
    void handleSync(Stream& stream);
    QByteArray runShell(const QByteArray& command);
    QByteArray runPackageManager(const QList<QByteArray>& words, const QByteArray& input);
    void receiveData(Stream& stream, const QByteArray& payload);
    void acknowledge(const Stream& stream, qsizetype bytes);

    QTcpSocket* m_socket;
    PhoneState& m_phone;
    QByteArray m_inbox;
    QHash<quint32, Stream> m_streams; // by our own id
    quint32 m_nextId = 1;
};
