#pragma once

#include "image/clone_image.h"

#include <string>
#include <string_view>
#include <vector>

namespace r36::session {

/// The memories 0..1699 that a find text names, in ascending order: a frequency as typed in MHz
/// ("145.5", "145.500000MHz") equal to the memory's, a name holding the text, or a label equal to
/// it ("bank01-005"), case ignored and the text's outer blanks too. None for a blank text.
std::vector<int> findMemories(const image::CloneImage& image,
                              const std::vector<std::string>& labels, std::string_view text);

} // namespace r36::session
