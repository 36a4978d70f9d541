#include "core/DefaultsStore.h"
#include "core/Paths.h"

#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zirn;

// Each row: a file as found, and what the store reads under "a" (nothing when the file reads as
// an empty store). Keys of others survive a write, a value written back reads the same, and a
// file that does not read as a store is kept aside, untouched, by the first write.
TEST(DefaultsStore, ValueKindsAndCorruptFiles)
{
    const QByteArray deep = QByteArray("{\"a\":").repeated(100000) + "1" + QByteArray("}").repeated(100000);
    const QByteArray deepList =
        "{\"a\":" + QByteArray("[").repeated(100000) + QByteArray("]").repeated(100000) + "}";
    const QVariant null = QVariant::fromValue(nullptr);
    const std::pair<QByteArray, QVariant> cases[] = {
        {R"({"a": "Grüße \"q\"\n\\"})", QStringLiteral("Grüße \"q\"\n\\")},
        {R"({"a": ""})", QString("")},
        {R"({"a": 9223372036854775807})", std::numeric_limits<qint64>::max()},
        {R"({"a": -9223372036854775808})", std::numeric_limits<qint64>::min()},
        {R"({"a": 1.0})", 1.0},
        {R"({"a": 18446744073709551615})", 18446744073709551615.0},
        {R"({"a": true})", true},
        {R"({"a": ["de-DE", 2, null]})", QVariantList{"de-DE", 2LL, null}},
        {R"({"a": {"n": [2.5]}})", QVariantMap{{"n", QVariantList{2.5}}}},
        {R"({"a": null})", null},
        {"", {}},
        {" \n", {}},
        {R"({"Title": "kept", "a": 1,})", {}},
        {R"(["a"])", {}},
        {deep, {}},
        {deepList, {}},
    };
    for (const auto& [content, value] : cases) {
        const QString path = test::freshFolder("store") + "/hand.json";
        ASSERT_TRUE(test::writeFile(path, content));
        DefaultsStore(path).setValue("Title", "new");
        EXPECT_EQ(test::readFile(path + ".damaged"),
                  value.isValid() || content.trimmed().isEmpty() ? QByteArray() : content);
        for (int pass = 0; pass < 2; ++pass) {
            const DefaultsStore reopened(path);
            EXPECT_EQ(reopened.stringValue("Title"), QStringLiteral("new"));
            EXPECT_EQ(reopened.value("a").typeId(), value.typeId()) << content.left(40).toStdString();
            EXPECT_EQ(reopened.value("a"), value);
            EXPECT_EQ(reopened.stringValue("a").has_value(), value.typeId() == QMetaType::QString);
            DefaultsStore(path).setValue("a", value);
        }
        EXPECT_FALSE(test::readFile(path).contains("\\u")); // text stays readable UTF-8
    }
}

TEST(DefaultsStore, OwnerOnlyFilesAndFailedWrite)
{
    EXPECT_EQ(DefaultsStore::defaultLocation(),
              test::scratchHome() + "/.config/org.zirn.PDFWriter/defaults.json");
    const QString dir = test::freshFolder("store") + "/private";
    // Found damaged twice (made anew, with the usual permissions): each is kept aside.
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            ASSERT_TRUE(QFile::remove(dir + "/mode.json"));
            ASSERT_TRUE(test::writeFile(dir + "/mode.json", "{"));
        }
        DefaultsStore(dir + "/mode.json").setValue("MasterPassword", "secret");
    }
    for (const auto& [path, mode] : {std::pair{dir + "/mode.json", 0600u},
                                     {dir, 0700u},
                                     {dir + "/mode.json.damaged", 0600u},
                                     {dir + "/mode.json.damaged-2", 0600u}}) {
        struct stat info = {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
    // Written atomically: no temporary file is left, only the lock that writers share.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"mode.json", "mode.json.damaged", "mode.json.damaged-2", "mode.json.lock"}));
    // A file where the folder should be: the folder cannot be made, the write fails, even as root,
    // and memory keeps the value.
    ASSERT_TRUE(test::writeFile(dir + "/blocker", "x"));
    EXPECT_FALSE(Paths::makePrivateFolder(dir + "/blocker"));
    DefaultsStore blocked(dir + "/blocker/defaults.json");
    blocked.setValue("Title", "v");
    EXPECT_FALSE(blocked.sync());
    EXPECT_EQ(blocked.stringValue("Title"), QStringLiteral("v"));
    // A damaged store that cannot be moved aside (its name leaves no room for ".damaged") is
    // never written over: the write fails.
    const QString longName = dir + u'/' + QString(248, u's');
    ASSERT_TRUE(test::writeFile(longName, "{"));
    DefaultsStore damaged(longName);
    damaged.setValue("Title", "v");
    EXPECT_FALSE(damaged.sync());
    EXPECT_EQ(test::readFile(longName), "{");
}

TEST(DefaultsStore, TwoWritersKeepEachOthersKeys)
{
    // Two objects on one file stand for two windows that loaded it at the same time ...
    const QString path = test::freshFolder("store") + "/shared.json";
    DefaultsStore a(path), b(path);
    a.setValue("Subject", "gone");
    b.setInteger("AllowPrint", 1);
    a.setValue("Subject", QVariant());
    // ... and a process of its own writes at the same moment as this one.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    for (int i = 0; i < 40; ++i)
        DefaultsStore(path).setInteger(QStringLiteral("%1-%2").arg(child == 0 ? 1 : 0).arg(i), i);
    if (child == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const DefaultsStore after(path);
    for (int i = 0; i < 80; ++i)
        EXPECT_EQ(after.value(QStringLiteral("%1-%2").arg(i / 40).arg(i % 40)), QVariant(qint64(i % 40)));
    EXPECT_EQ(std::pair(after.value("Subject"), after.value("AllowPrint")),
              std::pair(QVariant(), QVariant(1LL)));
}
