#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QVariant>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <unistd.h>

// Readable values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}

namespace zirn::test {

// The scratch home folder of this test program ($HOME).
QString scratchHome();

// A fresh folder for the running test: <scratch home>/<area>/<test name>, emptied first.
QString freshFolder(const QString& area);

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the event loop until done() is true or the time is up; true when done.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A FUSE file system (no exclusive rename, no hard links) on a fresh image at folder until the
// result goes: "exfat" (exfat-fuse, its files owned by owner) or "fat" (fusefat). Nothing without
// root, /dev/fuse or the tools (scripts/deps.sh lists them for the tests as root).
inline std::shared_ptr<std::string> mountFuse(const std::string& kind, const std::string& folder,
                                              uid_t owner = 0)
{
    const std::string at = " '" + folder + "'", image = " '" + folder + ".img'";
    const std::string mount =
        kind == "exfat"
            ? "mkfs.exfat" + image + " && mount -t exfat-fuse -o loop,uid=" + std::to_string(owner)
            : "mkfs.vfat" + image + " && fusefat -o rw+";
    // The image goes once mounted: the mount keeps it open.
    const std::string script = "{ mkdir -p" + at + " && truncate -s 32M" + image + " && " + mount + image +
                               at + "; } >/dev/null 2>&1; s=$?; rm -f" + image + "; exit $s";
    if (::getuid() != 0 || std::system(script.c_str()) != 0)
        return std::fprintf(stderr, "No %s on FUSE here: its cases are skipped.\n", kind.c_str()), nullptr;
    return {new std::string("umount" + at), [](std::string* umount) {
                [[maybe_unused]] const int status = std::system(umount->c_str());
                delete umount;
            }};
}

} // namespace zirn::test
