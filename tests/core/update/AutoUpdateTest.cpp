#include "core/update/C_AutoUpdate.h"

#include "HttpTestServer.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "core/DefaultsStore.h"
#include "core/update/UpdateDocument.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace zirn;
using test::HttpTestServer;

namespace {

const QDateTime kNow(QDate(2026, 12, 5), QTime(6, 52, 58), QTimeZone::utc());

QByteArray updateDocument(const QByteArray& version, const QByteArray& extra = {})
{
    return "<?xml version=\"1.0\"?><response><update><version>" + version +
           "</version><application>Zirn PDF Writer</application>"
           "<info><en>Version " +
           version + " is out. 100% better!</en><de>Version " + version +
           " ist da.</de></info><help>https://www.zirn-pdf.org/release?v=" + version + "</help>" + extra +
           "</update></response>";
}

class AutoUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        storePath = test::freshFolder(QStringLiteral("update")) + QStringLiteral("/defaults.json");
        store = std::make_unique<DefaultsStore>(storePath);
        store->setObject(QVariantList{QStringLiteral("en-US")}, QStringLiteral("AppleLanguages"));
        server = std::make_unique<HttpTestServer>(
            [this](const HttpTestServer::Request&) { return HttpTestServer::reply(status, body); });
        updater = makeUpdater(server->url(QStringLiteral("/common/update.php?p=zirn_mac")));
    }

    std::unique_ptr<C_AutoUpdate> makeUpdater(const QString& url)
    {
        auto result = std::make_unique<C_AutoUpdate>(url, *store, desktop);
        result->setCurrentVersion(QStringLiteral("1.9"));
        result->setClock([this] { return clock; });
        result->setIdentifierSource([] { return QStringLiteral("0010-0041-0000-AA04"); });
        return result;
    }

    // Runs one check and waits until its download has ended. True when a request was sent.
    bool check(bool force = false, C_AutoUpdate* which = nullptr)
    {
        C_AutoUpdate* u = which ? which : updater.get();
        const auto before = server->requests.size();
        u->checkForUpdate(force);
        EXPECT_TRUE(test::waitFor([u] { return u->pNSURLConnectionWrapper()->pConnection() == nullptr; }));
        return server->requests.size() > before;
    }

    void storeLastCheck(const QDateTime& moment)
    {
        store->setObject(C_AutoUpdate::formatTimestamp(moment), QStringLiteral("LastAutoUpdateCheck"));
    }

    std::optional<QString> lastCheck() { return store->stringForKey(QStringLiteral("LastAutoUpdateCheck")); }

    QString storePath;
    std::unique_ptr<DefaultsStore> store;
    test::RecordingDesktop desktop;
    std::unique_ptr<HttpTestServer> server;
    std::unique_ptr<C_AutoUpdate> updater;
    QDateTime clock = kNow;
    int status = 200;
    QByteArray body = updateDocument("1.10");
};

} // namespace

TEST_F(AutoUpdateTest, RequestAndWeekRule)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(server->requests.last().target, "/common/update.php?p=zirn_mac&v=1.9&id=0010-0041-0000-AA04");
    const auto plain = makeUpdater(server->url("/update"));
    plain->setCurrentVersion("2.0 beta");
    EXPECT_EQ(plain->requestUrl(), server->url("/update?v=2.0 beta&id=0010-0041-0000-AA04"));

    const QVariant week = C_AutoUpdate::kWeekSeconds;
    const struct
    {
        QVariant stored; // seconds before now, a text, or nothing
        bool force;
        bool sent;
    } cases[] = {{week.toLongLong() - 1, false, false},
                 {week, false, true},
                 {-3600, false, false},
                 {-3600, true, true},
                 {"last tuesday", false, true},
                 {QVariant(), false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toString().toStdString());
        store->setObject(c.stored.typeId() == QMetaType::QString ? c.stored
                         : c.stored.isValid()
                             ? QVariant(C_AutoUpdate::formatTimestamp(kNow.addSecs(-c.stored.toLongLong())))
                             : QVariant(),
                         "LastAutoUpdateCheck");
        EXPECT_EQ(check(c.force), c.sent);
    }
}

