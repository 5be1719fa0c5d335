#include "document_change.h"

#include <algorithm>
#include <span>

namespace r36::session {

namespace {

/// The image's single blocks, by their place in DocumentChange's list of blocks.
constexpr std::array kBlocks = {&image::CloneImage::bankTable, &image::CloneImage::sysBlock,
                                &image::CloneImage::sys3Block, &image::CloneImage::remoconId};

template <typename Value>
EntryChanges<Value> changesBetween(std::span<const Value> before, std::span<const Value> after) {
    EntryChanges<Value> changes{before.size(), after.size(), {}};
    // Past the end of the shorter list an entry counts as the empty value it is resized with.
    for (std::size_t k = 0; k < std::max(before.size(), after.size()); ++k) {
        static const Value none{};
        const Value& was = k < before.size() ? before[k] : none;
        const Value& is = k < after.size() ? after[k] : none;
        if (was != is)
            changes.entries.push_back({k, was, is});
    }
    changes.entries.shrink_to_fit();
    return changes;
}

template <typename List>
void putEntries(const EntryChanges<typename List::value_type>& changes, List& list, bool after) {
    if constexpr (requires { list.resize(0); })
        list.resize(after ? changes.sizeAfter : changes.sizeBefore);
    for (const auto& entry : changes.entries)
        if (entry.index < list.size())
            list[entry.index] = after ? entry.after : entry.before;
}

std::array<std::string, kBlocks.size()> blocksOf(const image::CloneImage& image) {
    std::array<std::string, kBlocks.size()> blocks;
    for (std::size_t k = 0; k < kBlocks.size(); ++k)
        blocks[k] = image.*kBlocks[k];
    return blocks;
}

} // namespace

DocumentChange::DocumentChange(const DocumentState& before, const DocumentState& after)
    : m_records(changesBetween<std::string>(before.image.memRecord, after.image.memRecord)),
      m_labels(changesBetween<std::string>(before.labels, after.labels)) {
    auto rest = std::make_unique<Rest>();
    const auto blocksBefore = blocksOf(before.image);
    const auto blocksAfter = blocksOf(after.image);
    rest->blocks = changesBetween<std::string>(blocksBefore, blocksAfter);
    rest->bankLinks = changesBetween<std::string>(before.image.bankLink, after.image.bankLink);
    rest->psLinks = changesBetween<std::string>(before.image.psLink, after.image.psLink);
    rest->bankCounts = changesBetween<int>(before.bankCounts, after.bankCounts);
    rest->sysChoices = changesBetween<int>(before.settings.sysChoice, after.settings.sysChoice);
    rest->tvTexts = changesBetween<std::string>(before.settings.tvText, after.settings.tvText);
    rest->sys3Choice[0] = before.settings.sys3Choice;
    rest->sys3Choice[1] = after.settings.sys3Choice;
    rest->tvEnabled[0] = before.settings.tvEnabled;
    rest->tvEnabled[1] = after.settings.tvEnabled;
    rest->displayedTotal[0] = before.displayedTotal;
    rest->displayedTotal[1] = after.displayedTotal;
    if (!rest->empty())
        m_rest = std::move(rest);
}

bool DocumentChange::Rest::empty() const {
    return blocks.empty() && bankLinks.empty() && psLinks.empty() && bankCounts.empty() &&
           sysChoices.empty() && tvTexts.empty() && sys3Choice[0] == sys3Choice[1] &&
           tvEnabled[0] == tvEnabled[1] && displayedTotal[0] == displayedTotal[1];
}

bool DocumentChange::empty() const {
    return m_records.empty() && m_labels.empty() && !m_rest;
}

void DocumentChange::put(const DocumentParts& document, bool after) const {
    putEntries(m_records, document.image.memRecord, after);
    putEntries(m_labels, document.labels, after);
    if (!m_rest)
        return;
    const Rest& rest = *m_rest;
    for (const auto& entry : rest.blocks.entries)
        document.image.*kBlocks[entry.index] = after ? entry.after : entry.before;
    putEntries(rest.bankLinks, document.image.bankLink, after);
    putEntries(rest.psLinks, document.image.psLink, after);
    putEntries(rest.bankCounts, document.bankCounts, after);
    putEntries(rest.sysChoices, document.settings.sysChoice, after);
    putEntries(rest.tvTexts, document.settings.tvText, after);
    document.settings.sys3Choice = rest.sys3Choice[after];
    document.settings.tvEnabled = rest.tvEnabled[after];
    document.displayedTotal = rest.displayedTotal[after];
}

} // namespace r36::session
