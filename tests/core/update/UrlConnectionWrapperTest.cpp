#include "core/update/C_NSURLConnectionWrapper.h"

#include "HttpTestServer.h"
#include "TestSupport.h"

#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zirn;
using test::HttpTestServer;
using Wrapper = C_NSURLConnectionWrapper;

namespace {

// Downloads url and checks that the result came exactly once.
std::optional<QByteArray> download(Wrapper& wrapper, const QString& url,
                                   const std::optional<QString>& userAgent = {},
                                   const std::optional<QByteArray>& body = {})
{
    QList<std::optional<QByteArray>> results;
    const auto connection = QObject::connect(&wrapper, &Wrapper::DownloadFinished,
                                             [&](const std::optional<QByteArray>& b) { results.append(b); });
    wrapper.Download(url, userAgent, body);
    EXPECT_TRUE(test::waitFor([&] { return !results.isEmpty(); }));
    QCoreApplication::processEvents();
    QObject::disconnect(connection);
    EXPECT_EQ(results.size(), 1);
    return results.value(0);
}

HttpTestServer::Response redirect(int status, const QByteArray& to)
{
    return HttpTestServer::reply(status, "moved", "Location: " + to + "\r\n");
}

} // namespace

// Each row: a path on the test server, its answer, and what the wrapper delivers (nullptr: nothing).
TEST(UrlConnectionWrapper, ResultTable)
{
    const QString fifo = test::freshFolder("wrapper") + "/pipe";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QByteArray big(Wrapper::kMaxBodySize + 1, 'x');
    const std::tuple<QByteArray, HttpTestServer::Response, const char*> cases[] = {
        {"/ok", HttpTestServer::reply(200, "<update/>"), "<update/>"},
        {"/empty", HttpTestServer::reply(200, {}), ""},
        {"/missing", HttpTestServer::reply(404, "<h1>Not here</h1>"), "<h1>Not here</h1>"},
        {"/first", redirect(307, "/ok"), "<update/>"}, // only the last response counts
        {"/auth", HttpTestServer::reply(401, "who", "WWW-Authenticate: Basic realm=\"z\"\r\n"), nullptr},
        {"/huge", HttpTestServer::reply(200, big), nullptr},
        {"/huge-unannounced", {"HTTP/1.1 200 OK\r\n\r\n" + big, true}, nullptr},
        {"/fat-headers",
         HttpTestServer::reply(200, "ok", "X: " + QByteArray(Wrapper::kMaxHeaderSize, 'h') + "\r\n"),
         nullptr},
        {"/loop", redirect(302, "/loop"), nullptr},
        {"/cut", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort", true}, nullptr},
        {"/hangup", {{}, true}, nullptr},
        {"/endless-headers", {"HTTP/1.1 200 OK\r\nX-Slow: ", false}, nullptr},
        {"/to-file", redirect(302, "file:///etc/passwd"), nullptr},
        {"/to-fifo", redirect(302, QUrl::fromLocalFile(fifo).toEncoded()), nullptr},
        {"/to-qrc", redirect(302, "qrc:/zirn/Zirn.ini"), nullptr},
        {"/to-data", redirect(302, "data:text/xml,%3Cupdate/%3E"), nullptr},
    };
    HttpTestServer server([&](const HttpTestServer::Request& r) {
        for (const auto& [path, response, _] : cases)
            if (path == r.target)
                return response;
        return HttpTestServer::Response{};
    });
    Wrapper wrapper; // one wrapper, used again and again
    wrapper.setTimeLimit(3000);
    for (const auto& [path, response, expected] : cases)
        EXPECT_EQ(download(wrapper, server.url(path)),
                  expected ? std::optional(QByteArray(expected)) : std::nullopt)
            << path.toStdString();
    EXPECT_EQ(download(wrapper, "http://127.0.0.1:1/"), std::nullopt); // nobody listens
    for (const auto& request : server.requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_FALSE(request.headers.contains("authorization") || request.headers.contains("content-type"));
    }
}

// A POST stays a POST with its body and headers through redirects; used again without a body, a GET.
TEST(UrlConnectionWrapper, RedirectsKeepMethodHeadersAndBody)
{
    HttpTestServer server([](const HttpTestServer::Request& r) {
        return r.target == "/a" ? redirect(301, "/c?x=1")
                                : HttpTestServer::reply(200, r.method + " " + r.body);
    });
    Wrapper wrapper;
    EXPECT_EQ(download(wrapper, server.url("/a"), "ZirnTest/1.0", "x=%20"), QByteArray("POST x=%20"));
    EXPECT_EQ(download(wrapper, server.url("/a")), QByteArray("GET "));
    ASSERT_EQ(server.requests.size(), 4);
    EXPECT_EQ(server.requests[1].target, "/c?x=1");
    for (const auto& r : server.requests)
        EXPECT_EQ(r.headers.value("user-agent") + " " + r.headers.value("content-type") + " " +
                      r.headers.value("content-length", "-") + " " + r.body,
                  r.method == "POST" ? "ZirnTest/1.0 application/x-www-form-urlencoded 5 x=%20"
                                     : "ZirnTest/1.0  - ");
}
