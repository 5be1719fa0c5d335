#pragma once

// Each transfer command described once: its name, whether it writes, what it covers and how it
// runs. A new command is one more row of the table.

#include "transfer.h"
#include "transfer_phases.h" // PhaseProgress, and the link classes declared

#include "image/receiver_holdings.h"

namespace r36::session {

struct TransferRequest;

struct TransferCommand {
    Transfer kind;
    /// As its button or menu item says it, in English; transferName() translates it.
    const char* name;
    bool writes;
    /// Covers the whole receiver: a failure's title is "Error", a success leaves nothing unsaved.
    bool wholeImage;
    /// The pieces it reads or plans to write, for the selected memories `first`..`last` or, for
    /// Write changes, the pieces that differ.
    image::WritePlan (*pieces)(int first, int last, const image::WritePlan& changes);
    /// Runs it to its end, the greeting included; `progress` counts a planned write's pieces.
    Outcome (*run)(link::RadioLink& radio, link::CloneTransfer& transfer,
                   const TransferRequest& request, const PhaseProgress& progress);
};

const TransferCommand& transferCommand(Transfer kind);

} // namespace r36::session
