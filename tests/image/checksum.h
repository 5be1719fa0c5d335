#pragma once

// Helpers for tables in tests: FNV-1a over a text, so a test can compare a whole table with the
// figure worked out from the published table and a single mistyped character shows; and compact
// tables written as text.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

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
    for (const auto& item : range)
        text += (&item == &*std::begin(range) ? "" : std::string(separator)) + toText(item);
    return text;
}

/// Strings as they are, numbers in decimal.
template <typename Range> std::string joined(const Range& range, std::string_view separator) {
    return joined(range, separator, [](const auto& item) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(item)>>)
            return std::to_string(item);
        else
            return std::string(item);
    });
}

/// "a|b; c|d" -> {{"a", "b"}, {"c", "d"}}: rows end at ";" (and the one blank after it), fields
/// at "|"; line breaks are not part of a row.
inline std::vector<std::vector<std::string>> tableRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ';') {
            rows.emplace_back(1);
            i += i + 1 < text.size() && text[i + 1] == ' ';
        } else if (text[i] == '|') {
            rows.back().emplace_back();
        } else if (text[i] != '\n') {
            rows.back().back().push_back(text[i]);
        }
    }
    return rows;
}

} // namespace r36::image::test
