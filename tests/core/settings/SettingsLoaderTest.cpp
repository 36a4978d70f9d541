#include "core/settings/SettingsLoader.h"

#include "TestSupport.h"
#include "core/DefaultsStore.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <limits>

using namespace zirn;

namespace {

class SettingsLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        storePath = test::freshFolder(QStringLiteral("loader")) + QStringLiteral("/defaults.json");
        store = std::make_unique<DefaultsStore>(storePath);
        loader = std::make_unique<SettingsLoader>(
            *store, SettingsLoader::UserDefaults{QStringLiteral("alice"),
                                                 QStringLiteral("/home/alice/Schreibtisch")});
    }

    Settings load(const char* iniText)
    {
        Settings s = preset;
        loader->loadSettings(s, Ini::parse(QString::fromUtf8(iniText)));
        return s;
    }

    QString storePath;
    std::unique_ptr<DefaultsStore> store;
    std::unique_ptr<SettingsLoader> loader;
    Settings preset;
};

} // namespace

TEST(SettingsRecord, InitialValues)
{
    const Settings s;
    for (const QString* text : {&s.OutputFileName, &s.InputFile, &s.OutputPath, &s.Title, &s.Subject,
                                &s.Keywords, &s.Author, &s.PostAction, &s.PasswordUser, &s.PasswordOwner})
        EXPECT_TRUE(text->isEmpty());
    for (qint64 value : {s.AutoStart, s.Overwrite, s.SelectedTab, s.RememberEncryptionSettings,
                         s.UseEncryption, s.AllowCopyPaste, s.AllowPrint, s.Silent, s.UserAccessPermissions})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(s.AutoUpdate, 1);
}

