#pragma once

// The memory detail editor's values: what a record shows in the editor and the record that the
// editor's values store.

#include "image/memory_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

/// The editor's values. Frequency and offset as the whole-MHz and fraction texts of their boxes;
/// list positions and flags as the record's bytes (0..255). A byte beyond its list, or a flag
/// byte other than 0 and 1, comes from the receiver or a file: the editor shows no choice (an
/// undecided flag) for it and stores it as it came until the user chooses.
/// The defaults are the cleared form: FM, 5KHz, Off, None, "88.5Hz", "023", "300Hz".
struct MemoryFields {
    std::string frequencyMHz;
    std::string frequencyFraction;
    std::string offsetMHz;
    std::string offsetFraction;
    int mode = 0;
    int step = 0;
    int shift = 0;
    int subtone = 0;
    int toneIndex = 7;
    int dcsIndex = 0;
    int trainIndex = 0;
    int skip = 0;
    int autoStep = 0;
    int autoMode = 0;
    std::string name; // cut to six characters when stored, padded with spaces

    bool operator==(const MemoryFields&) const = default;
};

/// What the editor shows for memory `memory`'s record: 398,605,000 Hz as "398" and "605000",
/// the six-character name; the cleared form for a free memory. The auto flags count only in the
/// program-scan area and are 0 elsewhere.
MemoryFields fieldsOfRecord(std::string_view record, int memory);

/// Why a memory's fields give no record.
struct FieldRefusal {
    enum class Kind {
        None,
        FrequencyRange, // not a frequency of 0.100000 to 1299.999999 MHz
        OffsetRange,    // not an offset of 0.000000 to 999.999999 MHz
        NameCharacter,  // the name's `character` (as typed, UTF-8) is outside space to ~
        ByteRange,      // the byte of `field` is outside 0..255
        NotInList,      // the value of `field` is none of its list's
        NoSuchColumn,
    };
    Kind kind = Kind::None;
    MemoryField field = MemoryField::Frequency;
    std::string character;

    bool operator==(const FieldRefusal&) const = default;
};

/// The record that memory `memory` stores for `fields`, or why there is none.
struct FieldsRecord {
    std::string record; // 64 hex characters; empty when refused
    FieldRefusal refusal;

    bool ok() const { return refusal.kind == FieldRefusal::Kind::None; }
};

/// Fails for a negative text, whole MHz above 1299, a frequency outside 100,000 ..
/// 1,299,999,999 Hz, an offset of 1,000,000,000 Hz or more, a byte outside 0..255 or a name
/// character outside 0x20..0x7E. Fractions are padded on the right to six digits and the sum is
/// rounded to the nearest hertz. Outside the program-scan area the auto flags are stored as 0.
FieldsRecord recordOfFields(const MemoryFields& fields, int memory);

/// The choices of a memory list column that holds a list value (`text` indexes renderRecord's
/// texts: 1 Mode .. 9 Skip), as the list shows them; "auto" ends the Mode and Step choices in
/// the program-scan area. Empty for the columns edited as text: 0 Frequency, 8 Offset Freq.,
/// 10 Name.
std::vector<std::string_view> textChoices(int text, int memory);

/// Memory `memory`'s record with its memory list text `text` (as above) replaced by `value`,
/// through the editor's rules: a frequency or offset in MHz ("145.5", "145.500000MHz"), a name
/// cut to six characters, a list value among textChoices. Fails with the field and its range.
FieldsRecord recordWithText(std::string_view record, int memory, int text, std::string_view value);

/// Hertz of a megahertz text as typed or shown ("145.5", "145.500000MHz", " 0.1 mhz"): digits
/// with at most six decimals; nullopt for any other text.
std::optional<std::uint32_t> hertzOfMegahertz(std::string_view text);

} // namespace r36::image
