#include "print/CupsBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using zirn::print::qpdfPageRanges;
using zirn::print::spoolNameFromTitle;

TEST(CupsBackend, FileNameFromTheJobTitle)
{
    const std::string long250(250, 'a');
    const std::string umlauts(150, '\xC3'); // not UTF-8 on its own: dropped
    std::string cutInside(199, 'b');
    cutInside += "\xC3\xA9\xC3\xA9"; // "éé" across the 200-byte limit
    const struct
    {
        std::string title, name;
    } cases[] = {
        {"Quarterly Report.odt", "Quarterly Report"},
        {"Quarterly Report", "Quarterly Report"},
        {"/home/ann/Report.docx", "Report"},
        {"Report.PDF", "Report"},
        {"Archive.tar.pdf", "Archive.tar"}, // one extension only
        {"Release v1.2", "Release v1.2"},   // not a document extension
        {"Tab\there\nand line", "Tab here and line"},
        {"Bell\x07 and \x7F"
         "del",
         "Bell and del"},
        {"Invoice \xE2\x80\xAE"
         "fdp.exe",
         "Invoice fdp.exe"}, // direction override
        {"Grüße, 日本語 & Ελληνικά: (v2)!", "Grüße, 日本語 & Ελληνικά: (v2)!"},
        {"..hidden.txt", "hidden"},
        {" . ", "Untitled"},
        {"", "Untitled"},
        {"/tmp/", "Untitled"},
        {".pdf", "pdf"},
        {long250, std::string(200, 'a')},
        {umlauts + "x", "x"},
        {cutInside, std::string(199, 'b')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spoolNameFromTitle(c.title), c.name) << "title: " << c.title;
}

TEST(CupsBackend, PageRangesForQpdf)
{
    const struct
    {
        std::string options;
        std::string ranges;
    } cases[] = {
        {"copies=1 page-ranges=2 number-up=2", "2-2"},
        {"page-ranges=2-3,7-", "2-3,7-9"},
        {"page-ranges=8-20", "8-9"},
        {"page-ranges=12-14", ""},
        {"job-name='x page-ranges=1' page-ranges=3", "3-3"},
        {"page-ranges=3-1", ""},
        {"page-ranges=0", ""},
        {"page-ranges=1;z", ""},
        {"copies=2", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qpdfPageRanges(c.options, 9), c.ranges) << c.options;
}

namespace {

// Runs the backend as CUPS does, with the job's data in file (or on standard input).
int runBackend(const std::string& user, const std::string& title, const std::string& data,
               const std::string& options = "", bool onStandardInput = false)
{
    const std::string file = fs::temp_directory_path() / ("zirn-job-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << data;
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open(file.c_str(), O_RDONLY);
        ::dup2(in, 0);
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 2);
        std::vector<const char*> argv = {"zirn:/", "42", user.c_str(), title.c_str(), "1", options.c_str()};
        if (!onStandardInput)
            argv.push_back(file.c_str());
        argv.push_back(nullptr);
        char* env[] = {const_cast<char*>("PATH=/usr/bin:/bin"), nullptr};
        ::execve(ZIRN_BACKEND_PATH, const_cast<char**>(argv.data()), env);
        ::_exit(126);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::remove(file);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

// An ordinary user made for the test, with a home in a fresh folder.
class BackendAsRoot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::getuid() != 0)
            GTEST_SKIP()
                << "runs the backend as CUPS does, as root, for a user made for the test; run as root";
        char pattern[] = "/tmp/zirn-backend-XXXXXX";
        root = ::mkdtemp(pattern);
        fs::permissions(root, fs::perms(0755));
        home = root / "home";
        user = ("zirnbk" + std::to_string(::getpid())).substr(0, 31);
        const std::string command = "useradd -M -d '" + home.string() + "' " + user;
        ASSERT_EQ(std::system(command.c_str()), 0);
        const passwd* account = ::getpwnam(user.c_str());
        ASSERT_NE(account, nullptr);
        uid = account->pw_uid;
        fs::create_directory(home);
        ASSERT_EQ(::chown(home.c_str(), uid, account->pw_gid), 0);
        pdf = readAll(std::string(ZIRN_SOURCE_DIR) + "/resources/sample.pdf");
    }
    void TearDown() override
    {
        if (!user.empty())
            std::system(("userdel " + user).c_str());
        if (!root.empty())
            fs::remove_all(root);
    }
    uid_t ownerOf(const fs::path& path) const
    {
        struct stat info
        {};
        return ::lstat(path.c_str(), &info) == 0 ? info.st_uid : 0;
    }
    unsigned modeOf(const fs::path& path) const
    {
        struct stat info
        {};
        return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    fs::path root, home;
    std::string user, pdf;
    uid_t uid = 0;
};

} // namespace

TEST_F(BackendAsRoot, RefusesWhatIsNotAnOrdinaryUsersPdf)
{
    const struct
    {
        std::string user, data;
    } refused[] = {
        {"root", pdf},
        {"daemon", pdf}, // a system account
        {"nosuchuser-zirn", pdf},
        {user, "#!/bin/sh\ntouch /tmp/x\n"}, // not a PDF
        {user, ""},
    };
    for (const auto& job : refused) {
        EXPECT_EQ(runBackend(job.user, "Report", job.data), zirn::print::BackendCancel) << job.user;
        EXPECT_FALSE(fs::exists(home / "PDF")) << job.user;
    }
}

TEST_F(BackendAsRoot, WritesAsTheUserAndNeverReplaces)
{
    ASSERT_EQ(runBackend(user, "Quarterly Report.odt", pdf), 0);
    ASSERT_EQ(runBackend(user, "/home/x/Quarterly Report.pdf", pdf + "%second", "", true), 0);
    const fs::path spool = home / "PDF";
    EXPECT_EQ(names(spool), (std::vector<std::string>{"Quarterly Report 1.pdf", "Quarterly Report.pdf"}));
    EXPECT_EQ(readAll(spool / "Quarterly Report.pdf"), pdf); // byte for byte, and not replaced
    EXPECT_EQ(readAll(spool / "Quarterly Report 1.pdf"), pdf + "%second");
    EXPECT_EQ(ownerOf(spool), uid);
    EXPECT_EQ(modeOf(spool), 0700u);
    EXPECT_EQ(ownerOf(spool / "Quarterly Report.pdf"), uid);
    EXPECT_EQ(modeOf(spool / "Quarterly Report.pdf"), 0600u);
}

TEST_F(BackendAsRoot, SpoolFolderThroughALink)
{
    // A folder of the user's elsewhere is fine; a folder only root may write is never written.
    const fs::path own = root / "disk", rootOnly = root / "root-only";
    fs::create_directory(own);
    ASSERT_EQ(::chown(own.c_str(), uid, static_cast<gid_t>(-1)), 0);
    fs::create_directory(rootOnly);
    fs::permissions(rootOnly, fs::perms(0755));

    fs::create_directory_symlink(own, home / "PDF");
    EXPECT_EQ(runBackend(user, "Linked", pdf), 0);
    EXPECT_EQ(names(own), std::vector<std::string>{"Linked.pdf"});

    fs::remove(home / "PDF");
    fs::create_directory_symlink(rootOnly, home / "PDF");
    EXPECT_EQ(runBackend(user, "Linked", pdf), zirn::print::BackendCancel);
    EXPECT_TRUE(names(rootOnly).empty());
}

TEST_F(BackendAsRoot, AppliesPageRangesWithQpdf)
{
    const fs::path three = root / "three.pdf",
                   sample = std::string(ZIRN_SOURCE_DIR) + "/resources/sample.pdf";
    const std::string make = "qpdf --empty --pages " + sample.string() + " " + sample.string() + " " +
                             sample.string() + " -- " + three.string();
    ASSERT_EQ(std::system(make.c_str()), 0);
    ASSERT_EQ(runBackend(user, "Pages", readAll(three), "copies=1 page-ranges=2-3"), 0);
    const std::string count =
        "test \"$(qpdf --show-npages '" + (home / "PDF" / "Pages.pdf").string() + "')\" = 2";
    EXPECT_EQ(std::system(count.c_str()), 0);
    EXPECT_EQ(names(home / "PDF"), std::vector<std::string>{"Pages.pdf"}); // no temporary file left
}
