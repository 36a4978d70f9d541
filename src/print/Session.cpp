#include "print/BackendParts.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
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

std::string readSmallFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

// The user's systemd manager, when it runs and knows a graphical session: the program then
// runs as a transient unit of the user, like anything the desktop starts.
bool startThroughSystemd(const char* program, const std::string& pdf, uid_t uid)
{
    const std::string runtime = "/run/user/" + std::to_string(uid);
    if (::access((runtime + "/bus").c_str(), F_OK) != 0)
        return false;
    const std::vector<std::string> env = {"PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                          "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime + "/bus"};
    std::string environment;
    if (runProgram({"/usr/bin/systemctl", "--user", "show-environment"}, env, 10, &environment) != 0 ||
        !hasDisplay(split(environment, '\n')))
        return false;
    // The unit's arguments expand "$X" and "${X}": a file named after a title must stay itself.
    std::string argument = pdf;
    for (size_t at = 0; (at = argument.find('$', at)) != std::string::npos; at += 2)
        argument.insert(at, 1, '$');
    return runProgram({"/usr/bin/systemd-run", "--user", "--quiet", "--collect", "--", program, argument},
                      env, 10) == 0;
}

// Else the environment of one of the user's processes that carries a display, and its umask.
bool startInSessionOf(const char* program, const std::string& pdf, const Account& account)
{
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return false;
    std::vector<std::string> environment;
    mode_t mask = 022;
    while (const dirent* entry = ::readdir(proc)) {
        const std::string pid = entry->d_name;
        struct stat info
        {};
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == std::to_string(::getpid()) ||
            ::stat(("/proc/" + pid).c_str(), &info) != 0 || info.st_uid != account.uid)
            continue;
        environment = split(readSmallFile("/proc/" + pid + "/environ"), '\0');
        if (!hasDisplay(environment))
            continue;
        for (const std::string& line : split(readSmallFile("/proc/" + pid + "/status"), '\n'))
            if (line.rfind("Umask:", 0) == 0)
                mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
        break;
    }
    ::closedir(proc);
    if (!hasDisplay(environment))
        return false;

    const pid_t child = ::fork();
    if (child == 0) {
        // The grandchild belongs to no job of the print system and outlives the backend.
        ::setsid();
        if (::fork() != 0)
            ::_exit(0);
        ::umask(mask);
        isolateChild(-1, -1);
        if (::chdir(account.home.c_str()) != 0 && ::chdir("/") != 0)
            ::_exit(127);
        std::vector<char*> envp;
        for (std::string& e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program), const_cast<char*>(pdf.c_str()), nullptr};
        ::execve(program, argv, envp.data());
        ::_exit(127);
    }
    return child > 0 && waitChild(child, 10000, program) == 0;
}

} // namespace zirn::print
