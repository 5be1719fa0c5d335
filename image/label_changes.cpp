#include "label_changes.h"

#include "image/memory_areas.h"
#include "image/memory_record.h"

#include <map>
#include <vector>

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

std::vector<LabelChange> labelChanges(const ReceiverHoldings& before,
                                      const ReceiverHoldings& after) {
    if (!before.bankTable || !after.bankTable || *before.bankTable == *after.bankTable)
        return {};
    const std::vector<std::string> labelsBefore = labelsOf(*before.bankTable);
    const std::vector<std::string> labelsAfter = labelsOf(*after.bankTable);
    std::map<std::string, std::vector<int>> wasAt; // record -> its memories before, ascending
    for (int memory = 0; memory < kBankAreaSize; ++memory)
        if (const Held& record = before.memories[static_cast<std::size_t>(memory)];
            record && isRecordInUse(*record))
            wasAt[*record].push_back(memory);
    std::vector<bool> taken(kBankAreaSize, false);
    // Takes a memory `record` was in before, the first not taken yet that `fits`; -1 when none.
    const auto take = [&](const std::string& record, auto fits) {
        const auto found = wasAt.find(record);
        if (found == wasAt.end())
            return -1;
        for (const int was : found->second)
            if (!taken[static_cast<std::size_t>(was)] && fits(was)) {
                taken[static_cast<std::size_t>(was)] = true;
                return was;
            }
        return -1;
    };
    // Copies of one channel first keep the label they had: with a copy cleared or edited, the
    // others must not be taken for it and reported under its label.
    std::vector<int> unmatched;
    for (int memory = 0; memory < kBankAreaSize; ++memory) {
        const Held& record = after.memories[static_cast<std::size_t>(memory)];
        if (!record || !isRecordInUse(*record))
            continue;
        const std::string& label = labelsAfter[static_cast<std::size_t>(memory)];
        if (take(*record,
                 [&](int was) { return labelsBefore[static_cast<std::size_t>(was)] == label; }) < 0)
            unmatched.push_back(memory);
    }
    std::vector<LabelChange> changes;
    for (const int memory : unmatched) {
        const std::string& record = *after.memories[static_cast<std::size_t>(memory)];
        const int was = take(record, [](int) { return true; });
        if (was < 0)
            continue; // a new or edited channel: the memory list of the difference shows it
        changes.push_back({channelName(record, memory), labelsBefore[static_cast<std::size_t>(was)],
                           labelsAfter[static_cast<std::size_t>(memory)]});
    }
    return changes;
}

} // namespace r36::image
