// Sorting a block of records and checking a list for likely mistakes.

#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/link_table.h"
#include "image/list_check.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/memory_sort.h"

#include <gtest/gtest.h>

using namespace r36::image;
using Kind = ListFinding::Kind;

namespace {

std::string channel(std::uint32_t hz, const std::string& name, std::uint8_t mode = 0,
                    std::uint8_t subtone = 0, std::uint8_t tone = 7) {
    return encodeRecord(
        {.frequencyHz = hz, .mode = mode, .subtone = subtone, .toneIndex = tone, .name = name});
}

std::vector<std::string> namesOf(const std::vector<std::string>& records) {
    std::vector<std::string> names;
    for (const std::string& record : records)
        names.push_back(isRecordInUse(record) ? decodeRecord(record)->name : "-");
    return names;
}

TEST(SortedRecords, StableByEachKeyBothWaysWithFreeMemoriesLast) {
    const std::string free(kEmptyRecord);
    const std::vector<std::string> records = {
        free, channel(146'000'000, "B     ", 1, 2, 9), channel(145'000'000, "A     ", 0, 2, 3),
        free, channel(146'000'000, "C     ", 0, 0),    channel(144'000'000, "B2    ", 1, 4),
    };
    const struct {
        SortKey key;
        bool descending;
        std::vector<std::string> names;
    } cases[] = {
        {SortKey::Frequency, false, {"B2    ", "A     ", "B     ", "C     ", "-", "-"}},
        {SortKey::Frequency, true, {"B     ", "C     ", "A     ", "B2    ", "-", "-"}},
        {SortKey::Name, false, {"A     ", "B     ", "B2    ", "C     ", "-", "-"}},
        {SortKey::Mode, false, {"A     ", "C     ", "B     ", "B2    ", "-", "-"}},
        {SortKey::Mode, true, {"B     ", "B2    ", "A     ", "C     ", "-", "-"}},
        {SortKey::Subtone, false, {"C     ", "A     ", "B     ", "B2    ", "-", "-"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(namesOf(sortedRecords(records, c.key, c.descending)), c.names)
            << static_cast<int>(c.key) << " descending " << c.descending;
}

class ListCheck : public ::testing::Test {
protected:
    void set(int memory, const std::string& record) {
        image.memRecord[static_cast<std::size_t>(memory)] = record;
    }
    std::vector<ListFinding> findings() const { return checkList(image); }
    CloneImage image = freshImage();
};

TEST_F(ListCheck, DuplicatesCountWithinAGroupAndAcrossTheList) {
    set(0, channel(145'000'000, "A"));
    set(5, channel(145'000'000, "A2"));    // same bank as 0
    set(6, channel(145'000'000, "AM", 1)); // another mode: no duplicate
    set(150, channel(145'000'000, "A3"));  // bank 1
    set(151, channel(145'000'000, "A4"));  // bank 1 again
    const std::vector<ListFinding> expected = {
        {Kind::DuplicateInGroup, 5, 0},
        {Kind::DuplicateInList, 150, 0},
        {Kind::DuplicateInGroup, 151, 150},
    };
    EXPECT_EQ(findings(), expected);
    EXPECT_EQ(duplicatesToRemove(findings()), (std::vector<int>{5, 151}));
}

TEST_F(ListCheck, ProgramScanPairsWithOneEdgeOrReversedEdges) {
    set(prgFirst, channel(118'000'000, "LO"));     // pair 0: B free
    set(prgFirst + 3, channel(137'000'000, "HI")); // pair 1: A free
    set(prgFirst + 4, channel(137'000'000, "HI")); // pair 2 reversed
    set(prgFirst + 5, channel(118'000'000, "LO"));
    set(prgFirst + 6, channel(118'000'000, "LO2")); // pair 3 in order
    set(prgFirst + 7, channel(137'000'000, "HI2"));
    std::vector<ListFinding> prg;
    for (const ListFinding& f : findings())
        if (f.kind == Kind::PrgEdgeFree || f.kind == Kind::PrgEdgesReversed)
            prg.push_back(f);
    const std::vector<ListFinding> expected = {
        {Kind::PrgEdgeFree, prgFirst, prgFirst + 1},
        {Kind::PrgEdgeFree, prgFirst + 3, prgFirst + 2},
        {Kind::PrgEdgesReversed, prgFirst + 4, prgFirst + 5},
    };
    EXPECT_EQ(prg, expected);
}

TEST_F(ListCheck, LinkGroupsNamingOnlyEmptyBanksOrPairs) {
    set(100, channel(145'000'000, "B1")); // bank 1 (default partition: banks 0-4 hold 100)
    set(prgFirst + 2, channel(118'000'000, "LO"));
    set(prgFirst + 3, channel(137'000'000, "HI")); // pair 1 in use
    LinkMembers members{};
    members[0] = members[2] = true; // banks 0 and 2: empty
    image.bankLink[0] = linkEntry(members, false);
    members[1] = true; // and bank 1, in use
    image.bankLink[1] = linkEntry(members, false);
    image.psLink[3] = linkEntry(members, false); // pairs 0, 1, 2: pair 1 in use
    LinkMembers pair0{};
    pair0[0] = true;
    image.psLink[4] = linkEntry(pair0, false);
    const std::vector<ListFinding> expected = {
        {Kind::BankLinkOnlyEmpty, -1, -1, 0},
        {Kind::PsLinkOnlyEmpty, -1, -1, 4},
    };
    EXPECT_EQ(findings(), expected);
}

TEST_F(ListCheck, NamesWithALeadingSpaceOrAHiddenCharacter) {
    set(1, channel(145'000'000, " LEAD"));
    std::string hidden = channel(145'100'000, "AB CD");
    setByteAt(hidden, rec::kName + 2, 0x07); // shown as the space between AB and CD
    set(2, hidden);
    std::string padded = channel(145'200'000, "ABC");
    setByteAt(padded, rec::kName + 4, 0x00); // after the name: padding, not a finding
    set(3, padded);
    set(4, channel(145'300'000, "      ")); // no name at all
    const std::vector<ListFinding> expected = {
        {Kind::NameLeadingSpace, 1},
        {Kind::NameHiddenCharacter, 2},
    };
    EXPECT_EQ(findings(), expected);
}

} // namespace
