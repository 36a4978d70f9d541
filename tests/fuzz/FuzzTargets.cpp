// libFuzzer targets, one per parser of outside input; the build makes one program per target
// and picks it with ZIRN_FUZZ_<target>. Besides "no crash, no sanitizer report" each checks
// what must hold for every input. --write-seeds=DIR writes the seeds that are made rather than
// kept as files (the PDF fixtures of the tests) and exits.
#include "core/DefaultsStore.h"
#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/pdf/XmpMetadata.h"
#include "core/settings/SettingsLoader.h"
#include "core/update/UpdateCheck.h"
#include "print/CupsBackend.h"

#include "Recorders.h"
#ifdef ZIRN_FUZZ_pdf_create
#include "PdfFixtures.h"
#endif

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>

using namespace zirn;

// Ends the run, keeping the input, when a property that must hold for every input does not.
#define REQUIRE(holds) ((holds) ? void() : (std::fprintf(stderr, "Broken: %s\n", #holds), std::abort()))

namespace {

QString scratch; // a private folder for the files a target reads and writes

QString writeInput(const QByteArray& bytes, const QString& name)
{
    QFile file(scratch + u'/' + name);
    REQUIRE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    scratch = folder.path();
    for (const QString& arg : QCoreApplication::arguments()) {
        if (!arg.startsWith("--write-seeds="))
            continue;
        [[maybe_unused]] const QString seeds = arg.mid(14);
#ifdef ZIRN_FUZZ_pdf_create
        const QMap<QString, QString> info{{"Title", "Merger Plan Q3"}, {"Author", "Jürgen"}};
        test::makePdf(seeds + "/plain.pdf");
        test::makePdf(seeds + "/info.pdf",
                      {.pages = 1, .info = info, .rawInfo = "<< /Checksum <DEADBEEF> >>"});
        test::makePdf(seeds + "/xmp.pdf",
                      {.info = std::nullopt, .xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>"});
        test::makePdf(seeds + "/aes.pdf", {.info = info, .encryptUserOwner = std::pair{"", "owner"}});
#endif
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
#if defined(ZIRN_FUZZ_ini)
    // The settings file: every setting read has a trimmed key and a non-empty trimmed value.
    const IniSections ini = Ini::readFile(writeInput(bytes, "Zirn.ini"));
    for (const IniSection& section : ini)
        for (auto it = section.begin(); it != section.end(); ++it)
            REQUIRE(Ini::trim(it.key()) == it.key() && !it->isEmpty() && Ini::trim(*it) == *it);
    DefaultsStore store("/dev/null/defaults.json"); // never written: its folder cannot exist
    Settings settings{.Title = "document"};
    SettingsLoader(store, {"user", "/tmp"}).loadSettings(settings, ini);
#elif defined(ZIRN_FUZZ_store)
    // The defaults store: what it read comes back the same after a write.
    const QString path = writeInput(bytes, "defaults.json");
    QFile::remove(path + ".damaged");
    DefaultsStore store(path);
    store.setValue("Title", "written");
    const DefaultsStore reopened(path);
    for (const char* key : {"Author", "Path", "AutoUpdate", "AppleLanguages", "LastAutoUpdateCheck", "a"})
        REQUIRE(reopened.value(key) == store.value(key));
    REQUIRE(reopened.stringValue("Title") == QStringLiteral("written"));
#elif defined(ZIRN_FUZZ_update_reply)
    // The update service's answer: a notice of bounded size, and only web pages open.
    static DefaultsStore store("/dev/null/defaults.json");
    test::RecordingDesktop desktop;
    desktop.noticeAnswer = true;
    UpdateCheck update("http://127.0.0.1:9/", store, desktop);
    update.setCurrentVersion("1.0");
    update.handleResult(bytes);
    for (const auto& notice : desktop.notices)
        REQUIRE(notice.title.size() <= UpdateCheck::kMaxNoticeTitle &&
                notice.message.size() <= UpdateCheck::kMaxNoticeMessage);
    for (const QUrl& url : desktop.openedUrls)
        REQUIRE((url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty());
#elif defined(ZIRN_FUZZ_xmp)
    // The XMP update: a packet that is well-formed XML with namespaces stays so.
    const auto wellFormed = [](const QByteArray& xml) {
        QXmlStreamReader reader(xml);
        while (!reader.atEnd())
            reader.readNext();
        return !reader.hasError();
    };
    const DocumentFields fields{"Ti<tle]]>", "Sub&ject", "k\"1', k2", "Jürgen 😀", "Zirn", {}};
    if (const auto updated = updateXmpPacket(bytes, fields); updated && wellFormed(bytes))
        REQUIRE(wellFormed(*updated));
#elif defined(ZIRN_FUZZ_pdf_create)
    // The document intake and a Create, mostly plain, now and then protected by either method
    // (the 256-bit key takes long to derive): what is written opens again with the title taken in.
    Settings settings{.OutputFileName = "out.pdf",
                      .InputFile = writeInput(bytes, "in.pdf"),
                      .OutputPath = scratch,
                      .PasswordOwner = "owner",
                      .Overwrite = 1,
                      .UseEncryption = size % 8 < 2,
                      .Silent = 1,
                      .EncryptionKeyLength = size % 8 == 1 ? 256 : 128};
    readDocumentInfo(settings);
    test::RecordingDesktop desktop;
    test::RecordingWindow window;
    const PdfCreator::Result result = PdfCreator(desktop, window).createPdf(settings);
    if (result.outcome == PdfCreator::Outcome::Written) {
        const auto written = PdfDocument::open(result.outputPath);
        REQUIRE(written && written->documentInfo().value("Title") == settings.Title);
        QFile::remove(result.outputPath);
    }
#elif defined(ZIRN_FUZZ_print_job)
    // The print backend's job title (first line) and options (the rest): the spool name is a
    // plain file name; the page ranges lie within the document.
    const qsizetype lineEnd = bytes.indexOf('\n');
    const std::string title = bytes.left(lineEnd).toStdString(),
                      options = bytes.mid(lineEnd + 1).toStdString();
    const std::string name = print::spoolNameFromTitle(title);
    const QString text = QString::fromStdString(name);
    REQUIRE(!name.empty() && name.size() <= 200 && text.toStdString() == name);
    REQUIRE(!text.contains(QRegularExpression("[/\\x00-\\x1F\\x7F-\\x9F]|^[ .]| $")));
    for (const int pages : {1, 9, 1000000}) {
        const QString ranges = QString::fromStdString(print::qpdfPageRanges(options, pages));
        for (const QString& range : ranges.split(u',', Qt::SkipEmptyParts)) {
            const long first = range.section(u'-', 0, 0).toLong(), last = range.section(u'-', 1).toLong();
            REQUIRE(first >= 1 && first <= last && last <= pages);
        }
    }
#else
#error "Pick a target with ZIRN_FUZZ_<target>"
#endif
    return 0;
}
