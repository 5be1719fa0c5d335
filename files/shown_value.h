#pragma once

// A value read from a file, quoted in a message: a file may hold anything, and a message must
// stay one short line that cannot drive the user's terminal.

#include <string>
#include <string_view>

namespace r36::files {

/// `value` in double quotes, cut after 40 bytes with "…", every control character and byte
/// outside printable ASCII shown as \xNN: "145,020", "\x1b[2J", "AAAA…".
std::string shownValue(std::string_view value);

} // namespace r36::files
