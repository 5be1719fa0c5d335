#include "image/link_table.h"

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
    EXPECT_EQ(linkEntry(only({3}), false), "10000000000000");
    EXPECT_EQ(linkEntry(only({49}), true), "00000000000041");
    EXPECT_EQ(linkEntry(LinkMembers{}, true), "00000000000001");
    EXPECT_EQ(linkEntry(LinkMembers{}, false), "00000000000000");
    for (int item = 0; item < kLinkItems; ++item)
        EXPECT_EQ(linkMembers(linkEntry(only({item}), item % 2 == 0)), only({item})) << item;
    LinkMembers all;
    all.fill(true);
    EXPECT_EQ(linkEntry(all, false), "FFFFFFFFFFFFC0");
    EXPECT_EQ(linkMembers(linkEntry(all, true)), all);
}

TEST(LinkTable, PaintingIgnoresTheLastBitsAndToleratesBadText) {
    EXPECT_EQ(linkMembers("0000000000003F"), LinkMembers{}); // bits 50..55
    EXPECT_EQ(linkMembers("00000000000001"), LinkMembers{});
    EXPECT_EQ(linkMembers("c"), only({0, 1}));  // short and lower case
    EXPECT_EQ(linkMembers("Zc"), only({4, 5})); // a non-hex character counts as 0
    EXPECT_EQ(linkMembers(""), LinkMembers{});
    EXPECT_EQ(linkMembers("8000000000000FFFFFF"), only({0})); // long text: first 13 characters
}
