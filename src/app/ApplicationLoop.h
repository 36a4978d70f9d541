#pragma once

#include <QStringList>

class QLocale;

namespace zirn {

class AppController;
class MainWindow;

// The program's main loop: creates the application object, loads the window, creates the
// AppController and tells it, in order, prepareLaunch, openDocument for each document the
// desktop handed over (the arguments of the launch), finishLaunch, and aboutToQuit when the
// last window has closed. Returns the loop's exit status.
class ApplicationLoop
{
public:
    static int run(int argc, char** argv);

    // The launch up to the user's turn: the fixed texts, the intake of each document in
    // documents (the arguments after the program's name), the window shown, and the launch
    // steps, which may end in a Create that closes the window.
    static void launch(AppController& controller, MainWindow& window, const QStringList& documents);

    // The program's names, and the translations of the user's locale, before any window exists.
    static void prepareApplication();

    // Installs the program's and Qt's own translations for locale; English without them.
    static void installTranslations(const QLocale& locale);
};

} // namespace zirn
