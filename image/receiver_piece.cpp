#include "receiver_piece.h"

namespace r36::image {

namespace {

/// The noun before a numbered piece's number.
std::string noun(PieceKind kind) {
    switch (kind) {
    case PieceKind::Memory:
        return "memory";
    case PieceKind::BankLinkGroup:
        return "bank-link group";
    case PieceKind::PsLinkGroup:
        return "program-scan-link group";
    default:
        return {};
    }
}

} // namespace

bool isNumberedKind(PieceKind kind) {
    return kind == PieceKind::Memory || kind == PieceKind::BankLinkGroup ||
           kind == PieceKind::PsLinkGroup;
}

std::string pieceText(const Piece& piece) {
    switch (piece.kind) {
    case PieceKind::BankTablePart:
        return "the bank table";
    case PieceKind::SysBlockPart:
        return "the settings block";
    case PieceKind::Sys3Block:
        return "the third settings block";
    case PieceKind::RemoconId:
        return "the remote key IDs";
    case PieceKind::BankLinkGroup:
        if (piece.index == Piece::kWhole)
            return "the bank links";
        break;
    case PieceKind::PsLinkGroup:
        if (piece.index == Piece::kWhole)
            return "the program-scan links";
        break;
    case PieceKind::Memory:
        break;
    }
    return noun(piece.kind) + " " + std::to_string(piece.index);
}

std::string pluralNoun(PieceKind kind) {
    return kind == PieceKind::Memory ? "memories" : noun(kind) + "s";
}

} // namespace r36::image
