#pragma once

// The order "Sort…" gives a block of memories: records move, positions (and so labels) stay.

#include <span>
#include <string>
#include <vector>

namespace r36::image {

enum class SortKey { Frequency, Name, Mode, Step, Subtone };

/// `records` reordered by `key`: memories in use first, stably sorted (equal keys keep their
/// order, ascending or descending), then every free memory in its old order.
std::vector<std::string> sortedRecords(std::span<const std::string> records, SortKey key,
                                       bool descending);

} // namespace r36::image
