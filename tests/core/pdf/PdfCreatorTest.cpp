#include "core/pdf/PdfCreator.h"

#include "BuildConfig.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "core/settings/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstring>

using namespace zirn;

namespace {

// The properties of an XMP packet by namespace, read with a namespace-aware parser so that
// the prefixes a writer chose do not matter: "dc:title" and the like. A simple value is its
// text; an rdf:Alt or rdf:Seq gives its items joined by "|", an alternative as "lang:text".
QMap<QString, QString> xmpProperties(const QByteArray& packet, QString* error)
{
    const QString rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
    const QMap<QString, QString> schemas = {
        {"http://purl.org/dc/elements/1.1/", "dc"},
        {"http://ns.adobe.com/pdf/1.3/", "pdf"},
        {"http://ns.adobe.com/xap/1.0/", "xmp"},
        {"http://ns.adobe.com/xap/1.0/mm/", "xmpMM"},
    };
    const auto key = [&schemas](QStringView ns, QStringView name) {
        return schemas.value(ns.toString(), ns.toString()) + u':' + name.toString();
    };
    QMap<QString, QString> properties;
    QXmlStreamReader xml(packet);
    int depth = 0, descriptionDepth = -1;
    QString property, text, lang;
    QStringList items;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.namespaceUri() == rdf && xml.name() == u"Description") {
                descriptionDepth = depth;
                for (const QXmlStreamAttribute& a : xml.attributes())
                    if (!a.namespaceUri().isEmpty() && a.namespaceUri() != rdf)
                        properties.insert(key(a.namespaceUri(), a.name()), a.value().toString());
            } else if (depth == descriptionDepth + 1) {
                property = key(xml.namespaceUri(), xml.name());
                items.clear();
                text.clear();
            } else if (xml.name() == u"li") {
                lang =
                    xml.attributes()
                        .value(QStringLiteral("http://www.w3.org/XML/1998/namespace"), QStringLiteral("lang"))
                        .toString();
                text.clear();
            }
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"li")
                items << (lang.isEmpty() ? text : lang + u':' + text);
            else if (depth == descriptionDepth + 1)
                properties.insert(property, items.isEmpty() ? text.trimmed() : items.join(u'|'));
            --depth;
            break;
        default:
            break;
        }
    }
    *error = xml.hasError() ? xml.errorString() : QString();
    return properties;
}

class PdfCreatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::freshFolder(QStringLiteral("out"));
        input = folder + QStringLiteral("/input/Job 12.pdf");
        QDir().mkpath(folder + QStringLiteral("/input"));
        test::makePdf(input, {.pages = 3,
                              .info = QMap<QString, QString>{{"Title", "Old title"}, {"Producer", "Printer"}},
                              .nonTextEntries = true});
        settings.InputFile = input;
        settings.OutputPath = folder;
        settings.OutputFileName = QStringLiteral("Report.pdf");
        settings.Title = QStringLiteral("Annual report");
        settings.Subject = QStringLiteral("Figures 2026");
        settings.Keywords = QStringLiteral("alpha, beta");
        settings.Author = QStringLiteral("Jürgen Müller");
        settings.PostAction = QStringLiteral("openFile");
    }

    PdfCreator::Result create()
    {
        PdfCreator creator(desktop, window);
        return creator.createPdf(settings);
    }

    QString at(const QString& name) const { return folder + u'/' + name; }

    QStringList folderEntries() const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    void expectStopped(const PdfCreator::Result& result)
    {
        EXPECT_EQ(result.outcome, PdfCreator::Outcome::Stopped);
        EXPECT_EQ(window.closed, 0);
        EXPECT_TRUE(desktop.openedFiles.isEmpty());
    }

    QString folder;
    QString input;
    Settings settings;
    test::RecordingDesktop desktop;
    test::RecordingWindow window;
};

} // namespace

