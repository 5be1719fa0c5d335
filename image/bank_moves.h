#pragma once

// Channels that keep their bank when the partition changes: the partition is a list of counts
// over memories 0..999, so a changed count moves the borders of the banks after it, not the
// channels. Moving each bank's memories with the bank keeps every channel under its label's
// bank.

#include "image/memory_areas.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace r36::image {

using BankCounts = std::array<int, kBankCount>;

/// Why the memories cannot move with their banks.
struct BankMoveRefusal {
    enum class Kind {
        Shrinks,     // `bank` holds a channel at `position`, past its new count `newCount`
        OutsideBanks // memory `memory` holds a channel that no bank of the old counts covers
    };
    Kind kind = Kind::Shrinks;
    int bank = 0, position = 0, newCount = 0;
    int memory = 0;

    bool operator==(const BankMoveRefusal&) const = default;
};

/// What changing the counts `before` into `after` (which total 1000) does to the channels.
struct BankMove {
    BankCounts before{}, after{};
    /// Channels whose label changes when only the counts change.
    int relabelled = 0;
    /// Channels that change their memory when they move with their banks.
    int moved = 0;
    std::optional<BankMoveRefusal> refusal;
};

/// Plans the move of the bank area's `records` (memories 0..999 and more) from the counts
/// `before` to `after`. The first bank, in bank order, that would shrink below its last channel
/// refuses it, naming that channel's position.
BankMove planBankMove(const BankCounts& before, const BankCounts& after,
                      const std::vector<std::string>& records);

/// Moves each bank's memories, in order, to where the bank begins after the change; memories a
/// bank gains are empty. Does nothing when the plan was refused.
void moveWithBanks(const BankMove& move, std::vector<std::string>& records);

} // namespace r36::image
