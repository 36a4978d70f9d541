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

constexpr qint64 kMax = std::numeric_limits<qint64>::max();

QVariant fieldOf(const Settings& s, const QString& key)
{
    const QHash<QString, QVariant> fields = {{"Title", s.Title},
                                             {"Keywords", s.Keywords},
                                             {"Author", s.Author},
                                             {"Path", s.OutputPath},
                                             {"File", s.OutputFileName},
                                             {"PostAction", s.PostAction},
                                             {"MasterPassword", s.PasswordOwner},
                                             {"SelectedTab", s.SelectedTab},
                                             {"AutoStart", s.AutoStart},
                                             {"Overwrite", s.Overwrite},
                                             {"UserAccessPermissions", s.UserAccessPermissions},
                                             {"AllowPrint", s.AllowPrint},
                                             {"Silent", s.Silent},
                                             {"AutoUpdate", s.AutoUpdate},
                                             {"UseEncryption", s.UseEncryption}};
    return fields.value(key);
}

} // namespace

TEST(SettingsLoader, DecimalIntegerRule)
{
    const std::pair<const char*, qint64> good[] = {{"7", 7},
                                                   {"+7", 7},
                                                   {"007", 7},
                                                   {"-12", -12},
                                                   {"9223372036854775807", kMax},
                                                   {"-9223372036854775808", -kMax - 1}};
    for (const auto& [text, value] : good)
        EXPECT_EQ(SettingsLoader::parseDecimalInteger(QString::fromUtf8(text)), value) << text;
    for (const char* bad : {"", "+", "-", "1.0", "0x10", "1 0", " 1", "1e3", "9223372036854775808",
                            "-9223372036854775809", "+-1", "{save}", "١"})
        EXPECT_FALSE(SettingsLoader::parseDecimalInteger(QString::fromUtf8(bad)).has_value()) << bad;
}

// Each row: the settings file, what the store holds, whether the document intake filled the
// record (Title "doc", File "Job.pdf", and Silent 9 as a value already held), and the result.
TEST(SettingsLoader, PrecedenceTable)
{
    const QString home = QDir::homePath();
    const QVariantList list{1, 2};
    const struct
    {
        const char* ini;
        QVariantMap saved;
        bool document;
        const char* key;
        QVariant expected;
    } cases[] = {
        {"", {}, false, "Author", "alice"},
        {"", {}, false, "Path", "/home/alice/Schreibtisch"},
        {"", {}, false, "PostAction", "openFile"},
        {"", {}, false, "AutoUpdate", 1LL},
        {"", {}, false, "Title", ""},
        {"", {{"Title", "saved"}}, true, "Title", "doc"},
        {"", {{"Title", "saved"}}, false, "Title", "saved"},
        {"", {}, true, "File", "Job.pdf"},
        {"[Values]\nTitle = {save}", {{"Title", "saved"}}, true, "Title", "saved"},
        {"[Values]\nTitle = {save}", {}, true, "Title", ""},
        {"[Values]\nTitle = From file", {{"Title", "saved"}}, true, "Title", "From file"},
        {"Title = main\n[Other]\nTitle = o", {{"Title", "saved"}}, false, "Title", "saved"},
        {"[Values]\nKeywords = {SAVE}", {}, false, "Keywords", "{SAVE}"},
        {"[Values]\nAuthor = {save}", {}, false, "Author", "alice"},
        {"", {{"Author", ""}}, false, "Author", ""},
        {"", {{"Author", 5LL}}, false, "Author", "alice"},
        {"[Values]\nPath = {save}", {{"Path", "/saved"}}, false, "Path", "/saved"},
        {"", {{"PostAction", ""}}, false, "PostAction", ""},
        {"", {{"MasterPassword", "m"}}, false, "MasterPassword", "m"},
        {"[Values]\nPath = ~/Reports", {}, false, "Path", home + "/Reports"},
        {"[Values]\nPath = ~", {}, false, "Path", home},
        {"[Values]\nPath = /srv/~x", {}, false, "Path", "/srv/~x"},
        {"", {{"Path", "~/Saved"}}, false, "Path", home + "/Saved"},
        {"[Values]\nSelectedTab = 2", {{"SelectedTab", 1LL}}, false, "SelectedTab", 2LL},
        {"[Values]\nSelectedTab = {save}", {{"SelectedTab", 2LL}}, false, "SelectedTab", 2LL},
        {"[Values]\nSelectedTab = 1.0", {{"SelectedTab", 2LL}}, false, "SelectedTab", 2LL},
        {"[Values]\nSelectedTab = 007", {{"SelectedTab", 2LL}}, false, "SelectedTab", 7LL},
        {"[Values]\nAutoStart = +7", {}, false, "AutoStart", 7LL},
        {"[Values]\nOverwrite = 0x10", {{"Overwrite", 3LL}}, false, "Overwrite", 3LL},
        {"", {{"Overwrite", "7"}}, false, "Overwrite", 0LL},
        {"", {{"UserAccessPermissions", 2.5}}, false, "UserAccessPermissions", 0LL},
        {"", {{"AllowPrint", list}}, false, "AllowPrint", 0LL},
        {"", {}, true, "Silent", 9LL},
        {"", {{"Silent", kMax}}, true, "Silent", kMax},
        {"[Values]\nAutoUpdate = 0", {{"AutoUpdate", 1LL}}, false, "AutoUpdate", 0LL},
        {"", {{"UseEncryption", 1LL}}, false, "UseEncryption", 0LL},
        {"[Values]\nUseEncryption = {save}", {{"UseEncryption", 1LL}}, false, "UseEncryption", 0LL},
        {"[Values]\nUseEncryption = 1", {}, false, "UseEncryption", 1LL},
        {"[Values]\nRememberEncryptionSettings = 1", {{"UseEncryption", 1LL}}, false, "UseEncryption", 1LL},
        {"", {{"RememberEncryptionSettings", 1LL}, {"UseEncryption", 1LL}}, false, "UseEncryption", 1LL},
        {"", {{"UseEncryption", 1LL}, {"AllowPrint", 1LL}}, false, "AllowPrint", 1LL},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ini) + " / " + c.key);
        const QString path = test::freshFolder("loader") + QStringLiteral("/%1.json").arg(row++);
        DefaultsStore store(path);
        for (auto it = c.saved.begin(); it != c.saved.end(); ++it)
            store.setObject(*it, it.key());
        Settings s;
        if (c.document) {
            s.Title = QStringLiteral("doc");
            s.OutputFileName = QStringLiteral("Job.pdf");
            s.InputFile = QStringLiteral("/spool/Job.pdf");
            s.Silent = 9;
        }
        SettingsLoader(store, {"alice", "/home/alice/Schreibtisch"}).loadSettings(s, Ini::parse(c.ini));
        EXPECT_EQ(fieldOf(s, QString::fromUtf8(c.key)), c.expected);
        EXPECT_EQ(s.InputFile, c.document ? QStringLiteral("/spool/Job.pdf") : QString());
        // Unless remembered, the saved switch is reset for good, in the file.
        if (s.RememberEncryptionSettings == 0) {
            EXPECT_EQ(DefaultsStore(path).objectForKey("UseEncryption"), QVariant(0LL));
        }
    }
}

