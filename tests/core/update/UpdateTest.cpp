#include "core/DefaultsStore.h"
#include "core/update/HttpDownload.h"
#include "core/update/MachineFacts.h"
#include "core/update/MachineId.h"
#include "core/update/UpdateCheck.h"

#include "HttpTestServer.h"
#include "Recorders.h"
#include "TestSupport.h"

#include <QDir>
#include <QTimeZone>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/utsname.h>

using namespace zirn;
using test::HttpTestServer;
using Link = MachineFacts::LinkAddress;

namespace {

const QDateTime kNow(QDate(2026, 12, 5), QTime(6, 52, 58), QTimeZone::utc());

QByteArray document(const QByteArray& version, const QByteArray& help = "https://www.zirn-pdf.org/release",
                    const QByteArray& title = "Zirn PDF Writer", const QByteArray& info = "")
{
    return "<?xml version=\"1.0\"?><response><update><version>" + version + "</version><application>" +
           title + "</application><info>" + info + "</info><help>" + help + "</help></update></response>";
}

class UpdateCheckTest : public ::testing::Test
{
protected:
    std::unique_ptr<UpdateCheck> makeUpdater(const QString& url)
    {
        auto result = std::make_unique<UpdateCheck>(url, store, desktop);
        result->setCurrentVersion("1.9");
        result->setClock([] { return kNow; });
        result->setIdentifierSource([] { return QStringLiteral("0010-0041-0000-AA04"); });
        return result;
    }

    // Runs one check and waits until its download has ended. True when a request was sent.
    bool check(bool force = false, UpdateCheck* which = nullptr)
    {
        UpdateCheck* u = which ? which : updater.get();
        const auto before = server.requests.size();
        u->checkForUpdate(force);
        EXPECT_TRUE(test::waitFor([u] { return u->download()->reply() == nullptr; }));
        return server.requests.size() > before;
    }

    DefaultsStore store{test::freshFolder("update") + "/defaults.json"};
    test::RecordingDesktop desktop;
    QByteArray body = document("1.10");
    HttpTestServer server{
        [this](const HttpTestServer::Request&) { return HttpTestServer::reply(200, body); }};
    std::unique_ptr<UpdateCheck> updater = makeUpdater(server.url("/common/update.php?p=zirn_mac"));
};

} // namespace

TEST_F(UpdateCheckTest, RequestAndWeekRule)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(server.requests.last().target, "/common/update.php?p=zirn_mac&v=1.9&id=0010-0041-0000-AA04");
    const auto plain = makeUpdater(server.url("/update"));
    plain->setCurrentVersion("2.0 beta");
    EXPECT_EQ(plain->requestUrl(), server.url("/update?v=2.0 beta&id=0010-0041-0000-AA04"));

    // Each row: the last check as stored, whether the check is forced, and whether it asks the server.
    // The moment is stored with its offset from UTC; what cannot be read counts as no check.
    const auto ago = [](qint64 s) { return QVariant(UpdateCheck::formatTimestamp(kNow.addSecs(-s))); };
    const qint64 week = UpdateCheck::kWeekSeconds;
    const std::tuple<QVariant, bool, bool> cases[] = {{ago(week - 1), false, false},
                                                      {ago(week), false, true},
                                                      {ago(-3600), false, false},
                                                      {ago(-3600), true, true},
                                                      {"2026-11-27 22:52:59 -0800", false, false},
                                                      {"last tuesday", false, true},
                                                      {"2026-12-05 06:52:58", false, true},
                                                      {"2026-13-05 06:52:58 +0000", false, true},
                                                      {"2026-12-05 06:52:58 +0000 extra", false, true},
                                                      {QVariant(), false, true}};
    for (const auto& [stored, force, sent] : cases) {
        store.setValue("LastAutoUpdateCheck", stored);
        EXPECT_EQ(check(force), sent) << stored.toString().toStdString();
        // Every completed response is a check, also one that shows nothing.
        EXPECT_EQ(store.stringValue("LastAutoUpdateCheck"),
                  sent ? "2026-12-05 06:52:58 +0000" : stored.toString());
    }
    store.setValue("LastAutoUpdateCheck", "last tuesday");
    EXPECT_FALSE(updater->lastCheckText().has_value()); // the window shows nothing for it
    // A failed download keeps the last check.
    store.setValue("LastAutoUpdateCheck", ago(30 * 86400));
    const auto unreachable = makeUpdater("http://127.0.0.1:1/update");
    EXPECT_FALSE(check(false, unreachable.get()));
    EXPECT_EQ(store.stringValue("LastAutoUpdateCheck"), ago(30 * 86400).toString());
    // A response during a Create is a check at once, also when its notice is then dropped.
    desktop.notices.clear();
    updater->holdResult();
    ASSERT_TRUE(check(true));
    updater->dropResult();
    EXPECT_EQ(store.stringValue("LastAutoUpdateCheck"), "2026-12-05 06:52:58 +0000");
    EXPECT_TRUE(desktop.notices.isEmpty());
}

