#include "image/hex_text.h"
#include "image/memory_record.h"

#include "checksum.h"

#include <gtest/gtest.h>

using namespace r36::image;

namespace {

constexpr std::string_view kPreset1700 =
    "01C83AC217000000000000000007000B14000000000000000000000000000000";

} // namespace

TEST(RenderRecord, PresetRecordOfMemory1700AndFreeMemories) {
    const DisplayTexts expected = {"398.605000MHz", "FM",  "5KHz",        "OFF", "88.5Hz", "023",
                                   "2300Hz",        "OFF", "0.000000MHz", "",    "      "};
    EXPECT_EQ(renderRecord(kPreset1700, 1700), expected);
    for (const std::string_view record : {"00", "", "0", "02C83AC217", "00C83AC217"})
        EXPECT_EQ(renderRecord(record, 0), DisplayTexts{}) << record;
}

TEST(RenderRecord, AutoFlagsCountOnlyInTheProgramScanArea) {
    std::string record(kPreset1700);
    setByteAt(record, rec::kAutoStep, 1);
    setByteAt(record, rec::kAutoMode, 1);
    for (const int memory : {1199, 1200, 1299, 1300}) {
        const bool prg = memory >= 1200 && memory <= 1299;
        const auto texts = renderRecord(record, memory);
        EXPECT_EQ(texts[1], prg ? "auto" : "FM") << memory;
        EXPECT_EQ(texts[2], prg ? "auto" : "5KHz") << memory;
    }
}

TEST(RenderRecord, OddFrequenciesNamesAndMalformedRecordsDoNotBreak) {
    EXPECT_EQ(renderRecord("0100000080", 0)[0], "2147.483648MHz"); // unsigned above 2^31
    auto record = std::string(kPreset1700);
    for (const auto& [offset, byte] :
         {std::pair{0, 'A'}, {1, 0x7F}, {2, 0x1F}, {3, '~'}, {4, 0xC8}})
        setByteAt(record, rec::kName + offset, byte);
    EXPECT_EQ(renderRecord(record, 0)[10], "A  ~  ");             // outside printable ASCII: spaces
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
}

TEST(DecodeRecord, AShortRecordReadsZerosAndABlankName) {
    EXPECT_EQ(decodeRecord("01"), (MemoryChannel{.toneIndex = 0, .name = "      "}));
}

TEST(NumericValue, ReadsTheNumberAtTheStart) {
    for (const auto& f : r36::image::test::tableRows("145|145;  1 4 5.5 |145.5; 12abc34|12; "
                                                     "1.2.3|1.2; .5|0.5; -2.5|-2.5; +7|7; --7|0; "
                                                     "-|0; |0; x12|0; 007|7"))
        EXPECT_DOUBLE_EQ(numericValue(f[0]), std::stod(f[1])) << f[0];
}
