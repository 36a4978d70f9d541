#include "platform/PrintHook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

#include <vector>

namespace zirn {

namespace {

void logLine(int priority, const QString& text)
{
    syslog(priority, "%s", text.toLocal8Bit().constData());
}

QString canonicalFolder(const QString& folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

} // namespace

std::optional<PrintHook::Arguments> PrintHook::parseArguments(const QStringList& arguments)
{
    if (arguments.size() < 3)
        return std::nullopt;
    const QStringList pathPieces = arguments.mid(0, arguments.size() - 2);
    return Arguments{pathPieces.join(u' '), arguments[arguments.size() - 2]};
}

QString PrintHook::queueFromDeviceUri(const QString& deviceUri)
{
    const QString prefix = QStringLiteral("cups-pdf:/");
    if (!deviceUri.startsWith(prefix))
        return {};
    return deviceUri.mid(prefix.size());
}

QString PrintHook::spoolFolder(const QString& configFile, const QString& home, const QString& user)
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile file(configFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Out ")) || line.startsWith(QLatin1String("Out\t")))
                out = line.mid(4).trimmed();
        }
    }
    out.replace(QStringLiteral("${HOME}"), home);
    out.replace(QStringLiteral("${USER}"), user);
    return QDir::cleanPath(out);
}

std::optional<QString> PrintHook::refusal(const QString& pdf, const QString& spoolFolder, uid_t uid)
{
    const QByteArray path = QFile::encodeName(pdf);
    struct stat info
    {};
    if (::lstat(path.constData(), &info) != 0)
        return QStringLiteral("no such file");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("a symbolic link");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    if (info.st_uid != uid)
        return QStringLiteral("owned by another user");
    const QString spool = canonicalFolder(spoolFolder);
    const QFileInfo file(pdf);
    if (spool.isEmpty() || canonicalFolder(file.absolutePath()) != spool)
        return QStringLiteral("outside the spool folder %1").arg(spoolFolder);
    if (!file.fileName().endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return QStringLiteral("not named .pdf");
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return QStringLiteral("cannot be read");
    char magic[5] = {};
    const ssize_t got = ::read(fd, magic, sizeof magic);
    ::close(fd);
    if (got != 5 || std::memcmp(magic, "%PDF-", 5) != 0)
        return QStringLiteral("not a PDF document");
    return std::nullopt;
}

bool PrintHook::hasDisplay(const QList<QByteArray>& environment)
{
    for (const QByteArray& entry : environment)
        if ((entry.startsWith("DISPLAY=") || entry.startsWith("WAYLAND_DISPLAY=")) &&
            entry.indexOf('=') + 1 < entry.size())
            return true;
    return false;
}

std::optional<QList<QByteArray>> PrintHook::sessionEnvironmentFromProcesses(uid_t uid,
                                                                            const QString& procRoot)
{
    const QDir proc(procRoot);
    const QString self = QString::number(::getpid());
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toInt(&numeric);
        if (!numeric || pid == self)
            continue;
        struct stat info
        {};
        if (::stat(QFile::encodeName(proc.filePath(pid)).constData(), &info) != 0 || info.st_uid != uid)
            continue;
        QFile environ(proc.filePath(pid + QStringLiteral("/environ")));
        if (!environ.open(QIODevice::ReadOnly))
            continue;
        QList<QByteArray> entries = environ.readAll().split('\0');
        entries.removeAll(QByteArray());
        if (hasDisplay(entries))
            return entries;
    }
    return std::nullopt;
}

QString PrintHook::programBeside(const QString& hookPath)
{
    const QFileInfo hook(hookPath);
    const QString sibling = hook.absolutePath() + QStringLiteral("/zirn-pdf-writer");
    if (QFileInfo(sibling).isExecutable())
        return sibling;
    return QDir::cleanPath(hook.absolutePath() + QStringLiteral("/../../bin/zirn-pdf-writer"));
}

