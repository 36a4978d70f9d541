#include "print/BackendParts.h"

#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

// CUPS records stderr lines that start with a level; syslog keeps them past the job.
void log(int priority, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const char* level = priority <= LOG_ERR ? "ERROR" : priority == LOG_WARNING ? "WARNING" : "INFO";
    std::fprintf(stderr, "%s: %s\n", level, text);
    syslog(priority, "%s", text);
}

// Runs argv with envp in folder (a descriptor, or -1), waits, and gives the exit status
// (-1 when it did not run or ended by a signal); its standard output goes to *output.
int runProgram(const std::vector<std::string>& args, const std::vector<std::string>& env, int folder,
               std::string* output)
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
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(output ? pipeFds[1] : devnull, 1);
        if (folder >= 0 && ::fchdir(folder) != 0)
            ::_exit(127);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    if (output) {
        ::close(pipeFds[1]);
        char buffer[4096];
        for (ssize_t got; child > 0 && (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            output->append(buffer, static_cast<size_t>(got));
        ::close(pipeFds[0]);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace zirn::print
