#include "PdfFixtures.h"
#include "TestSupport.h"
#include "core/pdf/DocumentIntake.h"
#include "core/settings/Settings.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zirn;

// Intake opens the input as Create does: what it cannot open gives four empty fields, never
// the values held before.
TEST(DocumentIntake, CopiesTheFourTextsOfWhatCanBeOpened)
{
    const QString dir = test::freshFolder(QStringLiteral("intake"));
    const QMap<QString, QString> full = {{"Title", "Annual report"},
                                         {"Subject", "Figures"},
                                         {"Keywords", "Alpha, Beta"},
                                         {"Author", "Jürgen"}};
    struct Case
    {
        const char* what;
        std::optional<test::FixtureOptions> pdf; // nothing: the file holds text below
        QByteArray text;
        QStringList fields; // title, subject, keywords, author
    };
    const QStringList none = {"", "", "", ""};
    const Case cases[] = {
        {"all four; keywords taken whole",
         test::FixtureOptions{.info = full},
         {},
         {"Annual report", "Figures", "Alpha, Beta", "Jürgen"}},
        {"no information", test::FixtureOptions{.info = std::nullopt}, {}, none},
        {"title no text",
         test::FixtureOptions{.info = full, .rawInfo = "<< /Title 7 /Subject /Name >>"},
         {},
         {"", "", "Alpha, Beta", "Jürgen"}},
        {"damaged, repaired",
         test::FixtureOptions{.info = full, .damaged = true},
         {},
         {"Annual report", "Figures", "Alpha, Beta", "Jürgen"}},
        {"master password only",
         test::FixtureOptions{.info = full, .encryptUserOwner = std::pair{QString(), QStringLiteral("o")}},
         {},
         {"Annual report", "Figures", "Alpha, Beta", "Jürgen"}},
        {"user password",
         test::FixtureOptions{.info = full, .encryptUserOwner = std::pair{"u", "o"}},
         {},
         none},
        {"empty file", std::nullopt, "", none},
        {"no PDF", std::nullopt, "This is a letter, not a PDF.\n", none},
        {"no file", std::nullopt, {}, none},
        {"a folder", std::nullopt, {}, none},
        {"no path", std::nullopt, {}, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s;
        s.InputFile = dir + u'/' + QString::fromLatin1(c.what) + QStringLiteral(".pdf");
        if (c.pdf)
            test::makePdf(s.InputFile, *c.pdf);
        else if (!c.text.isNull())
            ASSERT_TRUE(test::writeFile(s.InputFile, c.text));
        else if (c.what == std::string_view("a folder"))
            QDir().mkpath(s.InputFile);
        else if (c.what == std::string_view("no path"))
            s.InputFile.clear();
        s.Title = s.Subject = s.Keywords = s.Author = QStringLiteral("stale");
        readDocumentInfo(s);
        EXPECT_EQ((QStringList{s.Title, s.Subject, s.Keywords, s.Author}), c.fields);
    }
}
