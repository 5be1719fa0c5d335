#include "image_difference.h"

#include "image/hex_text.h"
#include "image/link_table.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/settings_block.h"

#include <algorithm>
#include <cstdio>

namespace r36::image {

namespace {

const std::string kNotRead = "not read";
constexpr std::array<const char*, 11> kFieldNames = {"Frequency",    "Mode", "Step",  "Subtone",
                                                     "TSQ",          "DCS",  "Train", "Shift",
                                                     "Offset Freq.", "Skip", "Name"};

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k)
        text += (k == 0 ? "" : separator) + parts[k];
    return text;
}

std::string trimmed(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

/// "145.000000MHz FM "TEST"", or "empty" for a free memory.
std::string summary(const DisplayTexts& texts) {
    if (texts[0].empty())
        return "empty";
    const std::string name = trimmed(texts[10]);
    return texts[0] + " " + texts[1] + (name.empty() ? "" : " \"" + name + "\"");
}

/// The first byte where two hex texts differ, as a field: "byte 0" "FF" -> "00".
FieldChange firstDifferentByte(const std::string& before, const std::string& after,
                               bool record = false) {
    std::size_t offset = 0;
    while (2 * offset + 2 <= std::min(before.size(), after.size()) &&
           before.compare(2 * offset, 2, after, 2 * offset, 2) == 0)
        ++offset;
    auto byteText = [offset](const std::string& text) {
        return 2 * offset + 2 <= text.size() ? text.substr(2 * offset, 2) : std::string("none");
    };
    // Outside the PRG area the auto flags show nowhere else; the write clears them.
    std::string field = "byte " + std::to_string(offset);
    if (record && offset == static_cast<std::size_t>(rec::kAutoStep))
        field = "auto step";
    else if (record && offset == static_cast<std::size_t>(rec::kAutoMode))
        field = "auto mode";
    return {field, byteText(before), byteText(after)};
}

class Differ {
public:
    Differ(const ReceiverHoldings& before, const ReceiverHoldings& after)
        : m_before(before), m_after(after) {
        m_labels = defaultMemoryLabels();
        if (const Held& table = after.bankTable ? after.bankTable : before.bankTable)
            relabelMemoryList(*table, m_labels);
    }

    Difference run() {
        for (int memory = 0; memory < kUserMemoryCount; ++memory)
            memoryChange(memory);
        banks();
        links(PieceKind::BankLinkGroup, m_before.bankLink, m_after.bankLink, "bank-link group",
              "banks");
        links(PieceKind::PsLinkGroup, m_before.psLink, m_after.psLink, "PS-link group", "pairs");
        settings();
        remoteKeys();
        return std::move(m_difference);
    }

private:
    /// A change sent in a block whole (`kind`), or in memory or link group `index`.
    void add(PieceKind kind, int index, std::string subject, std::vector<FieldChange> fields,
             std::string label = {}) {
        const Piece piece{kind, isNumberedKind(kind) ? index : Piece::kWhole};
        m_difference.changes.push_back(
            {piece, index, std::move(subject), std::move(label), std::move(fields)});
    }

    /// A block that differs although none of its items does (a malformed or unused byte).
    void otherwise(std::size_t changesBefore, PieceKind kind, const std::string& subject,
                   const Held& before, const std::string& after) {
        if (m_difference.changes.size() == changesBefore && before && *before != after)
            add(kind, -1, subject, {firstDifferentByte(*before, after)});
    }

    void memoryChange(int memory) {
        const Held& after = m_after.memories[static_cast<std::size_t>(memory)];
        const Held& before = m_before.memories[static_cast<std::size_t>(memory)];
        // A short record (the empty "00") writes, and so compares, only its first bytes. A
        // memory free on both sides holds no channel either way, whatever its other bytes.
        if (!after || (before && (before->substr(0, after->size()) == *after ||
                                  (!isRecordInUse(*before) && !isRecordInUse(*after)))))
            return;
        const DisplayTexts a = renderRecord(*after, memory);
        std::vector<FieldChange> fields;
        if (!before) {
            fields.push_back({"", kNotRead, summary(a)});
        } else {
            const DisplayTexts b = renderRecord(*before, memory);
            if (b[0].empty() != a[0].empty())
                fields.push_back({"", summary(b), summary(a)});
            else
                for (std::size_t k = 0; k < a.size(); ++k)
                    if (a[k] != b[k])
                        fields.push_back({kFieldNames[k], b[k], a[k]});
            if (fields.empty())
                fields.push_back(firstDifferentByte(*before, *after, true));
        }
        add(PieceKind::Memory, memory, "memory " + std::to_string(memory), std::move(fields),
            m_labels[static_cast<std::size_t>(memory)]);
    }

    void banks() {
        if (!m_after.bankTable)
            return;
        const std::size_t start = m_difference.changes.size();
        const auto after = bankCounts(*m_after.bankTable);
        const auto before = bankCounts(m_before.bankTable.value_or(""));
        for (int bank = 0; bank < kBankCount; ++bank) {
            const auto b = static_cast<std::size_t>(bank);
            if (m_before.bankTable && before[b] == after[b])
                continue;
            char name[8];
            std::snprintf(name, sizeof name, "Bank%02d", bank);
            add(PieceKind::BankTablePart, bank, name,
                {{"memories", m_before.bankTable ? std::to_string(before[b]) : kNotRead,
                  std::to_string(after[b])}});
        }
        otherwise(start, PieceKind::BankTablePart, "the bank table", m_before.bankTable,
                  *m_after.bankTable);
    }

    static std::string membersText(const std::string& entry) {
        std::vector<std::string> members;
        const LinkMembers flags = linkMembers(entry);
        for (int item = 0; item < kLinkItems; ++item)
            if (flags[static_cast<std::size_t>(item)])
                members.push_back(std::to_string(item));
        return members.empty() ? "none" : joined(members, " ");
    }

    template <std::size_t N>
    void links(PieceKind kind, const std::array<Held, N>& before, const std::array<Held, N>& after,
               const std::string& subject, const std::string& field) {
        for (std::size_t k = 0; k < N; ++k) {
            if (!after[k] || before[k] == after[k])
                continue;
            const std::string b = before[k] ? membersText(*before[k]) : kNotRead;
            const std::string a = membersText(*after[k]);
            add(kind, static_cast<int>(k) + 1, subject + " " + std::to_string(k + 1),
                {b == a ? firstDifferentByte(*before[k], *after[k]) : FieldChange{field, b, a}});
        }
    }

    void setting(PieceKind kind, const SettingDef& def, const Held& before,
                 const std::string& after) {
        const auto a = byteAt(after, def.byte);
        const auto b = before ? byteAt(*before, def.byte) : std::nullopt;
        if (!a || (before && a == b))
            return;
        auto choice = [&def](std::optional<std::uint8_t> value) {
            return value ? def.choices[static_cast<std::size_t>(choiceForValue(def, *value))]
                         : std::string("unreadable");
        };
        std::string bText = before ? choice(b) : kNotRead, aText = choice(a);
        if (bText == aText) { // two bytes that show as the same choice
            bText += " (" + (b ? hexByte(*b) : std::string("none")) + ")";
            aText += " (" + hexByte(*a) + ")";
        }
        add(kind, def.byte, std::string(def.label), {{"", bText, aText}});
    }

    void settings() {
        if (m_after.sysBlock)
            for (const SettingDef& def : sysSettings())
                setting(PieceKind::SysBlockPart, def, m_before.sysBlock, *m_after.sysBlock);
        if (m_after.sys3Block)
            setting(PieceKind::Sys3Block, sys3Setting(), m_before.sys3Block, *m_after.sys3Block);
    }

    static std::string channelText(std::optional<std::uint8_t> value) {
        return value && *value >= 13 && *value <= 52 ? std::to_string(*value) : "-";
    }

    void remoteKeys() {
        if (!m_after.remoconId)
            return;
        const std::size_t start = m_difference.changes.size();
        const Held& before = m_before.remoconId;
        for (int key = 1; key <= 10; ++key) {
            const std::string a = channelText(byteAt(*m_after.remoconId, key));
            const std::string b = before ? channelText(byteAt(*before, key)) : kNotRead;
            if (a != b)
                add(PieceKind::RemoconId, key, "remote key ID " + std::to_string(key),
                    {{"TV channel", b, a}});
        }
        otherwise(start, PieceKind::RemoconId, "the remote key IDs", before, *m_after.remoconId);
    }

    const ReceiverHoldings& m_before;
    const ReceiverHoldings& m_after;
    std::vector<std::string> m_labels;
    Difference m_difference;
};

} // namespace

