#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

using namespace r36::image;

TEST(CloneImage, FreshImageIsTheStartUpImageAndClearingKeepsThePresets) {
    auto image = freshImage();
    ASSERT_EQ(image.memRecord.size(), 1721u);
    EXPECT_EQ(std::count(image.memRecord.begin(), image.memRecord.end(), "00"), presetFirst);
    EXPECT_TRUE(std::ranges::equal(presetRecords, std::span(image.memRecord).subspan(presetFirst)));
    EXPECT_EQ(image.bankTable, defaultPartition());
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(image.bankLink[k], k < 9 ? "00000000000000" : "00000000000001");
    for (const auto& entry : image.psLink)
        EXPECT_EQ(entry, "00000000000000");
    EXPECT_EQ(image.sysBlock, defaultSysBlock());
    EXPECT_EQ(image.sys3Block, "0001");
    EXPECT_EQ(image.remoconId, std::string(26, 'F'));
    EXPECT_EQ(LinkState{}, (LinkState{1, 0, 0}));

    image.memRecord[0] = presetRecords[3];
    image.memRecord[1710] = "00";
    image.memRecord.resize(5);
    clearMemories(image);
    EXPECT_EQ(image, freshImage());
}

TEST(CloneImage, InUseFlagAndHexTextReadByPositionAndNeverOutside) {
    for (const auto& [record, inUse] :
         {std::pair{"01", true}, {"00", false}, {"0", false}, {"", false}, {"11", false}})
        EXPECT_EQ(isRecordInUse(record), inUse) << record;
    EXPECT_EQ(byteAt("A5c3", 1), 0xC3);
    EXPECT_EQ(byteAt("A5c", 1), std::nullopt);
    EXPECT_EQ(byteAt("A5G3", 1), std::nullopt);
    EXPECT_EQ(byteAt("A5", -1), std::nullopt);
    for (int value = 0; value < 256; ++value)
        ASSERT_EQ(byteAt(hexByte(value), 0), value);
    EXPECT_EQ(hexByte(255), "FF");
    std::string text = "0000";
    setByteAt(text, 1, 0xAB);
    setByteAt(text, 2, 0xCD); // past the end: nothing
    EXPECT_EQ(text, "00AB");
    EXPECT_TRUE(isHexOfLength("0aF9", 4));
    EXPECT_FALSE(isHexOfLength("0aF9", 3));
    EXPECT_FALSE(isHexOfLength("0aG9", 4));
    EXPECT_EQ(toUpperAscii("ab-Z9"), "AB-Z9");
}

TEST(MemoryMap, AddressesAreFiveUpperCaseHexDigitsAndTheSettingsBlockMovedIn206) {
    EXPECT_EQ(hexAddress(memoryAddress(1699)), "0DE60");
    EXPECT_EQ(hexAddress(memoryAddress(1720)), "0E100");
    EXPECT_EQ(hexAddress(kSys3Address), "0FD00");
    EXPECT_EQ(hexAddress(0x123456), "123456");
    EXPECT_EQ(sysBlockBase(205), 0x00000u);
    EXPECT_EQ(sysBlockBase(206), 0x00500u);
    EXPECT_EQ(bankLinkAddress(0), 0x00088u);
    EXPECT_EQ(bankLinkAddress(9), 0x000D0u);
    EXPECT_EQ(psLinkAddress(8), 0x002C8u);
}
