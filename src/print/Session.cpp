#include "print/BackendParts.h"

#include "core/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

int secondsLeft(const Job& job, int most)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::seconds>(job.deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 1, most));
}

std::string unitName(const Job& job)
{
    std::string id;
    for (const char c : job.id)
        if (c >= '0' && c <= '9' && id.size() < 12)
            id += c;
    return "zirn-pdf-writer-job" + id + "-" + std::to_string(job.supervisor) + ".service";
}

void reportStart(Start start, const char* program, const std::string& pdf, const char* way)
{
    if (start == Start::Shown) {
        status(Status::Started);
        log(LOG_INFO, "started %s on %s %s", program, pdf.c_str(), way);
    } else if (start == Start::Starting) {
        status(Status::StillStarting);
        log(LOG_NOTICE, "started %s on %s %s; it has not shown its window within %d seconds", program,
            pdf.c_str(), way, StartSeconds);
    } else {
        status(Status::NotStarted);
        log(LOG_NOTICE, "%s could not show the document %s: it stays at %s", program, way, pdf.c_str());
    }
}

std::optional<Start> startThroughSystemd(const char* program, const std::string& pdf, uid_t uid,
                                         const std::string& unit, int seconds)
{
    const std::string runtime = "/run/user/" + std::to_string(uid);
    if (::access((runtime + "/bus").c_str(), F_OK) != 0)
        return std::nullopt;
    const std::vector<std::string> env = {"PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                          "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime + "/bus"};
    // Through the user's bus ("@.host": the calling user here). The manager's own socket, the
    // default, refuses a client in the worker's PID namespace, which cannot see its process.
    const auto systemctl = [&](std::vector<std::string> args, std::string* output = nullptr) {
        args.insert(args.begin(), {"/usr/bin/systemctl", "--user", "--machine=@.host"});
        return runProgram(args, env, 10, output);
    };
    std::string environment;
    if (systemctl({"show-environment"}, &environment) != 0 || !hasDisplay(split(environment, '\n')))
        return std::nullopt;
    // The unit's arguments expand "$X" and "${X}": a file named after a title must stay itself.
    std::string argument = pdf;
    for (size_t at = 0; (at = argument.find('$', at)) != std::string::npos; at += 2)
        argument.insert(at, 1, '$');
    // Started once the program says that its window is up (READY=1, Type=notify). The wait is
    // ours and short; systemd's own would end a window that is merely slow.
    if (runProgram({"/usr/bin/systemd-run", "--user", "--machine=@.host", "--quiet", "--unit=" + unit,
                    "--property=Type=notify", "--property=TimeoutStartSec=infinity", "--", program, argument},
                   env, seconds) == 0)
        return Start::Shown;
    std::string state;
    systemctl({"show", "--property=LoadState,ActiveState,ExecMainCode,ExecMainStatus", "--", unit}, &state);
    const auto value = [&](const std::string& key) {
        const size_t at = ("\n" + state).find("\n" + key + "="), begin = at + key.size() + 1;
        return at == std::string::npos ? "" : state.substr(begin, state.find('\n', begin) - begin);
    };
    if (value("LoadState") != "loaded")
        return std::nullopt;
    if (value("ActiveState") == "activating")
        return Start::Starting;
    if (value("ActiveState") == "active")
        return Start::Shown;
    // Ended: with 0 (CLD_EXITED) it did its work (a launch's own Create), as a failure not.
    const std::string code = value("ExecMainCode"), exitStatus = value("ExecMainStatus");
    systemctl({"reset-failed", "--", unit});
    if (code == "1" && exitStatus == "0")
        return Start::Shown;
    log(LOG_NOTICE, "%s ended at once (%s %s): journalctl _SYSTEMD_USER_UNIT=%s tells why", program,
        code == "1" ? "exit status" : "signal", exitStatus.c_str(), unit.c_str());
    return Start::Failed;
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

// Whether a datagram waiting on socket is "READY=1" from the process pid (the service
// notification protocol of systemd: lines of "KEY=value").
bool readyFrom(int socket, pid_t pid)
{
    char text[512];
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
    for (;;) {
        iovec data{text, sizeof text - 1};
        msghdr message{};
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t got = ::recvmsg(socket, &message, MSG_DONTWAIT);
        if (got < 0)
            return false;
        const cmsghdr* header = CMSG_FIRSTHDR(&message);
        ucred sender{};
        if (header && header->cmsg_type == SCM_CREDENTIALS)
            std::memcpy(&sender, CMSG_DATA(header), sizeof sender);
        if (sender.pid == pid &&
            ("\n" + std::string(text, static_cast<size_t>(got)) + "\n").find("\nREADY=1\n") !=
                std::string::npos)
            return true;
    }
}

} // namespace

Start startInSessionOf(const char* program, const std::string& pdf, pid_t display, const Account& account,
                       int seconds)
{
    // The process's folder in /proc stays that process's: once it has ended, nothing answers
    // through it, not even a new process with the same number.
    const int proc = ::open(("/proc/" + std::to_string(display)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info
    {};
    if (proc < 0 || ::fstat(proc, &info) != 0 || info.st_uid != account.uid)
        return Start::Failed;
    const std::string cgroups = files::readSmallFile(proc, "cgroup");
    if (cgroups.empty() || !joinCgroups(cgroups))
        return Start::Failed;
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
            return Start::Failed;
        const rlimit limit{value(26), value(47)};
        if (::setrlimit(static_cast<__rlimit_resource>(resource), &limit) != 0)
            return Start::Failed;
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
        return Start::Failed;
    // Read as the user: what a process of theirs could read.
    std::vector<std::string> environment = split(files::readSmallFile(proc, "environ"), '\0');
    const mode_t mask = files::umaskOf(proc);
    if (!hasDisplay(environment))
        return Start::Failed;
    // The program says that its window is up on a socket of this process's own, whose name in
    // the abstract namespace the kernel picks; only a word from the program's own process counts.
    const int notify = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socklen_t length = sizeof address;
    const int on = 1;
    if (notify < 0 || ::bind(notify, reinterpret_cast<sockaddr*>(&address), sizeof(sa_family_t)) != 0 ||
        ::setsockopt(notify, SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0 ||
        ::getsockname(notify, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        length <= offsetof(sockaddr_un, sun_path) + 1)
        return Start::Failed;
    std::erase_if(environment, [](const std::string& e) { return e.rfind("NOTIFY_SOCKET=", 0) == 0; });
    environment.push_back("NOTIFY_SOCKET=@" +
                          std::string(address.sun_path + 1, length - offsetof(sockaddr_un, sun_path) - 1));
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
        return Start::Failed;
    }
    // It may still fail: in the dynamic loader (an address-space limit, a missing library), or
    // without a window (no platform plugin, a display that is gone). Ending with 0 is a success.
    for (int waited = 0; waited < seconds * 1000; waited += 20) {
        if (readyFrom(notify, child))
            return Start::Shown;
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                return Start::Shown;
            log(LOG_NOTICE, "%s ended at once: %s %d", program, WIFEXITED(status) ? "exit status" : "signal",
                WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
            return Start::Failed;
        }
        pollfd ready{notify, POLLIN, 0};
        ::poll(&ready, 1, 20);
    }
    return Start::Starting;
}

} // namespace zirn::print
