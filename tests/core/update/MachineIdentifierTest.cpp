#include "core/update/C_SerialNumber.h"

#include "TestSupport.h"
#include "core/update/MachineFacts.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zirn;
using Link = MachineFacts::LinkAddress;

namespace {

struct Facts
{
    std::optional<QString> serial;
    std::optional<QByteArray> uuid;
    std::optional<QList<Link>> links;
    std::optional<QStringList> models;
    std::array<std::optional<int>, 3> version{};
};

class FakeFacts : public MachineFacts
{
public:
    explicit FakeFacts(Facts facts) : f(std::move(facts)) {}
    std::optional<QString> platformSerialNumber() override { return f.serial; }
    std::optional<QByteArray> rootVolumeUuid() override { return f.uuid; }
    std::optional<QList<Link>> linkAddresses() override { return f.links; }
    std::optional<QStringList> ataDiskModels() override { return f.models; }
    std::optional<int> systemVersionPart(int part) override
    {
        return f.version[static_cast<std::size_t>(part)];
    }
    Facts f;
};

} // namespace

// Each row: the identifier, the kind byte, and what the machine tells. The check byte (third
// from last) makes the XOR of all eight bytes 0xFF.
TEST(MachineIdentifier, WorkedExamples)
{
    const auto hex = [](const char* digits) { return QByteArray::fromHex(digits); };
    // clang-format off
    const std::tuple<const char*, std::uint8_t, Facts> cases[] = {
        {"0010-0041-0000-AA04", 4, {}},
        // Code units adding up to 0x1C6, 10.15.7, en0 at 00:11:22:33:44:55.
        {"C610-00F1-00FF-2304", 4, {.serial = "aaaa" + QString(QChar(0x1C6 - 0x184)),
                                    .links = QList<Link>{{"en0", true, hex("001122334455")}},
                                    .version = {10, 15, 7}}},
        // One code unit 0x20AC; only Ethernet entries of exactly "en0" count, all of them.
        {"AC10-8855-C607-5B04", 4, {.serial = "€", .uuid = hex("0102030405060708090a0b0c0d0e0f10"),
                                    .links = QList<Link>{{"en0", false, hex("ff")}, {"en1", true, hex("01")},
                                                         {"en0", true, hex("0102")}, {"lo", true, hex("ff")},
                                                         {"en0", true, hex("04")}},
                                    .models = QStringList{"AB", "C"}, .version = {14, 5, 0}}},
        {"0010-00F7-0000-8199", 0x99, {.uuid = QByteArray(16, '\x20'), .version = {6, 1, 0}}},
        {"0010-0041-0000-AA04", 4, {.version = {6, std::nullopt, 0}}},
        {"0010-0041-0000-AA04", 4, {.version = {6, 1, std::nullopt}}},
    };
    // clang-format on
    for (const auto& [identifier, kind, facts] : cases) {
        FakeFacts f(facts);
        EXPECT_EQ(C_SerialNumber::getSerialNumber(kind, f), QString::fromUtf8(identifier));
    }
    // The carry out of the top byte is lost; the minor part is not masked.
    EXPECT_EQ(C_MacVersion::versionByte(0x1100), 0x02);
    FakeFacts unmasked({.version = {6, 17, 20}});
    EXPECT_EQ(C_MacVersion::Get(unmasked), (17 << 4) | (6 << 8) | 20);
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("6.1.0-28-amd64"), (std::array<int, 3>{6, 1, 0}));
    EXPECT_EQ(LinuxMachineFacts::parseKernelRelease("5.15"), (std::array<int, 3>{5, 15, 0}));
    EXPECT_FALSE(LinuxMachineFacts::parseKernelRelease("unknown").has_value());
}

TEST(MachineIdentifier, LinuxFacts)
{
    // The real machine's identifier has the same form.
    const QString real = C_SerialNumber::getSerialNumber(4);
    EXPECT_TRUE(
        QRegularExpression("^[0-9A-F]{2}10-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{2}04$").match(real).hasMatch())
        << real.toStdString();
    // A fake tree: the serial, and the model of an ATA disk but not of an NVMe disk.
    const QString root = test::freshFolder("facts");
    for (const char* folder :
         {"/sys/class/dmi/id", "/sys/block", "/sys/devices/ata1/sda/device", "/sys/devices/nvme0n1/device"})
        QDir().mkpath(root + folder);
    test::writeFile(root + "/sys/class/dmi/id/product_serial", "PF3XYZ12\n");
    test::writeFile(root + "/sys/devices/ata1/sda/device/model", "Samsung SSD 860   \n");
    test::writeFile(root + "/sys/devices/nvme0n1/device/model", "NVMe disk\n");
    QFile::link(root + "/sys/devices/ata1/sda", root + "/sys/block/sda");
    QFile::link(root + "/sys/devices/nvme0n1", root + "/sys/block/nvme0n1");
    LinuxMachineFacts facts(root);
    EXPECT_EQ(facts.platformSerialNumber(), QStringLiteral("PF3XYZ12"));
    EXPECT_EQ(facts.ataDiskModels(), QStringList{"Samsung SSD 860"});
    EXPECT_EQ(LinuxMachineFacts::parseUuidText("3f2a-01"), QByteArray::fromHex("3f2a01"));
    EXPECT_TRUE(LinuxMachineFacts::parseUuidText("nonsense").isEmpty());
    LinuxMachineFacts empty(root + "/nothing");
    EXPECT_FALSE(empty.platformSerialNumber().has_value() || empty.ataDiskModels().has_value());
}
