#include "PdfFixtures.h"
#include "TestSupport.h"
#include "core/pdf/DocumentIntake.h"
#include "core/settings/Settings.h"

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
    const QStringList all = full.values(), none = {"", "", "", ""}; // fields in map order
    using F = test::FixtureOptions;
    const struct
    {
        const char* what;
        std::optional<F> pdf; // nothing: made by its name below
        QStringList fields;   // author, keywords, subject, title
    } cases[] = {
        {"all four; keywords taken whole", F{.info = full}, all},
        {"no information", F{.info = std::nullopt}, none},
        {"title no text",
         F{.info = full, .rawInfo = "<< /Title 7 /Subject /Name >>"},
         {"Jürgen", "Alpha, Beta", "", ""}},
        {"damaged, repaired", F{.info = full, .damaged = true}, all},
        {"master password only", F{.info = full, .encryptUserOwner = std::pair{"", "o"}}, all},
        {"user password", F{.info = full, .encryptUserOwner = std::pair{"u", "o"}}, none},
        {"no PDF", std::nullopt, none},
        {"no path", std::nullopt, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s;
        s.InputFile = dir + u'/' + QString::fromLatin1(c.what) + QStringLiteral(".pdf");
        const std::string_view what = c.what;
        if (c.pdf)
            test::makePdf(s.InputFile, *c.pdf);
        else if (what == "no PDF")
            ASSERT_TRUE(test::writeFile(s.InputFile, "This is a letter, not a PDF.\n"));
        else
            s.InputFile.clear();
        s.Title = s.Subject = s.Keywords = s.Author = QStringLiteral("stale");
        readDocumentInfo(s);
        EXPECT_EQ((QStringList{s.Author, s.Keywords, s.Subject, s.Title}), c.fields);
    }
}
