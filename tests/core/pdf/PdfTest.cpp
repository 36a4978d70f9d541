#include "core/pdf/DocumentIntake.h"
#include "core/pdf/PdfCreator.h"
#include "core/settings/Settings.h"

#include "BuildConfig.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

using namespace zirn;

namespace {

const QString stamp = QStringLiteral("Zirn PDF Writer [" ZIRN_VERSION "] [" ZIRN_HOME_URL "]");

// Set by a case: the answer of a file system that cannot rename files, to every plain rename;
// EEXIST: of one whose rename never replaces, to a rename onto a taken name.
int refusedRename = 0;

} // namespace

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) noexcept
{
    struct stat taken
    {};
    if (refusedRename != 0 &&
        (refusedRename != EEXIST || ::fstatat(toFolder, to, &taken, AT_SYMLINK_NOFOLLOW) == 0))
        return errno = refusedRename, -1;
    return static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, 0));
}

namespace {

class PdfCreatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::freshFolder(QStringLiteral("out"));
        input = at(QStringLiteral("input/Job 12.pdf"));
        QDir().mkpath(at(QStringLiteral("input")));
        test::makePdf(input, {.pages = 3});
        base = {.OutputFileName = "Report.pdf",
                .InputFile = input,
                .OutputPath = folder,
                .Title = "Annual report",
                .Subject = "Figures 2026",
                .Keywords = "alpha, beta",
                .Author = "Jürgen Müller",
                .PasswordOwner = "Master-ß",
                .Overwrite = 1};
    }

    // One Create of settings, heard by fresh recorders.
    PdfCreator::Result create(const Settings& settings, const QList<DocumentPart>& parts = {})
    {
        desktop.alerts.clear();
        window.progress.clear();
        window.passwordsShown.clear();
        window.failures.clear();
        return PdfCreator(desktop, window).createPdf(settings, parts);
    }

    QString at(const QString& name) const { return folder + u'/' + name; }

    QStringList entries(const QString& sub = {}) const
    {
        return QDir(at(sub)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QString folder, input;
    Settings base;
    test::RecordingDesktop desktop;
    test::RecordingWindow window;
};

} // namespace

