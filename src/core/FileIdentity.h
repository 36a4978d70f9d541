#pragma once

#include <QString>

#include <sys/types.h>

#include <optional>

namespace zirn {

// The document handed over to the program is deleted at the end of the run, but only while its
// path still names the file that was handed over: another job may have been spooled under the
// same name since.

// Which file a path names (device and inode), to tell later whether the path still names it.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;

    // The identity of what path names now (following links), or nothing.
    static std::optional<FileIdentity> of(const QString& path);
    bool operator==(const FileIdentity&) const = default;
};

// Deletes path only while it still names the file identified.
void removeIfSame(const QString& path, const FileIdentity& identity);

} // namespace zirn
