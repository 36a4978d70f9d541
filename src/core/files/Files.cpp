#include "core/files/Files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zirn::files {

std::string join(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + '/' + name;
}

mode_t umaskOf(const std::string& process)
{
    std::ifstream status("/proc/" + process + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) != 0)
            continue;
        char* end = nullptr;
        const unsigned long value = std::strtoul(line.c_str() + 6, &end, 8);
        if (end != line.c_str() + 6)
            return static_cast<mode_t>(value & 0777u);
    }
    return 022;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool renameNoReplace(int folder, const std::string& from, const std::string& to)
{
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0)
        return false;
    ::unlinkat(folder, from.c_str(), 0);
    return true;
}

bool isTaken(int folder, const std::string& name)
{
    struct stat info
    {};
    return ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

std::string numberedName(const std::string& base, unsigned long number)
{
    return base + ' ' + std::to_string(number) + ".pdf";
}

std::optional<std::string> firstFreeNumberedName(int folder, const std::string& base, unsigned long& number,
                                                 unsigned long last)
{
    for (; number <= last; ++number) {
        std::string name = numberedName(base, number);
        if (!isTaken(folder, name))
            return name;
    }
    return std::nullopt;
}

} // namespace zirn::files
