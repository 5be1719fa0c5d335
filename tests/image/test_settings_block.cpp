#include "checksum.h"

#include "image/hex_text.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace r36::image;
using r36::image::test::fnv1a;
using r36::image::test::joined;
using r36::image::test::tableRows;

namespace {

// Each setting as published: byte, frame caption, label, checksums of the choices (joined by
// "|") and of the codes (joined by ","; none: a list without codes), default byte, its choice.
const std::string kPublished = R"(
2|<RX>|ATT|F08EC99B||0|OFF; 3|[misc]|9/ANT|406AAC40||0|SMA; 4|<RX>|ABAR|F08EC99B||1|ON;
5|<RX>|SBAR|F08EC99B||1|ON; 6|<DISP>|LAMP|681FE0A6||5|5-SEC; 7|<SCAN>|SCAN|BD1481BC||0|BUSY;
9|<SCAN>|TIMEPR|9CEE1801||0|BUSY; 10|<KEY>|BAND|F5BCBF1F||1|ACROSS; 11|<POW>|APO|F6C47FC6||0|OFF;
12|[misc]|8/BS|DAF248C4||3|800ms; 13|<SND>|BEEP|F08EC99B||1|ON; 14|<SND>|BELL|F08EC99B||0|OFF;
15|<KEY>|MONI|432B7BE2||0|PUSH; 16|<KEY>|MONI|C0D4A5CE|37F163BB|1|MONI;
17|<KEY>|LCDIAL|8C852F77||0|DISABL; 18|<BUG>|SENSE|2EA378C4||2|3;
19|<BUG>|BUGTYP|B8940067||0|SILENT; 20|[misc]|CHARGE|0DDD4DC8||1|ON;
21|<POW>|CHGTIM|3AFEF24B|3BE4FB89|10|10hrs; 22|<KEY>|SETMOD|F145BF94|3848BF0A|4|MANUAL;
23|<SCAN>|SCAN|40D6B8CA||3|SKIP12; 24|<KEY>|YLD-1|85A08F65|A4F9D0F6|19|MONFNC;
25|<KEY>|YLD-2|85A08F65|A4F9D0F6|101|SCANTP; 26|<RMCN>|RC-A|AE55247E|5D8BC9A5|2|V/P/M;
27|<RMCN>|RC-B|AE55247E|5D8BC9A5|8|BAND; 28|<RMCN>|RC-C|AE55247E|5D8BC9A5|0|UP;
29|<RMCN>|RC-D|AE55247E|5D8BC9A5|1|DOWN; 30|<DISP>|SCNLMP|F08EC99B||0|OFF;
31|[misc]|VOL|96204B59||20|VOL-20; 32|<KEY>|LCTIME|CAC43E98||2|2-SEC; 33|[misc]|SQL|B8A677D8||3|3;
37|[Preset]|AM|A990F574||0|531 kHz; 38|[misc]|5/VSPD|2EA378C4||2|3; 39|[misc]|5/MSPD|2EA378C4||2|3;
40|[Preset]|TV CH|33A0ABD8|9A418DC0|1|1CH; 42|[misc]|KL|F08EC99B||0|OFF;
47|[misc]|3/MODE|833CCF2E||1|AUTO; 48|[misc]|STEP|833CCF2E||1|AUTO;
49|[misc]|7/AUDIO|81CB5CAB||0|LOW; 56|<SCAN>|TIMESP|19DA2B44||0| 5-SEC;
59|[Preset]|MARINE|9F5E93DF|73657224|16|CH16; 60|<MRN>|MRN-AT|6FD75C8A||0|DISABL;
62|<MRN>|MRN-16|F08EC99B||0|OFF; 63|<SCAN>|SLS|623B769B|6AC99FD5|2| 2-SEC;
64|[Preset]|FM|EB21AD11||0|76.0 MHz; 65|<EWS>|MODE|E74DA993|104559E3|0|OFF;
66|<EWS>|VOL|F258A76C||30|VOL-30; 67|<KEY>|UP-DN|8C852F77||0|DISABL;
68|<POW>|BATALM|F08EC99B||0|OFF; 69|<RX>|PRESET|9EA76FC3||15|AFTM; 72|<KEY>|DIAL|3F2455A6||0|NORMAL;
73|<SND>|POPCUT|F08EC99B||0|OFF; 76|[Preset]|TV MOD|B4645EFC||0|1-12;
77|[Preset]|TV PCH|C0F747AB|331CD3B3|13|13CH; 78|[Preset]|AREA|DCA32F4F||76|******;
81|[Preset]|EWS CH|EB21AD11||0|76.0 MHz; 82|[misc]|EXPERT|F08EC99B||0|OFF;
83|<MR>|DUP-AT|F08EC99B||1|ON; 84|<DISP>|GREEN|F08EC99B||1|ON; 85|<DISP>|BSDISP|ED9AD672||0|SET;
86|<DISP>|TVRSSI|F08EC99B||0|OFF; 87|<MRN>|16HLD|432B7BE2||0|PUSH; 90|<KEY>|REVERS|F08EC99B||0|OFF;
91|<EWS>|HAPPEN|4EE44EB8||0|PRE FM; 92|<POW>|PO MNG|F92F5850||0|BATT;
93|[misc]|8/BS DC|DAF248C4||3|800ms; 94|<DISP>|LMP DC|681FE0A6||5|5-SEC;
95|<DISP>|SCLPDC|F08EC99B||0|OFF; 96|<SND>|BP DC|F08EC99B||1|ON; 97|<DISP>|GRN DC|F08EC99B||1|ON;
98|<RX>|SQL CT|77BBC01F||0|OFF; 99|<KEY>|DIAL|07C590AB||0|FR VOL; 100|<EWS>|BANK|7CC0C58C||0|BANK00)";

