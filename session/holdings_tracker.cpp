#include "holdings_tracker.h"

#include "image/hex_text.h"
#include "image/memory_map.h"
#include "image/settings_block.h"

#include <algorithm>
#include <optional>

namespace r36::session {

namespace {

constexpr int kLastPiece = 3; // of the four: 32, 32, 32 and then 4 bytes
constexpr std::size_t kPieceChars = image::kLineHexChars;
constexpr std::size_t kLastPieceChars = 8;

/// "memory 12" -> 12 for the prefix "memory "; nullopt for another piece.
std::optional<int> numberAfter(const std::string& piece, const std::string& prefix) {
    if (piece.rfind(prefix, 0) != 0 || piece.size() == prefix.size())
        return std::nullopt;
    return std::stoi(piece.substr(prefix.size()));
}

template <std::size_t N>
void copyAll(std::array<image::Held, N>& held, const std::array<std::string, N>& entries) {
    std::copy(entries.begin(), entries.end(), held.begin());
}

template <typename Pieces> bool anyKnown(const Pieces& pieces) {
    return std::any_of(pieces.begin(), pieces.end(),
                       [](const image::Held& h) { return h.has_value(); });
}

} // namespace

void HoldingsTracker::stored(const std::string& piece) {
    image::ReceiverHoldings& h = m_holdings;
    if (const auto memory = numberAfter(piece, "memory "))
        h.memories[static_cast<std::size_t>(*memory)] =
            m_image.memRecord[static_cast<std::size_t>(*memory)];
    else if (piece == "the bank table")
        h.bankTable = m_image.bankTable;
    else if (piece == "the bank links")
        copyAll(h.bankLink, m_image.bankLink);
    else if (piece == "the program-scan links")
        copyAll(h.psLink, m_image.psLink);
    else if (piece == "the settings block")
        h.sysBlock = m_image.sysBlock;
    else if (piece == "the third settings block")
        h.sys3Block = m_image.sys3Block;
    else if (piece == "the remote key IDs")
        h.remoconId = m_image.remoconId;
}

void HoldingsTracker::pieceOfFour(image::Held& held, int& count, const std::string& sent) {
    const std::size_t first = kPieceChars * static_cast<std::size_t>(count);
    const std::size_t length = count == kLastPiece ? kLastPieceChars : kPieceChars;
    if (held && held->size() >= first + length && sent.size() >= first + length)
        held->replace(first, length, sent, first, length);
    else if (!held && count == kLastPiece)
        held = sent.substr(0, first + length);
    ++count;
}

void HoldingsTracker::acknowledged(const std::string& piece) {
    image::ReceiverHoldings& h = m_holdings;
    image::ReceiverHoldings& a = m_acknowledged;
    if (const auto memory = numberAfter(piece, "memory ")) {
        const auto m = static_cast<std::size_t>(*memory);
        h.memories[m] = image::recordAfterWrite(h.memories[m], m_image.memRecord[m]);
        a.memories[m] = h.memories[m];
    } else if (const auto group = numberAfter(piece, "bank-link group ")) {
        const auto k = static_cast<std::size_t>(*group - 1);
        a.bankLink[k] = h.bankLink[k] = m_image.bankLink[k];
    } else if (const auto pair = numberAfter(piece, "program-scan-link group ")) {
        const auto k = static_cast<std::size_t>(*pair - 1);
        a.psLink[k] = h.psLink[k] = m_image.psLink[k];
    } else if (piece == "the bank table") {
        pieceOfFour(h.bankTable, m_bankTablePieces, m_image.bankTable);
        a.bankTable = h.bankTable;
    } else if (piece == "the settings block") {
        pieceOfFour(h.sysBlock, m_sysBlockPieces, m_image.sysBlock);
        a.sysBlock = h.sysBlock;
    } else if (piece == "the third settings block") {
        // The one byte sent is PROTCT's; whether the receiver put it there, a read-back tells.
        std::string block = h.sys3Block.value_or(m_image.sys3Block);
        const int byte = image::sys3Setting().byte;
        if (const auto value = image::byteAt(m_image.sys3Block, byte))
            image::setByteAt(block, byte, *value);
        a.sys3Block = h.sys3Block = block;
    } else if (piece == "the remote key IDs") {
        a.remoconId = h.remoconId = m_image.remoconId;
    }
}

image::WritePlan HoldingsTracker::readBackPlan() const {
    const image::ReceiverHoldings& a = m_acknowledged;
    image::WritePlan plan;
    for (int m = 0; m < image::kUserMemoryCount; ++m)
        if (a.memories[static_cast<std::size_t>(m)])
            plan.memories.push_back(m);
    plan.bankTable = a.bankTable.has_value();
    plan.bankLinks = anyKnown(a.bankLink);
    plan.psLinks = anyKnown(a.psLink);
    plan.sysBlock = a.sysBlock.has_value();
    plan.sys3Block = a.sys3Block.has_value();
    plan.remoconId = a.remoconId.has_value();
    return plan;
}

} // namespace r36::session
