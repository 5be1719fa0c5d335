// Sorting a bank, setting one field across many memories and clearing a scattered set: each one
// undo step, labels and free memories left where they are.

#include "session_fixture.h"

#include "image/memory_record.h"
#include "session/list_edits.h"
#include "session/memory_field_text.h"

using namespace r36;
using namespace r36::testing_session;

namespace {

class ListEdits : public SessionFixture {
protected:
    void SetUp() override {
        // Bank 0 (0..99): 3, 1, free, 2; one PRG edge.
        session->setMemories(0,
                             {channel(147'000'000, "C"), channel(145'000'000, "A"),
                              std::string(image::kEmptyRecord), channel(146'000'000, "B")},
                             QStringLiteral("setup"));
        session->setMemory(image::prgFirst, channel(118'000'000, "LO"));
        session->undoStack().clear();
    }
    static std::string channel(std::uint32_t hz, const std::string& name) {
        return image::encodeRecord({.frequencyHz = hz, .name = name});
    }
    std::string name(int memory) const {
        const auto decoded = image::decodeRecord(session->image().memRecord[memory]);
        return decoded ? decoded->name : "-";
    }
};

TEST_F(ListEdits, SortingOneRowSortsItsBankAsOneStepLabelsStaying) {
    const std::vector<std::string> labels = session->labels();
    const image::CloneImage before = session->image();
    ASSERT_TRUE(session->sortMemories(2, 2, image::SortKey::Frequency, false));
    EXPECT_EQ((std::vector<std::string>{name(0), name(1), name(2), name(3), name(4)}),
              (std::vector<std::string>{"A     ", "B     ", "C     ", "-", "-"}));
    EXPECT_EQ(session->labels(), labels);
    EXPECT_EQ(session->undoStack().count(), 1);
    session->undo();
    EXPECT_EQ(session->image(), before);
    // The shown memories of a filtered bank sort among their own places; the others stay.
    ASSERT_TRUE(session->sortMemorySet({0, 3}, image::SortKey::Frequency, false));
    EXPECT_EQ(name(0) + name(1) + name(3), "B     A     C     ");
    session->undo();

    const auto [first, last] = image::memoryGroup(session->image().bankTable, 0);
    const Outcome across = session->sortMemories(last - 1, last + 1, image::SortKey::Name, false);
    EXPECT_FALSE(across);
    EXPECT_TRUE(holds(test::english(across), "more than one bank or area"));
    EXPECT_EQ(session->image(), before);
    EXPECT_EQ(first, 0);
}

TEST_F(ListEdits, SetFieldChangesMemoriesInUseNamesRefusalsAndLeavesFreeOnesFree) {
    constexpr int kMode = 1, kOffset = 8;
    const std::vector<int> selected = {0, 1, 2, 3, image::prgFirst};
    // "auto" exists only for program-scan edges: the bank memories are refused, with the field.
    session::SetFieldReport report = session->setField(selected, kMode, "auto");
    EXPECT_EQ(report.changed, 1);
    ASSERT_EQ(report.refused.size(), 3u);
    EXPECT_EQ(report.refused[0].memory, 0);
    EXPECT_EQ(session::refusalText(report.refused[0].why, session::Wording::English),
              "Mode: one of the list's values");
    EXPECT_EQ(session->image().memRecord[2], image::kEmptyRecord);

    report = session->setField(selected, kOffset, "0.6");
    EXPECT_EQ(report.changed, 4);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_EQ(image::decodeRecord(session->image().memRecord[3])->offsetHz, 600'000u);
    EXPECT_EQ(session->image().memRecord[2], image::kEmptyRecord);
    EXPECT_EQ(session->undoStack().count(), 2);
    session->undo();
    EXPECT_EQ(image::decodeRecord(session->image().memRecord[3])->offsetHz, 0u);

    report = session->setField(selected, kOffset, "1000"); // beyond the editor's range
    EXPECT_EQ(report.changed, 0);
    EXPECT_EQ(report.refused.size(), 4u);
    EXPECT_EQ(session->undoStack().index(), 1); // nothing changed: no step
}

} // namespace
