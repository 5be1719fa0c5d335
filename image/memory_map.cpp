#include "memory_map.h"

#include <cstdio>

namespace r36::image {

std::string hexAddress(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%05X", static_cast<unsigned>(address));
    return text;
}

} // namespace r36::image
