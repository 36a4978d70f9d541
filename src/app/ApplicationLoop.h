#pragma once

class QLocale;

namespace zirn {

// The program's main loop: creates the application object, loads the window, creates
// AppDelegate and sends it, in order, applicationWillFinishLaunching, application:openFile
// for each document the desktop handed over (the arguments of the launch),
// applicationDidFinishLaunching, and applicationWillTerminate when the last
// window has closed. Returns the loop's exit status.
class ApplicationLoop
{
public:
    static int run(int argc, char** argv);

    // Installs the program's and Qt's own translations for locale; English without them.
    static void installTranslations(const QLocale& locale);
};

} // namespace zirn