TEST_F(PdfCreatorTest, PlainOutputIsWrittenOpenedAndTheWindowClosed)
{
    const auto result = create();
    ASSERT_EQ(result.outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(result.outputPath, at("Report.pdf"));
    EXPECT_EQ(desktop.openedFiles, QStringList{at("Report.pdf")});
    EXPECT_EQ(window.closed, 1);
    EXPECT_TRUE(desktop.alerts.isEmpty());

    const auto pdf = test::openWithQpdf(at("Report.pdf"));
    ASSERT_NE(pdf, nullptr);
    EXPECT_FALSE(pdf->isEncrypted());
    EXPECT_EQ(pdf->getAllPages().size(), 3u);
    // The input is left alone here; deleting it is the application's business.
    EXPECT_TRUE(QFileInfo::exists(input));

    settings.PostAction.clear();
    settings.Overwrite = 1;
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(desktop.openedFiles.size(), 1); // no post action, the window closed all the same
    EXPECT_EQ(window.closed, 2);
}

TEST_F(PdfCreatorTest, WhatTheUserTypedAlwaysReachesTheInformation)
{
    struct Case
    {
        const char* name;
        std::optional<QMap<QString, QString>> inputInfo;
        QString title;
        std::string rawTitle; // the bytes of the written string
    };
    const Case cases[] = {
        // PDFDocEncoding where it suffices, UTF-16 with a byte-order mark otherwise.
        {"with information", QMap<QString, QString>{{"Title", "Old"}}, "Grüße aus Köln",
         "Gr\xFC\xDF"
         "e aus K\xF6ln"},
        {"without information", std::nullopt, "日本語", "\xFE\xFF\x65\xE5\x67\x2C\x8A\x9E"},
        {"without information, empty title", std::nullopt, "", ""}, // an empty entry, never none
    };
    settings.Overwrite = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::makePdf(input, {.info = c.inputInfo});
        settings.Title = c.title;
        ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);

        const auto pdf = test::openWithQpdf(at("Report.pdf"));
        ASSERT_NE(pdf, nullptr);
        EXPECT_EQ(pdf->getTrailer().getKey("/Info").getKey("/Title").getStringValue(), c.rawTitle);
        EXPECT_EQ(test::infoText(*pdf, "Title"), c.title);
        EXPECT_EQ(test::infoText(*pdf, "Subject"), QStringLiteral("Figures 2026"));
        EXPECT_EQ(test::infoText(*pdf, "Keywords"), QStringLiteral("alpha, beta"));
        EXPECT_EQ(test::infoText(*pdf, "Author"), QStringLiteral("Jürgen Müller"));
        EXPECT_EQ(test::infoText(*pdf, "Creator"),
                  QStringLiteral("Zirn PDF Writer [" ZIRN_VERSION "] [" ZIRN_HOME_URL "]"));
        EXPECT_FALSE(pdf->getRoot().hasKey("/Metadata")); // no XMP where there was none
    }
}

TEST_F(PdfCreatorTest, EntriesTheProgramDoesNotSetComeBackUnchanged)
{
    // Entries as producers write them; "#E9" makes a key that is no UTF-8.
    const std::string entries[] = {
        "/Checksum <DEADBEEF>",
        "/Caf#E9 (Latin-1 key)",
        "/Odd#20Name <FEFF00DF>",
        "/Binary <00FF0A0D>",
        "/Producer (Printer \\351)",
        "/CreationDate (D:20240101120000+01'00')",
        "/Trapped /False",
        "/Pages 42",
        "/Nested << /A [1 (two) /Three] >>",
    };
    std::string rawInfo = "<<";
    for (const std::string& entry : entries)
        rawInfo += ' ' + entry;
    rawInfo += " >>";
    test::makePdf(input, {.info = QMap<QString, QString>{{"Title", "Old"}}, .rawInfo = rawInfo});
    const auto original = test::openWithQpdf(input);
    ASSERT_NE(original, nullptr);
    QPDFObjectHandle originalInfo = original->getTrailer().getKey("/Info");

    settings.Overwrite = 1;
    settings.PasswordOwner = QStringLiteral("master");
    for (const qint64 encrypted : {0, 1}) {
        SCOPED_TRACE(encrypted ? "protected" : "plain");
        settings.UseEncryption = encrypted;
        ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
        const auto pdf = test::openWithQpdf(at("Report.pdf"));
        ASSERT_NE(pdf, nullptr);
        QPDFObjectHandle info = pdf->getTrailer().getKey("/Info");
        for (const std::string& entry : entries) {
            SCOPED_TRACE(entry);
            const std::string name = *QPDFObjectHandle::parse("<<" + entry + ">>").getKeys().begin();
            ASSERT_TRUE(info.hasKey(name));
            EXPECT_EQ(info.getKey(name).unparseResolved(), originalInfo.getKey(name).unparseResolved());
        }
        EXPECT_EQ(info.getKeys().size(), std::size(entries) + 5);
        EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("Annual report"));
    }
    EXPECT_EQ(originalInfo.getKey("/Checksum").getStringValue(), "\xDE\xAD\xBE\xEF");
}

