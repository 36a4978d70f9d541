#include "core/settings/Ini.h"

#include "BuildConfig.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using zirn::Ini;

// Each row: a file, then what it stores under one section and key (nullptr: nothing).
TEST(Ini, FormatTable)
{
    const struct
    {
        const char* text;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Title = Annual report", "main", "Title", "Annual report"},
        {"[Values]\n \tTitle\t=\t Annual report \t", "Values", "Title", "Annual report"},
        {"Path = /a/b=c", "main", "Path", "/a/b=c"},
        {"Title =", "main", "Title", nullptr},
        {"Title=  ", "main", "Title", nullptr},
        {"=x\n==x", "main", "", nullptr},
        {"=a=b", "main", "a", "b"},
        {"= =x", "main", "", "x"},
        {"# Title = x", "main", "# Title", nullptr},
        {"'Title = x", "main", "'Title", nullptr},
        {"; Title=x", "main", "; Title", "x"},
        {"Title = x # more", "main", "Title", "x # more"},
        {"User Password = s", "main", "User Password", "s"},
        {"\fTitle = x\u00A0", "main", "\fTitle", "x\u00A0"}, // only space, tab, CR, LF are trimmed
        {"  [Values]  \nTitle = A", "Values", "Title", "A"},
        {"[ Values ]\nTitle = A", "Values", "Title", nullptr},
        {"[ Values ]\nTitle = A", " Values ", "Title", "A"},
        {"[]\nE = e", "", "E", "e"},
        {"[a=b]]\nO = o", "a=b]", "O", "o"},
        {"[Values]\nA = 1\n[Values] note\nB = 2", "Values", "B", "2"},
        {"[Values]\nA = 1\n[Other]\n[Values]\nB = 2", "Values", "A", "1"},
        {"[Values]\ntitle = small", "Values", "Title", nullptr},
        {"[Values]\ntitle = small", "values", "title", nullptr},
        {"[Values]\nAuthor = A\nAuthor = B", "Values", "Author", "B"},
        {"[Values]\r\nTitle = T\r\nAuthor = A\r\n", "Values", "Author", "A"},
        {"[Values]\rTitle = T\rAuthor = A\r", "main", "[Values]\rTitle", "T\rAuthor = A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto sections = Ini::parse(QString::fromUtf8(c.text));
        const auto section = sections.value(QString::fromUtf8(c.section));
        if (!c.value)
            EXPECT_FALSE(section.contains(QString::fromUtf8(c.key)));
        else
            EXPECT_EQ(section.value(QString::fromUtf8(c.key)), QString::fromUtf8(c.value));
    }
    // A section without settings is not in the result.
    EXPECT_FALSE(Ini::parse(QStringLiteral("[Empty]\n")).contains(QStringLiteral("Empty")));
}

TEST(Ini, ReadFileEncodingsAndFailures)
{
    const QString dir = zirn::test::freshFolder(QStringLiteral("ini"));
    const struct
    {
        QByteArray bytes; // empty: no file, the folder itself is read
        const char* title;
    } cases[] = {
        {"\xEF\xBB\xBF[Values]\nTitle = Gr\xC3\xBC\xC3\x9F\x65\n", "Grüße"},
        {"[Values]\nTitle = J\xFC"
         "rgen\n",
         "Jürgen"}, // not UTF-8: Latin-1
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const QString path = dir + QStringLiteral("/f.ini");
        ASSERT_TRUE(zirn::test::writeFile(path, c.bytes));
        const auto read = Ini::readFile(c.bytes.isEmpty() ? dir : path);
        EXPECT_EQ(read.value(QStringLiteral("Values")).value(QStringLiteral("Title")),
                  c.title ? QString::fromUtf8(c.title) : QString());
    }
    EXPECT_TRUE(Ini::readFile(dir + QStringLiteral("/missing.ini")).isEmpty());
    // The shipped settings file fixes nothing.
    const auto shipped = Ini::readFile(QStringLiteral(ZIRN_SOURCE_RESOURCES "/Zirn.ini"));
    EXPECT_TRUE(shipped.value(QStringLiteral("Values")).isEmpty() &&
                shipped.value(QStringLiteral("main")).isEmpty());
}
