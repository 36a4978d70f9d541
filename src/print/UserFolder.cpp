#include "print/BackendParts.h"
#include "print/CupsBackend.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <unistd.h>

namespace zirn::print {

uid_t loginDefsUid(const char* loginDefs, const char* key, uid_t fallback)
{
    std::ifstream file(loginDefs);
    for (std::string line; std::getline(file, line);) {
        char name[16] = {};
        unsigned long value = 0;
        if (std::sscanf(line.c_str(), " %15s %lu", name, &value) == 2 && std::strcmp(name, key) == 0)
            return static_cast<uid_t>(value);
    }
    return fallback;
}

bool dropPrivileges(const Account& account)
{
    if (::initgroups(account.name.c_str(), account.gid) != 0 || ::setgid(account.gid) != 0 ||
        ::setuid(account.uid) != 0)
        return false;
    // setuid() as root sets the real, effective and saved ids: there must be no way back.
    if (::setuid(0) == 0 || ::seteuid(0) == 0 || ::setgid(0) == 0)
        return false;
    return ::getuid() == account.uid && ::geteuid() == account.uid && ::getgid() == account.gid &&
           ::getegid() == account.gid;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

bool syncFile(int folder, const std::string& name)
{
    // Not blocking: a FIFO in its place must not stall the queue.
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

// Moves temp to "<base>.pdf", "<base> 1.pdf", ... whichever is free; never replaces a file.
std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base)
{
    for (int n = 0; n < 10000; ++n) {
        const std::string name = base + (n ? " " + std::to_string(n) : "") + ".pdf";
        if (::renameat2(folder, temp.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
            return name;
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system without the flag: a hard link fails just as surely on a taken name.
            if (::linkat(folder, temp.c_str(), folder, name.c_str(), 0) == 0) {
                ::unlinkat(folder, temp.c_str(), 0);
                return name;
            }
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    errno = EEXIST;
    return std::nullopt;
}

} // namespace zirn::print
