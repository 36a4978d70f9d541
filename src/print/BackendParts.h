#pragma once

// The pieces of the backend that run() puts together. Internal to the backend.

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zirn::print {

// CUPS records stderr lines that start with a level; syslog keeps them past the job.
void log(int priority, const char* format, ...);

// The printing user's account, taken from the passwd entry while still root.
struct Account
{
    std::string name;
    uid_t uid = 0;
    gid_t gid = 0;
    std::string home;
};

// Becomes the account for good (groups, gid, uid) and verifies that there is no way back.
bool dropPrivileges(const Account& account);

// In a freshly forked child: standard input and error on /dev/null, standard output on output
// (else /dev/null), input (when >= 0) as descriptor 3, every other descriptor closed.
void isolateChild(int output, int input);

// Runs args with env, never through a shell, in folder (a descriptor, or -1), with input as its
// descriptor 3 ("/dev/fd/3"), and gives the exit status; -1 when it did not run, ended by a
// signal or had to be killed after the given seconds. Its standard output goes to *output.
int runProgram(const std::vector<std::string>& args, const std::vector<std::string>& env, int seconds,
               std::string* output = nullptr, int folder = -1, int input = -1);

// Waits for child at most milliseconds, then kills it; its exit status, or -1.
int waitChild(pid_t child, int milliseconds, const char* name);

bool writeAll(int fd, const char* data, size_t size);
bool syncFile(int folder, const std::string& name);

// Keeps only the pages the job's options select, with qpdf on the user's own file temp in
// folder, read through its open descriptor file. Gives the name of the file to deliver: temp
// itself when nothing was selected.
std::string applyPageRanges(int folder, int file, const std::string& temp, const std::string& options);

// A uid bound from a login.defs file ("UID_MIN", "UID_MAX"); fallback when it does not say.
uid_t loginDefsUid(const char* loginDefs, const char* key, uid_t fallback);

// Moves temp to "<base>.pdf", "<base> 1.pdf", ... whichever is free; never replaces a file.
std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base);

// Starts program on pdf as a transient unit of the user's systemd manager, when that runs
// and knows a graphical session.
bool startThroughSystemd(const char* program, const std::string& pdf, uid_t uid);

// Else starts it detached in the environment and umask of one of the user's processes that
// carries a display.
bool startInSessionOf(const char* program, const std::string& pdf, const Account& account);

} // namespace zirn::print
