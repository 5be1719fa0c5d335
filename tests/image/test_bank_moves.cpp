// Channels moved with their banks when the partition changes, and the channels a write leaves
// under another label.

#include "image/bank_moves.h"
#include "image/label_changes.h"
#include "image/memory_record.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {

BankCounts countsOf(std::initializer_list<int> leading) {
    BankCounts counts{};
    std::copy(leading.begin(), leading.end(), counts.begin());
    return counts;
}

std::string channel(int n) {
    return encodeRecord({.frequencyHz = 145000000u + static_cast<std::uint32_t>(n) * 5000u,
                         .name = "CH" + std::to_string(n)});
}

std::vector<std::string> recordsWith(std::initializer_list<int> inUse) {
    std::vector<std::string> records(kUserMemoryCount, std::string(kEmptyRecord));
    for (int memory : inUse)
        records[static_cast<std::size_t>(memory)] = channel(memory);
    return records;
}

struct MoveCase {
    const char* name;
    BankCounts before, after;
    std::initializer_list<int> inUse;
    std::vector<std::pair<int, int>> movedTo; // memory before -> after; the rest stays
    int moved, relabelled;
    std::optional<BankMoveRefusal> refusal;
};

class BankMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(BankMoves, EachBankTakesItsChannelsAlongOrSaysWhichOneStopsIt) {
    const MoveCase& c = GetParam();
    const std::vector<std::string> records = recordsWith(c.inUse);
    const BankMove move = planBankMove(c.before, c.after, records);
    EXPECT_EQ(move.moved, c.moved);
    EXPECT_EQ(move.relabelled, c.relabelled);
    EXPECT_EQ(move.refusal, c.refusal);
    std::vector<std::string> expected = records;
    for (const auto& [from, to] : c.movedTo)
        expected[static_cast<std::size_t>(from)] = std::string(kEmptyRecord);
    for (const auto& [from, to] : c.movedTo)
        expected[static_cast<std::size_t>(to)] = channel(from);
    std::vector<std::string> result = records;
    moveWithBanks(move, result);
    EXPECT_EQ(result, expected) << "the areas past 999 never move";
}

// One case a row: before, after, the memories in use, where they go, moved, relabelled, refusal.
// clang-format off
const MoveCase kMoveCases[] = {
    {"AGrownBankPushesTheLaterBanksAndTheirChannels",
     countsOf({400, 300, 200, 100}), countsOf({405, 300, 200, 95}), {0, 399, 400, 699, 900, 994, 1000},
     {{400, 405}, {699, 704}, {900, 905}, {994, 999}}, 4, 4, std::nullopt},
    {"AShrunkBankPullsThemBackAndItsLastChannelMayStay",
     countsOf({400, 300, 200, 100}), countsOf({390, 310, 200, 100}), {389, 400, 709},
     {{400, 390}}, 1, 1, std::nullopt},
    {"AnEmptyBankThatGrowsTakesNoChannel",
     countsOf({500, 0, 500}), countsOf({500, 10, 490}), {500, 989},
     {{500, 510}, {989, 999}}, 2, 2, std::nullopt},
    {"AChannelPastTheNewCountRefusesNamingTheLastOne",
     countsOf({400, 300, 200, 100}), countsOf({405, 300, 200, 95}), {400, 995, 997},
     {}, 1, 3, BankMoveRefusal{BankMoveRefusal::Kind::Shrinks, 3, 97, 95, 0}},
    {"OldCountsBelow1000LeaveTheChannelsPastThemInNoBank",
     countsOf({900}), countsOf({1000}), {10, 950},
     {}, 0, 1, BankMoveRefusal{BankMoveRefusal::Kind::OutsideBanks, 0, 0, 0, 950}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, BankMoves, ::testing::ValuesIn(kMoveCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(LabelChanges, OnlyTheCountsWrittenMoveChannelsAcrossTheBorderMovedWithThemNone) {
    // Bank 9 grows by five, bank 16 (the last) shrinks by five; FIRE was the first of bank 10.
    const BankCounts before = bankCounts(defaultPartition());
    BankCounts after = before;
    after[9] += 5;
    after[16] -= 5;
    ReceiverHoldings held;
    held.bankTable = defaultPartition();
    for (int memory = 0; memory < kUserMemoryCount; ++memory)
        held.memories[static_cast<std::size_t>(memory)] = std::string(kEmptyRecord);
    const std::string fire = encodeRecord({.frequencyHz = 154000000, .name = "FIRE"});
    held.memories[750] = fire; // Bank10-000
    held.memories[3] = fire;   // Bank00-003: a twin that keeps its label

    ReceiverHoldings countsOnly = held;
    countsOnly.bankTable = bankTableFromCounts(after);
    const std::vector<LabelChange> shifted = labelChanges(held, countsOnly);
    ASSERT_EQ(shifted.size(), 1u);
    EXPECT_EQ(shifted[0], (LabelChange{"FIRE", "Bank10-000", "Bank09-050"}));

    std::vector<std::string> records(held.memories.size());
    for (std::size_t m = 0; m < records.size(); ++m)
        records[m] = *held.memories[m];
    moveWithBanks(planBankMove(before, after, records), records);
    ReceiverHoldings moved = countsOnly;
    for (std::size_t m = 0; m < records.size(); ++m)
        moved.memories[m] = records[m];
    EXPECT_TRUE(labelChanges(held, moved).empty());
    // The twin cleared as well: the copy left keeps its own label and is not taken for it.
    moved.memories[3] = std::string(kEmptyRecord);
    EXPECT_TRUE(labelChanges(held, moved).empty());
    EXPECT_TRUE(labelChanges(held, held).empty());
}

} // namespace
