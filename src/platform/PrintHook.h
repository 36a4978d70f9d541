#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

namespace zirn {

// The post-processing step of the "Zirn PDF Writer" print queue. cups-pdf turns a print job
// into a PDF in the printing user's spool folder and then runs the hook as that user with
// the PDF's path, the local user name and the CUPS user name, and a minimal environment.
// The hook checks the file, starts the program on it in the user's graphical session,
// detached, and returns at once. It moves and deletes nothing: without a session the PDF
// stays where it is and the log says so.
class PrintHook
{
public:
    struct Arguments
    {
        QString pdf;
        QString user;
    };

    // cups-pdf builds the command line with blanks between unquoted arguments, so a path
    // with blanks arrives in pieces: the last two arguments are the user names, everything
    // before them is the path. Nothing when fewer than three arguments arrive.
    static std::optional<Arguments> parseArguments(const QStringList& arguments);

    // The queue's name from cups-pdf's device URI ("cups-pdf:/Zirn_PDF_Writer"); empty for
    // the default configuration.
    static QString queueFromDeviceUri(const QString& deviceUri);

    // The spool folder that the queue's configuration names with "Out" (${HOME} and ${USER}
    // replaced), "${HOME}/PDF" when the file names none.
    static QString spoolFolder(const QString& configFile, const QString& home, const QString& user);

    // Why the file must not be handed to the program, or nothing when it may: it must be a
    // regular file (not a link) directly inside spoolFolder, owned by uid, named *.pdf and
    // starting with "%PDF-".
    static std::optional<QString> refusal(const QString& pdf, const QString& spoolFolder, uid_t uid);

    // The environment of the user's graphical session: from the first process of uid (other
    // than this one) whose environment carries DISPLAY or WAYLAND_DISPLAY. procRoot is
    // "/proc" except in tests.
    static std::optional<QList<QByteArray>>
    sessionEnvironmentFromProcesses(uid_t uid, const QString& procRoot = "/proc");

    // Whether the environment (NAME=value entries) names a display.
    static bool hasDisplay(const QList<QByteArray>& environment);

    // The program beside the hook (a build tree), else <prefix>/bin/zirn-pdf-writer for a
    // hook in <prefix>/libexec/zirn-pdf-writer.
    static QString programBeside(const QString& hookPath);

    // Runs the whole hook; returns the process exit status (0 unless the call was wrong).
    static int run(const QStringList& arguments);
};

} // namespace zirn
