// Lists from elsewhere placed into the document: one after the other from a memory, or into the
// free memories of its bank or area; refused with the counts when they do not fit, and then
// nothing changes. The lines' notes as the user reads them.

#include "image/memory_record.h"
#include "session/chirp_texts.h"
#include "session/session.h"

#include <QUndoStack>

#include <gtest/gtest.h>

using namespace r36;
using Where = session::ImportPlacement::Where;

namespace {

struct PlacementCase {
    const char* name;
    Where where;
    int memory, count;
    std::vector<int> memories; // where they go; empty: refused
    int replaced;
    const char* refusal;
};

class ImportPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ImportPlacement, PlacesTheRecordsThereAndNothingElseInOneStep) {
    const PlacementCase& c = GetParam();
    session::Session session({});
    // Default partition: Bank05 is 500..549; two of its memories are in use.
    for (const int m : {500, 502})
        session.setMemory(m, image::encodeRecord({.frequencyHz = 156'800'000, .name = "KEEP"}));
    const image::CloneImage before = session.image();
    const int steps = session.undoStack().count();
    std::vector<std::string> records;
    for (int k = 0; k < c.count; ++k)
        records.push_back(
            image::encodeRecord({.frequencyHz = 160'000'000u + 25'000u * k, .name = "NEW"}));

    const auto placed = session.importRecords(c.where, c.memory, records, QStringLiteral("Import"));
    EXPECT_EQ(placed.memories, c.memories);
    EXPECT_EQ(session::placementRefusalText(placed, session.labels()).toStdString(), c.refusal);
    if (!placed.ok()) {
        EXPECT_EQ(session.image(), before);
        EXPECT_EQ(session.undoStack().count(), steps);
        return;
    }
    EXPECT_EQ(placed.replaced, c.replaced);
    image::CloneImage expected = before;
    for (std::size_t k = 0; k < records.size(); ++k)
        expected.memRecord[static_cast<std::size_t>(c.memories[k])] = records[k];
    EXPECT_EQ(session.image(), expected);
    EXPECT_EQ(session.undoStack().count(), steps + 1);
    session.undo();
    EXPECT_EQ(session.image(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Session, ImportPlacement,
    ::testing::Values(
        PlacementCase{
            "FromAMemoryWhateverTheyHold", Where::FromMemory, 499, 4, {499, 500, 501, 502}, 2, ""},
        PlacementCase{
            "FreeMemoriesOfTheBankInOrder", Where::FreeInGroup, 530, 3, {501, 503, 504}, 0, ""},
        PlacementCase{"FreeMemoriesOfAnArea", Where::FreeInGroup, 1100, 2, {1000, 1001}, 0, ""},
        PlacementCase{"RefusedPastTheLastMemory",
                      Where::FromMemory,
                      1690,
                      11,
                      {},
                      0,
                      "11 lines, 10 memories from PRIO - 90 to PRIO - 99"},
        PlacementCase{"RefusedWhenTheBankHasTooFewFree",
                      Where::FreeInGroup,
                      549,
                      49,
                      {},
                      0,
                      "49 lines, 48 free memories in Bank05"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ChirpTexts, ALineSaysWhatWasDroppedAndKeptAndShowsNoControlCharacters) {
    const files::ChirpImport imported = files::parseChirpCsv(
        "Location,Name,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,RxDtcsCode,CrossMode,Mode\n"
        "1,Cross,146.52,Cross,88.5,88.5,023,071,Tone->DTCS,FM\n"
        "2,\"\x1b[2J\",146.52,,,,,,,USB\n");
    ASSERT_EQ(imported.lines.size(), 2u);
    EXPECT_EQ(session::chirpLineText(imported.lines[0]).toStdString(),
              "line 2, CROSS: transmit tone dropped; receive DCS 071 kept");
    EXPECT_EQ(session::chirpLineText(imported.lines[1]).toStdString(),
              "line 3, \\x1B[2J: mode USB cannot be received (FM, AM and WFM only); line not "
              "carried");
}

} // namespace
