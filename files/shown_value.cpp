#include "shown_value.h"

#include <cstdio>

namespace r36::files {
namespace {

constexpr std::size_t kShownBytes = 40; // enough for any field this program writes

} // namespace

std::string shownValue(std::string_view value) {
    std::string shown = "\"";
    for (const char c : value.substr(0, kShownBytes)) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code < 0x7F) {
            shown += c;
            continue;
        }
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X", code);
        shown += escape;
    }
    if (value.size() > kShownBytes)
        shown += "\xE2\x80\xA6"; // "…"
    return shown + "\"";
}

} // namespace r36::files
