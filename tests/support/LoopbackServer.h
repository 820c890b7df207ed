#pragma once

#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A small HTTP server inside the suite, on 127.0.0.1 only, that answers each path as the test
// says: whole, redirected, cut off or stalled partway. It serves from the test's event loop.
class LoopbackServer : public QObject
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray location; // a redirect's target
        qsizetype cutAfter = -1; // closes the connection after so many bytes of the body
        qsizetype stallAfter = -1; // sends so many bytes of the body, then nothing more
    };

    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

    QMap<QString, Reply> routes;
    QStringList requested;

private:
    void serve(QTcpSocket* socket)
    {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            m_pending[socket] += socket->readAll();
            if (!m_pending[socket].contains("\r\n\r\n"))
                return;
            const QString path = QString::fromLatin1(m_pending[socket].split(' ').value(1));
            requested.append(path);
            answer(socket, routes.value(path, Reply {404, "not here"}));
        });
    }

    void answer(QTcpSocket* socket, const Reply& reply)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status)
            + (reply.status == 200        ? " OK"
                    : reply.status == 302 ? " Found"
                                          : " Not Found")
            + "\r\n";
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n";
        if (!reply.location.isEmpty())
            head += "Location: " + reply.location + "\r\n";
        socket->write(head + "\r\n");
        if (reply.stallAfter >= 0) {
            socket->write(reply.body.left(reply.stallAfter));
            return; // and nothing more, the connection left open
        }
        socket->write(reply.cutAfter >= 0 ? reply.body.left(reply.cutAfter) : reply.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QTcpSocket*, QByteArray> m_pending;
};
