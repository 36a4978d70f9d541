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

using namespace zirn;

TEST(EndToEnd, PrintedDocumentsBecomePdfsAndAreConsumed)
{
    const struct
    {
        const char* name;
        QByteArray ini;
        bool fileUrl;    // the desktop hands over a file URL rather than a path
        QString written; // in the output folder
    } runs[] = {
        {"protected", "UseEncryption=1\nMasterPassword=owner\nAuthor=Erika\n", false, "Report.pdf"},
        {"numbered", "Overwrite=2\nFile=Letter\n", true, "Letter 1.pdf"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        const QString home = test::scratchHome() + "/e2e/" + run.name;
        const QString config = home + "/.config/org.zirn.PDFWriter";
        QDir(home).removeRecursively();
        QDir().mkpath(config);
        QDir().mkpath(home + "/out");
        test::writeFile(config + "/Zirn.ini", "[Values]\nAutoStart=1\nAutoUpdate=0\nPostAction=none\nPath=" +
                                                  home.toUtf8() + "/out\n" + run.ini);
        const QString input = home + "/Report.pdf";
        test::makePdf(input, {.pages = 4, .info = QMap<QString, QString>{{"Title", "Quarterly Report"}}});

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(ZIRN_APP_PATH, {run.fileUrl ? QUrl::fromLocalFile(input).toString() : input});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_FALSE(QFileInfo::exists(input));
        const auto pdf = test::openWithQpdf(home + "/out/" + run.written);
        ASSERT_NE(pdf, nullptr);
        EXPECT_EQ(pdf->getAllPages().size(), 4u);
        EXPECT_EQ(test::infoText(*pdf, "Title"), "Quarterly Report");
        EXPECT_EQ(pdf->isEncrypted(), !run.fileUrl);
        // The choices are saved where the next run finds them.
        const QJsonObject saved = QJsonDocument::fromJson(test::readFile(config + "/defaults.json")).object();
        EXPECT_EQ(saved.value("Path").toString(), home + "/out");
    }
}