// Each row: the server's answer to version 1.9, the first preferred language, the notice's title
// and message (none: no notice), and the page opened. "Yes" is answered; the page opens only when
// it is a web address with a host. Long texts are elided, never by half a character. A language
// code that would change the query is never put into it; the ends of both letter ranges pass.
TEST_F(UpdateCheckTest, DocumentTable)
{
    const QByteArray info = "<en>New!</en><de>Neu!</de><zA>zA</zA><aZ>aZ</aZ>";
    const QByteArray entity =
        "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><update><version>9</version>"
        "<application>&e;</application><help>http://x/</help></update>";
    const QString t(199, u't'), i(3999, u'i'), e(QChar(0x2026)), face = QStringLiteral("\U0001F600");
    const QString fits = "<b>%1</b> " + i.left(3990); // exactly the most, shown as it is
    const auto withTexts = [](const QString& title, const QString& message) {
        return document("9", "https://x/", title.toUtf8(), "<en><![CDATA[" + message.toUtf8() + "]]></en>");
    };
    const std::tuple<QByteArray, const char*, QStringList, const char*> cases[] = {
        {document("1.10", "http://x/", "A", info), "en-US", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "de-DE", {"A", "Neu!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "fr-FR", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", "<de>Neu!</de>"), "fr-FR", {"A", ""}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "*]|//help|x[", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "..", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "@Z", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "a{", {"A", "New!"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "zA-CH", {"A", "zA"}, "http://x/"},
        {document("1.10", "http://x/", "A", info), "aZ", {"A", "aZ"}, "http://x/"},
        {document("1.9"), "en", {}, nullptr},
        {document("5", "https:///no-host", "A"), "en", {"A", ""}, nullptr},
        {document("5", "file:///etc/passwd", "A"), "en", {"A", ""}, nullptr},
        {"not xml at all", "en", {}, nullptr},
        {document("9").chopped(30), "en", {}, nullptr}, // cut off
        {"<update><application>A</application><help>http://x/</help></update>", "en", {}, nullptr},
        {"<update><version>9</version><help>http://x/</help></update>", "en", {}, nullptr},
        {"<update><version>9</version><application>A</application></update>", "en", {}, nullptr},
        {entity, "en", {"", ""}, "http://x/"},                        // never loaded
        {document("9") + "<update/>", "en", {}, nullptr},             // two top-level elements
        {document("9", "http://x/", "A &bogus;"), "en", {}, nullptr}, // undeclared entity
        {document("9", "http://x/", "caf\xE9"), "en", {}, nullptr},   // not UTF-8
        {document("9", "http://x/", "Zirn<b/> <b/>PDF Writer"), "en", {"Zirn PDF Writer", ""}, "http://x/"},
        {withTexts("t" + t, fits), "en", {"t" + t, fits}, "https://x/"},
        {withTexts("tt" + t, i + i), "en", {t + e, i + e}, "https://x/"},
        {withTexts(t.left(198) + face + "tail", ""), "en", {t.left(198) + e, ""}, "https://x/"},
    };
    desktop.noticeAnswer = true;
    for (const auto& [answer, language, notice, opened] : cases) {
        SCOPED_TRACE(answer.left(80).toStdString() + " " + language);
        desktop.notices.clear();
        desktop.openedUrls.clear();
        store.setValue("AppleLanguages", QVariantList{language});
        body = answer;
        ASSERT_TRUE(check(true));
        ASSERT_EQ(desktop.notices.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty()) {
            EXPECT_EQ((QStringList{desktop.notices[0].title, desktop.notices[0].message}), notice);
        }
        EXPECT_EQ(desktop.openedUrls, opened ? QList<QUrl>{QUrl(opened)} : QList<QUrl>{});
    }
    // "No" opens nothing.
    desktop.noticeAnswer = false;
    desktop.openedUrls.clear();
    ASSERT_TRUE(check(true));
    EXPECT_EQ(desktop.notices.size(), 2);
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    // Versions from old to new: each is older than every one after it.
    const QString versions[] = {"1", "1.0a", "1.0b", "1.9", "1.10", "2.0", "2.0.1", "10", QString(22, u'9')};
    for (std::size_t i = 0; i < std::size(versions); ++i)
        for (std::size_t j = i + 1; j < std::size(versions); ++j)
            EXPECT_TRUE(UpdateCheck::compareVersions(versions[i], versions[j]) < 0 &&
                        UpdateCheck::compareVersions(versions[j], versions[i]) > 0)
                << versions[i].toStdString() << " " << versions[j].toStdString();
    EXPECT_EQ(UpdateCheck::compareVersions("1.05", "1.5"), 0);
}

namespace {

// Downloads url and checks that the result came exactly once.
std::optional<QByteArray> download(HttpDownload& http, const QString& url)
{
    QList<std::optional<QByteArray>> results;
    const auto connection = QObject::connect(&http, &HttpDownload::finished,
                                             [&](const std::optional<QByteArray>& b) { results.append(b); });
    http.start(url, std::nullopt);
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

// Each row: a path on the test server, its answer, and what the download delivers (nullptr: nothing).
TEST(HttpDownload, ResultTable)
{
    const QByteArray big(HttpDownload::kMaxBodySize + 1, 'x');
    // "hello" in gzip, with a checksum that does not match.
    const QByteArray badGzip("\x1f\x8b\x08\0\0\0\0\0\0\x03\x01\x05\0\xfa\xffhello\0\0\0\0\x05\0\0\0", 28);
    const std::tuple<QByteArray, HttpTestServer::Response, const char*> cases[] = {
        {"/ok", HttpTestServer::reply(200, "<update/>"), "<update/>"},
        {"/empty", HttpTestServer::reply(200, {}), ""},
        {"/missing", HttpTestServer::reply(404, "<h1>Not here</h1>"), "<h1>Not here</h1>"},
        {"/first", redirect(307, "/ok"), "<update/>"}, // only the last response counts
        {"/auth", HttpTestServer::reply(401, "who", "WWW-Authenticate: Basic realm=\"z\"\r\n"), nullptr},
        {"/no-challenge", HttpTestServer::reply(401, "who"), "who"},
        {"/gzip", HttpTestServer::reply(200, badGzip, "Content-Encoding: gzip\r\n"), nullptr},
        {"/gzip-missing", HttpTestServer::reply(404, badGzip, "Content-Encoding: gzip\r\n"), nullptr},
        {"/huge", HttpTestServer::reply(200, big), nullptr},
        {"/huge-unannounced", {"HTTP/1.1 200 OK\r\n\r\n" + big, true}, nullptr},
        {"/fat-headers",
         HttpTestServer::reply(200, "", "X: " + QByteArray(HttpDownload::kMaxHeaderSize, 'h') + "\r\n"),
         nullptr},
        {"/loop", redirect(302, "/loop"), nullptr},
        {"/hop/20", {}, "<update/>"}, // the longest chain of redirects taken: /hop/N leads to N - 1
        {"/hop/21", {}, nullptr},
        {"/cut", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort", true}, nullptr},
        {"/hangup", {{}, true}, nullptr},
        {"/to-file", redirect(302, "file:///etc/passwd"), nullptr},
        {"/to-qrc", redirect(302, "qrc:/zirn/Zirn.ini"), nullptr},
        {"/to-data", redirect(302, "data:text/xml,%3Cupdate/%3E"), nullptr},
        {"/endless-headers", {"HTTP/1.1 200 OK\r\nX-Slow: ", false}, nullptr}, // ended by the time limit
    };
    HttpTestServer server([&](const HttpTestServer::Request& r) {
        if (r.target.startsWith("/hop/")) {
            const int left = r.target.mid(5).toInt();
            return left == 0 ? HttpTestServer::reply(200, "<update/>")
                             : redirect(301, "/hop/" + QByteArray::number(left - 1));
        }
        for (const auto& [path, response, _] : cases)
            if (path == r.target)
                return response;
        return HttpTestServer::Response{};
    });
    HttpDownload http; // one object, used again and again; every other failure ends well within its time
    for (const auto& [path, response, expected] : cases) {
        http.setTimeLimit(path == "/endless-headers" ? 3000 : HttpDownload::kDefaultTimeLimitMs);
        EXPECT_EQ(download(http, server.url(path)),
                  expected ? std::optional(QByteArray(expected)) : std::nullopt)
            << path.toStdString();
    }
    EXPECT_EQ(download(http, "http://127.0.0.1:1/"), std::nullopt); // nobody listens
    for (const auto& request : server.requests)
        EXPECT_FALSE(request.headers.contains("authorization")); // not even after the 401
}

namespace {

struct Facts
{
    std::optional<QString> serial;
    std::optional<QByteArray> uuid;
    std::optional<QList<Link>> links;
    std::optional<QStringList> models;
    std::array<std::optional<int>, 3> version{};
};

class FakeFacts : public MachineFacts
{
public:
    explicit FakeFacts(Facts facts) : f(std::move(facts)) {}
    std::optional<QString> platformSerialNumber() override { return f.serial; }
    std::optional<QByteArray> rootVolumeUuid() override { return f.uuid; }
    std::optional<QList<Link>> linkAddresses() override { return f.links; }
    std::optional<QStringList> ataDiskModels() override { return f.models; }
    std::optional<int> systemVersionPart(int part) override
    {
        return f.version[static_cast<std::size_t>(part)];
    }
    Facts f;
};

} // namespace

// Each row: the identifier, the kind byte, and what the machine tells. The check byte (third
// from last) makes the XOR of all eight bytes 0xFF.
TEST(MachineIdentifier, WorkedExamples)
{
    const auto hex = [](const char* digits) { return QByteArray::fromHex(digits); };
    // clang-format off
    const std::tuple<const char*, std::uint8_t, Facts> cases[] = {
        {"0010-0041-0000-AA04", 4, {}},
        // Code units adding up to 0x1C6, 10.15.7, en0 at 00:11:22:33:44:55.
        {"C610-00F1-00FF-2304", 4, {.serial = "aaaa" + QString(QChar(0x1C6 - 0x184)),
                                    .links = QList<Link>{{"en0", true, hex("001122334455")}},
                                    .version = {10, 15, 7}}},
        // One code unit 0x20AC; only Ethernet entries of exactly "en0" count, all of them.
        {"AC10-8855-C607-5B04", 4, {.serial = "€", .uuid = hex("0102030405060708090a0b0c0d0e0f10"),
                                    .links = QList<Link>{{"en0", false, hex("ff")}, {"en1", true, hex("01")},
                                                         {"en0", true, hex("0102")}, {"lo", true, hex("ff")},
                                                         {"en0", true, hex("04")}},
                                    .models = QStringList{"AB", "C"}, .version = {14, 5, 0}}},
        {"0010-00F7-0000-8199", 0x99, {.uuid = QByteArray(16, '\x20'), .version = {6, 1, 0}}},
        {"0010-0041-0000-AA04", 4, {.version = {6, std::nullopt, 0}}},
        {"0010-0041-0000-AA04", 4, {.version = {6, 1, std::nullopt}}},
    };
    // clang-format on
    for (const auto& [identifier, kind, facts] : cases) {
        FakeFacts f(facts);
        EXPECT_EQ(MachineId::text(kind, f), QString::fromUtf8(identifier));
    }
    // The carry out of the top byte is lost; the minor part is not masked.
    EXPECT_EQ(MachineId::versionByte(0x1100), 0x02);
    FakeFacts unmasked({.version = {6, 17, 20}});
    EXPECT_EQ(MachineId::systemVersion(unmasked), (17 << 4) | (6 << 8) | 20);
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("6.1.0-28-amd64"), (std::array<int, 3>{6, 1, 0}));
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("5.15"), (std::array<int, 3>{5, 15, 0}));
    EXPECT_FALSE(LinuxMachineFacts::parseKernelRelease("unknown").has_value());
    EXPECT_FALSE(LinuxMachineFacts::parseKernelRelease("4294967296.1").has_value());
    EXPECT_EQ(LinuxMachineFacts::parseUuidText("3f2a-01"), QByteArray::fromHex("3f2a01"));
    EXPECT_TRUE(LinuxMachineFacts::parseUuidText("nonsense").isEmpty());
    // The facts read from a tree laid out like /sys and /dev: only disks behind an ATA host
    // count, and only the block device the tree itself lies on names the volume.
    const QString root = test::freshFolder("facts");
    LinuxMachineFacts empty(root + "/nothing"), tree(root);
    EXPECT_FALSE(empty.platformSerialNumber() || empty.ataDiskModels() || empty.rootVolumeUuid());
    const QString ata = "sys/devices/pci0/ata1/host0/sda", nvme = "sys/devices/pci0/nvme0/nvme0n1";
    for (const QString& folder : {QString(ata + "/device"), QString(nvme + "/device"), QString("sys/block"),
                                  QString("sys/class/dmi/id"), QString("dev/disk/by-uuid")})
        ASSERT_TRUE(QDir(root).mkpath(folder));
    for (const auto& [file, text] : {std::pair{"sys/class/dmi/id/product_serial", " C02X1 \n"},
                                     {"sys/devices/pci0/ata1/host0/sda/device/model", "Disk A\n"},
                                     {"sys/devices/pci0/nvme0/nvme0n1/device/model", "Disk B\n"},
                                     {"dev/disk/by-uuid/0badc0de", "not a device"}})
        ASSERT_TRUE(test::writeFile(root + "/" + file, text));
    ASSERT_TRUE(QFile::link("../devices/pci0/ata1/host0/sda", root + "/sys/block/sda"));
    ASSERT_TRUE(QFile::link("../devices/pci0/nvme0/nvme0n1", root + "/sys/block/nvme0n1"));
    EXPECT_EQ(tree.platformSerialNumber(), QStringLiteral("C02X1"));
    EXPECT_EQ(tree.ataDiskModels(), QStringList{"Disk A"});
    EXPECT_FALSE(tree.rootVolumeUuid().has_value());
    // Device nodes need root.
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(root).constData(), &info), 0);
    const QByteArray other = QFile::encodeName(root + "/dev/disk/by-uuid/1111-2222");
    const QByteArray same = QFile::encodeName(root + "/dev/disk/by-uuid/3f2a-01ab");
    if (::mknod(other.constData(), S_IFBLK | 0600, info.st_dev + 1) == 0 &&
        ::mknod(same.constData(), S_IFBLK | 0600, info.st_dev) == 0) {
        EXPECT_EQ(tree.rootVolumeUuid(), QByteArray::fromHex("3f2a01ab"));
    }
    // This machine has at least its loopback interface, and the kernel its release.
    EXPECT_TRUE(LinuxMachineFacts().linkAddresses().has_value());
    utsname names{};
    ASSERT_EQ(::uname(&names), 0);
    EXPECT_EQ(LinuxMachineFacts().systemVersionPart(1),
              LinuxMachineFacts::parseKernelRelease(names.release)->at(1));
}
