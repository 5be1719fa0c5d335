#include "image/hex_text.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {

constexpr std::string_view kPreset1700 =
    "01C83AC217000000000000000007000B14000000000000000000000000000000";

// Record with one byte replaced, for rendering faults.
std::string withByte(std::string record, int offset, int value) {
    setByteAt(record, offset, value);
    return record;
}

} // namespace

TEST(RenderRecord, PresetRecordOfMemory1700) {
    const DisplayTexts expected = {"398.605000MHz", "FM",  "5KHz",        "OFF", "88.5Hz", "023",
                                   "2300Hz",        "OFF", "0.000000MHz", "",    "      "};
    EXPECT_EQ(renderRecord(kPreset1700, 1700), expected);
}

TEST(RenderRecord, FreeMemoriesRenderBlank) {
    for (const std::string_view record :
         {std::string_view("00"), std::string_view(""), std::string_view("0"),
          std::string_view("02C83AC217000000000000000007000B14000000000000000000000000000000"),
          std::string_view("00C83AC217000000000000000007000B14000000000000000000000000000000")})
        EXPECT_EQ(renderRecord(record, 0), DisplayTexts{}) << record;
}

TEST(RenderRecord, AutoFlagsCountOnlyInTheProgramScanArea) {
    const auto record =
        withByte(withByte(std::string(kPreset1700), rec::kAutoStep, 1), rec::kAutoMode, 1);
    for (const int memory : {1200, 1255, 1299}) {
        const auto texts = renderRecord(record, memory);
        EXPECT_EQ(texts[1], "auto");
        EXPECT_EQ(texts[2], "auto");
    }
    for (const int memory : {0, 1199, 1300}) {
        const auto texts = renderRecord(record, memory);
        EXPECT_EQ(texts[1], "FM");
        EXPECT_EQ(texts[2], "5KHz");
    }
}

TEST(RenderRecord, EveryIndexByteGivesItsNameOrAVisibleMarker) {
    struct Column {
        int offset;
        int text;
        std::size_t listSize;
    };
    const Column columns[] = {
        {rec::kMode, 1, modeNames.size()},       {rec::kStep, 2, stepNames.size()},
        {rec::kSubtone, 3, subtoneKinds.size()}, {rec::kTone, 4, ctcssTones.size()},
        {rec::kDcs, 5, dcsCodes.size()},         {rec::kTrain, 6, trainTones.size()},
        {rec::kShift, 7, shiftNames.size()},     {rec::kSkip, 9, skipMarks.size()}};
    for (const auto& column : columns) {
        for (int value = 0; value < 256; ++value) {
            const auto texts =
                renderRecord(withByte(std::string(kPreset1700), column.offset, value), 5);
            if (static_cast<std::size_t>(value) < column.listSize)
                EXPECT_NE(texts[column.text].substr(0, 1), "?");
            else
                EXPECT_EQ(texts[column.text], "?" + hexByte(value));
        }
    }
    EXPECT_EQ(renderRecord(withByte(std::string(kPreset1700), rec::kTone, 0x3F), 0)[4], "?3F");
    EXPECT_EQ(renderRecord(withByte(std::string(kPreset1700), rec::kSkip, 1), 0)[9], "*");
}

