#include "checksum.h"

#include "image/hex_text.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace r36::image;
using r36::image::test::fnv1a;
using r36::image::test::joined;

namespace {

// Each setting as published: byte, frame caption, label, number of choices, checksums of the
// choices (joined by "|") and of the codes (joined by ","), default byte and its choice.
struct PublishedSetting {
    int byte;
    const char* group;
    const char* label;
    std::size_t choiceCount;
    std::uint32_t choicesHash;
    std::uint32_t codesHash;
    int defaultValue;
    const char* defaultChoice;
};

constexpr PublishedSetting kPublished[] = {
    {2, "<RX>", "ATT", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {3, "[misc]", "9/ANT", 2, 0x406AAC40u, 0x811C9DC5u, 0x00, "SMA"},
    {4, "<RX>", "ABAR", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {5, "<RX>", "SBAR", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {6, "<DISP>", "LAMP", 8, 0x681FE0A6u, 0x811C9DC5u, 0x05, "5-SEC"},
    {7, "<SCAN>", "SCAN", 40, 0xBD1481BCu, 0x811C9DC5u, 0x00, "BUSY"},
    {9, "<SCAN>", "TIMEPR", 38, 0x9CEE1801u, 0x811C9DC5u, 0x00, "BUSY"},
    {10, "<KEY>", "BAND", 2, 0xF5BCBF1Fu, 0x811C9DC5u, 0x01, "ACROSS"},
    {11, "<POW>", "APO", 4, 0xF6C47FC6u, 0x811C9DC5u, 0x00, "OFF"},
    {12, "[misc]", "8/BS", 6, 0xDAF248C4u, 0x811C9DC5u, 0x03, "800ms"},
    {13, "<SND>", "BEEP", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {14, "<SND>", "BELL", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {15, "<KEY>", "MONI", 2, 0x432B7BE2u, 0x811C9DC5u, 0x00, "PUSH"},
    {16, "<KEY>", "MONI", 5, 0xC0D4A5CEu, 0x37F163BBu, 0x01, "MONI"},
    {17, "<KEY>", "LCDIAL", 2, 0x8C852F77u, 0x811C9DC5u, 0x00, "DISABL"},
    {18, "<BUG>", "SENSE", 5, 0x2EA378C4u, 0x811C9DC5u, 0x02, "3"},
    {19, "<BUG>", "BUGTYP", 2, 0xB8940067u, 0x811C9DC5u, 0x00, "SILENT"},
    {20, "[misc]", "CHARGE", 3, 0x0DDD4DC8u, 0x811C9DC5u, 0x01, "ON"},
    {21, "<POW>", "CHGTIM", 10, 0x3AFEF24Bu, 0x3BE4FB89u, 0x0A, "10hrs"},
    {22, "<KEY>", "SETMOD", 22, 0xF145BF94u, 0x3848BF0Au, 0x04, "MANUAL"},
    {23, "<SCAN>", "SCAN", 4, 0x40D6B8CAu, 0x811C9DC5u, 0x03, "SKIP12"},
    {24, "<KEY>", "YLD-1", 64, 0x85A08F65u, 0xA4F9D0F6u, 0x13, "MONFNC"},
    {25, "<KEY>", "YLD-2", 64, 0x85A08F65u, 0xA4F9D0F6u, 0x65, "SCANTP"},
    {26, "<RMCN>", "RC-A", 19, 0xAE55247Eu, 0x5D8BC9A5u, 0x02, "V/P/M"},
    {27, "<RMCN>", "RC-B", 19, 0xAE55247Eu, 0x5D8BC9A5u, 0x08, "BAND"},
    {28, "<RMCN>", "RC-C", 19, 0xAE55247Eu, 0x5D8BC9A5u, 0x00, "UP"},
    {29, "<RMCN>", "RC-D", 19, 0xAE55247Eu, 0x5D8BC9A5u, 0x01, "DOWN"},
    {30, "<DISP>", "SCNLMP", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {31, "[misc]", "VOL", 31, 0x96204B59u, 0x811C9DC5u, 0x14, "VOL-20"},
    {32, "<KEY>", "LCTIME", 4, 0xCAC43E98u, 0x811C9DC5u, 0x02, "2-SEC"},
    {33, "[misc]", "SQL", 10, 0xB8A677D8u, 0x811C9DC5u, 0x03, "3"},
    {37, "[Preset]", "AM", 122, 0xA990F574u, 0x811C9DC5u, 0x00, "531 kHz"},
    {38, "[misc]", "5/VSPD", 5, 0x2EA378C4u, 0x811C9DC5u, 0x02, "3"},
    {39, "[misc]", "5/MSPD", 5, 0x2EA378C4u, 0x811C9DC5u, 0x02, "3"},
    {40, "[Preset]", "TV CH", 12, 0x33A0ABD8u, 0x9A418DC0u, 0x01, "1CH"},
    {42, "[misc]", "KL", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {47, "[misc]", "3/MODE", 2, 0x833CCF2Eu, 0x811C9DC5u, 0x01, "AUTO"},
    {48, "[misc]", "STEP", 2, 0x833CCF2Eu, 0x811C9DC5u, 0x01, "AUTO"},
    {49, "[misc]", "7/AUDIO", 2, 0x81CB5CABu, 0x811C9DC5u, 0x00, "LOW"},
    {56, "<SCAN>", "TIMESP", 17, 0x19DA2B44u, 0x811C9DC5u, 0x00, " 5-SEC"},
    {59, "[Preset]", "MARINE", 55, 0x9F5E93DFu, 0x73657224u, 0x10, "CH16"},
    {60, "<MRN>", "MRN-AT", 11, 0x6FD75C8Au, 0x811C9DC5u, 0x00, "DISABL"},
    {62, "<MRN>", "MRN-16", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {63, "<SCAN>", "SLS", 60, 0x623B769Bu, 0x6AC99FD5u, 0x02, " 2-SEC"},
    {64, "[Preset]", "FM", 141, 0xEB21AD11u, 0x811C9DC5u, 0x00, "76.0 MHz"},
    {65, "<EWS>", "MODE", 4, 0xE74DA993u, 0x104559E3u, 0x00, "OFF"},
    {66, "<EWS>", "VOL", 32, 0xF258A76Cu, 0x811C9DC5u, 0x1E, "VOL-30"},
    {67, "<KEY>", "UP-DN", 2, 0x8C852F77u, 0x811C9DC5u, 0x00, "DISABL"},
    {68, "<POW>", "BATALM", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {69, "<RX>", "PRESET", 16, 0x9EA76FC3u, 0x811C9DC5u, 0x0F, "AFTM"},
    {72, "<KEY>", "DIAL", 2, 0x3F2455A6u, 0x811C9DC5u, 0x00, "NORMAL"},
    {73, "<SND>", "POPCUT", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {76, "[Preset]", "TV MOD", 2, 0xB4645EFCu, 0x811C9DC5u, 0x00, "1-12"},
    {77, "[Preset]", "TV PCH", 40, 0xC0F747ABu, 0x331CD3B3u, 0x0D, "13CH"},
    {78, "[Preset]", "AREA", 77, 0xDCA32F4Fu, 0x811C9DC5u, 0x4C, "******"},
    {81, "[Preset]", "EWS CH", 141, 0xEB21AD11u, 0x811C9DC5u, 0x00, "76.0 MHz"},
    {82, "[misc]", "EXPERT", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {83, "<MR>", "DUP-AT", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {84, "<DISP>", "GREEN", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {85, "<DISP>", "BSDISP", 2, 0xED9AD672u, 0x811C9DC5u, 0x00, "SET"},
    {86, "<DISP>", "TVRSSI", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {87, "<MRN>", "16HLD", 2, 0x432B7BE2u, 0x811C9DC5u, 0x00, "PUSH"},
    {90, "<KEY>", "REVERS", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {91, "<EWS>", "HAPPEN", 4, 0x4EE44EB8u, 0x811C9DC5u, 0x00, "PRE FM"},
    {92, "<POW>", "PO MNG", 3, 0xF92F5850u, 0x811C9DC5u, 0x00, "BATT"},
    {93, "[misc]", "8/BS DC", 6, 0xDAF248C4u, 0x811C9DC5u, 0x03, "800ms"},
    {94, "<DISP>", "LMP DC", 8, 0x681FE0A6u, 0x811C9DC5u, 0x05, "5-SEC"},
    {95, "<DISP>", "SCLPDC", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x00, "OFF"},
    {96, "<SND>", "BP DC", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {97, "<DISP>", "GRN DC", 2, 0xF08EC99Bu, 0x811C9DC5u, 0x01, "ON"},
    {98, "<RX>", "SQL CT", 8, 0x77BBC01Fu, 0x811C9DC5u, 0x00, "OFF"},
    {99, "<KEY>", "DIAL", 3, 0x07C590ABu, 0x811C9DC5u, 0x00, "FR VOL"},
    {100, "<EWS>", "BANK", 56, 0x7CC0C58Cu, 0x811C9DC5u, 0x00, "BANK00"},
};

std::string intText(int value) {
    return std::to_string(value);
}

const SettingDef& settingOf(int byte) {
    return sysSettings().at(settingIndexOfByte(byte));
}

std::string shownChoice(const SettingsSelections& page, int byte) {
    return settingOf(byte).choices.at(page.sysChoice.at(settingIndexOfByte(byte)));
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

TEST(SettingsTables, EveryListMatchesThePublishedTable) {
    ASSERT_EQ(sysSettings().size(), static_cast<std::size_t>(kSysSettingCount));
    for (const auto& published : kPublished) {
        SCOPED_TRACE(published.byte);
        const int index = settingIndexOfByte(published.byte);
        ASSERT_GE(index, 0);
        const auto& setting = sysSettings()[index];
        EXPECT_EQ(setting.byte, published.byte);
        EXPECT_EQ(setting.group, published.group);
        EXPECT_EQ(setting.label, published.label);
        EXPECT_EQ(setting.choices.size(), published.choiceCount);
        EXPECT_EQ(fnv1a(joined(setting.choices, "|", [](const std::string& s) { return s; })),
                  published.choicesHash);
        EXPECT_EQ(fnv1a(joined(setting.codes, ",", intText)), published.codesHash);
        EXPECT_EQ(setting.coded(), !setting.codes.empty());
    }
}

TEST(SettingsTables, OrderAndCodeTablesMatchThePublishedOnes) {
    EXPECT_EQ(fnv1a(joined(sysComboIndexes, ",", intText)), 0x90714f5eu);
    EXPECT_EQ(fnv1a(joined(expertDependents, ",", intText)), 0x8a923955u);
    for (std::size_t index = 0; index < sysComboIndexes.size(); ++index)
        EXPECT_EQ(sysSettings()[index].byte, sysComboIndexes[index]);
    EXPECT_EQ(wildItemCodes[36], 174);
    EXPECT_EQ(wildItemCodes[43], 223);
    EXPECT_EQ(settingOf(24).choices[36], "DIAL");
    EXPECT_EQ(settingOf(24).choices[43], "DIAL");
    EXPECT_EQ(joined(remoteKeyCodes, ",", intText),
              "0,1,2,3,4,5,6,7,8,9,10,11,14,15,16,17,18,19,21");
    EXPECT_EQ(marineChannelCodes[0], 1);
    EXPECT_EQ(marineChannelCodes[27], 28);
    EXPECT_EQ(marineChannelCodes[28], 60);
    EXPECT_EQ(marineChannelCodes[43], 77);
    EXPECT_EQ(marineChannelCodes[54], 88);
    EXPECT_EQ(settingOf(69).choices[0], "    ");
    EXPECT_EQ(settingOf(69).choices[9], "A  M");
    EXPECT_EQ(settingOf(31).choices[5], "VOL- 5");
    EXPECT_EQ(settingOf(37).choices[121], "1620 kHz");
    EXPECT_EQ(settingOf(81).choices[140], "90.0 MHz");
    EXPECT_EQ(settingOf(7).choices[26], " 1SECE");
    EXPECT_EQ(settingIndexOfByte(0), -1);
    EXPECT_EQ(settingIndexOfByte(101), -1);

    const auto& protect = sys3Setting();
    EXPECT_EQ(protect.byte, 1);
    EXPECT_EQ(protect.group, "<MR>");
    EXPECT_EQ(protect.label, "PROTCT");
    EXPECT_EQ(joined(protect.choices, "|", [](const std::string& s) { return s; }),
              "OVERWT|PROTCT|FAILSF");
}

TEST(SettingsBlock, DefaultBlockShowsThePublishedDefaultsAndStoresBackUnchanged) {
    const auto block = defaultSysBlock();
    ASSERT_TRUE(isHexOfLength(block, 256));
    const auto page = shown(block);
    for (const auto& published : kPublished) {
        EXPECT_EQ(byteAt(block, published.byte), published.defaultValue) << published.byte;
        EXPECT_EQ(shownChoice(page, published.byte), published.defaultChoice) << published.byte;
    }
    EXPECT_FALSE(page.expertOn());
    EXPECT_TRUE(page.tvEnabled);

    auto stored = block;
    storeSysBlock(page, stored);
    EXPECT_EQ(stored, block);

    // Bytes without a list are never touched, even from an all-zero block.
    auto zeros = std::string(256, '0');
    storeSysBlock(page, zeros);
    for (int byte = 0; byte < 128; ++byte)
        if (settingIndexOfByte(byte) < 0) {
            EXPECT_EQ(byteAt(zeros, byte), 0) << byte;
        }
}

TEST(SettingsBlock, EveryChoiceRoundTripsThroughItsByte) {
    const auto& settings = sysSettings();
    for (std::size_t index = 0; index < settings.size(); ++index) {
        const auto& setting = settings[index];
        for (std::size_t position = 0; position < setting.choices.size(); ++position) {
            SettingsSelections page = shown(defaultSysBlock());
            page.sysChoice[index] = static_cast<int>(position);
            auto block = defaultSysBlock();
            storeSysBlock(page, block);
            const int value = valueForChoice(setting, static_cast<int>(position));
            ASSERT_EQ(byteAt(block, setting.byte), value) << setting.label;
            EXPECT_EQ(shown(block).sysChoice[index], static_cast<int>(position))
                << setting.byte << " " << setting.choices[position];
        }
    }
}

TEST(SettingsBlock, EveryByteValueSelectsAChoiceThatStoresAValidValue) {
    for (const auto& setting : sysSettings()) {
        for (int value = -1; value < 256; ++value) {
            const int position = choiceForValue(setting, value);
            ASSERT_GE(position, 0);
            ASSERT_LT(position, static_cast<int>(setting.choices.size()));
            const int stored = valueForChoice(setting, position);
            if (stored != value) {
                EXPECT_EQ(position, 0) << setting.byte << " value " << value;
            }
        }
    }
}

TEST(SettingsBlock, CodedListsMatchByCode) {
    EXPECT_EQ(shownChoice(shown(blockWith(65, 0x01)), 65), "MODE 3");
    EXPECT_EQ(shownChoice(shown(blockWith(65, 0x03)), 65), "MODE 1");
    EXPECT_EQ(shownChoice(shown(blockWith(22, 0x04)), 22), "MANUAL");

    auto page = shown(blockWith(22, 0x03));
    EXPECT_EQ(shownChoice(page, 22), "MANUAL");
    auto block = blockWith(22, 0x03);
    storeSysBlock(page, block);
    EXPECT_EQ(byteAt(block, 22), 0x04);

    page = shown(blockWith(24, 0xDF));
    EXPECT_EQ(page.sysChoice[settingIndexOfByte(24)], 43); // the second "DIAL"
    block = defaultSysBlock();
    storeSysBlock(page, block);
    EXPECT_EQ(byteAt(block, 24), 0xDF);
    EXPECT_EQ(page.sysChoice[settingIndexOfByte(24)], 43);
    EXPECT_EQ(shown(blockWith(24, 174)).sysChoice[settingIndexOfByte(24)], 36);

    EXPECT_EQ(shownChoice(shown(blockWith(6, 8)), 6), "OFF"); // past the end of an uncoded list
}

TEST(SettingsBlock, ShortOrMalformedBlocksSelectFirstChoices) {
    const auto page = shown("A5");
    for (std::size_t index = 0; index < page.sysChoice.size(); ++index)
        EXPECT_EQ(page.sysChoice[index], 0);
    EXPECT_FALSE(page.tvEnabled); // AREA position 0 is a named area

    auto lower = toUpperAscii(defaultSysBlock());
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(shown(lower), shown(defaultSysBlock()));

    auto broken = defaultSysBlock();
    broken[2 * 6] = 'x'; // byte 6 unreadable
    EXPECT_EQ(shownChoice(shown(broken), 6), "OFF");

    std::string shortBlock = "A502";
    storeSysBlock(shown(defaultSysBlock()), shortBlock);
    EXPECT_EQ(shortBlock, "A502"); // a block never grows or changes bytes without a list
}

TEST(SettingsBlock, AreaFillsAndLocksTheTvBoxesOrUnlocksThemForManualEntry) {
    SettingsSelections page;
    page.tvText = {"13", "14", "15", "16", "17", "18", "19", "20", "21", "22"};
    selectArea(page, 0); // HOKAID
    EXPECT_FALSE(page.tvEnabled);
    EXPECT_EQ(page.tvText, (std::array<std::string, 10>{"19", "13", "15", "-", "21", "23", "14",
                                                        "25", "-", "-"}));
    EXPECT_EQ(page.sysChoice[settingIndexOfByte(kAreaByte)], 0);

    selectArea(page, kManualArea);
    EXPECT_TRUE(page.tvEnabled);
    EXPECT_EQ(page.tvText[0], "19"); // the boxes keep their text

    selectArea(page, 75); // the last named area
    EXPECT_FALSE(page.tvEnabled);
    EXPECT_EQ(page.tvText[1], "13");

    const auto before = page;
    selectArea(page, -1);
    selectArea(page, 77);
    EXPECT_EQ(page, before);

    for (int area = 0; area < kManualArea; ++area) {
        const auto fromBlock = shown(blockWith(kAreaByte, area));
        EXPECT_FALSE(fromBlock.tvEnabled);
        EXPECT_EQ(fromBlock.tvText[0], std::to_string(areaTable[area].channels[0]));
    }
    EXPECT_TRUE(shown(blockWith(kAreaByte, 0x4C)).tvEnabled);
    // A value past the table from a file selects the first area.
    EXPECT_EQ(shown(blockWith(kAreaByte, 0x4D)).sysChoice[settingIndexOfByte(kAreaByte)], 0);
}

TEST(SettingsBlock, AreaValuesFromTheReceiverAreLimited) {
    auto block = blockWith(kAreaByte, 0xFF);
    limitAreaByte(block);
    EXPECT_EQ(byteAt(block, kAreaByte), 0x4C);
    block = blockWith(kAreaByte, 0x4C);
    limitAreaByte(block);
    EXPECT_EQ(byteAt(block, kAreaByte), 0x4C);
    block = blockWith(kAreaByte, 0x10);
    limitAreaByte(block);
    EXPECT_EQ(byteAt(block, kAreaByte), 0x10);
    std::string shortBlock = "A5";
    limitAreaByte(shortBlock);
    EXPECT_EQ(shortBlock, "A5");
}

TEST(SettingsBlock, ExpertGovernsExactlyItsDependents) {
    EXPECT_FALSE(shown(blockWith(kExpertByte, 0)).expertOn());
    EXPECT_TRUE(shown(blockWith(kExpertByte, 1)).expertOn());
    EXPECT_FALSE(shown(blockWith(kExpertByte, 2)).expertOn()); // unknown value shows "OFF"
    int dependents = 0;
    for (int byte = 0; byte < 128; ++byte)
        if (isExpertDependent(byte)) {
            ++dependents;
            EXPECT_GE(settingIndexOfByte(byte), 0) << byte;
        }
    EXPECT_EQ(dependents, 26);
    EXPECT_FALSE(isExpertDependent(kExpertByte));
    EXPECT_FALSE(isExpertDependent(kAreaByte));
}

TEST(SettingsBlock, ProtectSettingOfTheThirdBlock) {
    SettingsSelections page;
    showSys3Block(page, defaultSys3Block());
    EXPECT_EQ(page.sys3Choice, 1);
    std::string block(64, '0');
    page.sys3Choice = 2;
    storeSys3Block(page, block);
    EXPECT_EQ(block.substr(0, 6), "000200");
    showSys3Block(page, "0003");
    EXPECT_EQ(page.sys3Choice, 0);
    showSys3Block(page, "00");
    EXPECT_EQ(page.sys3Choice, 0);
    std::string shortBlock = "00";
    storeSys3Block(page, shortBlock);
    EXPECT_EQ(shortBlock, "00");
}

TEST(RemoconId, ShowsValidChannelsAndStoresWholeNumbers) {
    SettingsSelections page;
    page.tvEnabled = false;
    showRemoconId(page, "FF0C0D343500FFFFFFFFFFFFFF");
    EXPECT_EQ(page.tvText,
              (std::array<std::string, 10>{"-", "13", "52", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_FALSE(page.tvEnabled);
    showRemoconId(page, "ff0d");
    EXPECT_EQ(page.tvText[0], "13");
    EXPECT_EQ(page.tvText[1], "-");

    EXPECT_EQ(storeRemoconId({"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}),
              "FF" + std::string(20, '0') + "FFFF");
    EXPECT_EQ(storeRemoconId({"13", "52", " 20 ", "255", "256", "1x", "", "-5", "0", "007"}),
              "FF0D3414FF000000000007FFFF");
    EXPECT_EQ(defaultRemoconId(), std::string(26, 'F'));
}
