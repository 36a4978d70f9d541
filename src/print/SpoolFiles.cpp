#include "print/BackendParts.h"

#include "core/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zirn::print {

bool syncFile(int folder, const std::string& name)
{
    // Not blocking: a FIFO in its place must not stall the queue.
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base,
                                         unsigned long first)
{
    errno = EEXIST;
    if (first == 0 && files::renameNoReplace(folder, temp, base + ".pdf"))
        return base + ".pdf";
    for (unsigned long number = std::max(first, 1UL); errno == EEXIST; ++number) {
        std::optional<std::string> name = files::firstFreeNumberedName(folder, base, number, 9999);
        if (!name) {
            errno = EEXIST;
            break;
        }
        if (files::renameNoReplace(folder, temp, *name))
            return name;
    }
    return std::nullopt;
}

} // namespace zirn::print
