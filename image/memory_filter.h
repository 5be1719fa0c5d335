#pragma once

// Which memories the list's filter shows: free ones or not, a text, a frequency range, a mode.

#include "image/clone_image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

/// Lowest and highest frequency shown, both included.
struct FrequencyRange {
    std::uint32_t lowHz = 0;
    std::uint32_t highHz = 0;
};

/// A range as typed in MHz: two frequencies joined by "-", an en or em dash or "..", blanks
/// around them allowed ("118–137", "118-137", "144.5 .. 146"); reversed ends are swapped.
/// nullopt for any other text.
std::optional<FrequencyRange> frequencyRangeOfText(std::string_view text);

struct MemoryFilter {
    bool hideFree = false;
    /// Part of a name or a label, or the start of a frequency in MHz ("145.5" shows
    /// 145.500000MHz and 145.525000MHz), case and outer blanks ignored; empty: any.
    std::string text;
    std::optional<FrequencyRange> range;
    std::optional<std::uint8_t> mode; // an index of modeNames; "auto" program-scan edges miss
};

/// The memories 0..1699 `filter` shows, one flag each. A free memory has no frequency or mode:
/// it shows only while free memories are not hidden, no range or mode is asked for, and the
/// text (if any) is part of its label.
std::vector<bool> memoriesShown(const MemoryFilter& filter, const CloneImage& image,
                                const std::vector<std::string>& labels);

} // namespace r36::image
