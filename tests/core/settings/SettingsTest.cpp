#include "core/DefaultsStore.h"
#include "core/settings/Ini.h"
#include "core/settings/SettingsLoader.h"

#include "TestSupport.h"

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
        store.setValue(it.key(), *it);
    Settings s = document ? Settings{.Title = "doc", .Silent = 9} : Settings{};
    SettingsLoader(store, {"alice", "/home/alice/Desk"}).loadSettings(s, Ini::parse(ini));
    // Unless remembered, the saved encryption switch is reset for good, in the file.
    if (s.RememberEncryptionSettings == 0) {
        EXPECT_EQ(DefaultsStore(path).value("UseEncryption"), QVariant(0LL)) << ini;
    }
    return s;
}

} // namespace

TEST(SettingsLoader, DecimalIntegerRule)
{
    for (const auto& [text, value] : {std::pair{"+7", 7LL},
                                      {"007", 7LL},
                                      {"-12", -12LL},
                                      {"9223372036854775807", kMax},
                                      {"-9223372036854775808", -kMax - 1}})
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
    // A first run takes the built-in defaults.
    const Settings first = load("", {});
    EXPECT_EQ((QStringList{first.Author, first.OutputPath, first.PostAction}),
              (QStringList{"alice", "/home/alice/Desk", "openFile"}));
    EXPECT_EQ((std::array{first.SelectedTab, first.AutoUpdate, first.EncryptionKeyLength, first.Overwrite}),
              (std::array<qint64, 4>{0, 1, 128, 0}));
    EXPECT_EQ(load("", {{"Title", "saved"}}, true).Title, "doc");
    EXPECT_EQ(load("", {{"Title", "saved"}}).Title, "saved");
    EXPECT_EQ(load("[Values]\nTitle = {save}", {{"Title", "saved"}}, true).Title, "saved");
    EXPECT_EQ(load("[Values]\nTitle = {save}", {}, true).Title, "");
    EXPECT_EQ(load("[Values]\nTitle = From file", {{"Title", "saved"}}, true).Title, "From file");
    EXPECT_EQ(load("Title = main\n[Other]\nTitle = o", {{"Title", "saved"}}).Title, "saved");
    EXPECT_EQ(load("[Values]\nKeywords = {SAVE}", {}).Keywords, "{SAVE}");
    // With AutoStart nobody sees a saved title, subject or keywords go into an untitled document.
    const QVariantMap earlier{{"Title", "Q3"}, {"Keywords", "k"}, {"Author", "A"}, {"AutoStart", 1LL}};
    const Settings unseen = load("[Values]\nSubject = S", earlier);
    EXPECT_EQ(unseen.Title + '|' + unseen.Subject + '|' + unseen.Keywords + '|' + unseen.Author, "|S||A");
    EXPECT_EQ(load("[Values]\nTitle = {save}", earlier).Title, "Q3");
    EXPECT_EQ(load("", {{"Author", ""}}).Author, "");
    EXPECT_EQ(load("", {{"Author", 5LL}}).Author, "alice");
    EXPECT_EQ(load("[Values]\nPath = ~/Reports", {}).OutputPath, home + "/Reports");
    EXPECT_EQ(load("[Values]\nPath = ~", {}).OutputPath, home);
    EXPECT_EQ(load("[Values]\nPath = /srv/~x", {}).OutputPath, "/srv/~x");
    EXPECT_EQ(load("", {{"Path", "~/Saved"}}).OutputPath, home + "/Saved");
    EXPECT_EQ(load("[Values]\nSelectedTab = {save}", {{"SelectedTab", 2LL}}).SelectedTab, 2);
    EXPECT_EQ(load("", {{"Overwrite", "7"}}).Overwrite, 0);
    const auto keyLength = [](const char* ini, qint64 saved) {
        return load(ini, {{"EncryptionKeyLength", saved}}).EncryptionKeyLength;
    };
    EXPECT_EQ(keyLength("[Values]\nEncryptionKeyLength = 256", 128), 256);
    EXPECT_EQ(keyLength("[Values]\nEncryptionKeyLength = 128 bit", 256), 256);
    EXPECT_EQ(load("", {}, true).Silent, 9);
    EXPECT_EQ(load("", {{"Silent", kMax}}, true).Silent, kMax);
    EXPECT_EQ(load("", {{"UseEncryption", 1LL}}).UseEncryption, 0);
    EXPECT_EQ(load("[Values]\nUseEncryption = {save}", {{"UseEncryption", 1LL}}).UseEncryption, 0);
    EXPECT_EQ(load("[Values]\nUseEncryption = 1", {}).UseEncryption, 1);
    EXPECT_EQ(load("[Values]\nRememberEncryptionSettings = 1", {{"UseEncryption", 1LL}}).UseEncryption, 1);
    EXPECT_EQ(load("", {{"RememberEncryptionSettings", 1LL}, {"UseEncryption", 1LL}}).UseEncryption, 1);
    EXPECT_EQ(load("", {{"UseEncryption", 1LL}, {"AllowPrint", 1LL}}).AllowPrint, 1);
    // What a launch reads before its window is made: the file, then the saved choice, then 0.
    using Choices = SettingsLoader::LaunchChoices;
    const std::tuple<const char*, QVariantMap, Choices> launches[] = {
        {"", {}, {0, 0}},
        {"", {{"CombineDocuments", 1LL}}, {0, 1}},
        {"[Values]\nCombineDocuments = 0", {{"CombineDocuments", 1LL}}, {0, 0}},
        {"[Values]\nCombineDocuments = {save}\nAutoStart = 1", {{"CombineDocuments", 1LL}}, {1, 1}},
    };
    for (const auto& [ini, saved, choices] : launches) {
        const QString folder = test::freshFolder("loader");
        test::writeFile(folder + "/Zirn.ini", ini);
        DefaultsStore store(folder + "/defaults.json");
        for (auto it = saved.begin(); it != saved.end(); ++it)
            store.setValue(it.key(), *it);
        EXPECT_TRUE(SettingsLoader(store, {"alice", "/d"}).launchChoices(folder + "/Zirn.ini") == choices)
            << ini;
    }
}

