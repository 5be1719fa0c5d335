#include "receiver_holdings.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"

#include <algorithm>

namespace r36::image {

namespace {

// Record offsets 19..20 (autoStep, autoMode) are characters 38..41.
constexpr std::size_t kAutoFlagsChar = 38;
constexpr std::size_t kAutoFlagsChars = 4;

template <typename Pieces> bool anyKnown(const Pieces& pieces) {
    return std::any_of(pieces.begin(), pieces.end(), [](const Held& h) { return h.has_value(); });
}

template <typename Pieces> bool allKnown(const Pieces& pieces) {
    return std::all_of(pieces.begin(), pieces.end(), [](const Held& h) { return h.has_value(); });
}

void take(Held& mine, const Held& theirs) {
    if (theirs)
        mine = theirs;
}

} // namespace

bool ReceiverHoldings::knowsNothing() const {
    return !anyKnown(memories) && !bankTable && !anyKnown(bankLink) && !anyKnown(psLink) &&
           !sysBlock && !sys3Block && !remoconId;
}

bool ReceiverHoldings::knowsEverything() const {
    return allKnown(memories) && bankTable && allKnown(bankLink) && allKnown(psLink) && sysBlock &&
           sys3Block && remoconId;
}

void ReceiverHoldings::takeKnown(const ReceiverHoldings& other) {
    for (std::size_t m = 0; m < memories.size(); ++m)
        take(memories[m], other.memories[m]);
    for (std::size_t k = 0; k < bankLink.size(); ++k)
        take(bankLink[k], other.bankLink[k]);
    for (std::size_t k = 0; k < psLink.size(); ++k)
        take(psLink[k], other.psLink[k]);
    take(bankTable, other.bankTable);
    take(sysBlock, other.sysBlock);
    take(sys3Block, other.sys3Block);
    take(remoconId, other.remoconId);
    if (!other.knowsNothing())
        radioVersion = other.radioVersion;
}

WritePlan WritePlan::all() {
    WritePlan plan = banks();
    plan.sysBlock = plan.sys3Block = plan.remoconId = true;
    plan.memories = memoryRange(0, lastStoredMemory).memories;
    return plan;
}

WritePlan WritePlan::banks() {
    WritePlan plan;
    plan.bankTable = plan.bankLinks = plan.psLinks = true;
    return plan;
}

WritePlan WritePlan::settings() {
    WritePlan plan;
    plan.sysBlock = plan.sys3Block = plan.remoconId = true;
    return plan;
}

WritePlan WritePlan::memoryRange(int first, int last) {
    WritePlan plan;
    for (int memory = std::max(first, 0); memory <= std::min(last, lastStoredMemory); ++memory)
        plan.memories.push_back(memory);
    return plan;
}

void WritePlan::add(const Piece& piece) {
    switch (piece.kind) {
    case PieceKind::BankTablePart:
        bankTable = true;
        break;
    case PieceKind::BankLinkGroup:
        bankLinks = true;
        break;
    case PieceKind::PsLinkGroup:
        psLinks = true;
        break;
    case PieceKind::SysBlockPart:
        sysBlock = true;
        break;
    case PieceKind::Sys3Block:
        sys3Block = true;
        break;
    case PieceKind::RemoconId:
        remoconId = true;
        break;
    case PieceKind::Memory:
        // Kept ascending and once each: the plan is sent in memory order.
        if (const auto at = std::lower_bound(memories.begin(), memories.end(), piece.index);
            at == memories.end() || *at != piece.index)
            memories.insert(at, piece.index);
        break;
    }
}

std::vector<Piece> WritePlan::pieces() const {
    const std::pair<bool, PieceKind> blocks[] = {
        {bankTable, PieceKind::BankTablePart}, {bankLinks, PieceKind::BankLinkGroup},
        {psLinks, PieceKind::PsLinkGroup},     {sysBlock, PieceKind::SysBlockPart},
        {sys3Block, PieceKind::Sys3Block},     {remoconId, PieceKind::RemoconId}};
    std::vector<Piece> list;
    for (const auto& [wanted, kind] : blocks)
        if (wanted)
            list.push_back({kind, Piece::kWhole});
    for (int memory : memories)
        list.push_back({PieceKind::Memory, memory});
    return list;
}

bool WritePlan::empty() const {
    return pieceCount() == 0;
}

int WritePlan::pieceCount() const {
    return static_cast<int>(memories.size()) + bankTable + bankLinks + psLinks + sysBlock +
           sys3Block + remoconId;
}

ReceiverHoldings holdingsOfImage(const CloneImage& image, std::int16_t radioVersion) {
    ReceiverHoldings held;
    held.radioVersion = radioVersion;
    for (int m = 0; m < kUserMemoryCount; ++m)
        held.memories[m] = image.memRecord[static_cast<std::size_t>(m)];
    held.bankTable = image.bankTable;
    std::copy(image.bankLink.begin(), image.bankLink.end(), held.bankLink.begin());
    std::copy(image.psLink.begin(), image.psLink.end(), held.psLink.begin());
    held.sysBlock = image.sysBlock;
    held.sys3Block = image.sys3Block;
    held.remoconId = image.remoconId;
    return held;
}

CloneImage imageOfHoldings(const ReceiverHoldings& held, CloneImage base) {
    auto use = [](std::string& mine, const Held& theirs) {
        if (theirs)
            mine = *theirs;
    };
    for (int m = 0; m < kUserMemoryCount; ++m)
        use(base.memRecord[static_cast<std::size_t>(m)], held.memories[m]);
    for (std::size_t k = 0; k < held.bankLink.size(); ++k)
        use(base.bankLink[k], held.bankLink[k]);
    for (std::size_t k = 0; k < held.psLink.size(); ++k)
        use(base.psLink[k], held.psLink[k]);
    use(base.bankTable, held.bankTable);
    use(base.sysBlock, held.sysBlock);
    use(base.sys3Block, held.sys3Block);
    use(base.remoconId, held.remoconId);
    return base;
}

std::string recordAsSent(std::string record, int memory) {
    if (!isPrgMemory(memory) && record.size() >= kAutoFlagsChar + kAutoFlagsChars)
        record.replace(kAutoFlagsChar, kAutoFlagsChars, "0000");
    return record;
}

std::string recordAfterWrite(const Held& held, const std::string& sent) {
    if (!held || held->size() <= sent.size())
        return sent;
    return sent + held->substr(sent.size());
}

ReceiverHoldings afterWriting(const ReceiverHoldings& held, const CloneImage& image,
                              const WritePlan& plan) {
    ReceiverHoldings after = held;
    for (int memory : plan.memories)
        after.memories[static_cast<std::size_t>(memory)] = recordAfterWrite(
            held.memories[static_cast<std::size_t>(memory)],
            recordAsSent(image.memRecord[static_cast<std::size_t>(memory)], memory));
    if (plan.bankTable)
        after.bankTable = image.bankTable;
    if (plan.bankLinks)
        std::copy(image.bankLink.begin(), image.bankLink.end(), after.bankLink.begin());
    if (plan.psLinks)
        std::copy(image.psLink.begin(), image.psLink.end(), after.psLink.begin());
    if (plan.sysBlock) {
        // Bytes no setting covers go back as the receiver holds them.
        std::string block = held.sysBlock.value_or(image.sysBlock);
        for (const SettingDef& setting : sysSettings())
            if (const auto value = byteAt(image.sysBlock, setting.byte))
                setByteAt(block, setting.byte, *value);
        after.sysBlock = block;
    }
    if (plan.sys3Block) {
        std::string block = held.sys3Block.value_or(image.sys3Block);
        if (const auto value = byteAt(image.sys3Block, sys3Setting().byte))
            setByteAt(block, sys3Setting().byte, *value);
        after.sys3Block = block;
    }
    if (plan.remoconId)
        after.remoconId = image.remoconId;
    return after;
}

} // namespace r36::image
