#include "print/CupsBackend.h"
#include "print/BackendParts.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/keyctl.h>
#include <pwd.h>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;
using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(CupsBackend, FileNameFromTheJobTitle)
{
    // Controls, direction overrides (U+202E), invisible marks (U+061C, U+200B, U+2060-2064)
    // and invalid UTF-8 go; one document extension goes; at most 200 bytes, cut between characters.
    for (const auto& [title, name] :
         Pairs{{"/home/ann/Quarterly Report.odt", "Quarterly Report"},
               {"Archive.tar.PDF", "Archive.tar"},
               {"Release v1.2", "Release v1.2"},
               {"Tab\there\nand\177 line", "Tab here and line"},
               {"Invoice \u202A\u202Efdp.exe", "Invoice fdp.exe"},
               {"Arabic\u061C Zero\u200Bwidth Word\u2060joiner\u2064", "Arabic Zerowidth Wordjoiner"},
               {"Grüße, 日本語: (v2)!", "Grüße, 日本語: (v2)!"},
               {"..hidden.txt", "hidden"},
               {"/tmp/", "Untitled"},
               {".pdf", "pdf"},
               {std::string(250, 'a'), std::string(200, 'a')},
               {std::string(150, '\xC3') + "x", "x"},
               {std::string(199, 'b') + "\u00E9\u00E9", std::string(199, 'b')},
               {"(stdin)", "stdin"}, // CUPS's titles for piped data and for none
               {"untitled", "Untitled"}})
        EXPECT_EQ(zirn::print::spoolNameFromTitle(title), name) << "title: " << title;
}

TEST(CupsBackend, OptionsThatChangePages)
{
    // For a document of 9 pages of the size given: the pages qpdf keeps when page ranges come
    // alone, and else what pdftopdf does. Only known values pass; neutral ones change nothing.
    const std::string a4 = " PageSize=Custom.595.28x841.89";
    for (const auto& [options, width, height, ranges, pdftopdf] :
         std::vector<std::tuple<std::string, double, double, std::string, std::string>>{
             {"copies=1 page-ranges=2 number-up=2", 595.28, 841.89, "2-2", "number-up=2 page-ranges=2" + a4},
             {"page-ranges=2-3,7-", 595.28, 841.89, "2-3,7-9", ""},
             {"page-ranges=8-20", 595.28, 841.89, "8-9", ""},
             {"page-ranges=8-2147483647", 595.28, 841.89, "8-9", ""}, // cupsd's "8-"
             {"page-ranges=1,998-2147483647", 595.28, 841.89, "1-1", ""},
             {"page-ranges=12345678901", 595.28, 841.89, "", ""},
             {"page-ranges=12-14", 595.28, 841.89, "", ""},
             {"job-name='x page-ranges=1 page-set=odd' page-ranges=3", 595.28, 841.89, "3-3", ""},
             {"page-ranges=3-1", 595.28, 841.89, "", ""},
             {"page-ranges=0", 595.28, 841.89, "", ""},
             {"page-ranges=1;z mirror", 595.28, 841.89, "", "mirror" + a4},
             {"number-up=1 page-set=all outputorder=normal orientation-requested=3 PageSize=A4 "
              "media=iso_a4_210x297mm print-scaling=auto sides=two-sided-long-edge copies=2 nolandscape",
              595.28, 841.89, "", ""},
             {"page-set=odd OutputOrder=Reverse", 595.28, 841.89, "",
              "page-set=odd outputorder=reverse" + a4},
             {"number-up=4 number-up-layout=btlr page-border=double", 595.28, 841.89, "",
              "number-up=4 number-up-layout=btlr page-border=double" + a4},
             {"number-up=3 page-set=evn outputorder=x'y number-up-layout=lrtb", 595.28, 841.89, "", ""},
             {"landscape", 595.28, 841.89, "", "orientation-requested=4" + a4},
             {"orientation-requested=5 fit-to-page=true print-scaling=fill", 595.28, 841.89, "",
              "orientation-requested=5 fit-to-page print-scaling=fill" + a4},
             {"landscape=true orientation-requested=4 PageSize=A4", 841.89, 595.28, "", ""},
             {"media=A5,Tray1", 595.28, 841.89, "", "PageSize=Custom.420.00x595.00"},
             {"media=iso_a5_148x210mm page-ranges=2", 841.89, 595.28, "2-2",
              "page-ranges=2 PageSize=Custom.595.00x420.00"},
             {"PageSize=Letter media=A5", 595.28, 841.89, "", "PageSize=Custom.612.00x792.00"},
             {"PageSize=Letter", 612, 792, "", ""}}) {
        EXPECT_EQ(zirn::print::qpdfPageRanges(options, 9), ranges) << options;
        EXPECT_EQ(zirn::print::pdftopdfOptions(options, width, height), pdftopdf) << options;
    }
}