TEST_F(AutoUpdateTest, TimestampWrittenForEveryCompletedResponseOnly)
{
    status = 404;
    body = "<html>Not Found</html>";
    ASSERT_TRUE(check());
    EXPECT_EQ(lastCheck(), QStringLiteral("2026-12-05 06:52:58 +0000"));
    EXPECT_TRUE(desktop.notices.isEmpty());

    // A failed download keeps the old timestamp.
    clock = kNow.addDays(30);
    const auto unreachable = makeUpdater(QStringLiteral("http://127.0.0.1:1/update"));
    unreachable->checkForUpdate(true);
    ASSERT_TRUE(
        test::waitFor([&] { return unreachable->pNSURLConnectionWrapper()->pConnection() == nullptr; }));
    EXPECT_EQ(lastCheck(), QStringLiteral("2026-12-05 06:52:58 +0000"));
}

// Each row: the running version, the update document, the first preferred language, and the
// notice's message (nullptr: no notice). "Yes" is answered; the page opens only when it is a
// web address with a host.
TEST_F(AutoUpdateTest, DocumentTable)
{
    const auto doc = [](const char* version, const char* help, const char* info = "") {
        return QByteArray("<update><version>") + version + "</version><application>A</application>" + info +
               "<help>" + help + "</help></update>";
    };
    const QByteArray entity =
        "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><update><version>9</version>"
        "<application>&e;</application><help>http://x/</help></update>";
    const struct
    {
        const char* running;
        QByteArray body;
        const char* language;
        const char* message;
        const char* opened;
    } cases[] = {
        {"1.9", updateDocument("1.10"), "en-US", "Version 1.10 is out. 100% better!",
         "https://www.zirn-pdf.org/release?v=1.10"},
        {"1.9", updateDocument("1.10"), "de-DE", "Version 1.10 ist da.",
         "https://www.zirn-pdf.org/release?v=1.10"},
        {"1.9", updateDocument("1.10"), "fr-FR", "Version 1.10 is out. 100% better!",
         "https://www.zirn-pdf.org/release?v=1.10"},
        {"1.10", updateDocument("1.9"), "en", nullptr, nullptr},
        {"2.0", updateDocument("2.0"), "en", nullptr, nullptr},
        {"2.0", updateDocument("2.0.1"), "en", "Version 2.0.1 is out. 100% better!",
         "https://www.zirn-pdf.org/release?v=2.0.1"},
        {"1.0.0", updateDocument("1.0.0a"), "en", "Version 1.0.0a is out. 100% better!",
         "https://www.zirn-pdf.org/release?v=1.0.0a"},
        {"1", doc("5", "http://x/"), "en", "", "http://x/"},
        {"1", doc("5", "https:///no-host"), "en", "", nullptr},
        {"1", doc("5", "file:///etc/passwd"), "en", "", nullptr},
        {"1", doc("5", "javascript:alert(1)"), "en", "", nullptr},
        {"1", doc("5", "zirn-handler://x"), "en", "", nullptr},
        {"1", doc("5", "not a url"), "en", "", nullptr},
        {"1", "", "en", nullptr, nullptr},
        {"1", "not xml at all", "en", nullptr, nullptr},
        {"1", "<update><version>9</version>", "en", nullptr, nullptr},
        {"1", "<update><application>A</application><help>http://x/</help></update>", "en", nullptr, nullptr},
        {"1", "<update><version>9</version><help>http://x/</help></update>", "en", nullptr, nullptr},
        {"1", "<update><version>9</version><application>A</application></update>", "en", nullptr, nullptr},
        {"1", entity, "en", "", "http://x/"},
    };
    desktop.noticeAnswer = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.left(80).toStdString());
        desktop.notices.clear();
        desktop.openedUrls.clear();
        store->setObject(QVariant(), "LastAutoUpdateCheck");
        store->setObject(QVariantList{c.language}, "AppleLanguages");
        updater->setCurrentVersion(c.running);
        body = c.body;
        ASSERT_TRUE(check(true));
        EXPECT_TRUE(lastCheck().has_value());
        ASSERT_EQ(desktop.notices.size(), c.message ? 1 : 0);
        if (c.message) {
            EXPECT_EQ(desktop.notices[0].message, QString::fromUtf8(c.message)); // shown literally
            EXPECT_FALSE(desktop.notices[0].title.contains("root:"));
            EXPECT_EQ(desktop.notices[0].defaultButton, "Yes");
            EXPECT_EQ(desktop.notices[0].alternateButton, "No");
        }
        EXPECT_EQ(desktop.openedUrls, c.opened ? QList<QUrl>{QUrl(c.opened)} : QList<QUrl>{});
    }
    // "No" opens nothing.
    desktop.noticeAnswer = false;
    updater->setCurrentVersion("1");
    body = updateDocument("2");
    desktop.openedUrls.clear();
    ASSERT_TRUE(check(true));
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
}

