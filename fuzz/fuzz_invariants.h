#pragma once

// What must hold after any input: the fuzz targets abort when it does not, so libFuzzer keeps
// the input that broke it.

#include "image/hex_text.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace r36::fuzz {

inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

/// Upper-case hex of exactly `length` characters: what the receiver may be sent.
inline bool isStoredHex(std::string_view text, std::size_t length) {
    return image::isHexOfLength(text, length) && image::toUpperAscii(text) == text;
}

/// A memory record the image may hold: the empty record or 64 upper-case hex characters.
inline bool isStoredRecord(std::string_view record) {
    return record == "00" || isStoredHex(record, 64);
}

} // namespace r36::fuzz
