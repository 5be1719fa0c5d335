#include "memory_find.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_fields.h"
#include "image/memory_record.h"

namespace r36::session {

std::vector<int> findMemories(const image::CloneImage& image,
                              const std::vector<std::string>& labels, std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    text = text.substr(start, text.find_last_not_of(" \t") + 1 - start);
    const std::string wanted = image::toUpperAscii(text);
    const std::optional<std::uint32_t> hz = image::hertzOfMegahertz(text);
    std::vector<int> found;
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        const auto index = static_cast<std::size_t>(m);
        const auto channel = image::decodeRecord(image.memRecord[index]);
        const bool byLabel = index < labels.size() && image::toUpperAscii(labels[index]) == wanted;
        const bool byChannel =
            channel && ((hz && channel->frequencyHz == *hz) ||
                        image::toUpperAscii(channel->name).find(wanted) != std::string::npos);
        if (byLabel || byChannel)
            found.push_back(m);
    }
    return found;
}

} // namespace r36::session
