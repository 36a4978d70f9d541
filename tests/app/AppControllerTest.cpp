#include "app/AppController.h"

#include "HttpTestServer.h"
#include "PdfFixtures.h"
#include "Recorders.h"
#include "TestSupport.h"
#include "app/ApplicationLoop.h"
#include "app/DocumentHandover.h"
#include "core/DefaultsStore.h"
#include "core/update/HttpDownload.h"
#include "gui/MainWindow.h"
#include "gui/widgets/PathControl.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <cstdio>

#include <sys/stat.h>

using namespace zirn;

namespace {

class AppControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = test::freshFolder("app");
        QDir().mkpath(root + "/spool");
        QDir().mkpath(root + "/out");
        config = {root + "/config/Zirn.ini", ":/zirn/Zirn.ini", server.url("/update.php?p=zirn_mac"),
                  "http://www.zirn-pdf.org/"};
        input = root + "/spool/Job 12.pdf";
        test::makePdf(input, {.info = QMap<QString, QString>{{"Title", "Printed"}, {"Author", "Printer"}}});
    }
    void TearDown() override
    {
        controller.reset();
        window.reset();
    }
    void writeIni(const QString& values)
    {
        QDir().mkpath(root + "/config");
        test::writeFile(config.settingsFile,
                        ("[Values]\nAutoUpdate=0\nPath=" + root + "/out\n" + values).toUtf8());
    }
    // The launch as the application loop performs it.
    void launch(const QStringList& documents = {})
    {
        TearDown();
        store = std::make_unique<DefaultsStore>(root + "/config/defaults.json");
        window = std::make_unique<MainWindow>();
        controller = std::make_unique<AppController>(*window, desktop, *store, config);
        ApplicationLoop::launch(*controller, *window, documents);
    }
    template <typename T = QWidget>
    T* w(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QTabWidget* tabs() const { return w<QTabWidget>("tabView"); }
    QWidget* component(qsizetype fromEnd) const // of the path; 1: the last
    {
        const auto all = w("path")->findChildren<QToolButton*>(QRegularExpression("^pathComponent"));
        return all.at(all.size() - fromEnd);
    }
    QString out(const QString& name = "Job 12.pdf") const { return root + "/out/" + name; }
    QString saved(const char* key) const { return store->value(QLatin1String(key)).toString(); }

    QByteArray updateAnswer; // of the update service, with status 200
    test::HttpTestServer server{
        [this](const auto&) { return test::HttpTestServer::reply(200, updateAnswer); }};
    QString root, input;
    AppController::Config config;
    test::RecordingDesktop desktop;
    std::unique_ptr<DefaultsStore> store;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<AppController> controller;
};

} // namespace

