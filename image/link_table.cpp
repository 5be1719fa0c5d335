#include "link_table.h"

#include "image/hex_text.h"

namespace r36::image {

namespace {
constexpr int kEntryHexChars = 14;
constexpr int kEntryBits = 4 * kEntryHexChars; // 56
constexpr int kLastGroupBit = kEntryBits - 1;  // 55
} // namespace

LinkMembers linkMembers(std::string_view entry) {
    LinkMembers members{};
    for (int item = 0; item < kLinkItems; ++item) {
        // Items 0..49 live in the first 13 characters; bits 50..55 are never shown.
        const auto at = static_cast<std::size_t>(item / 4);
        const int digit = at < entry.size() ? hexDigitValue(entry[at]).value_or(0) : 0;
        members[item] = (digit & (8 >> (item % 4))) != 0;
    }
    return members;
}

std::string linkEntry(const LinkMembers& members, bool lastGroupFlag) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::array<bool, kEntryBits> bits{};
    for (int item = 0; item < kLinkItems; ++item)
        bits[item] = members[item];
    bits[kLastGroupBit] = lastGroupFlag;
    std::string entry;
    entry.reserve(kEntryHexChars);
    for (int digit = 0; digit < kEntryHexChars; ++digit) {
        int value = 0;
        for (int bit = 0; bit < 4; ++bit)
            value = value * 2 + (bits[4 * digit + bit] ? 1 : 0);
        entry.push_back(kDigits[value]);
    }
    return entry;
}

} // namespace r36::image
