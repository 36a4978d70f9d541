#include "print/CupsBackend.h"

#include "print/BackendParts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

// A start in the user's session that the worker asks for; the supervisor does the root part.
struct SessionStart
{
    pid_t display = 0;
    std::string pdf;
};

void take(std::string_view message, SessionStart& start)
{
    if (message.size() > 1 && message[0] == 'P') {
        const std::string text(message.substr(1));
        char* end = nullptr;
        const long pid = std::strtol(text.c_str(), &end, 10);
        if (pid > 0 && *end == ' ' && end[1] == '/')
            start = {static_cast<pid_t>(pid), end + 1};
    } else if (!message.empty()) {
        publish(message[0], message.substr(1));
    }
}

// Waits for the worker until the deadline (or until CUPS cancels the job), passing on its
// messages. Gives its exit status; -1 when it failed or was killed, -2 when it was stopped.
int supervise(pid_t worker, int messages, Clock::time_point deadline, SessionStart& start)
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
        if (cancelled || millisecondsUntil(deadline) == 0) {
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
// session of its own that the deadline ends as a whole. Its status, as supervise() gives it.
int startInSession(const char* program, const SessionStart& start, const Account& account,
                   Clock::time_point deadline)
{
    int messages = -1;
    const pid_t launcher = forkPart(&messages, false);
    if (launcher == 0) {
        ::setsid();
        isolateChild(-1, messages);
        ::fcntl(3, F_SETFD, FD_CLOEXEC);
        sendMessagesTo(3);
        ::_exit(startInSessionOf(program, start.pdf, start.display, account) ? 0 : 1);
    }
    SessionStart none;
    const int started = launcher > 0 ? supervise(launcher, messages, deadline, none) : -1;
    if (launcher > 0)
        ::close(messages);
    if (started == 0) {
        status(Status::Started);
        log(LOG_INFO, "started %s on %s in the session of process %d", program, start.pdf.c_str(),
            static_cast<int>(start.display));
    } else {
        status(Status::NotStarted);
        log(LOG_NOTICE, "could not start %s in the session of process %d: the printed document stays at %s",
            program, static_cast<int>(start.display), start.pdf.c_str());
    }
    return started;
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
    const Job job{argv[1], argv[3], argv[5], ::getpid()};
    const std::string user = argv[2], file = argc == 7 ? argv[6] : "";
    hideArguments(argc, argv);
    setJobLabel(job.id);
    log(LOG_DEBUG, "printed by \"%s\" with the title \"%s\"", user.c_str(), job.title.c_str());

    const std::optional<Account> account = printingAccount(user.c_str());
    if (!account)
        return BackendCancel;
    const auto deadline = begin + std::chrono::seconds(jobSeconds(marks, account->uid, seconds));

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
    const int result = supervise(worker, messages, deadline, start);
    ::close(messages);
    if (result < 0) {
        status(result == -2 ? Status::TooLong : Status::Failed);
        log(LOG_ERR, "%s; the job is cancelled", result == -2 ? "not done in time" : "its worker failed");
    }
    const int started =
        result == BackendOk && start.display != 0 ? startInSession(program, start, *account, deadline) : 0;
    // One user's share of the queue: a job cut off at its deadline, or one that took longer than
    // a short job may, marks the user for a while.
    if ((!cancelled && (result == -2 || started == -2)) ||
        Clock::now() - begin > std::chrono::seconds(ShortJobSeconds))
        noteSlowJob(marks, account->uid);
    return result == BackendOk ? BackendOk : BackendCancel;
}

} // namespace zirn::print
