#pragma once

// The 32-byte memory record: decoding, rendering into the memory list's texts, and encoding.
// No function here can produce a record that is not exactly 64 upper-case hex characters (or
// the empty record "00").

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace r36::image {

// Record byte offsets.
namespace rec {
inline constexpr int kFlag = 0, kFrequency = 1, kMode = 5, kStep = 6, kOffset = 7, kShift = 11,
                     kSubtone = 12, kTone = 13, kDcs = 14, kTrain = 16, kSkip = 18, kAutoStep = 19,
                     kAutoMode = 20, kName = 26;
inline constexpr int kNameLength = 6;
} // namespace rec

inline constexpr std::uint32_t kMinFrequencyHz = 100'000;
inline constexpr std::uint32_t kFrequencyLimitHz = 1'300'000'000; // exclusive
inline constexpr std::uint32_t kOffsetLimitHz = 1'000'000'000;    // exclusive
inline constexpr double kMaxWholeMHz = 1299;

/// The fields of a record in use. Index fields hold raw bytes (0..255): a record from the
/// receiver or a file may hold a value beyond its list, and it is kept as it is.
struct MemoryChannel {
    std::uint32_t frequencyHz = 0;
    std::uint8_t mode = 0;
    std::uint8_t step = 0;
    std::uint32_t offsetHz = 0;
    std::uint8_t shift = 0;
    std::uint8_t subtone = 0;
    std::uint8_t toneIndex = 7; // "88.5Hz"
    std::uint8_t dcsIndex = 0;
    std::uint8_t trainIndex = 0;
    bool skip = false;
    bool autoStep = false;
    bool autoMode = false;
    std::string name; // up to six printable ASCII characters (0x20..0x7E)

    bool operator==(const MemoryChannel&) const = default;
};

/// Fields of a record in use, or nullopt for a free memory (first two characters not "01").
/// Missing or malformed bytes of a short record read as 0; the name is always six characters,
/// with every byte outside 0x20..0x7E shown as a space.
std::optional<MemoryChannel> decodeRecord(std::string_view record);

/// The 64-character record of `channel` with reserved bytes 0x00, or empty text when a field
/// cannot be stored: frequency outside 100,000 .. 1,299,999,999 Hz, offset of 1,000,000,000 Hz
/// or more, a name longer than six characters or with a character outside 0x20..0x7E.
std::string encodeRecord(const MemoryChannel& channel);

/// Display text of a frequency or offset in hertz: "398.605000MHz", "0.100000MHz".
std::string frequencyText(std::uint32_t hz);

/// Marker shown for an index byte beyond its list: "?" and the byte in hex, e.g. "?3F".
std::string outOfListText(std::uint8_t value);

/// A memory's fields: the first eleven in the order of renderRecord's texts, then the flags
/// that show only in the program-scan area.
enum class MemoryField {
    Frequency,
    Mode,
    Step,
    Subtone,
    Tsq,
    Dcs,
    Train,
    Shift,
    Offset,
    Skip,
    Name,
    AutoStep,
    AutoMode,
};

/// The eleven texts of memory list columns 1..11 (Frequency, Mode, Step, Subtone, TSQ, DCS,
/// Train, Shift, Offset Freq., Skip, Name) for the record of memory `memory`; all empty for a
/// free memory. "auto" replaces Mode and Step only in the PRG area.
using DisplayTexts = std::array<std::string, 11>;
DisplayTexts renderRecord(std::string_view record, int memory);

/// Numeric value of a text as the receiver's editor reads it: the decimal number at its start
/// with an optional sign and decimal point, blanks skipped; no number gives 0.
double numericValue(std::string_view text);

} // namespace r36::image