namespace {

// Starts program on pdf with the environment, in a new session, and does not wait for it.
bool launchDetached(const QString& program, const QString& pdf, const QList<QByteArray>& environment,
                    const QString& home)
{
    const QByteArray programPath = QFile::encodeName(program);
    const QByteArray pdfPath = QFile::encodeName(pdf);
    const QByteArray homePath = QFile::encodeName(home);
    std::vector<char*> envp;
    for (const QByteArray& entry : environment)
        envp.push_back(const_cast<char*>(entry.constData()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(programPath.constData()), const_cast<char*>(pdfPath.constData()),
                    nullptr};

    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // The grandchild belongs to no job of the print system and outlives this hook.
        ::setsid();
        if (::fork() != 0)
            ::_exit(0);
        const int devnull = ::open("/dev/null", O_RDWR);
        if (devnull >= 0) {
            ::dup2(devnull, 0);
            ::dup2(devnull, 1);
            ::dup2(devnull, 2);
        }
        if (::chdir(homePath.constData()) != 0)
            (void)::chdir("/");
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs a tool with the environment and gives its output, or nothing when it failed.
std::optional<QByteArray> runTool(const QString& tool, const QStringList& arguments,
                                  const QProcessEnvironment& env)
{
    const QString path =
        QStandardPaths::findExecutable(tool, {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(path, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// The user's systemd manager, when it runs and knows of a graphical session: the program
// then runs as a transient unit of the user, like anything the desktop starts.
bool launchThroughSystemd(const QString& program, const QString& pdf, uid_t uid)
{
    const QString runtime = QStringLiteral("/run/user/%1").arg(uid);
    if (!QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return false;
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=%1/bus").arg(runtime));
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const auto environment = runTool(QStringLiteral("systemctl"),
                                     {QStringLiteral("--user"), QStringLiteral("show-environment")}, env);
    if (!environment || !PrintHook::hasDisplay(environment->split('\n')))
        return false;
    return runTool(QStringLiteral("systemd-run"),
                   {QStringLiteral("--user"), QStringLiteral("--quiet"), QStringLiteral("--collect"),
                    QStringLiteral("--"), program, pdf},
                   env)
        .has_value();
}

QString ownPath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

} // namespace

int PrintHook::run(const QStringList& arguments)
{
    openlog("zirn-print-hook", LOG_PID | LOG_PERROR, LOG_LPR);
    const auto parsed = parseArguments(arguments);
    if (!parsed) {
        logLine(LOG_ERR,
                QStringLiteral("usage: zirn-print-hook <pdf> <user> <cups user> (called by cups-pdf)"));
        return 2;
    }
    const QByteArray userName = parsed->user.toLocal8Bit();
    const passwd* account = ::getpwnam(userName.constData());
    if (!account || account->pw_uid != ::getuid()) {
        logLine(LOG_WARNING,
                QStringLiteral("refused %1: not running as its user %2").arg(parsed->pdf, parsed->user));
        return 0;
    }
    const uid_t uid = account->pw_uid;
    const QString home = QFile::decodeName(account->pw_dir);

    const QString queue = queueFromDeviceUri(qEnvironmentVariable("DEVICE_URI"));
    const QString config = queue.isEmpty() ? QStringLiteral("/etc/cups/cups-pdf.conf")
                                           : QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue);
    const QString spool = spoolFolder(config, home, parsed->user);
    if (const auto why = refusal(parsed->pdf, spool, uid)) {
        logLine(LOG_WARNING, QStringLiteral("refused %1: %2").arg(parsed->pdf, *why));
        return 0;
    }

    const QString program = programBeside(ownPath());
    if (launchThroughSystemd(program, parsed->pdf, uid)) {
        logLine(
            LOG_INFO,
            QStringLiteral("started %1 on %2 through the user's systemd manager").arg(program, parsed->pdf));
        return 0;
    }
    if (const auto environment = sessionEnvironmentFromProcesses(uid)) {
        if (launchDetached(program, parsed->pdf, *environment, home)) {
            logLine(LOG_INFO,
                    QStringLiteral("started %1 on %2 in the user's session").arg(program, parsed->pdf));
            return 0;
        }
    }
    logLine(LOG_NOTICE, QStringLiteral("no graphical session of %1: the printed document stays at %2")
                            .arg(parsed->user, parsed->pdf));
    return 0;
}

} // namespace zirn
