#include "print/BackendParts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

const std::vector<std::string> toolEnvironment = {"PATH=/usr/bin:/bin", "LC_ALL=C"};

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
               std::string* output, int folder, int input, int outputFile)
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
        isolateChild(output ? pipeFds[1] : outputFile, input);
        const auto cpu = static_cast<rlim_t>(std::max(seconds, 1));
        const rlimit memory{ToolMemoryBytes, ToolMemoryBytes}, size{ToolFileBytes, ToolFileBytes},
            processor{cpu, cpu + 1};
        if (::setrlimit(RLIMIT_AS, &memory) != 0 || ::setrlimit(RLIMIT_DATA, &memory) != 0 ||
            ::setrlimit(RLIMIT_FSIZE, &size) != 0 || ::setrlimit(RLIMIT_CPU, &processor) != 0)
            ::_exit(127);
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
