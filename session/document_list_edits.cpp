// Work on many memories at once: sorting a block, setting one field across a selection, and
// clearing a scattered set (the duplicates); each one step of the undo history.

#include "document.h"

#include "list_edits.h"
#include "undo_step.h"

#include "image/memory_fields.h"

#include <algorithm>
#include <numeric>

namespace r36::session {

namespace {

// More rows than this are refreshed as a whole: cheaper than one signal per row.
constexpr std::size_t kRowsRefreshedOneByOne = 100;

} // namespace

Outcome Document::sortMemories(int first, int last, image::SortKey key, bool descending) {
    Failure refused(FailureKind::NotUserMemories);
    refused.number = first;
    refused.limit = last;
    if (first < 0 || last < first || last > image::lastStoredMemory)
        return Outcome::failure(std::move(refused));
    const auto group = image::memoryGroup(m_image.bankTable, first);
    if (first == last) {
        std::tie(first, last) = group;
    } else if (image::memoryGroup(m_image.bankTable, last) != group) {
        refused.kind = FailureKind::SortAcrossGroups;
        refused.names = {std::to_string(group.first), std::to_string(group.second)};
        return Outcome::failure(std::move(refused));
    }
    std::vector<int> memories(static_cast<std::size_t>(last - first + 1));
    std::iota(memories.begin(), memories.end(), first);
    return sortMemorySet(memories, key, descending);
}

Outcome Document::sortMemorySet(const std::vector<int>& memories, image::SortKey key,
                                bool descending) {
    if (memories.empty())
        return Outcome::success();
    const int first = memories.front(), last = memories.back();
    Q_ASSERT(std::is_sorted(memories.begin(), memories.end()));
    if (first < 0 || last > image::lastStoredMemory ||
        image::memoryGroup(m_image.bankTable, first) != image::memoryGroup(m_image.bankTable, last))
        return sortMemories(first, last, key, descending); // refused there, with the reason
    std::vector<std::string> records;
    for (const int m : memories)
        records.push_back(m_image.memRecord[static_cast<std::size_t>(m)]);
    const std::vector<std::string> sorted = image::sortedRecords(records, key, descending);
    recorded(tr("Sort"), [&] {
        for (std::size_t k = 0; k < memories.size(); ++k)
            m_image.memRecord[static_cast<std::size_t>(memories[k])] = sorted[k];
    });
    if (sorted.size() > kRowsRefreshedOneByOne)
        emit imageReplaced();
    else
        for (const int m : memories)
            emit memoryChanged(m);
    return Outcome::success();
}

SetFieldReport Document::setField(const std::vector<int>& memories, int text,
                                  const std::string& value) {
    SetFieldReport report;
    std::vector<std::pair<int, std::string>> changes;
    for (const int m : memories) {
        if (m < 0 || m > image::lastStoredMemory)
            continue;
        const std::string& record = m_image.memRecord[static_cast<std::size_t>(m)];
        if (!image::isRecordInUse(record))
            continue;
        image::FieldsRecord changed = image::recordWithText(record, m, text, value);
        if (!changed.ok())
            report.refused.push_back({m, std::move(changed.refusal)});
        else if (changed.record != record)
            changes.emplace_back(m, std::move(changed.record));
    }
    report.changed = static_cast<int>(changes.size());
    recorded(tr("Set field"), [&] {
        for (auto& [m, record] : changes)
            m_image.memRecord[static_cast<std::size_t>(m)] = std::move(record);
    });
    if (changes.size() > kRowsRefreshedOneByOne)
        emit imageReplaced();
    else
        for (const auto& change : changes)
            emit memoryChanged(change.first);
    return report;
}

void Document::clearMemorySet(const std::vector<int>& memories) {
    std::vector<int> cleared;
    for (const int m : memories)
        if (m >= 0 && m <= image::lastStoredMemory)
            cleared.push_back(m);
    recorded(tr("Clear memories"), [&] {
        for (const int m : cleared)
            m_image.memRecord[static_cast<std::size_t>(m)] = std::string(image::kEmptyRecord);
    });
    if (cleared.size() > kRowsRefreshedOneByOne)
        emit imageReplaced();
    else
        for (const int m : cleared)
            emit memoryChanged(m);
}

} // namespace r36::session
