#include "files/clipboard_rows.h"

#include "files_test_support.h"
#include "image/memory_areas.h"

#include <gtest/gtest.h>

using namespace r36;
using namespace r36::files;
using namespace r36::files::test;

namespace {

TEST(PastedText, ASpreadsheetsTabSeparatedExportPastesByTheCsvRules) {
    const PastedRows rows = pastedText(fileBytes(dataPath("spreadsheet.tsv")), 1695);
    ASSERT_TRUE(rows.ok()) << r36::test::english(rows.problem);
    ASSERT_EQ(rows.records.size(), 5u); // the heading line is no memory
    EXPECT_EQ(image::renderRecord(rows.records[1], 1696)[0], "145.500000MHz");
    EXPECT_EQ(image::renderRecord(rows.records[2], 1697)[10], "A\"B   ");
    EXPECT_EQ(rows.records[3], "00");
    EXPECT_EQ(image::renderRecord(rows.records[4], 1699)[5], "023");
}

TEST(PastedText, CopiedRowsComeBackAndABadLineIsNamedWithNothingPasted) {
    image::CloneImage image = image::freshImage();
    image.memRecord[7] = image::encodeRecord({.frequencyHz = 145'000'000, .name = "A,\"B C"});
    const std::string copied = copiedText(image, image::defaultMemoryLabels(), 6, 7);
    EXPECT_EQ(copied.substr(0, copied.find("\r\n")), "Bank00-006\t\t\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(pastedText(copied, 0).records, (std::vector<std::string>{"00", image.memRecord[7]}));
    EXPECT_EQ(pastedRecords(copiedRecords(image, 6, 7), 1698).records,
              pastedText(copied, 0).records);

    const std::pair<const char*, const char*> bad[] = {
        {"x,145,FM,5k,OFF,88.5,23,300,OFF,0,,*A\r\nx,1300,FM,5k,OFF,88.5,23,300,OFF,0,,*A",
         "line 2: frequency \"1300\" is not 0.1 .. 1299.999999 MHz"},
        {"BANK-CH,Frequency\r\n145.5", "line 2: 1 cells; a memory row has 12, BANK-CH to Name"},
        {"x,\"145,FM", "line 1: a quoted field is not closed"},
        {"\r\n", "the clipboard holds no memory rows"}};
    for (const auto& [text, reason] : bad)
        EXPECT_EQ(r36::test::english(pastedText(text, 0).problem), reason);
    EXPECT_EQ(r36::test::english(pastedText(copied, 1699).problem),
              "2 rows from memory 1699 would run past memory 1699");
    EXPECT_EQ(r36::test::english(pastedRecords("00\n01AB\n", 0).problem),
              "line 2: not a memory record");
}

} // namespace
