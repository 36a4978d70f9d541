#include "pdf/PdfDocument.h"

#include "PdfFixtures.h"
#include "TestSupport.h"
#include "pdf/DocumentIntake.h"
#include "settings/Settings.h"

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

TEST(PdfDocument, InformationRoundTripKeepsTextAndOtherEntries)
{
    const QString input = scratch("info.pdf");
    test::makePdf(input, {.info = QMap<QString, QString>{{"Title", "Grüße aus Köln"}, {"Author", "Ολυμπία"}},
                          .nonTextEntries = true});
    auto document = PdfDocument::open(input);
    ASSERT_NE(document, nullptr);
    DocumentInfo info = *document->documentInfo();
    EXPECT_EQ(info.value("Title"), QStringLiteral("Grüße aus Köln"));
    EXPECT_EQ(info.value("Author"), QStringLiteral("Ολυμπία"));
    ASSERT_TRUE(info.contains("Trapped"));
    EXPECT_FALSE(info.value("Trapped").has_value());

    info.insert("Subject", QStringLiteral("日本語"));
    info.remove("Author");
    document->setDocumentInfo(info);
    const QString output = scratch("info-out.pdf");
    ASSERT_TRUE(document->write(output, std::nullopt));

    const auto written = test::openWithQpdf(output);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(test::infoText(*written, "Title"), QStringLiteral("Grüße aus Köln"));
    EXPECT_EQ(test::infoText(*written, "Subject"), QStringLiteral("日本語"));
    EXPECT_FALSE(test::infoText(*written, "Author").has_value());
    QPDFObjectHandle writtenInfo = written->getTrailer().getKey("/Info");
    EXPECT_EQ(writtenInfo.getKey("/Trapped").getName(), "/False");
    EXPECT_EQ(writtenInfo.getKey("/Pages").getIntValue(), 42);
    // A title that PDFDocEncoding can hold is written in it, not as UTF-16.
    EXPECT_EQ(writtenInfo.getKey("/Title").getStringValue(), "Gr\xFC\xDF"
                                                             "e aus K\xF6ln");
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
