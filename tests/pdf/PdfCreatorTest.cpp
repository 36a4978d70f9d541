#include "pdf/PdfCreator.h"

#include "BuildConfig.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

using namespace zirn;

namespace {

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

TEST_F(PdfCreatorTest, PlainOutputCarriesInformationAndStamp)
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
    EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("Annual report"));
    EXPECT_EQ(test::infoText(*pdf, "Subject"), QStringLiteral("Figures 2026"));
    EXPECT_EQ(test::infoText(*pdf, "Keywords"), QStringLiteral("alpha, beta"));
    EXPECT_EQ(test::infoText(*pdf, "Author"), QStringLiteral("Jürgen Müller"));
    EXPECT_EQ(test::infoText(*pdf, "Creator"),
              QStringLiteral("Zirn PDF Writer [" ZIRN_VERSION "] [" ZIRN_HOME_URL "]"));
    EXPECT_EQ(test::infoText(*pdf, "Producer"), QStringLiteral("Printer")); // other entries kept
    EXPECT_EQ(pdf->getTrailer().getKey("/Info").getKey("/Trapped").getName(), "/False");
    // The input is left alone here; deleting it is the application's business.
    EXPECT_TRUE(QFileInfo::exists(input));
}

TEST_F(PdfCreatorTest, EmptyFieldsGiveEmptyEntriesAndNoInfoDictionaryGetsNone)
{
    settings.Title.clear();
    settings.PostAction.clear();
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    EXPECT_TRUE(desktop.openedFiles.isEmpty()); // no post action, window closed all the same
    EXPECT_EQ(window.closed, 1);
    auto pdf = test::openWithQpdf(at("Report.pdf"));
    EXPECT_EQ(test::infoText(*pdf, "Title"), QString());

    test::makePdf(input, {.info = std::nullopt});
    settings.Overwrite = 1;
    ASSERT_EQ(create().outcome, PdfCreator::Outcome::Written);
    pdf = test::openWithQpdf(at("Report.pdf"));
    EXPECT_FALSE(pdf->getTrailer().getKey("/Info").isDictionary());
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
