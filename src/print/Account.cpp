#include "print/BackendParts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <linux/keyctl.h>
#include <pwd.h>
#include <sys/syscall.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

// A uid bound from a login.defs file ("UID_MIN", "UID_MAX"); fallback when it does not say.
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

} // namespace

std::optional<Account> printingAccount(const char* user)
{
    // Only an ordinary account prints into its own folder.
    const passwd* entry = ::getpwnam(user);
    if (!entry) {
        status(Status::NotOrdinaryUser);
        log(LOG_ERR, "refused: no user \"%s\" on this system", user);
        return std::nullopt;
    }
    Account account{entry->pw_name, entry->pw_uid, entry->pw_gid, entry->pw_dir};
    if (account.uid == 0 || account.uid < loginDefsUid("/etc/login.defs", "UID_MIN", 1000) ||
        account.uid > loginDefsUid("/etc/login.defs", "UID_MAX", 60000)) {
        status(Status::NotOrdinaryUser);
        log(LOG_ERR, "refused: \"%s\" is not an ordinary user", account.name.c_str());
        return std::nullopt;
    }
    // The user name is what the client claimed; CUPS names the uid it authenticated by the
    // connection itself. A job that reached the queue any other way (through a class, say)
    // could be in anybody's name.
    const char* authenticated = std::getenv("AUTH_UID");
    if (!authenticated || std::to_string(account.uid) != authenticated) {
        status(Status::NotAuthenticated);
        log(LOG_ERR, "refused: the print system did not authenticate it as %s's", account.name.c_str());
        return std::nullopt;
    }
    return account;
}

bool dropPrivileges(const Account& account)
{
    if (::initgroups(account.name.c_str(), account.gid) != 0 || ::setgid(account.gid) != 0 ||
        ::setuid(account.uid) != 0)
        return false;
    // setuid() as root sets the real, effective and saved ids: there must be no way back.
    if (::setuid(0) == 0 || ::seteuid(0) == 0 || ::setgid(0) == 0)
        return false;
    if (::getuid() != account.uid || ::geteuid() != account.uid || ::getgid() != account.gid ||
        ::getegid() != account.gid)
        return false;
    // The print service's session keyring, which every backend, filter and program started
    // this way shares, stays behind: a new, empty one of the user's own. Without keyrings in
    // the kernel (ENOSYS), or with keyctl forbidden to every process here (EPERM, a seccomp
    // filter that all of them inherit), there is nothing to share.
    return ::syscall(SYS_keyctl, KEYCTL_JOIN_SESSION_KEYRING, nullptr) >= 0 || errno == ENOSYS ||
           errno == EPERM;
}

} // namespace zirn::print
