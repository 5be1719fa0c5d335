#pragma once

#include "image/clone_image.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace r36::session {

/// Everything an edit can change. Taken whole only for a moment, around a change, to find what
/// the change touched.
struct DocumentState {
    image::CloneImage image;
    image::SettingsSelections settings;
    std::vector<std::string> labels;
    std::array<int, image::kBankCount> bankCounts{};
    int displayedTotal = image::kBankAreaSize;

    bool operator==(const DocumentState&) const = default;
};

/// Where the open document keeps those same parts, for a change to be put back into.
struct DocumentParts {
    image::CloneImage& image;
    image::SettingsSelections& settings;
    std::vector<std::string>& labels;
    std::array<int, image::kBankCount>& bankCounts;
    int& displayedTotal;
};

/// The entries of one list that a change touched, each before and after, and the list's length
/// before and after.
template <typename Value> struct EntryChanges {
    struct Entry {
        std::size_t index;
        Value before;
        Value after;
    };
    std::size_t sizeBefore = 0;
    std::size_t sizeAfter = 0;
    std::vector<Entry> entries;

    bool empty() const { return entries.empty() && sizeBefore == sizeAfter; }
};

/// What one step of the history changed: only the records, labels, blocks, bank counts,
/// settings selections and displayed total that differ, so a step costs what it touched (one
/// memory: a few hundred bytes; a whole document: about what the document holds).
class DocumentChange {
public:
    /// The parts of `after` that differ from `before`.
    DocumentChange(const DocumentState& before, const DocumentState& after);

    bool empty() const;
    /// Puts the values before the change (undo) or after it (redo) into `document`; the parts
    /// the change did not touch stay as they are.
    void putBefore(const DocumentParts& document) const { put(document, false); }
    void putAfter(const DocumentParts& document) const { put(document, true); }

private:
    /// The parts a memory edit never touches, kept apart so they cost one pointer when unused.
    struct Rest {
        EntryChanges<std::string> blocks; // the bank table, settings blocks, remote key IDs
        EntryChanges<std::string> bankLinks;
        EntryChanges<std::string> psLinks;
        EntryChanges<int> bankCounts;
        EntryChanges<int> sysChoices;
        EntryChanges<std::string> tvTexts;
        int sys3Choice[2]{};
        bool tvEnabled[2]{};
        int displayedTotal[2]{};

        bool empty() const;
    };

    void put(const DocumentParts& document, bool after) const;

    EntryChanges<std::string> m_records;
    EntryChanges<std::string> m_labels;
    std::unique_ptr<Rest> m_rest; // null: none of it changed
};

} // namespace r36::session
