#include "core/update/C_SerialNumber.h"

#include "TestSupport.h"
#include "core/update/MachineFacts.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zirn;

namespace {

class FakeFacts : public MachineFacts
{
public:
    std::optional<QString> platformSerialNumber() override { return serial; }
    std::optional<QByteArray> rootVolumeUuid() override { return uuid; }
    std::optional<QList<LinkAddress>> linkAddresses() override { return links; }
    std::optional<QStringList> ataDiskModels() override { return models; }
    std::optional<int> systemVersionPart(int part) override
    {
        return version[static_cast<std::size_t>(part)];
    }

    std::optional<QString> serial;
    std::optional<QByteArray> uuid;
    std::optional<QList<LinkAddress>> links;
    std::optional<QStringList> models;
    std::array<std::optional<int>, 3> version{};
};

std::uint8_t xorOfText(const QString& text)
{
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1().replace('-', ""));
    std::uint8_t x = 0;
    for (const char b : bytes)
        x ^= static_cast<std::uint8_t>(b);
    return x;
}

} // namespace

TEST(MachineIdentifier, WorkedExamples)
{
    FakeFacts nothing;
    EXPECT_EQ(C_SerialNumber::getSerialNumber(4, nothing), QStringLiteral("0010-0041-0000-AA04"));

    // A serial whose code units add up to 0x1C6, 10.15.7, en0 at 00:11:22:33:44:55.
    FakeFacts machine;
    machine.serial = QStringLiteral("aaaa"); // 4 * 0x61 = 0x184
    machine.serial->append(QChar(0x1C6 - 0x184));
    machine.version = {10, 15, 7};
    machine.links = QList<MachineFacts::LinkAddress>{{"en0", true, QByteArray::fromHex("001122334455")}};
    EXPECT_EQ(C_SerialNumber::getSerialNumber(4, machine), QStringLiteral("C610-00F1-00FF-2304"));
}

TEST(MachineIdentifier, ByteRules)
{
    FakeFacts f;
    // Only Ethernet entries of exactly "en0" count, all of them.
    f.links = QList<MachineFacts::LinkAddress>{{"en0", false, QByteArray::fromHex("ffffffffffff")},
                                               {"en1", true, QByteArray::fromHex("0101")},
                                               {"en0", true, QByteArray::fromHex("0102")},
                                               {"lo", true, QByteArray::fromHex("ff")},
                                               {"en0", true, QByteArray::fromHex("04")}};
    EXPECT_EQ(C_SerialNumber::getMacAddress(f), 0x07);
    f.uuid = QByteArray(16, '\x20'); // 16 * 0x20 = 0x200
    EXPECT_EQ(C_SerialNumber::getVolumeUUID(f), 0x00);
    f.uuid = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10");
    EXPECT_EQ(C_SerialNumber::getVolumeUUID(f), 0x88);
    f.models = QStringList{QStringLiteral("AB"), QStringLiteral("C")}; // 0x41 + 0x42 + 0x43
    EXPECT_EQ(C_SerialNumber::getInquiry(f), 0xC6);
    f.serial = QStringLiteral("€"); // one code unit 0x20AC
    EXPECT_EQ(C_SerialNumber::getSerialNumberKey(f), 0xAC);

    EXPECT_EQ(C_MacVersion::versionByte(0x10F7), 0xF1);
    EXPECT_EQ(C_MacVersion::versionByte(0x1100), 0x02);
    EXPECT_EQ(C_MacVersion::versionByte(0x1450), 0x55);
    EXPECT_EQ(C_MacVersion::versionByte(C_MacVersion::kFailed), 0x41);
}