// Saved, loaded by another run and saved again, every saved key comes back with its kind, but the
// encryption switch; the other keys are not saved, and keys of others stay.
TEST(SettingsLoader, SavesItsKeysAndRestoresThem)
{
    const QString folder = test::freshFolder("loader");
    DefaultsStore store(folder + "/first.json");
    store.setValue("Unknown", "kept");
    // clang-format off
    const Settings s{.OutputFileName = "Out.pdf", .InputFile = "/in.pdf", .OutputPath = "/r", .Title = "T",
                     .Subject = "S", .Keywords = "a, b", .Author = "A", .PasswordUser = "u", .PasswordOwner = "m",
                     .AutoStart = 1, .Overwrite = 2, .SelectedTab = 2, .UseEncryption = 1, .AllowCopyPaste = 1,
                     .AllowPrint = 1, .Silent = 1, .UserAccessPermissions = 4, .AutoUpdate = 0,
                     .CombineDocuments = 1};
    // clang-format on
    SettingsLoader(store, {"alice", "/d"}).saveSettings(s);
    QJsonObject first = QJsonDocument::fromJson(test::readFile(folder + "/first.json")).object();
    EXPECT_EQ(first.keys(),
              (QStringList{"AllowCopyPaste", "AllowPrint", "Author", "AutoUpdate", "CombineDocuments",
                           "Keywords", "MasterPassword", "Path", "PostAction", "SelectedTab", "Subject",
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

// Each row: a file, then what it stores under one section and key (nullptr: nothing).
TEST(Ini, FormatTable)
{
    const char* const cases[][4] = {
        {"Title = Annual report", "main", "Title", "Annual report"},
        {"[Values]\n \tTitle\t=\t Annual report \t", "Values", "Title", "Annual report"},
        {"Path = /a/b=c", "main", "Path", "/a/b=c"},
        {"Title =", "main", "Title", nullptr},
        {"=a=b", "main", "a", "b"},
        {"# Title = x", "main", "# Title", nullptr},
        {"; Title=x", "main", "; Title", "x"},
        {"Title = x # more", "main", "Title", "x # more"},
        {"\fTitle = x\u00A0", "main", "\fTitle", "x\u00A0"}, // only space, tab, CR, LF are trimmed
        {"  [Values]  \nTitle = A", "Values", "Title", "A"},
        {"[ Values ]\nTitle = A", " Values ", "Title", "A"},
        {"[]\nE = e", "", "E", "e"},
        {"[a=b]]\nO = o", "a=b]", "O", "o"},
        {"[Values]\nA = 1\n[Values] note\nB = 2", "Values", "B", "2"},
        {"[Values]\nA = 1\n[Other]\n[Values]\nB = 2", "Values", "A", "1"},
        {"[Values]\ntitle = small", "values", "title", nullptr}, // case-sensitive
        {"[Values]\nAuthor = A\nAuthor = B", "Values", "Author", "B"},
        {"[Values]\r\nTitle = T\r\nAuthor = A\r\n", "Values", "Author", "A"},
        {"[Values]\rTitle = T\rAuthor = A\r", "main", "[Values]\rTitle", "T\rAuthor = A"},
    };
    for (const auto& [text, section, key, value] : cases) {
        const auto values = Ini::parse(QString::fromUtf8(text)).value(QString::fromUtf8(section));
        EXPECT_EQ(values.value(QString::fromUtf8(key), "-"), QString::fromUtf8(value ? value : "-")) << text;
    }
    // A section without settings is not in the result.
    EXPECT_FALSE(Ini::parse(QStringLiteral("[Empty]\n")).contains(QStringLiteral("Empty")));
}

TEST(Ini, ReadFile)
{
    const QString dir = zirn::test::freshFolder(QStringLiteral("ini"));
    const std::pair<QByteArray, const char*> cases[] = {
        {"\xEF\xBB\xBF[Values]\nTitle = Gr\xC3\xBC\xC3\x9F\x65\n", "Grüße"},
        {"[Values]\nTitle = J\xFCrgen\n", "Jürgen"},                        // not UTF-8: Latin-1
        {"# caf\xE9\n[Values]\nTitle = Gr\xC3\xB6\xC3\x9F\x65\n", "Größe"}, // only that line
    };
    for (const auto& [bytes, title] : cases) {
        ASSERT_TRUE(zirn::test::writeFile(dir + "/f.ini", bytes));
        EXPECT_EQ(Ini::readFile(dir + "/f.ini")["Values"]["Title"], QString::fromUtf8(title));
    }
    // A folder, a missing file and the shipped settings file (it fixes nothing) give nothing.
    for (const QString& path : {dir, dir + "/missing.ini", QStringLiteral(ZIRN_SOURCE_RESOURCES "/Zirn.ini")})
        EXPECT_TRUE(Ini::readFile(path).isEmpty()) << path.toStdString();
}
