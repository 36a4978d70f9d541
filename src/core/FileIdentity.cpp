#include "core/FileIdentity.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace zirn {

std::optional<FileIdentity> FileIdentity::of(const QString& path)
{
    struct stat info
    {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

void removeIfSame(const QString& path, const FileIdentity& identity)
{
    // A small window stays between the test and the removal; no system call removes a name
    // only if it still names a given file.
    if (FileIdentity::of(path) == identity)
        ::unlink(QFile::encodeName(path).constData());
}

} // namespace zirn
