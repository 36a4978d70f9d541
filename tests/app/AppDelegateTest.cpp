#include "app/AppDelegate.h"

#include "../core/update/HttpTestServer.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "app/ApplicationLoop.h"
#include "core/DefaultsStore.h"
#include "gui/MainWindow.h"
#include "gui/widgets/C_NSTextFieldWithLink.h"
#include "gui/widgets/PathControl.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdio>

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
        config = {root + QStringLiteral("/config/zirn/Zirn.ini"), QStringLiteral(":/zirn/Zirn.ini"),
                  QStringLiteral("http://127.0.0.1:1/update.php"),
                  QStringLiteral("http://www.zirn-pdf.org/")};
        storePath = root + QStringLiteral("/config/zirn/defaults.json");
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
        TearDown();
        store = std::make_unique<DefaultsStore>(storePath);
        window = std::make_unique<MainWindow>();
        delegate = std::make_unique<AppDelegate>(*window, desktop, *store, config);
        delegate->applicationWillFinishLaunching();
        for (const QString& document : documents)
            delegate->application(document);
        window->show();
        delegate->applicationDidFinishLaunching();
    }
    template <typename T = QWidget>
    T* w(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* field(const char* name) const { return w<QLineEdit>(name); }
    QTabWidget* tabs() const { return w<QTabWidget>("tabView"); }
    QList<QWidget*> shownComponents() const
    {
        QList<QWidget*> shown;
        for (QToolButton* button : w<PathControl>("path")->findChildren<QToolButton*>())
            if (button->objectName().startsWith(QLatin1String("pathComponent")) && button->isVisible())
                shown.append(button);
        return shown;
    }
    QString out(const QString& name) const { return root + QStringLiteral("/out/") + name; }
    QString saved(const char* key) const
    {
        return DefaultsStore(storePath).objectForKey(QLatin1String(key)).toString();
    }

    QString root, input, storePath;
    AppDelegate::Config config;
    test::RecordingDesktop desktop;
    std::unique_ptr<DefaultsStore> store;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<AppDelegate> delegate;
};

