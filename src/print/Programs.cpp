#include "print/BackendParts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

int messagePipe = -1;
std::string jobLabel;

// One line each, as CUPS reads its status channel: a control character would start another.
std::string oneLine(std::string_view text)
{
    std::string line;
    for (const char c : text.substr(0, 2000))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            line += c;
    return line;
}

} // namespace

void sendMessagesTo(int fd)
{
    messagePipe = fd;
}

void setJobLabel(const std::string& label)
{
    jobLabel = oneLine(label);
}

void sendMessage(char kind, std::string_view text)
{
    if (messagePipe < 0)
        return publish(kind, text);
    std::string message = kind + std::string(text.substr(0, 4000));
    std::replace(message.begin(), message.end(), '\0', ' ');
    writeAll(messagePipe, message.c_str(), message.size() + 1);
}

void publish(char kind, std::string_view text)
{
    static constexpr const char* texts[] = {
        "ERROR: Refused a job that is not from an ordinary user account",
        "ERROR: Refused a job that the print system did not authenticate",
        "ERROR: Refused a job that is not a PDF document",
        "ERROR: The job failed",
        "ERROR: Could not save the document in the user's PDF folder",
        "ERROR: Kept the document in the user's PDF folder under a temporary name",
        "INFO: Saved the document in the user's PDF folder",
        "INFO: Opened the document in the user's desktop session",
        "INFO: No desktop session opened the document; it stays in the user's PDF folder",
        "ERROR: Cancelled a job that was not done in time",
    };
    const int index = text.size() == 1 ? text[0] - static_cast<char>(Status::NotOrdinaryUser) : -1;
    if (kind == 'S' && index >= 0 && index < static_cast<int>(std::size(texts))) {
        std::fprintf(stderr, "%s\n", texts[index]);
    } else if (kind >= '0' && kind <= '7') {
        const std::string line = oneLine(text);
        std::fprintf(stderr, "DEBUG: %s\n", line.c_str());
        syslog(kind - '0', "job %s: %s", jobLabel.c_str(), line.c_str());
    }
}

void status(Status status)
{
    sendMessage('S', std::string(1, static_cast<char>(status)));
}

void log(int priority, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    sendMessage(static_cast<char>('0' + (priority & 7)), text);
}

// A child runs as the user, who may trace it: it must hold nothing of the print system's.
// CUPS's status pipe (2), back channel (3) and side channel (4) above all.
void isolateChild(int output, int input)
{
    const int devnull = ::open("/dev/null", O_RDWR);
    if (devnull < 0 || ::dup2(devnull, 0) < 0 || ::dup2(output >= 0 ? output : devnull, 1) < 0 ||
        ::dup2(devnull, 2) < 0 || (input >= 0 && ::dup2(input, 3) < 0))
        ::_exit(127);
    const int first = input >= 0 ? 4 : 3;
    if (input == 3)
        ::fcntl(3, F_SETFD, 0);
    if (::close_range(static_cast<unsigned>(first), ~0U, 0) != 0)
        for (int fd = first; fd < 65536; ++fd)
            ::close(fd);
}

int runProgram(const std::vector<std::string>& args, const std::vector<std::string>& env, int seconds,
               std::string* output, int folder, int input)
{
    int pipeFds[2] = {-1, -1};
    if (output && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv, envp;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        for (const std::string& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        if (folder >= 0 && ::fchdir(folder) != 0)
            ::_exit(127);
        isolateChild(pipeFds[1], input);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    const auto left = [&] {
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    };
    if (output) {
        ::close(pipeFds[1]);
        char buffer[4096];
        pollfd ready{pipeFds[0], POLLIN, 0};
        while (child > 0 && left() > 0 && output->size() < (1 << 20)) {
            const int polled = ::poll(&ready, 1, left());
            const ssize_t got = polled > 0 ? ::read(pipeFds[0], buffer, sizeof buffer) : -1;
            if (got > 0)
                output->append(buffer, static_cast<size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
        }
        ::close(pipeFds[0]);
    }
    return child > 0 ? waitChild(child, left(), args[0].c_str()) : -1;
}

int waitChild(pid_t child, int milliseconds, const char* name, bool group)
{
    // Whatever the user does to the child (a FIFO to read, a stop), the queue goes on.
    int status = 0;
    bool killed = false;
    for (pid_t done = 0; done != child; milliseconds -= 20) {
        done = ::waitpid(child, &status, WNOHANG);
        if (done < 0 && errno != EINTR)
            return -1;
        if (done == 0 && milliseconds <= 0 && !killed) {
            ::kill(group ? -child : child, SIGKILL);
            log(LOG_WARNING, "%s did not finish in time and was stopped", name);
            killed = true;
            milliseconds = 5000; // a killed process that is stuck in the kernel is not waited for
        } else if (done == 0 && milliseconds <= 0) {
            return -1;
        }
        if (done == 0)
            ::usleep(20000);
    }
    return WIFEXITED(status) && !killed ? WEXITSTATUS(status) : -1;
}

} // namespace zirn::print
