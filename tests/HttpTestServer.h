#pragma once

#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace zirn::test {

// A scripted HTTP/1.1 server on 127.0.0.1: every request (GET, without a body) is recorded and
// answered by the handler with raw response bytes, on a connection that stays open unless the
// answer closes it.
class HttpTestServer : public QObject
{
public:
    struct Request
    {
        QByteArray target;                     // path and query as sent
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };
    using Response = std::pair<QByteArray, bool>; // raw bytes, and whether to close afterwards

    explicit HttpTestServer(std::function<Response(const Request&)> handler) : m_handler(std::move(handler))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
    }

    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    static Response reply(int status, const QByteArray& body, const QByteArray& headers = {})
    {
        return {"HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body,
                false};
    }

    QList<Request> requests;

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        for (qsizetype end = buffer.indexOf("\r\n\r\n"); end >= 0; end = buffer.indexOf("\r\n\r\n")) {
            const QList<QByteArray> lines = buffer.left(end).split('\n');
            const QList<QByteArray> first = lines[0].trimmed().split(' ');
            Request request{first.value(1), {}};
            for (const QByteArray& line : lines.mid(1))
                if (const qsizetype colon = line.indexOf(':'); colon > 0)
                    request.headers.insert(line.left(colon).trimmed().toLower(),
                                           line.mid(colon + 1).trimmed());
            buffer.remove(0, end + 4); // requests without a body only
            requests.append(request);
            const auto [raw, close] = m_handler(request);
            socket->write(raw);
            if (close)
                return socket->disconnectFromHost();
        }
    }

    QTcpServer m_server;
    std::function<Response(const Request&)> m_handler;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

} // namespace zirn::test
