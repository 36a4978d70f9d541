// Runs the real program as the desktop would: a scratch home, a settings file that presses
// Create at launch, and a printed document handed over as a file URL, to be consumed.

#include "PdfFixtures.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

using namespace zirn;

TEST(EndToEnd, PrintedDocumentBecomesAPdfAndIsConsumed)
{
    const QString home = test::freshFolder("e2e"), config = home + "/.config/org.zirn.PDFWriter";
    QDir().mkpath(config);
    test::writeFile(config + "/Zirn.ini", "[Values]\nAutoStart=1\nAutoUpdate=0\nPostAction=none\nPath=" +
                                              home.toUtf8() + "\nFile=Letter\nUseEncryption=1\n"
                                                              "MasterPassword=owner\n");
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
    const auto pdf = test::openWithQpdf(home + "/Letter.pdf");
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->getAllPages().size(), 4u);
    EXPECT_EQ(test::infoText(*pdf, "Title"), "Quarterly Report");
    EXPECT_TRUE(pdf->isEncrypted());
    EXPECT_TRUE(QFileInfo::exists(config + "/defaults.json")); // the choices are saved
}