TEST(SettingsLoader, DecimalIntegerRule)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("7"), 7);
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("+7"), 7);
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("007"), 7);
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("-12"), -12);
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("9223372036854775807"), max);
    EXPECT_EQ(SettingsLoader::parseDecimalInteger("-9223372036854775808"), min);
    for (const char* bad : {"", "+", "-", "1.0", "0x10", "1 0", " 1", "1e3", "9223372036854775808",
                            "-9223372036854775809", "99999999999999999999", "+-1", "{save}", "١"})
        EXPECT_FALSE(SettingsLoader::parseDecimalInteger(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST_F(SettingsLoaderTest, DefaultsWithEmptyFileAndStore)
{
    const Settings s = load("");
    EXPECT_EQ(s.Title, QString());
    EXPECT_EQ(s.Subject, QString());
    EXPECT_EQ(s.Keywords, QString());
    EXPECT_EQ(s.Author, QStringLiteral("alice"));
    EXPECT_EQ(s.OutputPath, QStringLiteral("/home/alice/Schreibtisch"));
    EXPECT_EQ(s.OutputFileName, QString());
    EXPECT_EQ(s.PostAction, QStringLiteral("openFile"));
    EXPECT_EQ(s.PasswordUser, QString());
    EXPECT_EQ(s.PasswordOwner, QString());
    EXPECT_EQ(s.AutoUpdate, 1);
    EXPECT_EQ(s.UseEncryption, 0);
    EXPECT_EQ(s.SelectedTab, 0);
}

TEST_F(SettingsLoaderTest, TextPrecedence)
{
    store->setObject(QStringLiteral("saved title"), QStringLiteral("Title"));
    store->setObject(QStringLiteral("saved subject"), QStringLiteral("Subject"));
    store->setObject(QString(), QStringLiteral("Keywords")); // saved empty text wins over the default
    store->setObject(QStringLiteral("/saved/path"), QStringLiteral("Path"));
    store->setObject(QString(), QStringLiteral("PostAction"));
    store->setInteger(5, QStringLiteral("Author")); // not text: the default applies
    preset.Title = QStringLiteral("document title");
    preset.Subject = QStringLiteral("document subject");
    preset.OutputFileName = QStringLiteral("Job 12.pdf");
    preset.InputFile = QStringLiteral("/spool/Job 12.pdf");

    const Settings s = load("[Values]\n"
                            "Subject = {save}\n"
                            "Keywords = {SAVE}\n"
                            "Path = {save}\n");
    EXPECT_EQ(s.Title, QStringLiteral("document title"));  // absent key keeps document text
    EXPECT_EQ(s.Subject, QStringLiteral("saved subject")); // {save} replaces it
    EXPECT_EQ(s.Keywords, QStringLiteral("{SAVE}"));       // only the exact word is special
    EXPECT_EQ(s.Author, QStringLiteral("alice"));
    EXPECT_EQ(s.OutputPath, QStringLiteral("/saved/path"));
    EXPECT_EQ(s.OutputFileName, QStringLiteral("Job 12.pdf"));
    EXPECT_EQ(s.PostAction, QString()); // "Do Nothing" saved
    EXPECT_EQ(s.InputFile, QStringLiteral("/spool/Job 12.pdf"));
}

TEST_F(SettingsLoaderTest, EmptyDocumentFieldTakesSavedThenDefault)
{
    store->setObject(QStringLiteral("saved title"), QStringLiteral("Title"));
    EXPECT_EQ(load("").Title, QStringLiteral("saved title"));
    EXPECT_EQ(load("[Values]\nTitle = {save}\nAuthor = {save}\n").Author, QStringLiteral("alice"));
    EXPECT_EQ(load("[Values]\nTitle = From file\n").Title, QStringLiteral("From file"));
    // Only section "Values" counts.
    EXPECT_EQ(load("Title = main\n[Other]\nTitle = other\n").Title, QStringLiteral("saved title"));
}

TEST_F(SettingsLoaderTest, IntegerPrecedence)
{
    store->setInteger(2, QStringLiteral("SelectedTab"));
    store->setObject(QStringLiteral("7"), QStringLiteral("Overwrite")); // text counts as 0
    store->setObject(2.5, QStringLiteral("UserAccessPermissions"));     // fraction counts as 0
    store->setObject(QVariantList{1, 2}, QStringLiteral("AllowPrint")); // list counts as 0
    store->setInteger(std::numeric_limits<qint64>::max(), QStringLiteral("Silent"));

    preset.AllowPrint = 9;
    Settings s = load("[Values]\nSelectedTab = {save}\nAutoStart = +7\n");
    EXPECT_EQ(s.SelectedTab, 2);
    EXPECT_EQ(s.AutoStart, 7);
    EXPECT_EQ(s.Overwrite, 0);
    EXPECT_EQ(s.UserAccessPermissions, 0);
    EXPECT_EQ(s.AllowPrint, 0);
    EXPECT_EQ(s.Silent, std::numeric_limits<qint64>::max());
    EXPECT_EQ(s.AutoUpdate, 1); // nothing saved: keeps its initial value

    s = load("[Values]\nSelectedTab = 1.0\nAutoUpdate = 0\nOverwrite = 0x10\n");
    EXPECT_EQ(s.SelectedTab, 2);
    EXPECT_EQ(s.AutoUpdate, 0);
    EXPECT_EQ(s.Overwrite, 0);

    EXPECT_EQ(load("[Values]\nSelectedTab = 007\n").SelectedTab, 7);
    EXPECT_EQ(load("").SelectedTab, 2);
}

TEST_F(SettingsLoaderTest, EncryptionSwitchResetUnlessRemembered)
{
    store->setInteger(1, QStringLiteral("UseEncryption"));
    store->setInteger(1, QStringLiteral("AllowPrint"));
    store->setObject(QStringLiteral("m"), QStringLiteral("MasterPassword"));

    Settings s = load("[Values]\nRememberEncryptionSettings = 1\n");
    EXPECT_EQ(s.UseEncryption, 1);
    EXPECT_EQ(store->objectForKey(QStringLiteral("UseEncryption")).toLongLong(), 1);

    s = load("[Values]\nUseEncryption = {save}\n");
    EXPECT_EQ(s.UseEncryption, 0);
    EXPECT_EQ(s.AllowPrint, 1);
    EXPECT_EQ(s.PasswordOwner, QStringLiteral("m"));
    // The reset is for good: it reached the store file.
    EXPECT_EQ(DefaultsStore(storePath).objectForKey(QStringLiteral("UseEncryption")), QVariant(qint64(0)));

    // A decimal integer in the file still wins.
    EXPECT_EQ(load("[Values]\nUseEncryption = 1\n").UseEncryption, 1);

    // Remembered through the store, where the program never writes it itself.
    store->setInteger(1, QStringLiteral("RememberEncryptionSettings"));
    store->setInteger(1, QStringLiteral("UseEncryption"));
    EXPECT_EQ(load("").UseEncryption, 1);
}

TEST_F(SettingsLoaderTest, TildeExpansionOfPath)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(load("[Values]\nPath = ~/Reports\n").OutputPath, home + QStringLiteral("/Reports"));
    EXPECT_EQ(load("[Values]\nPath = ~\n").OutputPath, home);
    EXPECT_EQ(load("[Values]\nPath = /srv/~x\n").OutputPath, QStringLiteral("/srv/~x"));
    store->setObject(QStringLiteral("~/Saved"), QStringLiteral("Path"));
    EXPECT_EQ(load("").OutputPath, home + QStringLiteral("/Saved"));
}

TEST_F(SettingsLoaderTest, BuiltInFolderIsHomeWithoutDesktop)
{
    // Only the built-in default falls back; a folder from the file or the store stays as given.
    const QString home = QDir::homePath();
    const struct
    {
        bool desktopExists;
        const char* ini;
        const char* saved;
        QString expected;
    } cases[] = {
        {false, "", nullptr, home},
        {true, "", nullptr, home + QStringLiteral("/Desktop")},
        {false, "[Values]\nPath = ~/Missing\n", nullptr, home + QStringLiteral("/Missing")},
        {false, "", "/nowhere", QStringLiteral("/nowhere")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        QDir(home + QStringLiteral("/Desktop")).removeRecursively();
        if (c.desktopExists) {
            ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/Desktop")));
        }
        store->setObject(c.saved ? QVariant(QString::fromUtf8(c.saved)) : QVariant(), QStringLiteral("Path"));
        Settings s;
        SettingsLoader(*store).loadSettings(s, Ini::parse(QString::fromUtf8(c.ini)));
        EXPECT_EQ(s.OutputPath, c.expected);
    }
    QDir(home + QStringLiteral("/Desktop")).removeRecursively();
}

TEST_F(SettingsLoaderTest, SavesExactlyTheThirteenKeys)
{
    Settings s;
    s.Title = QStringLiteral("T");
    s.Subject = QStringLiteral("S");
    s.Keywords = QStringLiteral("a, b");
    s.Author = QStringLiteral("A");
    s.SelectedTab = 2;
    s.UseEncryption = 1;
    s.AllowCopyPaste = 0;
    s.AllowPrint = 1;
    s.AutoUpdate = 0;
    s.PostAction = QString();
    s.OutputPath = QStringLiteral("/home/alice/Reports");
    s.PasswordUser = QStringLiteral("u");
    s.PasswordOwner = QStringLiteral("m");
    s.OutputFileName = QStringLiteral("Out.pdf");
    s.AutoStart = 1;
    s.Overwrite = 2;
    s.Silent = 1;
    s.UserAccessPermissions = 4;
    s.RememberEncryptionSettings = 1;
    store->setObject(QStringLiteral("kept"), QStringLiteral("Unknown"));
    loader->saveSettings(s);

    QFile file(storePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    QStringList keys = saved.keys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"AllowCopyPaste", "AllowPrint", "Author", "AutoUpdate", "Keywords",
                                 "MasterPassword", "Path", "PostAction", "SelectedTab", "Subject", "Title",
                                 "Unknown", "UseEncryption", "UserPassword"}));
    EXPECT_EQ(saved["Title"].toString(), "T");
    EXPECT_EQ(saved["Keywords"].toString(), "a, b");
    EXPECT_TRUE(saved["PostAction"].isString());
    EXPECT_EQ(saved["PostAction"].toString(), "");
    EXPECT_EQ(saved["Path"].toString(), "/home/alice/Reports");
    EXPECT_EQ(saved["UserPassword"].toString(), "u");
    EXPECT_EQ(saved["MasterPassword"].toString(), "m");
    EXPECT_EQ(saved["SelectedTab"].toInteger(), 2);
    EXPECT_EQ(saved["UseEncryption"].toInteger(), 1);
    EXPECT_EQ(saved["AllowCopyPaste"].toInteger(), 0);
    EXPECT_EQ(saved["AllowPrint"].toInteger(), 1);
    EXPECT_EQ(saved["AutoUpdate"].toInteger(), 0);

    // What was saved comes back at the next launch when the file names nothing.
    DefaultsStore reopened(storePath);
    SettingsLoader next(reopened, {QStringLiteral("bob"), QStringLiteral("/d")});
    Settings restored;
    next.loadSettings(restored, IniSections{});
    EXPECT_EQ(restored.OutputPath, QStringLiteral("/home/alice/Reports"));
    EXPECT_EQ(restored.Author, QStringLiteral("A"));
    EXPECT_EQ(restored.PostAction, QString());
    EXPECT_EQ(restored.AutoUpdate, 0);
    EXPECT_EQ(restored.UseEncryption, 0); // not remembered
    EXPECT_EQ(restored.AllowPrint, 1);
}

TEST_F(SettingsLoaderTest, MissingSettingsFileActsAsEmpty)
{
    Settings s;
    loader->loadSettings(s, test::scratchHome() + QStringLiteral("/does/not/exist.ini"));
    EXPECT_EQ(s.Author, QStringLiteral("alice"));
    EXPECT_EQ(s.PostAction, QStringLiteral("openFile"));
}
