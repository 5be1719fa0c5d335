#pragma once

// "Check list": what in a memory list is probably a mistake. Findings are values; the window and
// the command line word them.

#include "image/clone_image.h"

#include <vector>

namespace r36::image {

struct ListFinding {
    enum class Kind {
        DuplicateInGroup,   // same frequency and mode as `other`, earlier in its bank or area
        DuplicateInList,    // same frequency and mode as `other`, in another bank or area
        PrgEdgeFree,        // a program-scan edge in use whose other edge `other` is free
        PrgEdgesReversed,   // lower edge `memory` above upper edge `other`
        BankLinkOnlyEmpty,  // bank-link group `group` names only banks with no memory in use
        PsLinkOnlyEmpty,    // program-scan-link group `group` names only pairs with both edges free
        NameLeadingSpace,   // the name begins with a space
        NameHiddenCharacter // a name byte the receiver shows as a space, before a visible one
    };
    Kind kind;
    int memory = -1; // -1 for the link groups
    int other = -1;
    int group = -1;

    bool operator==(const ListFinding&) const = default;
};

/// Every finding over memories 0..1699 and the link groups, by memory (link groups last).
std::vector<ListFinding> checkList(const CloneImage& image);

/// "Select duplicates": every memory but the first of each set of equal frequency and mode
/// within one bank or area, ascending. A channel kept in two banks on purpose stays.
std::vector<int> duplicatesToRemove(const std::vector<ListFinding>& findings);

} // namespace r36::image