int& choiceOf(SettingsSelections& page, int byte) {
    return page.sysChoice.at(settingIndexOfByte(byte));
}

SettingsSelections shown(std::string_view sysBlock) {
    SettingsSelections page;
    showSysBlock(page, sysBlock);
    return page;
}

std::string blockWith(int byte, int value) {
    auto block = defaultSysBlock();
    setByteAt(block, byte, value);
    return block;
}

} // namespace

TEST(SettingsTables, EverySettingMatchesThePublishedTableAndShowsItsDefault) {
    ASSERT_EQ(sysSettings().size(), static_cast<std::size_t>(kSysSettingCount));
    const auto block = defaultSysBlock();
    ASSERT_TRUE(isHexOfLength(block, 256));
    auto page = shown(block);
    const auto rows = tableRows(kPublished);
    ASSERT_EQ(rows.size(), 73u);
    for (const auto& f : rows) { // byte, group, label, choices, codes, default, its choice
        SCOPED_TRACE(f[0]);
        const int byte = std::stoi(f[0]);
        const auto& setting = sysSettings().at(settingIndexOfByte(byte));
        EXPECT_EQ(std::tuple(setting.byte, setting.group, setting.label),
                  std::tuple(byte, f[1], f[2]));
        EXPECT_EQ(fnv1a(joined(setting.choices, "|")), std::stoul(f[3], nullptr, 16));
        EXPECT_EQ(fnv1a(joined(setting.codes, ",")),
                  f[4].empty() ? fnv1a("") : std::stoul(f[4], nullptr, 16));
        EXPECT_EQ(setting.coded(), !setting.codes.empty());
        EXPECT_EQ(byteAt(block, byte), std::stoi(f[5]));
        EXPECT_EQ(setting.choices.at(choiceOf(page, byte)), f[6]);
    }
}

TEST(SettingsTables, OrderAndExpertTablesMatchThePublishedOnes) {
    // The code tables are checked through the lists that use them, above.
    EXPECT_EQ(fnv1a(joined(sysComboIndexes, ",")), 0x90714f5eu);
    EXPECT_EQ(fnv1a(joined(expertDependents, ",")), 0x8a923955u);
    EXPECT_EQ(settingIndexOfByte(0), -1);
    EXPECT_EQ(settingIndexOfByte(101), -1);
    const auto& protect = sys3Setting();
    EXPECT_EQ(std::tuple(protect.byte, protect.group, protect.label),
              std::tuple(1, "<MR>", "PROTCT"));
    EXPECT_EQ(joined(protect.choices, "|"), "OVERWT|PROTCT|FAILSF");
}

TEST(SettingsBlock, EveryChoiceAndEveryByteValueRoundTrip) {
    const auto& settings = sysSettings();
    for (std::size_t index = 0; index < settings.size(); ++index) {
        const auto& setting = settings[index];
        SCOPED_TRACE(setting.byte);
        for (std::size_t position = 0; position < setting.choices.size(); ++position) {
            SettingsSelections page = shown(defaultSysBlock());
            page.sysChoice[index] = static_cast<int>(position);
            auto block = defaultSysBlock();
            storeSysBlock(page, block);
            ASSERT_EQ(byteAt(block, setting.byte),
                      valueForChoice(setting, static_cast<int>(position)));
            EXPECT_EQ(shown(block).sysChoice[index], static_cast<int>(position));
        }
        // Any byte (or an unreadable one, -1) selects a choice; one that is not the byte's own
        // is the first.
        for (int value = -1; value < 256; ++value) {
            const int position = choiceForValue(setting, value);
            ASSERT_GE(position, 0);
            ASSERT_LT(position, static_cast<int>(setting.choices.size()));
            if (valueForChoice(setting, position) != value) {
                ASSERT_EQ(position, 0) << value;
            }
        }
    }
    // Storing the default page gives the default block; bytes without a list are never touched.
    auto stored = defaultSysBlock();
    storeSysBlock(shown(stored), stored);
    EXPECT_EQ(stored, defaultSysBlock());
    auto zeros = std::string(256, '0');
    storeSysBlock(shown(defaultSysBlock()), zeros);
    for (int byte = 0; byte < 128; ++byte)
        if (settingIndexOfByte(byte) < 0) {
            EXPECT_EQ(byteAt(zeros, byte), 0) << byte;
        }
}

