// Runs the real program as a user would have it run by the desktop: a scratch home, a
// settings file that presses Create at launch, and a printed document to consume.

#include "PdfFixtures.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zirn;

namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString home;
};

ProgramRun runProgram(const QString& name, const QByteArray& iniValues, const QStringList& documents)
{
    ProgramRun run;
    run.home = test::scratchHome() + QStringLiteral("/e2e/") + name;
    QDir(run.home).removeRecursively();
    const QString config = run.home + QStringLiteral("/.config/org.zirn.PDFWriter");
    QDir().mkpath(config);
    QDir().mkpath(run.home + QStringLiteral("/out"));
    test::writeFile(config + QStringLiteral("/Zirn.ini"),
                    "[Values]\nAutoStart = 1\nAutoUpdate = 0\nPostAction = none\nPath = " +
                        run.home.toUtf8() + "/out\n" + iniValues);

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), run.home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), run.home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZIRN_APP_PATH), documents);
    EXPECT_TRUE(process.waitForFinished(60000));
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

} // namespace

TEST(EndToEnd, PrintedDocumentBecomesAProtectedPdfAndIsConsumed)
{
    const QString spool = test::scratchHome() + QStringLiteral("/e2e-spool");
    QDir().mkpath(spool);
    const QString input = spool + QStringLiteral("/Quarterly Report.pdf");
    test::makePdf(input, {.pages = 4, .info = QMap<QString, QString>{{"Title", "Quarterly Report"}}});

    const ProgramRun run =
        runProgram(QStringLiteral("protected"),
                   "UseEncryption = 1\nMasterPassword = owner\nAllowPrint = 1\nAuthor = Erika\n", {input});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(input));

    const QString output = run.home + QStringLiteral("/out/Quarterly Report.pdf");
    const auto pdf = test::openWithQpdf(output);
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->getAllPages().size(), 4u);
    EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("Quarterly Report"));
    EXPECT_EQ(test::infoText(*pdf, "Author"), QStringLiteral("Erika"));
    EXPECT_TRUE(test::infoText(*pdf, "Creator")->startsWith(QStringLiteral("Zirn PDF Writer [")));
    int R = 0, P = 0;
    ASSERT_TRUE(pdf->isEncrypted(R, P));
    EXPECT_EQ(R, 4);
    EXPECT_TRUE(pdf->allowPrintHighRes());
    EXPECT_FALSE(pdf->allowExtractAll());

    const QString defaults = run.home + QStringLiteral("/.config/org.zirn.PDFWriter/defaults.json");
    struct stat info
    {};
    ASSERT_EQ(::stat(QFile::encodeName(defaults).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QJsonObject saved = QJsonDocument::fromJson(test::readFile(defaults)).object();
    EXPECT_EQ(saved.value("MasterPassword").toString(), QStringLiteral("owner"));
    EXPECT_EQ(saved.value("Path").toString(), run.home + QStringLiteral("/out"));
}

TEST(EndToEnd, NumberedNamesAndAFileUrlArgument)
{
    const QString spool = test::scratchHome() + QStringLiteral("/e2e-spool2");
    QDir().mkpath(spool);
    const QString input = spool + QStringLiteral("/job.pdf");
    test::makePdf(input);
    const ProgramRun run = runProgram(QStringLiteral("numbered"), "Overwrite = 2\nFile = Letter\n",
                                      {QUrl::fromLocalFile(input).toString()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(run.home + QStringLiteral("/out/Letter 1.pdf")));
    EXPECT_FALSE(QFileInfo::exists(input));
}
