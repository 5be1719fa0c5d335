// The pieces of the receiver's memory: their words in messages, and a write plan built from them.

#include "image/receiver_holdings.h"
#include "image/receiver_piece.h"

#include <gtest/gtest.h>

using namespace r36::image;

TEST(ReceiverPiece, EachKindReadsAsTheMessagesAndTheLogSayIt) {
    const std::pair<Piece, std::string> cases[] = {
        {{PieceKind::Memory, 0}, "memory 0"},
        {{PieceKind::Memory, 1699}, "memory 1699"},
        {{PieceKind::BankTablePart, 3}, "the bank table"},
        {{PieceKind::BankTablePart, Piece::kWhole}, "the bank table"},
        {{PieceKind::BankLinkGroup, 10}, "bank-link group 10"},
        {{PieceKind::BankLinkGroup, Piece::kWhole}, "the bank links"},
        {{PieceKind::PsLinkGroup, 1}, "program-scan-link group 1"},
        {{PieceKind::PsLinkGroup, Piece::kWhole}, "the program-scan links"},
        {{PieceKind::SysBlockPart, 0}, "the settings block"},
        {{PieceKind::Sys3Block, Piece::kWhole}, "the third settings block"},
        {{PieceKind::RemoconId, Piece::kWhole}, "the remote key IDs"}};
    for (const auto& [piece, text] : cases)
        EXPECT_EQ(pieceText(piece), text);
    EXPECT_EQ(pluralNoun(PieceKind::Memory), "memories");
    EXPECT_EQ(pluralNoun(PieceKind::PsLinkGroup), "program-scan-link groups");
}

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