std::string Change::text() const {
    std::vector<std::string> parts;
    for (const FieldChange& f : fields)
        parts.push_back((f.field.empty() ? "" : f.field + " ") + f.before + " -> " + f.after);
    return subject + (label.empty() ? "" : " (" + label + ")") + ": " + joined(parts, ", ");
}

std::string Change::mismatchText() const {
    std::vector<std::string> held, written;
    for (const FieldChange& f : fields) {
        held.push_back(f.before);
        written.push_back(f.after);
    }
    return subject + ": the receiver holds " + joined(held, " ") + ", " + joined(written, " ") +
           " was written";
}

std::string Difference::countsText() const {
    struct Noun {
        PieceKind kind;
        const char* one;
        const char* many;
    };
    // In listing order.
    static const Noun kNouns[] = {{PieceKind::Memory, "memory", "memories"},
                                  {PieceKind::BankTablePart, "bank", "banks"},
                                  {PieceKind::BankLinkGroup, "bank-link group", "bank-link groups"},
                                  {PieceKind::PsLinkGroup, "PS-link group", "PS-link groups"},
                                  {PieceKind::SysBlockPart, "setting", "settings"},
                                  {PieceKind::RemoconId, "remote key ID", "remote key IDs"}};
    // PROTCT, the third block's one setting, counts among the settings.
    auto countedAs = [](PieceKind kind) {
        return kind == PieceKind::Sys3Block ? PieceKind::SysBlockPart : kind;
    };
    std::vector<std::string> parts;
    for (const Noun& noun : kNouns) {
        const auto count = std::count_if(changes.begin(), changes.end(), [&](const Change& c) {
            return countedAs(c.piece.kind) == noun.kind;
        });
        if (count > 0)
            parts.push_back(std::to_string(count) + " " + (count == 1 ? noun.one : noun.many));
    }
    return parts.empty() ? "nothing" : joined(parts, ", ");
}

WritePlan Difference::plan() const {
    WritePlan plan;
    for (const Change& change : changes)
        plan.add(change.piece);
    return plan;
}

Difference difference(const ReceiverHoldings& before, const ReceiverHoldings& after) {
    Difference found = Differ(before, after).run();
    found.relabelled = labelChanges(before, after);
    return found;
}

} // namespace r36::image