TEST_F(AppControllerTest, LaunchShowsTheLastDocumentOverTheLoadedSettings)
{
    // A path as handed over, relative and like a URL, is a path all the same.
    test::makePdf(root + "/spool/file:Second.pdf", {.info = QMap<QString, QString>{{"Title", "Second"}}});
    writeIni("AutoUpdate=5\nPostAction=OpenFile\nMasterPassword=m\nSelectedTab=7\nAuthor=Ini\n"
             "EncryptionKeyLength=256\n");
    test::writeFile(root + "/config/defaults.json", R"({"LastAutoUpdateCheck": "2024-03-01 10:00:00 +0000",
                                                        "Subject": "Saved"})");
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(root + "/spool");
    launch({input, "file:Second.pdf"});
    QDir::setCurrent(cwd);
    const QStringList shown{w<QLineEdit>("fileName")->text(), w<QLineEdit>("title")->text(),
                            w<QLineEdit>("subject")->text(),  w<QLineEdit>("author")->text(),
                            w<PathControl>("path")->folder(), w<QLineEdit>("passwordOwner")->text()};
    EXPECT_EQ(shown, (QStringList{"file:Second.pdf", "Second", "Saved", "Ini", root + "/out", "m"}));
    EXPECT_TRUE(w<QCheckBox>("autoUpdateEnable")->isChecked());
    EXPECT_EQ(w<QCheckBox>("passwordEnable")->text(), "Use 256-bit &encryption");
    EXPECT_EQ(w<QComboBox>("postAction")->currentIndex(), 1); // only "openFile" exactly is the first entry
    EXPECT_EQ(tabs()->currentIndex(), 0);                     // no tab 7: the first one
    EXPECT_TRUE(w<QLabel>("autoUpdateInfo")->text().contains("2024"));
    // The links: the settings file by a click on its text, once for a triple click and never beside
    // the text, where the cursor is no hand; the home page by a screen reader's press action.
    tabs()->setCurrentIndex(2);
    auto* ini = w<QLabel>("zirnIniLink");
    const int beside = ini->fontMetrics().horizontalAdvance(ini->text()) + 10;
    ASSERT_LT(beside, ini->width());
    QList<Qt::CursorShape> cursors;
    for (const auto& [type, x, time] : {std::tuple{QEvent::MouseButtonPress, 3, 1000ul},
                                        {QEvent::MouseButtonDblClick, 3, 1100ul},
                                        {QEvent::MouseButtonPress, 3, 1200ul},
                                        {QEvent::MouseMove, beside, 9000ul},
                                        {QEvent::MouseButtonPress, beside, 9000ul},
                                        {QEvent::MouseMove, 3, 9000ul}}) {
        QMouseEvent event(type, QPointF(x, 3), ini->mapToGlobal(QPointF(x, 3)), Qt::LeftButton, {}, {});
        event.setTimestamp(time);
        QApplication::sendEvent(ini, &event);
        if (type == QEvent::MouseMove)
            cursors.append(ini->cursor().shape());
    }
    EXPECT_EQ(cursors, (QList<Qt::CursorShape>{Qt::ArrowCursor, Qt::PointingHandCursor}));
    QAccessible::queryAccessibleInterface(w("link"))->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(config.homeUrl)});
    // The update check starts only when switched on.
    EXPECT_TRUE(test::waitFor([&] { return server.requests.size() == 1; }));
    // A folder handed over with a trailing "/" gives its name, and stays.
    writeIni("SelectedTab=2\n");
    launch({root + "/spool/"});
    EXPECT_EQ(tabs()->currentIndex(), 2);
    EXPECT_EQ(w<QLineEdit>("fileName")->text(), "spool");
    EXPECT_FALSE(test::waitFor([&] { return server.requests.size() > 1; }, 500));
    controller->aboutToQuit();
    EXPECT_TRUE(QFileInfo(root + "/spool").isDir());
    // The first run copies the default settings file, which may hold passwords: the user's alone.
    QDir(root + "/config").removeRecursively();
    launch();
    EXPECT_EQ(test::readFile(config.settingsFile), test::readFile(":/zirn/Zirn.ini"));
    for (const auto& [path, mode] : {std::pair{config.settingsFile, 0600u}, {root + "/config", 0700u}}) {
        struct stat info = {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << path.toStdString();
    }
}

TEST_F(AppControllerTest, CreateCopiesTheWindowAndNormalisesTheName)
{
    for (const auto& [typed, expected] : {std::pair{"Report.ps", "Report.ps.pdf"},
                                          {"R.pdf", "R.pdf"},
                                          {".pdf", ".pdf.pdf"},
                                          {"", "File.pdf"}})
        EXPECT_EQ(AppController::normalizedFileName(typed), QString::fromUtf8(expected)) << typed;

    QDir().mkpath(root + "/out/R&D");
    writeIni("Overwrite=1\n");
    launch({input});
    // The chooser starts in the clicked folder; cancelled it keeps the folder, else the choice replaces it.
    QTest::keyClick(component(1), Qt::Key_Return); // Enter too, as on a button
    desktop.pendingFolderChoice(root + "/out/R&D");
    QTest::mouseClick(component(2), Qt::LeftButton);
    desktop.pendingFolderChoice(std::nullopt);
    EXPECT_EQ(desktop.folderStarts, (QStringList{root + "/out", root + "/out"}));
    w<QLineEdit>("fileName")->setText("Report");
    w<QLineEdit>("title")->setText("New title");
    w<QComboBox>("postAction")->setCurrentIndex(1);
    w<QCheckBox>("autoUpdateEnable")->setChecked(false);
    tabs()->setCurrentIndex(2);
    // Shown as it is: a "&" makes no access key, and a screen reader reads it too.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(component(1))->text(QAccessible::Name), "R&D");
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(desktop.openedFiles.isEmpty()); // no post action
    const auto pdf = test::openWithQpdf(out("R&D/Report.pdf"));
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(test::infoText(*pdf, "Title"), "New title");
    const QStringList stored{saved("Title"), saved("Path"), saved("SelectedTab"), saved("AutoUpdate"),
                             saved("PostAction")};
    EXPECT_EQ(stored, (QStringList{"New title", root + "/out/R&D", "2", "0", ""}));
}

