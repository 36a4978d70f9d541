#include "core/update/C_NSURLConnectionWrapper.h"

#include "HttpTestServer.h"
#include "TestSupport.h"

#include <QFile>
#include <QTcpServer>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zirn;
using test::HttpTestServer;

namespace {

class Receiver : public QObject, public DownloadFinishedDelegate
{
public:
    void DownloadFinished(const std::optional<QByteArray>& body) override { results.append(body); }
    QList<std::optional<QByteArray>> results;
};

class NotADelegate : public QObject
{};

std::optional<QByteArray> download(HttpTestServer& server, const QString& path,
                                   const std::optional<QString>& userAgent = std::nullopt,
                                   const std::optional<QByteArray>& body = std::nullopt)
{
    C_NSURLConnectionWrapper wrapper;
    Receiver receiver;
    wrapper.Download(server.url(path), &receiver, userAgent, body);
    EXPECT_TRUE(test::waitFor([&] { return !receiver.results.isEmpty(); }));
    EXPECT_EQ(receiver.results.size(), 1);
    return receiver.results.value(0);
}

} // namespace

TEST(UrlConnectionWrapper, CompletedResponsesAreDeliveredAsBytesWhateverTheStatus)
{
    HttpTestServer server([](const HttpTestServer::Request& r) {
        if (r.target == "/empty")
            return HttpTestServer::reply(200, {});
        if (r.target == "/missing")
            return HttpTestServer::reply(404, "<h1>Not here</h1>");
        if (r.target == "/broken")
            return HttpTestServer::reply(500, "oops");
        return HttpTestServer::reply(200, "<update/>");
    });
    EXPECT_EQ(download(server, "/ok"), QByteArray("<update/>"));
    const auto empty = download(server, "/empty");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_EQ(download(server, "/missing"), QByteArray("<h1>Not here</h1>"));
    EXPECT_EQ(download(server, "/broken"), QByteArray("oops"));

    // A plain GET without body, and without a User-Agent of ours.
    const auto& first = server.requests.first();
    EXPECT_EQ(first.method, "GET");
    EXPECT_TRUE(first.body.isEmpty());
    EXPECT_FALSE(first.headers.contains("content-type"));
}

TEST(UrlConnectionWrapper, RedirectsKeepMethodHeadersAndBody)
{
    HttpTestServer server([](const HttpTestServer::Request& r) {
        if (r.target == "/a")
            return HttpTestServer::reply(302, "moved", "Location: /b\r\n");
        if (r.target == "/b")
            return HttpTestServer::reply(301, "moved again", "Location: /c?x=1\r\n");
        return HttpTestServer::reply(200, "final " + r.method + " " + r.body);
    });
    const QByteArray form = "name=value&x=%20";
    EXPECT_EQ(download(server, "/a", QStringLiteral("ZirnTest/1.0"), form), QByteArray("final POST " + form));
    ASSERT_EQ(server.requests.size(), 3);
    EXPECT_EQ(server.requests[2].target, "/c?x=1");
    for (const auto& request : server.requests) {
        SCOPED_TRACE(request.target.toStdString());
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.body, form);
        EXPECT_EQ(request.headers.value("user-agent"), "ZirnTest/1.0");
        EXPECT_EQ(request.headers.value("content-type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(request.headers.value("content-length"), QByteArray::number(form.size()));
    }

    server.requests.clear();
    EXPECT_EQ(download(server, "/a"), QByteArray("final GET "));
    EXPECT_EQ(server.requests.size(), 3);
    EXPECT_EQ(server.requests[2].method, "GET");
}

TEST(UrlConnectionWrapper, OnlyTheLastResponseOfAConnectionIsDelivered)
{
    // The redirect's own page and the final page come over one kept-alive connection.
    HttpTestServer server([](const HttpTestServer::Request& r) {
        if (r.target == "/first")
            return HttpTestServer::reply(307, "first response body", "Location: /second\r\n");
        return HttpTestServer::reply(200, "second");
    });
    EXPECT_EQ(download(server, "/first"), QByteArray("second"));
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests[0].connection, server.requests[1].connection);
}

