#include "platform/DefaultsStore.h"

#include "TestSupport.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

using namespace zirn;

namespace {

QString freshPath(const char* name)
{
    const QString path = test::scratchHome() + QStringLiteral("/store/") + QString::fromUtf8(name) + ".json";
    QFile::remove(path);
    return path;
}

} // namespace

TEST(DefaultsStore, LocationFollowsXdgConfigHome)
{
    EXPECT_EQ(DefaultsStore::defaultLocation(),
              test::scratchHome() + QStringLiteral("/.config/org.zirn.PDFWriter/defaults.json"));
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/elsewhere/cfg");
    EXPECT_EQ(Paths::settingsFile(), QStringLiteral("/elsewhere/cfg/org.zirn.PDFWriter/Zirn.ini"));
    qputenv("XDG_CONFIG_HOME", old);
}

TEST(DefaultsStore, KindsSurviveAReopen)
{
    const QString path = freshPath("kinds");
    {
        DefaultsStore store(path);
        EXPECT_FALSE(store.objectForKey(QStringLiteral("Title")).isValid());
        EXPECT_FALSE(store.stringForKey(QStringLiteral("Title")).has_value());
        store.setObject(QStringLiteral("Grüße \"quoted\"\n\\"), QStringLiteral("Title"));
        store.setObject(QString(), QStringLiteral("PostAction"));
        store.setInteger(std::numeric_limits<qint64>::max(), QStringLiteral("Big"));
        store.setInteger(std::numeric_limits<qint64>::min(), QStringLiteral("Small"));
        store.setObject(1.0, QStringLiteral("WholeFraction"));
        store.setObject(0.25, QStringLiteral("Fraction"));
        store.setObject(QVariantList{QStringLiteral("de-DE"), QStringLiteral("en")},
                        QStringLiteral("AppleLanguages"));
        store.setObject(true, QStringLiteral("Flag"));
    }
    DefaultsStore store(path);
    EXPECT_EQ(store.stringForKey(QStringLiteral("Title")), QStringLiteral("Grüße \"quoted\"\n\\"));
    EXPECT_EQ(store.stringForKey(QStringLiteral("PostAction")), QString());
    const QVariant big = store.objectForKey(QStringLiteral("Big"));
    EXPECT_EQ(big.typeId(), QMetaType::LongLong);
    EXPECT_EQ(big.toLongLong(), std::numeric_limits<qint64>::max());
    EXPECT_EQ(store.objectForKey(QStringLiteral("Small")).toLongLong(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(store.objectForKey(QStringLiteral("WholeFraction")).typeId(), QMetaType::Double);
    EXPECT_EQ(store.objectForKey(QStringLiteral("Fraction")).toDouble(), 0.25);
    EXPECT_EQ(store.objectForKey(QStringLiteral("AppleLanguages")).toStringList(),
              (QStringList{QStringLiteral("de-DE"), QStringLiteral("en")}));
    EXPECT_EQ(store.objectForKey(QStringLiteral("Flag")).typeId(), QMetaType::Bool);
    // Text is not handed out for other kinds.
    EXPECT_FALSE(store.stringForKey(QStringLiteral("Big")).has_value());
}

TEST(DefaultsStore, UnknownKeysAndHandWrittenValuesAreKept)
{
    const QString path = freshPath("unknown");
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(
        test::writeFile(path, R"({"Other": {"nested": [1, 2.5, "x", null]}, "Whole": 3.0, "N": null})"));
    DefaultsStore store(path);
    store.setInteger(1, QStringLiteral("AllowPrint"));
    DefaultsStore reopened(path);
    EXPECT_EQ(reopened.objectForKey(QStringLiteral("Whole")).typeId(), QMetaType::Double);
    const QVariantList nested =
        reopened.objectForKey(QStringLiteral("Other")).toMap().value("nested").toList();
    ASSERT_EQ(nested.size(), 4);
    EXPECT_EQ(nested[0].typeId(), QMetaType::LongLong);
    EXPECT_EQ(nested[1].typeId(), QMetaType::Double);
    EXPECT_EQ(nested[2].toString(), QStringLiteral("x"));
    EXPECT_TRUE(reopened.objectForKey(QStringLiteral("N")).isNull());
    EXPECT_EQ(reopened.objectForKey(QStringLiteral("AllowPrint")).toLongLong(), 1);
}

TEST(DefaultsStore, CorruptOrEmptyFileReadsAsEmpty)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("{not json"), QByteArray("[1, 2]"),
                                      QByteArray("\x00\xff\xfe", 3), QByteArray("\"text\"")}) {
        const QString path = freshPath("corrupt");
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(test::writeFile(path, content));
        DefaultsStore store(path);
        EXPECT_FALSE(store.objectForKey(QStringLiteral("Title")).isValid());
        store.setObject(QStringLiteral("new"), QStringLiteral("Title"));
        EXPECT_EQ(DefaultsStore(path).stringForKey(QStringLiteral("Title")), QStringLiteral("new"));
    }
}

TEST(DefaultsStore, FileIsOwnerOnlyAndWrittenAtomically)
{
    const QString dir = test::scratchHome() + QStringLiteral("/modetest");
    const QString path = dir + QStringLiteral("/mode.json");
    DefaultsStore store(path);
    store.setObject(QStringLiteral("secret"), QStringLiteral("MasterPassword"));
    struct stat info
    {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    // No temporary files are left beside it.
    const QStringList entries = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(entries, QStringList{QStringLiteral("mode.json")});
}

TEST(DefaultsStore, FailedWriteIsReportedAndKeepsMemory)
{
    // A file where the folder should be: the write cannot succeed, even as root.
    const QString blocker = test::scratchHome() + QStringLiteral("/blocker");
    ASSERT_TRUE(test::writeFile(blocker, "x"));
    DefaultsStore store(blocker + QStringLiteral("/defaults.json"));
    store.setObject(QStringLiteral("v"), QStringLiteral("Title"));
    EXPECT_FALSE(store.synchronize());
    EXPECT_EQ(store.stringForKey(QStringLiteral("Title")), QStringLiteral("v"));
}
