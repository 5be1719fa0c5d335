#include "checksum.h"

#include "image/value_lists.h"

#include <gtest/gtest.h>

using namespace r36::image;
using r36::image::test::fnv1a;
using r36::image::test::joined;

namespace {
std::string text(std::string_view name) {
    return std::string(name);
}
} // namespace

TEST(ValueLists, ListsInReceiverOrderMatchThePublishedOnes) {
    EXPECT_EQ(joined(modeNames, "|", text) + "/" + joined(shiftNames, "|", text) + "/" +
                  joined(subtoneKinds, "|", text) + "/" + joined(skipMarks, "|", text),
              "FM|AM|WFM/OFF|+|-/OFF|Train|CTCSS|REV|DCS/|*");
    EXPECT_EQ(joined(stepNames, "|", text),
              "5KHz|6.25KHz|8.33KHz|10KHz|12.5KHz|15KHz|20KHz|25KHz|30KHz|50KHz|100KHz|125KHz|"
              "150KHz|200KHz|500KHz|1MHz");
    EXPECT_EQ(fnv1a(joined(ctcssTones, "|", text)), 0x52bf274au);
    EXPECT_EQ(fnv1a(joined(dcsCodes, "|", text)), 0x66d4b218u);
    for (int k = 0; k < 28; ++k)
        EXPECT_EQ(trainTones[k], std::to_string(300 + 100 * k) + "Hz");
    EXPECT_EQ(trainTones[28], "JR");
}

TEST(ValueLists, AreaTableMatchesThePublishedTable) {
    const auto areaText = [](const Area& area) {
        return std::string(area.name) + ":" +
               joined(area.channels, ",", [](std::uint8_t ch) { return std::to_string(ch); });
    };
    EXPECT_EQ(fnv1a(joined(areaTable, "|", areaText)), 0xba9a92e0u);
    EXPECT_EQ(areaText(areaTable[0]).substr(0, 7), "HOKAID:");
    EXPECT_EQ(areaText(areaTable[kManualArea]), "******:0,0,0,0,0,0,0,0,0,0");
}

TEST(ValueLists, PresetRecordsMatchThePublishedOnes) {
    EXPECT_EQ(fnv1a(joined(presetRecords, "|", text)), 0xb8a97d92u);
    EXPECT_EQ(presetRecords[0], "01C83AC217000000000000000007000B14000000000000000000000000000000");
}
