#include "core/update/C_NSURLConnectionWrapper.h"

#include "HttpTestServer.h"
#include "TestSupport.h"

#include <QTcpServer>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zirn;
using test::HttpTestServer;

namespace {

// Downloads url and checks that the result came exactly once.
std::optional<QByteArray> download(C_NSURLConnectionWrapper& wrapper, const QString& url,
                                   const std::optional<QString>& userAgent = std::nullopt,
                                   const std::optional<QByteArray>& body = std::nullopt)
{
    QList<std::optional<QByteArray>> results;
    const auto connection = QObject::connect(&wrapper, &C_NSURLConnectionWrapper::DownloadFinished,
                                             [&](const std::optional<QByteArray>& b) { results.append(b); });
    wrapper.Download(url, userAgent, body);
    EXPECT_TRUE(test::waitFor([&] { return !results.isEmpty(); }));
    QCoreApplication::processEvents();
    QObject::disconnect(connection);
    EXPECT_EQ(results.size(), 1);
    return results.value(0);
}

} // namespace

// Each row: a path on the test server and what the wrapper delivers (nullptr: nothing).
TEST(UrlConnectionWrapper, ResultTable)
{
    const QString fifo = test::freshFolder("wrapper") + "/pipe";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QByteArray hdrs = "X-Pad: " + QByteArray(C_NSURLConnectionWrapper::kMaxHeaderSize, 'h') + "\r\n";
    const QHash<QByteArray, HttpTestServer::Response> routes = {
        {"/ok", HttpTestServer::reply(200, "<update/>")},
        {"/empty", HttpTestServer::reply(200, {})},
        {"/missing", HttpTestServer::reply(404, "<h1>Not here</h1>")},
        {"/first", HttpTestServer::reply(307, "first body", "Location: /ok\r\n")},
        {"/auth", HttpTestServer::reply(401, "who", "WWW-Authenticate: Basic realm=\"z\"\r\n")},
        {"/huge", HttpTestServer::reply(200, QByteArray(C_NSURLConnectionWrapper::kMaxBodySize + 1, 'x'))},
        {"/fat-headers", HttpTestServer::reply(200, "ok", hdrs)},
        {"/loop", HttpTestServer::reply(302, {}, "Location: /loop\r\n")},
        {"/cut", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort", true}},
        {"/hangup", {{}, true}},
        {"/endless-headers", {"HTTP/1.1 200 OK\r\nX-Slow: ", false}},
        {"/to-file", HttpTestServer::reply(302, {}, "Location: file:///etc/passwd\r\n")},
        {"/to-fifo",
         HttpTestServer::reply(302, {}, "Location: " + QUrl::fromLocalFile(fifo).toEncoded() + "\r\n")},
        {"/to-qrc", HttpTestServer::reply(302, {}, "Location: qrc:/zirn/Zirn.ini\r\n")},
        {"/to-data", HttpTestServer::reply(302, {}, "Location: data:text/xml,%3Cupdate/%3E\r\n")},
        {"/to-ftp", HttpTestServer::reply(302, {}, "Location: ftp://127.0.0.1/u.xml\r\n")},
    };
    HttpTestServer server([&](const HttpTestServer::Request& r) { return routes.value(r.target); });
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString nobody = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    const std::pair<QString, const char*> cases[] = {
        {"/ok", "<update/>"},
        {"/empty", ""},
        {"/missing", "<h1>Not here</h1>"},
        {"/first", "<update/>"}, // only the last response of a connection counts
        {"/auth", nullptr},
        {"/huge", nullptr},
        {"/fat-headers", nullptr},
        {"/loop", nullptr},
        {"/cut", nullptr},
        {"/hangup", nullptr},
        {"/endless-headers", nullptr},
        {"/to-file", nullptr},
        {"/to-fifo", nullptr},
        {"/to-qrc", nullptr},
        {"/to-data", nullptr},
        {"/to-ftp", nullptr},
        {nobody, nullptr},
    };
    C_NSURLConnectionWrapper wrapper; // one wrapper, used again and again
    wrapper.setTimeLimit(3000);
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path.toStdString());
        const auto result = download(wrapper, path.startsWith('/') ? server.url(path) : path);
        EXPECT_EQ(result, expected ? std::optional(QByteArray(expected)) : std::nullopt);
    }
    for (const auto& request : server.requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_FALSE(request.headers.contains("authorization") || request.headers.contains("content-type"));
    }
    EXPECT_EQ(server.requests[3].connection, server.requests[4].connection); // /first and /ok
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
    C_NSURLConnectionWrapper wrapper;
    EXPECT_EQ(download(wrapper, server.url("/a"), "ZirnTest/1.0", form), QByteArray("final POST " + form));
    ASSERT_EQ(server.requests.size(), 3);
    EXPECT_EQ(server.requests[2].target, "/c?x=1");
    for (const auto& request : server.requests) {
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.body, form);
        EXPECT_EQ(request.headers.value("user-agent"), "ZirnTest/1.0");
        EXPECT_EQ(request.headers.value("content-type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(request.headers.value("content-length"), QByteArray::number(form.size()));
    }
    // Used again without a body: a GET, and the user agent stored before is still sent.
    EXPECT_EQ(download(wrapper, server.url("/a")), QByteArray("final GET "));
    EXPECT_EQ(server.requests.last().method, "GET");
    EXPECT_EQ(server.requests.last().headers.value("user-agent"), "ZirnTest/1.0");
}