TEST_F(AutoUpdateTest, OversizedServerTextsAreElided)
{
    const QString ellipsis(QChar(0x2026));
    const QString emoji = QStringLiteral("\U0001F600"); // two UTF-16 units, never cut in half
    const struct
    {
        QString title, info, shownTitle, shownInfo;
    } cases[] = {
        {QString(200, u't'), QString(4000, u'i'), QString(200, u't'), QString(4000, u'i')},
        {QString(201, u't'), QString(950000, u'i'), QString(199, u't') + ellipsis,
         QString(3999, u'i') + ellipsis},
        {QString(198, u't') + emoji + "tail", QString(), QString(198, u't') + ellipsis, QString()},
    };
    for (const auto& c : cases) {
        body = "<update><version>9</version><application>" + c.title.toUtf8() + "</application><info><en>" +
               c.info.toUtf8() + "</en></info><help>https://x/</help></update>";
        ASSERT_TRUE(check(true));
        ASSERT_FALSE(desktop.notices.isEmpty());
        EXPECT_EQ(desktop.notices.last().title, c.shownTitle);
        EXPECT_EQ(desktop.notices.last().message, c.shownInfo);
    }
}

TEST_F(AutoUpdateTest, LanguageCodesAndXmlLookups)
{
    // A code that would change the query is never put into it.
    for (const QVariantList& hostile : {QVariantList{"*]|//help|x["}, {"d*"}, {".."}, {}}) {
        store->setObject(hostile, "AppleLanguages");
        EXPECT_EQ(updater->languageCode(), QStringLiteral("en"));
    }
    const auto doc = UpdateDocument::parse("<r><update><info><en>E<b>bold</b>!</en></info></update>"
                                           "<x><update><version>2</version></update></x>"
                                           "<update><version>1</version></update></r>");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->firstString("//update/version"), QStringLiteral("2")); // document order
    EXPECT_EQ(C_AutoUpdate::getStringFromXml(*doc, "//update/info/%1", "de"), QStringLiteral("Ebold!"));
    EXPECT_EQ(C_AutoUpdate::getStringFromXml(*doc, "//update/nothing/%1", "de"), QString());
    EXPECT_FALSE(doc->firstString("//[[bad").has_value());
    EXPECT_FALSE(doc->firstString("count(//update)").has_value());
    EXPECT_EQ(UpdateDocument::parse("<unclosed>"), nullptr);
}

TEST(AutoUpdate, VersionComparison)
{
    const struct
    {
        const char *a, *b;
        int sign;
    } cases[] = {
        {"1.9", "1.10", -1}, {"2.0", "2.0.1", -1}, {"2.0", "2.0", 0},
        {"1.05", "1.5", 0},  {"10", "9", 1},       {"1.0b", "1.0a", 1},
        {"1.10", "1.9", 1},  {"9", "10", -1},      {"99999999999999999999999", "9999999999999999999999", 1}};
    for (const auto& c : cases) {
        const int result = C_AutoUpdate::compareVersions(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " " << c.b;
    }
}

TEST(AutoUpdate, TimestampsAndTheirDisplay)
{
    EXPECT_EQ(C_AutoUpdate::formatTimestamp(kNow), QStringLiteral("2026-12-05 06:52:58 +0000"));
    EXPECT_EQ(C_AutoUpdate::parseTimestamp("2026-12-04 22:52:58 -0800"), kNow);
    for (const char* bad : {"", "2026-12-05", "2026-12-05 06:52:58", "2026-13-05 06:52:58 +0000",
                            "2026-12-05 06:52:58 +0000 extra"})
        EXPECT_FALSE(C_AutoUpdate::parseTimestamp(bad).has_value()) << bad;
    const QString old = C_AutoUpdate::formatForDisplay(kNow.addYears(-2), "en_US");
    EXPECT_TRUE(old.startsWith("Dec 5, 2024")) << old.toStdString();

    DefaultsStore store(test::freshFolder("update") + "/display.json");
    test::RecordingDesktop desktop;
    C_AutoUpdate updater("https://example.invalid/u", store, desktop);
    updater.setDisplayLocale("en_US");
    EXPECT_FALSE(updater.getLastUpdateCheck().has_value());
    store.setObject(C_AutoUpdate::formatTimestamp(QDateTime::currentDateTimeUtc()), "LastAutoUpdateCheck");
    EXPECT_TRUE(updater.getLastUpdateCheck()->startsWith("today", Qt::CaseInsensitive));
}
