#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zirn {

class DefaultsStore;
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

    // The eight bytes b0..b7 (b7 the check byte) and their text form.
    static Bytes identifierBytes(std::uint8_t kind, MachineFacts& facts);
    static QString format(const Bytes& bytes);

    static std::uint8_t getSerialNumberKey(MachineFacts& facts);
    static std::uint8_t getVolumeUUID(MachineFacts& facts);
    static std::uint8_t getMacAddress(MachineFacts& facts);
    static std::uint8_t getInquiry(MachineFacts& facts);

    // Writes b7 so that the XOR of all eight bytes is 0xFF.
    static void calculateChecksum(Bytes& bytes);

    // The random UUID kept under "UUID" in the store, created and flushed on first use.
    static QString generateOrGetUuid(DefaultsStore& store);

    // The low 8 bits of the sum of the text's UTF-16 code units.
    static std::uint8_t sumOfCodeUnits(const QString& text);
};

// The packed version of the operating system, and two descriptive texts.
class C_MacVersion
{
public:
    static constexpr std::int32_t kFailed = 0x1040;

    // (minor << 4) | (major' << 8) | patch, with major' = major + 6 for majors of 10 and
    // more; kFailed when any part cannot be queried. Parts are not masked.
    static std::int32_t Get();
    static std::int32_t Get(MachineFacts& facts);

    // The identifier byte of a packed version: ((P >> 8) + 0xF1) | (P & 0xF0), low 8 bits.
    static std::uint8_t versionByte(std::int32_t packed);

    // The CPU brand with runs of blanks collapsed, and the machine model; empty if unknown.
    static QString getCPU();
    static QString getCPU(MachineFacts& facts);
    static QString getMachine();
    static QString getMachine(MachineFacts& facts);

    // Trims and halves every run of blanks seven times over (runs of up to 128 end as one).
    static QString collapseBlanks(const QString& text);
};

// This machine's facts, shared by the class operations above.
MachineFacts& systemMachineFacts();

} // namespace zirn
