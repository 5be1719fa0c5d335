#pragma once

// Where the channels of a list from elsewhere go: one after the other from a memory, or into the
// free memories of that memory's bank or area. The window's preview and the command line's --at
// both ask here, so that what the preview shows is what the import does.

#include "image/clone_image.h"

#include <vector>

namespace r36::session {

struct ImportPlacement {
    enum class Where {
        FromMemory,  // memory, memory + 1, ... whatever they hold (the channels they replace)
        FreeInGroup, // the free memories of the memory's bank or area, in memory order
    };
    enum class Refusal {
        None,
        PastLastMemory, // FromMemory: `room` memories from `first` to 1699
        TooFewFree,     // FreeInGroup: `room` free memories in first..last
    };
    Where where = Where::FromMemory;
    Refusal refusal = Refusal::None;
    int lines = 0;             // the records to place
    int room = 0;              // the memories they may take
    int first = 0, last = 0;   // FromMemory: the memory and 1699; FreeInGroup: the group
    std::vector<int> memories; // where each record goes, in order; empty when refused
    int replaced = 0;          // memories in use that the records replace

    bool ok() const { return refusal == Refusal::None; }
};

/// Where `count` records go from or around `memory` (0..1699) of `image`; a refusal names no
/// memories and keeps the counts its message needs.
ImportPlacement planImportPlacement(const image::CloneImage& image, ImportPlacement::Where where,
                                    int memory, int count);

} // namespace r36::session
