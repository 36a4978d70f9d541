#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zirn {

class MachineFacts;

// The machine identifier sent with the update request: five facts of the machine, each
// boiled down to one byte, with a constant byte, a kind byte and a check byte, written as
// "XXXX-XXXX-XXXX-XXXX". Only these reduced bytes leave the machine.
class C_SerialNumber
{
public:
    using Bytes = std::array<std::uint8_t, 8>;

    // The text for kind (the update request passes 4), from this machine's facts.
    static QString getSerialNumber(std::uint8_t kind);
    static QString getSerialNumber(std::uint8_t kind, MachineFacts& facts);

    static std::uint8_t getSerialNumberKey(MachineFacts& facts);
    static std::uint8_t getVolumeUUID(MachineFacts& facts);
    static std::uint8_t getMacAddress(MachineFacts& facts);
    static std::uint8_t getInquiry(MachineFacts& facts);

    // Writes b7 so that the XOR of all eight bytes is 0xFF.
    static void calculateChecksum(Bytes& bytes);
};

// The packed version of the operating system.
class C_MacVersion
{
public:
    static constexpr std::int32_t kFailed = 0x1040;

    // (minor << 4) | (major' << 8) | patch, with major' = major + 6 for majors of 10 and
    // more; kFailed when any part cannot be queried. Parts are not masked.
    static std::int32_t Get(MachineFacts& facts);

    // The identifier byte of a packed version: ((P >> 8) + 0xF1) | (P & 0xF0), low 8 bits.
    static std::uint8_t versionByte(std::int32_t packed);
};

} // namespace zirn
