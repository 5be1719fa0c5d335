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

using Value = ChangeValue;
using Of = FieldChange::Of;
constexpr Value::Kind kNotRead = Value::Kind::NotRead;

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

/// "145.000000MHz FM "TEST"", or empty for a free memory.
Value summary(const DisplayTexts& texts) {
    if (texts[0].empty())
        return Value::Kind::Empty;
    const std::string name = trimmed(texts[10]);
    return texts[0] + " " + texts[1] + (name.empty() ? "" : " \"" + name + "\"");
}

/// The first byte where two hex texts differ, as a field: byte 0, "FF" -> "00".
FieldChange firstDifferentByte(const std::string& before, const std::string& after,
                               bool record = false) {
    std::size_t offset = 0;
    while (2 * offset + 2 <= std::min(before.size(), after.size()) &&
           before.compare(2 * offset, 2, after, 2 * offset, 2) == 0)
        ++offset;
    auto byteValue = [offset](const std::string& text) {
        return 2 * offset + 2 <= text.size() ? Value(text.substr(2 * offset, 2))
                                             : Value(Value::Kind::None);
    };
    FieldChange field{Of::Byte, MemoryField::Frequency, static_cast<int>(offset), byteValue(before),
                      byteValue(after)};
    // Outside the PRG area the auto flags show nowhere else; the write clears them.
    if (record && offset == static_cast<std::size_t>(rec::kAutoStep))
        field.of = Of::MemoryField, field.memoryField = MemoryField::AutoStep;
    else if (record && offset == static_cast<std::size_t>(rec::kAutoMode))
        field.of = Of::MemoryField, field.memoryField = MemoryField::AutoMode;
    return field;
}

/// A change of a whole value, or of what `of` names.
FieldChange changed(Value before, Value after, Of of = Of::Whole) {
    return {of, MemoryField::Frequency, 0, std::move(before), std::move(after)};
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
        links(PieceKind::BankLinkGroup, m_before.bankLink, m_after.bankLink, Of::LinkedBanks);
        links(PieceKind::PsLinkGroup, m_before.psLink, m_after.psLink, Of::LinkedPairs);
        settings();
        remoteKeys();
        return std::move(m_difference);
    }

private:
    /// A change sent in a block whole (`kind`), or in memory or link group `index`.
    void add(PieceKind kind, int index, std::vector<FieldChange> fields, std::string name = {},
             std::string label = {}) {
        const Piece piece{kind, isNumberedKind(kind) ? index : Piece::kWhole};
        m_difference.changes.push_back(
            {piece, index, std::move(name), std::move(label), std::move(fields)});
    }

    /// A block that differs although none of its items does (a malformed or unused byte).
    void otherwise(std::size_t changesBefore, PieceKind kind, const Held& before,
                   const std::string& after) {
        if (m_difference.changes.size() == changesBefore && before && *before != after)
            add(kind, -1, {firstDifferentByte(*before, after)});
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
            fields.push_back(changed(kNotRead, summary(a)));
        } else {
            const DisplayTexts b = renderRecord(*before, memory);
            if (b[0].empty() != a[0].empty())
                fields.push_back(changed(summary(b), summary(a)));
            else
                for (std::size_t k = 0; k < a.size(); ++k)
                    if (a[k] != b[k]) {
                        fields.push_back(changed(b[k], a[k], Of::MemoryField));
                        fields.back().memoryField = static_cast<MemoryField>(k);
                    }
            if (fields.empty())
                fields.push_back(firstDifferentByte(*before, *after, true));
        }
        add(PieceKind::Memory, memory, std::move(fields), {},
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
            add(PieceKind::BankTablePart, bank,
                {changed(m_before.bankTable ? Value(std::to_string(before[b])) : kNotRead,
                         std::to_string(after[b]), Of::BankMemories)},
                name);
        }
        otherwise(start, PieceKind::BankTablePart, m_before.bankTable, *m_after.bankTable);
    }

    static Value members(const std::string& entry) {
        std::vector<std::string> members;
        const LinkMembers flags = linkMembers(entry);
        for (int item = 0; item < kLinkItems; ++item)
            if (flags[static_cast<std::size_t>(item)])
                members.push_back(std::to_string(item));
        return members.empty() ? Value(Value::Kind::None) : Value(joined(members, " "));
    }

    template <std::size_t N>
    void links(PieceKind kind, const std::array<Held, N>& before, const std::array<Held, N>& after,
               Of membersOf) {
        for (std::size_t k = 0; k < N; ++k) {
            if (!after[k] || before[k] == after[k])
                continue;
            const Value b = before[k] ? members(*before[k]) : kNotRead;
            const Value a = members(*after[k]);
            add(kind, static_cast<int>(k) + 1,
                {b == a ? firstDifferentByte(*before[k], *after[k]) : changed(b, a, membersOf)});
        }
    }

    void setting(PieceKind kind, const SettingDef& def, const Held& before,
                 const std::string& after) {
        const auto a = byteAt(after, def.byte);
        const auto b = before ? byteAt(*before, def.byte) : std::nullopt;
        if (!a || (before && a == b))
            return;
        auto choice = [&def](std::optional<std::uint8_t> value) {
            return value ? Value(std::string(
                               def.choices[static_cast<std::size_t>(choiceForValue(def, *value))]))
                         : Value(Value::Kind::Unreadable);
        };
        Value bValue = before ? choice(b) : kNotRead, aValue = choice(a);
        if (b && bValue == aValue) { // two bytes that show as the same choice
            bValue.text += " (" + hexByte(*b) + ")";
            aValue.text += " (" + hexByte(*a) + ")";
        }
        add(kind, def.byte, {changed(bValue, aValue)}, std::string(def.label));
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
            const Value a = channelText(byteAt(*m_after.remoconId, key));
            const Value b = before ? Value(channelText(byteAt(*before, key))) : kNotRead;
            if (a != b)
                add(PieceKind::RemoconId, key, {changed(b, a, Of::TvChannel)});
        }
        otherwise(start, PieceKind::RemoconId, before, *m_after.remoconId);
    }

    const ReceiverHoldings& m_before;
    const ReceiverHoldings& m_after;
    std::vector<std::string> m_labels;
    Difference m_difference;
};

} // namespace

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
