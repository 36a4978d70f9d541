#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace zirn::test {

// A scripted HTTP/1.1 server on 127.0.0.1 for tests: every request is recorded and answered
// by the handler with raw response bytes. Connections stay open for further requests unless
// the handler asks to close.
class HttpTestServer : public QObject
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target;                     // path and query as sent
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
        int connection = 0; // which connection carried it, counting from 1
    };
    struct Response
    {
        QByteArray raw;
        bool close = false;
    };
    using Handler = std::function<Response(const Request&)>;

    explicit HttpTestServer(Handler handler) : m_handler(std::move(handler))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                const int id = ++m_connections;
                socket->setParent(this);
                QObject::connect(socket, &QTcpSocket::readyRead, this,
                                 [this, socket, id] { serve(socket, id); });
            }
        });
    }

    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    // A complete response with a body and a Content-Length.
    static Response reply(int status, const QByteArray& body, const QByteArray& extraHeaders = {})
    {
        QByteArray raw = "HTTP/1.1 " + QByteArray::number(status) +
                         " Status\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" +
                         extraHeaders + "\r\n" + body;
        return {raw, false};
    }

    QList<Request> requests;

private:
    void serve(QTcpSocket* socket, int id)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            Request request;
            const QList<QByteArray> lines = buffer.left(end).split('\n');
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.method = first.value(0);
            request.target = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                           lines[i].mid(colon + 1).trimmed());
            }
            const qsizetype length = request.headers.value("content-length", "0").toLongLong();
            if (buffer.size() < end + 4 + length)
                return;
            request.body = buffer.mid(end + 4, length);
            request.connection = id;
            buffer.remove(0, end + 4 + length);
            requests.append(request);
            const Response response = m_handler(request);
            socket->write(response.raw);
            if (response.close) {
                socket->disconnectFromHost();
                return;
            }
        }
    }

    QTcpServer m_server;
    Handler m_handler;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    int m_connections = 0;
};

// Runs the event loop until done() is true or the time is up; true when done.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace zirn::test
