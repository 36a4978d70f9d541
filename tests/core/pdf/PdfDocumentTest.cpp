#include "core/pdf/PdfDocument.h"

#include "PdfFixtures.h"
#include "TestSupport.h"
#include "core/pdf/DocumentIntake.h"
#include "core/settings/Settings.h"

#include <QDir>

#include <gtest/gtest.h>

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

using namespace zirn;

namespace {

QString scratch(const QString& name)
{
    const QString dir = test::scratchHome() + QStringLiteral("/pdfdoc");
    QDir().mkpath(dir);
    return dir + u'/' + name;
}

} // namespace

TEST(PdfDocument, OpenRefusesWhatIsNoReadablePdf)
{
    EXPECT_EQ(PdfDocument::open(QString()), nullptr);
    EXPECT_EQ(PdfDocument::open(scratch("missing.pdf")), nullptr);
    EXPECT_EQ(PdfDocument::open(test::scratchHome()), nullptr); // a folder

    const QString empty = scratch("empty.pdf");
    ASSERT_TRUE(test::writeFile(empty, {}));
    EXPECT_EQ(PdfDocument::open(empty), nullptr);

    const QString text = scratch("text.pdf");
    ASSERT_TRUE(test::writeFile(text, "This is a letter, not a PDF.\n"));
    EXPECT_EQ(PdfDocument::open(text), nullptr);

    const QString locked = scratch("locked.pdf");
    test::makePdf(locked, {.encryptUserOwner = std::pair{QStringLiteral("user"), QStringLiteral("owner")}});
    EXPECT_EQ(PdfDocument::open(locked), nullptr);
}

TEST(PdfDocument, OpensRepairableAndOwnerOnlyProtectedFiles)
{
    const QString damaged = scratch("damaged.pdf");
    test::makePdf(damaged);
    QByteArray bytes = test::readFile(damaged);
    const qsizetype at = bytes.lastIndexOf("startxref");
    ASSERT_GT(at, 0);
    bytes.truncate(at);
    bytes += "startxref\n12345\n%%EOF\n"; // a broken cross-reference offset
    ASSERT_TRUE(test::writeFile(damaged, bytes));
    EXPECT_NE(PdfDocument::open(damaged), nullptr);

    const QString ownerOnly = scratch("owner-only.pdf");
    test::makePdf(ownerOnly, {.info = QMap<QString, QString>{{"Title", "Secret"}},
                              .encryptUserOwner = std::pair{QString(), QStringLiteral("owner")}});
    const auto document = PdfDocument::open(ownerOnly);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->documentInfo()->value("Title"), QStringLiteral("Secret"));
}

TEST(PdfDocument, PasswordEncodability)
{
    EXPECT_TRUE(PdfDocument::canEncodePassword(QString()));
    EXPECT_TRUE(PdfDocument::canEncodePassword(QStringLiteral("Müller-€-ß")));
    EXPECT_FALSE(PdfDocument::canEncodePassword(QStringLiteral("пароль")));
    EXPECT_FALSE(PdfDocument::canEncodePassword(QStringLiteral("密码")));
}

TEST(DocumentIntake, CopiesTheFourFieldsAndClearsMissingOnes)
{
    const QString full = scratch("intake.pdf");
    test::makePdf(full, {.info = QMap<QString, QString>{{"Title", "Annual report"},
                                                        {"Subject", "Figures"},
                                                        {"Keywords", "Alpha, Beta"},
                                                        {"Author", "Jürgen"}}});
    Settings s;
    s.InputFile = full;
    readDocumentInfo(s);
    EXPECT_EQ(s.Title, QStringLiteral("Annual report"));
    EXPECT_EQ(s.Subject, QStringLiteral("Figures"));
    EXPECT_EQ(s.Keywords, QStringLiteral("Alpha, Beta")); // one text, taken whole
    EXPECT_EQ(s.Author, QStringLiteral("Jürgen"));

    const QString bare = scratch("bare.pdf");
    test::makePdf(bare, {.info = std::nullopt});
    s.InputFile = bare;
    readDocumentInfo(s);
    EXPECT_TRUE(s.Title.isEmpty() && s.Subject.isEmpty() && s.Keywords.isEmpty() && s.Author.isEmpty());

    s.Title = QStringLiteral("stale");
    s.InputFile = scratch("nothing-here.pdf");
    readDocumentInfo(s);
    EXPECT_TRUE(s.Title.isEmpty());
}

TEST(DocumentIntake, NonTextTitleGivesEmptyText)
{
    const QString path = scratch("numeric-title.pdf");
    test::makePdf(path, {.info = QMap<QString, QString>{{"Author", "A"}}});
    auto pdf = test::openWithQpdf(path);
    ASSERT_NE(pdf, nullptr);
    pdf->getTrailer().getKey("/Info").replaceKey("/Title", QPDFObjectHandle::newInteger(7));
    const QString changed = scratch("numeric-title-2.pdf");
    const QByteArray changedName = QFile::encodeName(changed); // qpdf keeps the pointer
    QPDFWriter writer(*pdf, changedName.constData());
    writer.write();

    Settings s;
    s.InputFile = changed;
    s.Title = QStringLiteral("before");
    readDocumentInfo(s);
    EXPECT_EQ(s.Title, QString());
    EXPECT_EQ(s.Author, QStringLiteral("A"));
}
