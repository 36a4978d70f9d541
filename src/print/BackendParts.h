#pragma once

// The pieces of the backend that run() puts together. Internal to the backend.

#include <chrono>
#include <ctime>
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
    Cancelled,
    StillStarting,
};
void status(Status status);

// The details (paths, titles, user names): syslog (journalctl -t zirn-cups-backend) and
// DEBUG lines, which only CUPS's own log keeps.
void log(int priority, const char* format, ...);

// In the worker, both go to the supervisor through fd instead, one message per NUL-terminated
// record led by its kind: a syslog priority '0'-'7', 'S' for a status, 'P' for a start in a
// session ("<pid> <pdf>"), 'N' for the name the document got in ~/PDF. Only the supervisor
// writes to CUPS.
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

// What CUPS says about the job: its id, title, options and the type of the document it was
// sent as (CONTENT_TYPE); the supervisor's process id, which no other running job has (the
// worker's is 1, in a PID namespace of its own); the deadline of this run, and which of the
// job's documents it is (0 for the first).
struct Job
{
    std::string id, title, options, contentType;
    pid_t supervisor = 0;
    std::chrono::steady_clock::time_point deadline;
    unsigned long document = 0;
};

// What is left of the job's deadline, in whole seconds, at most most.
int secondsLeft(const Job& job, int most);

// The name of the transient unit that starts the program for this run of the job.
std::string unitName(const Job& job);

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

// The limits of every tool run for a job, beside its time (as processor time too): what a
// printed document may make it use, and write.
constexpr unsigned long long ToolMemoryBytes = 2ULL << 30;
constexpr unsigned long long ToolFileBytes = 2ULL << 30;

// Runs args with env, never through a shell, under the tools' limits, in folder (a descriptor, or -1), with
// input as its descriptor 3 ("/dev/fd/3"), and gives the exit status; -1 when it did not run, ended by a
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
std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base,
                                         unsigned long first = 0);

// How a start of the program went: it showed its window or ended successfully (Shown), it ended
// at once with a failure or could not run (Failed), or it runs but has not said within the
// wait that its window is up (Starting).
enum class Start { Shown, Failed, Starting };
// How long a start is waited for, at most: a window takes a second or two.
constexpr int StartSeconds = 10;
// The printer's status and the log line for a start by way (where it was started).
void reportStart(Start start, const char* program, const std::string& pdf, const char* way);

// Starts program on pdf as the transient unit of the user's systemd manager, like anything the
// desktop starts, when that manager runs and knows a graphical session, and waits at most
// seconds for the program to say that its window is up. Nothing when there is no such manager
// or it made no unit. As the user.
std::optional<Start> startThroughSystemd(const char* program, const std::string& pdf, uid_t uid,
                                         const std::string& unit, int seconds);

// One of the user's processes that carries a display, or 0. As the user.
pid_t findDisplayProcess(uid_t uid);

// In a child of the supervisor, still root: joins the cgroups of display (a process of the
// account) and takes its resource limits, nice value and OOM score adjustment, then drops to
// the account and starts program on pdf detached, in that process's environment and umask, and
// waits at most seconds for it to say that its window is up (READY=1 on a socket of this
// process's own, named by NOTIFY_SOCKET) or to end. A failure's reason is logged.
Start startInSessionOf(const char* program, const std::string& pdf, pid_t display, const Account& account,
                       int seconds);

// The deadline for a job of uid: seconds, or at most ShortJobSeconds while a job of theirs was
// slow in the last SlowJobMemorySeconds, by the marks in folder (root's alone, made when
// missing; without it, seconds).
int jobSeconds(const char* folder, uid_t uid, int seconds);
// The seconds left for this run of a job. CUPS runs the backend once for each document of a job,
// one after the other: the job's first run starts its deadline (jobSeconds), kept as a mark
// "job-<key>" in folder, and each later run of the same key gets what is left of it. *started:
// when the job began; *document: how many runs of the job came before this one.
int jobSecondsLeft(const char* folder, uid_t uid, const std::string& key, int seconds, std::time_t* started,
                   unsigned long* document);
// Marks that a job of uid was slow (cut off at its deadline, or longer than ShortJobSeconds).
void noteSlowJob(const char* folder, uid_t uid);

} // namespace zirn::print
