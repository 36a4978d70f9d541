#include "print/CupsBackend.h"

#include "print/BackendParts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>
#include <vector>

namespace zirn::print {

int run(int argc, char** argv, const char* program)
{
    if (argc == 1) {
        std::puts("direct zirn:/ \"Zirn PDF Writer\" \"Zirn PDF Writer\"");
        return BackendOk;
    }
    // CUPS's back and side channels: unused here, and nothing started later may inherit them.
    ::close(3);
    ::close(4);
    openlog("zirn-cups-backend", LOG_PID, LOG_LPR);
    // Whatever is created here, also by qpdf, is the user's alone until the program takes it.
    ::umask(077);
    if (argc < 6 || argc > 7) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n", argv[0]);
        return BackendCancel;
    }
    const std::string job = argv[1];
    const std::string title = argv[3];
    const std::string options = argv[5];

    // Only an ordinary account prints into its own folder.
    const passwd* entry = ::getpwnam(argv[2]);
    if (!entry) {
        log(LOG_ERR, "job %s refused: no user \"%s\" on this system", job.c_str(), argv[2]);
        return BackendCancel;
    }
    const Account account{entry->pw_name, entry->pw_uid, entry->pw_gid, entry->pw_dir};
    if (account.uid == 0 || account.uid < loginDefsUid("/etc/login.defs", "UID_MIN", 1000) ||
        account.uid > loginDefsUid("/etc/login.defs", "UID_MAX", 60000)) {
        log(LOG_ERR, "job %s refused: \"%s\" is not an ordinary user", job.c_str(), account.name.c_str());
        return BackendCancel;
    }
    // The user name is what the client claimed; CUPS names the uid it authenticated by the
    // connection itself. A job that reached the queue any other way (through a class, say)
    // could be in anybody's name.
    const char* authenticated = std::getenv("AUTH_UID");
    if (!authenticated || std::to_string(account.uid) != authenticated) {
        log(LOG_ERR, "job %s refused: the print system did not authenticate it as %s's", job.c_str(),
            account.name.c_str());
        return BackendCancel;
    }

    // The job's data is the print system's: opened as root, read after the drop.
    const int input = argc == 7 ? ::open(argv[6], O_RDONLY | O_CLOEXEC) : ::dup(0);
    if (input < 0) {
        log(LOG_ERR, "job %s: cannot open its data: %s", job.c_str(), std::strerror(errno));
        return BackendCancel;
    }
    if (!dropPrivileges(account)) {
        log(LOG_ERR, "job %s: cannot switch to the user %s", job.c_str(), account.name.c_str());
        return BackendCancel;
    }

    std::vector<char> buffer(1 << 16);
    size_t filled = 0;
    for (ssize_t got;
         filled < 5 && (got = ::read(input, buffer.data() + filled, buffer.size() - filled)) > 0;)
        filled += static_cast<size_t>(got);
    if (filled < 5 || std::memcmp(buffer.data(), "%PDF-", 5) != 0) {
        log(LOG_ERR, "job %s refused: its data is not a PDF document", job.c_str());
        return BackendCancel;
    }

    // ~/PDF, created owner-only; a link to a folder of the user's elsewhere is fine.
    const std::string spool = account.home + "/PDF";
    if (::mkdir(spool.c_str(), 0700) != 0 && errno != EEXIST) {
        log(LOG_ERR, "job %s: cannot create %s: %s", job.c_str(), spool.c_str(), std::strerror(errno));
        return BackendCancel;
    }
    const int folder = ::open(spool.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info
    {};
    if (folder < 0 || ::fstat(folder, &info) != 0 || info.st_uid != account.uid) {
        log(LOG_ERR, "job %s: %s is not a folder of %s", job.c_str(), spool.c_str(), account.name.c_str());
        return BackendCancel;
    }

    std::string temp = ".zirn-job-" + job + "-" + std::to_string(::getpid()) + ".part";
    const int out = ::openat(folder, temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool written = out >= 0 && writeAll(out, buffer.data(), filled);
    for (ssize_t got; written && (got = ::read(input, buffer.data(), buffer.size())) != 0;)
        written = got > 0 ? writeAll(out, buffer.data(), static_cast<size_t>(got)) : errno == EINTR;
    written = written && ::fsync(out) == 0;
    ::close(input);
    if (!written) {
        log(LOG_ERR, "job %s: cannot write into %s: %s", job.c_str(), spool.c_str(), std::strerror(errno));
        if (out >= 0) {
            ::close(out);
            ::unlinkat(folder, temp.c_str(), 0);
        }
        return BackendCancel;
    }

    if (options.find("page-ranges=") != std::string::npos)
        temp = applyPageRanges(folder, out, temp, options);
    ::close(out);
    // A name the folder's file system refuses (too long for it, say) becomes "Untitled"; should
    // even that fail, the document stays under its temporary name.
    auto name = moveIntoPlace(folder, temp, spoolNameFromTitle(title));
    if (!name && errno != EEXIST)
        name = moveIntoPlace(folder, temp, "Untitled");
    if (!name) {
        log(LOG_ERR, "job %s: cannot name the file in %s (%s): the printed document stays at %s/%s",
            job.c_str(), spool.c_str(), std::strerror(errno), spool.c_str(), temp.c_str());
        return BackendCancel;
    }
    ::fsync(folder);
    ::close(folder);

    const std::string pdf = spool + "/" + *name;
    if (::access(program, X_OK) != 0)
        log(LOG_ERR, "%s is missing: the printed document stays at %s", program, pdf.c_str());
    else if (startThroughSystemd(program, pdf, account.uid))
        log(LOG_INFO, "started %s on %s through the user's systemd manager", program, pdf.c_str());
    else if (startInSessionOf(program, pdf, account))
        log(LOG_INFO, "started %s on %s in the user's session", program, pdf.c_str());
    else
        log(LOG_NOTICE, "no graphical session of %s: the printed document stays at %s", account.name.c_str(),
            pdf.c_str());
    return BackendOk;
}

} // namespace zirn::print
