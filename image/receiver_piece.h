#pragma once

// A piece of the receiver's memory as the link reads and writes it: which kind, and which one.
// The program decides by the piece itself; its words are made only for messages and the log.

namespace r36::image {

/// The kinds of piece, in the order Write all sends them.
enum class PieceKind {
    BankTablePart, // one of the bank table's four writes (32, 32, 32, 4 bytes)
    BankLinkGroup,
    PsLinkGroup,  // program-scan-link group
    SysBlockPart, // one of the settings block's four writes
    Sys3Block,    // the third settings block (one byte is written: PROTCT)
    RemoconId,    // the remote key IDs
    Memory,
};

struct Piece {
    /// The index of a block read or planned whole (all four parts, every link group).
    static constexpr int kWhole = -1;

    PieceKind kind = PieceKind::Memory;
    /// The memory number; a link group's number from 1; a part's number from 0; kWhole.
    int index = kWhole;

    bool operator==(const Piece&) const = default;
};

/// True for the kinds whose pieces are numbered one by one in messages (memories, link groups).
bool isNumberedKind(PieceKind kind);

} // namespace r36::image
