#include "image/memory_areas.h"

#include "checksum.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {
std::array<int, kBankCount> countsOf(std::initializer_list<int> leading) {
    std::array<int, kBankCount> counts{};
    std::copy(leading.begin(), leading.end(), counts.begin());
    return counts;
}

/// The labels after relabelling from `table` a list that held "old" everywhere.
std::vector<std::string> relabelled(const std::string& table) {
    std::vector<std::string> labels(lastStoredMemory + 1, "old");
    relabelMemoryList(table, labels);
    return labels;
}
} // namespace

TEST(MemoryAreas, DefaultPartitionAndItsLabelsAtTheBankEdges) {
    std::string expected;
    for (const auto& [word, times] : {std::pair{"6400", 5}, {"3200", 8}, {"1900", 4}, {"0000", 33}})
        for (int k = 0; k < times; ++k)
            expected += word;
    EXPECT_EQ(defaultPartition(), expected);
    const auto labels = defaultMemoryLabels();
    ASSERT_EQ(labels.size(), 1700u);
    for (const auto& f : r36::image::test::tableRows(
             "0|Bank00-000; 499|Bank04-099; 500|Bank05-000; 899|Bank12-049; 900|Bank13-000; "
             "999|Bank16-024; 1000|AT - 0; 1199|AT - 199; 1200|PRG - 0A; 1201|PRG - 0B; "
             "1299|PRG - 49B; 1300|PASS - 0; 1399|PASS - 99; 1400|PASS2 - 0; 1599|PASS2 - 199; "
             "1600|PRIO - 0; 1699|PRIO - 99"))
        EXPECT_EQ(labels.at(std::stoi(f[0])), f[1]);
    EXPECT_EQ(areaLabel(999) + areaLabel(1700) + areaLabel(-1), "");
}

TEST(MemoryAreas, EmptyBanksAreSkippedCountsPastTheAreaCutAndShortTotalsKeepOldLabels) {
    auto labels = relabelled(bankTableFromCounts(countsOf({10, 0, 990})));
    EXPECT_EQ(labels[9] + labels[10] + labels[999], "Bank00-009Bank02-000Bank02-989");
    labels = relabelled(bankTableFromCounts(countsOf({600, 600})));
    EXPECT_EQ(labels[999] + labels[1000], "Bank01-399AT - 0");
    labels = relabelled(bankTableFromCounts(countsOf({100, 800})));
    EXPECT_EQ(labels[899] + labels[900] + labels[999], "Bank01-799oldold");
    labels.clear(); // a short list is extended rather than overrun
    relabelMemoryList("", labels);
    ASSERT_EQ(labels.size(), 1700u);
    EXPECT_EQ(labels[1699], "PRIO - 99");
}

TEST(MemoryAreas, NegativeAndMalformedWordsLabelNothing) {
    // FFFF is -1: the bank is not empty text, yet labels nothing.
    std::string table = bankTableFromCounts(countsOf({0, 5}));
    table.replace(0, 4, "FFFF");
    EXPECT_EQ(relabelled(table)[0] + relabelled(table)[5], "Bank01-000old");
    EXPECT_EQ(relabelled("zz00" + bankTableFromCounts(countsOf({0, 3})).substr(4))[0],
              "Bank01-000");
    const auto counts = bankCounts("6400FF7F0080");
    EXPECT_EQ(std::vector(counts.begin(), counts.begin() + 4),
              (std::vector<int>{100, 32767, -32768, 0}));
    EXPECT_EQ(bankCounts("64")[0], 0);
    for (const auto& [text, bank, empty] :
         {std::tuple{"0000", 0, true}, {"0000", 1, false}, {"00z0", 0, false}, {"000", 0, false}})
        EXPECT_EQ(isBankEmpty(text, bank), empty) << text << bank;
}

TEST(MemoryAreas, CountsAreStoredAsLittleEndianWordsHeldTo0To9999) {
    EXPECT_EQ(bankTableFromCounts(countsOf({100, 9999, 10000, -1, 300})).substr(0, 20),
              "64000F270F2700002C01");
}
