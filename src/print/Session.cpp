#include "print/BackendParts.h"

#include "core/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

bool hasDisplay(const std::vector<std::string>& environment)
{
    for (const std::string& entry : environment)
        if ((entry.rfind("DISPLAY=", 0) == 0 && entry.size() > 8) ||
            (entry.rfind("WAYLAND_DISPLAY=", 0) == 0 && entry.size() > 16))
            return true;
    return false;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    for (size_t i = 0; i < text.size();) {
        const size_t end = std::min(text.find(separator, i), text.size());
        if (end > i)
            parts.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return parts;
}

} // namespace

bool startThroughSystemd(const char* program, const std::string& pdf, uid_t uid)
{
    const std::string runtime = "/run/user/" + std::to_string(uid);
    if (::access((runtime + "/bus").c_str(), F_OK) != 0)
        return false;
    const std::vector<std::string> env = {"PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                          "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime + "/bus"};
    // Through the user's bus ("@.host": the calling user here). The manager's own socket, the
    // default, refuses a client in the worker's PID namespace, which cannot see its process.
    std::string environment;
    if (runProgram({"/usr/bin/systemctl", "--user", "--machine=@.host", "show-environment"}, env, 10,
                   &environment) != 0 ||
        !hasDisplay(split(environment, '\n')))
        return false;
    // The unit's arguments expand "$X" and "${X}": a file named after a title must stay itself.
    std::string argument = pdf;
    for (size_t at = 0; (at = argument.find('$', at)) != std::string::npos; at += 2)
        argument.insert(at, 1, '$');
    // Done once the program's execve succeeded (Type=exec), not merely once it was forked.
    return runProgram({"/usr/bin/systemd-run", "--user", "--machine=@.host", "--quiet", "--collect",
                       "--property=Type=exec", "--", program, argument},
                      env, 10) == 0;
}

pid_t findDisplayProcess(uid_t uid)
{
    DIR* proc = ::opendir("/proc");
    pid_t found = 0;
    while (const dirent* entry = proc && !found ? ::readdir(proc) : nullptr) {
        const std::string pid = entry->d_name;
        struct stat info
        {};
        if (pid.find_first_not_of("0123456789") == std::string::npos && pid != std::to_string(::getpid()) &&
            ::stat(("/proc/" + pid).c_str(), &info) == 0 && info.st_uid == uid &&
            hasDisplay(split(files::readSmallFile(AT_FDCWD, "/proc/" + pid + "/environ"), '\0')))
            found = static_cast<pid_t>(std::stol(pid));
    }
    if (proc)
        ::closedir(proc);
    return found;
}

