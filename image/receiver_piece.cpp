#include "receiver_piece.h"

namespace r36::image {

bool isNumberedKind(PieceKind kind) {
    return kind == PieceKind::Memory || kind == PieceKind::BankLinkGroup ||
           kind == PieceKind::PsLinkGroup;
}

} // namespace r36::image
