#include "core/settings/Ini.h"

#include "BuildConfig.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using zirn::Ini;
using zirn::IniSections;

namespace {

IniSections parse(const char* utf8)
{
    return Ini::parse(QString::fromUtf8(utf8));
}

QString valueOf(const IniSections& ini, const QString& section, const QString& key)
{
    return ini.value(section).value(key, QStringLiteral("<absent>"));
}

} // namespace

TEST(Ini, SplitRuleTable)
{
    struct Case
    {
        const char* line;
        const char* key; // nullptr: not a setting
        const char* value;
    };
    const Case cases[] = {
        {"Title = Annual report", "Title", "Annual report"},
        {"Title=Annual report", "Title", "Annual report"},
        {"Title\t=\t Annual report", "Title", "Annual report"},
        {"Path = /a/b=c", "Path", "/a/b=c"},
        {"Title =", nullptr, nullptr},
        {"Title=", nullptr, nullptr},
        {"=x", nullptr, nullptr},
        {"==x", nullptr, nullptr},
        {"=a=b", "a", "b"},
        {"= =x", "", "x"},
        {"# Title = x", nullptr, nullptr},
        {"'Title = x", nullptr, nullptr},
        {"; Title=x", "; Title", "x"},
        {"Title = x # not a comment", "Title", "x # not a comment"},
        {"User Password = secret", "User Password", "secret"},
        {"no equals sign", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"=", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto result = Ini::parseLine(QString::fromUtf8(c.line));
        if (!c.key) {
            EXPECT_FALSE(result.has_value());
            continue;
        }
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->first, QString::fromUtf8(c.key));
        EXPECT_EQ(result->second, QString::fromUtf8(c.value));
    }
}

TEST(Ini, TrimsOnlyTheFourCharacters)
{
    EXPECT_EQ(Ini::trim(QStringLiteral(" \t\r\nx y\n\r\t ")), QStringLiteral("x y"));
    // Form feed and no-break space stay.
    EXPECT_EQ(Ini::trim(QStringLiteral("\fx\u00A0")), QStringLiteral("\fx\u00A0"));
    const IniSections ini = parse("[Values]\n\fTitle = x\u00A0\n");
    EXPECT_EQ(valueOf(ini, "Values", "\fTitle"), QStringLiteral("x\u00A0"));
}

TEST(Ini, SectionsAndHeaders)
{
    const IniSections ini = parse("Before = 1\n"
                                  "  [Values]  \n"
                                  "Title = A\n"
                                  "[ Values ]\n"
                                  "Title = spaced\n"
                                  "[]\n"
                                  "Empty = e\n"
                                  "[a=b]]\n"
                                  "Odd = o\n"
                                  "[Values]\n"
                                  "Author = B\n"
                                  "[Values] note\n"
                                  "Subject = still Values\n"
                                  "[Empty]\n");
    EXPECT_EQ(valueOf(ini, "main", "Before"), QStringLiteral("1"));
    EXPECT_EQ(valueOf(ini, "Values", "Title"), QStringLiteral("A"));
    EXPECT_EQ(valueOf(ini, "Values", "Author"), QStringLiteral("B"));
    EXPECT_EQ(valueOf(ini, "Values", "Subject"), QStringLiteral("still Values"));
    EXPECT_EQ(valueOf(ini, " Values ", "Title"), QStringLiteral("spaced"));
    EXPECT_EQ(valueOf(ini, "", "Empty"), QStringLiteral("e"));
    EXPECT_EQ(valueOf(ini, "a=b]", "Odd"), QStringLiteral("o"));
    // A section with no setting is not in the result.
    EXPECT_FALSE(ini.contains(QStringLiteral("Empty")));
    EXPECT_EQ(ini.size(), 5);
}

TEST(Ini, LaterValuesReplaceAndLookupsAreCaseSensitive)
{
    const IniSections ini = parse("[Values]\nAuthor = A\nAuthor = B\ntitle = small\n");
    EXPECT_EQ(valueOf(ini, "Values", "Author"), QStringLiteral("B"));
    EXPECT_FALSE(ini.value(QStringLiteral("Values")).contains(QStringLiteral("Title")));
    EXPECT_FALSE(ini.contains(QStringLiteral("values")));
}

TEST(Ini, LineEnds)
{
    const IniSections lf = parse("[Values]\nTitle = T\nAuthor = A\n");
    const IniSections crlf = parse("[Values]\r\nTitle = T\r\nAuthor = A\r\n");
    EXPECT_EQ(lf, crlf);
    // A lone CR is no line end: the whole text is one line, which is no header.
    const IniSections cr = parse("[Values]\rTitle = T\rAuthor = A\r");
    EXPECT_FALSE(cr.contains(QStringLiteral("Values")));
    EXPECT_EQ(valueOf(cr, "main", "[Values]\rTitle"), QStringLiteral("T\rAuthor = A"));
}

TEST(Ini, ReadFileEncodingsAndFailures)
{
    const QString dir = zirn::test::scratchHome() + QStringLiteral("/ini");
    QDir().mkpath(dir);

    EXPECT_TRUE(Ini::readFile(dir + QStringLiteral("/missing.ini")).isEmpty());
    // A folder where the file should be reads as nothing.
    EXPECT_TRUE(Ini::readFile(dir).isEmpty());

    const QString empty = dir + QStringLiteral("/empty.ini");
    ASSERT_TRUE(zirn::test::writeFile(empty, {}));
    EXPECT_TRUE(Ini::readFile(empty).isEmpty());

    // UTF-8 with a byte-order mark in front of the header.
    const QString bom = dir + QStringLiteral("/bom.ini");
    ASSERT_TRUE(zirn::test::writeFile(bom, "\xEF\xBB\xBF[Values]\nTitle = Gr\xC3\xBC\xC3\x9F\x65\n"));
    EXPECT_EQ(valueOf(Ini::readFile(bom), "Values", "Title"), QStringLiteral("Grüße"));

    // Latin-1 (not valid UTF-8) still reads.
    const QString latin1 = dir + QStringLiteral("/latin1.ini");
    ASSERT_TRUE(zirn::test::writeFile(latin1, "[Values]\nAuthor = J\xFCrgen M\xFCller\n"));
    EXPECT_EQ(valueOf(Ini::readFile(latin1), "Values", "Author"), QStringLiteral("Jürgen Müller"));
}

TEST(Ini, ShippedSettingsFileFixesNothing)
{
    const IniSections ini = Ini::readFile(QStringLiteral(ZIRN_SOURCE_RESOURCES "/Zirn.ini"));
    EXPECT_TRUE(ini.value(QStringLiteral("Values")).isEmpty());
    EXPECT_TRUE(ini.value(QStringLiteral("main")).isEmpty());
}