namespace {

// Joins every cgroup that a /proc/PID/cgroup text names ("id:controllers:path" lines), where
// the system mounts them: the unified hierarchy at /sys/fs/cgroup, or at /sys/fs/cgroup/unified
// beside the controllers' own hierarchies. Only cgroup file systems are written.
bool joinCgroups(const std::string& cgroups)
{
    const std::string own = "\n" + files::readSmallFile(AT_FDCWD, "/proc/self/cgroup");
    for (const std::string& line : split(cgroups, '\n')) {
        if (own.find("\n" + line + "\n") != std::string::npos)
            continue; // there already (a hierarchy may be mounted read-only in a container)
        const size_t first = line.find(':'), second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            return false;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        const std::string path = line.substr(second + 1);
        if (path.empty() || path[0] != '/' || (path + "/").find("/../") != std::string::npos ||
            controllers.find('/') != std::string::npos || controllers.find("..") != std::string::npos)
            return false;
        const std::string hierarchy =
            controllers.rfind("name=", 0) == 0 ? controllers.substr(5) : controllers;
        std::vector<std::string> folders = {"/sys/fs/cgroup/" + hierarchy + path};
        if (controllers.empty())
            folders = {"/sys/fs/cgroup" + path, "/sys/fs/cgroup/unified" + path};
        bool joined = false;
        for (size_t i = 0; i < folders.size() && !joined; ++i) {
            const int fd = ::open((folders[i] + "/cgroup.procs").c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
            struct statfs system
            {};
            joined = fd >= 0 && ::fstatfs(fd, &system) == 0 &&
                     system.f_type == (controllers.empty() ? CGROUP2_SUPER_MAGIC : CGROUP_SUPER_MAGIC) &&
                     ::write(fd, "0", 1) == 1;
            if (fd >= 0)
                ::close(fd);
        }
        if (!joined)
            return false;
    }
    return true;
}

} // namespace

bool startInSessionOf(const char* program, const std::string& pdf, pid_t display, const Account& account)
{
    // The process's folder in /proc stays that process's: once it has ended, nothing answers
    // through it, not even a new process with the same number.
    const int proc = ::open(("/proc/" + std::to_string(display)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info
    {};
    if (proc < 0 || ::fstat(proc, &info) != 0 || info.st_uid != account.uid)
        return false;
    const std::string cgroups = files::readSmallFile(proc, "cgroup");
    if (cgroups.empty() || !joinCgroups(cgroups))
        return false;
    // Its limits: after a heading, one line for each resource in the order of their numbers,
    // with the soft and the hard limit at fixed columns.
    const std::vector<std::string> limits = split(files::readSmallFile(proc, "limits"), '\n');
    for (int resource = 0; resource < RLIM_NLIMITS; ++resource) {
        const size_t index = static_cast<size_t>(resource) + 1;
        const std::string line = index < limits.size() ? limits[index] : "";
        const auto value = [&](size_t column) {
            return line.compare(column, 9, "unlimited") == 0
                       ? RLIM_INFINITY
                       : std::strtoull(line.c_str() + column, nullptr, 10);
        };
        if (line.size() < 48)
            return false;
        const rlimit limit{value(26), value(47)};
        if (::setrlimit(static_cast<__rlimit_resource>(resource), &limit) != 0)
            return false;
    }
    // Its nice value (the 17th field after the name in parentheses) and OOM score adjustment
    // rather than the print service's, where the system lets a process take them.
    const std::string stat = files::readSmallFile(proc, "stat");
    const std::vector<std::string> fields =
        split(stat.substr(std::min(stat.rfind(')') + 1, stat.size())), ' ');
    if (fields.size() > 16)
        ::setpriority(PRIO_PROCESS, 0, std::atoi(fields[16].c_str()));
    const std::string score = files::readSmallFile(proc, "oom_score_adj");
    if (const int fd = ::open("/proc/self/oom_score_adj", O_WRONLY | O_CLOEXEC); fd >= 0) {
        files::writeAll(fd, score.data(), score.size());
        ::close(fd);
    }
    // It is still where it was, and this process is there too.
    if (files::readSmallFile(proc, "cgroup") != cgroups ||
        files::readSmallFile(AT_FDCWD, "/proc/self/cgroup") != cgroups || !dropPrivileges(account))
        return false;
    // Read as the user: what a process of theirs could read.
    std::vector<std::string> environment = split(files::readSmallFile(proc, "environ"), '\0');
    const mode_t mask = files::umaskOf(proc);
    if (!hasDisplay(environment))
        return false;
    // The program belongs to no job of the print system and outlives the backend. Whether it
    // runs: the pipe closes with its execve, or brings the error.
    int exec[2] = {-1, -1};
    const pid_t child = ::pipe2(exec, O_CLOEXEC) == 0 ? ::fork() : -1;
    if (child == 0) {
        ::umask(mask);
        std::vector<char*> envp;
        for (std::string& e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program), const_cast<char*>(pdf.c_str()), nullptr};
        if (::chdir(account.home.c_str()) == 0 || ::chdir("/") == 0)
            ::execve(program, argv, envp.data());
        const int error = errno;
        files::writeAll(exec[1], reinterpret_cast<const char*>(&error), sizeof error);
        ::_exit(127);
    }
    ::close(exec[1]);
    int error = errno;
    ssize_t got = -1;
    while (child > 0 && (got = ::read(exec[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got != 0) {
        log(LOG_NOTICE, "%s did not start: %s", program, std::strerror(error));
        return false;
    }
    // A program can still die right after its execve, in the dynamic loader (an address-space
    // limit, a missing library): one that fails within a quarter of a second did not start.
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; ended == 0 && waited < 250; waited += 10) {
        ::usleep(10000);
        ended = ::waitpid(child, &status, WNOHANG);
    }
    if (ended != child || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        return true;
    log(LOG_NOTICE, "%s ended at once: %s %d", program, WIFEXITED(status) ? "exit status" : "signal",
        WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
    return false;
}

} // namespace zirn::print