TEST_F(PdfCreatorTest, XmpMetadataFollowsTheInformation)
{
    struct Case
    {
        const char* name;
        QByteArray packet;
        QMap<QString, QString> kept; // properties that must come back as they were
        QList<QByteArray> written;   // how the changed properties must look
        bool updated = true;         // false: the packet is kept byte for byte
    };
    const QByteArray begin = "<?xpacket begin='\xEF\xBB\xBF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n";
    const QByteArray end = "\n" + QByteArray(200, ' ') + "\n<?xpacket end='w'?>";
    const Case cases[] = {
        {"attribute form, one description per schema",
         begin +
             "<?adobe-xap-filters esc=\"CRLF\"?>\n"
             "<x:xmpmeta xmlns:x='adobe:ns:meta/' x:xmptk='XMP toolkit 2.9.1-13, framework 1.6'>\n"
             "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
             "<rdf:Description rdf:about='' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'"
             " pdf:Producer='GPL Ghostscript 10.00.0' pdf:Keywords='old words'/>\n"
             "<rdf:Description rdf:about='' xmlns:xmp='http://ns.adobe.com/xap/1.0/'"
             " xmp:ModifyDate='2024-01-01T10:00:00+01:00' xmp:CreatorTool='UnknownApplication'/>\n"
             "<rdf:Description rdf:about='' xmlns:xapMM='http://ns.adobe.com/xap/1.0/mm/'"
             " xapMM:DocumentID='uuid:1234'/>\n"
             "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
             " dc:format='application/pdf'><dc:title><rdf:Alt><rdf:li xml:lang='x-default'>Old"
             "</rdf:li></rdf:Alt></dc:title></rdf:Description>\n"
             "</rdf:RDF>\n</x:xmpmeta>" +
             end,
         {{"pdf:Producer", "GPL Ghostscript 10.00.0"},
          {"xmp:ModifyDate", "2024-01-01T10:00:00+01:00"},
          {"xmpMM:DocumentID", "uuid:1234"},
          {"dc:format", "application/pdf"}},
         {"pdf:Keywords=\"alpha, beta\"", "xmp:CreatorTool=\"Zirn PDF Writer [", "xmp:MetadataDate=\""}},
        {"element form, other prefix, several languages and authors",
         begin +
             "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
             " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
             "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\""
             " xmlns:xap=\"http://ns.adobe.com/xap/1.0/\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
             "   <!-- kept -->\n"
             "   <pdf:Producer>Office</pdf:Producer>\n"
             "   <pdf:Keywords>old words</pdf:Keywords>\n"
             "   <xap:CreatorTool>Writer</xap:CreatorTool>\n"
             "   <xap:CreateDate>2024-01-01T10:00:00Z</xap:CreateDate>\n"
             "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Old</rdf:li>"
             "<rdf:li xml:lang=\"de-DE\">Alt</rdf:li></rdf:Alt></dc:title>\n"
             "   <dc:creator><rdf:Seq><rdf:li>Ann</rdf:li><rdf:li>Bob</rdf:li></rdf:Seq></dc:creator>\n"
             "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">Old subject</rdf:li></rdf:Alt>"
             "</dc:description>\n"
             "  </rdf:Description>\n"
             " </rdf:RDF>\n</x:xmpmeta>" +
             end,
         {{"pdf:Producer", "Office"}, {"xmp:CreateDate", "2024-01-01T10:00:00Z"}},
         {"<pdf:Keywords>alpha, beta</pdf:Keywords>", "<xap:CreatorTool>Zirn PDF Writer [",
          "<xap:MetadataDate>", "<!-- kept -->"}},
        {"attribute form without the namespaces",
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
         "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\""
         " xmp:CreateDate=\"2024-01-01\"/></rdf:RDF></x:xmpmeta>",
         {{"xmp:CreateDate", "2024-01-01"}},
         {"xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"", "pdf:Keywords=\"alpha, beta\"",
          "xmp:MetadataDate=\""}},
        {"no well-formed XML", begin + "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF>" + end, {}, {}, false},
    };
    const QMap<QString, QString> changed = {
        {"dc:title", "x-default:Annual report"},
        {"dc:description", "x-default:Figures 2026"},
        {"dc:creator", "Jürgen Müller"},
        {"pdf:Keywords", "alpha, beta"},
        {"xmp:CreatorTool", QStringLiteral("Zirn PDF Writer [" ZIRN_VERSION "] [" ZIRN_HOME_URL "]")},
    };
    settings.Overwrite = 1;
    settings.PasswordOwner = QStringLiteral("master");
    for (const Case& c : cases) {
        test::makePdf(input, {.xmp = c.packet});
        for (const qint64 encrypted : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.name << (encrypted ? ", protected" : ", plain"));
            settings.UseEncryption = encrypted;
            const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
            ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
            const auto pdf = test::openWithQpdf(at("Report.pdf"));
            ASSERT_NE(pdf, nullptr);
            const std::shared_ptr<Buffer> stream = pdf->getRoot().getKey("/Metadata").getStreamData();
            const QByteArray packet(reinterpret_cast<const char*>(stream->getBuffer()),
                                    static_cast<qsizetype>(stream->getSize()));
            // Readable without the password: stored neither encrypted nor compressed.
            EXPECT_TRUE(test::readFile(at("Report.pdf")).contains(packet));
            if (!c.updated) {
                EXPECT_EQ(packet, c.packet);
                continue;
            }
            QString error;
            const QMap<QString, QString> properties = xmpProperties(packet, &error);
            EXPECT_EQ(error, QString());
            for (auto it = changed.begin(); it != changed.end(); ++it)
                EXPECT_EQ(properties.value(it.key()), it.value()) << it.key().toStdString();
            for (auto it = c.kept.begin(); it != c.kept.end(); ++it)
                EXPECT_EQ(properties.value(it.key()), it.value()) << it.key().toStdString();
            for (const QByteArray& form : c.written)
                EXPECT_TRUE(packet.contains(form)) << form.toStdString();
            const QDateTime date = QDateTime::fromString(properties.value("xmp:MetadataDate"), Qt::ISODate);
            EXPECT_TRUE(date.timeSpec() == Qt::OffsetFromUTC || date.timeSpec() == Qt::UTC);
            EXPECT_TRUE(date >= before && date <= QDateTime::currentDateTime());
            // Everything around the root element, the xpacket wrapper with its padding, as it was.
            const qsizetype rootStart = c.packet.indexOf("<x:xmpmeta");
            const qsizetype rootEnd = c.packet.indexOf("</x:xmpmeta>") + qsizetype(strlen("</x:xmpmeta>"));
            EXPECT_TRUE(packet.startsWith(c.packet.left(rootStart)));
            EXPECT_TRUE(packet.endsWith(c.packet.mid(rootEnd)));
        }
    }
}

