#include "core/update/C_AutoUpdate.h"

#include "HttpTestServer.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "core/DefaultsStore.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace zirn;
using test::HttpTestServer;

namespace {

const QDateTime kNow(QDate(2026, 12, 5), QTime(6, 52, 58), QTimeZone::utc());

QByteArray document(const QByteArray& version, const QByteArray& help = "https://www.zirn-pdf.org/release",
                    const QByteArray& title = "Zirn PDF Writer", const QByteArray& info = "")
{
    return "<?xml version=\"1.0\"?><response><update><version>" + version + "</version><application>" +
           title + "</application><info>" + info + "</info><help>" + help + "</help></update></response>";
}

class AutoUpdateTest : public ::testing::Test
{
protected:
    std::unique_ptr<C_AutoUpdate> makeUpdater(const QString& url)
    {
        auto result = std::make_unique<C_AutoUpdate>(url, store, desktop);
        result->setCurrentVersion("1.9");
        result->setClock([] { return kNow; });
        result->setIdentifierSource([] { return QStringLiteral("0010-0041-0000-AA04"); });
        return result;
    }

    // Runs one check and waits until its download has ended. True when a request was sent.
    bool check(bool force = false, C_AutoUpdate* which = nullptr)
    {
        C_AutoUpdate* u = which ? which : updater.get();
        const auto before = server.requests.size();
        u->checkForUpdate(force);
        EXPECT_TRUE(test::waitFor([u] { return u->pNSURLConnectionWrapper()->pConnection() == nullptr; }));
        return server.requests.size() > before;
    }

    DefaultsStore store{test::freshFolder("update") + "/defaults.json"};
    test::RecordingDesktop desktop;
    QByteArray body = document("1.10");
    HttpTestServer server{
        [this](const HttpTestServer::Request&) { return HttpTestServer::reply(200, body); }};
    std::unique_ptr<C_AutoUpdate> updater = makeUpdater(server.url("/common/update.php?p=zirn_mac"));
};

} // namespace

TEST_F(AutoUpdateTest, RequestAndWeekRule)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(server.requests.last().target, "/common/update.php?p=zirn_mac&v=1.9&id=0010-0041-0000-AA04");
    const auto plain = makeUpdater(server.url("/update"));
    plain->setCurrentVersion("2.0 beta");
    EXPECT_EQ(plain->requestUrl(), server.url("/update?v=2.0 beta&id=0010-0041-0000-AA04"));

    // Each row: the last check as stored, whether the check is forced, and whether it asks the server.
    const auto ago = [](qint64 s) { return QVariant(C_AutoUpdate::formatTimestamp(kNow.addSecs(-s))); };
    const qint64 week = C_AutoUpdate::kWeekSeconds;
    const std::tuple<QVariant, bool, bool> cases[] = {
        {ago(week - 1), false, false}, {ago(week), false, true},      {ago(-3600), false, false},
        {ago(-3600), true, true},      {"last tuesday", false, true}, {QVariant(), false, true}};
    for (const auto& [stored, force, sent] : cases) {
        store.setObject(stored, "LastAutoUpdateCheck");
        EXPECT_EQ(check(force), sent) << stored.toString().toStdString();
        // Every completed response is a check, also one that shows nothing.
        EXPECT_EQ(store.stringForKey("LastAutoUpdateCheck"),
                  sent ? C_AutoUpdate::formatTimestamp(kNow) : stored.toString());
    }
    // A failed download keeps the last check.
    store.setObject(ago(30 * 86400), "LastAutoUpdateCheck");
    const auto unreachable = makeUpdater("http://127.0.0.1:1/update");
    EXPECT_FALSE(check(false, unreachable.get()));
    EXPECT_EQ(store.stringForKey("LastAutoUpdateCheck"), ago(30 * 86400).toString());
}