// The write runs on a worker while the window's thread waits. A timer due meanwhile runs there with
// the controls and links disabled, and Return or Escape pressed meanwhile neither starts a second
// Create nor closes the window. An update answer that comes meanwhile waits for the end of Create:
// dropped when Create ends the run, shown when the window stays (the name was taken meanwhile and
// the question that follows is declined).
TEST_F(AppControllerTest, TheWriteRunsOffTheMainThreadWithTheWindowDisabled)
{
    updateAnswer =
        "<update><version>99</version><application>New</application><help>http://x/</help></update>";
    for (const bool taken : {false, true}) {
        SCOPED_TRACE(taken);
        writeIni("AutoUpdate=1\n");
        QFile::remove(out());
        QFile::remove(root + "/config/defaults.json"); // no check yet
        launch({input});
        desktop.alertAnswers = {1};
        QSignalSpy creates(window.get(), &MainWindow::createClicked);
        QSemaphore answered, timerRan;
        QThread* writer = nullptr;
        QObject scope; // ends the connections below with this round, whose variables they use
        QObject::connect(controller->findChild<HttpDownload*>(), &HttpDownload::finished, &scope,
                         [&] { answered.release(); });
        QObject::connect(
            window.get(), &MainWindow::writeProgressed, &scope,
            [&](int) {
                if (std::exchange(writer, QThread::currentThread()))
                    return;
                EXPECT_TRUE(timerRan.tryAcquire(1, 10000));
                EXPECT_TRUE(answered.tryAcquire(1, 10000));
                if (taken)
                    test::writeFile(out(), "taken");
            },
            Qt::DirectConnection);
        bool enabledMeanwhile = true;
        QTimer::singleShot(0, window.get(), [&] {
            enabledMeanwhile = w("create")->isEnabled() || w("title")->isEnabled() ||
                               w("link")->palette().color(QPalette::WindowText) !=
                                   QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
            QTest::keyClick(w("title"), Qt::Key_Return);
            QTest::keyClick(w("title"), Qt::Key_Escape);
            timerRan.release();
        });
        window->pressCreate();
        EXPECT_NE(writer, QThread::currentThread());
        EXPECT_FALSE(enabledMeanwhile);
        EXPECT_EQ(creates.count(), 1);
        EXPECT_EQ(window->isVisible(), taken);
        EXPECT_EQ(desktop.alerts.size(), taken ? 1 : 0);
        EXPECT_EQ(desktop.notices.size(), taken ? 1 : 0);
        EXPECT_TRUE(store->stringValue("LastAutoUpdateCheck").has_value()); // a check, shown or not
    }
    EXPECT_TRUE(w("create")->isEnabled());
    window->writeStarted();
    window->runWrite([&] { window->writeProgress(40); });
    EXPECT_EQ(window->findChild<QProgressDialog*>()->value(), 40);
    window->writeFinished();
}

TEST_F(AppControllerTest, OnlyTheDocumentHandedOverIsDeletedAtTheEnd)
{
    const QString second = root + "/spool/Second.pdf", intoSpool = "Overwrite=1\nPath=" + root + "/spool\n";
    // Each row: the settings, the documents handed over, whether another job of the same title is
    // spooled under the same name meanwhile, and whether the input survives. A print with AutoStart
    // ends before an update answer could be shown: it checks for none.
    const std::tuple<QString, QStringList, bool, bool> cases[] = {
        {"", {input}, false, false},                                       // Cancel
        {"AutoStart=1\nAutoUpdate=1\n", {input}, false, false},            // Create
        {"", {}, false, true},                                             // no document
        {"", {input, second}, false, true},                                // the last one is the input
        {"", {input}, true, true},                                         // another job spooled meanwhile
        {"AutoStart=1\nAutoUpdate=1\n" + intoSpool, {input}, false, true}, // the output replaced the input
    };
    for (const auto& [ini, documents, respooled, inputSurvives] : cases) {
        SCOPED_TRACE(testing::Message() << ini.toStdString() << documents.size() << respooled);
        test::makePdf(input);
        test::makePdf(second);
        QFile::remove(root + "/config/defaults.json");
        writeIni(ini);
        const auto handedOver = FileIdentity::of(input);
        launch(documents);
        EXPECT_FALSE(
            test::waitFor([&] { return !server.requests.isEmpty(); }, ini.contains("AutoStart") ? 400 : 0));
        if (respooled) {
            test::makePdf(input + ".new");
            ASSERT_EQ(::rename(QFile::encodeName(input + ".new"), QFile::encodeName(input)), 0);
        }
        w<QLineEdit>("title")->setText("Typed");
        QTest::keyClick(w("title"), Qt::Key_Escape); // what Cancel does: nothing saved
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(store->value("Title").isValid(), ini.contains("AutoStart"));
        controller->aboutToQuit();
        EXPECT_EQ(QFileInfo::exists(input), inputSurvives);
        EXPECT_EQ(QFileInfo::exists(second), !documents.contains(second));
        EXPECT_TRUE(!inputSurvives ||
                    (FileIdentity::of(input) == handedOver) == (!respooled && !ini.contains("Overwrite")));
    }
}