TEST(CupsBackend, ProgramsGetOnlyTheirStandardStreamsAndTime)
{
    // Held by the backend without close-on-exec, as CUPS's channels are: never inherited.
    ASSERT_EQ(::dup2(::open("/dev/null", O_RDONLY), 9), 9);
    const int file = ::open(ZIRN_SOURCE_DIR "/resources/sample.pdf", O_RDONLY | O_CLOEXEC);
    for (const auto& [command, input, seconds, status, expected] :
         std::vector<std::tuple<std::string, int, int, int, std::string>>{
             {"ls /proc/$$/fd; readlink /proc/$$/fd/0 /proc/$$/fd/2", -1, 10, 0,
              "0\n1\n2\n/dev/null\n/dev/null\n"},
             {"ls /proc/$$/fd; head -c 5 /dev/fd/3", file, 10, 0, "0\n1\n2\n3\n%PDF-"},
             {"exec sleep 20", -1, 1, -1, ""}, // stopped after its time
             {"ulimit -v; ulimit -d; ulimit -f; ulimit -t", -1, 7, 0, "2097152\n2097152\n4194304\n7\n"}}) {
        std::string output;
        const std::vector<std::string> args = {"/bin/sh", "-c", command};
        EXPECT_EQ(zirn::print::runProgram(args, {"PATH=/usr/bin:/bin"}, seconds, &output, -1, input), status);
        EXPECT_EQ(output, expected) << command;
    }
    ::close(9);
    ::close(file);
}

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

// A print job as cupsd hands it to the backend. auth is AUTH_UID: "*" the user's own uid, as
// cupsd sets it for a job it authenticated by the connection; empty: not set. id: a new job's
// number when empty.
struct Job
{
    std::string user, data, title = "Report\nERROR: injected", options, auth = "*", id;
    bool onStandardInput = false;
};

// An ordinary user made for the test, with a home in a fresh folder.
class BackendAsRoot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::getuid() != 0)
            GTEST_SKIP() << "runs the backend as CUPS does, as root, for a user made for the test";
        // Everything of the test's in a folder of root's made for it, never at a fixed name.
        char pattern[] = "/tmp/zirn-backend-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        fs::permissions(root, fs::perms(0755));
        home = root / "home";
        user = ("zirnbk" + std::to_string(::getpid())).substr(0, 31);
        ASSERT_EQ(std::system(("useradd -m -d '" + home.string() + "' " + user).c_str()), 0);
        uid = ::getpwnam(user.c_str())->pw_uid;
        pdf = readAll(ZIRN_SOURCE_DIR "/resources/sample.pdf");
    }
    void TearDown() override
    {
        [[maybe_unused]] const int removed =
            std::system(("pkill -KILL -u " + user + "; userdel " + user).c_str());
        fs::remove_all(root);
    }
    // Runs the backend as cupsd does (names quoted for the test's own shell only).
    int print(const Job& job)
    {
        const fs::path data = root / "job", messages = root / "messages";
        std::ofstream(data, std::ios::binary) << job.data;
        const passwd* account = ::getpwnam(job.user.c_str());
        const std::string auth = job.auth != "*" ? job.auth : std::to_string(account ? account->pw_uid : 0);
        const int status = std::system(
            ("env -i PATH=/usr/bin:/bin " + (job.auth.empty() ? "" : "AUTH_UID=" + auth) + " " + setup() +
             " " ZIRN_BACKEND_PATH " " + (job.id.empty() ? std::to_string(++jobs) : job.id) + " '" +
             job.user + "' '" + job.title + "' 1 '" + job.options + "' " +
             (job.onStandardInput ? "" : data.string()) + " <" + data.string() + " 2>" + messages.string())
                .c_str());
        // What every user reads in the printer's status names no title, user or path, and a
        // line break in the title starts no status line of its own.
        std::ifstream lines(messages);
        shown.clear();
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("DEBUG: ", 0) != 0) {
                EXPECT_TRUE(line.find(job.title) == line.npos && line.find(job.user) == line.npos &&
                            line.find('/') == line.npos && line.find("injected") == line.npos)
                    << line;
                shown += line + "\n";
            }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path root, home;
    std::string user, pdf, shown; // shown: the status lines of the last print()
    std::string setup() const
    {
        return "ZIRN_TEST_PROGRAM=" + (root / "zirn-pdf-writer").string() +
               " ZIRN_TEST_MARKS=" + (root / "marks").string();
    }
    uid_t uid = 0;
    int jobs = 100;
    pid_t backend = 0;
};

} // namespace

