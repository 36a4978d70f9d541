#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace zirn {

// Why a file operation failed: the system's error number, or 0 with a message of the
// library that failed (the PDF writer's, for example).
struct FileFailure
{
    int error = 0;
    QString message;
};

// A new file in a folder that has no name until it is complete, so that nobody sees half a
// file and a name is claimed only at the moment the file is put in place. Where the file
// system allows it the file is anonymous (it vanishes by itself if the process dies before
// it has a name); elsewhere it is a hidden ".zirn-<random>.part" file readable by its owner
// only, which a later run removes once it is a day old. Closing without placing the file
// removes it.
class OutputFile
{
public:
    // Nothing when no file can be made in folder; failure then says why.
    static std::unique_ptr<OutputFile> create(const QString& folder, FileFailure& failure);

    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Each of the following gives nothing when it succeeds, and why not when it fails.

    // Writes all of data.
    std::optional<FileFailure> write(const char* data, size_t size);

    // Brings the contents to the disk. Done before the file gets its name, so that a name
    // never stands for data that a power cut could take away.
    std::optional<FileFailure> sync();

    // Gives the file the name path (in the folder of create) unless something has it: the
    // error is EEXIST then, and that entry is untouched and the file still has no name.
    // EOPNOTSUPP (or ENOSYS) from this and replace: the file system cannot rename files;
    // EINVAL from this: it cannot hold the name.
    // Once the file has its name, it has succeeded.
    std::optional<FileFailure> claim(const QString& path);

    // Gives the file the name path, replacing a file that has it.
    std::optional<FileFailure> replace(const QString& path);

    // Removes this program's temporary files older than a day from folder. Files of other
    // users and anything else are left alone.
    static void removeStale(const QString& folder);

private:
    OutputFile(int descriptor, std::string folder, std::string temporaryPath);
    std::optional<FileFailure> linkAs(const std::string& path);
    void takeUsualPermissions();
    void syncFolder();

    int m_descriptor = -1;
    std::string m_folder;        // in the file system's encoding, as the paths below
    std::string m_temporaryPath; // empty for an anonymous file, and once the file has a name
    bool m_placed = false;
};

} // namespace zirn
