#include "print/CupsBackend.h"

#include "print/BackendParts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t cancelled = 0;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

// What the worker reports beside messages for CUPS: a start in the user's session that it asks
// for (the supervisor does the root part), and the name the document got in ~/PDF.
struct SessionStart
{
    pid_t display = 0;
    std::string pdf, name;
};

void take(std::string_view message, SessionStart& start)
{
    if (message.size() > 1 && message[0] == 'N') {
        start.name = message.substr(1);
    } else if (message.size() > 1 && message[0] == 'P') {
        const std::string text(message.substr(1));
        char* end = nullptr;
        const long pid = std::strtol(text.c_str(), &end, 10);
        if (pid > 0 && *end == ' ' && end[1] == '/') {
            start.display = static_cast<pid_t>(pid);
            start.pdf = end + 1;
        }
    } else if (!message.empty()) {
        publish(message[0], message.substr(1));
    }
}

// Waits for the worker until the deadline (or until CUPS cancels the job, when stopOnCancel),
// passing on its messages. Gives its exit status; -1 when it failed or was killed, -2 when it
// was stopped.
int supervise(pid_t worker, int messages, Clock::time_point deadline, SessionStart& start,
              bool stopOnCancel = true)
{
    std::string pending;
    const auto readMessages = [&] {
        char buffer[4096];
        for (ssize_t got; (got = ::read(messages, buffer, sizeof buffer)) > 0;)
            if (pending.size() < (1 << 16))
                pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = pending.find('\0')) != std::string::npos; pending.erase(0, end + 1))
            take(std::string_view(pending).substr(0, end), start);
    };
    for (;;) {
        pollfd ready{messages, POLLIN, 0};
        ::poll(&ready, 1, std::min(20, millisecondsUntil(deadline)));
        readMessages();
        int status = 0;
        if (::waitpid(worker, &status, WNOHANG) == worker) {
            readMessages();
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (cancelled && stopOnCancel) {
            ::kill(-worker, SIGKILL); // no fault of the worker's: not logged as one
            waitChild(worker, 5000, "the job's worker", true);
            return -2;
        }
        if (millisecondsUntil(deadline) == 0) {
            waitChild(worker, 0, "the job's worker", true);
            return -2;
        }
    }
}

// What CUPS passes, the user and the title above all, is every user's to read in ps: cleared
// where it lies once read, and the process is called "zirn".
void hideArguments(int argc, char** argv)
{
    const size_t first = std::strlen(argv[0]);
    for (int i = 0; i < argc; ++i)
        std::memset(argv[i], 0, std::strlen(argv[i]));
    std::memcpy(argv[0], "zirn", std::min<size_t>(first, 4));
    ::prctl(PR_SET_NAME, "zirn");
}

// Forks a part of the job that reports through a pipe: *messages is the child's end in the
// child, the supervisor's (non-blocking) in the supervisor. The worker (ownNamespace) is the
// first process of a PID namespace of its own: when it ends, or the deadline ends it, the
// kernel ends every process in that namespace, also one that left its process group.
pid_t forkPart(int* messages, bool ownNamespace)
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return -1;
    const int parent = ownNamespace ? ::open("/proc/self/ns/pid", O_RDONLY | O_CLOEXEC) : -1;
    const bool isolated = parent >= 0 && ::unshare(CLONE_NEWPID) == 0;
    if (ownNamespace && !isolated)
        log(LOG_WARNING, "no PID namespace for the worker (%m): the deadline ends its process group only");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (parent >= 0)
            ::close(parent);
        *messages = ends[1];
        return 0;
    }
    // Later children (the start in the session) belong to the supervisor's namespace again.
    if (isolated)
        ::setns(parent, CLONE_NEWPID);
    if (parent >= 0)
        ::close(parent);
    ::close(ends[1]);
    ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    *messages = ends[0];
    return child;
}

// The program joins the user's display process where the system counts it (cgroups,
// resource limits): placing it there takes root, so a child of the supervisor does it, in a
// session of its own that the deadline, or a cancel, ends as a whole (the program with it).
void startInSession(const char* program, const SessionStart& start, const Account& account, const Job& job)
{
    int messages = -1;
    const pid_t launcher = forkPart(&messages, false);
    if (launcher == 0) {
        ::setsid();
        isolateChild(-1, messages);
        ::fcntl(3, F_SETFD, FD_CLOEXEC);
        sendMessagesTo(3);
        ::_exit(static_cast<int>(
            startInSessionOf(program, start.pdf, start.display, account, secondsLeft(job, StartSeconds))));
    }
    SessionStart none;
    const int started = launcher > 0 ? supervise(launcher, messages, job.deadline, none) : -1;
    if (launcher > 0)
        ::close(messages);
    if (cancelled && launcher > 0)
        ::kill(-launcher, SIGKILL);
    const std::string way = "in the session of process " + std::to_string(start.display);
    reportStart(started == static_cast<int>(Start::Shown) || started == static_cast<int>(Start::Starting)
                    ? static_cast<Start>(started)
                    : Start::Failed,
                program, start.pdf, way.c_str());
}

