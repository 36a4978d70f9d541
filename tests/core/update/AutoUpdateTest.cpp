#include "core/update/C_AutoUpdate.h"

#include "BuildConfig.h"
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

TEST_F(AutoUpdateTest, RequestUrlIsBuiltWithoutEncoding)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(server->requests.last().target, "/common/update.php?p=zirn_mac&v=1.9&id=0010-0041-0000-AA04");
    EXPECT_EQ(server->requests.last().method, "GET");

    const auto plain = makeUpdater(server->url(QStringLiteral("/update")));
    plain->setCurrentVersion(QStringLiteral("2.0 beta"));
    EXPECT_EQ(plain->requestUrl(), server->url(QStringLiteral("/update?v=2.0 beta&id=0010-0041-0000-AA04")));
    EXPECT_EQ(C_AutoUpdate(QStringLiteral("u"), *store, desktop).currentVersion(),
              QStringLiteral(ZIRN_VERSION));
}

TEST_F(AutoUpdateTest, WeekRuleToTheSecond)
{
    storeLastCheck(kNow.addSecs(-C_AutoUpdate::kWeekSeconds + 1));
    EXPECT_FALSE(check());
    storeLastCheck(kNow.addSecs(-C_AutoUpdate::kWeekSeconds));
    EXPECT_TRUE(check());
    // A timestamp in the future suppresses automatic checks, not forced ones.
    storeLastCheck(kNow.addSecs(3600));
    EXPECT_FALSE(check());
    EXPECT_TRUE(check(/*force=*/true));
    // Nothing stored, or nothing readable: the check goes on.
    store->setObject(QStringLiteral("last tuesday"), QStringLiteral("LastAutoUpdateCheck"));
    EXPECT_TRUE(check());
    store->setObject(QVariant(), QStringLiteral("LastAutoUpdateCheck"));
    EXPECT_TRUE(check());
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

TEST_F(AutoUpdateTest, NoticeOnlyForNewerVersions)
{
    struct Case
    {
        const char* running;
        const char* offered;
        bool notice;
    };
    const Case cases[] = {{"1.9", "1.10", true},  {"1.10", "1.9", false},  {"2.0", "2.0", false},
                          {"2.0", "2.0.1", true}, {"2.0.1", "2.0", false}, {"1.0.0", "1.0.0a", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.running) + " -> " + c.offered);
        desktop.notices.clear();
        updater->setCurrentVersion(QString::fromLatin1(c.running));
        body = updateDocument(c.offered);
        ASSERT_TRUE(check(true));
        EXPECT_EQ(desktop.notices.size(), c.notice ? 1 : 0);
        EXPECT_TRUE(lastCheck().has_value());
    }
    ASSERT_EQ(desktop.notices.size(), 1);
    const auto& notice = desktop.notices.first();
    EXPECT_EQ(notice.title, QStringLiteral("Zirn PDF Writer"));
    EXPECT_EQ(notice.message, QStringLiteral("Version 1.0.0a is out. 100% better!")); // shown literally
    EXPECT_EQ(notice.defaultButton, QStringLiteral("Yes"));
    EXPECT_EQ(notice.alternateButton, QStringLiteral("No"));
    EXPECT_TRUE(desktop.openedUrls.isEmpty()); // "No"
}

TEST_F(AutoUpdateTest, YesOpensOnlyWebPages)
{
    desktop.noticeAnswer = true;
    ASSERT_TRUE(check(true));
    ASSERT_EQ(desktop.openedUrls.size(), 1);
    EXPECT_EQ(desktop.openedUrls.first(), QUrl(QStringLiteral("https://www.zirn-pdf.org/release?v=1.10")));

    for (const char* page :
         {"file:///etc/passwd", "javascript:alert(1)", "zirn-handler://x", "not a url", ""}) {
        body = "<update><version>9</version><application>A</application><help>" + QByteArray(page) +
               "</help></update>";
        ASSERT_TRUE(check(true));
    }
    EXPECT_EQ(desktop.openedUrls.size(), 1);
    EXPECT_EQ(desktop.notices.size(), 6);
}

