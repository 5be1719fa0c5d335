#include "image/link_table.h"

#include "image/memory_areas.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {
LinkMembers only(std::initializer_list<int> items) {
    LinkMembers members{};
    for (const int item : items)
        members[item] = true;
    return members;
}
} // namespace

TEST(LinkTable, EntriesOfKnownMembersAndEveryMemberBitRoundTrips) {
    EXPECT_EQ(linkEntry(only({0, 1}), false), "C0000000000000");
    EXPECT_EQ(linkEntry(only({4}), false), "08000000000000");
    EXPECT_EQ(linkEntry(only({49}), true), "00000000000041");
    EXPECT_EQ(linkEntry(LinkMembers{}, true), "00000000000001");
    for (int item = 0; item < kLinkItems; ++item)
        EXPECT_EQ(linkMembers(linkEntry(only({item}), item % 2 == 0)), only({item})) << item;
    LinkMembers all;
    all.fill(true);
    EXPECT_EQ(linkEntry(all, false), "FFFFFFFFFFFFC0");
    EXPECT_EQ(linkMembers(linkEntry(all, true)), all);
}

TEST(LinkTable, PaintingIgnoresTheLastBitsAndToleratesBadText) {
    EXPECT_EQ(linkMembers("0000000000003F"), LinkMembers{});  // bits 50..55
    EXPECT_EQ(linkMembers("c"), only({0, 1}));                // short and lower case
    EXPECT_EQ(linkMembers("Zc"), only({4, 5}));               // a non-hex character counts as 0
    EXPECT_EQ(linkMembers("8000000000000FFFFFF"), only({0})); // long text: first 13 characters
}

// The bank links cannot hold a bank the partition leaves empty ("0000"); program-scan pairs are
// always available. Only the last bank-link entry carries the flag.
TEST(LinkTable, ShowToggleAndStoreFollowTheKindsRules) {
    std::string bankTable = defaultPartition(); // banks 17..49 empty
    bankTable.replace(4 * 49, 4, "0100");       // any other word makes a bank available
    std::array<std::string, 10> entries;
    entries.fill("00000000000001");
    entries[4] = "80000800000000"; // banks 0 and 20
    for (const LinkKind kind : {LinkKind::BankLink, LinkKind::ProgramScanLink}) {
        const bool bank = kind == LinkKind::BankLink;
        LinkTable table = showLinkTable(kind, entries, bankTable);
        ASSERT_EQ(table.groups.size(), 10u);
        for (int item = 0; item < kLinkItems; ++item)
            EXPECT_EQ(table.unavailable[item], bank && item >= 17 && item < 49) << item;
        EXPECT_EQ(table.groups[4], bank ? only({0}) : only({0, 20}));
        EXPECT_EQ(toggleLinkMember(table, 9, 49), true);
        EXPECT_EQ(toggleLinkMember(table, 9, 20), !bank);
        EXPECT_FALSE(toggleLinkMember(table, 10, 0));
        EXPECT_FALSE(toggleLinkMember(table, 0, 50));
        std::array<std::string, 10> stored;
        storeLinkTable(table, stored);
        EXPECT_EQ(stored[0], "00000000000000");
        EXPECT_EQ(stored[4], bank ? "80000000000000" : "80000800000000");
        EXPECT_EQ(stored[9], bank ? "00000000000041" : "00000800000040");
        clearLinkTable(stored);
        EXPECT_EQ(stored[9], "00000000000000");
    }
}
