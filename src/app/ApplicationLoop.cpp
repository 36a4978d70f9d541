#include "app/ApplicationLoop.h"

#include "app/AppDelegate.h"
#include "core/DefaultsStore.h"
#include "gui/MainWindow.h"
#include "gui/QtDesktopServices.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

#include <csignal>

namespace zirn {

namespace {

QString documentPath(const QString& argument)
{
    // A desktop may hand over file URLs rather than paths.
    if (argument.startsWith(QLatin1String("file:")))
        return QUrl(argument).toLocalFile();
    return argument;
}

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

int ApplicationLoop::run(int argc, char** argv)
{
    // A file-size limit must fail the write with an error the user is told about, not end
    // the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zirn-pdf-writer"));
    QApplication::setDesktopFileName(QStringLiteral("org.zirn.PDFWriter"));
    installTranslations(QLocale::system());

    QtDesktopServices desktop;
    DefaultsStore store(DefaultsStore::defaultLocation());
    MainWindow window;
    desktop.setWindow(&window);
    AppDelegate delegate(window, desktop, store, AppDelegate::Config::standard());

    QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    bool terminated = false;
    const auto terminate = [&delegate, &terminated] {
        if (!terminated) {
            terminated = true;
            delegate.applicationWillTerminate();
        }
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, terminate);

    delegate.applicationWillFinishLaunching();
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        delegate.application(documentPath(arguments[i]));

    window.show();
    delegate.applicationDidFinishLaunching();
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
