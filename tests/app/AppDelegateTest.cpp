#include "app/AppDelegate.h"

#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "gui/MainWindow.h"
#include "app/ApplicationLoop.h"
#include "core/DefaultsStore.h"
#include "core/update/C_AutoUpdate.h"
#include "gui/widgets/PathControl.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include <sys/stat.h>

using namespace zirn;

namespace {

class AppDelegateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = test::freshFolder(QStringLiteral("app"));
        QDir().mkpath(root + QStringLiteral("/spool"));
        QDir().mkpath(root + QStringLiteral("/out"));
        config.settingsFile = root + QStringLiteral("/config/org.zirn.PDFWriter/Zirn.ini");
        config.defaultSettingsFile = QStringLiteral(":/zirn/Zirn.ini");
        config.updateUrl = QStringLiteral("http://127.0.0.1:1/update.php?p=zirn_mac"); // nobody listens
        config.homeUrl = QStringLiteral("http://www.zirn-pdf.org/");
        storePath = root + QStringLiteral("/config/org.zirn.PDFWriter/defaults.json");
        input = root + QStringLiteral("/spool/Job 12.pdf");
        test::makePdf(input,
                      {.info = QMap<QString, QString>{{"Title", "Printed title"}, {"Author", "Printer"}}});
    }

    void TearDown() override
    {
        delegate.reset();
        window.reset();
    }

    void writeIni(const QString& values)
    {
        QDir().mkpath(QFileInfo(config.settingsFile).path());
        test::writeFile(config.settingsFile,
                        ("[Values]\nAutoUpdate = 0\nPath = " + root + "/out\n" + values).toUtf8());
    }

    // The launch as the application loop performs it.
    void launch(const QStringList& documents = {})
    {
        store = std::make_unique<DefaultsStore>(storePath);
        window = std::make_unique<MainWindow>();
        delegate = std::make_unique<AppDelegate>(window.get(), desktop, *store, config);
        delegate->applicationWillFinishLaunching();
        for (const QString& document : documents)
            delegate->application(document);
        window->show();
        delegate->applicationDidFinishLaunching();
    }

    const AppDelegate::Controls& c() const { return delegate->controls(); }
    QString out(const QString& name) const { return root + QStringLiteral("/out/") + name; }

    QString root;
    QString input;
    QString storePath;
    AppDelegate::Config config;
    test::RecordingDesktop desktop;
    std::unique_ptr<DefaultsStore> store;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<AppDelegate> delegate;
};

// The path components the window shows, from the root down (the leading ones may give way).
QList<QWidget*> shownComponents(const PathControl* path)
{
    QList<QWidget*> shown;
    for (QToolButton* button : path->findChildren<QToolButton*>())
        if (button->objectName().startsWith(QLatin1String("pathComponent")) && button->isVisible())
            shown.append(button);
    return shown;
}

struct German
{
    German()
    {
        before = QCoreApplication::instance()->findChildren<QTranslator*>();
        ApplicationLoop::installTranslations(QLocale(QLocale::German, QLocale::Germany));
    }
    ~German()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            if (!before.contains(translator)) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
    }
    QList<QTranslator*> before;
};

} // namespace

