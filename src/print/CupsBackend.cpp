#include "print/CupsBackend.h"

#include "print/BackendParts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
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

} // namespace

int run(int argc, char** argv, const char* program, int seconds)
{
    if (argc == 1) {
        std::puts("direct zirn:/ \"Zirn PDF Writer\" \"Zirn PDF Writer\"");
        return BackendOk;
    }
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
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
    const Job job{argv[1], argv[3], argv[5]};
    setJobLabel(job.id);
    log(LOG_DEBUG, "printed by \"%s\" with the title \"%s\"", argv[2], job.title.c_str());

    const std::optional<Account> account = printingAccount(argv[2]);
    if (!account)
        return BackendCancel;

    // The job's data is the print system's: opened as root, read by the worker after the drop.
    const int input = argc == 7 ? ::open(argv[6], O_RDONLY | O_NOFOLLOW | O_CLOEXEC) : ::dup(0);
    int messages[2] = {-1, -1};
    if (input < 0 || ::pipe2(messages, O_CLOEXEC) != 0) {
        status(Status::Failed);
        log(LOG_ERR, "cannot open its data: %m");
        return BackendCancel;
    }
    // CUPS cancels a job with SIGTERM: the worker goes with it.
    struct sigaction onTerm
    {};
    onTerm.sa_handler = [](int) { cancelled = 1; };
    ::sigaction(SIGTERM, &onTerm, nullptr);

    // The worker, in a process group of its own that the deadline ends as a whole. It holds
    // nothing of CUPS's: its messages reach CUPS only through the supervisor.
    const pid_t worker = ::fork();
    if (worker == 0) {
        ::setpgid(0, 0);
        ::signal(SIGTERM, SIG_DFL);
        const int devnull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (devnull < 0 || ::dup2(devnull, 0) < 0 || ::dup2(devnull, 1) < 0 || ::dup2(devnull, 2) < 0)
            ::_exit(BackendCancel);
        sendMessagesTo(messages[1]);
        if (!dropPrivileges(*account)) {
            status(Status::Failed);
            log(LOG_ERR, "cannot switch to the user %s", account->name.c_str());
            ::_exit(BackendCancel);
        }
        ::_exit(saveJob(*account, input, job, program));
    }
    ::close(input);
    ::close(messages[1]);
    if (worker < 0) {
        status(Status::Failed);
        log(LOG_ERR, "cannot start its worker: %m");
        return BackendCancel;
    }
    ::setpgid(worker, worker);
    ::fcntl(messages[0], F_SETFL, O_NONBLOCK);
    SessionStart start;
    const int result = supervise(worker, messages[0], deadline, start);
    ::close(messages[0]);
    if (result < 0) {
        status(result == -2 ? Status::TooLong : Status::Failed);
        log(LOG_ERR, "%s; the job is cancelled", result == -2 ? "not done in time" : "its worker failed");
    }
    if (result != BackendOk)
        return BackendCancel;
    if (start.display == 0)
        return BackendOk;

    // The program joins the user's display process where the system counts it (cgroups,
    // resource limits): placing it there takes root, so the supervisor's child does it.
    const pid_t launcher = ::fork();
    if (launcher == 0)
        ::_exit(startInSessionOf(program, start.pdf, start.display, *account) ? 0 : 1);
    if (launcher > 0 && waitChild(launcher, millisecondsUntil(deadline), "the start in the session") == 0) {
        status(Status::Started);
        log(LOG_INFO, "started %s on %s in the session of process %d", program, start.pdf.c_str(),
            static_cast<int>(start.display));
    } else {
        status(Status::NotStarted);
        log(LOG_NOTICE, "could not start %s in the session of process %d: the printed document stays at %s",
            program, static_cast<int>(start.display), start.pdf.c_str());
    }
    return BackendOk;
}

} // namespace zirn::print
