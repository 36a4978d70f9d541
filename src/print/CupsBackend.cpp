#include "print/CupsBackend.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <syslog.h>
#include <unistd.h>
#include <vector>

namespace zirn::print {

namespace {

// ---- The file name -------------------------------------------------------------------

// UTF-8 decoding that drops what is not well-formed (overlong forms, surrogates, stray bytes).
std::vector<char32_t> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80         ? 1
                              : (lead >> 5) == 6  ? 2
                              : (lead >> 4) == 14 ? 3
                              : (lead >> 3) == 30 ? 4
                                                  : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool ok = true;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = ok && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            ++i;
            continue;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Controls, and the direction overrides that make a name read differently from what it is
// ("Invoice\u202Efdp.exe"). Joiners stay: several scripts and emoji need them.
bool dropped(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// Extensions that applications put into job titles; a version number such as "v1.2" is not one.
bool isDocumentExtension(std::string extension)
{
    static constexpr std::string_view known[] = {
        "pdf", "ps",   "eps", "txt",  "text", "md",   "rtf",  "odt", "ott",   "ods", "odp", "odg",
        "doc", "docx", "xls", "xlsx", "ppt",  "pptx", "html", "htm", "xhtml", "xml", "svg", "png",
        "jpg", "jpeg", "gif", "tif",  "tiff", "bmp",  "webp", "csv", "tex",   "dvi", "epub"};
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::find(std::begin(known), std::end(known), extension) != std::end(known);
}

std::string trimBlanks(std::string text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string spoolNameFromTitle(std::string_view title)
{
    // A leading path: '/' never occurs inside a multi-byte UTF-8 sequence.
    if (const size_t slash = title.rfind('/'); slash != std::string_view::npos)
        title.remove_prefix(slash + 1);
    std::string name;
    for (const char32_t c : decodeUtf8(title)) {
        if (c == '\t' || c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029)
            name += ' ';
        else if (!dropped(c))
            appendUtf8(name, c);
    }
    name = trimBlanks(name);
    while (!name.empty() && name.front() == '.')
        name = trimBlanks(name.substr(1));
    if (const size_t dot = name.rfind('.');
        dot != std::string::npos && dot > 0 && isDocumentExtension(name.substr(dot + 1)))
        name = trimBlanks(name.substr(0, dot));
    constexpr size_t limit = 200;
    if (name.size() > limit) {
        size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name = trimBlanks(name.substr(0, cut));
    }
    return name.empty() ? "Untitled" : name;
}

// ---- Options --------------------------------------------------------------------------

std::string qpdfPageRanges(std::string_view options, int pageCount)
{
    // CUPS writes "name=value" pairs separated by blanks; values may be quoted.
    std::string value;
    for (size_t i = 0; i < options.size();) {
        while (i < options.size() && options[i] == ' ')
            ++i;
        std::string token;
        char quote = 0;
        for (; i < options.size() && (quote || options[i] != ' '); ++i) {
            const char c = options[i];
            if (quote && c == quote)
                quote = 0;
            else if (!quote && (c == '\'' || c == '"'))
                quote = c;
            else if (c == '\\' && i + 1 < options.size())
                token += options[++i];
            else
                token += c;
        }
        if (token.rfind("page-ranges=", 0) == 0)
            value = token.substr(12);
    }
    std::string ranges;
    for (size_t i = 0; !value.empty() && i <= value.size();) {
        const size_t end = std::min(value.find(',', i), value.size());
        const std::string range = value.substr(i, end - i);
        i = end + 1;
        const size_t dash = range.find('-');
        const std::string low = range.substr(0, dash);
        const std::string high = dash == std::string::npos ? low : range.substr(dash + 1);
        const auto digits = [](const std::string& s) {
            return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        if (low.empty() || low.size() > 6 || high.size() > 6 || !digits(low) || !digits(high))
            return {};
        const int first = std::stoi(low);
        const int last = high.empty() ? pageCount : std::min(std::stoi(high), pageCount);
        if (first < 1 || (!high.empty() && std::stoi(high) < first))
            return {};
        if (first > last)
            continue;
        ranges += (ranges.empty() ? "" : ",") + std::to_string(first) + "-" + std::to_string(last);
    }
    return ranges;
}

uid_t firstUserUid(const char* loginDefs)
{
    std::ifstream file(loginDefs);
    for (std::string line; std::getline(file, line);) {
        char name[16] = {};
        unsigned long value = 0;
        if (std::sscanf(line.c_str(), " %15s %lu", name, &value) == 2 && std::strcmp(name, "UID_MIN") == 0)
            return static_cast<uid_t>(value);
    }
    return 1000;
}

namespace {

// ---- Logging --------------------------------------------------------------------------

// CUPS records stderr lines that start with a level; syslog keeps them past the job.
void log(int priority, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const char* level = priority <= LOG_ERR ? "ERROR" : priority == LOG_WARNING ? "WARNING" : "INFO";
    std::fprintf(stderr, "%s: %s\n", level, text);
    syslog(priority, "%s", text);
}

// ---- Privileges -----------------------------------------------------------------------

struct Account
{
    std::string name;
    uid_t uid = 0;
    gid_t gid = 0;
    std::string home;
};

bool dropPrivileges(const Account& account)
{
    if (::initgroups(account.name.c_str(), account.gid) != 0 || ::setgid(account.gid) != 0 ||
        ::setuid(account.uid) != 0)
        return false;
    // setuid() as root sets the real, effective and saved ids: there must be no way back.
    if (::setuid(0) == 0 || ::seteuid(0) == 0 || ::setgid(0) == 0)
        return false;
    return ::getuid() == account.uid && ::geteuid() == account.uid && ::getgid() == account.gid &&
           ::getegid() == account.gid;
}

// ---- Child processes, never through a shell --------------------------------------------

// Runs argv with envp in folder (a descriptor, or -1), waits, and gives the exit status
// (-1 when it did not run or ended by a signal); its standard output goes to *output.
int runProgram(const std::vector<std::string>& args, const std::vector<std::string>& env, int folder,
               std::string* output)
{
    int pipeFds[2] = {-1, -1};
    if (output && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv, envp;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        for (const std::string& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(output ? pipeFds[1] : devnull, 1);
        if (folder >= 0 && ::fchdir(folder) != 0)
            ::_exit(127);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    if (output) {
        ::close(pipeFds[1]);
        char buffer[4096];
        for (ssize_t got; child > 0 && (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            output->append(buffer, static_cast<size_t>(got));
        ::close(pipeFds[0]);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

const std::vector<std::string> toolEnvironment = {"PATH=/usr/bin:/bin", "LC_ALL=C"};

// ---- The spool file --------------------------------------------------------------------

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

bool syncFile(int folder, const std::string& name)
{
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

// Keeps only the selected pages, with qpdf on the user's own file: outline, links and
// document information of the kept pages stay. Gives the name of the file to deliver.
std::string applyPageRanges(int folder, const std::string& temp, const std::string& options)
{
    std::string count;
    if (runProgram({"/usr/bin/qpdf", "--show-npages", temp}, toolEnvironment, folder, &count) != 0)
        return temp;
    const std::string ranges = qpdfPageRanges(options, std::atoi(count.c_str()));
    if (ranges.empty())
        return temp;
    const std::string selected = temp + ".pages";
    // Exit status 3: written, with warnings.
    const int status = runProgram({"/usr/bin/qpdf", temp, "--pages", ".", ranges, "--", selected},
                                  toolEnvironment, folder, nullptr);
    if ((status != 0 && status != 3) || !syncFile(folder, selected)) {
        ::unlinkat(folder, selected.c_str(), 0);
        log(LOG_WARNING, "could not select the pages %s; the whole document is kept", ranges.c_str());
        return temp;
    }
    ::unlinkat(folder, temp.c_str(), 0);
    log(LOG_INFO, "kept the pages %s", ranges.c_str());
    return selected;
}

// Moves temp to "<base>.pdf", "<base> 1.pdf", ... whichever is free; never replaces a file.
std::optional<std::string> moveIntoPlace(int folder, const std::string& temp, const std::string& base)
{
    for (int n = 0; n < 10000; ++n) {
        const std::string name = base + (n ? " " + std::to_string(n) : "") + ".pdf";
        if (::renameat2(folder, temp.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
            return name;
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system without the flag: a hard link fails just as surely on a taken name.
            if (::linkat(folder, temp.c_str(), folder, name.c_str(), 0) == 0) {
                ::unlinkat(folder, temp.c_str(), 0);
                return name;
            }
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    errno = EEXIST;
    return std::nullopt;
}

// ---- The user's session ----------------------------------------------------------------

bool hasDisplay(const std::vector<std::string>& environment)
{
    for (const std::string& entry : environment)
        if ((entry.rfind("DISPLAY=", 0) == 0 && entry.size() > 8) ||
            (entry.rfind("WAYLAND_DISPLAY=", 0) == 0 && entry.size() > 16))
            return true;
    return false;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    for (size_t i = 0; i < text.size();) {
        const size_t end = std::min(text.find(separator, i), text.size());
        if (end > i)
            parts.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return parts;
}

std::string readSmallFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The user's systemd manager, when it runs and knows a graphical session: the program then
// runs as a transient unit of the user, like anything the desktop starts.
bool startThroughSystemd(const char* program, const std::string& pdf, uid_t uid)
{
    const std::string runtime = "/run/user/" + std::to_string(uid);
    if (::access((runtime + "/bus").c_str(), F_OK) != 0)
        return false;
    const std::vector<std::string> env = {"PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                          "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime + "/bus"};
    std::string environment;
    if (runProgram({"/usr/bin/systemctl", "--user", "show-environment"}, env, -1, &environment) != 0 ||
        !hasDisplay(split(environment, '\n')))
        return false;
    return runProgram({"/usr/bin/systemd-run", "--user", "--quiet", "--collect", "--", program, pdf}, env, -1,
                      nullptr) == 0;
}

// Else the environment of one of the user's processes that carries a display, and its umask.
bool startInSessionOf(const char* program, const std::string& pdf, const Account& account)
{
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return false;
    std::vector<std::string> environment;
    mode_t mask = 022;
    while (const dirent* entry = ::readdir(proc)) {
        const std::string pid = entry->d_name;
        struct stat info
        {};
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == std::to_string(::getpid()) ||
            ::stat(("/proc/" + pid).c_str(), &info) != 0 || info.st_uid != account.uid)
            continue;
        environment = split(readSmallFile("/proc/" + pid + "/environ"), '\0');
        if (!hasDisplay(environment))
            continue;
        for (const std::string& line : split(readSmallFile("/proc/" + pid + "/status"), '\n'))
            if (line.rfind("Umask:", 0) == 0)
                mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
        break;
    }
    ::closedir(proc);
    if (!hasDisplay(environment))
        return false;

    const pid_t child = ::fork();
    if (child == 0) {
        // The grandchild belongs to no job of the print system and outlives the backend.
        ::setsid();
        if (::fork() != 0)
            ::_exit(0);
        ::umask(mask);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        ::close_range(3, ~0U, 0);
        if (::chdir(account.home.c_str()) != 0 && ::chdir("/") != 0)
            ::_exit(127);
        std::vector<char*> envp;
        for (std::string& e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program), const_cast<char*>(pdf.c_str()), nullptr};
        ::execve(program, argv, envp.data());
        ::_exit(127);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

int run(int argc, char** argv, const char* program)
{
    if (argc == 1) {
        std::puts("direct zirn:/ \"Zirn PDF Writer\" \"Zirn PDF Writer\"");
        return BackendOk;
    }
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
    if (account.uid == 0 || account.uid < firstUserUid("/etc/login.defs")) {
        log(LOG_ERR, "job %s refused: \"%s\" is not an ordinary user", job.c_str(), account.name.c_str());
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
    const int out =
        ::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool written = out >= 0 && writeAll(out, buffer.data(), filled);
    for (ssize_t got; written && (got = ::read(input, buffer.data(), buffer.size())) != 0;)
        written = got > 0 ? writeAll(out, buffer.data(), static_cast<size_t>(got)) : errno == EINTR;
    written = written && ::fsync(out) == 0;
    if (out >= 0)
        written = ::close(out) == 0 && written;
    ::close(input);
    if (!written) {
        log(LOG_ERR, "job %s: cannot write into %s: %s", job.c_str(), spool.c_str(), std::strerror(errno));
        if (out >= 0)
            ::unlinkat(folder, temp.c_str(), 0);
        return BackendCancel;
    }

    if (options.find("page-ranges=") != std::string::npos)
        temp = applyPageRanges(folder, temp, options);
    const auto name = moveIntoPlace(folder, temp, spoolNameFromTitle(title));
    if (!name) {
        log(LOG_ERR, "job %s: cannot name the file in %s: %s", job.c_str(), spool.c_str(),
            std::strerror(errno));
        ::unlinkat(folder, temp.c_str(), 0);
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
