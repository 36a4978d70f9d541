#include "print/BackendParts.h"
#include "print/CupsBackend.h"

#include "core/files/Files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>
#include <vector>

namespace zirn::print {

namespace {

// imagetopdf leaves an image's pixels uncompressed: qpdf compresses every such stream losslessly
// (Flate), and leaves JPEG data as it is. Gives the name of the file to deliver, and its
// descriptor in *file; temp and *file themselves when that fails (logged).
std::string compactImage(int folder, int* file, const std::string& temp)
{
    const std::string compact = temp + ".compact";
    const int status =
        runProgram({"/usr/bin/qpdf", "--compress-streams=y", "--recompress-flate", "--compression-level=9",
                    "--object-streams=generate", "/dev/fd/3", compact},
                   toolEnvironment, 60, nullptr, folder, *file);
    // What qpdf wrote, as a file of the user's: never a FIFO the user put in its place.
    const int opened = (status == 0 || status == 3) && syncFile(folder, compact)
                           ? ::openat(folder, compact.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                           : -1;
    struct stat info
    {};
    if (opened < 0 || ::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (opened >= 0)
            ::close(opened);
        ::unlinkat(folder, compact.c_str(), 0);
        log(LOG_WARNING, "could not compress the image's PDF with qpdf: it is delivered as it came");
        return temp;
    }
    ::close(*file);
    *file = opened;
    ::unlinkat(folder, temp.c_str(), 0);
    log(LOG_INFO, "compressed the image's PDF with qpdf");
    return compact;
}

} // namespace

int saveJob(const Account& account, int input, const Job& job, const char* program)
{
    std::vector<char> buffer(1 << 16);
    size_t filled = 0;
    for (ssize_t got;
         filled < 5 && (got = ::read(input, buffer.data() + filled, buffer.size() - filled)) > 0;)
        filled += static_cast<size_t>(got);
    if (filled < 5 || std::memcmp(buffer.data(), "%PDF-", 5) != 0) {
        status(Status::NotPdf);
        log(LOG_ERR, "refused: its data is not a PDF document");
        return BackendCancel;
    }

    // ~/PDF, created owner-only; a link to a folder of the user's elsewhere is fine.
    const std::string spool = files::join(account.home, "PDF");
    if (::mkdir(spool.c_str(), 0700) != 0 && errno != EEXIST) {
        status(Status::NotSaved);
        log(LOG_ERR, "cannot create %s: %s", spool.c_str(), std::strerror(errno));
        return BackendCancel;
    }
    const int folder = ::open(spool.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info
    {};
    if (folder < 0 || ::fstat(folder, &info) != 0 || info.st_uid != account.uid) {
        status(Status::NotSaved);
        log(LOG_ERR, "%s is not a folder of %s", spool.c_str(), account.name.c_str());
        return BackendCancel;
    }

    std::string temp = ".zirn-job-" + job.id + "-" + std::to_string(job.supervisor) + ".part";
    int out = ::openat(folder, temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool written = out >= 0 && files::writeAll(out, buffer.data(), filled);
    for (ssize_t got; written && (got = ::read(input, buffer.data(), buffer.size())) != 0;)
        written = got > 0 ? files::writeAll(out, buffer.data(), static_cast<size_t>(got)) : errno == EINTR;
    written = written && ::fsync(out) == 0;
    ::close(input);
    if (!written) {
        status(Status::NotSaved);
        log(LOG_ERR, "cannot write into %s: %s", spool.c_str(), std::strerror(errno));
        if (out >= 0) {
            ::close(out);
            ::unlinkat(folder, temp.c_str(), 0);
        }
        return BackendCancel;
    }

    // A PDF job stays what the application sent, unless options change its pages. Page ranges
    // alone go through qpdf, which keeps links and outline; with other options that change
    // pages, pdftopdf applies them all.
    if (job.contentType.rfind("image/", 0) == 0)
        temp = compactImage(folder, &out, temp);
    const std::string received = temp;
    temp = applyPageOptions(folder, out, temp, job.options);
    if (temp == received && job.options.find("page-ranges=") != std::string::npos)
        temp = applyPageRanges(folder, out, temp, job.options);
    ::close(out);
    // A name the folder's file system refuses (too long for it, say) becomes "Untitled"; should
    // even that fail, the document stays under its temporary name. The job's later documents are
    // numbered from their place in it on ("Title 1.pdf" for the second), whether or not the first
    // is still there: the name the program suggests for each stays its own.
    auto name = moveIntoPlace(folder, temp, spoolNameFromTitle(job.title), job.document);
    if (!name && errno != EEXIST)
        name = moveIntoPlace(folder, temp, "Untitled", job.document);
    if (!name) {
        status(Status::NotNamed);
        log(LOG_ERR, "cannot name the file in %s (%s): the printed document stays at %s/%s", spool.c_str(),
            std::strerror(errno), spool.c_str(), temp.c_str());
        return BackendCancel;
    }
    ::fsync(folder);
    ::close(folder);

    const std::string pdf = files::join(spool, *name);
    sendMessage('N', *name);
    status(Status::Saved);
    pid_t display = 0;
    std::optional<Start> started;
    if (::access(program, X_OK) != 0) {
        status(Status::NotStarted);
        log(LOG_ERR, "%s is missing: the printed document stays at %s", program, pdf.c_str());
    } else if ((started = startThroughSystemd(program, pdf, account.uid, unitName(job),
                                              secondsLeft(job, StartSeconds)))) {
        reportStart(*started, program, pdf, "through the user's systemd manager");
    } else if ((display = findDisplayProcess(account.uid)) != 0) {
        sendMessage('P', std::to_string(display) + " " + pdf);
    } else {
        status(Status::NotStarted);
        log(LOG_NOTICE, "no graphical session of %s: the printed document stays at %s", account.name.c_str(),
            pdf.c_str());
    }
    return BackendOk;
}

} // namespace zirn::print