TEST_F(PdfCreatorTest, ProtectedOutputIsAes128WithMappedPermissions)
{
    struct Case
    {
        qint64 allowPrint, allowCopy, extra;
        bool lowPrint, fullPrint, modify, assemble, extract, accessibility, annotate, forms;
    };
    const Case cases[] = {
        {1, 0, 0, true, true, false, false, false, false, false, false},
        {0, 1, 0, false, false, false, false, true, false, false, false},
        {0, 0, 0, false, false, false, false, false, false, false, false},
        {0, 0, 1, true, false, false, false, false, false, false, false},
        {0, 0, 4, false, false, true, false, false, false, false, false},
        {0, 0, 8, false, false, false, true, false, false, false, false},
        {0, 0, 32, false, false, false, false, false, true, false, false},
        {0, 0, 64, false, false, false, false, false, false, true, false},
        {0, 0, 128, false, false, false, false, false, false, false, true},
        {0, 0, -1, false, false, false, false, false, false, false, false}, // negative: ignored
        {0, 0, 255, true, true, true, true, true, true, true, true},
    };
    settings.UseEncryption = 1;
    settings.PasswordOwner = QStringLiteral("Master-ß");
    settings.Overwrite = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "print " << c.allowPrint << " copy " << c.allowCopy << " extra " << c.extra);
        settings.AllowPrint = c.allowPrint;
        settings.AllowCopyPaste = c.allowCopy;
        settings.UserAccessPermissions = c.extra;
        ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);

        // The empty user password opens it, with the granted permissions only.
        const auto pdf = test::openWithQpdf(at("Report.pdf"));
        ASSERT_NE(pdf, nullptr);
        int R = 0, P = 0, V = 0;
        QPDF::encryption_method_e stream{}, string{}, file{};
        ASSERT_TRUE(pdf->isEncrypted(R, P, V, stream, string, file));
        EXPECT_EQ(R, 4);
        EXPECT_EQ(V, 4);
        EXPECT_EQ(stream, QPDF::e_aes);
        EXPECT_EQ(string, QPDF::e_aes);
        QPDFObjectHandle encrypt = pdf->getTrailer().getKey("/Encrypt");
        EXPECT_EQ(encrypt.getKey("/Length").getIntValue(), 128);
        EXPECT_FALSE(encrypt.getKey("/EncryptMetadata").getBoolValue());
        EXPECT_FALSE(pdf->ownerPasswordMatched());
        // The standard security handler's flags (ISO 32000-1, table 22), as bit values.
        const auto flag = [P](unsigned bit) { return (static_cast<unsigned>(P) & (1u << (bit - 1))) != 0; };
        EXPECT_EQ(flag(3), c.lowPrint || c.fullPrint);
        EXPECT_EQ(flag(12), c.fullPrint);
        EXPECT_EQ(flag(4), c.modify);
        EXPECT_EQ(flag(11), c.assemble);
        EXPECT_EQ(flag(5), c.extract);
        // qpdf always grants extraction for accessibility (PDF 2.0: readers ignore the flag).
        EXPECT_TRUE(flag(10));
        EXPECT_EQ(flag(6), c.annotate);
        EXPECT_EQ(flag(9), c.forms);
        EXPECT_EQ(pdf->allowPrintHighRes(), c.fullPrint);
        EXPECT_EQ(pdf->allowExtractAll(), c.extract);
        EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("Annual report"));
    }
    // The master password gives full control.
    const auto owner = test::openWithQpdf(at("Report.pdf"), "Master-\xDF");
    ASSERT_NE(owner, nullptr);
    EXPECT_TRUE(owner->ownerPasswordMatched());
}