TEST(UrlConnectionWrapper, FailuresAreDeliveredAsNothing)
{
    // Redirects away from the web fail at once; a named pipe is never opened, so nothing blocks.
    const QString fifo = test::freshFolder(QStringLiteral("wrapper")) + QStringLiteral("/pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QHash<QByteArray, QByteArray> offWeb = {
        {"/to-file", "file:///etc/passwd"},
        {"/to-zero", "file:///dev/zero"},
        {"/to-fifo", QUrl::fromLocalFile(fifo).toEncoded()},
        {"/to-qrc", "qrc:/zirn/Zirn.ini"},
        {"/to-data", "data:text/xml,%3Cupdate/%3E"},
        {"/to-ftp", "ftp://127.0.0.1/update.xml"},
    };
    HttpTestServer server([&offWeb](const HttpTestServer::Request& r) {
        if (offWeb.contains(r.target))
            return HttpTestServer::reply(302, {}, "Location: " + offWeb.value(r.target) + "\r\n");
        if (r.target == "/endless-headers") // begun, never ended
            return HttpTestServer::Response{"HTTP/1.1 200 OK\r\nX-Slow: ", false};
        if (r.target == "/fat-headers")
            return HttpTestServer::reply(
                200, "ok", "X-Pad: " + QByteArray(C_NSURLConnectionWrapper::kMaxHeaderSize, 'h') + "\r\n");
        if (r.target == "/auth")
            return HttpTestServer::reply(401, "who are you", "WWW-Authenticate: Basic realm=\"zirn\"\r\n");
        if (r.target == "/huge")
            return HttpTestServer::reply(200, QByteArray(C_NSURLConnectionWrapper::kMaxBodySize + 1, 'x'));
        if (r.target == "/loop")
            return HttpTestServer::reply(302, {}, "Location: /loop\r\n");
        if (r.target == "/cut")
            return HttpTestServer::Response{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort", true};
        return HttpTestServer::Response{{}, true}; // hang up without an answer
    });
    EXPECT_FALSE(download(server, "/auth").has_value());
    for (const auto& request : server.requests)
        EXPECT_FALSE(request.headers.contains("authorization"));
    EXPECT_FALSE(download(server, "/huge").has_value());
    EXPECT_FALSE(download(server, "/loop").has_value());
    EXPECT_FALSE(download(server, "/cut").has_value());
    EXPECT_FALSE(download(server, "/hangup").has_value());
    EXPECT_FALSE(download(server, "/fat-headers").has_value());
    for (auto it = offWeb.begin(); it != offWeb.end(); ++it)
        EXPECT_FALSE(download(server, QString::fromLatin1(it.key())).has_value()) << it.key().toStdString();

    // Nobody listening; a server that never ends its headers runs into the time limit.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    for (const QString& url :
         {QStringLiteral("http://127.0.0.1:%1/").arg(port), server.url("/endless-headers")}) {
        C_NSURLConnectionWrapper wrapper;
        wrapper.setTimeLimit(300);
        Receiver receiver;
        wrapper.Download(url, &receiver, std::nullopt);
        ASSERT_TRUE(test::waitFor([&] { return !receiver.results.isEmpty(); }));
        EXPECT_FALSE(receiver.results.first().has_value());
    }
}

TEST(UrlConnectionWrapper, ADelegateWithoutTheMessageHearsNothingAndTheWrapperIsReusable)
{
    HttpTestServer server([](const HttpTestServer::Request&) { return HttpTestServer::reply(200, "body"); });
    C_NSURLConnectionWrapper wrapper;
    NotADelegate silent;
    wrapper.Download(server.url("/x"), &silent, QStringLiteral("Agent/1"));
    ASSERT_TRUE(test::waitFor([&] { return server.requests.size() == 1 && !wrapper.pConnection(); }));
    EXPECT_EQ(wrapper.pData(), QByteArray("body"));

    // The same wrapper downloads again; the user agent stored before is still sent.
    Receiver receiver;
    wrapper.Download(server.url("/y"), &receiver, std::nullopt);
    ASSERT_TRUE(test::waitFor([&] { return !receiver.results.isEmpty(); }));
    EXPECT_EQ(receiver.results.first(), QByteArray("body"));
    EXPECT_EQ(server.requests.last().headers.value("user-agent"), "Agent/1");
}