TEST_F(BackendAsRoot, RefusesWhatIsNotAnOrdinaryUsersAuthenticatedPdf)
{
    for (const Job& job :
         {Job{.user = "root", .data = pdf}, Job{.user = "daemon", .data = pdf}, // < UID_MIN
          Job{.user = "nobody", .data = pdf},                                   // > UID_MAX
          Job{.user = "nosuchuser-zirn", .data = pdf}, Job{.user = user, .data = "#!/bin/sh\n"},
          Job{.user = user, .data = ""}, Job{.user = user, .data = pdf, .auth = ""}, // through a class
          Job{.user = user, .data = pdf, .auth = "0"}}) {                            // lp -U
        EXPECT_EQ(print(job), zirn::print::BackendCancel) << job.user << " AUTH_UID=" << job.auth;
        EXPECT_EQ(shown.rfind("ERROR: Refused a job that ", 0), 0u) << shown;
        EXPECT_FALSE(fs::exists(home / "PDF")) << job.user << " AUTH_UID=" << job.auth;
    }
}

TEST_F(BackendAsRoot, WritesAsTheUserNeverReplacesAndAppliesPageRanges)
{
    const fs::path spool = home / "PDF", three = root / "three.pdf";
    const std::string sample = ZIRN_SOURCE_DIR "/resources/sample.pdf";
    ASSERT_EQ(zirn::print::runProgram(
                  {"/usr/bin/qpdf", "--empty", "--pages", sample, sample, sample, "--", three}, {}, 30),
              0);
    for (const Job& job :
         {Job{.user = user, .data = pdf, .title = "Quarterly Report.odt"},
          Job{.user = user, .data = pdf + "%2", .title = "/x/Quarterly Report.pdf", .onStandardInput = true},
          Job{.user = user, .data = readAll(three), .title = "Pages", .options = "page-ranges=2-3"},
          Job{.user = user, .data = readAll(three), .title = "Odd", .options = "page-set=odd"},
          Job{.user = user, .data = "%PDF-1.4 cut short", .title = "Cut", .options = "number-up=2"}})
        ASSERT_EQ(print(job), 0) << job.title;
    // No temporary file left; the first file byte for byte, not replaced; two pages kept, by
    // qpdf and by pdftopdf; what pdftopdf cannot read arrives as it was sent.
    // (Owners and modes: the printing test.) Quick jobs leave their user no mark of a slow one.
    EXPECT_FALSE(fs::exists(root / "marks" / std::to_string(uid)));
    EXPECT_EQ(names(spool), (std::vector<std::string>{"Cut.pdf", "Odd.pdf", "Pages.pdf",
                                                      "Quarterly Report 1.pdf", "Quarterly Report.pdf"}));
    EXPECT_EQ(readAll(spool / "Quarterly Report.pdf"), pdf);
    EXPECT_EQ(readAll(spool / "Quarterly Report 1.pdf"), pdf + "%2");
    EXPECT_EQ(readAll(spool / "Cut.pdf"), "%PDF-1.4 cut short");
    for (const char* kept : {"Pages.pdf", "Odd.pdf"}) {
        std::string pages;
        zirn::print::runProgram({"/usr/bin/qpdf", "--show-npages", spool / kept}, {}, 30, &pages);
        EXPECT_EQ(pages, "2\n") << kept;
    }
}

TEST_F(BackendAsRoot, SpoolFolderThroughALink)
{
    // A folder of the user's elsewhere is fine; a folder only root may write is never written.
    const fs::path own = root / "disk", rootOnly = root / "root-only";
    fs::create_directories(rootOnly);
    fs::create_directory(own);
    ASSERT_EQ(::chown(own.c_str(), uid, static_cast<gid_t>(-1)), 0);
    fs::create_directory_symlink(own, home / "PDF");
    EXPECT_EQ(print({.user = user, .data = pdf, .title = "Linked"}), 0);
    EXPECT_EQ(names(own), std::vector<std::string>{"Linked.pdf"});
    fs::remove(home / "PDF");
    fs::create_directory_symlink(rootOnly, home / "PDF");
    EXPECT_EQ(print({.user = user, .data = pdf, .title = "Linked"}), zirn::print::BackendCancel);
    EXPECT_TRUE(names(rootOnly).empty());
    // A USB stick of the user's: no exclusive rename, no hard links, and still nothing replaced.
    if (const auto stick = zirn::test::mountFuse("exfat", root / "stick", uid)) {
        fs::remove(home / "PDF");
        fs::create_directory_symlink(root / "stick", home / "PDF");
        EXPECT_EQ(print({.user = user, .data = pdf, .title = "Stick"}) +
                      print({.user = user, .data = pdf, .title = "Stick"}),
                  0);
        EXPECT_EQ(names(root / "stick"), (std::vector<std::string>{"Stick 1.pdf", "Stick.pdf"}));
    }
}

