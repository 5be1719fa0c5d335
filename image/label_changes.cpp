#include "label_changes.h"

#include "image/memory_areas.h"
#include "image/memory_record.h"

#include <deque>
#include <map>

namespace r36::image {

namespace {

std::vector<std::string> labelsOf(const std::string& bankTable) {
    std::vector<std::string> labels = defaultMemoryLabels();
    relabelMemoryList(bankTable, labels);
    return labels;
}

std::string channelName(const std::string& record, int memory) {
    const DisplayTexts texts = renderRecord(record, memory);
    const auto end = texts[10].find_last_not_of(' ');
    return end == std::string::npos ? texts[0] : texts[10].substr(0, end + 1);
}

} // namespace

std::string LabelChange::text() const {
    return channel + ": " + before + " -> " + after;
}

std::vector<LabelChange> labelChanges(const ReceiverHoldings& before,
                                      const ReceiverHoldings& after) {
    if (!before.bankTable || !after.bankTable || *before.bankTable == *after.bankTable)
        return {};
    const std::vector<std::string> labelsBefore = labelsOf(*before.bankTable);
    const std::vector<std::string> labelsAfter = labelsOf(*after.bankTable);
    std::map<std::string, std::deque<int>> wasAt; // record -> its memories before, ascending
    for (int memory = 0; memory < kBankAreaSize; ++memory)
        if (const Held& record = before.memories[static_cast<std::size_t>(memory)];
            record && isRecordInUse(*record))
            wasAt[*record].push_back(memory);
    std::vector<LabelChange> changes;
    for (int memory = 0; memory < kBankAreaSize; ++memory) {
        const Held& record = after.memories[static_cast<std::size_t>(memory)];
        if (!record || !isRecordInUse(*record))
            continue;
        auto found = wasAt.find(*record);
        if (found == wasAt.end() || found->second.empty())
            continue; // a new or edited channel: the memory list of the difference shows it
        const int was = found->second.front();
        found->second.pop_front();
        const std::string& from = labelsBefore[static_cast<std::size_t>(was)];
        const std::string& to = labelsAfter[static_cast<std::size_t>(memory)];
        if (from != to)
            changes.push_back({channelName(*record, memory), from, to});
    }
    return changes;
}

} // namespace r36::image
