#pragma once

// What changes on the receiver: the difference between what it holds and what it will hold (or
// between two clone images), as values in a stable order; the session words them.

#include "image/label_changes.h"
#include "image/memory_record.h"
#include "image/receiver_holdings.h"

#include <string>
#include <vector>

namespace r36::image {

/// A value as a change shows it: the receiver's own text ("145.000000MHz FM \"TEST\"", "5-SEC",
/// the members "0 3", a byte "FF"), or what there is instead of one.
struct ChangeValue {
    enum class Kind {
        Text,
        Empty,      // a free memory
        NotRead,    // the receiver's side is not known
        None,       // no members, no byte there
        Unreadable, // a setting's byte is missing
    };
    Kind kind = Kind::Text;
    std::string text;

    // Implicit, so that a change lists its values as they come: a text or a kind.
    ChangeValue() = default;
    ChangeValue(std::string shown) : text(std::move(shown)) {}
    ChangeValue(Kind k) : kind(k) {}
    bool operator==(const ChangeValue&) const = default;
};

struct FieldChange {
    enum class Of {
        Whole,        // the value speaks for itself: a memory's summary, a setting's choice
        MemoryField,  // `memoryField` of a memory
        Byte,         // `byte`: the first byte that differs
        BankMemories, // the number of memories in a bank
        LinkedBanks,  // a bank-link group's members
        LinkedPairs,  // a program-scan-link group's members
        TvChannel,    // a remote key ID's channel
    };
    Of of = Of::Whole;
    MemoryField memoryField = MemoryField::Frequency;
    int byte = 0;
    ChangeValue before, after;

    bool operator==(const FieldChange&) const = default;
};

struct Change {
    /// The piece that sends the change: the memory, the link group, or a block whole (a bank
    /// sends in the bank table, a setting in the settings block, PROTCT in the third block).
    Piece piece;
    int index = 0;     // memory number, bank, group (1-based), setting byte, key ID; -1: the block
    std::string name;  // the receiver's name of a bank ("Bank03") or setting ("LAMP"); else empty
    std::string label; // the memory's bank or area label; empty for the others
    std::vector<FieldChange> fields;
};

struct Difference {
    std::vector<Change> changes;
    /// The channels the receiver shows under another label afterwards (a changed partition).
    std::vector<LabelChange> relabelled;

    bool empty() const { return changes.empty(); }
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