// Return and keypad Enter press Create from a field of each tab, and fields take more than
// QLineEdit's own 32,767 characters.
TEST_F(AppControllerTest, EnterCreatesFromEveryTabWithLongFields)
{
    // No document, so that every Create ends in an alert and leaves the window open; no encryption,
    // whose passwords could not be that long.
    writeIni("");
    launch();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::pair<const char*, const char*> fields[] = {{"fileName", ""},
                                                          {"title", "Title"},
                                                          {"subject", "Subject"},
                                                          {"keywords", "Keywords"},
                                                          {"author", "Author"},
                                                          {"passwordUser", "UserPassword"},
                                                          {"passwordOwner", "MasterPassword"}};
    char letter = 'a';
    for (const auto& [field, key] : fields)
        w<QLineEdit>(field)->setText(QString(40000, QLatin1Char(letter++)));
    for (const auto& [tab, name] : {std::pair{0, "title"}, {1, "passwordEnable"}, {2, "autoUpdateEnable"}}) {
        tabs()->setCurrentIndex(tab);
        QTest::keyClick(w(name), tab == 1 ? Qt::Key_Enter : Qt::Key_Return,
                        tab == 1 ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(saved("SelectedTab").toInt(), tab) << name;
    }
    ASSERT_EQ(desktop.alerts.size(), 3);
    EXPECT_TRUE(desktop.alerts[0].detail.startsWith(out(QString(40000, u'a') + ".pdf\n")));
    for (const auto& [field, key] : fields)
        EXPECT_EQ(*key ? saved(key) : "", *key ? w<QLineEdit>(field)->text() : "") << field;
}

// Run again by tests/check_translations.sh under each table's LANG=<language>.UTF-8: the window shows its
// caption in its direction (a link's text starts on the right from right to left). Here: English.
TEST_F(AppControllerTest, StartsInTheLanguageOfItsLocale)
{
    ApplicationLoop::prepareApplication();
    writeIni("SelectedTab=2\n");
    launch();
    EXPECT_EQ(w<QLabel>("fileNameInfo")->text(), qEnvironmentVariable("ZIRN_EXPECT_CAPTION", "PDF &File"));
    const int start =
        qEnvironmentVariable("ZIRN_EXPECT_DIRECTION") == "RTL" ? w("zirnIniLink")->width() - 3 : 3;
    QTest::mouseClick(w("zirnIniLink"), Qt::LeftButton, {}, QPoint(start, 5));
    EXPECT_EQ(desktop.openedFiles, QStringList{config.settingsFile});
}

namespace {

// A session bus of the test's own (never the machine's), which any user may join, so that a call
// of another user's reaches the window and is refused there.
class PrivateBus
{
public:
    explicit PrivateBus(const QString& folder)
    {
        // An abstract socket: nothing is left behind.
        test::writeFile(folder + "/bus.conf",
                        "<busconfig><type>session</type><listen>unix:abstract=zirn-test-" +
                            QByteArray::number(::getpid()) +
                            "</listen><auth>EXTERNAL</auth><policy context='default'><allow user='*'/><allow "
                            "send_destination='*' eavesdrop='true'/><allow eavesdrop='true'/><allow own='*'/>"
                            "</policy></busconfig>");
        m_daemon.start("dbus-daemon",
                       {"--nofork", "--print-address", "--config-file=" + folder + "/bus.conf"});
        if (m_daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    QString address;

private:
    QProcess m_daemon;
};

} // namespace

// With CombineDocuments, a launch on a document while the window is open hands it over (by the
// bus, or by the socket where there is none) and ends; the window lists it, Create joins what is
// listed in its order, and every document is consumed at the end, also one removed from the list.
// Refused: a path that is not the user's file, one handed over during a Create or by another user.
TEST_F(AppControllerTest, DocumentsPrintedMeanwhileJoinTheWindow)
{
    const PrivateBus bus(root);
    ASSERT_FALSE(bus.address.isEmpty());
    const QString second = root + "/spool/Second.pdf", third = root + "/spool/Third.pdf";
    // Another launch, a process of its own (here a thread with a connection of its own): whether
    // it handed its document over, and whether it holds the name then.
    DocumentHandover::Config handover;
    const auto launchElsewhere = [&](const QString& path) {
        std::pair<bool, bool> handed;
        const std::unique_ptr<QThread> launch(QThread::create([&] {
            DocumentHandover other(handover);
            DefaultsStore otherStore(root + "/config/defaults.json");
            handed = {ApplicationLoop::handOver(other, otherStore, config.settingsFile, {path}),
                      other.isClaimed()};
        }));
        launch->start();
        EXPECT_TRUE(test::waitFor([&] { return launch->isFinished(); }));
        launch->wait();
        return handed;
    };
    using Handed = std::pair<bool, bool>;
    for (const QString& address : {bus.address, QString()}) {
        SCOPED_TRACE(address.toStdString());
        handover = {address, qEnvironmentVariable("XDG_RUNTIME_DIR"), "x11::7"};
        test::makePdf(input);
        test::makePdf(second, {.pages = 3, .links = "B"});
        test::makePdf(third, {.pages = 1, .links = "C"});
        // Off, the window holds no name and a launch has a window of its own, until the box is
        // switched on in the window (the socket's round); on, the launch claims the name (the bus's).
        const bool off = address.isEmpty();
        writeIni(off ? "CombineDocuments=0\n" : "CombineDocuments=1\n");
        launch({input});
        auto first = std::make_unique<DocumentHandover>(handover);
        EXPECT_FALSE(ApplicationLoop::handOver(*first, *store, config.settingsFile, {input}));
        EXPECT_NE(first->isClaimed(), off);
        controller->setHandover(first.get());
        if (off) {
            EXPECT_EQ(launchElsewhere(second), (Handed{false, false}));
            w<QCheckBox>("combineDocuments")->click();
            EXPECT_TRUE(first->isClaimed());
        }
        if (off) { // the socket: the user's alone
            struct stat folder = {}, socket = {};
            ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(first->socketPath()).path()), &folder) |
                          ::stat(QFile::encodeName(first->socketPath()), &socket),
                      0);
            EXPECT_EQ((std::pair{folder.st_mode & 0777, socket.st_mode & 0777}), (std::pair{0700u, 0600u}));
        }
        const QString relative = QDir(root).relativeFilePath(third);
        EXPECT_EQ(launchElsewhere(second), (Handed{true, false}));
        EXPECT_EQ(launchElsewhere(second), (Handed{true, false})); // listed once
        EXPECT_EQ(launchElsewhere(third), (Handed{true, false}));
        EXPECT_FALSE(controller->addDocument(relative));
        EXPECT_EQ(window->listedDocuments(), (QStringList{input, second, third}));
        // Another user's file, and another user's call (where the test can be another user).
        if (::getuid() == 0 && address == bus.address) {
            const QString theirs = root + "/theirs.pdf";
            test::makePdf(theirs);
            ASSERT_EQ(::chown(QFile::encodeName(theirs), 65534, 65534), 0);
            EXPECT_EQ(launchElsewhere(theirs), (Handed{false, false}));
            QProcess call;
            call.start("setpriv",
                       {"--reuid=65534", "--regid=65534", "--clear-groups", "dbus-send", "--bus=" + address,
                        "--print-reply", "--dest=" + first->serviceName(), "/org/zirn/PDFWriter/Documents",
                        "org.zirn.PDFWriter.Documents.AddDocument", "string:" + theirs});
            EXPECT_TRUE(test::waitFor([&] { return call.state() == QProcess::NotRunning; }));
            EXPECT_TRUE(call.readAllStandardError().contains("AccessDenied"));
            EXPECT_EQ(window->listedDocuments().size(), 3);
        }
        // Third up, the first out, by the keyboard: the PDF holds Third's page, then Second's.
        ASSERT_TRUE(w("documents")->isVisible());
        auto* list = w("documents")->findChild<QTreeWidget*>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(window.get(), Qt::Key_U, Qt::AltModifier); // the button's click follows
        EXPECT_TRUE(test::waitFor([&] { return window->listedDocuments().indexOf(third) == 1; }));
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
        EXPECT_TRUE(test::waitFor([&] { return window->listedDocuments() == QStringList{third, second}; }));
        // Tab passes through the list on to the window's buttons.
        QList<QWidget*> tabbed{w("author")};
        tabbed.last()->setFocus();
        while (tabbed.size() < 9 && tabbed.last() != w("create")) {
            QTest::keyClick(tabbed.last(), Qt::Key_Tab);
            tabbed << QApplication::focusWidget();
        }
        EXPECT_TRUE(tabbed.contains(list) && tabbed.contains(w("create")));
        // A launch during the Create is refused: its document could miss the PDF.
        std::optional<DocumentHandover::Outcome> meanwhile;
        QObject scope;
        QObject::connect(
            window.get(), &MainWindow::writeProgressed, &scope,
            [&](int) {
                if (!meanwhile)
                    meanwhile = DocumentHandover(handover).handOver(root + "/spool/Job 12.pdf");
            },
            Qt::DirectConnection);
        w<QLineEdit>("fileName")->setText("Joined");
        window->pressCreate();
        EXPECT_EQ(meanwhile, DocumentHandover::Outcome::Refused);
        const auto pdf = test::openWithQpdf(out("Joined.pdf"));
        ASSERT_NE(pdf, nullptr);
        QStringList outline;
        for (QPDFOutlineObjectHelper entry : QPDFOutlineDocumentHelper(*pdf).getTopLevelOutlines())
            outline << QString::fromStdString(entry.getTitle()) << QString::number(entry.getKids().size());
        EXPECT_EQ(outline, (QStringList{"Third.pdf", "1", "Second.pdf", "3"}));
        // Consumed at the end only, each of them.
        EXPECT_TRUE(QFileInfo::exists(input) && QFileInfo::exists(second) && QFileInfo::exists(third));
        controller->aboutToQuit();
        EXPECT_FALSE(QFileInfo::exists(input) || QFileInfo::exists(second) || QFileInfo::exists(third));
        // The window has gone: the next launch is the window, taking documents as its settings say.
        test::makePdf(second);
        EXPECT_EQ(launchElsewhere(second), (Handed{false, !off}));
        QFile::remove(out("Joined.pdf"));
    }
}

