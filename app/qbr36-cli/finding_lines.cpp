#include "finding_lines.h"

namespace r36::cli {

std::string findingLine(const image::ListFinding& finding, const std::vector<std::string>& labels) {
    using Kind = image::ListFinding::Kind;
    const auto label = [&labels](int memory) {
        return memory >= 0 && static_cast<std::size_t>(memory) < labels.size()
                   ? labels[static_cast<std::size_t>(memory)]
                   : "memory " + std::to_string(memory);
    };
    const std::string memory = label(finding.memory);
    const std::string other = label(finding.other);
    const std::string group = std::to_string(finding.group + 1);
    switch (finding.kind) {
    case Kind::DuplicateInGroup:
        return memory + ": same frequency and mode as " + other + " in its bank or area";
    case Kind::DuplicateInList:
        return memory + ": same frequency and mode as " + other + " in another bank or area";
    case Kind::PrgEdgeFree:
        return memory + ": its program-scan pair's other edge " + other + " is free";
    case Kind::PrgEdgesReversed:
        return memory + ": the lower edge is above the upper edge " + other;
    case Kind::BankLinkOnlyEmpty:
        return "bank-link group " + group + " names only banks without a memory in use";
    case Kind::PsLinkOnlyEmpty:
        return "program-scan-link group " + group + " names only pairs without an edge in use";
    case Kind::NameLeadingSpace:
        return memory + ": the name begins with a space";
    case Kind::NameHiddenCharacter:
        return memory + ": the name holds a character the receiver shows as a space";
    }
    return memory;
}

} // namespace r36::cli
