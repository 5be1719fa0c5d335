#pragma once

// What changes on the receiver: the difference between what it holds and what it will hold (or
// between two clone images), as lines a user reads, in a stable order.

#include "image/label_changes.h"
#include "image/receiver_holdings.h"

#include <string>
#include <vector>

namespace r36::image {

struct FieldChange {
    std::string field; // "Frequency", "memories"; empty when the value speaks for itself
    std::string before, after;
};

struct Change {
    /// The piece that sends the change: the memory, the link group, or a block whole (a bank
    /// sends in the bank table, a setting in the settings block, PROTCT in the third block).
    Piece piece;
    int index = 0;       // memory number, bank, group (1-based), setting byte, key ID
    std::string subject; // "memory 812", "Bank03", "bank-link group 2", "LAMP", "remote key ID 3"
    std::string label;   // the memory's bank or area label; empty for the others
    std::vector<FieldChange> fields;

    /// "memory 812 (Bank08-012): Frequency 145.000000MHz -> 146.520000MHz"
    std::string text() const;
    /// "memory 812: the receiver holds 145.000000MHz, 146.520000MHz was written"
    std::string mismatchText() const;
};

struct Difference {
    std::vector<Change> changes;
    /// The channels the receiver shows under another label afterwards (a changed partition).
    std::vector<LabelChange> relabelled;

    bool empty() const { return changes.empty(); }
    /// "12 memories, 2 settings"; "nothing" when empty.
    std::string countsText() const;
    /// The block operations that send exactly the changed pieces.
    WritePlan plan() const;
};

/// Every piece `after` knows that `before` does not hold alike: memories by rendered field
/// (a short record in `after` compares only its first bytes; a memory free on both sides is
/// alike), banks by count, link groups by
/// members, each setting by its choice (bytes no setting covers are never written, so they do
/// not count), the remote key IDs by channel; and the channels whose label changes.
Difference difference(const ReceiverHoldings& before, const ReceiverHoldings& after);

} // namespace r36::image