TEST(RenderRecord, FrequenciesAboveTwoToTheThirtyFirstRenderUnsigned) {
    EXPECT_EQ(renderRecord("01FFFFFFFF", 0)[0], "4294.967295MHz");
    EXPECT_EQ(renderRecord("0100000080", 0)[0], "2147.483648MHz");
    EXPECT_EQ(frequencyText(100'000), "0.100000MHz");
    EXPECT_EQ(frequencyText(0), "0.000000MHz");
}

TEST(RenderRecord, NameBytesOutsidePrintableAsciiShowAsSpaces) {
    auto record = std::string(kPreset1700);
    setByteAt(record, rec::kName, 'A');
    setByteAt(record, rec::kName + 1, 0x7F);
    setByteAt(record, rec::kName + 2, 0x1F);
    setByteAt(record, rec::kName + 3, '~');
    setByteAt(record, rec::kName + 4, 0xC8);
    setByteAt(record, rec::kName + 5, ' ');
    EXPECT_EQ(renderRecord(record, 0)[10], "A  ~  ");
}

TEST(RenderRecord, ShortLowerCaseOrMalformedRecordsDoNotBreak) {
    const auto lower =
        renderRecord("01c83ac217000000000000000007000b14000000000000000000000000000000", 0);
    EXPECT_EQ(lower, renderRecord(kPreset1700, 0));
    const auto cut = renderRecord("01C83AC2", 0);
    EXPECT_EQ(cut[0], "12.729032MHz"); // the missing high byte reads as 0
    EXPECT_EQ(cut[10], "      ");
    const auto junk = renderRecord("01ZZ3AC217", 0);
    EXPECT_EQ(junk[0], "398.604800MHz"); // the malformed byte reads as 0
}

TEST(EncodeRecord, DecodeEncodeRoundTripAndReservedBytesCleared) {
    MemoryChannel channel;
    channel.frequencyHz = 1'299'999'999;
    channel.mode = 2;
    channel.step = 15;
    channel.offsetHz = 999'999'999;
    channel.shift = 1;
    channel.subtone = 4;
    channel.toneIndex = 49;
    channel.dcsIndex = 103;
    channel.trainIndex = 28;
    channel.skip = true;
    channel.autoStep = true;
    channel.autoMode = true;
    channel.name = "Z9 ~!A";
    const auto record = encodeRecord(channel);
    ASSERT_TRUE(isHexOfLength(record, 64));
    EXPECT_EQ(decodeRecord(record), channel);
    // Reserved bytes of a receiver record are not carried into a re-encoded one.
    EXPECT_EQ(encodeRecord(*decodeRecord(kPreset1700)).substr(30, 2), "00");
}

TEST(EncodeRecord, RefusesWhatCannotBeStored) {
    MemoryChannel channel;
    channel.frequencyHz = 99'999;
    EXPECT_EQ(encodeRecord(channel), "");
    channel.frequencyHz = 1'300'000'000;
    EXPECT_EQ(encodeRecord(channel), "");
    channel.frequencyHz = 100'000;
    EXPECT_NE(encodeRecord(channel), "");
    channel.offsetHz = 1'000'000'000;
    EXPECT_EQ(encodeRecord(channel), "");
    channel.offsetHz = 0;
    channel.name = "SEVENCH";
    EXPECT_EQ(encodeRecord(channel), "");
    channel.name = "A\tB";
    EXPECT_EQ(encodeRecord(channel), "");
    channel.name = "ABC";
    EXPECT_EQ(encodeRecord(channel).substr(52), "414243202020");
}

TEST(NumericValue, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(numericValue("145"), 145);
    EXPECT_DOUBLE_EQ(numericValue(" 1 4 5.5 "), 145.5);
    EXPECT_DOUBLE_EQ(numericValue("12abc34"), 12);
    EXPECT_DOUBLE_EQ(numericValue("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(numericValue(".5"), 0.5);
    EXPECT_DOUBLE_EQ(numericValue("-2.5"), -2.5);
    EXPECT_DOUBLE_EQ(numericValue("+7"), 7);
    EXPECT_DOUBLE_EQ(numericValue("--7"), 0);
    EXPECT_DOUBLE_EQ(numericValue("-"), 0);
    EXPECT_DOUBLE_EQ(numericValue(""), 0);
    EXPECT_DOUBLE_EQ(numericValue("x12"), 0);
    EXPECT_DOUBLE_EQ(numericValue("007"), 7);
}

TEST(DecodeRecord, ShortAndFreeRecords) {
    EXPECT_EQ(decodeRecord("00"), std::nullopt);
    EXPECT_EQ(decodeRecord(""), std::nullopt);
    const auto bare = decodeRecord("01");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->frequencyHz, 0u);
    EXPECT_EQ(bare->toneIndex, 0);
    EXPECT_EQ(bare->name, "      ");
    // Raw index bytes beyond their lists are kept as they are.
    const auto odd = decodeRecord(withByte(std::string(kPreset1700), rec::kDcs, 0xFE));
    EXPECT_EQ(odd->dcsIndex, 0xFE);
}
