#pragma once

// Line splitting shared by the clone-file and CSV readers.

#include <string_view>
#include <vector>

namespace r36::files {

/// The lines of a text file without their endings. The program writes CR LF; a lone LF or CR
/// (a file edited on another system) also ends a line. An ending at the very end of the text
/// does not start another line, so "A\r\nB\r\n" and "A\r\nB" both hold two lines.
std::vector<std::string_view> splitLines(std::string_view text);

/// The fields of a line between `separator` characters: "a::b" gives "a", "", "b".
std::vector<std::string_view> splitFields(std::string_view line, char separator);

} // namespace r36::files
