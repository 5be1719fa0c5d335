#pragma once

// The channels a write leaves under another label: a changed partition moves the borders of
// the banks, so a channel that stays in its memory may land in the bank before or after.

#include "image/receiver_holdings.h"

#include <string>
#include <vector>

namespace r36::image {

struct LabelChange {
    std::string channel; // its name, or its frequency when it has none
    std::string before, after;

    bool operator==(const LabelChange&) const = default;
};

/// Every channel of the bank area that the receiver shows under another label after the write
/// than before it, in the order of the memories after it. A channel is followed by its record:
/// equal records pair up in memory order. Empty while either bank table is unknown or the two
/// are alike.
std::vector<LabelChange> labelChanges(const ReceiverHoldings& before,
                                      const ReceiverHoldings& after);

} // namespace r36::image