TEST_F(PdfCreatorTest, UserPasswordIsRequiredWhenGiven)
{
    settings.UseEncryption = 1;
    settings.PasswordUser = QStringLiteral("reader");
    settings.PasswordOwner = QStringLiteral("master");
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(test::openWithQpdf(at("Report.pdf")), nullptr);
    const auto pdf = test::openWithQpdf(at("Report.pdf"), "reader");
    ASSERT_NE(pdf, nullptr);
    EXPECT_TRUE(pdf->userPasswordMatched());
}

TEST_F(PdfCreatorTest, PlainOutputOfAnEncryptedInputIsUnencrypted)
{
    test::makePdf(input, {.info = QMap<QString, QString>{{"Title", "x"}},
                          .encryptUserOwner = std::pair{QString(), QStringLiteral("owner")}});
    settings.PasswordUser = QStringLiteral("ignored");
    settings.PasswordOwner = QStringLiteral("ignored");
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    const auto pdf = test::openWithQpdf(at("Report.pdf"));
    ASSERT_NE(pdf, nullptr);
    EXPECT_FALSE(pdf->isEncrypted());
    EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("Annual report"));
}

TEST_F(PdfCreatorTest, MasterPasswordMissingComesFirstEvenWhenSilent)
{
    settings.UseEncryption = 1;
    settings.Silent = 1;
    settings.InputFile = at("gone.pdf");
    expectStopped(create());
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Please enter a master password first."));
    EXPECT_TRUE(desktop.alerts[0].detail.isEmpty());
    EXPECT_TRUE(desktop.alerts[0].buttons.isEmpty());
    EXPECT_EQ(window.masterPasswordShown, 1);
    EXPECT_FALSE(QFileInfo::exists(at("Report.pdf")));
}

TEST_F(PdfCreatorTest, PasswordsPdfDocEncodingCannotHoldAreRefused)
{
    settings.UseEncryption = 1;
    settings.Silent = 1;
    settings.PasswordOwner = QStringLiteral("пароль");
    expectStopped(create());
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_TRUE(desktop.alerts[0].message.startsWith(QStringLiteral("The passwords can only contain")));
    EXPECT_EQ(window.masterPasswordShown, 1);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("input")});
}

