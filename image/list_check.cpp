#include "list_check.h"

#include "image/hex_text.h"
#include "image/link_table.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace r36::image {

namespace {

using Kind = ListFinding::Kind;

std::optional<MemoryChannel> channelOf(const CloneImage& image, int memory) {
    return decodeRecord(image.memRecord[static_cast<std::size_t>(memory)]);
}

void addDuplicates(const CloneImage& image, std::vector<ListFinding>& findings) {
    // Per frequency and mode: the first memory in the list, and the first in each group.
    using Key = std::pair<std::uint32_t, int>;
    std::map<Key, int> firstInList;
    std::map<std::pair<Key, int>, int> firstInGroup;
    for (int m = 0; m <= lastStoredMemory; ++m) {
        const std::optional<MemoryChannel> channel = channelOf(image, m);
        if (!channel)
            continue;
        const Key key{channel->frequencyHz, channel->mode};
        const int group = memoryGroup(image.bankTable, m).first;
        const auto [inGroup, newInGroup] = firstInGroup.try_emplace({key, group}, m);
        const auto [inList, newInList] = firstInList.try_emplace(key, m);
        if (!newInGroup)
            findings.push_back({Kind::DuplicateInGroup, m, inGroup->second});
        else if (!newInList)
            findings.push_back({Kind::DuplicateInList, m, inList->second});
    }
}

void addPrgPairs(const CloneImage& image, std::vector<ListFinding>& findings) {
    for (int lower = prgFirst; lower < prgLast; lower += 2) {
        const int upper = lower + 1;
        const std::optional<MemoryChannel> a = channelOf(image, lower);
        const std::optional<MemoryChannel> b = channelOf(image, upper);
        if (a && !b)
            findings.push_back({Kind::PrgEdgeFree, lower, upper});
        else if (!a && b)
            findings.push_back({Kind::PrgEdgeFree, upper, lower});
        else if (a && b && a->frequencyHz > b->frequencyHz)
            findings.push_back({Kind::PrgEdgesReversed, lower, upper});
    }
}

bool anyInUse(const CloneImage& image, int first, int last) {
    for (int m = first; m <= last; ++m)
        if (isRecordInUse(image.memRecord[static_cast<std::size_t>(m)]))
            return true;
    return false;
}

// A group that names at least one item, each of them empty.
template <typename Entries, typename IsEmpty>
void addLinkGroups(const Entries& entries, Kind kind, IsEmpty isEmpty,
                   std::vector<ListFinding>& findings) {
    for (std::size_t group = 0; group < entries.size(); ++group) {
        const LinkMembers members = linkMembers(entries[group]);
        bool named = false;
        bool allEmpty = true;
        for (int item = 0; item < kLinkItems; ++item) {
            if (!members[static_cast<std::size_t>(item)])
                continue;
            named = true;
            allEmpty = allEmpty && isEmpty(item);
        }
        if (named && allEmpty)
            findings.push_back({kind, -1, -1, static_cast<int>(group)});
    }
}

void addLinks(const CloneImage& image, std::vector<ListFinding>& findings) {
    const std::array<int, kBankCount> counts = bankCounts(image.bankTable);
    std::array<std::pair<int, int>, kBankCount> banks{};
    int next = 0;
    for (int bank = 0; bank < kBankCount; ++bank) {
        const int count = std::max(counts[static_cast<std::size_t>(bank)], 0);
        banks[static_cast<std::size_t>(bank)] = {next, std::min(next + count, atFirst) - 1};
        next = std::min(next + count, atFirst);
    }
    addLinkGroups(
        image.bankLink, Kind::BankLinkOnlyEmpty,
        [&](int bank) {
            const auto [first, last] = banks[static_cast<std::size_t>(bank)];
            return !anyInUse(image, first, last);
        },
        findings);
    addLinkGroups(
        image.psLink, Kind::PsLinkOnlyEmpty,
        [&](int pair) { return !anyInUse(image, prgFirst + 2 * pair, prgFirst + 2 * pair + 1); },
        findings);
}

void addNames(const CloneImage& image, int memory, std::vector<ListFinding>& findings) {
    const std::string& record = image.memRecord[static_cast<std::size_t>(memory)];
    if (!isRecordInUse(record))
        return;
    std::array<int, rec::kNameLength> bytes{};
    int lastVisible = -1;
    for (int k = 0; k < rec::kNameLength; ++k) {
        bytes[static_cast<std::size_t>(k)] = byteAt(record, rec::kName + k).value_or(0);
        const int code = bytes[static_cast<std::size_t>(k)];
        if (code > 0x20 && code <= 0x7E)
            lastVisible = k;
    }
    if (lastVisible < 0)
        return; // no name: nothing to mislead
    if (bytes[0] == 0x20)
        findings.push_back({Kind::NameLeadingSpace, memory});
    // Bytes after the last visible character look like padding and mislead no one.
    for (int k = 0; k < lastVisible; ++k) {
        const int code = bytes[static_cast<std::size_t>(k)];
        if (code < 0x20 || code > 0x7E) {
            findings.push_back({Kind::NameHiddenCharacter, memory});
            return;
        }
    }
}

} // namespace

std::vector<ListFinding> checkList(const CloneImage& image) {
    std::vector<ListFinding> findings;
    addDuplicates(image, findings);
    addPrgPairs(image, findings);
    for (int m = 0; m <= lastStoredMemory; ++m)
        addNames(image, m, findings);
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const ListFinding& a, const ListFinding& b) { return a.memory < b.memory; });
    addLinks(image, findings);
    return findings;
}

std::vector<int> duplicatesToRemove(const std::vector<ListFinding>& findings) {
    std::vector<int> memories;
    for (const ListFinding& finding : findings)
        if (finding.kind == Kind::DuplicateInGroup)
            memories.push_back(finding.memory);
    std::sort(memories.begin(), memories.end());
    return memories;
}

} // namespace r36::image