struct German
{
    German() : before(QCoreApplication::instance()->findChildren<QTranslator*>())
    {
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

TEST_F(AppDelegateTest, LaunchShowsTheDocumentOverTheLoadedSettings)
{
    const QString second = root + QStringLiteral("/spool/Second.pdf");
    test::makePdf(second, {.info = QMap<QString, QString>{{"Title", "Second title"}}});
    writeIni("AutoUpdate = 5\nPostAction = OpenFile\nUserPassword = u\nMasterPassword = m\nAllowPrint = 1\n"
             "SelectedTab = 7\nAuthor = From the file\n");
    QDir().mkpath(QFileInfo(storePath).path());
    test::writeFile(storePath, R"({"LastAutoUpdateCheck": "2024-03-01 10:00:00 +0000", "Subject": "Saved"})");
    launch({input, second});
    EXPECT_EQ(field("fileName")->text(), QStringLiteral("Second.pdf"));
    EXPECT_EQ(field("title")->text(), QStringLiteral("Second title"));
    EXPECT_EQ(field("subject")->text(), QStringLiteral("Saved"));
    EXPECT_EQ(field("author")->text(), QStringLiteral("From the file"));
    EXPECT_EQ(w<PathControl>("path")->URL(), root + QStringLiteral("/out"));
    EXPECT_TRUE(w<QCheckBox>("autoUpdateEnable")->isChecked());
    EXPECT_EQ(w<QComboBox>("postAction")->currentIndex(), 1); // only "openFile" exactly is the first entry
    EXPECT_EQ(tabs()->currentIndex(), 0);                     // no tab 7: the first one
    EXPECT_TRUE(w<QLabel>("autoUpdateInfo")->text().startsWith(QStringLiteral("Last Check: ")));
    EXPECT_TRUE(w<QLabel>("autoUpdateInfo")->text().contains(QStringLiteral("2024")));

    // Encryption off: the four controls are disabled but show what was loaded; the box enables them.
    const QList<QWidget*> encryption{field("passwordUser"), field("passwordOwner"),
                                     w("passwordAllowPrinting"), w("passwordAllowCopyPaste")};
    for (QWidget* control : encryption)
        EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(field("passwordOwner")->text(), QStringLiteral("m"));
    EXPECT_TRUE(w<QCheckBox>("passwordAllowPrinting")->isChecked());
    auto* box = w<QCheckBox>("passwordEnable");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    for (QWidget* control : encryption)
        EXPECT_TRUE(control->isEnabled());
    EXPECT_EQ(field("passwordUser")->text(), QStringLiteral("u"));

    // The links: the home page and the settings file.
    QTest::mouseClick(w("zirnIniLink"), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(w("link"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(config.homeUrl)});

    writeIni("PostAction = openFile\nSelectedTab = 2\n");
    launch();
    EXPECT_EQ(w<QComboBox>("postAction")->currentIndex(), 0);
    EXPECT_EQ(tabs()->currentIndex(), 2);
}

TEST_F(AppDelegateTest, UpdateCheckStartsOnlyWhenSwitchedOn)
{
    test::HttpTestServer server([](const test::HttpTestServer::Request&) {
        return test::HttpTestServer::Response{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", true};
    });
    config.updateUrl = server.url(QStringLiteral("/update.php?p=zirn_mac"));
    writeIni("AutoUpdate = 1\n");
    launch();
    EXPECT_TRUE(test::waitFor([&] { return server.requests.size() == 1; }));
    writeIni("AutoUpdate = 0\n");
    launch();
    EXPECT_FALSE(test::waitFor([&] { return server.requests.size() > 1; }, 500));
}

TEST_F(AppDelegateTest, CreateCopiesTheWindowAndNormalisesTheName)
{
    for (const auto& [typed, expected] : {std::pair{"Report", "Report.pdf"},
                                          {"Report.pdf", "Report.pdf"},
                                          {"Report.PDF", "Report.PDF.pdf"},
                                          {"Report.ps", "Report.ps.pdf"},
                                          {"", "File.pdf"},
                                          {".pdf", ".pdf.pdf"}})
        EXPECT_EQ(AppDelegate::normalizedFileName(QString::fromUtf8(typed)), QString::fromUtf8(expected))
            << typed;

    QDir().mkpath(root + QStringLiteral("/out/sub"));
    writeIni("Overwrite = 1\n");
    launch({input});
    // The folder chooser starts in the clicked parent; cancelled it keeps the folder, else replaces it.
    QList<QWidget*> components = shownComponents();
    QTest::mouseClick(components.last(), Qt::LeftButton);
    desktop.pendingFolderChoice(root + QStringLiteral("/out/sub"));
    components = shownComponents();
    QTest::mouseClick(components[components.size() - 2], Qt::LeftButton);
    desktop.pendingFolderChoice(std::nullopt);
    EXPECT_EQ(desktop.folderStarts, (QStringList{root + "/out", root + "/out"}));

    field("fileName")->setText(QStringLiteral("Report"));
    field("title")->setText(QStringLiteral("New title"));
    w<QComboBox>("postAction")->setCurrentIndex(1);
    w<QCheckBox>("autoUpdateEnable")->setChecked(false);
    tabs()->setCurrentIndex(2);
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(desktop.alerts.isEmpty());
    EXPECT_TRUE(desktop.openedFiles.isEmpty()); // "Do Nothing"
    const auto pdf = test::openWithQpdf(out(QStringLiteral("sub/Report.pdf")));
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(test::infoText(*pdf, "Title"), QStringLiteral("New title"));
    EXPECT_EQ(saved("Title"), QStringLiteral("New title"));
    EXPECT_EQ(saved("Path"), root + QStringLiteral("/out/sub"));
    EXPECT_EQ(saved("SelectedTab"), QStringLiteral("2"));
    EXPECT_EQ(saved("AutoUpdate"), QStringLiteral("0"));
    EXPECT_EQ(saved("PostAction"), QString());
}

TEST_F(AppDelegateTest, CreateOutcomes)
{
    struct Case
    {
        const char* ini;
        bool document;
        const char* alert; // nothing: no alert
        bool written;
        bool opened;
    };
    const Case cases[] = {
        {"AutoStart = 1\nPostAction = none\n", true, nullptr, true, false},
        {"AutoStart = 1\nPostAction = openFile\n", true, nullptr, true, true},
        {"AutoStart = 1\n", false, "Can't create PDF file.", false, false},
        {"AutoStart = 1\nSilent = 1\n", false, nullptr, false, false},
        {"AutoStart = 1\nUseEncryption = 1\nMasterPassword = \n", true,
         "Please enter a master password first.", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        desktop = {};
        QFile::remove(out(QStringLiteral("Job 12.pdf")));
        writeIni(c.ini);
        launch(c.document ? QStringList{input} : QStringList{});
        EXPECT_EQ(desktop.alerts.size(), c.alert ? 1 : 0);
        if (c.alert && !desktop.alerts.isEmpty())
            EXPECT_EQ(desktop.alerts[0].message, QString::fromUtf8(c.alert));
        EXPECT_EQ(window->isVisible(), !c.written);
        EXPECT_EQ(QFileInfo::exists(out(QStringLiteral("Job 12.pdf"))), c.written);
        EXPECT_EQ(desktop.openedFiles,
                  c.opened ? QStringList{out(QStringLiteral("Job 12.pdf"))} : QStringList{});
    }
    // Refused for the master password: it is brought forward, and a further Create succeeds.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), field("passwordOwner"));
    EXPECT_EQ(field("title")->text(), QStringLiteral("Printed title"));
    QTest::keyClicks(field("passwordOwner"), QStringLiteral("secret"));
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    const auto pdf = test::openWithQpdf(out(QStringLiteral("Job 12.pdf")), "");
    ASSERT_NE(pdf, nullptr);
    EXPECT_TRUE(pdf->isEncrypted());
}

TEST_F(AppDelegateTest, TheWriteRunsOffTheMainThreadWithTheWindowDisabled)
{
    writeIni("");
    launch();
    QSignalSpy creates(window.get(), &MainWindow::createClicked);
    QThread* writer = nullptr;
    QThread* timer = nullptr;
    bool enabledMeanwhile = true;
    QSemaphore timerRan;
    // A timer due during the write: it runs in the window's thread while the write waits for it,
    // and Return pressed meanwhile starts no second Create.
    QTimer::singleShot(0, window.get(), [&] {
        timer = QThread::currentThread();
        enabledMeanwhile = w("create")->isEnabled() || field("title")->isEnabled();
        QTest::keyClick(field("title"), Qt::Key_Return);
        timerRan.release();
    });
    window->writeStarted();
    window->runWrite([&] {
        writer = QThread::currentThread();
        EXPECT_TRUE(timerRan.tryAcquire(1, 10000));
        window->writeProgress(40);
    });
    EXPECT_EQ(window->findChild<QProgressDialog*>()->value(), 40);
    window->writeFinished();
    EXPECT_NE(writer, QThread::currentThread());
    EXPECT_EQ(timer, QThread::currentThread());
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_EQ(creates.count(), 0);
    EXPECT_TRUE(w("create")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AppDelegateTest, OnlyTheDocumentHandedOverIsDeletedAtTheEnd)
{
    const QString second = root + QStringLiteral("/spool/Second.pdf");
    struct Case
    {
        const char* what;
        QString ini;
        QStringList documents;
        bool replaceSpoolFile; // another job of the same title lands under the same name
        QStringList survivors;
    };
    const Case cases[] = {
        {"Cancel", "", {input}, false, {}},
        {"Create", "AutoStart = 1\n", {input}, false, {}},
        {"no document", "", {}, false, {input}},
        {"two documents: the last is the input", "", {input, second}, false, {input}},
        {"another job spooled under the same name", "", {input}, true, {input}},
        {"the output replaced the input",
         "AutoStart = 1\nOverwrite = 1\nPath = " + root + "/spool\n",
         {input},
         false,
         {input}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::makePdf(input);
        test::makePdf(second);
        writeIni(c.ini);
        const auto handedOver = FileIdentity::of(input);
        launch(c.documents);
        if (c.replaceSpoolFile) {
            test::makePdf(input + ".new");
            ASSERT_EQ(
                ::rename(QFile::encodeName(input + ".new").constData(), QFile::encodeName(input).constData()),
                0);
        }
        field("title")->setText(QStringLiteral("Typed"));
        QTest::keyClick(field("title"), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(DefaultsStore(storePath).objectForKey(QStringLiteral("Title")).isValid(),
                  c.ini.contains("AutoStart"));
        delegate->applicationWillTerminate();
        EXPECT_EQ(QFileInfo::exists(input), c.survivors.contains(input));
        EXPECT_EQ(QFileInfo::exists(second), !c.documents.contains(second));
        if (c.replaceSpoolFile || c.ini.contains("Overwrite"))
            EXPECT_NE(FileIdentity::of(input), handedOver);
    }
}

TEST_F(AppDelegateTest, FirstRunCopiesTheDefaultSettingsFileOnce)
{
    launch();
    EXPECT_EQ(test::readFile(config.settingsFile), test::readFile(QStringLiteral(":/zirn/Zirn.ini")));
    // It may hold passwords: the file and its folder are the user's alone.
    for (const auto& [path, mode] :
         {std::pair{config.settingsFile, 0600u}, {QFileInfo(config.settingsFile).path(), 0700u}}) {
        struct stat info
        {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << path.toStdString();
    }
    // An existing file, even an empty one, and a folder of that name are left alone.
    test::writeFile(config.settingsFile, "");
    launch();
    EXPECT_EQ(QFileInfo(config.settingsFile).size(), 0);
    QFile::remove(config.settingsFile);
    QDir().mkpath(config.settingsFile);
    launch();
    EXPECT_TRUE(QFileInfo(config.settingsFile).isDir());
    EXPECT_EQ(w<QComboBox>("postAction")->currentIndex(), 0); // the built-in default: open the file
    // A file where the settings folder should be: silently no settings file.
    config.settingsFile = input + QStringLiteral("/Zirn.ini");
    launch();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AppDelegateTest, KeyboardAndScreenReaderInEnglishAndGerman)
{
    // No document, so that every Create ends in an alert and leaves the window open.
    writeIni("UseEncryption = 1\nMasterPassword = m\n");
    launch();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Return and keypad Enter press Create from a field of each tab; Ctrl+Tab and Ctrl+PgDown step on.
    const std::tuple<int, const char*, Qt::Key, Qt::KeyboardModifiers> presses[] = {
        {0, "title", Qt::Key_Return, Qt::NoModifier},
        {0, "fileName", Qt::Key_Enter, Qt::KeypadModifier},
        {1, "passwordOwner", Qt::Key_Return, Qt::NoModifier},
        {1, "passwordAllowPrinting", Qt::Key_Enter, Qt::KeypadModifier},
        {2, "postAction", Qt::Key_Return, Qt::NoModifier},
        {2, "autoUpdateEnable", Qt::Key_Return, Qt::NoModifier}};
    for (const auto& [tab, name, key, modifiers] : presses) {
        tabs()->setCurrentIndex(tab);
        const qsizetype before = desktop.alerts.size();
        QTest::keyClick(w(name), key, modifiers);
        EXPECT_EQ(desktop.alerts.size(), before + 1) << name;
        EXPECT_EQ(saved("SelectedTab").toInt(), tab) << name;
    }
    tabs()->setCurrentIndex(0);
    QTest::keyClick(field("title"), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(tabs()->tabBar(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    // Enter on a path component opens the folder chooser there, Space on a link the link.
    tabs()->setCurrentIndex(0);
    QTest::keyClick(shownComponents().last(), Qt::Key_Return);
    EXPECT_EQ(desktop.folderStarts, QStringList{root + QStringLiteral("/out")});
    QTest::keyClick(w("zirnIniLink"), Qt::Key_Space);
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});

    const auto check = [this](const QString& folder) {
        // Tab runs through each tab in the order it is drawn, path components and links included.
        const QList<QWidget*> pages[] = {
            QList<QWidget*>{w("fileName")} + shownComponents() +
                QList<QWidget*>{w("title"), w("subject"), w("keywords"), w("author")},
            {w("passwordEnable"), w("passwordUser"), w("passwordOwner"), w("passwordAllowPrinting"),
             w("passwordAllowCopyPaste")},
            {w("postAction"), w("autoUpdateEnable"), w("zirnIniLink")}};
        for (int tab = 0; tab < 3; ++tab) {
            tabs()->setCurrentIndex(tab);
            const QList<QWidget*> expected =
                pages[tab] + QList<QWidget*>{w("link"), w("cancel"), w("create"), tabs()->tabBar()};
            tabs()->tabBar()->setFocus(Qt::TabFocusReason);
            QList<QWidget*> visited;
            for (qsizetype i = 0; i < expected.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited.append(QApplication::focusWidget());
            }
            EXPECT_EQ(visited, expected) << "tab " << tab;
            // Access keys: one per caption and box, none twice on a tab, each reaching its field.
            QList<QKeySequence> keys;
            for (QLabel* label : tabs()->widget(tab)->findChildren<QLabel*>()) {
                if (!label->buddy())
                    continue;
                keys.append(QKeySequence::mnemonic(label->text()));
                tabs()->tabBar()->setFocus();
                QTest::keySequence(window.get(), keys.last());
                EXPECT_EQ(QApplication::focusWidget(),
                          label->buddy() == w("path") ? shownComponents().last() : label->buddy())
                    << label->text().toStdString();
            }
            for (QCheckBox* box : tabs()->widget(tab)->findChildren<QCheckBox*>())
                keys.append(QKeySequence::mnemonic(box->text()));
            EXPECT_FALSE(keys.contains(QKeySequence())) << "tab " << tab;
            EXPECT_EQ(QSet<QKeySequence>(keys.begin(), keys.end()).size(), keys.size()) << "tab " << tab;
        }
        // Every control has a name; the path is a group named by its caption with the folder as value;
        // the links are links with a press action; password text is never read out.
        for (QWidget* control : window->findChildren<QWidget*>())
            if (((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy()) ||
                qobject_cast<QAbstractButton*>(control))
                EXPECT_FALSE(
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                    << control->objectName().toStdString();
        QAccessibleInterface* path = QAccessible::queryAccessibleInterface(w("path"));
        EXPECT_EQ(path->role(), QAccessible::Grouping);
        EXPECT_EQ(path->text(QAccessible::Name), folder);
        EXPECT_EQ(path->text(QAccessible::Value), root + QStringLiteral("/out"));
        tabs()->setCurrentIndex(0);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(shownComponents().last())->text(QAccessible::Name),
                  QStringLiteral("out"));
        for (const char* link : {"link", "zirnIniLink"}) {
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w(link));
            EXPECT_EQ(a11y->role(), QAccessible::Link);
            EXPECT_EQ(a11y->text(QAccessible::Name), w<QLabel>(link)->text());
            EXPECT_TRUE(
                a11y->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        for (const char* password : {"passwordUser", "passwordOwner"}) {
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w(password));
            EXPECT_TRUE(a11y->state().passwordEdit);
            EXPECT_FALSE(a11y->text(QAccessible::Value).contains(QLatin1Char('m')));
        }
    };
    check(QStringLiteral("Folder"));

    // While a dialog of the window is up, it has the keys alone; then Escape does what Cancel does.
    {
        QProgressDialog busy(window.get());
        busy.show();
        const qsizetype before = desktop.alerts.size();
        QTest::keyClick(field("title"), Qt::Key_Return);
        QTest::keyClick(field("title"), Qt::Key_Escape);
        EXPECT_EQ(desktop.alerts.size(), before);
        EXPECT_TRUE(window->isVisible());
    }
    QTest::keyClick(field("title"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    // The German window: its own texts, the program's and Create's messages.
    German german;
    desktop = {};
    launch();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    check(QStringLiteral("Ordner"));
    EXPECT_EQ(w<QPushButton>("create")->text(), QStringLiteral("Erstellen"));
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("Verschlüsselung"));
    EXPECT_EQ(w<QComboBox>("postAction")->itemText(0), QStringLiteral("Erstellte Datei öffnen"));
    EXPECT_EQ(w<QLabel>("autoUpdateInfo")->text(), QStringLiteral("Letzte Prüfung: "));
    EXPECT_EQ(w<QLabel>("zirnIniLink")->text(),
              QStringLiteral("Viele weitere Einstellungen können Sie in der Zirn.ini vornehmen."));
    QTest::keyClick(field("title"), Qt::Key_Return);
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message, QStringLiteral("Die PDF-Datei kann nicht erstellt werden."));
}

TEST_F(AppDelegateTest, LongFieldsReachTheRecordWhole)
{
    // QLineEdit's own limit would cut each at 32,767 characters.
    writeIni("");
    launch();
    const char* names[] = {"fileName", "title",        "subject",      "keywords",
                           "author",   "passwordUser", "passwordOwner"};
    const char* keys[] = {nullptr,  "Title",        "Subject",       "Keywords",
                          "Author", "UserPassword", "MasterPassword"};
    char16_t letter = u'a';
    for (const char* name : names)
        field(name)->setText(QString(40000, QChar(letter++)));
    QTest::keyClick(field("keywords"), Qt::Key_Return);
    ASSERT_EQ(desktop.alerts.size(), 1); // no document: the name shows in the message
    EXPECT_TRUE(desktop.alerts[0].detail.startsWith(out(QString(40000, u'a') + QStringLiteral(".pdf\n"))));
    for (int i = 1; i < 7; ++i)
        EXPECT_EQ(saved(keys[i]), field(names[i])->text()) << names[i];
}
