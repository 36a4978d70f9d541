#include "core/settings/SettingsLoader.h"

#include "TestSupport.h"
#include "core/DefaultsStore.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace zirn;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();

// Loads with a settings file and a store holding saved, into a record that the document intake
// filled (Title "doc", Silent 9) or left empty; built-in defaults "alice" and "/home/alice/Desk".
Settings load(const char* ini, const QVariantMap& saved, bool document = false)
{
    const QString path = test::freshFolder("loader") + "/defaults.json";
    DefaultsStore store(path);
    for (auto it = saved.begin(); it != saved.end(); ++it)
        store.setObject(*it, it.key());
    Settings s = document ? Settings{.Title = "doc", .Silent = 9} : Settings{};
    SettingsLoader(store, {"alice", "/home/alice/Desk"}).loadSettings(s, Ini::parse(ini));
    // Unless remembered, the saved encryption switch is reset for good, in the file.
    if (s.RememberEncryptionSettings == 0) {
        EXPECT_EQ(DefaultsStore(path).objectForKey("UseEncryption"), QVariant(0LL)) << ini;
    }
    return s;
}

} // namespace

TEST(SettingsLoader, DecimalIntegerRule)
{
    for (const auto& [text, value] : {std::pair{"+7", 7LL}, {"007", 7LL}, {"-12", -12LL},
                                      {"9223372036854775807", kMax}, {"-9223372036854775808", -kMax - 1}})
        EXPECT_EQ(SettingsLoader::parseDecimalInteger(text), value) << text;
    for (const char* bad : {"", "+", "-", "1.0", "0x10", "1 0", " 1", "1e3", "9223372036854775808",
                            "-9223372036854775809", "+-1", "{save}", "١"})
        EXPECT_FALSE(SettingsLoader::parseDecimalInteger(QString::fromUtf8(bad)).has_value()) << bad;
}

// One case a line: the file beats the store, which beats the built-in default; {save} asks for
// the store; what the document gave is kept when the file is silent; only [Values] counts.
TEST(SettingsLoader, Precedence)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(load("", {}).Author, "alice");
    EXPECT_EQ(load("", {}).OutputPath, "/home/alice/Desk");
    EXPECT_EQ(load("", {{"Title", "saved"}}, true).Title, "doc");
    EXPECT_EQ(load("", {{"Title", "saved"}}).Title, "saved");
    EXPECT_EQ(load("[Values]\nTitle = {save}", {{"Title", "saved"}}, true).Title, "saved");
    EXPECT_EQ(load("[Values]\nTitle = {save}", {}, true).Title, "");
    EXPECT_EQ(load("[Values]\nTitle = From file", {{"Title", "saved"}}, true).Title, "From file");
    EXPECT_EQ(load("Title = main\n[Other]\nTitle = o", {{"Title", "saved"}}).Title, "saved");
    EXPECT_EQ(load("[Values]\nKeywords = {SAVE}", {}).Keywords, "{SAVE}");
    EXPECT_EQ(load("", {{"Author", ""}}).Author, "");
    EXPECT_EQ(load("", {{"Author", 5LL}}).Author, "alice");
    EXPECT_EQ(load("[Values]\nPath = ~/Reports", {}).OutputPath, home + "/Reports");
    EXPECT_EQ(load("[Values]\nPath = ~", {}).OutputPath, home);
    EXPECT_EQ(load("[Values]\nPath = /srv/~x", {}).OutputPath, "/srv/~x");
    EXPECT_EQ(load("", {{"Path", "~/Saved"}}).OutputPath, home + "/Saved");
    EXPECT_EQ(load("[Values]\nSelectedTab = {save}", {{"SelectedTab", 2LL}}).SelectedTab, 2);
    EXPECT_EQ(load("", {{"Overwrite", "7"}}).Overwrite, 0);
    EXPECT_EQ(load("", {}, true).Silent, 9);
    EXPECT_EQ(load("", {{"Silent", kMax}}, true).Silent, kMax);
    EXPECT_EQ(load("", {{"UseEncryption", 1LL}}).UseEncryption, 0);
    EXPECT_EQ(load("[Values]\nUseEncryption = {save}", {{"UseEncryption", 1LL}}).UseEncryption, 0);
    EXPECT_EQ(load("[Values]\nUseEncryption = 1", {}).UseEncryption, 1);
    EXPECT_EQ(load("[Values]\nRememberEncryptionSettings = 1", {{"UseEncryption", 1LL}}).UseEncryption, 1);
    EXPECT_EQ(load("", {{"RememberEncryptionSettings", 1LL}, {"UseEncryption", 1LL}}).UseEncryption, 1);
    EXPECT_EQ(load("", {{"UseEncryption", 1LL}, {"AllowPrint", 1LL}}).AllowPrint, 1);
}

TEST(SettingsLoader, BuiltInFolderIsTheDesktopElseHome)
{
    const QString home = QDir::homePath();
    DefaultsStore store(test::freshFolder("loader") + "/d.json");
    for (const bool desktop : {false, true}) {
        ASSERT_TRUE(desktop ? QDir().mkpath(home + "/Desktop") : QDir(home + "/Desktop").removeRecursively());
        Settings s;
        SettingsLoader(store).loadSettings(s, test::scratchHome() + "/missing.ini");
        EXPECT_EQ(s.OutputPath, desktop ? home + "/Desktop" : home);
    }
}

// Saved, loaded by another run and saved again, every saved key comes back with its kind, but the
// encryption switch; the other keys are not saved, and keys of others stay.
TEST(SettingsLoader, SavesItsKeysAndRestoresThem)
{
    const QString folder = test::freshFolder("loader");
    DefaultsStore store(folder + "/first.json");
    store.setObject("kept", "Unknown");
    const Settings s{"Out.pdf", "/in.pdf", "/r", "T", "S", "a, b", "A", "", "u", "m",
                     1,         2,         2,    0,   1,   1,      1,   1,  4,   0};
    SettingsLoader(store, {"alice", "/d"}).saveSettings(s);
    QJsonObject first = QJsonDocument::fromJson(test::readFile(folder + "/first.json")).object();
    EXPECT_EQ(first.keys(), (QStringList{"AllowCopyPaste", "AllowPrint", "Author", "AutoUpdate", "Keywords",
                                         "MasterPassword", "Path", "PostAction", "SelectedTab", "Subject",
                                         "Title", "Unknown", "UseEncryption", "UserPassword"}));
    DefaultsStore reopened(folder + "/first.json");
    Settings r;
    SettingsLoader(reopened, {"bob", "/d"}).loadSettings(r, IniSections{});
    DefaultsStore second(folder + "/second.json");
    SettingsLoader(second, {"bob", "/d"}).saveSettings(r);
    first.remove("Unknown");
    first["UseEncryption"] = 0;
    EXPECT_EQ(QJsonDocument::fromJson(test::readFile(folder + "/second.json")).object(), first);
}
