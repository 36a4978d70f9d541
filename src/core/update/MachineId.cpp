#include "core/update/MachineId.h"

#include "core/update/MachineFacts.h"

namespace zirn {

namespace {

// Adds up bytes or UTF-16 code units in 32 bits and keeps the low 8 bits of the sum.
class ByteSum
{
public:
    void add(const QByteArray& bytes)
    {
        for (const char byte : bytes)
            m_sum += static_cast<std::uint8_t>(byte);
    }
    void add(const QString& text)
    {
        for (const QChar c : text)
            m_sum += c.unicode();
    }
    std::uint8_t lowByte() const { return static_cast<std::uint8_t>(m_sum & 0xFF); }

private:
    quint32 m_sum = 0;
};

// The low byte of one fact's sum; 0 when the fact is unknown.
template <typename Text>
std::uint8_t lowByteOf(const std::optional<Text>& fact)
{
    if (!fact)
        return 0;
    ByteSum sum;
    sum.add(*fact);
    return sum.lowByte();
}

MachineFacts& systemMachineFacts()
{
    static LinuxMachineFacts facts;
    return facts;
}

} // namespace

std::uint8_t MachineId::serialNumberByte(MachineFacts& facts)
{
    return lowByteOf(facts.platformSerialNumber());
}

std::uint8_t MachineId::volumeUuidByte(MachineFacts& facts)
{
    return lowByteOf(facts.rootVolumeUuid());
}

std::uint8_t MachineId::linkAddressByte(MachineFacts& facts)
{
    const auto addresses = facts.linkAddresses();
    if (!addresses)
        return 0;
    ByteSum sum;
    // The whole list is walked: every Ethernet entry named exactly "en0" counts.
    // Deliberately the literal name, although Linux seldom has an "en0": the byte is then 0.
    for (const MachineFacts::LinkAddress& address : *addresses)
        if (address.ethernet && address.interfaceName == QLatin1String("en0"))
            sum.add(address.hardwareAddress);
    return sum.lowByte();
}

std::uint8_t MachineId::diskModelByte(MachineFacts& facts)
{
    const auto models = facts.ataDiskModels();
    if (!models)
        return 0;
    ByteSum sum;
    for (const QString& model : *models)
        sum.add(model);
    return sum.lowByte();
}

void MachineId::writeCheckByte(Bytes& b)
{
    b[7] =
        static_cast<std::uint8_t>(b[0] ^ b[1] ^ b[2] ^ b[3] ^ b[4] ^ b[5] ^ static_cast<std::uint8_t>(~b[6]));
}

QString MachineId::text(std::uint8_t kind, MachineFacts& facts)
{
    Bytes b{};
    b[0] = 0x10;
    b[1] = serialNumberByte(facts);
    b[2] = versionByte(systemVersion(facts));
    b[3] = volumeUuidByte(facts);
    b[4] = linkAddressByte(facts);
    b[5] = diskModelByte(facts);
    b[6] = kind;
    writeCheckByte(b);
    const auto hex = [](std::uint8_t byte) {
        return QStringLiteral("%1").arg(byte, 2, 16, QChar(u'0')).toUpper();
    };
    return hex(b[1]) + hex(b[0]) + u'-' + hex(b[3]) + hex(b[2]) + u'-' + hex(b[5]) + hex(b[4]) + u'-' +
           hex(b[7]) + hex(b[6]);
}

QString MachineId::text(std::uint8_t kind)
{
    return text(kind, systemMachineFacts());
}

std::int32_t MachineId::systemVersion(MachineFacts& facts)
{
    const auto major = facts.systemVersionPart(0);
    if (!major)
        return kVersionFailed;
    const std::int32_t adjustedMajor = *major >= 10 ? *major + 6 : *major;
    const auto minor = facts.systemVersionPart(1);
    if (!minor)
        return kVersionFailed;
    const auto patch = facts.systemVersionPart(2);
    if (!patch)
        return kVersionFailed;
    return (*minor << 4) | (adjustedMajor << 8) | *patch;
}

std::uint8_t MachineId::versionByte(std::int32_t packed)
{
    const auto p = static_cast<std::uint32_t>(packed);
    return static_cast<std::uint8_t>((((p >> 8) + 0xF1u) | (p & 0xF0u)) & 0xFFu);
}

} // namespace zirn
