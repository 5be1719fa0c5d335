#pragma once

// The receiver's memory map: every radio address the program uses is named here and nowhere else.

#include <cstdint>
#include <string>

namespace r36::image {

/// Address text of a command: upper-case hex, left-padded with "0" to at least five digits
/// (0x00A00 -> "00A00", 0x0FD00 -> "0FD00").
std::string hexAddress(std::uint32_t address);

// The receiver reads in lines of 32 bytes and writes pieces of 1..32 bytes.
inline constexpr int kLineBytes = 32;
inline constexpr int kLineHexChars = 2 * kLineBytes;

// Memory i lives at kMemoryBase + 32 * i (memory 1699 at 0x0DE60, memory 1720 at 0x0E100).
inline constexpr std::uint32_t kMemoryBase = 0x00A00;
inline constexpr std::uint32_t kMemoryStride = 32;
constexpr std::uint32_t memoryAddress(int memory) {
    return kMemoryBase + kMemoryStride * static_cast<std::uint32_t>(memory);
}

// Settings block: firmware 2.06 and later moved it from 0x00000 to 0x00500.
inline constexpr std::uint32_t kSysBlockBaseBefore206 = 0x00000;
inline constexpr std::uint32_t kSysBlockBaseFrom206 = 0x00500;
inline constexpr int kSysBlockMovedInVersion = 206;
constexpr std::uint32_t sysBlockBase(int radioVersion) {
    return radioVersion >= kSysBlockMovedInVersion ? kSysBlockBaseFrom206 : kSysBlockBaseBefore206;
}
// Only offsets 0..99 of the 128-byte settings block are written: 32 + 32 + 32 + 4 bytes.
inline constexpr int kSysBlockWrittenBytes = 100;

// Four-line areas: the link slots and the bank table are read as four 32-byte lines.
inline constexpr std::uint32_t kBankLinkArea = 0x00080;
inline constexpr std::uint32_t kBankTableArea = 0x00100;
inline constexpr std::uint32_t kPsLinkArea = 0x00280;
inline constexpr int kFourLineHexChars = 4 * kLineHexChars; // 256

// Link group entries are 7 bytes in 8-byte slots; the first slot of each area is unused.
inline constexpr std::uint32_t kLinkSlotBytes = 8;
inline constexpr int kLinkEntryHexChars = 14;
constexpr std::uint32_t bankLinkAddress(int entry) {
    return kBankLinkArea + kLinkSlotBytes * static_cast<std::uint32_t>(entry + 1);
}
constexpr std::uint32_t psLinkAddress(int entry) {
    return kPsLinkArea + kLinkSlotBytes * static_cast<std::uint32_t>(entry + 1);
}

// Bank table: 50 little-endian words (100 bytes) at 0x00100..0x00163.
inline constexpr int kBankTableHexChars = 200;

// Remote-control key IDs: 13 bytes at 0x00200.
inline constexpr std::uint32_t kRemoconIdAddress = 0x00200;
inline constexpr int kRemoconIdHexChars = 26;

// Third settings block: read as one line; only its byte 1 (PROTCT) is edited. The receiver is
// driven today with that byte written at the block's own address, not at 0x0FD01.
inline constexpr std::uint32_t kSys3Address = 0x0FD00;
inline constexpr std::uint32_t kSys3WriteAddress = 0x0FD00;

} // namespace r36::image
