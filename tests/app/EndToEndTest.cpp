// Runs the real program as the desktop would: a scratch home, a settings file that presses
// Create at launch, and a printed document handed over as a file URL, to be consumed.

#include "PdfFixtures.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace zirn;

TEST(EndToEnd, PrintedDocumentBecomesAPdfAndIsConsumed)
{
    const QString home = test::freshFolder("e2e"), config = home + "/.config/org.zirn.PDFWriter";
    QDir().mkpath(config);
    QDir().mkpath(home + "/out");
    test::writeFile(config + "/Zirn.ini", "[Values]\nAutoStart=1\nAutoUpdate=0\nPostAction=none\nPath=" +
                                              home.toUtf8() + "/out\nOverwrite=2\nFile=Letter\n"
                                              "UseEncryption=1\nMasterPassword=owner\n");
    const QString input = home + "/Report.pdf";
    test::makePdf(input, {.pages = 4, .info = QMap<QString, QString>{{"Title", "Quarterly Report"}}});

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    process.setProcessEnvironment(env);
    process.start(ZIRN_APP_PATH, {QUrl::fromLocalFile(input).toString()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(input));
    const auto pdf = test::openWithQpdf(home + "/out/Letter 1.pdf");
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->getAllPages().size(), 4u);
    EXPECT_EQ(test::infoText(*pdf, "Title"), "Quarterly Report");
    EXPECT_TRUE(pdf->isEncrypted());
    // The choices are saved where the next run finds them.
    const QJsonObject saved = QJsonDocument::fromJson(test::readFile(config + "/defaults.json")).object();
    EXPECT_EQ(saved.value("Path").toString(), home + "/out");
}
