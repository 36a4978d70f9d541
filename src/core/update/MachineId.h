#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zirn {

class MachineFacts;

// The machine identifier sent with the update request: five facts of the machine, each
// boiled down to one byte, with a constant byte, a kind byte and a check byte, written as
// "XXXX-XXXX-XXXX-XXXX". Only these reduced bytes leave the machine.
class MachineId
{
public:
    using Bytes = std::array<std::uint8_t, 8>;

    // The text for kind (the update request passes 4), from this machine's facts.
    static QString text(std::uint8_t kind);
    static QString text(std::uint8_t kind, MachineFacts& facts);

    static std::uint8_t serialNumberByte(MachineFacts& facts);
    static std::uint8_t volumeUuidByte(MachineFacts& facts);
    static std::uint8_t linkAddressByte(MachineFacts& facts);
    static std::uint8_t diskModelByte(MachineFacts& facts);

    // Writes b7 so that the XOR of all eight bytes is 0xFF.
    static void writeCheckByte(Bytes& bytes);

    // The packed version of the operating system (the kernel release on Linux): (minor << 4) |
    // (major' << 8) | patch, with major' = major + 6 for majors of 10 and more;
    // kVersionFailed when any part cannot be queried. Parts are not masked.
    static constexpr std::int32_t kVersionFailed = 0x1040;
    static std::int32_t systemVersion(MachineFacts& facts);

    // The identifier byte of a packed version: ((P >> 8) + 0xF1) | (P & 0xF0), low 8 bits.
    static std::uint8_t versionByte(std::int32_t packed);
};

} // namespace zirn
