#include "image/hex_text.h"
#include "image/memory_areas.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {
std::array<int, kBankCount> countsOf(std::initializer_list<int> leading) {
    std::array<int, kBankCount> counts{};
    std::copy(leading.begin(), leading.end(), counts.begin());
    return counts;
}

std::vector<std::string> marked() {
    return std::vector<std::string>(lastStoredMemory + 1, "old");
}
} // namespace

TEST(MemoryAreas, DefaultPartitionText) {
    const auto table = defaultPartition();
    const auto repeated = [](std::string_view word, int times) {
        std::string text;
        for (int k = 0; k < times; ++k)
            text += word;
        return text;
    };
    EXPECT_EQ(table, repeated("6400", 5) + repeated("3200", 8) + repeated("1900", 4) +
                         repeated("0000", 33));
    const auto counts = bankCounts(table);
    int total = 0;
    for (const int count : counts)
        total += count;
    EXPECT_EQ(total, 1000);
    EXPECT_TRUE(isBankEmpty(table, 17));
    EXPECT_FALSE(isBankEmpty(table, 16));
}

TEST(MemoryAreas, DefaultLabelsAtTheBankEdges) {
    const auto labels = defaultMemoryLabels();
    ASSERT_EQ(labels.size(), 1700u);
    const std::pair<int, const char*> expected[] = {
        {0, "Bank00-000"},   {499, "Bank04-099"}, {500, "Bank05-000"},   {899, "Bank12-049"},
        {900, "Bank13-000"}, {999, "Bank16-024"}, {1000, "AT - 0"},      {1199, "AT - 199"},
        {1200, "PRG - 0A"},  {1201, "PRG - 0B"},  {1299, "PRG - 49B"},   {1300, "PASS - 0"},
        {1399, "PASS - 99"}, {1400, "PASS2 - 0"}, {1599, "PASS2 - 199"}, {1600, "PRIO - 0"},
        {1699, "PRIO - 99"}};
    for (const auto& [memory, label] : expected)
        EXPECT_EQ(labels[memory], label) << memory;
    EXPECT_EQ(areaLabel(999), "");
    EXPECT_EQ(areaLabel(1700), "");
    EXPECT_EQ(areaLabel(-1), "");
}

TEST(MemoryAreas, EmptyBankIsSkipped) {
    auto labels = marked();
    relabelMemoryList(bankTableFromCounts(countsOf({10, 0, 990})), labels);
    EXPECT_EQ(labels[9], "Bank00-009");
    EXPECT_EQ(labels[10], "Bank02-000");
    EXPECT_EQ(labels[999], "Bank02-989");
}

TEST(MemoryAreas, CountsPastTheBankAreaAreCutAndShortTotalsKeepOldLabels) {
    auto labels = marked();
    relabelMemoryList(bankTableFromCounts(countsOf({600, 600})), labels);
    EXPECT_EQ(labels[999], "Bank01-399");
    EXPECT_EQ(labels[1000], "AT - 0");

    labels = marked();
    relabelMemoryList(bankTableFromCounts(countsOf({100, 800})), labels);
    EXPECT_EQ(labels[899], "Bank01-799");
    EXPECT_EQ(labels[900], "old");
    EXPECT_EQ(labels[999], "old");
}

TEST(MemoryAreas, NegativeAndMalformedWordsLabelNothing) {
    // FFFF is -1: the bank is not empty text, yet labels nothing.
    std::string table = bankTableFromCounts(countsOf({0, 5}));
    table.replace(0, 4, "FFFF");
    EXPECT_EQ(bankCounts(table)[0], -1);
    auto labels = marked();
    relabelMemoryList(table, labels);
    EXPECT_EQ(labels[0], "Bank01-000");
    EXPECT_EQ(labels[5], "old");

    table = "zz00" + bankTableFromCounts(countsOf({0, 3})).substr(4);
    labels = marked();
    relabelMemoryList(table, labels);
    EXPECT_EQ(labels[0], "Bank01-000");

    EXPECT_EQ(bankCounts("6400FF7F0080")[0], 100);
    EXPECT_EQ(bankCounts("6400FF7F0080")[1], 32767);
    EXPECT_EQ(bankCounts("6400FF7F0080")[2], -32768);
    EXPECT_EQ(bankCounts("6400FF7F0080")[3], 0);
    EXPECT_EQ(bankCounts("64")[0], 0);
    EXPECT_EQ(bankCounts("6400").size(), 50u);
    EXPECT_EQ(bankCounts("c800")[0], 200); // lower-case digits from a file

    labels.clear(); // a short list is extended rather than overrun
    relabelMemoryList("", labels);
    EXPECT_EQ(labels.size(), 1700u);
    EXPECT_EQ(labels[1699], "PRIO - 99");
}

TEST(MemoryAreas, EmptyBankTestComparesTheText) {
    EXPECT_TRUE(isBankEmpty("0000", 0));
    EXPECT_FALSE(isBankEmpty("0000", 1)); // missing word
    EXPECT_FALSE(isBankEmpty("00z0", 0));
    EXPECT_FALSE(isBankEmpty("000", 0));
}

TEST(MemoryAreas, CountsRoundTripThroughTheTable) {
    std::array<int, kBankCount> counts{};
    for (int bank = 0; bank < kBankCount; ++bank)
        counts[bank] = bank * 203;
    const auto table = bankTableFromCounts(counts);
    EXPECT_TRUE(isHexOfLength(table, 200));
    EXPECT_EQ(bankCounts(table), counts);
    EXPECT_EQ(bankTableFromCounts(countsOf({100, 9999})).substr(0, 8), "64000F27");
}
