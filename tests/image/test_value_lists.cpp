#include "checksum.h"

#include "image/value_lists.h"

#include <gtest/gtest.h>

using namespace r36::image;
using r36::image::test::fnv1a;
using r36::image::test::joined;

TEST(ValueLists, ListsInReceiverOrderMatchThePublishedOnes) {
    EXPECT_EQ(joined(modeNames, "|") + "/" + joined(shiftNames, "|") + "/" +
                  joined(subtoneKinds, "|") + "/" + joined(skipMarks, "|"),
              "FM|AM|WFM/OFF|+|-/OFF|Train|CTCSS|REV|DCS/|*");
    EXPECT_EQ(joined(stepNames, "|"),
              "5KHz|6.25KHz|8.33KHz|10KHz|12.5KHz|15KHz|20KHz|25KHz|30KHz|50KHz|100KHz|125KHz|"
              "150KHz|200KHz|500KHz|1MHz");
    EXPECT_EQ(fnv1a(joined(ctcssTones, "|")), 0x52bf274au);
    EXPECT_EQ(fnv1a(joined(dcsCodes, "|")), 0x66d4b218u);
    for (int k = 0; k < 28; ++k)
        EXPECT_EQ(trainTones[k], std::to_string(300 + 100 * k) + "Hz");
    EXPECT_EQ(trainTones[28], "JR");
}

TEST(ValueLists, AreaTableMatchesThePublishedTable) {
    const auto areaText = [](const Area& area) {
        return std::string(area.name) + ":" + joined(area.channels, ",");
    };
    EXPECT_EQ(fnv1a(joined(areaTable, "|", areaText)), 0xba9a92e0u);
    EXPECT_EQ(areaText(areaTable[kManualArea]), "******:0,0,0,0,0,0,0,0,0,0");
}

TEST(ValueLists, PresetRecordsMatchThePublishedOnes) {
    EXPECT_EQ(fnv1a(joined(presetRecords, "|")), 0xb8a97d92u);
}