TEST(SettingsLoader, BuiltInFolderIsHomeWithoutDesktop)
{
    const QString home = QDir::homePath();
    DefaultsStore store(test::freshFolder("loader") + QStringLiteral("/d.json"));
    for (const bool desktop : {false, true}) {
        QDir(home + "/Desktop").removeRecursively();
        ASSERT_TRUE(!desktop || QDir().mkpath(home + "/Desktop"));
        Settings s;
        SettingsLoader(store).loadSettings(s, test::scratchHome() + QStringLiteral("/missing.ini"));
        EXPECT_EQ(s.OutputPath, desktop ? home + "/Desktop" : home);
    }
    QDir(home + "/Desktop").removeRecursively();
}

TEST(SettingsLoader, SavesTheThirteenKeysAndRestoresThem)
{
    const QString path = test::freshFolder("loader") + QStringLiteral("/defaults.json");
    DefaultsStore store(path);
    store.setObject(QStringLiteral("kept"), QStringLiteral("Unknown"));
    Settings s{"Out.pdf", "/in.pdf", "/home/alice/Reports",
               "T",       "S",       "a, b",
               "A",       "",        "u",
               "m",       1,         2,
               2,         1,         1,
               0,         1,         1,
               4,         0};
    SettingsLoader(store, {"alice", "/d"}).saveSettings(s);

    const QJsonObject saved = QJsonDocument::fromJson(test::readFile(path)).object();
    EXPECT_EQ(saved.keys(), (QStringList{"AllowCopyPaste", "AllowPrint", "Author", "AutoUpdate", "Keywords",
                                         "MasterPassword", "Path", "PostAction", "SelectedTab", "Subject",
                                         "Title", "Unknown", "UseEncryption", "UserPassword"}));
    EXPECT_TRUE(saved["PostAction"].isString() && saved["SelectedTab"].isDouble());

    DefaultsStore reopened(path);
    Settings r;
    SettingsLoader(reopened, {"bob", "/d"}).loadSettings(r, IniSections{});
    const Settings expected{
        "", "", "/home/alice/Reports", "T", "S", "a, b", "A", "", "u", "m", 0, 0, 2, 0, 0, 0, 1, 0, 0, 0};
    for (const char* key : {"Title", "Keywords", "Author", "Path", "PostAction", "MasterPassword", "File",
                            "SelectedTab", "AllowPrint", "AutoUpdate", "UseEncryption", "Overwrite"})
        EXPECT_EQ(fieldOf(r, key), fieldOf(expected, key)) << key;
    EXPECT_EQ(r.Subject, "S");
    EXPECT_EQ(r.PasswordUser, "u");
}