// Each row: the server's answer to version 1.9, the first preferred language, the notice's title
// and message (none: no notice), and the page opened. "Yes" is answered; the page opens only when
// it is a web address with a host. Long texts are elided, never by half a character.
TEST_F(AutoUpdateTest, DocumentTable)
{
    const QByteArray info = "<en>New!</en><de>Neu!</de>";
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
        {document("1.9"), "en", {}, nullptr},
        {document("5", "https:///no-host", "A"), "en", {"A", ""}, nullptr},
        {document("5", "file:///etc/passwd", "A"), "en", {"A", ""}, nullptr},
        {"not xml at all", "en", {}, nullptr},
        {"<update><application>A</application><help>http://x/</help></update>", "en", {}, nullptr},
        {"<update><version>9</version><help>http://x/</help></update>", "en", {}, nullptr},
        {"<update><version>9</version><application>A</application></update>", "en", {}, nullptr},
        {entity, "en", {"&e;", ""}, "http://x/"},
        {withTexts("t" + t, fits), "en", {"t" + t, fits}, "https://x/"},
        {withTexts("tt" + t, i + i), "en", {t + e, i + e}, "https://x/"},
        {withTexts(t.left(198) + face + "tail", ""), "en", {t.left(198) + e, ""}, "https://x/"},
    };
    desktop.noticeAnswer = true;
    for (const auto& [answer, language, notice, opened] : cases) {
        SCOPED_TRACE(answer.left(80).toStdString() + " " + language);
        desktop.notices.clear();
        desktop.openedUrls.clear();
        store.setObject(QVariantList{language}, "AppleLanguages");
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
}

// A code that would change the query is never put into it.
// The ends of both letter ranges pass.
TEST_F(AutoUpdateTest, HostileLanguageCodes)
{
    for (const auto& [languages, code] : {std::pair{QVariantList{"*]|//help|x["}, "en"}, {{"d*"}, "en"},
                                          {{".."}, "en"}, {{"@Z"}, "en"}, {{"a{"}, "en"}, {{}, "en"},
                                          {{"az"}, "az"}, {{"AZ"}, "AZ"}, {{"zA-CH"}, "zA"}}) {
        store.setObject(languages, "AppleLanguages");
        EXPECT_EQ(updater->languageCode(), QString::fromLatin1(code)) << code;
    }
}

// Versions from old to new: each is older than every one after it.
TEST(AutoUpdate, VersionComparison)
{
    const QString huge(22, u'9');
    const QString versions[] = {"1.0",   "1.0a", "1.0b", "1.9", "1.10",    "2.0",
                                "2.0.1", "9",    "10",   huge,  huge + "9"};
    for (std::size_t i = 0; i < std::size(versions); ++i)
        for (std::size_t j = i + 1; j < std::size(versions); ++j)
            EXPECT_TRUE(C_AutoUpdate::compareVersions(versions[i], versions[j]) < 0 &&
                        C_AutoUpdate::compareVersions(versions[j], versions[i]) > 0)
                << versions[i].toStdString() << " " << versions[j].toStdString();
    EXPECT_EQ(C_AutoUpdate::compareVersions("2.0", "2.0"), 0);
    EXPECT_EQ(C_AutoUpdate::compareVersions("1.05", "1.5"), 0);
}

TEST_F(AutoUpdateTest, Timestamps)
{
    EXPECT_EQ(C_AutoUpdate::formatTimestamp(kNow), QStringLiteral("2026-12-05 06:52:58 +0000"));
    EXPECT_EQ(C_AutoUpdate::parseTimestamp("2026-12-04 22:52:58 -0800"), kNow);
    for (const char* bad : {"", "2026-12-05", "2026-12-05 06:52:58", "2026-13-05 06:52:58 +0000",
                            "2026-12-05 06:52:58 +0000 extra"})
        EXPECT_FALSE(C_AutoUpdate::parseTimestamp(bad).has_value()) << bad;
    // The window shows nothing for an unreadable stored moment.
    store.setObject("last tuesday", "LastAutoUpdateCheck");
    EXPECT_FALSE(updater->getLastUpdateCheck().has_value());
}
