// The pieces of the receiver's memory: a write plan built from them.

#include "image/receiver_holdings.h"
#include "image/receiver_piece.h"

#include <gtest/gtest.h>

using namespace r36::image;

TEST(ReceiverPiece, APlanSendsEachBlockOnceInWriteAllsOrderThenItsMemoriesAscending) {
    WritePlan plan;
    for (const Piece& piece :
         {Piece{PieceKind::Memory, 7}, Piece{PieceKind::RemoconId}, Piece{PieceKind::Memory, 3},
          Piece{PieceKind::BankTablePart, 2}, Piece{PieceKind::BankTablePart, 3},
          Piece{PieceKind::Memory, 7}, Piece{PieceKind::PsLinkGroup, 4}})
        plan.add(piece);
    const std::vector<Piece> expected = {{PieceKind::BankTablePart, Piece::kWhole},
                                         {PieceKind::PsLinkGroup, Piece::kWhole},
                                         {PieceKind::RemoconId, Piece::kWhole},
                                         {PieceKind::Memory, 3},
                                         {PieceKind::Memory, 7}};
    EXPECT_EQ(plan.pieces(), expected);
    EXPECT_EQ(plan.pieceCount(), 5);
    EXPECT_EQ(WritePlan::all().pieces().size(), 6u + kUserMemoryCount);
}
