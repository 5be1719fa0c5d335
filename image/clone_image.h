#pragma once

// The clone image: the program's working copy of the receiver's configuration memory, held as
// upper-case hex text exactly as it travels on the wire and in clone files.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

inline constexpr int kMemoryCount = 1721;     // memory indexes 0..1720
inline constexpr int kUserMemoryCount = 1700; // 0..1699 are shown, transferred and saved
inline constexpr int kBankLinkCount = 10;
inline constexpr int kPsLinkCount = 9;

/// The empty record: clearing a memory stores these two characters, and writing it to the
/// receiver clears just the memory's in-use byte.
inline constexpr std::string_view kEmptyRecord = "00";

struct CloneImage {
    std::vector<std::string> memRecord;               // kMemoryCount entries
    std::string bankTable;                            // 200 hex characters
    std::array<std::string, kBankLinkCount> bankLink; // 14 hex characters each
    std::array<std::string, kPsLinkCount> psLink;     // 14 hex characters each
    std::string sysBlock;                             // 256 hex characters
    std::string sys3Block;                            // "0001" until read from the receiver (64)
    std::string remoconId;                            // 26 hex characters

    bool operator==(const CloneImage&) const = default;
};

/// Serial port choice, what the last greeting told about the receiver, and whether writes are
/// read back.
struct LinkState {
    std::uint16_t commPort = 1;  // COM1..COM16
    std::uint16_t commSpeed = 0; // 0 = 115200 baud, anything else = 38400 baud
    std::int16_t radioVersion = 0;
    bool verifyAfterWriting = true;

    bool operator==(const LinkState&) const = default;
};

/// The image exactly as start-up leaves it: empty user memories, the preset records, the
/// default partition, cleared link groups (the last bank-link group flagged), the default
/// settings block, "0001" and 26 "F".
CloneImage freshImage();

/// Memories 0..1699 become the empty record; 1700..1720 the preset records.
void clearMemories(CloneImage& image);

/// True when the record's first two characters are "01", the receiver's in-use flag.
bool isRecordInUse(std::string_view record);

} // namespace r36::image