// Create at launch without a document: the alert, in German, leaves the window open. With Silent,
// a Create at launch that fails says why in the window, and the update check follows. The next
// Create takes that line away; refused for the missing master password (an alert also with
// Silent), it brings its field forward, and for a user password that is the master password, the
// user password's field. A further Create succeeds. Last: it leaves the German translation installed.
TEST_F(AppControllerTest, CreateAtLaunchAndAfterARefusalInGerman)
{
    ApplicationLoop::installTranslations(QLocale(QLocale::German, QLocale::Germany));
    writeIni("AutoStart=1\n");
    launch();
    ASSERT_EQ(desktop.alerts.size(), 1);
    EXPECT_EQ(desktop.alerts[0].message, "Die PDF-Datei kann nicht erstellt werden.");
    EXPECT_TRUE(window->isVisible() && !w("failure")->isVisible());
    writeIni("AutoStart=1\nSilent=1\nAutoUpdate=1\nPath=" + root + "/missing\n");
    launch({input});
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(w("failure")->isVisible());
    EXPECT_EQ(w<QLabel>("failureText")->text(), "Die PDF-Datei kann nicht erstellt werden.\n" + root +
                                                    "/missing/Job 12.pdf\nDer Ordner existiert nicht.");
    EXPECT_TRUE(test::waitFor([&] { return server.requests.size() == 1; }));
    w<PathControl>("path")->setFolder(root + "/out");
    w<QCheckBox>("passwordEnable")->click();
    w<QLineEdit>("passwordUser")->setText("secret");
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_FALSE(w("failure")->isVisible());
    ASSERT_EQ(desktop.alerts.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(out()));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), w("passwordOwner"));
    EXPECT_EQ(w<QLineEdit>("title")->text(), "Printed");
    QTest::keyClicks(w("passwordOwner"), "secret");
    tabs()->setCurrentIndex(0);
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), w("passwordUser"));
    w<QLineEdit>("passwordUser")->clear();
    QTest::mouseClick(w("create"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(desktop.openedFiles, QStringList{out()}); // the post action "openFile"
    const auto pdf = test::openWithQpdf(out(), "");
    ASSERT_NE(pdf, nullptr);
    EXPECT_TRUE(pdf->isEncrypted());
}
