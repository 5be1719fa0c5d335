#include "image/hex_text.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include "checksum.h"

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

TEST(RenderRecord, PresetRecordOfMemory1700AndFreeMemories) {
    const DisplayTexts expected = {"398.605000MHz", "FM",  "5KHz",        "OFF", "88.5Hz", "023",
                                   "2300Hz",        "OFF", "0.000000MHz", "",    "      "};
    EXPECT_EQ(renderRecord(kPreset1700, 1700), expected);
    for (const std::string_view record : {"00", "", "0", "02C83AC217", "00C83AC217"})
        EXPECT_EQ(renderRecord(record, 0), DisplayTexts{}) << record;
}

TEST(RenderRecord, AutoFlagsCountOnlyInTheProgramScanArea) {
    const auto record =
        withByte(withByte(std::string(kPreset1700), rec::kAutoStep, 1), rec::kAutoMode, 1);
    for (const int memory : {1199, 1200, 1255, 1299, 1300}) {
        const bool prg = memory >= 1200 && memory <= 1299;
        const auto texts = renderRecord(record, memory);
        EXPECT_EQ(texts[1], prg ? "auto" : "FM") << memory;
        EXPECT_EQ(texts[2], prg ? "auto" : "5KHz") << memory;
    }
}

TEST(RenderRecord, EveryIndexByteGivesItsNameOrAVisibleMarker) {
    const std::tuple<int, int, std::size_t> columns[] = {
        // offset, text, list size
        {rec::kMode, 1, modeNames.size()},       {rec::kStep, 2, stepNames.size()},
        {rec::kSubtone, 3, subtoneKinds.size()}, {rec::kTone, 4, ctcssTones.size()},
        {rec::kDcs, 5, dcsCodes.size()},         {rec::kTrain, 6, trainTones.size()},
        {rec::kShift, 7, shiftNames.size()},     {rec::kSkip, 9, skipMarks.size()}};
    for (const auto& [offset, column, listSize] : columns)
        for (int value = 0; value < 256; ++value) {
            const auto text = renderRecord(withByte(std::string(kPreset1700), offset, value), 5);
            if (static_cast<std::size_t>(value) < listSize)
                EXPECT_NE(text[column].substr(0, 1), "?");
            else
                EXPECT_EQ(text[column], "?" + hexByte(value));
        }
    EXPECT_EQ(renderRecord(withByte(std::string(kPreset1700), rec::kSkip, 1), 0)[9], "*");
}

TEST(RenderRecord, OddFrequenciesNamesAndMalformedRecordsDoNotBreak) {
    EXPECT_EQ(renderRecord("01FFFFFFFF", 0)[0], "4294.967295MHz"); // unsigned above 2^31
    EXPECT_EQ(renderRecord("0100000080", 0)[0], "2147.483648MHz");
    EXPECT_EQ(frequencyText(100'000), "0.100000MHz");
    auto record = std::string(kPreset1700);
    for (const auto& [offset, byte] :
         {std::pair{0, 'A'}, {1, 0x7F}, {2, 0x1F}, {3, '~'}, {4, 0xC8}})
        setByteAt(record, rec::kName + offset, byte);
    EXPECT_EQ(renderRecord(record, 0)[10], "A  ~  "); // outside printable ASCII: spaces
    EXPECT_EQ(renderRecord(toUpperAscii(kPreset1700), 0), renderRecord(kPreset1700, 0));
    EXPECT_EQ(renderRecord("01c83ac217000000000000000007000b14", 0), renderRecord(kPreset1700, 0));
    EXPECT_EQ(renderRecord("01C83AC2", 0)[0], "12.729032MHz");    // the missing high byte reads 0
    EXPECT_EQ(renderRecord("01ZZ3AC217", 0)[0], "398.604800MHz"); // so does a malformed one
}

TEST(EncodeRecord, DecodeEncodeRoundTripAndRefusals) {
    const MemoryChannel channel{1'299'999'999, 2,  15,   999'999'999, 1,    4,       49,
                                103,           28, true, true,        true, "Z9 ~!A"};
    const auto record = encodeRecord(channel);
    ASSERT_TRUE(isHexOfLength(record, 64));
    EXPECT_EQ(decodeRecord(record), channel);
    // Reserved bytes of a receiver record are not carried into a re-encoded one.
    EXPECT_EQ(encodeRecord(*decodeRecord(kPreset1700)).substr(30, 2), "00");
    for (const MemoryChannel& refused :
         {MemoryChannel{.frequencyHz = 99'999, .name = {}},
          MemoryChannel{.frequencyHz = 1'300'000'000, .name = {}},
          MemoryChannel{.frequencyHz = 100'000, .offsetHz = 1'000'000'000, .name = {}},
          MemoryChannel{.frequencyHz = 100'000, .name = "SEVENCH"},
          MemoryChannel{.frequencyHz = 100'000, .name = "A\tB"}})
        EXPECT_EQ(encodeRecord(refused), "") << refused.frequencyHz << refused.name;
    EXPECT_EQ(encodeRecord({.frequencyHz = 100'000, .name = "ABC"}).substr(52), "414243202020");
}

TEST(DecodeRecord, ShortFreeAndOutOfListRecords) {
    EXPECT_EQ(decodeRecord("00"), std::nullopt);
    EXPECT_EQ(decodeRecord(""), std::nullopt);
    EXPECT_EQ(decodeRecord("01"), (MemoryChannel{.toneIndex = 0, .name = "      "}));
    // Raw index bytes beyond their lists are kept as they are.
    EXPECT_EQ(decodeRecord(withByte(std::string(kPreset1700), rec::kDcs, 0xFE))->dcsIndex, 0xFE);
}

TEST(NumericValue, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"145", 145},   {" 1 4 5.5 ", 145.5}, {"12abc34", 12},
        {"1.2.3", 1.2}, {".5", 0.5},          {"-2.5", -2.5},
        {"+7", 7},      {"--7", 0},           {"-", 0},
        {"", 0},        {"x12", 0},           {"007", 7}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
}
