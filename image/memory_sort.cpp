#include "memory_sort.h"

#include "image/memory_record.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace r36::image {

namespace {

// The tone that goes with a sub-tone kind: CTCSS and REV use the tone, DCS the code, Train its
// tone; OFF has none.
int subtoneValue(const MemoryChannel& channel) {
    enum { kOff, kTrain, kCtcss, kRev, kDcs };
    switch (channel.subtone) {
    case kTrain:
        return channel.trainIndex;
    case kCtcss:
    case kRev:
        return channel.toneIndex;
    case kDcs:
        return channel.dcsIndex;
    default:
        return 0;
    }
}

bool lessBy(SortKey key, const MemoryChannel& a, const MemoryChannel& b) {
    switch (key) {
    case SortKey::Frequency:
        return a.frequencyHz < b.frequencyHz;
    case SortKey::Name:
        return a.name < b.name;
    case SortKey::Mode:
        return a.mode < b.mode;
    case SortKey::Step:
        return a.step < b.step;
    case SortKey::Subtone:
        return std::tuple(a.subtone, subtoneValue(a)) < std::tuple(b.subtone, subtoneValue(b));
    }
    return false;
}

} // namespace

std::vector<std::string> sortedRecords(std::span<const std::string> records, SortKey key,
                                       bool descending) {
    struct Entry {
        MemoryChannel channel;
        const std::string* record;
    };
    std::vector<Entry> inUse;
    std::vector<std::string> sorted;
    sorted.reserve(records.size());
    for (const std::string& record : records) {
        if (std::optional<MemoryChannel> channel = decodeRecord(record))
            inUse.push_back({std::move(*channel), &record});
    }
    // Swapping the arguments keeps equal keys in their order when descending, too.
    std::stable_sort(inUse.begin(), inUse.end(), [key, descending](const Entry& a, const Entry& b) {
        return descending ? lessBy(key, b.channel, a.channel) : lessBy(key, a.channel, b.channel);
    });
    for (const Entry& entry : inUse)
        sorted.push_back(*entry.record);
    for (const std::string& record : records)
        if (!decodeRecord(record))
            sorted.push_back(record);
    return sorted;
}

} // namespace r36::image
