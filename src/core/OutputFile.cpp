#include "core/OutputFile.h"

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
constexpr time_t staleAfterSeconds = 24 * 60 * 60;

QString temporaryName()
{
    return temporaryPrefix +
           QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0')) +
           temporarySuffix;
}

QString inFolder(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The process's umask, read without changing it (umask() would change it for a moment for
// every thread). The usual 022 where the kernel does not report it.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return static_cast<mode_t>(value & 0777u);
            }
        }
    }
    return 022;
}

} // namespace

OutputFile::OutputFile(int descriptor, QString folder, QString temporaryPath)
    : m_descriptor(descriptor), m_folder(std::move(folder)), m_temporaryPath(std::move(temporaryPath))
{}

OutputFile::~OutputFile()
{
    ::close(m_descriptor);
    if (!m_placed && !m_temporaryPath.isEmpty())
        ::unlink(QFile::encodeName(m_temporaryPath).constData());
}

std::unique_ptr<OutputFile> OutputFile::create(const QString& folder, FileFailure& failure)
{
    const QByteArray encodedFolder = QFile::encodeName(folder);
    const int anonymous = ::open(encodedFolder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonymous >= 0)
        return std::unique_ptr<OutputFile>(new OutputFile(anonymous, folder, {}));
    // Kernels and file systems without unnamed files answer one of these; everything else
    // (no such folder, no permission, a full disk) is the folder's own trouble.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        failure = {errno, {}};
        return nullptr;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = inFolder(folder, temporaryName());
        const int named = ::open(QFile::encodeName(path).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (named >= 0)
            return std::unique_ptr<OutputFile>(new OutputFile(named, folder, path));
        if (errno != EEXIST) {
            failure = {errno, {}};
            return nullptr;
        }
    }
    failure = {EEXIST, {}};
    return nullptr;
}

bool OutputFile::fail(int error)
{
    m_failure = {error, {}};
    return false;
}

bool OutputFile::write(const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_descriptor, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(ENOSPC);
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool OutputFile::sync()
{
    return ::fsync(m_descriptor) == 0 || fail(errno);
}

bool OutputFile::syncFolder()
{
    const int folder = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return fail(errno);
    const bool synced = ::fsync(folder) == 0 || fail(errno);
    ::close(folder);
    return synced;
}

// Gives the anonymous file the name path; fails with EEXIST when path is taken.
bool OutputFile::linkAs(const QString& path)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(m_descriptor);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    // Without /proc only the privileged form is left.
    if (errno == ENOENT && ::access("/proc/self/fd", F_OK) != 0 &&
        ::linkat(m_descriptor, "", AT_FDCWD, target.constData(), AT_EMPTY_PATH) == 0)
        return true;
    return fail(errno);
}

OutputFile::Placed OutputFile::claim(const QString& path)
{
    const QByteArray target = QFile::encodeName(path);
    bool linked = false;
    if (m_temporaryPath.isEmpty()) {
        linked = linkAs(path);
    } else {
        // A named file was made for its owner alone; the output gets the usual permissions.
        if (::fchmod(m_descriptor, 0666 & ~currentUmask()) != 0) {
            fail(errno);
            return Placed::Failed;
        }
        const QByteArray source = QFile::encodeName(m_temporaryPath);
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
            linked = true;
        } else if (errno == EINVAL || errno == ENOSYS) {
            // No exclusive rename on this file system: a hard link is exclusive too.
            linked = ::link(source.constData(), target.constData()) == 0 || fail(errno);
            if (linked)
                ::unlink(source.constData());
        } else {
            fail(errno);
        }
    }
    if (!linked)
        return m_failure.error == EEXIST ? Placed::Taken : Placed::Failed;
    m_placed = true;
    m_temporaryPath.clear();
    return syncFolder() ? Placed::Done : Placed::Failed;
}

bool OutputFile::replace(const QString& path)
{
    QString source = m_temporaryPath;
    if (source.isEmpty()) {
        // An anonymous file cannot be renamed over another: give it a hidden name first.
        for (int attempt = 0; attempt < 100 && source.isEmpty(); ++attempt) {
            const QString candidate = inFolder(m_folder, temporaryName());
            if (linkAs(candidate))
                source = candidate;
            else if (m_failure.error != EEXIST)
                return false;
        }
        if (source.isEmpty())
            return false;
    } else if (::fchmod(m_descriptor, 0666 & ~currentUmask()) != 0) {
        return fail(errno);
    }
    const QByteArray encodedSource = QFile::encodeName(source);
    if (::rename(encodedSource.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(encodedSource.constData());
        m_temporaryPath.clear();
        return fail(error);
    }
    m_placed = true;
    m_temporaryPath.clear();
    return syncFolder();
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

std::optional<FileIdentity> FileIdentity::of(const QString& path)
{
    struct stat info
    {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

bool removeIfSame(const QString& path, const FileIdentity& identity)
{
    // A small window stays between the test and the removal; no system call removes a name
    // only if it still names a given file.
    return FileIdentity::of(path) == identity && ::unlink(QFile::encodeName(path).constData()) == 0;
}

} // namespace zirn
