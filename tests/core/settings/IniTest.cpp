#include "core/settings/Ini.h"

#include "BuildConfig.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using zirn::Ini;

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
        {"[Values]\nTitle = J\xFCrgen\n", "Jürgen"}, // not UTF-8: Latin-1
    };
    for (const auto& [bytes, title] : cases) {
        ASSERT_TRUE(zirn::test::writeFile(dir + "/f.ini", bytes));
        EXPECT_EQ(Ini::readFile(dir + "/f.ini")["Values"]["Title"], QString::fromUtf8(title));
    }
    // A folder, a missing file and the shipped settings file (it fixes nothing) give nothing.
    for (const QString& path : {dir, dir + "/missing.ini", QStringLiteral(ZIRN_SOURCE_RESOURCES "/Zirn.ini")})
        EXPECT_TRUE(Ini::readFile(path).isEmpty()) << path.toStdString();
}
