#pragma once

// FNV-1a over a text: lets a test compare a whole table with the figure worked out from the
// published table, so a single mistyped character shows.

#include <cstdint>
#include <string>
#include <string_view>

namespace r36::image::test {

inline std::uint32_t fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

template <typename Range, typename ToText>
std::string joined(const Range& range, std::string_view separator, ToText toText) {
    std::string text;
    bool first = true;
    for (const auto& item : range) {
        if (!first)
            text += separator;
        text += toText(item);
        first = false;
    }
    return text;
}

} // namespace r36::image::test
