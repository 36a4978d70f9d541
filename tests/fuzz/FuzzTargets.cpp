// libFuzzer targets, one program per parser of outside input, picked by ZIRN_FUZZ_<target>.
// Each also checks what must hold for every input.
#include "core/DefaultsStore.h"
#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/pdf/XmpMetadata.h"
#include "core/settings/SettingsLoader.h"
#include "core/update/UpdateCheck.h"
#include "print/CupsBackend.h"

#include "Recorders.h"

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

static QString writeInput(const QByteArray& bytes, const QString& name)
{
    static QTemporaryDir scratch;
    QFile file(scratch.filePath(name));
    REQUIRE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Never destroyed: at exit, Qt 6.8's network module would still answer its destruction
    // after its own statics had gone.
    static auto* app = new QCoreApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static DefaultsStore unwritable("/dev/null/defaults.json"); // its folder cannot be made
#if defined(ZIRN_FUZZ_ini)
    const IniSections ini = Ini::readFile(writeInput(bytes, "Zirn.ini"));
    Settings settings{.Title = "document"};
    SettingsLoader(unwritable, {"user", "/tmp"}).loadSettings(settings, ini);
#elif defined(ZIRN_FUZZ_store)
    // The defaults store: what it read comes back the same after a write.
    const QString path = writeInput(bytes, "defaults.json");
    QFile::remove(path + ".damaged");
    DefaultsStore store(path);
    store.setValue("Title", "written");
    const DefaultsStore reopened(path);
    for (const char* key : {"Title", "Author", "AutoUpdate", "AppleLanguages", "LastAutoUpdateCheck", "a"})
        REQUIRE(reopened.value(key) == store.value(key));
#elif defined(ZIRN_FUZZ_update_reply)
    // The update service's answer: a notice of bounded size, and only web pages open.
    test::RecordingDesktop desktop;
    desktop.noticeAnswer = true;
    UpdateCheck("http://127.0.0.1:9/", unwritable, desktop).handleResult(bytes);
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
    const auto updated =
        updateXmpPacket(bytes, {"Ti<tle]]>", "Sub&ject", "k\"1', k2", "Jürgen 😀", "Zirn", {}});
    if (updated && wellFormed(bytes))
        REQUIRE(wellFormed(*updated));
#elif defined(ZIRN_FUZZ_pdf_create)
    // The document intake and a Create beside it: what is written opens with the title taken in.
    const QString input = writeInput(bytes, "in.pdf");
    Settings settings{
        .OutputFileName = "out.pdf", .InputFile = input, .OutputPath = input.section(u'/', 0, -2)};
    readDocumentInfo(settings);
    test::RecordingDesktop desktop;
    test::RecordingWindow window;
    const PdfCreator::Result result = PdfCreator(desktop, window).createPdf(settings);
    const auto written = PdfDocument::open(result.outputPath);
    REQUIRE(result.outcome != PdfCreator::Outcome::Written ||
            (written && written->documentInfo().value("Title") == settings.Title));
    QFile::remove(result.outputPath);
    // Joined with itself, so that its links, bookmarks and fields are copied as a later document's.
    const PdfCreator::Result joined =
        PdfCreator(desktop, window)
            .createPdf(settings, {{input, QStringLiteral("a")}, {input, QStringLiteral("b")}});
    REQUIRE(joined.outcome != PdfCreator::Outcome::Written || PdfDocument::open(joined.outputPath));
    QFile::remove(joined.outputPath);
#elif defined(ZIRN_FUZZ_print_job)
    // The print backend's job title (first line) and options: the spool name is a plain file
    // name of valid UTF-8.
    const std::string name = print::spoolNameFromTitle(bytes.left(bytes.indexOf('\n')).toStdString());
    const QString text = QString::fromStdString(name);
    REQUIRE(name.size() <= 200 && text.toStdString() == name &&
            !text.contains(QRegularExpression("^$|[/\\x00-\\x1F\\x7F-\\x9F]|^[ .]| $")));
    print::qpdfPageRanges(bytes.toStdString(), 9);
#else
#error "Pick a target with ZIRN_FUZZ_<target>"
#endif
    return 0;
}
