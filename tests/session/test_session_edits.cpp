// Edits of the memory list that the grid asks for: inserted, deleted, moved and dragged memories,
// pasted rows, an imported list, and finding memories by frequency, name or label.

#include "session_fixture.h"

#include "image/memory_record.h"
#include "session/memory_find.h"

using namespace r36;
using namespace r36::testing_session;

namespace {

class SessionEdits : public SessionFixture {
protected:
    void SetUp() override {
        for (int m = 0; m < 6; ++m)
            session->setMemory(m, image::encodeRecord({.frequencyHz = 145'000'000u + m * 12'500u,
                                                       .name = "CH" + std::to_string(m)}));
    }
    using Records = std::vector<std::string>;
    Records records(int first, int count) const {
        const auto& all = session->image().memRecord;
        return {all.begin() + first, all.begin() + first + count};
    }
};

TEST_F(SessionEdits, MemoriesMoveInsertAndDeleteWithinTheirBankOnly) {
    const Records s = records(0, 6);
    const std::string empty(image::kEmptyRecord);
    ASSERT_TRUE(session->moveMemories(1, 2, 3)); // down: 3 and 4 close up above it
    EXPECT_EQ(records(0, 6), (Records{s[0], s[3], s[4], s[1], s[2], s[5]}));
    ASSERT_TRUE(session->moveMemories(3, 4, 0)); // up
    EXPECT_EQ(records(0, 3), (Records{s[1], s[2], s[0]}));
    ASSERT_TRUE(session->moveMemory(1, +1));
    ASSERT_TRUE(session->insertEmptyMemory(1));
    EXPECT_EQ(records(0, 7), (Records{s[1], empty, s[0], s[2], s[3], s[4], s[5]}));
    ASSERT_TRUE(session->deleteMemory(0));
    EXPECT_EQ(records(0, 7), (Records{empty, s[0], s[2], s[3], s[4], s[5], empty}));

    const int last = image::memoryGroup(session->image().bankTable, 0).second;
    EXPECT_FALSE(session->moveMemories(last - 1, last, last)) << "past the bank's end";
    EXPECT_FALSE(session->moveMemories(last, last + 1, last - 3));
    EXPECT_FALSE(session->moveMemory(last, +1));
    session->setMemory(last + 1, s[5]); // the next bank's first memory never moves
    session->setMemory(last, s[4]);
    EXPECT_FALSE(session->insertEmptyMemory(0)) << "the bank's last memory is in use";
    ASSERT_TRUE(session->deleteMemory(last - 1));
    EXPECT_EQ(records(last - 1, 3), (Records{s[4], empty, s[5]}));
}

TEST_F(SessionEdits, ACsvImportReplacesEveryMemoryOrNothing) {
    const image::CloneImage before = session->image();
    EXPECT_FALSE(session->importCsv(test::dataPath("malformed.R36")));
    EXPECT_EQ(session->image(), before);
    ASSERT_TRUE(session->importCsv(test::dataPath("edited.csv")));
    EXPECT_EQ(image::decodeRecord(session->image().memRecord[0])->frequencyHz, 118'100'000u);
    EXPECT_EQ(session->fileName(), test::dataPath("edited.csv"));
}

TEST_F(SessionEdits, ABankResizedBackTo1000TakesItsChannelsAlongInOneStepUnlessOneFallsOff) {
    const auto moveThem = session::Session::CountsChange::MoveChannels;
    const std::string fire = image::encodeRecord({.frequencyHz = 154'000'000, .name = "FIRE"});
    session->setMemory(750, fire); // Bank10-000 of the default partition
    const auto start = session->image().memRecord;
    session->commitBankCount(9, QStringLiteral("55"));
    EXPECT_FALSE(session->bankMoveOnCommit(16, QStringLiteral("21"))) << "total 1004";
    session->commitBankCount(16, QStringLiteral("20"), moveThem);
    EXPECT_EQ(session->image().memRecord[755], fire);
    EXPECT_EQ(session->labels()[755], "Bank10-000") << "the labels follow at once";
    session->undo();
    EXPECT_EQ(session->image().memRecord, start);

    session->setMemory(999, fire); // Bank16-024 cannot stay in a bank of 20
    session->commitBankCount(16, QStringLiteral("20"), moveThem);
    EXPECT_EQ(session->image().memRecord[750], fire);
    EXPECT_EQ(session->labels()[750], "Bank09-050");
}

TEST_F(SessionEdits, RangesAreNamedByTheirLabelsWithTheSharedPartOnce) {
    const std::pair<std::pair<int, int>, const char*> cases[] = {
        {{7, 7}, "Bank00-007"},
        {{0, 11}, "Bank00-000..011"},
        {{95, 105}, "Bank00-095..Bank01-005"},
        {{999, 1000}, "Bank16-024..AT - 0"},
        {{1000, 1005}, "AT - 0..5"},
        {{1200, 1203}, "PRG - 0A..1B"},
        {{1698, 1800}, "PRIO - 98..99"}};
    for (const auto& [range, text] : cases)
        EXPECT_EQ(session->labelRange(range.first, range.second).toStdString(), text);
}

TEST_F(SessionEdits, FindsByFrequencyAsTypedNameInAnyCaseOrLabel) {
    session->setMemory(1300, image::encodeRecord({.frequencyHz = 145'012'500, .name = "145"}));
    const std::pair<const char*, std::vector<int>> cases[] = {{"145.0125", {1, 1300}},
                                                              {" 145.012500MHz ", {1, 1300}},
                                                              {"145", {0, 1300}},
                                                              {"ch", {0, 1, 2, 3, 4, 5}},
                                                              {"h3", {3}},
                                                              {"bank00-004", {4}},
                                                              {"PASS - 0", {1300}},
                                                              {"Bank00-00", {}},
                                                              {"  ", {}}};
    for (const auto& [text, memories] : cases)
        EXPECT_EQ(session::findMemories(session->image(), session->labels(), text), memories)
            << text;
}

} // namespace
