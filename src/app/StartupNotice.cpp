#include "app/StartupNotice.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zirn {

void announceStartup()
{
    const char* name = std::getenv("NOTIFY_SOCKET");
    if (!name)
        return;
    const std::string path = name;
    ::unsetenv("NOTIFY_SOCKET");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() < 2 || path.size() >= sizeof address.sun_path || (path[0] != '/' && path[0] != '@'))
        return;
    std::memcpy(address.sun_path, path.data(), path.size());
    if (path[0] == '@')
        address.sun_path[0] = '\0';
    const int socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return;
    static const char ready[] = "READY=1";
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    [[maybe_unused]] const ssize_t sent = ::sendto(socket, ready, sizeof ready - 1, MSG_NOSIGNAL,
                                                   reinterpret_cast<const sockaddr*>(&address), length);
    ::close(socket);
}

} // namespace zirn
