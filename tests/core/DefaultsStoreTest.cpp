#include "core/DefaultsStore.h"

#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zirn;

// Each row: a value written by one run, and the kind the next run reads back.
TEST(DefaultsStore, KindsSurviveAReopen)
{
    const QString path = test::freshFolder("store") + "/kinds.json";
    const struct
    {
        QVariant value;
        QMetaType::Type kind;
    } cases[] = {
        {QStringLiteral("Grüße \"q\"\n\\"), QMetaType::QString},
        {QString(""), QMetaType::QString},
        {std::numeric_limits<qint64>::max(), QMetaType::LongLong},
        {std::numeric_limits<qint64>::min(), QMetaType::LongLong},
        {1.0, QMetaType::Double},
        {0.25, QMetaType::Double},
        {true, QMetaType::Bool},
        {QVariantList{"de-DE", 2}, QMetaType::QVariantList},
    };
    for (int i = 0; i < std::ssize(cases); ++i)
        DefaultsStore(path).setObject(cases[i].value, QString::number(i));
    const DefaultsStore store(path);
    for (int i = 0; i < std::ssize(cases); ++i) {
        const QVariant read = store.objectForKey(QString::number(i));
        EXPECT_EQ(read.typeId(), cases[i].kind) << i;
        EXPECT_EQ(read, cases[i].value) << i;
        EXPECT_EQ(store.stringForKey(QString::number(i)).has_value(), cases[i].kind == QMetaType::QString);
    }
    EXPECT_FALSE(store.objectForKey("never").isValid());
}

// Each row: a file as found; a key and the kind read from it (unknown keys survive a write),
// or nothing when the file reads as an empty store.
TEST(DefaultsStore, HandWrittenAndCorruptFiles)
{
    const QByteArray deep = QByteArray("{\"a\":").repeated(100000) + "1" + QByteArray("}").repeated(100000);
    const QByteArray deepList =
        "{\"a\":" + QByteArray("[").repeated(100000) + QByteArray("]").repeated(100000) + "}";
    const struct
    {
        QByteArray content;
        const char* key;
        QMetaType::Type kind;
    } cases[] = {
        {R"({"Other": {"n": [1, 2.5, "x", null]}, "Whole": 3.0, "N": null})", "Whole", QMetaType::Double},
        {R"({"Other": {"n": [1, 2.5, "x", null]}})", "Other", QMetaType::QVariantMap},
        {R"({"N": null})", "N", QMetaType::Nullptr},
        {"", nullptr, {}},
        {"{not json", nullptr, {}},
        {"[1, 2]", nullptr, {}},
        {QByteArray("\x00\xff\xfe", 3), nullptr, {}},
        {"\"text\"", nullptr, {}},
        {deep, nullptr, {}},
        {deepList, nullptr, {}},
    };
    for (const auto& c : cases) {
        const QString path = test::freshFolder("store") + "/hand.json";
        ASSERT_TRUE(test::writeFile(path, c.content));
        DefaultsStore(path).setObject("new", "Title");
        const DefaultsStore reopened(path);
        EXPECT_EQ(reopened.stringForKey("Title"), QStringLiteral("new"));
        if (c.key)
            EXPECT_EQ(reopened.objectForKey(c.key).typeId(), c.kind) << c.key;
        else
            EXPECT_FALSE(reopened.objectForKey("a").isValid());
    }
}

TEST(DefaultsStore, OwnerOnlyFilesAndFailedWrite)
{
    EXPECT_EQ(DefaultsStore::defaultLocation(),
              test::scratchHome() + "/.config/org.zirn.PDFWriter/defaults.json");
    const QString dir = test::freshFolder("store") + "/private";
    DefaultsStore(dir + "/mode.json").setObject("secret", "MasterPassword");
    for (const auto& [path, mode] : {std::pair{dir + "/mode.json", 0600u}, {dir, 0700u}}) {
        struct stat info
        {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
    // Written atomically: no temporary file is left, only the lock that writers share.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"mode.json", "mode.json.lock"}));

    // A file where the folder should be: the write fails, even as root, and memory keeps the value.
    ASSERT_TRUE(test::writeFile(dir + "/blocker", "x"));
    DefaultsStore blocked(dir + "/blocker/defaults.json");
    blocked.setObject("v", "Title");
    EXPECT_FALSE(blocked.synchronize());
    EXPECT_EQ(blocked.stringForKey("Title"), QStringLiteral("v"));
}

TEST(DefaultsStore, TwoWritersKeepEachOthersKeys)
{
    // Two objects on one file stand for two windows that loaded it at the same time.
    const QString path = test::freshFolder("store") + "/shared.json";
    DefaultsStore a(path);
    DefaultsStore b(path);
    a.setObject("A", "Title");
    a.setObject("gone", "Subject");
    b.setObject("2024-01-01 00:00:00 +0000", "LastAutoUpdateCheck");
    a.setObject(QVariant(), "Subject");
    {
        const DefaultsStore::Batch batch(b);
        b.setInteger(1, "AllowPrint");
    }
    // And real processes writing at the same moment.
    std::vector<pid_t> children;
    for (int w = 0; w < 4; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DefaultsStore own(path);
            for (int i = 0; i < 25; ++i)
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
    for (int w = 0; w < 4; ++w)
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(after.objectForKey(QStringLiteral("W%1-%2").arg(w).arg(i)), QVariant(qint64(i)));
    EXPECT_EQ(after.stringForKey("Title"), QStringLiteral("A"));
    EXPECT_FALSE(after.objectForKey("Subject").isValid());
    EXPECT_TRUE(after.stringForKey("LastAutoUpdateCheck").has_value());
    EXPECT_EQ(after.objectForKey("AllowPrint"), QVariant(qint64(1)));
}
