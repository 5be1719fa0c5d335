#include "memory_filter.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_fields.h"
#include "image/memory_record.h"

#include <array>
#include <utility>

namespace r36::image {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") + 1 - start);
}

// "145.500000" for 145.5 MHz: the frequency as the list shows it, without its unit.
std::string megahertzDigits(std::uint32_t hz) {
    std::string text = frequencyText(hz);
    return text.substr(0, text.find_first_not_of("0123456789."));
}

} // namespace

std::optional<FrequencyRange> frequencyRangeOfText(std::string_view text) {
    // The en dash and em dash in UTF-8, then the ASCII joiners.
    static constexpr std::array<std::string_view, 4> joiners = {"\xE2\x80\x93", "\xE2\x80\x94",
                                                                "..", "-"};
    for (const std::string_view joiner : joiners) {
        const std::size_t at = text.find(joiner);
        if (at == std::string_view::npos)
            continue;
        const auto low = hertzOfMegahertz(trimmed(text.substr(0, at)));
        const auto high = hertzOfMegahertz(trimmed(text.substr(at + joiner.size())));
        if (!low || !high)
            return std::nullopt;
        return *low <= *high ? FrequencyRange{*low, *high} : FrequencyRange{*high, *low};
    }
    return std::nullopt;
}

std::vector<bool> memoriesShown(const MemoryFilter& filter, const CloneImage& image,
                                const std::vector<std::string>& labels) {
    const std::string wanted = toUpperAscii(trimmed(filter.text));
    const std::optional<std::uint32_t> typedHz = hertzOfMegahertz(trimmed(filter.text));
    const auto holdsText = [&](std::string_view haystack) {
        return toUpperAscii(haystack).find(wanted) != std::string::npos;
    };
    std::vector<bool> shown(kUserMemoryCount);
    for (int m = 0; m < kUserMemoryCount; ++m) {
        const auto index = static_cast<std::size_t>(m);
        const std::string_view label = index < labels.size() ? labels[index] : std::string_view();
        const bool byLabel = wanted.empty() || holdsText(label);
        const auto channel = decodeRecord(image.memRecord[index]);
        if (!channel) {
            shown[index] = !filter.hideFree && !filter.range && !filter.mode && byLabel;
            continue;
        }
        const bool byText = byLabel || holdsText(channel->name) ||
                            channel->frequencyHz == typedHz ||
                            megahertzDigits(channel->frequencyHz).starts_with(wanted);
        const bool inRange = !filter.range || (channel->frequencyHz >= filter.range->lowHz &&
                                               channel->frequencyHz <= filter.range->highHz);
        const bool autoMode = channel->autoMode && isPrgMemory(m);
        const bool byMode = !filter.mode || (channel->mode == *filter.mode && !autoMode);
        shown[index] = byText && inRange && byMode;
    }
    return shown;
}

} // namespace r36::image
