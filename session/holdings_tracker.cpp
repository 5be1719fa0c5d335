#include "holdings_tracker.h"

#include "image/hex_text.h"
#include "image/memory_map.h"
#include "image/settings_block.h"

#include <algorithm>

namespace r36::session {

namespace {

constexpr int kLastPiece = 3; // of the four: 32, 32, 32 and then 4 bytes
constexpr std::size_t kPieceChars = image::kLineHexChars;
constexpr std::size_t kLastPieceChars = 8;

template <std::size_t N>
void copyAll(std::array<image::Held, N>& held, const std::array<std::string, N>& entries) {
    std::copy(entries.begin(), entries.end(), held.begin());
}

/// One more of the four writes of the bank table or the settings block (32, 32, 32, 4 bytes);
/// a block never read becomes known when the last was taken.
void pieceOfFour(image::Held& held, int part, const std::string& sent) {
    const std::size_t first = kPieceChars * static_cast<std::size_t>(part);
    const std::size_t length = part == kLastPiece ? kLastPieceChars : kPieceChars;
    if (held && held->size() >= first + length && sent.size() >= first + length)
        held->replace(first, length, sent, first, length);
    else if (!held && part == kLastPiece)
        held = sent.substr(0, first + length);
}

} // namespace

void HoldingsTracker::stored(const image::Piece& piece) {
    image::ReceiverHoldings& h = m_holdings;
    const auto index = static_cast<std::size_t>(piece.index);
    switch (piece.kind) {
    case image::PieceKind::Memory:
        h.memories[index] = m_image.memRecord[index];
        break;
    case image::PieceKind::BankTablePart: // reads take the whole table
        h.bankTable = m_image.bankTable;
        break;
    case image::PieceKind::BankLinkGroup:
        copyAll(h.bankLink, m_image.bankLink);
        break;
    case image::PieceKind::PsLinkGroup:
        copyAll(h.psLink, m_image.psLink);
        break;
    case image::PieceKind::SysBlockPart:
        h.sysBlock = m_image.sysBlock;
        break;
    case image::PieceKind::Sys3Block:
        h.sys3Block = m_image.sys3Block;
        break;
    case image::PieceKind::RemoconId:
        h.remoconId = m_image.remoconId;
        break;
    }
}

void HoldingsTracker::acknowledged(const image::Piece& piece) {
    image::ReceiverHoldings& h = m_holdings;
    image::ReceiverHoldings& a = m_acknowledged;
    m_readBack.add(piece);
    switch (piece.kind) {
    case image::PieceKind::Memory: {
        const auto m = static_cast<std::size_t>(piece.index);
        h.memories[m] = image::recordAfterWrite(h.memories[m], m_image.memRecord[m]);
        a.memories[m] = h.memories[m];
        break;
    }
    case image::PieceKind::BankLinkGroup: {
        const auto k = static_cast<std::size_t>(piece.index - 1);
        a.bankLink[k] = h.bankLink[k] = m_image.bankLink[k];
        break;
    }
    case image::PieceKind::PsLinkGroup: {
        const auto k = static_cast<std::size_t>(piece.index - 1);
        a.psLink[k] = h.psLink[k] = m_image.psLink[k];
        break;
    }
    case image::PieceKind::BankTablePart:
        pieceOfFour(h.bankTable, piece.index, m_image.bankTable);
        a.bankTable = h.bankTable;
        break;
    case image::PieceKind::SysBlockPart:
        pieceOfFour(h.sysBlock, piece.index, m_image.sysBlock);
        a.sysBlock = h.sysBlock;
        break;
    case image::PieceKind::Sys3Block: {
        // The one byte sent is PROTCT's; whether the receiver put it there, a read-back tells.
        std::string block = h.sys3Block.value_or(m_image.sys3Block);
        const int byte = image::sys3Setting().byte;
        if (const auto value = image::byteAt(m_image.sys3Block, byte))
            image::setByteAt(block, byte, *value);
        a.sys3Block = h.sys3Block = block;
        break;
    }
    case image::PieceKind::RemoconId:
        a.remoconId = h.remoconId = m_image.remoconId;
        break;
    }
}

} // namespace r36::session