// A cancelled job leaves nothing behind: as the user, a child removes what the worker stored
// (its temporary files and the document it named) and stops the program's unit, should the
// worker have started one. Bounded like everything else.
void removeStored(const Account& account, const Job& job, const std::string& name)
{
    int messages = -1;
    const pid_t cleaner = forkPart(&messages, false);
    if (cleaner == 0) {
        isolateChild(-1, messages);
        ::fcntl(3, F_SETFD, FD_CLOEXEC);
        sendMessagesTo(3);
        if (!dropPrivileges(account))
            ::_exit(1);
        const std::string runtime = "/run/user/" + std::to_string(account.uid);
        runProgram({"/usr/bin/systemctl", "--user", "--machine=@.host", "stop", "--", unitName(job)},
                   {"PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                    "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime + "/bus"},
                   10);
        const std::string temp = ".zirn-job-" + job.id + "-" + std::to_string(job.supervisor) + ".part";
        const int folder = ::open((account.home + "/PDF").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR* all = folder >= 0 ? ::fdopendir(::dup(folder)) : nullptr;
        while (const dirent* entry = all ? ::readdir(all) : nullptr) {
            const std::string_view found = entry->d_name;
            if (found.rfind(temp, 0) == 0 || (found == name && !name.empty() && name.find('/') == name.npos))
                if (::unlinkat(folder, entry->d_name, 0) == 0)
                    log(LOG_INFO, "removed %s/PDF/%s", account.home.c_str(), entry->d_name);
        }
        ::_exit(0);
    }
    SessionStart none;
    if (cleaner > 0) {
        supervise(cleaner, messages, Clock::now() + std::chrono::seconds(15), none, false);
        ::close(messages);
    }
}

} // namespace

int run(int argc, char** argv, const char* program, int seconds, const char* marks)
{
    if (argc == 1) {
        std::puts("direct zirn:/ \"Zirn PDF Writer\" \"Zirn PDF Writer\"");
        return BackendOk;
    }
    const auto begin = Clock::now();
    // CUPS's back and side channels: unused here, and nothing started later may inherit them.
    ::close(3);
    ::close(4);
    openlog("zirn-cups-backend", LOG_PID, LOG_LPR);
    // Whatever is created here, also by qpdf, is the user's alone until the program takes it.
    ::umask(077);
    if (argc < 6 || argc > 7) {
        std::fputs("ERROR: usage: zirn job-id user title copies options [file]\n", stderr);
        return BackendCancel;
    }
    const char* contentType = std::getenv("CONTENT_TYPE");
    Job job{argv[1], argv[3], argv[5], contentType ? contentType : "", ::getpid(), {}};
    const std::string user = argv[2], file = argc == 7 ? argv[6] : "";
    hideArguments(argc, argv);
    setJobLabel(job.id);
    log(LOG_DEBUG, "printed by \"%s\" with the title \"%s\"", user.c_str(), job.title.c_str());

    const std::optional<Account> account = printingAccount(user.c_str());
    if (!account)
        return BackendCancel;
    // A job with several documents runs the backend once for each: they share one deadline.
    // Its key: the user, the job's number and the hash of its job-uuid (numbers may come again).
    std::string key = std::to_string(account->uid) + "-";
    for (const char c : job.id.substr(0, 12))
        key += c >= '0' && c <= '9' ? c : '_';
    key += "-" + std::to_string(std::hash<std::string>{}(parseOptions(job.options)["job-uuid"]));
    std::time_t started = 0;
    const int left = jobSecondsLeft(marks, account->uid, key, seconds, &started, &job.document);
    job.deadline = begin + std::chrono::seconds(left);
    if (left == 0) {
        status(Status::TooLong);
        log(LOG_ERR, "the job's deadline passed before this document; the job is cancelled");
        return BackendCancel;
    }

    // The job's data is the print system's: opened as root, read by the worker after the drop.
    const int input = !file.empty() ? ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC) : ::dup(0);
    if (input < 0) {
        status(Status::Failed);
        log(LOG_ERR, "cannot open its data: %m");
        return BackendCancel;
    }
    // CUPS cancels a job with SIGTERM: the worker goes with it.
    struct sigaction onTerm
    {};
    onTerm.sa_handler = [](int) { cancelled = 1; };
    ::sigaction(SIGTERM, &onTerm, nullptr);

    // The worker, in a process group of its own. It holds nothing of CUPS's: its messages
    // reach CUPS only through the supervisor.
    int messages = -1;
    const pid_t worker = forkPart(&messages, true);
    if (worker == 0) {
        ::setpgid(0, 0);
        ::signal(SIGTERM, SIG_DFL);
        const int devnull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (devnull < 0 || ::dup2(devnull, 0) < 0 || ::dup2(devnull, 1) < 0 || ::dup2(devnull, 2) < 0)
            ::_exit(BackendCancel);
        sendMessagesTo(messages);
        if (!dropPrivileges(*account)) {
            status(Status::Failed);
            log(LOG_ERR, "cannot switch to the user %s", account->name.c_str());
            ::_exit(BackendCancel);
        }
        ::_exit(saveJob(*account, input, job, program));
    }
    ::close(input);
    if (worker < 0) {
        status(Status::Failed);
        log(LOG_ERR, "cannot start its worker: %m");
        return BackendCancel;
    }
    ::setpgid(worker, worker);
    SessionStart start;
    const int result = supervise(worker, messages, job.deadline, start);
    ::close(messages);
    if (result == BackendOk && start.display != 0 && !cancelled)
        startInSession(program, start, *account, job);
    // A cancel: nothing of the job stays, and it says nothing of the user's share of the queue.
    if (cancelled) {
        status(Status::Cancelled);
        log(LOG_NOTICE, "cancelled; what it stored is removed");
        removeStored(*account, job, start.name);
        return BackendCancel;
    }
    if (result < 0) {
        status(result == -2 ? Status::TooLong : Status::Failed);
        log(LOG_ERR, "%s; the job is cancelled", result == -2 ? "not done in time" : "its worker failed");
    }
    // One user's share of the queue: a job cut off at its deadline, or one that took longer than
    // a short job may (all its documents together), marks the user for a while.
    if (result == -2 || Clock::now() >= job.deadline || std::time(nullptr) - started > ShortJobSeconds)
        noteSlowJob(marks, account->uid);
    return result == BackendOk ? BackendOk : BackendCancel;
}

} // namespace zirn::print