// Coded lists select the first choice with the byte as its code; a byte no choice carries (or
// past the end of an uncoded list) selects the first, which is then stored as its own value.
TEST(SettingsBlock, CodedListsMatchByCode) {
    for (const auto& f :
         tableRows("65|1|3|1; 65|3|1|3; 22|3|0|4; 24|223|43|223; 24|174|36|174; "
                   "6|8|0|0; 78|77|0|0")) { // byte, value, choice, value stored back
        const int byte = std::stoi(f[0]);
        const auto page = shown(blockWith(byte, std::stoi(f[1])));
        EXPECT_EQ(page.sysChoice[settingIndexOfByte(byte)], std::stoi(f[2])) << f[0] << " " << f[1];
        auto block = defaultSysBlock();
        storeSysBlock(page, block);
        EXPECT_EQ(byteAt(block, byte), std::stoi(f[3])) << f[0] << " " << f[1];
    }
}

TEST(SettingsBlock, ShortOrMalformedBlocksAreReadAsFarAsTheyGo) {
    const auto page = shown("A5");
    EXPECT_EQ(page.sysChoice, std::vector<int>(kSysSettingCount, 0));
    EXPECT_FALSE(page.tvEnabled); // AREA position 0 is a named area
    auto broken = defaultSysBlock();
    broken[2 * 6] = 'x'; // byte 6 unreadable: LAMP shows its first choice
    EXPECT_EQ(shown(broken).sysChoice[settingIndexOfByte(6)], 0);
}

TEST(SettingsBlock, AreaFillsAndLocksTheTvBoxesOrUnlocksThemForManualEntry) {
    SettingsSelections page;
    page.tvText = {"13", "14", "15", "16", "17", "18", "19", "20", "21", "22"};
    selectArea(page, 0); // HOKAID
    EXPECT_FALSE(page.tvEnabled);
    EXPECT_EQ(page.tvText, (std::array<std::string, 10>{"19", "13", "15", "-", "21", "23", "14",
                                                        "25", "-", "-"}));
    EXPECT_EQ(choiceOf(page, kAreaByte), 0);
    selectArea(page, kManualArea);
    EXPECT_TRUE(page.tvEnabled);
    EXPECT_EQ(page.tvText[0], "19"); // the boxes keep their text
    selectArea(page, 75);            // the last named area
    EXPECT_FALSE(page.tvEnabled);
    const auto before = page;
    selectArea(page, -1);
    selectArea(page, 77);
    EXPECT_EQ(page, before);

    EXPECT_EQ(shown(blockWith(kAreaByte, 20)).tvText[8], "16"); // a block's area, as the list's
    // Read from the receiver, a value above the last area means manual entry.
    for (const auto& [value, limited] :
         {std::pair{0xFF, 0x4C}, {0x4D, 0x4C}, {0x4C, 0x4C}, {0x10, 0x10}}) {
        auto block = blockWith(kAreaByte, value);
        limitAreaByte(block);
        EXPECT_EQ(byteAt(block, kAreaByte), limited) << value;
    }
}

TEST(SettingsBlock, ExpertGovernsExactlyItsDependents) {
    for (const auto& [value, on] : {std::pair{0, false}, {1, true}, {2, false}})
        EXPECT_EQ(shown(blockWith(kExpertByte, value)).expertOn(), on) << value;
    for (int byte = 0; byte < 128; ++byte)
        EXPECT_EQ(isExpertDependent(byte), std::ranges::count(expertDependents, byte) == 1) << byte;
}

TEST(SettingsBlock, ProtectSettingOfTheThirdBlock) {
    SettingsSelections page;
    for (const auto& [block, choice] :
         {std::pair{defaultSys3Block(), 1}, {"0003", 0}, {"00", 0}, {"0002", 2}}) {
        showSys3Block(page, block);
        EXPECT_EQ(page.sys3Choice, choice) << block;
    }
    std::string block(64, '0');
    storeSys3Block(page, block);
    EXPECT_EQ(block.substr(0, 6), "000200");
}

TEST(RemoconId, ShowsValidChannelsAndStoresWholeNumbers) {
    SettingsSelections page;
    page.tvEnabled = false;
    showRemoconId(page, "FF0C0D343500FFFFFFFFFFFFFF");
    EXPECT_EQ(page.tvText,
              (std::array<std::string, 10>{"-", "13", "52", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_FALSE(page.tvEnabled);
    showRemoconId(page, "ff0d"); // a short ID: the keys it lacks have no channel
    EXPECT_EQ(page.tvText[1], "-");
    EXPECT_EQ(storeRemoconId({"13", "52", " 20 ", "255", "256", "1x", "", "-5", "-", "007"}),
              "FF0D3414FF000000000007FFFF");
}
