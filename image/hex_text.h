#pragma once

// Reading and writing bytes inside the hex-text blocks of the clone image. Text that came from
// the receiver or a file may be short, lower-case or malformed: readers take characters by
// position and never read outside the text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace r36::image {

/// Value of one hex digit, or nullopt for any other character.
std::optional<int> hexDigitValue(char c);

/// Byte at `offset` (characters 2*offset and 2*offset+1), or nullopt when the text is too short
/// or either character is not a hex digit.
std::optional<std::uint8_t> byteAt(std::string_view hex, int offset);

/// Two upper-case hex digits of `value` (0..255).
std::string hexByte(int value);

/// Replaces the byte at `offset` by `value` (0..255). Does nothing when the text is too short,
/// so a block never grows or loses its shape by an edit.
void setByteAt(std::string& hex, int offset, int value);

/// True when the text has exactly `length` characters, all hex digits.
bool isHexOfLength(std::string_view text, std::size_t length);

/// Upper-case copy of an ASCII text.
std::string toUpperAscii(std::string_view text);

} // namespace r36::image
