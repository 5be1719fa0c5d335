#include "image/memory_map.h"

#include <gtest/gtest.h>

using namespace r36::image;

TEST(MemoryMap, AddressesAreFiveUpperCaseHexDigits) {
    EXPECT_EQ(hexAddress(memoryAddress(1699)), "0DE60");
    EXPECT_EQ(hexAddress(0x00088), "00088");
    EXPECT_EQ(hexAddress(kSys3Address), "0FD00");
    EXPECT_EQ(hexAddress(memoryAddress(1720)), "0E100");
    EXPECT_EQ(hexAddress(0x123456), "123456");
}

TEST(MemoryMap, SettingsBlockMovedInFirmware206) {
    EXPECT_EQ(sysBlockBase(0), 0x00000u);
    EXPECT_EQ(sysBlockBase(205), 0x00000u);
    EXPECT_EQ(sysBlockBase(206), 0x00500u);
    EXPECT_EQ(bankLinkAddress(0), 0x00088u);
    EXPECT_EQ(bankLinkAddress(9), 0x000D0u);
    EXPECT_EQ(psLinkAddress(8), 0x002C8u);
}
