#pragma once

// Bit layout of bank-link and program-scan-link group entries: 14 hex characters, 56 bits read
// most significant bit first; bits 0..49 mark banks (or program-scan pairs) 0..49, bit 55 is the
// bank-link table's last-group flag.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

inline constexpr int kLinkItems = 50;
using LinkMembers = std::array<bool, kLinkItems>;

/// Members of an entry. Only its first 13 characters are looked at; a missing or non-hex
/// character counts as 0.
LinkMembers linkMembers(std::string_view entry);

/// The 14-character entry for the member flags, bits 50..54 zero and bit 55 = lastGroupFlag.
std::string linkEntry(const LinkMembers& members, bool lastGroupFlag);

/// Ten bank-link groups over the 50 banks, or nine program-scan-link groups over the 50 pairs.
enum class LinkKind { BankLink, ProgramScanLink };

/// A link table as its dialog edits it: the members of every group entry, and the items that no
/// group can hold.
struct LinkTable {
    LinkKind kind = LinkKind::BankLink;
    std::vector<LinkMembers> groups;
    LinkMembers unavailable{};
};

/// The table of `entries`. A bank link cannot hold a bank that `bankTable` leaves empty: such
/// banks are unavailable and their member bits are dropped, so storing clears them. Program-scan
/// pairs are always available.
LinkTable showLinkTable(LinkKind kind, std::span<const std::string> entries,
                        std::string_view bankTable);

/// Member becomes not member and back; false, and nothing changes, for an unavailable item or a
/// cell outside the table.
bool toggleLinkMember(LinkTable& table, int group, int item);

/// Every entry rebuilt from the table; the last bank-link entry (GroupB) carries the last-group
/// flag that the receiver expects, no other entry does.
void storeLinkTable(const LinkTable& table, std::span<std::string> entries);

/// Every entry zero, the last-group flag too: the next store writes it again.
void clearLinkTable(std::span<std::string> entries);

} // namespace r36::image
