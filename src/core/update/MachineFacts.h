#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zirn {

// The hardware and system facts the machine identifier is made of. Every query may fail
// (nothing); the identifier then uses 0 for that fact. Tests supply chosen facts.
class MachineFacts
{
public:
    struct LinkAddress
    {
        QString interfaceName;
        bool ethernet = false; // link type Ethernet
        QByteArray hardwareAddress;
    };

    virtual ~MachineFacts() = default;

    virtual std::optional<QString> platformSerialNumber() = 0;
    // The root file system's UUID, else the UUID of the partition that holds it.
    virtual std::optional<QByteArray> rootVolumeUuid() = 0;
    // Every link-layer address of every interface; nothing when the list cannot be read.
    virtual std::optional<QList<LinkAddress>> linkAddresses() = 0;
    // Model strings of the disks behind a SATA (AHCI) controller; nothing when none.
    virtual std::optional<QStringList> ataDiskModels() = 0;
    // Operating system version parts: 0 major, 1 minor, 2 patch.
    virtual std::optional<int> systemVersionPart(int part) = 0;
};

// The facts of this Linux machine:
//  - serial number: /sys/class/dmi/id/product_serial (readable by root only on most systems);
//  - volume UUID: the entry of /dev/disk/by-uuid (else by-partuuid) whose device is the one
//    "/" is mounted from;
//  - link addresses: getifaddrs(), AF_PACKET entries, Ethernet when ARPHRD_ETHER;
//  - disk models: /sys/block/<disk>/device/model of disks whose device path runs through a
//    libata host ("/ata<n>/"), which is how SATA/AHCI disks appear;
//  - system version: the kernel release from uname(), "6.1.0-28-amd64" giving 6, 1, 0.
// Paths are relative to a root folder so that tests can point them at a fake tree.
class LinuxMachineFacts : public MachineFacts
{
public:
    explicit LinuxMachineFacts(QString root = QStringLiteral("/"));

    std::optional<QString> platformSerialNumber() override;
    std::optional<QByteArray> rootVolumeUuid() override;
    std::optional<QList<LinkAddress>> linkAddresses() override;
    std::optional<QStringList> ataDiskModels() override;
    std::optional<int> systemVersionPart(int part) override;

    // "6.1.0-28-amd64" -> {6, 1, 0}; a missing patch number counts as 0.
    static std::optional<std::array<int, 3>> parseKernelRelease(const QString& release);
    // The bytes written as hexadecimal digits in a UUID text, hyphens skipped.
    static QByteArray parseUuidText(const QString& text);

private:
    QString path(const QString& relative) const;
    QString m_root;
};

} // namespace zirn