TEST_F(PdfCreatorTest, NamesTheOutputByThePolicyForATakenName)
{
    struct Case
    {
        const char* what;
        qint64 overwrite, silent;
        int answer;             // to the overwrite question; -1: none asked
        QStringList present;    // there before; "name/" is a folder, "name>target" a link
        QString written;        // below the folder, "~/" below home; empty: stopped
        bool meanwhile = false; // another job takes the name while this one writes
        QString name = QStringLiteral("Report.pdf"), dir = QString();
        int rename = 0; // the file system's answer to a rename (see refusedRename)
    };
    // clang-format off
    const Case cases[] = {
        {"ask, free", 0, 0, -1, {}, "Report.pdf"},
        {"ask, Overwrite", 0, 0, 0, {"Report.pdf"}, "Report.pdf"},
        {"ask, Cancel", 0, 0, 1, {"Report.pdf"}, ""},
        {"ask, Silent", 0, 1, -1, {"Report.pdf"}, ""},
        {"ask, a folder is taken", 0, 1, -1, {"Report.pdf/"}, ""},
        {"replace -1", -1, 0, -1, {"Report.pdf"}, "Report.pdf"},
        {"number, free, dots, %1 as it is", 2, 0, -1, {}, "a.b%1 1.pdf", false, "a.b%1.pdf"},
        {"number, gap", 2, 0, -1, {"Report.pdf", "Report 1.pdf", "Report 2.pdf/", "Report 4.pdf"}, "Report 3.pdf"},
        {"number, a link to nowhere", 2, 0, -1, {"Report 1.pdf>gone"}, "Report 2.pdf"},
        {"number, a link loop", 2, 0, -1, {"Report 1.pdf>Report 1.pdf"}, "Report 2.pdf"},
        {"ask, a link to nowhere, Overwrite", 0, 0, 0, {"Report.pdf>gone"}, "Report.pdf"},
        {"meanwhile, number", 2, 0, -1, {}, "Report 2.pdf", true},
        {"meanwhile, ask, Cancel", 0, 0, 1, {}, "", true},
        {"meanwhile, ask, Overwrite", 0, 0, 0, {}, "Report.pdf", true},
        {"over the input itself", 1, 0, -1, {}, "input/Job 12.pdf", false, "Job 12.pdf", "input"},
        {"no folder: home, having no desktop folder", 1, 0, -1, {}, "~/Report.pdf", false, "Report.pdf", ""},
        // File systems without the exclusive rename and hard links (USB sticks, network mounts).
        {"exFAT, number", 2, 0, -1, {"exfat/Report.pdf"}, "exfat/Report 1.pdf", false, "Report.pdf", "exfat"},
        {"exFAT, ask, free", 0, 0, -1, {}, "exfat/Report.pdf", false, "Report.pdf", "exfat"},
        {"exFAT, meanwhile, number", 2, 0, -1, {}, "exfat/Report 2.pdf", true, "Report.pdf", "exfat"},
        {"FAT, number", 2, 0, -1, {"fat/Report.pdf"}, "fat/Report 1.pdf", false, "Report.pdf", "fat"},
        {"FAT, ask, Overwrite", 0, 0, 0, {"fat/Report.pdf"}, "fat/Report.pdf", false, "Report.pdf", "fat"},
        {"FAT never replacing, number", 2, 0, -1, {"fat/Report.pdf"}, "fat/Report 1.pdf", false, "Report.pdf", "fat", EEXIST},
        {"FAT never replacing, Overwrite", 0, 0, 0, {"fat/Report.pdf"}, "fat/Report.pdf", false, "Report.pdf", "fat", EEXIST},
        // A folder its user may write into but not list: written, and a success.
        {"drop folder, as an ordinary user", 2, 0, -1, {}, "drop/Report 1.pdf", false, "Report.pdf", "drop"},
    };
    // clang-format on
    const auto exfat = test::mountFuse("exfat", at("exfat").toStdString()),
               fat = test::mountFuse("fat", at("fat").toStdString());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if ((c.dir == "exfat" && !exfat) || (c.dir == "fat" && !fat))
            continue;
        for (const QString& name : entries())
            if (name != QStringLiteral("input") && !QFile::remove(at(name)))
                QDir(at(name)).removeRecursively();
        for (const QString& name : c.present) {
            if (name.endsWith(u'/'))
                QDir().mkpath(at(name));
            else if (name.contains(u'>'))
                ASSERT_EQ(::symlink(QFile::encodeName(name.section(u'>', 1)),
                                    QFile::encodeName(at(name.section(u'>', 0, 0)))),
                          0);
            else
                ASSERT_TRUE(test::writeFile(at(name), "old"));
        }
        const QString other =
            at((c.dir.isEmpty() ? "" : c.dir + u'/') + (c.overwrite == 2 ? "Report 1.pdf" : c.name));
        window.duringWrite = [&] {
            if (c.meanwhile)
                test::writeFile(other, "other");
        };
        Settings s = base;
        s.Overwrite = c.overwrite;
        s.Silent = c.silent;
        s.OutputFileName = c.name;
        if (!c.dir.isNull())
            s.OutputPath = c.dir.startsWith(u'~') || c.dir.isEmpty() ? c.dir : at(c.dir);
        desktop.alertAnswers = {c.answer};
        // The drop folder, used by an ordinary user (nobody when the test runs as root).
        const passwd* user = c.dir == "drop" && ::getuid() == 0 ? ::getpwnam("nobody") : nullptr;
        const QByteArray drop = QFile::encodeName(at("drop"));
        if (c.dir == "drop") {
            ASSERT_EQ(::mkdir(drop, 0300) |
                          ::chmod(QFile::encodeName(QFileInfo(test::scratchHome()).path()), 0711) |
                          ::chown(drop, user ? user->pw_uid : ::getuid(), gid_t(-1)) |
                          ::seteuid(user ? user->pw_uid : ::getuid()),
                      0);
        }
        refusedRename = c.rename;
        const auto result = create(s);
        refusedRename = 0;
        ASSERT_EQ(::seteuid(::getuid()), 0);
        ::chmod(drop, 0700);
        const QString expected = c.written.startsWith(u'~') ? QDir::homePath() + c.written.mid(1)
                                 : c.written.isEmpty()      ? QString()
                                                            : at(c.written);
        EXPECT_EQ(result.outputPath, expected);
        EXPECT_EQ(result.outcome == PdfCreator::Outcome::Written, !expected.isEmpty());
        ASSERT_EQ(desktop.alerts.size(), c.answer < 0 ? 0 : 1);
        EXPECT_TRUE(c.answer < 0 || desktop.alerts[0].message.contains(u'\'' + c.name + u'\''));
        // Silent asks nothing, and says in the window why nothing was written.
        EXPECT_EQ(window.failures.size(), c.silent);
        EXPECT_TRUE(c.silent == 0 || window.failures[0].message.contains(u'\'' + c.name + u'\''));
        EXPECT_TRUE(expected.isEmpty() ||
                    test::infoText(*test::openWithQpdf(expected), "Title") == base.Title);
        for (const QString& name : c.present)
            EXPECT_TRUE(name.endsWith(u'/') || at(name.section(u'>', 0, 0)) == expected ||
                        test::readFile(at(name)) == "old" ||
                        QFileInfo(at(name.section(u'>', 0, 0))).isSymLink());
        EXPECT_EQ(c.meanwhile && test::readFile(other) == "other", c.meanwhile && other != expected);
        // No temporary file left, and a link is replaced, never followed.
        EXPECT_EQ(
            (entries() + entries(c.dir)).filter(QRegularExpression(QStringLiteral("\\.(part|old)|gone"))),
            QStringList());
    }
}