TEST(MachineIdentifier, PackedVersion)
{
    using V = std::array<std::optional<int>, 3>;
    const std::pair<V, std::int32_t> cases[] = {
        {{10, 15, 7}, 0x10F7},
        {{14, 5, 0}, 0x1450},
        {{6, 1, 0}, 0x0610},                      // a Linux kernel
        {{6, 17, 20}, (17 << 4) | (6 << 8) | 20}, // parts are not masked
        {{std::nullopt, 1, 0}, C_MacVersion::kFailed},
        {{6, std::nullopt, 0}, C_MacVersion::kFailed},
        {{6, 1, std::nullopt}, C_MacVersion::kFailed},
    };
    for (const auto& [version, packed] : cases) {
        FakeFacts f;
        f.version = version;
        EXPECT_EQ(C_MacVersion::Get(f), packed);
    }
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("6.1.0-28-amd64"), (std::array<int, 3>{6, 1, 0}));
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("5.15"), (std::array<int, 3>{5, 15, 0}));
    EXPECT_FALSE(LinuxMachineFacts::parseKernelRelease("unknown").has_value());
}

TEST(MachineIdentifier, CheckByteMakesTheXorFF)
{
    QRandomGenerator random(42);
    for (int round = 0; round < 200; ++round) {
        FakeFacts f;
        f.serial = QString::number(random.generate());
        f.uuid = QByteArray::number(random.generate64());
        f.links = QList<MachineFacts::LinkAddress>{{"en0", true, QByteArray::number(random.generate())}};
        f.models = QStringList{QString::number(random.generate())};
        f.version = {static_cast<int>(random.bounded(30)), static_cast<int>(random.bounded(30)),
                     static_cast<int>(random.bounded(30))};
        const auto kind = static_cast<std::uint8_t>(random.bounded(256));
        const QString text = C_SerialNumber::getSerialNumber(kind, f);
        ASSERT_EQ(text.size(), 19);
        EXPECT_EQ(xorOfText(text), 0xFF) << text.toStdString();
        EXPECT_TRUE(text.mid(2, 2) == QStringLiteral("10"));
    }
    // The real machine's identifier has the same form.
    const QString real = C_SerialNumber::getSerialNumber(4);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{2}10-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{2}04$"))
                    .match(real)
                    .hasMatch())
        << real.toStdString();
    EXPECT_EQ(xorOfText(real), 0xFF);
}

TEST(MachineIdentifier, LinuxFactsFromAFakeTree)
{
    const QString root = test::scratchHome() + QStringLiteral("/fakeroot");
    QDir().mkpath(root + QStringLiteral("/sys/class/dmi/id"));
    QDir().mkpath(
        root +
        QStringLiteral("/sys/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda"));
    QDir().mkpath(root + QStringLiteral("/sys/devices/pci0000:00/0000:00:1d.0/nvme/nvme0/nvme0n1/device"));
    QDir().mkpath(root + QStringLiteral("/sys/block"));
    test::writeFile(root + QStringLiteral("/sys/class/dmi/id/product_serial"), "PF3XYZ12\n");
    const QString ata =
        root + QStringLiteral("/sys/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0");
    test::writeFile(ata + QStringLiteral("/model"), "Samsung SSD 860   \n");
    QFile::link(ata + QStringLiteral("/block/sda"), root + QStringLiteral("/sys/block/sda"));
    QFile::link(ata, ata + QStringLiteral("/block/sda/device"));
    const QString nvme = root + QStringLiteral("/sys/devices/pci0000:00/0000:00:1d.0/nvme/nvme0/nvme0n1");
    test::writeFile(nvme + QStringLiteral("/device/model"), "NVMe disk\n");
    QFile::link(nvme, root + QStringLiteral("/sys/block/nvme0n1"));

    LinuxMachineFacts facts(root);
    EXPECT_EQ(facts.platformSerialNumber(), QStringLiteral("PF3XYZ12"));
    EXPECT_EQ(facts.ataDiskModels(), QStringList{QStringLiteral("Samsung SSD 860")});
    EXPECT_EQ(LinuxMachineFacts::parseUuidText(QStringLiteral("3f2a-01")), QByteArray::fromHex("3f2a01"));
    EXPECT_TRUE(LinuxMachineFacts::parseUuidText(QStringLiteral("nonsense")).isEmpty());

    LinuxMachineFacts empty(root + QStringLiteral("/nothing"));
    EXPECT_FALSE(empty.platformSerialNumber().has_value());
    EXPECT_FALSE(empty.ataDiskModels().has_value());
}
