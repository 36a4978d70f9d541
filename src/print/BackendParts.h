#pragma once

// The pieces of the backend that run() puts together. Internal to the backend.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace zirn::print {

// The printer's status, which every user reads (lpstat -l -p): fixed texts only, never a
// path, a title or a user name.
enum class Status : char {
    NotOrdinaryUser = 'a',
    NotAuthenticated,
    NotPdf,
    Failed,
    NotSaved,
    NotNamed,
    Saved,
    Started,
    NotStarted,
    TooLong,
};
void status(Status status);

// The details (paths, titles, user names): syslog (journalctl -t zirn-cups-backend) and
// DEBUG lines, which only CUPS's own log keeps.
void log(int priority, const char* format, ...);

// In the worker, both go to the supervisor through fd instead, one message per NUL-terminated
// record led by its kind: a syslog priority '0'-'7', 'S' for a status, 'P' for a start in a
// session ("<pid> <pdf>"). Only the supervisor writes to CUPS.
void sendMessagesTo(int fd);
void sendMessage(char kind, std::string_view text);
// The supervisor's side: writes a detail or a status from a message, which it does not trust.
void publish(char kind, std::string_view text);
// Names the job in the supervisor's syslog lines.
void setJobLabel(const std::string& label);

// The printing user's account, taken from the passwd entry while still root.
struct Account
{
    std::string name;
    uid_t uid = 0;
    gid_t gid = 0;
    std::string home;
};

// What CUPS says about the job: its id, title and options; and the supervisor's process id,
// which no other running job has (the worker's is 1, in a PID namespace of its own).
struct Job
{
    std::string id, title, options;
    pid_t supervisor = 0;
};

// The account the job prints into: the user CUPS names, when that is an ordinary account (not
// root, within the UID_MIN and UID_MAX of /etc/login.defs) and the one CUPS authenticated
// (AUTH_UID). Nothing, with the reason given to CUPS and the log, otherwise.
std::optional<Account> printingAccount(const char* user);

// Becomes the account for good (groups, gid, uid), verifies that there is no way back and
// leaves the print service's session keyring for a new one of the account's own.
bool dropPrivileges(const Account& account);

// The user's side of a job, in the worker after the drop: checks that the data read through
// input is a PDF, stores it in ~/PDF under its name and starts program on it (or asks the
// supervisor to, with a 'P' message). Gives the backend's exit status.
int saveJob(const Account& account, int input, const Job& job, const char* program);

// In a freshly forked child: standard input and error on /dev/null, standard output on output
// (else /dev/null), input (when >= 0) as descriptor 3, every other descriptor closed.
void isolateChild(int output, int input);

// The environment of the document tools the worker runs (qpdf, pdfinfo, pdftopdf): a fixed
// PATH, and output that is never translated.
extern const std::vector<std::string> toolEnvironment;

// Runs args with env, never through a shell, in folder (a descriptor, or -1), with input as its
// descriptor 3 ("/dev/fd/3"), and gives the exit status; -1 when it did not run, ended by a
// signal or had to be killed after the given seconds. Its standard output goes to *output, or
// else to the descriptor outputFile.
int runProgram(const std::vector<std::string>& args, const std::vector<std::string>& env, int seconds,
               std::string* output = nullptr, int folder = -1, int input = -1, int outputFile = -1);

// Waits for child at most milliseconds, then kills it (with its process group when group);
// its exit status, or -1. Never waits long for a killed child either.
int waitChild(pid_t child, int milliseconds, const char* name, bool group = false);

// Flushes the file name in folder to disk, never waiting on a FIFO in its place; false when it cannot.
bool syncFile(int folder, const std::string& name);

// The job's options by name (CUPS's "name=value" pairs, quoted or not; the last one counts).
std::map<std::string, std::string> parseOptions(std::string_view options);

// Applies the options that change pages (pdftopdfOptions) with pdftopdf to the user's own file
// temp in folder, read through its open descriptor file. Gives the name of the file to deliver:
// temp itself when no option applies, or when they cannot be applied (logged).
std::string applyPageOptions(int folder, int file, const std::string& temp, const std::string& options);

// Keeps only the pages the job's options select, with qpdf on the user's own file temp in
// folder, read through its open descriptor file. Gives the name of the file to deliver: temp
// itself when nothing was selected.
std::string applyPageRanges(int folder, int file, const std::string& temp, const std::string& options);

// Moves temp to "<base>.pdf", "<base> 1.pdf", ... whichever is free; never replaces a file.
// Nothing when it cannot, with errno set: EEXIST when every name up to "<base> 9999.pdf" is taken.
std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base);

// Starts program on pdf as a transient unit of the user's systemd manager, like anything the
// desktop starts, when that manager runs and knows a graphical session. As the user.
bool startThroughSystemd(const char* program, const std::string& pdf, uid_t uid);

// One of the user's processes that carries a display, or 0. As the user.
pid_t findDisplayProcess(uid_t uid);

// In a child of the supervisor, still root: joins the cgroups of display (a process of the
// account) and takes its resource limits, nice value and OOM score adjustment, then drops to
// the account and starts program on pdf detached, in that process's environment and umask.
// True once the program runs (its execve succeeded); false, with the reason logged, otherwise.
bool startInSessionOf(const char* program, const std::string& pdf, pid_t display, const Account& account);

// The deadline for a job of uid: seconds, or at most ShortJobSeconds while a job of theirs was
// slow in the last SlowJobMemorySeconds, by the marks in folder (root's alone, made when
// missing; without it, seconds).
int jobSeconds(const char* folder, uid_t uid, int seconds);
// Marks that a job of uid was slow (cut off at its deadline, or longer than ShortJobSeconds).
void noteSlowJob(const char* folder, uid_t uid);

} // namespace zirn::print
