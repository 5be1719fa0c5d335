#include "checksum.h"

#include "image/hex_text.h"
#include "image/memory_record.h"
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
    EXPECT_EQ(joined(std::array{ctcssTones[7], ctcssTones[37], ctcssTones[38], ctcssTones[49]}, "|",
                     text),
              "88.5Hz|250.3Hz|69.3Hz|254.1Hz");
    EXPECT_EQ(fnv1a(joined(dcsCodes, "|", text)), 0x66d4b218u);
    EXPECT_EQ(joined(std::array{dcsCodes.front(), dcsCodes.back()}, "|", text), "023|754");
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
    for (const auto& area : areaTable) {
        EXPECT_EQ(area.name.size(), 6u);
        for (const auto channel : area.channels)
            EXPECT_TRUE(channel == 0 || (channel >= 13 && channel <= 52)) << area.name;
    }
    EXPECT_EQ(std::string(areaTable[20].name) + std::to_string(areaTable[20].channels[8]),
              "TOKYO 16");
    EXPECT_EQ(areaText(areaTable[kManualArea]), "******:0,0,0,0,0,0,0,0,0,0");
}

TEST(ValueLists, PresetRecordsAreWholeRecordsWithTheSharedTail) {
    EXPECT_EQ(fnv1a(joined(presetRecords, "|", text)), 0xb8a97d92u);
    EXPECT_EQ(presetRecords[0], "01C83AC217000000000000000007000B14000000000000000000000000000000");
    for (const auto record : presetRecords) {
        EXPECT_TRUE(isHexOfLength(record, 64)) << record;
        EXPECT_EQ(record.substr(10), "000000000000000007000B14000000000000000000000000000000");
    }
    EXPECT_EQ(decodeRecord(presetRecords[20])->frequencyHz, 139'940'000u);
    EXPECT_EQ(decodeRecord(presetRecords[16])->frequencyHz, 361'825'000u);
}
