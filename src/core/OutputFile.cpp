#include "core/OutputFile.h"

#include "core/Paths.h"
#include "core/files/Files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zirn {

namespace {

const QString temporaryPrefix = QStringLiteral(".zirn-");
const QString temporarySuffix = QStringLiteral(".part");
// The replaced file, for a moment, where the file system's rename never replaces. Not a
// temporary file for removeStale: should it stay, it is the user's earlier file.
const QString asideSuffix = QStringLiteral(".old");
constexpr time_t staleAfterSeconds = 24 * 60 * 60;

QString temporaryName(const QString& suffix = temporarySuffix)
{
    return temporaryPrefix +
           QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0')) + suffix;
}

// The reason in errno, as a failure.
std::optional<FileFailure> systemFailure()
{
    return FileFailure{errno, {}};
}

} // namespace

OutputFile::OutputFile(int descriptor, std::string folder, std::string temporaryPath)
    : m_descriptor(descriptor), m_folder(std::move(folder)), m_temporaryPath(std::move(temporaryPath))
{}

OutputFile::~OutputFile()
{
    ::close(m_descriptor);
    if (!m_placed && !m_temporaryPath.empty())
        ::unlink(m_temporaryPath.c_str());
}

std::unique_ptr<OutputFile> OutputFile::create(const QString& folder, FileFailure& failure)
{
    const std::string encodedFolder = Paths::encoded(folder);
    const int anonymous = ::open(encodedFolder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonymous >= 0)
        return std::unique_ptr<OutputFile>(new OutputFile(anonymous, encodedFolder, {}));
    // Kernels and file systems without unnamed files answer one of these; everything else
    // (no such folder, no permission, a full disk) is the folder's own trouble.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        failure = {errno, {}};
        return nullptr;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = files::join(encodedFolder, Paths::encoded(temporaryName()));
        const int named = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (named >= 0)
            return std::unique_ptr<OutputFile>(new OutputFile(named, encodedFolder, std::move(path)));
        if (errno != EEXIST) {
            failure = {errno, {}};
            return nullptr;
        }
    }
    failure = {EEXIST, {}};
    return nullptr;
}

std::optional<FileFailure> OutputFile::write(const char* data, size_t size)
{
    if (files::writeAll(m_descriptor, data, size))
        return std::nullopt;
    return systemFailure();
}

std::optional<FileFailure> OutputFile::sync()
{
    if (::fsync(m_descriptor) == 0)
        return std::nullopt;
    return systemFailure();
}

// Brings the new name to the disk where that can be done. A folder that its user may write
// into but not read (a drop folder) cannot be opened for it, and some file systems have no
// such sync: the file has its name all the same.
void OutputFile::syncFolder()
{
    const int folder = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// Gives the anonymous file the name path; fails with EEXIST when path is taken.
std::optional<FileFailure> OutputFile::linkAs(const std::string& path)
{
    const std::string self = "/proc/self/fd/" + std::to_string(m_descriptor);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return std::nullopt;
    // Without /proc only the privileged form is left.
    if (errno == ENOENT && ::access("/proc/self/fd", F_OK) != 0 &&
        ::linkat(m_descriptor, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0)
        return std::nullopt;
    return systemFailure();
}

// A file made under a temporary name was made for its owner alone; the output gets the usual
// permissions where the file system keeps any (FAT and exFAT refuse to change them).
void OutputFile::takeUsualPermissions()
{
    ::fchmod(m_descriptor, 0666 & ~files::umaskOf());
}

std::optional<FileFailure> OutputFile::claim(const QString& path)
{
    const std::string target = Paths::encoded(path);
    if (m_temporaryPath.empty()) {
        if (std::optional<FileFailure> failure = linkAs(target))
            return failure;
    } else {
        takeUsualPermissions();
        if (!files::renameNoReplace(AT_FDCWD, m_temporaryPath, target))
            return systemFailure();
    }
    m_placed = true;
    m_temporaryPath.clear();
    syncFolder();
    return std::nullopt;
}

std::optional<FileFailure> OutputFile::replace(const QString& path)
{
    std::string source = m_temporaryPath;
    if (source.empty()) {
        // An anonymous file cannot be renamed over another: give it a hidden name first.
        std::optional<FileFailure> failure;
        for (int attempt = 0; attempt < 100 && source.empty(); ++attempt) {
            std::string candidate = files::join(m_folder, Paths::encoded(temporaryName()));
            failure = linkAs(candidate);
            if (!failure)
                source = std::move(candidate);
            else if (failure->error != EEXIST)
                return failure;
        }
        if (source.empty())
            return failure;
    } else {
        takeUsualPermissions();
    }
    const std::string aside = files::join(m_folder, Paths::encoded(temporaryName(asideSuffix)));
    if (!files::renameReplacing(AT_FDCWD, source, Paths::encoded(path), aside)) {
        const std::optional<FileFailure> failure = systemFailure();
        ::unlink(source.c_str());
        m_temporaryPath.clear();
        return failure;
    }
    m_placed = true;
    m_temporaryPath.clear();
    syncFolder();
    return std::nullopt;
}

void OutputFile::removeStale(const QString& folder)
{
    static const QRegularExpression ours(QStringLiteral("^\\.zirn-[0-9a-f]{16}\\.part$"));
    const QDir dir(folder);
    const time_t limit = std::time(nullptr) - staleAfterSeconds;
    const QStringList candidates =
        dir.entryList({temporaryPrefix + u'*' + temporarySuffix}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        if (!ours.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info
        {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_mtime < limit)
            ::unlink(path.constData());
    }
}

} // namespace zirn
