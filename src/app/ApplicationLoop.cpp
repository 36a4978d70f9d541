#include "app/ApplicationLoop.h"

#include "app/AppController.h"
#include "app/DocumentHandover.h"
#include "app/StartupNotice.h"
#include "core/DefaultsStore.h"
#include "core/Paths.h"
#include "core/settings/SettingsLoader.h"
#include "gui/MainWindow.h"
#include "gui/QtDesktopServices.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>
#include <cstring>

namespace zirn {

namespace {
// Qt lays the whole interface out from right to left when the translations installed say "RTL"
// here. Every table of ours says it, so that Arabic and Hebrew mirror also where Qt's own
// translations are not installed (they are only recommended).
[[maybe_unused]] const struct
{
    const char* source;
    const char* comment;
} kLayoutDirection =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or "
                       "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
                       "proper widget layout.");
} // namespace

void ApplicationLoop::installTranslations(const QLocale& locale)
{
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(locale, QStringLiteral("zirn"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's own texts: the buttons and folder chooser of the standard dialogs.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

void ApplicationLoop::prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("zirn-pdf-writer"));
    QApplication::setDesktopFileName(QStringLiteral("org.zirn.PDFWriter"));
    installTranslations(QLocale::system());
}

void ApplicationLoop::launch(AppController& controller, MainWindow& window, const QStringList& documents)
{
    controller.prepareLaunch();
    // Paths, each exactly as handed over: the desktop entry passes paths, and "file:x.pdf" is
    // the name of a file like any other.
    for (const QString& document : documents)
        controller.openDocument(document);
    window.show();
    controller.finishLaunch();
}

bool ApplicationLoop::handOver(DocumentHandover& handover, DefaultsStore& store, const QString& settingsFile,
                               const QStringList& documents)
{
    const SettingsLoader::LaunchChoices choices = SettingsLoader(store).launchChoices(settingsFile);
    if (documents.size() != 1 || choices.AutoStart != 0)
        return false;
    const bool combine = choices.CombineDocuments != 0;
    // The window runs in a folder of its own: it gets the path whole.
    const QString path = QFileInfo(documents.front()).absoluteFilePath();
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (combine && handover.claim())
            return false;
        switch (handover.handOver(path)) {
        case DocumentHandover::Outcome::Accepted:
            return true;
        case DocumentHandover::Outcome::Refused:
            return false;
        case DocumentHandover::Outcome::NoWindow:
            if (!combine)
                return false;
            break; // it went meanwhile: claimed again
        }
    }
    return false;
}

int ApplicationLoop::run(int argc, char** argv)
{
    // A file-size limit must fail the write with an error the user is told about, not end
    // the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    prepareApplication();

    // A printed document's path carries its title: once read, ps shows it to nobody.
    const QStringList documents = QCoreApplication::arguments().mid(1);
    for (int i = 1; i < argc; ++i)
        std::memset(argv[i], 0, std::strlen(argv[i]));

    DefaultsStore store(DefaultsStore::defaultLocation());
    // Joining a window that is open: the document is in its list, and this process is done.
    DocumentHandover handover(DocumentHandover::Config::standard());
    if (handOver(handover, store, Paths::settingsFile(), documents)) {
        announceStartup();
        return 0;
    }

    QtDesktopServices desktop;
    MainWindow window;
    desktop.setWindow(&window);
    AppController controller(window, desktop, store, AppController::Config::standard());
    controller.setHandover(&handover);
    // A window that closes takes no more documents; the next launch claims the name.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &handover, &DocumentHandover::release);

    QApplication::setQuitOnLastWindowClosed(controller.quitOnLastWindowClosed());
    bool terminated = false;
    const auto terminate = [&controller, &terminated] {
        if (!terminated) {
            terminated = true;
            controller.aboutToQuit();
        }
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, terminate);

    launch(controller, window, documents);
    // The window is up, or the Create pressed by the launch itself is done: either way the
    // program ran.
    announceStartup();
    // A Create pressed by the launch itself may already have closed the window.
    if (!window.isVisible()) {
        terminate();
        return 0;
    }
    const int status = QApplication::exec();
    terminate();
    return status;
}

} // namespace zirn
