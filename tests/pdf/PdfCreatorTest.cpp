#include "pdf/PdfCreator.h"

#include "BuildConfig.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <qpdf/QPDFObjectHandle.hh>

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
        EXPECT_EQ(desktop.alerts[0].detail, at("Report.pdf"));

        settings.Silent = 1;
        expectStopped(create());
        EXPECT_EQ(desktop.alerts.size(), 1);
    }
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("input")});
}

TEST_F(PdfCreatorTest, FailedWritesStopWithoutLeavingAnything)
{
    // A missing folder, and a file where the folder should be.
    test::writeFile(at("blocker"), "x");
    for (const QString& where : {at("missing/deeper"), at("blocker")}) {
        desktop.alerts.clear();
        settings.OutputPath = where;
        expectStopped(create());
        ASSERT_EQ(desktop.alerts.size(), 1);
        EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Can't create PDF file."));
        EXPECT_EQ(desktop.alerts[0].detail, where + QStringLiteral("/Report.pdf"));
    }
    // A folder at the output name, replace policy: the rename fails, nothing is left behind.
    settings.OutputPath = folder;
    settings.Overwrite = 1;
    QDir().mkpath(at("Report.pdf"));
    desktop.alerts.clear();
    expectStopped(create());
    EXPECT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("Report.pdf"), QStringLiteral("blocker"),
                                            QStringLiteral("input")}));
    EXPECT_TRUE(QFileInfo(at("Report.pdf")).isDir());
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