TEST_F(BackendAsRoot, ACancelledOrStoppedWorkerIsKilledWithAllItStartedAndTheSupervisorStaysRoot)
{
    // The data never ends, so the worker waits for it, having stored its start.
    const std::string auth = "AUTH_UID=" + std::to_string(uid), marks = setup().substr(setup().find(' ') + 1);
    int data[2];
    std::string worker;
    const auto launch = [&](const char* id) {
        ASSERT_EQ(::pipe(data), 0);
        const pid_t backend = ::fork();
        if (backend == 0) {
            ::dup2(data[0], 0);
            ::dup2(::open((root / "messages").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
            const char* argv[] = {"zirn:/", id, user.c_str(), "Divorce Draft 77", "1", "", nullptr};
            const char* env[] = {"PATH=/usr/bin:/bin", auth.c_str(), marks.c_str(), "ZIRN_TEST_JOB_SECONDS=2",
                                 nullptr};
            ::execve(ZIRN_BACKEND_PATH, const_cast<char**>(argv), const_cast<char**>(env));
            ::_exit(127);
        }
        ASSERT_EQ(::write(data[1], "%PDF-", 5), 5);
        worker.clear();
        for (int i = 0; i < 1000 && (worker.empty() || !fs::exists(home / "PDF")); ++i, ::usleep(10000))
            zirn::print::runProgram({"/usr/bin/pgrep", "-P", std::to_string(backend)}, {}, 10, &worker);
        ASSERT_FALSE(worker.empty());
        worker = std::to_string(std::stoi(worker));
        this->backend = backend;
    };
    const auto finish = [&] {
        int status = 0;
        for (; ::waitpid(backend, &status, WNOHANG) == 0; ::usleep(50000)) {
            const std::string ids = readAll("/proc/" + std::to_string(backend) + "/status");
            EXPECT_NE(ids.find("\nUid:\t0\t0\t0\t"), std::string::npos); // real, effective, saved
        }
        EXPECT_EQ(WEXITSTATUS(status), zirn::print::BackendCancel);
        EXPECT_NE(::kill(std::stoi(worker), 0), 0);
        ::close(data[0]);
        ::close(data[1]);
        return readAll(root / "messages");
    };
    // Cancelled by CUPS: nothing stays, the status says so, and the user is not marked as slow.
    launch("41");
    ::kill(backend, SIGTERM);
    std::string messages = finish();
    EXPECT_NE(messages.find("\nINFO: The job was cancelled; nothing of it was kept\n"), std::string::npos);
    EXPECT_EQ(messages.find(" in time"), std::string::npos) << messages; // neither a timeout nor a fault
    EXPECT_TRUE(names(home / "PDF").empty());
    EXPECT_FALSE(fs::exists(root / "marks" / std::to_string(uid)));

    // Its user stops it and leaves a process in a session of its own behind it.
    launch("42");
    std::string processes, left;
    zirn::print::runProgram({"/usr/bin/ps", "-eo", "args"}, {}, 10, &processes);
    EXPECT_TRUE(processes.find("Divorce Draft") == processes.npos && processes.find(user) == processes.npos)
        << processes;
    ::kill(std::stoi(worker), SIGSTOP);
    const std::string gid = std::to_string(::getpwnam(user.c_str())->pw_gid);
    zirn::print::runProgram({"/usr/bin/nsenter", "-t", worker, "-p", "--", "/usr/bin/setpriv",
                             "--reuid=" + std::to_string(uid), "--regid=" + gid, "--init-groups",
                             "/usr/bin/setsid", "-f", "/usr/bin/sleep", "60"},
                            {}, 10);
    EXPECT_NE(finish().find("\nERROR: Cancelled a job that was not done in time\n"), std::string::npos);
    zirn::print::runProgram({"/usr/bin/pgrep", "-u", std::to_string(uid)}, {}, 10, &left);
    EXPECT_EQ(left, "");
    // A further document of that job finds its deadline passed; until ten minutes have passed,
    // the user's other jobs have twenty seconds.
    EXPECT_EQ(print({.user = user, .data = pdf, .title = "Late", .id = "42"}), zirn::print::BackendCancel);
    EXPECT_EQ(shown, "ERROR: Cancelled a job that was not done in time\n");
    EXPECT_EQ(print({.user = user, .data = pdf, .title = "Next"}), 0) << readAll(root / "messages");
    EXPECT_NE(readAll(root / "messages").find("this one has 20 seconds"), std::string::npos);
}

TEST_F(BackendAsRoot, InTheSessionOfADisplayProcessTheProgramHasItsCgroupLimitsAndNoKeyringOfRoots)
{
    // The user's display process, in a cgroup of its own and with limits, a umask, a nice value
    // and an OOM score of its own; the backend in a session keyring of root's.
    std::string own = readAll("/proc/self/cgroup");
    own = own.substr(own.find("0::/") + 4);
    const fs::path session =
        (fs::exists("/sys/fs/cgroup/unified/cgroup.procs") ? "/sys/fs/cgroup/unified/" : "/sys/fs/cgroup/") +
        own.substr(0, own.find('\n')) + "/zirn-session-" + user;
    std::error_code error;
    if (!fs::create_directory(session, error))
        GTEST_SKIP() << "needs a cgroup to make: " << error.message();
    const std::string ids =
        std::to_string(uid) + " --regid=" + std::to_string(::getpwnam(user.c_str())->pw_gid);
    const pid_t display = ::fork();
    if (display == 0) {
        std::ofstream(session / "cgroup.procs") << "0";
        const rlimit files{345, 678}, processes{777, 888};
        ::setrlimit(RLIMIT_NOFILE, &files);
        ::setrlimit(RLIMIT_NPROC, &processes);
        ::execl("/bin/sh", "sh", "-c",
                ("echo 345 >/proc/self/oom_score_adj; umask 027; exec nice -n 7 setpriv --reuid=" + ids +
                 " --init-groups env -i DISPLAY=:77 sleep 60")
                    .c_str(),
                nullptr);
        ::_exit(127);
    }
    const std::string proc = "/proc/" + std::to_string(display);
    for (int i = 0; i < 1000 && readAll(proc + "/environ") != "DISPLAY=:77"s + '\0'; ++i)
        ::usleep(10000);
    // The program says where it runs, and whose session keyrings it holds.
    ASSERT_GE(::syscall(SYS_keyctl, KEYCTL_JOIN_SESSION_KEYRING, nullptr), 0);
    std::ofstream(root / "zirn-pdf-writer")
        << "#!/bin/sh\n{ cat /proc/self/limits /proc/self/cgroup /proc/self/oom_score_adj; nice; umask; awk "
           "'$9 == "
           "\"_ses:\" { print $6 }' /proc/keys | sort -u; } >\"$1.part\" && mv \"$1.part\" \"$1.seen\"\n";
    fs::permissions(root / "zirn-pdf-writer", fs::perms(0755));
    EXPECT_EQ(print({.user = user, .data = pdf, .title = "Session"}), 0);
    const fs::path seen = home / "PDF/Session.pdf.seen";
    for (int i = 0; i < 1000 && !fs::exists(seen); ++i)
        ::usleep(10000);
    EXPECT_NE(readAll(proc + "/cgroup").find("zirn-session"), std::string::npos);
    EXPECT_EQ(readAll(seen), readAll(proc + "/limits") + readAll(proc + "/cgroup") + "345\n7\n0027\n" +
                                 std::to_string(uid) + "\n");
    // A program that cannot run (its interpreter is missing) or ends at once without a window is
    // not reported as opened, and the document stays; one that ends with success is.
    for (const auto& [script, status, logged] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"#!/nonexistent/shell\n", "ERROR: The document was kept", "did not start: No such file"},
             {"#!/bin/sh\nkill -ABRT $$\n", "ERROR: The document was kept", "ended at once: signal 6"},
             {"#!/bin/sh\nexit 0\n", "INFO: Opened the document", "started"}}) {
        std::ofstream(root / "zirn-pdf-writer") << script;
        EXPECT_EQ(print({.user = user, .data = pdf, .title = "Kept"}), 0);
        EXPECT_NE(shown.find(status), shown.npos) << shown;
        EXPECT_NE(readAll(root / "messages").find(logged), std::string::npos) << script;
    }
    EXPECT_EQ(names(home / "PDF"), (std::vector<std::string>{"Kept 1.pdf", "Kept 2.pdf", "Kept.pdf",
                                                             "Session.pdf", "Session.pdf.seen"}));
    ::kill(display, SIGKILL);
    ::waitpid(display, nullptr, 0);
    for (int i = 0; i < 100 && !fs::remove(session, error); ++i)
        ::usleep(10000);
}