TEST_F(AppDelegateTest, FixedTextsInEnglishAndGerman)
{
    writeIni("");
    launch();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zirn PDF Writer"));
    EXPECT_EQ(c().create->text(), QStringLiteral("Create"));
    EXPECT_EQ(c().cancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(c().fileNameInfo->text(), QStringLiteral("PDF &File"));
    EXPECT_EQ(c().passwordEnable->text(), QStringLiteral("Use 128-bit &encryption"));
    EXPECT_EQ(c().passwordAllowCopyPaste->text(), QStringLiteral("Allow '&copy and paste'"));
    EXPECT_EQ(c().tabView->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(c().tabView->tabText(1), QStringLiteral("Encryption"));
    EXPECT_EQ(c().tabView->tabText(2), QStringLiteral("Settings"));
    EXPECT_EQ(c().postActionInfo->text(), QStringLiteral("&After PDF Creation"));
    ASSERT_EQ(c().postAction->count(), 2);
    EXPECT_EQ(c().postAction->itemText(0), QStringLiteral("Open Created File"));
    EXPECT_EQ(c().postAction->itemText(1), QStringLiteral("Do Nothing"));
    EXPECT_EQ(c().zirnIniLink->stringValue(),
              QStringLiteral("You can adjust much more settings in the Zirn.ini."));
    EXPECT_EQ(c().autoUpdateInfo->text(), QStringLiteral("Last Check: ")); // no check ever completed
    // The passwords are masked.
    EXPECT_EQ(c().passwordOwner->echoMode(), QLineEdit::Password);
    EXPECT_EQ(c().passwordOwner->parentWidget()->parentWidget(), c().tabView->widget(1)->parentWidget());

    TearDown();
    German german;
    launch();
    EXPECT_EQ(c().create->text(), QStringLiteral("Erstellen"));
    EXPECT_EQ(c().cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(c().tabView->tabText(1), QStringLiteral("Verschlüsselung"));
    EXPECT_EQ(c().passwordOwnerInfo->text(), QStringLiteral("&Master-Kennwort für vollen Zugriff"));
    EXPECT_EQ(c().postAction->itemText(0), QStringLiteral("Erstellte Datei öffnen"));
    EXPECT_EQ(c().autoUpdateInfo->text(), QStringLiteral("Letzte Prüfung: "));
    EXPECT_EQ(c().zirnIniLink->stringValue(),
              QStringLiteral("Viele weitere Einstellungen können Sie in der Zirn.ini vornehmen."));

    // The messages of Create are German too.
    c().fileName->setText(QStringLiteral("x"));
    delegate->settings().InputFile.clear();
    c().create->click();
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Die PDF-Datei kann nicht erstellt werden."));
}

TEST_F(AppDelegateTest, ShowsTheLoadedSettings)
{
    writeIni("AutoUpdate = 5\nPostAction = OpenFile\nUserPassword = u\nMasterPassword = m\nAllowPrint = 1\n"
             "SelectedTab = 7\n");
    launch({input});
    EXPECT_EQ(c().fileName->text(), QStringLiteral("Job 12.pdf"));
    EXPECT_EQ(c().title->text(), QStringLiteral("Printed title"));
    EXPECT_EQ(c().author->text(), QStringLiteral("Printer"));
    EXPECT_EQ(c().path->URL(), root + QStringLiteral("/out"));
    EXPECT_TRUE(c().autoUpdateEnable->isChecked());
    EXPECT_EQ(c().postAction->currentIndex(), 1); // only "openFile" exactly shows the first entry
    EXPECT_EQ(c().tabView->currentIndex(), 0);    // no tab 7: the first one

    // Encryption off: the four controls are disabled but show what was loaded.
    EXPECT_FALSE(c().passwordEnable->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{c().passwordUser, c().passwordOwner,
                                                      c().passwordAllowPrinting, c().passwordAllowCopyPaste})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(c().passwordUser->text(), QStringLiteral("u"));
    EXPECT_EQ(c().passwordOwner->text(), QStringLiteral("m"));
    EXPECT_TRUE(c().passwordAllowPrinting->isChecked());
    QTest::mouseClick(c().passwordEnable, Qt::LeftButton, {}, QPoint(4, c().passwordEnable->height() / 2));
    EXPECT_TRUE(c().passwordEnable->isChecked());
    EXPECT_TRUE(c().passwordOwner->isEnabled());
    EXPECT_TRUE(c().passwordAllowCopyPaste->isEnabled());
    EXPECT_EQ(c().passwordOwner->text(), QStringLiteral("m"));

    TearDown();
    writeIni("PostAction = openFile\nSelectedTab = 2\n");
    launch();
    EXPECT_EQ(c().postAction->currentIndex(), 0);
    EXPECT_EQ(c().tabView->currentIndex(), 2);
}

TEST_F(AppDelegateTest, CreateCopiesTheWindowAndNormalisesTheName)
{
    const std::pair<const char*, const char*> names[] = {{"Report", "Report.pdf"},
                                                         {"Report.pdf", "Report.pdf"},
                                                         {"Report.PDF", "Report.PDF.pdf"},
                                                         {"Report.ps", "Report.ps.pdf"},
                                                         {"", "File.pdf"},
                                                         {".pdf", ".pdf.pdf"}};
    for (const auto& [typed, expected] : names)
        EXPECT_EQ(AppDelegate::normalizedFileName(QString::fromUtf8(typed)), QString::fromUtf8(expected))
            << typed;

    writeIni("Overwrite = 1\n");
    launch({input});
    c().fileName->setText(QStringLiteral("Report"));
    c().title->setText(QStringLiteral("New title"));
    c().keywords->setText(QStringLiteral("a, b"));
    c().postAction->setCurrentIndex(1);
    c().autoUpdateEnable->setChecked(false);
    c().tabView->setCurrentIndex(2);
    QTest::mouseClick(c().create, Qt::LeftButton);

    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(desktop.alerts.isEmpty());
    EXPECT_TRUE(desktop.openedFiles.isEmpty()); // "Do Nothing"
    const Settings& s = delegate->settings();
    EXPECT_EQ(s.OutputFileName, QStringLiteral("Report.pdf"));
    EXPECT_EQ(s.PostAction, QString());
    EXPECT_EQ(s.SelectedTab, 2);
    EXPECT_EQ(s.InputFile, input);
    const auto pdf = test::openWithQpdf(out(QStringLiteral("Report.pdf")));
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("New title"));
    EXPECT_EQ(test::infoText(*pdf, "Keywords"), QStringLiteral("a, b"));

    DefaultsStore saved(storePath);
    EXPECT_EQ(saved.stringForKey(QStringLiteral("Title")), QStringLiteral("New title"));
    EXPECT_EQ(saved.stringForKey(QStringLiteral("Path")), root + QStringLiteral("/out"));
    EXPECT_EQ(saved.objectForKey(QStringLiteral("SelectedTab")).toLongLong(), 2);
    EXPECT_EQ(saved.objectForKey(QStringLiteral("AutoUpdate")).toLongLong(), 0);
    EXPECT_FALSE(saved.objectForKey(QStringLiteral("File")).isValid());
}

TEST_F(AppDelegateTest, OpenCreatedFileOpensTheOutput)
{
    writeIni("PostAction = openFile\n");
    launch({input});
    c().create->click();
    EXPECT_EQ(desktop.openedFiles, QStringList{out(QStringLiteral("Job 12.pdf"))});
}

TEST_F(AppDelegateTest, CancelSavesNothingAndConsumesTheInput)
{
    writeIni("");
    launch({input});
    c().title->setText(QStringLiteral("Typed but cancelled"));
    QTest::mouseClick(c().cancel, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    // Only the launch's own reset of the encryption switch reached the store.
    DefaultsStore saved(storePath);
    EXPECT_FALSE(saved.objectForKey(QStringLiteral("Title")).isValid());
    delegate->applicationWillTerminate();
    EXPECT_FALSE(QFileInfo::exists(input));
    EXPECT_TRUE(QDir(root + QStringLiteral("/out")).isEmpty());
}

TEST_F(AppDelegateTest, AutoStartWritesAndCloses)
{
    writeIni("AutoStart = 1\nPostAction = none\n");
    launch({input});
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(test::openWithQpdf(out(QStringLiteral("Job 12.pdf"))), nullptr);
    EXPECT_EQ(delegate->lastOutput(), out(QStringLiteral("Job 12.pdf")));
    delegate->applicationWillTerminate();
    EXPECT_FALSE(QFileInfo::exists(input));
    EXPECT_TRUE(QFileInfo::exists(out(QStringLiteral("Job 12.pdf"))));
}

TEST_F(AppDelegateTest, RefusedCreateKeepsTheWindowAndItsValues)
{
    writeIni("AutoStart = 1\nUseEncryption = 1\nMasterPassword = \n");
    launch({input});
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Please enter a master password first."));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(c().tabView->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), c().passwordOwner);
    EXPECT_EQ(c().title->text(), QStringLiteral("Printed title"));
    EXPECT_TRUE(QDir(root + QStringLiteral("/out")).isEmpty());

    // The user types the master password and presses Create again.
    QTest::keyClicks(c().passwordOwner, QStringLiteral("secret"));
    QTest::mouseClick(c().create, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    const auto pdf = test::openWithQpdf(out(QStringLiteral("Job 12.pdf")));
    ASSERT_NE(pdf, nullptr);
    EXPECT_TRUE(pdf->isEncrypted());
}

TEST_F(AppDelegateTest, FirstRunCopiesTheDefaultSettingsFileOnce)
{
    launch();
    ASSERT_TRUE(QFileInfo::exists(config.settingsFile));
    EXPECT_EQ(test::readFile(config.settingsFile), test::readFile(QStringLiteral(":/zirn/Zirn.ini")));
    EXPECT_TRUE(QFileInfo(config.settingsFile).isWritable());
    // It may hold passwords: the file and its folder are the user's alone.
    for (const auto& [path, mode] :
         {std::pair{config.settingsFile, 0600u}, std::pair{QFileInfo(config.settingsFile).path(), 0700u}}) {
        struct stat info
        {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << path.toStdString();
    }

    // An existing file, even an empty one, and a folder of that name are left alone.
    TearDown();
    test::writeFile(config.settingsFile, "");
    launch();
    EXPECT_EQ(QFileInfo(config.settingsFile).size(), 0);

    TearDown();
    QFile::remove(config.settingsFile);
    QDir().mkpath(config.settingsFile);
    launch();
    EXPECT_TRUE(QFileInfo(config.settingsFile).isDir());
    EXPECT_EQ(delegate->settings().PostAction, QStringLiteral("openFile"));

    // A file where the settings folder should be: silently no settings file.
    TearDown();
    config.settingsFile = root + QStringLiteral("/spool/Job 12.pdf/Zirn.ini");
    launch();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AppDelegateTest, TheLastOfTwoDocumentsIsConsumed)
{
    const QString second = root + QStringLiteral("/spool/Second.pdf");
    test::makePdf(second, {.info = QMap<QString, QString>{{"Title", "Second title"}}});
    writeIni("");
    launch({input, second});
    EXPECT_EQ(c().fileName->text(), QStringLiteral("Second.pdf"));
    EXPECT_EQ(c().title->text(), QStringLiteral("Second title"));
    delegate->cancel();
    delegate->applicationWillTerminate();
    EXPECT_TRUE(QFileInfo::exists(input));
    EXPECT_FALSE(QFileInfo::exists(second));
}

TEST_F(AppDelegateTest, OnlyTheDocumentHandedOverIsDeletedAtTheEnd)
{
    struct Case
    {
        const char* what;
        QString ini;
        bool replaceSpoolFile; // another job of the same title lands under the same name
        bool inputSurvives;
    };
    const Case cases[] = {
        {"Create", "AutoStart = 1\n", false, false},
        {"Cancel", "", false, false},
        {"another job spooled under the same name", "", true, true},
        {"the output replaced the input",
         QStringLiteral("AutoStart = 1\nOverwrite = 1\nPath = %1/spool\n").arg(root), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        test::makePdf(input, {.info = QMap<QString, QString>{{"Title", "Printed title"}}});
        writeIni(c.ini);
        const auto handedOver = FileIdentity::of(input);
        launch({input});
        if (c.replaceSpoolFile) {
            test::makePdf(input + ".new", {.info = QMap<QString, QString>{{"Title", "Second job"}}});
            ASSERT_EQ(
                ::rename(QFile::encodeName(input + ".new").constData(), QFile::encodeName(input).constData()),
                0);
        }
        delegate->cancel();
        delegate->applicationWillTerminate();
        ASSERT_EQ(QFileInfo::exists(input), c.inputSurvives);
        if (c.inputSurvives) {
            EXPECT_NE(FileIdentity::of(input), handedOver);
        }
    }
}

TEST_F(AppDelegateTest, WithoutADocumentNothingIsDeleted)
{
    writeIni("");
    launch();
    EXPECT_TRUE(delegate->settings().InputFile.isEmpty());
    delegate->cancel();
    delegate->applicationWillTerminate();
    EXPECT_TRUE(QFileInfo::exists(input));
}

TEST_F(AppDelegateTest, LinksAndLastCheck)
{
    writeIni("");
    QDir().mkpath(QFileInfo(storePath).path());
    test::writeFile(storePath, R"({"LastAutoUpdateCheck": "2024-03-01 10:00:00 +0000"})");
    launch();
    EXPECT_TRUE(c().autoUpdateInfo->text().startsWith(QStringLiteral("Last Check: ")));
    EXPECT_TRUE(c().autoUpdateInfo->text().contains(QStringLiteral("2024")));
    EXPECT_EQ(c().link->pUrl(), QUrl(QStringLiteral("http://www.zirn-pdf.org/")));
    EXPECT_TRUE(c().zirnIniLink->isEnabled());
    EXPECT_TRUE(c().zirnIniLink->isUnderlined());

    QTest::mouseClick(c().zirnIniLink, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});
    QTest::mouseClick(c().link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.zirn-pdf.org/"))});
}

TEST_F(AppDelegateTest, UpdateCheckStartsOnlyWhenSwitchedOn)
{
    writeIni("AutoUpdate = 0\n");
    launch();
    EXPECT_EQ(delegate->autoUpdate()->pNSURLConnectionWrapper()->pConnection(), nullptr);
    TearDown();
    writeIni("AutoUpdate = 1\n");
    launch();
    EXPECT_NE(delegate->autoUpdate()->pNSURLConnectionWrapper()->pConnection(), nullptr);
}

TEST_F(AppDelegateTest, ChoosingTheOutputFolder)
{
    writeIni("");
    QDir().mkpath(root + QStringLiteral("/out/sub"));
    test::writeFile(config.settingsFile,
                    ("[Values]\nAutoUpdate = 0\nPath = " + root + "/out/sub\n").toUtf8());
    launch();
    const QStringList components = c().path->componentPaths();
    const qsizetype parentIndex = components.indexOf(root + QStringLiteral("/out"));
    ASSERT_GE(parentIndex, 0);
    auto* parent = c().path->findChild<QToolButton*>(QStringLiteral("pathComponent%1").arg(parentIndex));
    ASSERT_NE(parent, nullptr);

    QTest::mouseClick(parent, Qt::LeftButton);
    ASSERT_EQ(desktop.folderStarts, QStringList{root + QStringLiteral("/out")});
    desktop.pendingFolderChoice(std::nullopt); // cancelled
    EXPECT_EQ(c().path->URL(), root + QStringLiteral("/out/sub"));

    QTest::mouseClick(parent, Qt::LeftButton);
    desktop.pendingFolderChoice(root + QStringLiteral("/spool"));
    EXPECT_EQ(c().path->URL(), root + QStringLiteral("/spool"));

    delegate->create();
    EXPECT_EQ(delegate->settings().OutputPath, root + QStringLiteral("/spool"));
}

TEST_F(AppDelegateTest, BusyWhileWriting)
{
    writeIni("");
    launch({input});
    delegate->writeStarted();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    delegate->writeProgress(50);
    delegate->writeProgress(100);
    delegate->writeFinished();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window->findChildren<QProgressDialog*>().isEmpty());
}

TEST_F(AppDelegateTest, KeyboardAndScreenReader)
{
    // Encryption on, so that the password fields take keys; no document, so that every Create
    // ends in an alert and leaves the window open.
    writeIni("UseEncryption = 1\nMasterPassword = m\n");
    launch();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // Return and keypad Enter press Create from a field of each tab, as a click does.
    struct Press
    {
        int tab;
        QWidget* field;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Press presses[] = {{0, c().title, Qt::Key_Return, Qt::NoModifier},
                             {0, c().fileName, Qt::Key_Enter, Qt::KeypadModifier},
                             {1, c().passwordOwner, Qt::Key_Return, Qt::NoModifier},
                             {1, c().passwordAllowPrinting, Qt::Key_Enter, Qt::KeypadModifier},
                             {2, c().postAction, Qt::Key_Return, Qt::NoModifier},
                             {2, c().autoUpdateEnable, Qt::Key_Return, Qt::NoModifier}};
    QTest::keyClicks(c().title, QStringLiteral(" typed"));
    for (const Press& press : presses) {
        c().tabView->setCurrentIndex(press.tab);
        press.field->setFocus();
        const qsizetype before = desktop.alerts.size();
        QTest::keyClick(press.field, press.key, press.modifiers);
        EXPECT_EQ(desktop.alerts.size(), before + 1) << press.field->objectName().toStdString();
        EXPECT_EQ(delegate->settings().SelectedTab, press.tab);
    }
    EXPECT_EQ(desktop.alerts.last().message, QStringLiteral("Can't create PDF file."));
    EXPECT_TRUE(delegate->settings().Title.endsWith(QStringLiteral(" typed")));

    // Ctrl+Tab and Ctrl+PgDown step through the tabs.
    c().tabView->setCurrentIndex(0);
    QTest::keyClick(c().title, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(c().tabView->currentIndex(), 1);
    QTest::keyClick(c().tabView->tabBar(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(c().tabView->currentIndex(), 2);

    // Tab runs through each tab in the order it is drawn, path components and links included.
    c().tabView->setCurrentIndex(0);
    const QList<QWidget*> pages[] = {QList<QWidget*>{c().fileName} + shownComponents(c().path) +
                                         QList<QWidget*>{c().title, c().subject, c().keywords, c().author},
                                     {c().passwordEnable, c().passwordUser, c().passwordOwner,
                                      c().passwordAllowPrinting, c().passwordAllowCopyPaste},
                                     {c().postAction, c().autoUpdateEnable, c().zirnIniLink}};
    for (int tab = 0; tab < 3; ++tab) {
        c().tabView->setCurrentIndex(tab);
        QList<QWidget*> expected = pages[tab];
        expected += {c().link, c().cancel, c().create, c().tabView->tabBar()};
        c().tabView->tabBar()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget());
        }
        EXPECT_EQ(visited, expected) << "tab " << tab;
    }

    // Enter or Space on a path component opens the folder chooser there; on a link, the link.
    c().tabView->setCurrentIndex(0);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        desktop.folderStarts.clear();
        QTest::keyClick(shownComponents(c().path).last(), key);
        EXPECT_EQ(desktop.folderStarts, QStringList{root + QStringLiteral("/out")});
        desktop.pendingFolderChoice(std::nullopt);
    }
    QTest::keyClick(c().link, Qt::Key_Return);
    QTest::keyClick(c().zirnIniLink, Qt::Key_Space);
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(config.homeUrl)});
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});

    // Access keys and screen readers, in English and in German.
    const auto checkAccessKeysAndNames = [this](const QString& folder) {
        for (int tab = 0; tab < c().tabView->count(); ++tab) {
            c().tabView->setCurrentIndex(tab);
            QWidget* page = c().tabView->widget(tab);
            QList<QKeySequence> keys;
            QList<QWidget*> captioned;
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (!label->buddy())
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(label->text());
                keys.append(key);
                captioned.append(label->buddy());
                c().tabView->tabBar()->setFocus();
                QTest::keySequence(window.get(), key);
                QWidget* expected =
                    label->buddy() == c().path ? shownComponents(c().path).last() : label->buddy();
                EXPECT_EQ(QApplication::focusWidget(), expected) << label->text().toStdString();
            }
            for (QCheckBox* box : page->findChildren<QCheckBox*>())
                keys.append(QKeySequence::mnemonic(box->text()));
            EXPECT_FALSE(keys.contains(QKeySequence())) << "tab " << tab;
            EXPECT_EQ(QSet<QKeySequence>(keys.begin(), keys.end()).size(), keys.size()) << "tab " << tab;
            for (QWidget* field : page->findChildren<QWidget*>()) {
                if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) || field == c().path) {
                    EXPECT_TRUE(captioned.contains(field)) << field->objectName().toStdString();
                }
            }
        }

        // Every control has a name, the fields' clear buttons included; the path is a group named by its
        // caption with the folder as its value, its components buttons named by their folders; the links are
        // links.
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy()) ||
                qobject_cast<QAbstractButton*>(control)) {
                EXPECT_FALSE(
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                    << control->objectName().toStdString();
            }
        }
        QAccessibleInterface* path = QAccessible::queryAccessibleInterface(c().path);
        EXPECT_EQ(path->role(), QAccessible::Grouping);
        EXPECT_EQ(path->text(QAccessible::Name), folder);
        EXPECT_EQ(path->text(QAccessible::Value), root + QStringLiteral("/out"));
        c().tabView->setCurrentIndex(0);
        ASSERT_FALSE(shownComponents(c().path).isEmpty());
        QAccessibleInterface* leaf = QAccessible::queryAccessibleInterface(shownComponents(c().path).last());
        EXPECT_EQ(leaf->role(), QAccessible::Button);
        EXPECT_EQ(leaf->text(QAccessible::Name), QStringLiteral("out"));
        for (C_NSTextFieldWithLink* link : {c().link, c().zirnIniLink}) {
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(link);
            EXPECT_EQ(a11y->role(), QAccessible::Link);
            EXPECT_EQ(a11y->text(QAccessible::Name), link->stringValue());
            EXPECT_TRUE(
                a11y->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        // Password text: announced as such, and never read out.
        for (QLineEdit* password : {c().passwordUser, c().passwordOwner}) {
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(password);
            EXPECT_TRUE(a11y->state().passwordEdit);
            EXPECT_FALSE(a11y->text(QAccessible::Value).contains(QLatin1Char('m')));
        }
    };
    checkAccessKeysAndNames(QStringLiteral("Folder"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(c().link)->text(QAccessible::Name),
              QStringLiteral("Zirn PDF Writer on the web"));

    // While a dialog of the window is up (alert, folder chooser, progress), it has the keys alone.
    {
        QProgressDialog busy(window.get());
        busy.show();
        const qsizetype before = desktop.alerts.size();
        QTest::keyClick(c().title, Qt::Key_Return);
        QTest::keyClick(c().title, Qt::Key_Escape);
        EXPECT_EQ(desktop.alerts.size(), before);
        EXPECT_TRUE(window->isVisible());
    }

    // Escape does what Cancel does.
    const qsizetype before = desktop.alerts.size();
    QTest::keyClick(c().title, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(desktop.alerts.size(), before);

    TearDown();
    German german;
    launch();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    checkAccessKeysAndNames(QStringLiteral("Ordner"));
}

TEST_F(AppDelegateTest, LongFieldsReachTheRecordWhole)
{
    // QLineEdit's own limit would cut each at 32,767 characters.
    writeIni("");
    launch();
    const std::pair<QLineEdit*, QString Settings::*> fields[] = {
        {c().fileName, &Settings::OutputFileName},
        {c().title, &Settings::Title},
        {c().subject, &Settings::Subject},
        {c().keywords, &Settings::Keywords},
        {c().author, &Settings::Author},
        {c().passwordUser, &Settings::PasswordUser},
        {c().passwordOwner, &Settings::PasswordOwner}};
    char16_t letter = u'a';
    for (const auto& [field, member] : fields)
        field->setText(QString(40000, QChar(letter++)));
    QTest::keyClick(c().keywords, Qt::Key_Return);
    for (const auto& [field, member] : fields) {
        const QString stored = delegate->settings().*member;
        EXPECT_EQ(stored.size(), member == &Settings::OutputFileName ? 40004 : 40000)
            << field->objectName().toStdString();
        EXPECT_EQ(stored.left(40000), field->text());
    }
}
