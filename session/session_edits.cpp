// The session's edits of the document: memories, the partition, the link groups and the
// settings page, each one step of the undo history.

#include "session.h"

#include "undo_step.h"

#include "image/memory_record.h"

#include <algorithm>

namespace r36::session {

// ---- Edits --------------------------------------------------------------------------------

void Session::setMemory(int memory, const std::string& record) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return;
    recorded(tr("Edit memory %1").arg(memory),
             [&] { m_image.memRecord[static_cast<std::size_t>(memory)] = record; });
    emit memoryChanged(memory);
}

bool Session::setMemories(int first, const std::vector<std::string>& records, const QString& what) {
    const int last = first + static_cast<int>(records.size()) - 1;
    if (first < 0 || last > image::lastStoredMemory)
        return false;
    recorded(what, [&] {
        for (std::size_t k = 0; k < records.size(); ++k)
            m_image.memRecord[static_cast<std::size_t>(first) + k] = records[k];
    });
    if (records.size() > 100)
        emit imageReplaced();
    else
        for (int memory = first; memory <= last; ++memory)
            emit memoryChanged(memory);
    return true;
}

void Session::clearMemories(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, image::lastStoredMemory);
    recorded(tr("Clear memories"), [&] {
        for (int memory = first; memory <= last; ++memory)
            m_image.memRecord[static_cast<std::size_t>(memory)] = std::string(image::kEmptyRecord);
    });
    if (first == 0 && last == image::lastStoredMemory)
        emit imageReplaced();
    else
        for (int memory = first; memory <= last; ++memory)
            emit memoryChanged(memory);
}

namespace {

Outcome outsideUserMemories(int memory) {
    return Outcome::failure("memory " + std::to_string(memory) + " is not a user memory");
}

} // namespace

Outcome Session::insertEmptyMemory(int memory) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return outsideUserMemories(memory);
    const int last = image::memoryGroup(m_image.bankTable, memory).second;
    auto& records = m_image.memRecord;
    if (image::isRecordInUse(records[static_cast<std::size_t>(last)]))
        return Outcome::failure("memory " + std::to_string(last) +
                                ", the last of its bank or area, is in use; nothing moved");
    recorded(tr("Insert empty memory"), [&] {
        for (int m = last; m > memory; --m)
            records[static_cast<std::size_t>(m)] = records[static_cast<std::size_t>(m - 1)];
        records[static_cast<std::size_t>(memory)] = std::string(image::kEmptyRecord);
    });
    for (int m = memory; m <= last; ++m)
        emit memoryChanged(m);
    return Outcome::success();
}

Outcome Session::deleteMemory(int memory) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return outsideUserMemories(memory);
    const int last = image::memoryGroup(m_image.bankTable, memory).second;
    auto& records = m_image.memRecord;
    recorded(tr("Delete memory"), [&] {
        for (int m = memory; m < last; ++m)
            records[static_cast<std::size_t>(m)] = records[static_cast<std::size_t>(m + 1)];
        records[static_cast<std::size_t>(last)] = std::string(image::kEmptyRecord);
    });
    for (int m = memory; m <= last; ++m)
        emit memoryChanged(m);
    return Outcome::success();
}

Outcome Session::moveMemory(int memory, int direction) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return outsideUserMemories(memory);
    const auto [first, last] = image::memoryGroup(m_image.bankTable, memory);
    const int other = memory + (direction < 0 ? -1 : 1);
    if (other < first || other > last)
        return Outcome::failure("memory " + std::to_string(memory) + " is at the " +
                                (direction < 0 ? "top" : "bottom") + " of its bank or area");
    recorded(direction < 0 ? tr("Move up") : tr("Move down"), [&] {
        std::swap(m_image.memRecord[static_cast<std::size_t>(memory)],
                  m_image.memRecord[static_cast<std::size_t>(other)]);
    });
    emit memoryChanged(memory);
    emit memoryChanged(other);
    return Outcome::success();
}

int Session::commitBankCount(int bank, const QString& text) {
    if (bank < 0 || bank >= image::kBankCount)
        return 0;
    recorded(tr("Change the partition"), [&] {
        m_bankCounts[static_cast<std::size_t>(bank)] = image::bankCountOfText(text.toStdString());
        int total = 0;
        for (int count : m_bankCounts)
            total += count;
        m_displayedTotal = total;
        // The labels stay: only loading the partition (a read, a file, Reset) relabels.
        if (partitionValid())
            m_image.bankTable = image::bankTableFromCounts(m_bankCounts);
    });
    emit partitionChanged();
    return m_bankCounts[static_cast<std::size_t>(bank)];
}

void Session::resetPartition() {
    recorded(tr("Reset the partition"), [&] {
        m_image.bankTable = image::defaultPartition();
        loadPartition(false); // relabels only if the total still reads 1000 at this moment
        m_displayedTotal = image::kBankAreaSize;
    });
    emit partitionChanged();
}

void Session::setBankLinks(const std::array<std::string, image::kBankLinkCount>& entries) {
    recorded(tr("Change the bank links"), [&] { m_image.bankLink = entries; });
}

void Session::setPsLinks(const std::array<std::string, image::kPsLinkCount>& entries) {
    recorded(tr("Change the program-scan links"), [&] { m_image.psLink = entries; });
}

void Session::setSettings(const image::SettingsSelections& settings) {
    recorded(tr("Change a setting"), [&] { m_settings = settings; });
}

} // namespace r36::session
