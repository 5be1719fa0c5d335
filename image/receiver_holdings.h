#pragma once

// What the program knows the receiver holds: each user memory and each block as it was last
// read, or as the receiver acknowledged it, with the version the receiver reported. Pieces the
// program has never seen are unknown.

#include "image/clone_image.h"
#include "image/receiver_piece.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace r36::image {

using Held = std::optional<std::string>;

struct ReceiverHoldings {
    std::int16_t radioVersion = 0;
    std::vector<Held> memories = std::vector<Held>(kUserMemoryCount);
    Held bankTable;
    std::array<Held, kBankLinkCount> bankLink;
    std::array<Held, kPsLinkCount> psLink;
    Held sysBlock, sys3Block, remoconId;

    /// True when no piece is known: nothing was read from or written to the receiver.
    bool knowsNothing() const;
    /// True when every piece is known (after a complete Read all).
    bool knowsEverything() const;
    /// Every piece `other` knows replaces this one's.
    void takeKnown(const ReceiverHoldings& other);

    bool operator==(const ReceiverHoldings&) const = default;
};

/// The pieces a write command sends, each with the block operation Write all uses.
struct WritePlan {
    bool bankTable = false, bankLinks = false, psLinks = false;
    bool sysBlock = false, sys3Block = false, remoconId = false;
    std::vector<int> memories; // ascending

    static WritePlan all();
    static WritePlan banks();    // Bank Write
    static WritePlan settings(); // Write This Page
    static WritePlan memoryRange(int first, int last);
    /// Adds the block or memory that sends `piece`.
    void add(const Piece& piece);
    /// The block operations it runs, in Write all's order: each block whole, then the memories.
    std::vector<Piece> pieces() const;
    bool empty() const;
    /// Block operations it runs: one per block, one per memory.
    int pieceCount() const;
    bool operator==(const WritePlan&) const = default;
};

/// Every piece of `image` taken as what a receiver holds (a file standing for the receiver).
ReceiverHoldings holdingsOfImage(const CloneImage& image, std::int16_t radioVersion = 0);

/// The image a complete set of holdings makes; unknown pieces keep `base`'s.
CloneImage imageOfHoldings(const ReceiverHoldings& held, CloneImage base);

/// The record a memory write sends: outside the PRG area the auto-step and auto-mode flags
/// (offsets 19, 20) are cleared, as the receiver must get 0 there.
std::string recordAsSent(std::string record, int memory);

/// What the receiver holds after `sent` was written over `held`: a short record (the empty
/// record "00") overwrites only its first bytes; over an unknown record only those are known.
std::string recordAfterWrite(const Held& held, const std::string& sent);

/// What the receiver holds once `plan` was written from `image` (settings page stored) over
/// `held`. The settings block write reads the receiver's block first and changes only the
/// bytes a setting covers; PROTCT is taken to land in byte 1 of the third block.
ReceiverHoldings afterWriting(const ReceiverHoldings& held, const CloneImage& image,
                              const WritePlan& plan);

} // namespace r36::image
