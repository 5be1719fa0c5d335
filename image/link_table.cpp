#include "link_table.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"

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

LinkTable showLinkTable(LinkKind kind, std::span<const std::string> entries,
                        std::string_view bankTable) {
    LinkTable table;
    table.kind = kind;
    for (int item = 0; item < kLinkItems; ++item)
        table.unavailable[item] = kind == LinkKind::BankLink && isBankEmpty(bankTable, item);
    for (const std::string& entry : entries) {
        LinkMembers members = linkMembers(entry);
        for (int item = 0; item < kLinkItems; ++item)
            members[item] = members[item] && !table.unavailable[item];
        table.groups.push_back(members);
    }
    return table;
}

bool toggleLinkMember(LinkTable& table, int group, int item) {
    if (group < 0 || group >= static_cast<int>(table.groups.size()) || item < 0 ||
        item >= kLinkItems || table.unavailable[item])
        return false;
    bool& member = table.groups[static_cast<std::size_t>(group)][item];
    member = !member;
    return true;
}

void storeLinkTable(const LinkTable& table, std::span<std::string> entries) {
    for (std::size_t group = 0; group < entries.size() && group < table.groups.size(); ++group)
        entries[group] = linkEntry(table.groups[group],
                                   table.kind == LinkKind::BankLink && group + 1 == entries.size());
}

void clearLinkTable(std::span<std::string> entries) {
    for (std::string& entry : entries)
        entry = linkEntry({}, false);
}

} // namespace r36::image
