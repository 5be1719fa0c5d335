// The edits of the document: memories, the partition, the link groups and the
// settings page, each one step of the undo history.

#include "document.h"

#include "undo_step.h"

#include "image/memory_record.h"

#include <algorithm>

namespace r36::session {

// ---- Memories by their labels --------------------------------------------------------------

int Document::memoriesInUse(int first, int last) const {
    int inUse = 0;
    for (int memory = std::max(first, 0); memory <= std::min(last, image::lastStoredMemory);
         ++memory)
        inUse += image::isRecordInUse(m_image.memRecord[static_cast<std::size_t>(memory)]) ? 1 : 0;
    return inUse;
}

QString Document::labelRange(int first, int last) const {
    first = std::clamp(first, 0, image::lastStoredMemory);
    last = std::clamp(last, first, image::lastStoredMemory);
    const QString from = QString::fromStdString(m_labels[static_cast<std::size_t>(first)]);
    const QString to = QString::fromStdString(m_labels[static_cast<std::size_t>(last)]);
    if (first == last)
        return from;
    // What both labels share up to their dash ("Bank09-", "AT - ") is written once.
    qsizetype shared = from.lastIndexOf(u'-') + 1;
    while (shared > 0 && shared < from.size() && from[shared] == u' ')
        ++shared;
    if (shared > 0 && to.startsWith(from.left(shared)))
        return from + QStringLiteral("..") + to.mid(shared);
    return from + QStringLiteral("..") + to;
}

// ---- Edits --------------------------------------------------------------------------------

void Document::setMemory(int memory, const std::string& record) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return;
    recorded(tr("Edit %1").arg(labelRange(memory, memory)),
             [&] { m_image.memRecord[static_cast<std::size_t>(memory)] = record; });
    emit memoryChanged(memory);
}

bool Document::setMemories(int first, const std::vector<std::string>& records,
                           const QString& what) {
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

void Document::clearMemories(int first, int last) {
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

/// An edit refused for the memories `labels` name.
Outcome refusedFor(FailureKind kind, const QString& labels) {
    Failure refused(kind);
    refused.value = labels.toStdString();
    return Outcome::failure(std::move(refused));
}

Outcome outsideUserMemories(int memory) {
    Failure outside(FailureKind::NotUserMemory);
    outside.number = memory;
    return Outcome::failure(std::move(outside));
}

} // namespace

Outcome Document::insertEmptyMemory(int memory) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return outsideUserMemories(memory);
    const int last = image::memoryGroup(m_image.bankTable, memory).second;
    auto& records = m_image.memRecord;
    if (image::isRecordInUse(records[static_cast<std::size_t>(last)]))
        return refusedFor(FailureKind::LastMemoryInUse, labelRange(last, last));
    recorded(tr("Insert empty memory"), [&] {
        for (int m = last; m > memory; --m)
            records[static_cast<std::size_t>(m)] = records[static_cast<std::size_t>(m - 1)];
        records[static_cast<std::size_t>(memory)] = std::string(image::kEmptyRecord);
    });
    for (int m = memory; m <= last; ++m)
        emit memoryChanged(m);
    return Outcome::success();
}

Outcome Document::deleteMemory(int memory) {
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

Outcome Document::moveMemory(int memory, int direction) {
    if (memory < 0 || memory > image::lastStoredMemory)
        return outsideUserMemories(memory);
    const auto [first, last] = image::memoryGroup(m_image.bankTable, memory);
    const int other = memory + (direction < 0 ? -1 : 1);
    if (other < first || other > last)
        return refusedFor(direction < 0 ? FailureKind::AtTopOfGroup : FailureKind::AtBottomOfGroup,
                          labelRange(memory, memory));
    recorded(direction < 0 ? tr("Move up") : tr("Move down"), [&] {
        std::swap(m_image.memRecord[static_cast<std::size_t>(memory)],
                  m_image.memRecord[static_cast<std::size_t>(other)]);
    });
    emit memoryChanged(memory);
    emit memoryChanged(other);
    return Outcome::success();
}

std::array<int, image::kBankCount> Document::countsWith(int bank, const QString& text) const {
    auto counts = m_bankCounts;
    counts[static_cast<std::size_t>(bank)] = image::bankCountOfText(text.toStdString());
    return counts;
}

namespace {

int totalOf(const std::array<int, image::kBankCount>& counts) {
    int total = 0;
    for (int count : counts)
        total += count;
    return total;
}

} // namespace

std::optional<image::BankMove> Document::bankMoveOnCommit(int bank, const QString& text) const {
    if (bank < 0 || bank >= image::kBankCount)
        return std::nullopt;
    const auto after = countsWith(bank, text);
    const auto before = image::bankCounts(m_image.bankTable);
    if (totalOf(after) != image::kBankAreaSize || after == before)
        return std::nullopt;
    image::BankMove move = image::planBankMove(before, after, m_image.memRecord);
    if (move.relabelled == 0)
        return std::nullopt;
    return move;
}

int Document::commitBankCount(int bank, const QString& text, CountsChange how) {
    if (bank < 0 || bank >= image::kBankCount)
        return 0;
    bool moved = false;
    recorded(tr("Change the partition"), [&] {
        const auto counts = countsWith(bank, text);
        if (how == CountsChange::MoveChannels && totalOf(counts) == image::kBankAreaSize) {
            const image::BankMove move = image::planBankMove(image::bankCounts(m_image.bankTable),
                                                             counts, m_image.memRecord);
            image::moveWithBanks(move, m_image.memRecord);
            moved = !move.refusal && move.moved > 0;
        }
        m_bankCounts = counts;
        m_displayedTotal = totalOf(counts);
        // The labels follow at once, so the list never shows labels the receiver will not have.
        if (partitionValid()) {
            m_image.bankTable = image::bankTableFromCounts(m_bankCounts);
            relabelIfValid();
        }
    });
    if (moved)
        emit imageReplaced();
    emit partitionChanged();
    return m_bankCounts[static_cast<std::size_t>(bank)];
}

void Document::resetPartition() {
    recorded(tr("Reset the partition"), [&] {
        m_image.bankTable = image::defaultPartition();
        m_displayedTotal = image::kBankAreaSize; // before the labels: they follow it now
        loadPartition(true);
    });
    emit partitionChanged();
}

void Document::setBankLinks(const std::array<std::string, image::kBankLinkCount>& entries) {
    recorded(tr("Change the bank links"), [&] { m_image.bankLink = entries; });
}

void Document::setPsLinks(const std::array<std::string, image::kPsLinkCount>& entries) {
    recorded(tr("Change the program-scan links"), [&] { m_image.psLink = entries; });
}

void Document::setSettings(const image::SettingsSelections& settings) {
    recorded(tr("Change a setting"), [&] { m_settings = settings; });
}

} // namespace r36::session
