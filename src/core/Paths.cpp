#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <vector>

namespace zirn {

namespace {

const QString kApplicationFolder = QStringLiteral("org.zirn.PDFWriter");

// getpwnam_r/getpwuid_r with a buffer that grows as the entry needs it.
template <typename Lookup>
std::optional<passwd> lookupUser(Lookup lookup, std::vector<char>& buffer)
{
    buffer.resize(4096);
    for (;;) {
        passwd entry{};
        passwd* result = nullptr;
        const int rc = lookup(&entry, buffer.data(), buffer.size(), &result);
        if (rc == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (rc != 0 || result == nullptr)
            return std::nullopt;
        return entry;
    }
}

} // namespace

QString Paths::configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           kApplicationFolder;
}

QString Paths::settingsFile()
{
    return configFolder() + QStringLiteral("/Zirn.ini");
}

QString Paths::homeFolder()
{
    return QDir::homePath();
}

QString Paths::desktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        return homeFolder() + QStringLiteral("/Desktop");
    return desktop;
}

QString Paths::defaultOutputFolder()
{
    const QString desktop = desktopFolder();
    return QFileInfo(desktop).isDir() ? desktop : homeFolder();
}

bool Paths::makePrivateFolder(const QString& path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    for (qsizetype slash = absolute.indexOf(u'/', 1);; slash = absolute.indexOf(u'/', slash + 1)) {
        const QString part = slash < 0 ? absolute : absolute.first(slash);
        // An existing folder may answer EACCES or EROFS rather than EEXIST.
        if (::mkdir(QFile::encodeName(part).constData(), 0700) != 0 && !QFileInfo(part).isDir())
            return false;
        if (slash < 0)
            break;
    }
    return QFileInfo(absolute).isDir();
}

QString Paths::loginName()
{
    std::vector<char> buffer;
    const auto entry = lookupUser(
        [](passwd* e, char* b, size_t n, passwd** r) { return getpwuid_r(getuid(), e, b, n, r); }, buffer);
    if (entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString Paths::expandTilde(const QString& path)
{
    if (!path.startsWith(u'~'))
        return path;
    const qsizetype slash = path.indexOf(u'/');
    const QString user = path.mid(1, slash < 0 ? -1 : slash - 1);
    const QString rest = slash < 0 ? QString() : path.sliced(slash);
    if (user.isEmpty()) {
        QString home = homeFolder();
        if (home.endsWith(u'/') && rest.startsWith(u'/'))
            home.chop(1);
        return home + rest;
    }
    std::vector<char> buffer;
    const QByteArray name = user.toLocal8Bit();
    const auto entry = lookupUser([&name](passwd* e, char* b, size_t n,
                                          passwd** r) { return getpwnam_r(name.constData(), e, b, n, r); },
                                  buffer);
    if (!entry || !entry->pw_dir)
        return path;
    return QString::fromLocal8Bit(entry->pw_dir) + rest;
}

namespace {

qsizetype extensionDot(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > nameStart ? dot : -1;
}

} // namespace

QString Paths::pathExtension(const QString& path)
{
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.sliced(dot + 1);
}

QString Paths::deletingPathExtension(const QString& path)
{
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? path : path.first(dot);
}

std::string Paths::encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace zirn
