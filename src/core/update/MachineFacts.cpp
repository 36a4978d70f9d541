#include "core/update/MachineFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

#include <ifaddrs.h>
#include <net/if_arp.h>
#include <netpacket/packet.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>

namespace zirn {

namespace {

std::optional<QString> readTrimmed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll()).trimmed();
}

} // namespace

LinuxMachineFacts::LinuxMachineFacts(QString root) : m_root(std::move(root)) {}

QString LinuxMachineFacts::path(const QString& relative) const
{
    return QDir(m_root).filePath(relative);
}

std::optional<QString> LinuxMachineFacts::platformSerialNumber()
{
    return readTrimmed(path(QStringLiteral("sys/class/dmi/id/product_serial")));
}

QByteArray LinuxMachineFacts::parseUuidText(const QString& text)
{
    QString digits = text;
    digits.remove(u'-');
    const QByteArray bytes = QByteArray::fromHex(digits.toLatin1());
    return digits.size() % 2 == 0 && bytes.size() * 2 == digits.size() ? bytes : QByteArray();
}

std::optional<QByteArray> LinuxMachineFacts::rootVolumeUuid()
{
    struct stat rootInfo
    {};
    if (::stat(QFile::encodeName(m_root).constData(), &rootInfo) != 0)
        return std::nullopt;
    for (const char* folder : {"dev/disk/by-uuid", "dev/disk/by-partuuid"}) {
        const QDir dir(path(QString::fromLatin1(folder)));
        const QStringList names = dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names) {
            struct stat device
            {};
            if (::stat(QFile::encodeName(dir.filePath(name)).constData(), &device) != 0)
                continue;
            if (S_ISBLK(device.st_mode) && device.st_rdev == rootInfo.st_dev) {
                const QByteArray bytes = parseUuidText(name);
                if (!bytes.isEmpty())
                    return bytes;
            }
        }
    }
    return std::nullopt;
}

std::optional<QList<MachineFacts::LinkAddress>> LinuxMachineFacts::linkAddresses()
{
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return std::nullopt;
    QList<LinkAddress> result;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_PACKET)
            continue;
        sockaddr_ll link{};
        std::memcpy(&link, entry->ifa_addr, sizeof link);
        const auto length = std::min<std::size_t>(link.sll_halen, sizeof link.sll_addr);
        result.append(
            {QString::fromLocal8Bit(entry->ifa_name), link.sll_hatype == ARPHRD_ETHER,
             QByteArray(reinterpret_cast<const char*>(link.sll_addr), static_cast<qsizetype>(length))});
    }
    ::freeifaddrs(list);
    if (result.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<QStringList> LinuxMachineFacts::ataDiskModels()
{
    const QDir blocks(path(QStringLiteral("sys/block")));
    QStringList models;
    static const QRegularExpression ataHost(QStringLiteral("/ata[0-9]+/"));
    for (const QString& disk : blocks.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString device = QFileInfo(blocks.filePath(disk)).canonicalFilePath();
        if (!ataHost.match(device).hasMatch())
            continue;
        if (const auto model = readTrimmed(blocks.filePath(disk + QStringLiteral("/device/model"))))
            models.append(*model);
    }
    if (models.isEmpty())
        return std::nullopt;
    return models;
}

std::optional<std::array<int, 3>> LinuxMachineFacts::parseKernelRelease(const QString& release)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = pattern.match(release);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok[3] = {true, true, true};
    std::array<int, 3> parts{match.captured(1).toInt(&ok[0]), match.captured(2).toInt(&ok[1]),
                             match.captured(3).isEmpty() ? 0 : match.captured(3).toInt(&ok[2])};
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return parts;
}

std::optional<int> LinuxMachineFacts::systemVersionPart(int part)
{
    utsname names{};
    if (part < 0 || part > 2 || ::uname(&names) != 0)
        return std::nullopt;
    const auto parts = parseKernelRelease(QString::fromLatin1(names.release));
    if (!parts)
        return std::nullopt;
    return (*parts)[static_cast<std::size_t>(part)];
}

} // namespace zirn
