#pragma once

// Bit layout of bank-link and program-scan-link group entries: 14 hex characters, 56 bits read
// most significant bit first; bits 0..49 mark banks (or program-scan pairs) 0..49, bit 55 is the
// bank-link table's last-group flag.

#include <array>
#include <string>
#include <string_view>

namespace r36::image {

inline constexpr int kLinkItems = 50;
using LinkMembers = std::array<bool, kLinkItems>;

/// Members of an entry. Only its first 13 characters are looked at; a missing or non-hex
/// character counts as 0.
LinkMembers linkMembers(std::string_view entry);

/// The 14-character entry for the member flags, bits 50..54 zero and bit 55 = lastGroupFlag.
std::string linkEntry(const LinkMembers& members, bool lastGroupFlag);

} // namespace r36::image
