#include "image/clone_image.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

using namespace r36::image;

TEST(CloneImage, FreshImageIsTheStartUpImage) {
    const auto image = freshImage();
    ASSERT_EQ(image.memRecord.size(), 1721u);
    for (int memory = 0; memory < presetFirst; ++memory)
        ASSERT_EQ(image.memRecord[memory], "00") << memory;
    for (int k = 0; k < kPresetCount; ++k)
        EXPECT_EQ(image.memRecord[presetFirst + k], presetRecords[k]);
    EXPECT_EQ(image.memRecord[1720], presetRecords[20]);
    EXPECT_EQ(image.bankTable, defaultPartition());
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(image.bankLink[k], "00000000000000");
    EXPECT_EQ(image.bankLink[9], "00000000000001");
    for (const auto& entry : image.psLink)
        EXPECT_EQ(entry, "00000000000000");
    EXPECT_EQ(image.sysBlock, defaultSysBlock());
    EXPECT_EQ(image.sys3Block, "0001");
    EXPECT_EQ(image.remoconId, "FFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(LinkState{}, (LinkState{1, 0, 0}));
}

TEST(CloneImage, ClearMemoriesKeepsThePresets) {
    auto image = freshImage();
    image.memRecord[0] = presetRecords[3];
    image.memRecord[1710] = "00";
    image.memRecord.resize(5);
    clearMemories(image);
    EXPECT_EQ(image, freshImage());
}

TEST(CloneImage, InUseFlag) {
    EXPECT_TRUE(isRecordInUse(presetRecords[0]));
    EXPECT_TRUE(isRecordInUse("01"));
    EXPECT_FALSE(isRecordInUse("00"));
    EXPECT_FALSE(isRecordInUse("0"));
    EXPECT_FALSE(isRecordInUse(""));
    EXPECT_FALSE(isRecordInUse("11"));
}

TEST(HexText, ReadsByPositionAndNeverOutside) {
    EXPECT_EQ(byteAt("A5c3", 1), 0xC3);
    EXPECT_EQ(byteAt("A5c", 1), std::nullopt);
    EXPECT_EQ(byteAt("A5G3", 1), std::nullopt);
    EXPECT_EQ(byteAt("A5", -1), std::nullopt);
    EXPECT_EQ(hexByte(0), "00");
    EXPECT_EQ(hexByte(255), "FF");
    for (int value = 0; value < 256; ++value)
        ASSERT_EQ(byteAt(hexByte(value), 0), value);
    std::string text = "0000";
    setByteAt(text, 1, 0xAB);
    EXPECT_EQ(text, "00AB");
    setByteAt(text, 2, 0xCD);
    EXPECT_EQ(text, "00AB");
    EXPECT_TRUE(isHexOfLength("0aF9", 4));
    EXPECT_FALSE(isHexOfLength("0aF9", 3));
    EXPECT_FALSE(isHexOfLength("0aG9", 4));
    EXPECT_EQ(toUpperAscii("ab-Z9"), "AB-Z9");
}