TEST_F(PdfCreatorTest, UnreadableInputFailsWithThePathUnlessSilent)
{
    for (const QString& bad : {QString(), at("gone.pdf"), QString(input).replace("Job 12.pdf", "note.pdf")}) {
        test::writeFile(folder + QStringLiteral("/input/note.pdf"), "not a pdf");
        settings.InputFile = bad;
        desktop.alerts.clear();
        settings.Silent = 0;
        expectStopped(create());
        ASSERT_EQ(desktop.alerts.size(), 1);
        EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Can't create PDF file."));
        EXPECT_EQ(desktop.alerts[0].detail.section(u'\n', 0, 0), at("Report.pdf"));
        EXPECT_EQ(desktop.alerts[0].detail.count(u'\n'), 1); // and why, on its own line

        settings.Silent = 1;
        expectStopped(create());
        EXPECT_EQ(desktop.alerts.size(), 1);
    }
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("input")});
}

TEST_F(PdfCreatorTest, FailedWritesSayWhyAndLeaveNothing)
{
    // An input of about 2 MB with an uncompressed stream: it must come out as it went in.
    {
        const auto pdf = test::openWithQpdf(input);
        QPDFObjectHandle page = QPDFObjectHandle(pdf->getAllPages().at(0));
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(pdf.get(), std::string(2'000'000, ' ')));
        const QByteArray name = QFile::encodeName(input + ".big");
        QPDFWriter writer(*pdf, name.constData());
        writer.setCompressStreams(false);
        writer.write();
        QFile::remove(input);
        QFile::rename(input + ".big", input);
    }
    test::writeFile(at("blocker"), "x");
    QDir().mkpath(at("Folder.pdf"));
    struct Case
    {
        const char* what;
        QString folder, name;
        qint64 overwrite;
        rlim_t sizeLimit;
        QString reason;
        bool protect = false;
    };
    const Case cases[] = {
        {"missing folder", at("missing/deeper"), "Report.pdf", 0, RLIM_INFINITY,
         "The folder does not exist."},
        {"file where the folder should be", at("blocker"), "Report.pdf", 0, RLIM_INFINITY,
         "A part of the folder's path is not a folder."},
        {"folder at the name, replace", folder, "Folder.pdf", 1, RLIM_INFINITY,
         "A folder of that name is in the way."},
        // A full disk: writes come back short or fail. The limit ends the write half way.
        {"file-size limit", folder, "Report.pdf", 0, 1'000'000, "The file is too large."},
        {"file-size limit, number", folder, "Report.pdf", 2, 1'000'000, "The file is too large."},
        // Encrypted streams end in destructors of the writer: no exception may leave them.
        {"file-size limit, protected", folder, "Report.pdf", 0, 1'000'000, "The file is too large.", true},
    };
    const auto before = folderEntries();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        desktop.alerts.clear();
        settings.OutputPath = c.folder;
        settings.OutputFileName = c.name;
        settings.Overwrite = c.overwrite;
        settings.UseEncryption = c.protect ? 1 : 0;
        settings.PasswordOwner = QStringLiteral("master");
        rlimit limit = original;
        limit.rlim_cur = std::min(c.sizeLimit, original.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = create();
        ::setrlimit(RLIMIT_FSIZE, &original);
        expectStopped(result);
        ASSERT_EQ(desktop.alerts.size(), 1);
        EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Can't create PDF file."));
        const QString where = c.overwrite == 2 ? QStringLiteral("Report 1.pdf") : c.name;
        EXPECT_EQ(desktop.alerts[0].detail, c.folder + u'/' + where + u'\n' + c.reason);
        EXPECT_EQ(folderEntries(), before); // no partial file, no temporary file
    }
    std::signal(SIGXFSZ, SIG_DFL);

    // Without the limit the same document is written, its stream byte for byte as it was.
    settings.UseEncryption = 0;
    settings.OutputFileName = QStringLiteral("Report.pdf");
    settings.Overwrite = 0;
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    const auto out = test::openWithQpdf(at("Report.pdf"));
    QPDFObjectHandle written = QPDFObjectHandle(out->getAllPages().at(0)).getKey("/Contents");
    EXPECT_FALSE(written.getDict().hasKey("/Filter"));
    EXPECT_EQ(written.getRawStreamData()->getSize(), 2'000'000u);
    EXPECT_EQ(QFileInfo(at("Report.pdf")).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
}