TEST_F(AutoUpdateTest, OversizedServerTextsAreElided)
{
    const QString ellipsis(QChar(0x2026));
    const QString emoji = QStringLiteral("\U0001F600"); // two UTF-16 units
    const struct
    {
        QString title;
        QString info;
        QString shownTitle;
        QString shownInfo;
    } cases[] = {
        {QString(200, u't'), QString(4000, u'i'), QString(200, u't'), QString(4000, u'i')},
        {QString(201, u't'), QString(950000, u'i'), QString(199, u't') + ellipsis,
         QString(3999, u'i') + ellipsis},
        // A character outside the basic plane is never cut in half.
        {QString(198, u't') + emoji + QStringLiteral("tail"), QString(), QString(198, u't') + ellipsis,
         QString()},
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

TEST_F(AutoUpdateTest, LanguageChoiceAndFallback)
{
    store->setObject(QVariantList{QStringLiteral("de-DE"), QStringLiteral("en")},
                     QStringLiteral("AppleLanguages"));
    ASSERT_TRUE(check(true));
    EXPECT_EQ(desktop.notices.last().message, QStringLiteral("Version 1.10 ist da."));

    store->setObject(QVariantList{QStringLiteral("fr-FR")}, QStringLiteral("AppleLanguages"));
    ASSERT_TRUE(check(true));
    EXPECT_EQ(desktop.notices.last().message, QStringLiteral("Version 1.10 is out. 100% better!"));

    // A code that would change the query is never put into it.
    for (const QString& hostile :
         {QStringLiteral("*]|//help|x["), QStringLiteral("d*"), QStringLiteral("..")}) {
        store->setObject(QVariantList{hostile}, QStringLiteral("AppleLanguages"));
        EXPECT_EQ(updater->languageCode(), QStringLiteral("en"));
    }
    store->setObject(QVariantList{}, QStringLiteral("AppleLanguages"));
    EXPECT_EQ(updater->languageCode(), QStringLiteral("en"));

    // No info at all: an empty message.
    body = "<update><version>5</version><application>A</application><help>http://x/</help></update>";
    ASSERT_TRUE(check(true));
    EXPECT_EQ(desktop.notices.last().message, QString());
}

TEST_F(AutoUpdateTest, BrokenDocumentsEndTheCheckQuietly)
{
    const QByteArray bodies[] = {
        "",
        "not xml at all",
        "<update><version>9</version>",
        "<update><application>A</application></update>",
        "<update><version>9</version><help>http://x/</help></update>",
        "<update><version>9</version><application>A</application></update>",
        "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><update><version>9</version>"
        "<application>&e;</application><help>http://x/</help></update>",
    };
    for (const QByteArray& b : bodies) {
        body = b;
        store->setObject(QVariant(), QStringLiteral("LastAutoUpdateCheck"));
        ASSERT_TRUE(check(true));
        EXPECT_TRUE(lastCheck().has_value());
    }
    // Only the entity document is well-formed enough to show, and without the file's content.
    for (const auto& notice : desktop.notices)
        EXPECT_FALSE(notice.title.contains(QStringLiteral("root:")));
}

TEST_F(AutoUpdateTest, XmlLookups)
{
    const auto doc = UpdateDocument::parse("<r><update><info><en>E<b>bold</b>!</en></info></update>"
                                           "<x><update><version>2</version></update></x>"
                                           "<update><version>1</version></update></r>");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->firstString(QStringLiteral("//update/version")), QStringLiteral("2")); // document order
    EXPECT_EQ(C_AutoUpdate::getStringFromXml(*doc, QStringLiteral("//update/info/%1"), QStringLiteral("de")),
              QStringLiteral("Ebold!"));
    EXPECT_EQ(
        C_AutoUpdate::getStringFromXml(*doc, QStringLiteral("//update/nothing/%1"), QStringLiteral("de")),
        QString());
    EXPECT_FALSE(doc->firstString(QStringLiteral("//[[bad")).has_value());
    EXPECT_FALSE(doc->firstString(QStringLiteral("count(//update)")).has_value());
    EXPECT_EQ(UpdateDocument::parse("<unclosed>"), nullptr);
}

TEST(AutoUpdate, VersionComparison)
{
    EXPECT_LT(C_AutoUpdate::compareVersions("1.9", "1.10"), 0);
    EXPECT_LT(C_AutoUpdate::compareVersions("2.0", "2.0.1"), 0);
    EXPECT_EQ(C_AutoUpdate::compareVersions("2.0", "2.0"), 0);
    EXPECT_EQ(C_AutoUpdate::compareVersions("1.05", "1.5"), 0);
    EXPECT_GT(C_AutoUpdate::compareVersions("10", "9"), 0);
    EXPECT_GT(C_AutoUpdate::compareVersions("1.0b", "1.0a"), 0);
    EXPECT_GT(C_AutoUpdate::compareVersions("99999999999999999999999", "9999999999999999999999"), 0);
}

TEST(AutoUpdate, TimestampsAndTheirDisplay)
{
    EXPECT_EQ(C_AutoUpdate::formatTimestamp(kNow), QStringLiteral("2026-12-05 06:52:58 +0000"));
    EXPECT_EQ(C_AutoUpdate::parseTimestamp(QStringLiteral("2026-12-05 06:52:58 +0000")), kNow);
    EXPECT_EQ(C_AutoUpdate::parseTimestamp(QStringLiteral("2026-12-04 22:52:58 -0800")), kNow);
    for (const char* bad : {"", "2026-12-05", "2026-12-05 06:52:58", "2026-13-05 06:52:58 +0000", "yesterday",
                            "2026-12-05 06:52:58 +0000 extra"})
        EXPECT_FALSE(C_AutoUpdate::parseTimestamp(QString::fromLatin1(bad)).has_value()) << bad;

    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    EXPECT_TRUE(C_AutoUpdate::formatForDisplay(yesterday, QStringLiteral("en_US"))
                    .startsWith(QStringLiteral("yesterday"), Qt::CaseInsensitive));
    EXPECT_TRUE(C_AutoUpdate::formatForDisplay(yesterday, QStringLiteral("de_DE"))
                    .startsWith(QStringLiteral("gestern"), Qt::CaseInsensitive));
    const QString old = C_AutoUpdate::formatForDisplay(kNow.addYears(-2), QStringLiteral("en_US"));
    EXPECT_TRUE(old.startsWith(QStringLiteral("Dec 5, 2024"))) << old.toStdString();

    DefaultsStore store(test::scratchHome() + QStringLiteral("/update/display.json"));
    test::RecordingDesktop desktop;
    C_AutoUpdate updater(QStringLiteral("https://example.invalid/u"), store, desktop);
    updater.setDisplayLocale(QStringLiteral("en_US"));
    store.setObject(QVariant(), QStringLiteral("LastAutoUpdateCheck"));
    EXPECT_FALSE(updater.getLastUpdateCheck().has_value());
    store.setObject(C_AutoUpdate::formatTimestamp(QDateTime::currentDateTimeUtc()),
                    QStringLiteral("LastAutoUpdateCheck"));
    EXPECT_TRUE(updater.getLastUpdateCheck()->startsWith(QStringLiteral("today"), Qt::CaseInsensitive));
}