TEST_F(PdfCreatorTest, StopsWithTheReasonAndLeavesNothing)
{
    // About 2 MB of uncompressed contents, so that a file-size limit cuts the write half way.
    test::makePdf(input, {.padding = 2'000'000});
    test::writeFile(at("blocker"), "x");
    QDir().mkpath(at("Folder.pdf"));
    struct Case
    {
        const char* what;
        std::function<void(Settings&)> change;
        QString message,
            reason;     // the start of the one alert (empty: none); the reason after the path, or the detail
        char field = 0; // the password field shown: 'u' the user's, 'm' the master
        rlim_t limit = RLIM_INFINITY;
        QString where = QStringLiteral("Report.pdf");
        QStringList joined = {}; // documents joined after the input, named by their file names
    };
    const QString fail = QStringLiteral("Can't create PDF file."),
                  big = QStringLiteral("The file is too large.");
    const rlim_t none = RLIM_INFINITY, mb = 1'000'000;
    const QString deep = at("deep.pdf");
    test::makePdf(deep, {.nesting = 40'000});
    // Fills the file system at folder: a file takes its space, empty files what its folder can hold.
    const auto fill = [](const QString& folder) {
        const int big =
            ::open(QFile::encodeName(folder + "/big").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::string block(4096, 'x');
        while (big >= 0 && ::write(big, block.data(), block.size()) > 0) {
        }
        ::close(big);
        for (int i = 0; i < 10000 && test::writeFile(folder + QStringLiteral("/%1").arg(i), {}); ++i) {
        }
    };
    const auto passwords = [](qint64 keyLength, const QString& user, const QString& master) {
        return [=](Settings& s) {
            s.UseEncryption = 1;
            s.EncryptionKeyLength = keyLength;
            s.PasswordUser = user;
            s.PasswordOwner = master;
        };
    };
    // clang-format off
    const Case cases[] = {
        {"missing folder", [&](Settings& s) { s.OutputPath = at("missing/deeper"); }, fail,
         "The folder does not exist.", 0, none, "missing/deeper/Report.pdf"},
        // Silent asks nothing, yet says why: in the window and the log, not in an alert.
        {"missing folder, Silent", [&](Settings& s) { s.OutputPath = at("missing"); s.Silent = 1; }, fail,
         "The folder does not exist.", 0, none, "missing/Report.pdf"},
        {"file where a folder should be", [&](Settings& s) { s.OutputPath = at("blocker"); }, fail,
         "A part of the folder's path is not a folder.", 0, none, "blocker/Report.pdf"},
        {"folder at the name, replace", [](Settings& s) { s.OutputFileName = "Folder.pdf"; }, fail,
         "A folder of that name is in the way.", 0, none, "Folder.pdf"},
        {"a file system that cannot rename",
         [&](Settings& s) { s.OutputPath = at("fat"); s.Overwrite = 2; refusedRename = EPERM; }, fail,
         "The folder's file system cannot rename files.", 0, none, "fat/Report 1.pdf"},
        // Without unnamed files, the named temporary file's own refusal is the reason.
        {"a full exFAT stick", [&](Settings& s) { s.OutputPath = at("exfat"); fill(at("exfat")); }, fail,
         "The disk is full.", 0, none, "exfat/Report.pdf"},
        {"a name FAT cannot hold",
         [&](Settings& s) { s.OutputPath = at("fat"); s.OutputFileName = "Q3: a?.pdf"; s.Overwrite = 0; }, fail, "The folder's file system does not allow this file name.", 0, none, "fat/Q3: a?.pdf"},
        {"file-size limit, claimed", [](Settings& s) { s.Overwrite = 2; }, fail, big, 0, mb, "Report 1.pdf"},
        // Encrypted streams end in the writer's destructors: no exception may leave them.
        {"file-size limit, replaced, protected", [](Settings& s) { s.UseEncryption = 1; }, fail, big, 0, mb},
        {"no input", [](Settings& s) { s.InputFile.clear(); }, fail, "There is no document to convert."},
        {"unreadable input", [&](Settings& s) { s.InputFile = at("blocker"); }, fail,
         "The document to convert is missing or unreadable."},
        {"pages nested 40,000 deep", [&](Settings& s) { s.InputFile = deep; }, fail,
         "The document is not a valid PDF: its pages are nested more than 1000 levels deep."},
        // One of the documents joined: the message names it, and nothing is written.
        {"unreadable joined document", [](Settings&) {}, fail, "The document 'blocker' is missing or unreadable.",
         0, none, "Report.pdf", {at("blocker")}},
        {"joined document nested too deep", [](Settings&) {}, fail,
         "The document 'deep.pdf' is not a valid PDF: its pages are nested more than 1000 levels deep.", 0,
         none, "Report.pdf", {at("deep.pdf")}},
        {"missing input, Silent", [&](Settings& s) { s.InputFile = at("gone.pdf"); s.Silent = 1; }, fail,
         "The document to convert is missing or unreadable."},
        {"no master password comes first, also Silent",
         [](Settings& s) { s.UseEncryption = 1; s.PasswordOwner.clear(); s.Silent = 1; s.InputFile.clear(); },
         "Please enter a master password first.", "", 'm'},
        // The character refused is named; a composed form is looked for first.
        {"unencodable master password", passwords(128, "", "Mu\u0308ller-пароль"),
         "With 128-bit encryption the passwords can only", "This character cannot be used: п (U+043F)", 'm'},
        {"unencodable user password, a mark without a composed form", passwords(128, "a\u0331", "M"),
         "With 128-bit encryption the passwords can only", "This character cannot be used: \u25CC\u0331 (U+0331)", 'u'},
        {"256-bit, a control character", passwords(256, "", "ab\u0007"), "A password cannot contain control",
         "This character cannot be used: U+0007", 'm'},
        {"256-bit, Hebrew then digits", passwords(256, "שלום123", "M"), "A password with letters of a right", "", 'u'},
        {"256-bit, soft hyphens only", passwords(256, "", "\u00AD"), "A password consists only of characters", "", 'm'},
        // A user password that opens with full control: the restrictions would not apply.
        {"user password is the master password, also Silent",
         [&](Settings& s) { passwords(128, "Master-ß", "Master-ß")(s); s.Silent = 1; },
         "The user password must differ", "", 'u'},
        {"the same once prepared, 256-bit", passwords(256, "Sommer\u00A02024", "Sommer 2024"),
         "The user password must differ", "", 'u'},
        {"the same first 32 characters", passwords(128, QString(32, u'p') + "u", QString(32, u'p') + "m"),
         "128-bit encryption uses only the first 32", "", 'u'},
        // Never cut.
        {"33 characters", passwords(128, QString(33, u'u'), "M"), "With 128-bit encryption a password can have at most 32", "", 'u'},
        {"128 bytes, 256-bit", passwords(256, "", QString(64, u'ж')), "A password can have at most 127 bytes", "", 'm'},
    };
    // clang-format on
    const auto fat = test::mountFuse("fat", at("fat").toStdString()),
               exfat = test::mountFuse("exfat", at("exfat").toStdString());
    const QStringList before = entries() + entries("fat");
    std::signal(SIGXFSZ, SIG_IGN);
    static QStringList logged; // on standard error
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { logged.append(text); });
    rlimit original{};
    ::getrlimit(RLIMIT_FSIZE, &original);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if ((c.where.startsWith("fat/") && !fat) || (c.where.startsWith("exfat/") && !exfat))
            continue;
        Settings s = base;
        c.change(s);
        rlimit limit = original;
        limit.rlim_cur = std::min(c.limit, original.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QList<DocumentPart> parts;
        for (const QString& path : c.joined)
            parts << DocumentPart{s.InputFile, "Job"} << DocumentPart{path, QFileInfo(path).fileName()};
        const auto result = create(s, parts);
        refusedRename = 0;
        ::setrlimit(RLIMIT_FSIZE, &original);
        EXPECT_EQ(result.outcome, PdfCreator::Outcome::Stopped);
        // Silent tells a failure in the window instead of an alert; the passwords' alerts stay.
        const bool inWindow = s.Silent != 0 && c.message == fail;
        ASSERT_EQ(desktop.alerts.size(), c.message.isEmpty() || inWindow ? 0 : 1);
        ASSERT_EQ(window.failures.size(), inWindow ? 1 : 0);
        const auto& alert = inWindow                   ? window.failures[0]
                            : desktop.alerts.isEmpty() ? Alert{}
                                                       : desktop.alerts[0];
        const QString expected =
            c.message + (c.reason.isEmpty() || c.message != fail ? c.reason : at(c.where) + u'\n' + c.reason);
        EXPECT_EQ(alert.message.left(c.message.size()) + alert.detail, expected);
        EXPECT_EQ(logged, s.Silent != 0
                              ? QStringList{alert.message + u' ' + QString(alert.detail).replace(u'\n', u' ')}
                              : QStringList());
        logged.clear();
        // The passwords' own alerts bring the field to fill in or correct forward.
        EXPECT_EQ(window.passwordsShown, c.field == 0
                                             ? QList<PdfProtection::Password>{}
                                             : QList{c.field == 'u' ? PdfProtection::Password::User
                                                                    : PdfProtection::Password::Owner});
        EXPECT_TRUE(window.progress.isEmpty() || window.progress.last() == -2); // the busy state ends
        EXPECT_EQ(entries() + entries("fat"), before); // no partial file, no temporary file
    }
    std::signal(SIGXFSZ, SIG_DFL);
    qInstallMessageHandler(previous);

    // Without the limit it is written, with the usual permission bits.
    ASSERT_EQ(create(base).outcome, PdfCreator::Outcome::Written);
    EXPECT_EQ(window.progress.last(), -2);
    EXPECT_TRUE(QFileInfo(at("Report.pdf")).permissions().testFlag(QFileDevice::ReadOther));
}

namespace {

// What a reader finds in a PDF joined of documents made with links (name and page count, in
// order): each page's text, links and label, the bookmarks, and a field of each.
void expectJoined(QPDF& pdf, const QList<std::pair<QString, int>>& documents)
{
    const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    const auto pageOf = [&pdf, &pages](QPDFObjectHandle place) {
        place = place.isName() || place.isString() ? QPDFOutlineDocumentHelper(pdf).resolveNamedDest(place)
                                                   : place;
        const QPDFObjGen page = place.isArray() ? place.getArrayItem(0).getObjGen() : QPDFObjGen();
        const auto at =
            std::find_if(pages.begin(), pages.end(), [&](auto each) { return each.getObjGen() == page; });
        return QStringLiteral("#%1").arg(at - pages.begin());
    };
    QStringList found, expected, values;
    QPDFAcroFormDocumentHelper forms(pdf);
    QPDFPageLabelDocumentHelper labels(pdf);
    for (size_t i = 0; i < pages.size(); ++i) {
        const auto content = QPDFObjectHandle(pages[i]).getKey("/Contents").getStreamData();
        const std::string text(reinterpret_cast<const char*>(content->getBuffer()), content->getSize());
        found << QString::fromStdString(text.substr(text.find('(') + 1)).section(u')', 0, 0)
              << QString::fromStdString(
                     labels.getLabelForPage(static_cast<long long>(i)).getKey("/P").getUTF8Value());
        for (QPDFAnnotationObjectHelper annotation : QPDFPageObjectHelper(pages[i]).getAnnotations()) {
            QPDFObjectHandle link = annotation.getObjectHandle(), action = link.getKey("/A");
            if (annotation.getSubtype() == "/Widget")
                values << QString::fromStdString(
                    forms.getFieldForAnnotation(annotation).getFullyQualifiedName() + "=" +
                    forms.getFieldForAnnotation(annotation).getValueAsString());
            else
                found << (action.getKey("/S").isNameAndEquals("/URI")
                              ? QString::fromStdString(action.getKey("/URI").getUTF8Value())
                          : link.hasKey("/Dest") ? pageOf(link.getKey("/Dest"))
                                                 : pageOf(action.getKey("/D")));
        }
    }
    // Readers walk the outline from either end.
    QPDFObjectHandle outline = pdf.getRoot().getKey("/Outlines");
    found << QString::number(outline.getKey("/Count").getIntValue()) +
                 pageOf(outline.getKey("/Last").getKey("/Dest"));
    for (QPDFOutlineObjectHelper entry : QPDFOutlineDocumentHelper(pdf).getTopLevelOutlines()) {
        found << QString::fromStdString(entry.getTitle()) + pageOf(entry.getDest());
        for (QPDFOutlineObjectHelper mark : entry.getKids())
            found << QString::fromStdString(mark.getTitle()) + pageOf(mark.getDest());
    }
    QStringList marks{QStringLiteral("%1#%2").arg(documents.size()).arg(pages.size() - 1)};
    int first = 0;
    for (const auto& [name, count] : documents) {
        const QString last = QStringLiteral("#%1").arg(first + count - 1);
        marks << name + QStringLiteral("#%1").arg(first);
        for (int page = 1; page <= count; ++page) {
            expected << QStringLiteral("%1 page %2").arg(name).arg(page) << name + "-"
                     << QStringLiteral("https://example.org/%1/%2").arg(name).arg(page) << last;
            if (page == 1)
                expected << last; // by the named place "end"
            marks << QStringLiteral("%1 %2#%3").arg(name).arg(page).arg(first + page - 1);
        }
        first += count;
    }
    EXPECT_EQ(found, expected + marks);
    // Fields of the same name in different documents are kept apart.
    values.sort();
    EXPECT_EQ(values, (QStringList{"field+1=B", "field+2=C", "field=A"}));
}

} // namespace

TEST_F(PdfCreatorTest, WritesTheInformationAndTheProtection)
{
    // Entries as producers write them, kept byte for byte; "#E9" makes a key that is no UTF-8.
    const std::string rawInfo =
        "<< /Checksum <DEADBEEF> /Caf#E9 (Latin-1 key) /Odd#20Name <FEFF00DF> "
        "/Producer (Printer \\351) /Trapped /False /Pages 42 /Nested << /A [1 (two)] >> >>";
    const test::FixtureOptions producer = {.info = QMap<QString, QString>{{"Title", "Old"}},
                                           .rawInfo = rawInfo};
    const test::FixtureOptions locked = {.encryptUserOwner = std::pair{QString(), "owner"}};
    struct Case
    {
        const char* what;
        test::FixtureOptions input;
        QString title;
        bool encrypt = true;
        qint64 print = 0, copy = 0, extra = 0;
        quint32 granted = 0; // the permission bits the file must carry
        QString user = QString();
        QList<qint64> keyLengths = {128, 256};   // EncryptionKeyLength, each tried
        QByteArray opens = {};                   // what opens it as the user password, if not user in UTF-8
        QList<test::FixtureOptions> joined = {}; // documents joined after the input, each with links
    };
    // The trailer repaired; Silent (with 256) tells it to the log instead.
    const test::FixtureOptions damaged = {.damage = "/Size \\d+"};
    const Case cases[] = {
        {"plain", producer, "Grüße aus Köln", false},
        {"protected, print", producer, "Grüße aus Köln", true, 1, 0, 0, 2},
        {"no information", {.info = std::nullopt}, "日本語", false},
        {"no information, empty title", {.info = std::nullopt}, "", false}, // an entry all the same
        {"protected input, plain output", locked, "T", false, 1, 1, 255, 0, "ignored"},
        {"print and copy", {}, "T", true, 1, 1, 0, 18},
        {"boxes add to the file's bits", {}, "T", true, 7, 0, 4, 6},
        {"low print, assemble, annotate, forms", {}, "T", true, 0, 0, 1 | 8 | 64 | 128, 1 | 8 | 64 | 128},
        {"negative: ignored", {}, "T", true, 0, 1, -5, 16},
        {"nothing, user password", {}, "T", true, 0, 0, 0, 0, "reader"},
        {"32 characters, other lengths are 128", {}, "T", true, 1, 0, 0, 2, QString(32, u'u'), {192, -1}},
        {"Cyrillic, 127 bytes", {}, "T", true, 1, 0, 0, 2, QString(63, u'ж') + "u", {256}},
        // Composed, a space of another width and a ligature as readers prepare them when typed.
        {"prepared, 256-bit", {}, "T", true, 1, 0, 0, 2, "cafe\u0301\u00A0\uFB01", {256}, "café fi"},
        {"composed, 128-bit", {}, "T", true, 1, 0, 0, 2, "Mu\u0308ller", {128}, "M\xFCller"},
        {"damaged", damaged, "T", false},
        // The pages of each in order, their links, bookmarks, labels and fields, and one protection.
        {"joined, one protected",
         {.links = "A"},
         "T",
         true,
         1,
         0,
         0,
         2,
         "u",
         {128, 256},
         {},
         {{.pages = 3, .encryptUserOwner = std::pair{QString(), "o"}, .links = "B"},
          {.pages = 1, .links = "C"}}},
        {"joined, without outlines", {}, "T", false, 0, 0, 0, 0, "", {128}, {}, {{.info = std::nullopt}}},
    };
    for (const Case& c : cases)
        for (const qint64 keyLength : c.keyLengths) {
            SCOPED_TRACE(testing::Message() << c.what << ", " << keyLength);
            test::makePdf(input, c.input);
            Settings s = base;
            s.Title = c.title;
            s.UseEncryption = c.encrypt ? 1 : 0;
            s.PasswordUser = c.user;
            s.AllowPrint = c.print;
            s.AllowCopyPaste = c.copy;
            s.UserAccessPermissions = c.extra;
            s.EncryptionKeyLength = keyLength;
            s.Silent = keyLength == 256;
            QList<DocumentPart> parts;
            for (const test::FixtureOptions& joined : c.joined) {
                parts.append({at(joined.links + ".pdf"), joined.links});
                test::makePdf(parts.last().path, joined);
            }
            if (!parts.isEmpty())
                parts.prepend({input, c.input.links});
            ASSERT_EQ(create(s, parts).outcome, PdfCreator::Outcome::Written);
            const QByteArray password = !c.encrypt ? "" : c.opens.isEmpty() ? c.user.toUtf8() : c.opens;
            const auto pdf = test::openWithQpdf(at("Report.pdf"), password.constData());
            ASSERT_NE(pdf, nullptr);
            EXPECT_FALSE(pdf->anyWarnings()); // the trailer has its /Size, and so on
            const bool told = !c.input.damage.isEmpty() && s.Silent == 0;
            ASSERT_EQ(desktop.alerts.size(), told ? 1 : 0);
            EXPECT_TRUE(!told || desktop.alerts[0].message + desktop.alerts[0].detail.section(u'\n', 0, 0) ==
                                     "The document was damaged and has been repaired." + at("Report.pdf"));
            QStringList info;
            for (const char* entry : {"Title", "Subject", "Keywords", "Author", "Creator"})
                info << test::infoText(*pdf, entry).value_or(QStringLiteral("<none>"));
            EXPECT_EQ(info, (QStringList{c.title, base.Subject, base.Keywords, base.Author, stamp}));
            EXPECT_FALSE(pdf->getRoot().hasKey("/Metadata")); // no XMP where there was none
            if (!c.input.links.isEmpty())
                expectJoined(*pdf, {{"A", 2}, {"B", 3}, {"C", 1}});
            EXPECT_EQ(pdf->getRoot().hasKey("/PageLabels"), !c.input.links.isEmpty()); // none where none was
            if (!c.input.rawInfo.empty()) {
                QPDFObjectHandle before = QPDFObjectHandle::parse(rawInfo),
                                 after = pdf->getTrailer().getKey("/Info");
                for (const std::string& key : before.getKeys())
                    EXPECT_EQ(after.getKey(key).unparseResolved(), before.getKey(key).unparseResolved())
                        << key;
                EXPECT_EQ(after.getKeys().size(), before.getKeys().size() + 5);
            }
            int R = 0, P = 0, V = 0;
            QPDF::encryption_method_e stream{}, string{}, file{};
            ASSERT_EQ(pdf->isEncrypted(R, P, V, stream, string, file), c.encrypt);
            if (!c.encrypt)
                continue;
            const bool aes256 = keyLength == 256;
            const QList<int> expected = aes256 ? QList<int>{6, 5, QPDF::e_aesv3, QPDF::e_aesv3}
                                               : QList<int>{4, 4, QPDF::e_aes, QPDF::e_aes};
            EXPECT_EQ((QList<int>{R, V, stream, string}), expected);
            // The user password opens with limited access, and is needed; the master password (in
            // UTF-8, or in PDFDocEncoding under 128-bit) with full access.
            EXPECT_FALSE(pdf->ownerPasswordMatched());
            EXPECT_EQ(test::openWithQpdf(at("Report.pdf")) == nullptr, !c.user.isEmpty());
            EXPECT_TRUE(test::openWithQpdf(at("Report.pdf"), aes256 ? "Master-ß" : "Master-\xDF")
                            ->ownerPasswordMatched());
            // The standard security handler's flags by bit number; qpdf always sets 10.
            const auto flag = [P](unsigned bit) { return (static_cast<unsigned>(P) >> (bit - 1)) & 1u; };
            const quint32 g = c.granted;
            EXPECT_EQ((QList<unsigned>{flag(3), flag(12), flag(4), flag(11), flag(5), flag(6), flag(9)}),
                      (QList<unsigned>{(g & 3) != 0, (g & 2) != 0, (g & 4) != 0, (g & 8) != 0, (g & 16) != 0,
                                       (g & 64) != 0, (g & 128) != 0}));
        }
}

TEST_F(PdfCreatorTest, XmpMetadataFollowsTheInformation)
{
    const QByteArray begin = "<?xpacket begin='\xEF\xBB\xBF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n<!-- c -->\n";
    const QByteArray end = "\n" + QByteArray(200, ' ') + "\n<?xpacket end='w'?>";
    const QByteArray rdf = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                           "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'";
    const QByteArray close = "</rdf:RDF></x:xmpmeta>", about = "<rdf:Description rdf:about='' ",
                     pdfNs = "xmlns:pdf='http://ns.adobe.com/pdf/1.3/' ",
                     dcNs = "xmlns:dc='http://purl.org/dc/elements/1.1/' ";
    const QList<QByteArray> common = {
        "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Annual report</rdf:li></rdf:Alt></dc:title>",
        "<rdf:Alt><rdf:li xml:lang=\"x-default\">Figures 2026</rdf:li></rdf:Alt>",
        "<dc:creator><rdf:Seq><rdf:li>Jürgen Müller</rdf:li></rdf:Seq></dc:creator>"};
    // Each row: the packet's root, forms that must be found in the result (none: the packet stays as
    // it was), old values that must be gone, and how the packet is stored.
    // Oversized: deflated, decoding beyond the limit; Utf16 and Koi8r: declared so, Utf16 also in it.
    enum Stored { Plain, Deflated, Oversized, Utf16, Koi8r };
    const QByteArray attributeForm =
        rdf + ">" + about + pdfNs + "pdf:Producer='GS' pdf:Keywords='old'/>" + about +
        "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmp:CreatorTool='Unknown'>\n</rdf:Description>" + about +
        dcNs + "dc:format='application/pdf'/>" + close;
    const QList<QByteArray> attributesWritten = {
        "pdf:Producer=\"GS\"", "dc:format=\"application/pdf\"><dc:title>", "pdf:Keywords=\"alpha, beta\"",
        "xmp:CreatorTool=\"" + stamp.toUtf8() + '"', "xmp:MetadataDate=\""};
    const std::tuple<QByteArray, QList<QByteArray>, QList<QByteArray>, Stored> cases[] = {
        // Attribute form, one description per schema.
        {attributeForm, attributesWritten, {"old", "Unknown"}, Plain},
        {attributeForm, attributesWritten, {"old", "Unknown"}, Deflated},
        {attributeForm, {}, {}, Oversized},
        // Read in UTF-16, written in UTF-8, which the declaration then says.
        {attributeForm,
         attributesWritten + QList<QByteArray>{"<?xml version=\"1.0\" encoding=\"UTF-8\"?><?xpacket"},
         {"UTF-16"},
         Utf16},
        // Element form, another prefix, a value form of its own, several languages and authors.
        {rdf + ">\n " + about + pdfNs + dcNs + "xmlns:xap='http://ns.adobe.com/xap/1.0/'>\n  <!-- kept -->" +
             "<pdf:Keywords rdf:parseType='Literal'>old</pdf:Keywords>" +
             "<xap:CreatorTool>Writer</xap:CreatorTool>\n  <dc:title><rdf:Alt><rdf:li xml:lang='x-default'>" +
             "Old</rdf:li><rdf:li xml:lang='de'>Alt</rdf:li></rdf:Alt></dc:title>" +
             "<dc:creator><rdf:Seq><rdf:li>Ann</rdf:li><rdf:li>Bob</rdf:li></rdf:Seq></dc:creator>\n" +
             " </rdf:Description>\n" + close,
         {"<!-- kept -->", "<pdf:Keywords>alpha, beta</pdf:Keywords>",
          "<xap:CreatorTool>" + stamp.toUtf8() + '<', "<xap:MetadataDate>"},
         {"old", "Old", "Alt", "Ann", "Bob"},
         Plain},
        // Namespaces declared above the descriptions: a schema joins the one that uses it. A prefix
        // that is no name is never written.
        {rdf + " " + dcNs + "xmlns:8ap='http://ns.adobe.com/xap/1.0/'><rdf:Description rdf:about=''>" +
             "<pdf:Producer " + pdfNs + ">GS</pdf:Producer>" +
             "</rdf:Description><rdf:Description rdf:about=''><dc:format>PDF</dc:format>" +
             "</rdf:Description>" + close,
         {"</dc:format><dc:title>", "<xmp:CreatorTool>"},
         {},
         Plain},
        // No description yet: a new one takes the simple values as attributes. The root ends where
        // the parse says, not at a closing tag in a comment after it.
        {rdf + ">" + close + "<!-- was </x:xmpmeta> -->",
         {"pdf:Keywords=\"alpha, beta\"", "</x:xmpmeta><!-- was </x:xmpmeta> -->\n"},
         {},
         Plain},
        // An attribute without a prefix has no namespace, not the default one.
        {rdf + ">" + about + "xmlns='http://ns.adobe.com/pdf/1.3/' Keywords='kept'/>" + close,
         {"Keywords=\"kept\"", "pdf:Keywords=\"alpha, beta\""},
         {},
         Plain},
        {rdf + "><rdf:Description>", {}, {}, Plain}, // no well-formed XML
        {attributeForm, {}, {}, Koi8r},              // which pugixml would read as UTF-8
    };
    for (const auto& [root, written, gone, stored] : cases) {
        QByteArray original = begin + root + end;
        if (stored == Oversized)
            original.insert(original.size() - end.size(), QByteArray(PdfDocument::maxMetadataSize, ' '));
        if (stored == Utf16 || stored == Koi8r)
            original.prepend(stored == Utf16 ? "<?xml version='1.0' encoding='UTF-16'?>"
                                             : "<?xml version='1.0' encoding='KOI8-R'?>");
        if (stored == Utf16) {
            const QString text = QString::fromUtf8(original);
            original = QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }
        test::makePdf(input, {.xmp = original, .deflateXmp = stored == Deflated || stored == Oversized});
        for (const qint64 keyLength : {0, 128, 256}) { // 0: plain
            SCOPED_TRACE(testing::Message()
                         << root.mid(rdf.size(), 80).toStdString() << ", " << stored << ", " << keyLength);
            Settings s = base;
            s.UseEncryption = keyLength != 0 ? 1 : 0;
            s.EncryptionKeyLength = keyLength;
            ASSERT_EQ(create(s).outcome, PdfCreator::Outcome::Written);
            const auto pdf = test::openWithQpdf(at("Report.pdf"));
            const auto data = pdf->getRoot().getKey("/Metadata").getStreamData();
            const QByteArray packet(reinterpret_cast<const char*>(data->getBuffer()),
                                    qsizetype(data->getSize()));
            // Not compressed once written; in a protected file encrypted with the rest, as readers expect.
            EXPECT_EQ(test::readFile(at("Report.pdf")).contains(packet),
                      keyLength == 0 && stored != Oversized);
            // The wrapper and its padding as they were, where the packet stays in UTF-8.
            EXPECT_TRUE(written.isEmpty()
                            ? packet == original
                            : stored == Utf16 || (packet.startsWith(begin) && packet.endsWith(end)));
            for (const QByteArray& form : written.isEmpty() ? written : written + common)
                EXPECT_EQ(packet.count(form), 1) << form.toStdString(); // updated, never added twice
            for (const QByteArray& form : gone)
                EXPECT_FALSE(packet.contains(">" + form + "<") || packet.contains("\"" + form + "\""))
                    << form.toStdString();
        }
    }
}

// Only our own temporary files, cut off over a day ago, are removed.
TEST_F(PdfCreatorTest, StaleTemporaryFilesOfEarlierRunsGo)
{
    const std::tuple<QString, bool, bool> cases[] = {{".zirn-0123456789abcdef.part", true, false},
                                                     {".zirn-fedcba9876543210.part", false, true},
                                                     {".zirn-notours.part", true, true},
                                                     {".Report.pdf.0123456789abcdef.part", true, true}};
    for (const auto& [name, old, kept] : cases) {
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setFileTime(QDateTime::currentDateTime().addDays(old ? -2 : 0),
                         QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(create(base).outcome, PdfCreator::Outcome::Written);
    for (const auto& [name, old, kept] : cases)
        EXPECT_EQ(QFileInfo::exists(at(name)), kept) << name.toStdString();
}

// Intake opens the input as Create does: what it cannot open gives four empty fields, never
// the values held before.
TEST(DocumentIntake, CopiesTheFourTextsOfWhatCanBeOpened)
{
    const QString dir = test::freshFolder(QStringLiteral("intake"));
    const QMap<QString, QString> full = {{"Title", "Annual report"},
                                         {"Subject", "Figures"},
                                         {"Keywords", "Alpha, Beta"},
                                         {"Author", "Jürgen"}};
    const QStringList all = full.values(), none = {"", "", "", ""}; // author, keywords, subject, title
    using F = test::FixtureOptions;
    // Each row: the input's name (none: no path) and how it is made (nothing: a text file), then the fields.
    const std::tuple<QString, std::optional<F>, QStringList> cases[] = {
        {"all.pdf", F{.info = full}, all}, // keywords taken whole
        {"none.pdf", F{.info = std::nullopt}, none},
        {"no text.pdf",
         F{.info = full, .rawInfo = "<< /Title 7 /Subject /Name >>"},
         {"Jürgen", "Alpha, Beta", "", ""}},
        {"master.pdf", F{.info = full, .encryptUserOwner = std::pair{"", "o"}}, all},
        {"user.pdf", F{.info = full, .encryptUserOwner = std::pair{"u", "o"}}, none},
        {"nested.pdf", F{.info = full, .nesting = 100}, all},
        {"too deep.pdf", F{.info = full, .nesting = 40'000}, none}, // walked without recursion
        {"loop.pdf", F{.info = full, .nesting = -1}, none},
        {"letter.pdf", std::nullopt, none},
        {"", std::nullopt, none},
    };
    for (const auto& [name, pdf, fields] : cases) {
        Settings s{.InputFile = name.isEmpty() ? name : dir + u'/' + name};
        if (pdf)
            test::makePdf(s.InputFile, *pdf);
        else if (!name.isEmpty())
            test::writeFile(s.InputFile, "Not a PDF");
        s.Title = s.Subject = s.Keywords = s.Author = QStringLiteral("stale");
        readDocumentInfo(s);
        EXPECT_EQ((QStringList{s.Author, s.Keywords, s.Subject, s.Title}), fields) << name.toStdString();
    }
}
