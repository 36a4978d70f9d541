#include "core/files/Files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zirn::files {

std::string join(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + '/' + name;
}

mode_t umaskOf(const std::string& process)
{
    const int folder = ::open(("/proc/" + process).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const mode_t mask = umaskOf(folder);
    if (folder >= 0)
        ::close(folder);
    return mask;
}

mode_t umaskOf(int processFolder)
{
    const std::string status = "\n" + (processFolder >= 0 ? readSmallFile(processFolder, "status") : "");
    for (size_t line = status.find("\nUmask:"); line != std::string::npos;
         line = status.find("\nUmask:", line + 1)) {
        const char* value = status.c_str() + line + 7;
        char* end = nullptr;
        const unsigned long mask = std::strtoul(value, &end, 8);
        if (end != value)
            return static_cast<mode_t>(mask & 0777u);
    }
    return 022;
}

std::string readSmallFile(int folder, const std::string& name)
{
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC);
    std::string text;
    char buffer[4096];
    for (ssize_t got; fd >= 0 && text.size() < (1 << 20) && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(got));
    if (fd >= 0)
        ::close(fd);
    return text;
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

namespace {

// Where neither the exclusive rename nor a hard link exists (FUSE file systems such as exFAT
// and FAT, network mounts), an empty placeholder claims the name: it is made only when nothing
// has that name, and the plain rename then puts from over it and over nothing else.
bool renameOverPlaceholder(int folder, const std::string& from, const std::string& to)
{
    const int placeholder =
        ::openat(folder, to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (placeholder < 0) {
        // from was made in this folder: a name refused so is one the file system cannot hold
        // (FAT and exFAT have no ":" or "?", and answer ENOENT or EPERM).
        if (errno == ENOENT || errno == EPERM)
            errno = EINVAL;
        return false;
    }
    struct stat made
    {};
    const bool statted = ::fstat(placeholder, &made) == 0;
    ::close(placeholder);
    if (::renameat(folder, from.c_str(), folder, to.c_str()) == 0)
        return true;
    int error = errno;
    // The placeholder goes, unless something else has taken its name meanwhile.
    struct stat now
    {};
    const bool ours = statted && ::fstatat(folder, to.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
                      now.st_dev == made.st_dev && now.st_ino == made.st_ino;
    if (ours)
        ::unlinkat(folder, to.c_str(), 0);
    // A file system whose rename never replaces (fusefat 0.3) refused to put from over the own
    // placeholder: there the plain rename claims the name by itself.
    if (ours && error == EEXIST) {
        if (::renameat(folder, from.c_str(), folder, to.c_str()) == 0)
            return true;
        error = errno;
    }
    // A rename refused over the own placeholder in the own folder: the file system cannot rename.
    errno = error == EPERM || error == EINVAL || error == ENOSYS ? EOPNOTSUPP : error;
    return false;
}

} // namespace

bool renameNoReplace(int folder, const std::string& from, const std::string& to)
{
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // fusefat 0.3 fails to look up a name with a ":", which FAT cannot hold, with EIO.
    if (errno == EIO && to.find(':', to.rfind('/') + 1) != std::string::npos)
        return errno = EINVAL, false;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) == 0) {
        ::unlinkat(folder, from.c_str(), 0);
        return true;
    }
    // EEXIST: the name is taken. Any other refusal (EPERM from FUSE, EOPNOTSUPP from network
    // mounts, ...) means that this file system has no hard links.
    return errno != EEXIST && renameOverPlaceholder(folder, from, to);
}

bool renameReplacing(int folder, const std::string& from, const std::string& to, const std::string& aside)
{
    if (::renameat(folder, from.c_str(), folder, to.c_str()) == 0)
        return true;
    struct stat taken
    {};
    if (errno != EEXIST || ::fstatat(folder, to.c_str(), &taken, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (S_ISDIR(taken.st_mode))
        return errno = EISDIR, false;
    // The file system's rename never replaces: what has the name steps aside until from has it.
    if (::renameat(folder, to.c_str(), folder, aside.c_str()) != 0)
        return false;
    if (::renameat(folder, from.c_str(), folder, to.c_str()) == 0)
        return ::unlinkat(folder, aside.c_str(), 0), true;
    const int error = errno;
    ::renameat(folder, aside.c_str(), folder, to.c_str());
    errno = error;
    return false;
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