TEST_F(PdfCreatorTest, ANameTakenDuringTheWriteIsClaimedByThePolicyAgain)
{
    // Another Create (another print job of the same name) finishes while this one writes.
    struct Case
    {
        const char* what;
        qint64 overwrite, silent;
        std::deque<int> answers; // to the question asked when the name turns out taken
        QString written;         // empty: stopped
        bool otherKept;
    };
    const Case cases[] = {
        {"number: the next number", 2, 0, {}, "Report 2.pdf", true},
        {"ask, Silent: stopped", 0, 1, {}, "", true},
        {"ask: Cancel", 0, 0, {1}, "", true},
        {"ask: Overwrite", 0, 0, {0}, "Report.pdf", false},
        {"replace", 1, 0, {}, "Report.pdf", false},
    };
    settings.PostAction.clear();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : folderEntries())
            if (name != QStringLiteral("input"))
                QFile::remove(at(name));
        const QString other =
            at(c.overwrite == 2 ? QStringLiteral("Report 1.pdf") : QStringLiteral("Report.pdf"));
        window.duringWrite = [&other] { test::writeFile(other, "the other job's output"); };
        settings.Overwrite = c.overwrite;
        settings.Silent = c.silent;
        desktop.alerts.clear();
        desktop.alertAnswers = c.answers;
        const auto result = create();
        EXPECT_EQ(result.outputPath, c.written.isEmpty() ? QString() : at(c.written));
        EXPECT_EQ(desktop.alerts.size(), static_cast<qsizetype>(c.answers.size()));
        EXPECT_EQ(test::readFile(other) == "the other job's output", c.otherKept);
        if (!c.written.isEmpty()) {
            EXPECT_NE(test::openWithQpdf(at(c.written)), nullptr);
        }
        EXPECT_EQ(folderEntries().filter(QStringLiteral(".part")), QStringList());
    }
}

TEST_F(PdfCreatorTest, StaleTemporaryFilesOfEarlierRunsGo)
{
    const QDateTime twoDaysAgo = QDateTime::currentDateTime().addDays(-2);
    struct Case
    {
        QString name;
        bool old, kept;
    };
    const Case cases[] = {
        {".zirn-0123456789abcdef.part", true, false}, // ours, cut off two days ago
        {".zirn-fedcba9876543210.part", false, true}, // ours, maybe still being written
        {".zirn-notours.part", true, true},
        {".Report.pdf.0123456789abcdef.part", true, true},
    };
    for (const Case& c : cases) {
        test::writeFile(at(c.name), "partial");
        if (c.old) {
            QFile file(at(c.name));
            file.open(QIODevice::ReadWrite);
            file.setFileTime(twoDaysAgo, QFileDevice::FileModificationTime);
        }
    }
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    for (const Case& c : cases)
        EXPECT_EQ(QFileInfo::exists(at(c.name)), c.kept) << c.name.toStdString();
}

TEST_F(PdfCreatorTest, AskPolicy)
{
    // Free name: no question.
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    EXPECT_TRUE(desktop.alerts.isEmpty());
    const QByteArray first = test::readFile(at("Report.pdf"));

    // Taken, "Cancel": nothing written.
    settings.Title = QStringLiteral("Second");
    window.closed = 0;
    desktop.openedFiles.clear();
    desktop.alertAnswers = {1};
    expectStopped(create());
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message,
              QStringLiteral("The file 'Report.pdf' already exists in the same folder."));
    EXPECT_EQ(desktop.alerts[0].detail, QStringLiteral("Do you want to overwrite this file?"));
    EXPECT_EQ(desktop.alerts[0].buttons,
              (QStringList{QStringLiteral("Overwrite"), QStringLiteral("Cancel")}));
    EXPECT_EQ(test::readFile(at("Report.pdf")), first);

    // Taken and Silent: nothing shown, nothing written.
    settings.Silent = 1;
    expectStopped(create());
    EXPECT_EQ(desktop.alerts.size(), 1);

    // Taken, "Overwrite": replaced.
    settings.Silent = 0;
    desktop.alertAnswers = {0};
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(test::infoText(*test::openWithQpdf(at("Report.pdf")), "Title"), QStringLiteral("Second"));

    // A folder at the output name counts as taken.
    settings.OutputFileName = QStringLiteral("Folder.pdf");
    QDir().mkpath(at("Folder.pdf"));
    settings.Silent = 1;
    window.closed = 0;
    desktop.openedFiles.clear();
    expectStopped(create());
}

