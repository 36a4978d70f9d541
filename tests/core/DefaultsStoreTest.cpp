#include "core/DefaultsStore.h"

#include "TestSupport.h"
#include "core/Paths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // A hostile file nested 100,000 levels deep must not take the stack with it.
    const QByteArray deepObject =
        QByteArray("{\"a\":").repeated(100000) + "1" + QByteArray("}").repeated(100000);
    const QByteArray deepList =
        "{\"a\":" + QByteArray("[").repeated(100000) + QByteArray("]").repeated(100000) + "}";
    for (const QByteArray& content :
         {QByteArray(), QByteArray("{not json"), QByteArray("[1, 2]"), QByteArray("\x00\xff\xfe", 3),
          QByteArray("\"text\""), deepObject, deepList}) {
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
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    // No temporary files are left beside it, only the lock that writers share.
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("mode.json"), QStringLiteral("mode.json.lock")}));
}

TEST(DefaultsStore, WindowsSavingAtOnceKeepEachOthersKeys)
{
    // Two store objects on one file stand for two windows that loaded it at the same time.
    const QString path = freshPath("shared");
    DefaultsStore a(path);
    DefaultsStore b(path);
    a.setObject(QStringLiteral("A"), QStringLiteral("Title"));
    a.setObject(QStringLiteral("gone"), QStringLiteral("Subject"));
    b.setObject(QStringLiteral("2024-01-01 00:00:00 +0000"), QStringLiteral("LastAutoUpdateCheck"));
    a.setObject(QVariant(), QStringLiteral("Subject"));
    {
        const DefaultsStore::Batch batch(b);
        b.setInteger(1, QStringLiteral("AllowPrint"));
    }
    const DefaultsStore merged(path);
    EXPECT_EQ(merged.stringForKey(QStringLiteral("Title")), QStringLiteral("A"));
    EXPECT_FALSE(merged.objectForKey(QStringLiteral("Subject")).isValid());
    EXPECT_TRUE(merged.stringForKey(QStringLiteral("LastAutoUpdateCheck")).has_value());
    EXPECT_EQ(merged.objectForKey(QStringLiteral("AllowPrint")).toLongLong(), 1);

    // Real processes writing at the same moment: the lock keeps every key of every writer.
    constexpr int kWriters = 4;
    constexpr int kWrites = 25;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DefaultsStore own(path);
            for (int i = 0; i < kWrites; ++i)
                own.setInteger(i, QStringLiteral("W%1-%2").arg(w).arg(i));
            ::_exit(own.synchronize() ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const DefaultsStore after(path);
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(after.objectForKey(QStringLiteral("W%1-%2").arg(w).arg(i)).toLongLong(), i)
                << w << ' ' << i;
    EXPECT_EQ(after.stringForKey(QStringLiteral("Title")), QStringLiteral("A"));
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
