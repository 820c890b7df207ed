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
        QByteArray received;
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

    QTcpSocket* m_socket;
    PhoneState& m_phone;
    QByteArray m_inbox;
    QHash<quint32, Stream> m_streams; // by our own id
    quint32 m_nextId = 1;
};
