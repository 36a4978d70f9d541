#include "print/BackendParts.h"
#include "print/CupsBackend.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

namespace zirn::print {

namespace {

// The folder of the marks, one empty file per user named by the uid, whose time is that of
// the user's last slow job. Root's alone, or not used.
int openMarks(const char* folder)
{
    ::mkdir(folder, 0700);
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info
    {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_uid == 0 && (info.st_mode & 077) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    log(LOG_WARNING, "%s is not a folder of root's alone: one user's jobs are not bounded", folder);
    return -1;
}

} // namespace

int jobSeconds(const char* folder, uid_t uid, int seconds)
{
    const int marks = openMarks(folder);
    struct stat mark
    {};
    // Either way: a clock set back must not keep the mark for longer.
    const bool recent = marks >= 0 &&
                        ::fstatat(marks, std::to_string(uid).c_str(), &mark, AT_SYMLINK_NOFOLLOW) == 0 &&
                        std::labs(std::time(nullptr) - mark.st_mtime) < SlowJobMemorySeconds;
    if (marks >= 0)
        ::close(marks);
    if (!recent)
        return seconds;
    log(LOG_NOTICE, "a job of this user was slow less than %d minutes ago: this one has %d seconds",
        SlowJobMemorySeconds / 60, std::min(seconds, ShortJobSeconds));
    return std::min(seconds, ShortJobSeconds);
}

int jobSecondsLeft(const char* folder, uid_t uid, const std::string& key, int seconds, std::time_t* started,
                   unsigned long* document)
{
    const std::time_t now = std::time(nullptr);
    *started = now;
    *document = 0;
    const int marks = openMarks(folder);
    if (marks < 0)
        return seconds;
    // The marks of jobs long done go.
    if (DIR* all = ::fdopendir(::dup(marks))) {
        while (const dirent* entry = ::readdir(all)) {
            struct stat mark
            {};
            if (std::string_view(entry->d_name).rfind("job-", 0) == 0 &&
                ::fstatat(marks, entry->d_name, &mark, AT_SYMLINK_NOFOLLOW) == 0 &&
                std::labs(now - mark.st_mtime) > SlowJobMemorySeconds)
                ::unlinkat(marks, entry->d_name, 0);
        }
        ::closedir(all);
    }
    // The job's start as the mark's access time, its deadline as its modification time.
    const std::string name = "job-" + key;
    const int fd = ::openat(marks, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat mark
    {};
    int left = seconds;
    if (fd >= 0) {
        left = jobSeconds(folder, uid, seconds);
        const timespec times[2] = {{now, 0}, {now + left, 0}};
        ::futimens(fd, times);
        ::close(fd);
    } else if (const int again = ::openat(marks, name.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
               again >= 0) {
        if (::fstat(again, &mark) == 0) {
            // A clock set back gives no run more than a whole deadline.
            *started = mark.st_atime;
            left = static_cast<int>(std::clamp<long long>(mark.st_mtime - now, 0, seconds));
            // The mark counts the job's further documents in its size, and keeps its times.
            struct stat counted
            {};
            if (::write(again, "+", 1) == 1 && ::fstat(again, &counted) == 0)
                *document = static_cast<unsigned long>(counted.st_size);
            const timespec times[2] = {mark.st_atim, mark.st_mtim};
            ::futimens(again, times);
            log(LOG_INFO, "document %lu of the job: %d seconds are left of its deadline", *document + 1,
                left);
        }
        ::close(again);
    }
    ::close(marks);
    return left;
}

void noteSlowJob(const char* folder, uid_t uid)
{
    const int marks = openMarks(folder);
    const int fd = marks < 0 ? -1
                             : ::openat(marks, std::to_string(uid).c_str(),
                                        O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 && ::futimens(fd, nullptr) == 0)
        log(LOG_NOTICE, "this user's jobs have %d seconds for the next %d minutes", ShortJobSeconds,
            SlowJobMemorySeconds / 60);
    if (fd >= 0)
        ::close(fd);
    if (marks >= 0)
        ::close(marks);
}

} // namespace zirn::print