TEST_F(PdfCreatorTest, ReplacePolicyForAnyOtherValue)
{
    test::writeFile(at("Report.pdf"), "old contents");
    for (qint64 policy : {1, 5, -1}) {
        settings.Overwrite = policy;
        ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
        EXPECT_TRUE(desktop.alerts.isEmpty());
        EXPECT_NE(test::openWithQpdf(at("Report.pdf")), nullptr);
    }
}

TEST_F(PdfCreatorTest, NumberPolicyNeverUsesTheBareName)
{
    settings.Overwrite = 2;
    settings.PostAction.clear();
    EXPECT_EQ(create().outputPath, at("Report 1.pdf"));
    EXPECT_FALSE(QFileInfo::exists(at("Report.pdf")));

    QFile::remove(at("Report 1.pdf"));
    test::writeFile(at("Report 1.pdf"), "x");
    test::writeFile(at("Report 3.pdf"), "x");
    EXPECT_EQ(create().outputPath, at("Report 2.pdf"));
    EXPECT_EQ(create().outputPath, at("Report 4.pdf"));
    QDir().mkpath(at("Report 5.pdf")); // a folder is taken too
    EXPECT_EQ(create().outputPath, at("Report 6.pdf"));
    EXPECT_TRUE(desktop.alerts.isEmpty());

    EXPECT_EQ(PdfCreator::numberedLocation(folder, QStringLiteral("a.b.pdf")), at("a.b 1.pdf"));
    EXPECT_EQ(PdfCreator::numberedLocation(folder, QStringLiteral("Notes")), at("Notes 1.pdf"));
}

TEST_F(PdfCreatorTest, OutputFolderForms)
{
    const QString home = QDir::homePath();
    settings.OutputPath = QStringLiteral("~/Reports");
    EXPECT_EQ(PdfCreator::outputFolder(settings), home + QStringLiteral("/Reports"));
    settings.OutputPath.clear();
    EXPECT_EQ(PdfCreator::outputFolder(settings), home + QStringLiteral("/Desktop"));

    QDir().mkpath(home + QStringLiteral("/Reports"));
    settings.OutputPath = QStringLiteral("~/Reports");
    settings.PostAction.clear();
    EXPECT_EQ(create().outputPath, home + QStringLiteral("/Reports/Report.pdf"));
}

TEST_F(PdfCreatorTest, OutputMayReplaceTheInputItself)
{
    settings.OutputPath = folder + QStringLiteral("/input");
    settings.OutputFileName = QStringLiteral("Job 12.pdf");
    settings.Overwrite = 1;
    const auto result = create();
    ASSERT_EQ(result.outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(result.outputPath, input);
    EXPECT_EQ(test::infoText(*test::openWithQpdf(input), "Title"), QStringLiteral("Annual report"));
}

TEST_F(PdfCreatorTest, TheWindowHearsOfTheWrite)
{
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    ASSERT_GE(window.progress.size(), 3);
    EXPECT_EQ(window.progress.first(), -1);
    EXPECT_EQ(window.progress[window.progress.size() - 2], 100);
    EXPECT_EQ(window.progress.last(), -2);

    // Also a failed write ends the busy state.
    window.progress.clear();
    settings.OutputPath = at("missing");
    create();
    EXPECT_EQ(window.progress.first(), -1);
    EXPECT_EQ(window.progress.last(), -2);
}

TEST(PdfCreatorStatic, GrantedPermissions)
{
    Settings s;
    const auto granted = [&s](qint64 print, qint64 copy, qint64 extra) {
        s.AllowPrint = print;
        s.AllowCopyPaste = copy;
        s.UserAccessPermissions = extra;
        return PdfCreator::grantedPermissions(s);
    };
    EXPECT_EQ(granted(1, 0, 0), 2u);
    EXPECT_EQ(granted(1, 1, 0), 18u);
    EXPECT_EQ(granted(0, 0, 4), 4u);
    EXPECT_EQ(granted(0, 0, 2), 2u);
    EXPECT_EQ(granted(7, 0, 0), 2u);
    EXPECT_EQ(granted(0, 1, -5), 16u);
}
