#include "image/memory_fields.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace r36::image;

namespace {

constexpr char kFrequencyRange[] = "Frequency: 0.100000 to 1299.999999 MHz";
constexpr char kOffsetRange[] = "Offset Frequency: 0.000000 to 999.999999 MHz";
constexpr char kNameRange[] = "Name: the characters from space to ~ only";

MemoryFields fieldsOf(const char* frequencyMHz, const char* fraction, const char* offsetMHz = "0",
                      const char* offsetFraction = "") {
    MemoryFields fields;
    fields.frequencyMHz = frequencyMHz;
    fields.frequencyFraction = fraction;
    fields.offsetMHz = offsetMHz;
    fields.offsetFraction = offsetFraction;
    return fields;
}

struct TextCase {
    const char* frequencyMHz;
    const char* fraction;
    const char* offsetMHz;
    const char* offsetFraction;
    std::uint32_t frequencyHz; // with the offset below: what is stored when nothing fails
    std::uint32_t offsetHz;
    const char* failure;
};

class FrequencyTexts : public testing::TestWithParam<TextCase> {};

TEST_P(FrequencyTexts, StoreTheirHertzOrNameTheFieldThatFails) {
    const TextCase& c = GetParam();
    const FieldsRecord built =
        recordOfFields(fieldsOf(c.frequencyMHz, c.fraction, c.offsetMHz, c.offsetFraction), 5);
    EXPECT_EQ(built.failure, c.failure);
    if (!built.ok()) {
        EXPECT_EQ(built.record, "");
        return;
    }
    ASSERT_TRUE(isHexOfLength(built.record, 64)) << built.record;
    EXPECT_EQ(decodeRecord(built.record)->frequencyHz, c.frequencyHz);
    EXPECT_EQ(decodeRecord(built.record)->offsetHz, c.offsetHz);
}

// Fractions are padded on the right before they are read, so "2x" is "2x0000", that is 2 Hz;
// the sum rounds half to even.
INSTANTIATE_TEST_SUITE_P(
    PaddingRoundingAndEdges, FrequencyTexts,
    testing::Values(TextCase{"145", "5", "0", "", 145'500'000, 0, ""},
                    TextCase{"145", "005", "0", "", 145'005'000, 0, ""},
                    TextCase{"145", "1234567", "0", "", 146'234'567, 0, ""},
                    TextCase{" 1 4 5 ", "", "0", "", 145'000'000, 0, ""},
                    TextCase{"145.5", "", "", "", 145'500'000, 0, ""},
                    TextCase{"145MHz", "2x", "0", "", 145'000'002, 0, ""},
                    TextCase{"145-", "", "0", "", 145'000'000, 0, ""},
                    TextCase{"145", "000000.4", "0", "", 145'000'000, 0, ""},
                    TextCase{"145", "000000.6", "0", "", 145'000'001, 0, ""},
                    TextCase{"145", "000001.5", "0", "", 145'000'002, 0, ""},
                    TextCase{"145", "000000.5", "0", "", 145'000'000, 0, ""},
                    TextCase{"0.1000004", "", "0", "", 100'000, 0, ""},
                    TextCase{"0", "0999995", "0", "", 999'995, 0, ""},
                    TextCase{"0", "1", "0", "", 100'000, 0, ""},
                    TextCase{"1299", "999999", "0", "", 1'299'999'999, 0, ""},
                    TextCase{"145", "", "999", "999999", 145'000'000, 999'999'999, ""},
                    TextCase{"0", "099999", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"1300", "", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"1300", "000000", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"1299.9999995", "", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"", "", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"abc", "", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"145", "99999999999999999999", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"99999999999999999999999999999999999999", "", "0", "", 0, 0,
                             kFrequencyRange},
                    TextCase{"  -145", "", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"145", "-5", "0", "", 0, 0, kFrequencyRange},
                    TextCase{"1300", "", "1000", "", 0, 0, kFrequencyRange},
                    TextCase{"145", "", "1000", "", 0, 0, kOffsetRange},
                    TextCase{"145", "", "999", "1000000", 0, 0, kOffsetRange},
                    TextCase{"145", "", "1300", "", 0, 0, kOffsetRange},
                    TextCase{"145", "", "-0", "", 0, 0, kOffsetRange},
                    TextCase{"145", "", "0", " -600000", 0, 0, kOffsetRange}));

TEST(RecordOfFields, WorkedExample) {
    MemoryFields fields = fieldsOf("145", "", "0", "600000");
    fields.step = 4;
    fields.shift = 2;
    fields.subtone = 2;
    fields.skip = 1;
    fields.name = "ABC";
    EXPECT_EQ(recordOfFields(fields, 5).record,
              "014086A4080004C0270900020207000000000100000000000000414243202020");
}

TEST(RecordOfFields, NameIsCutPaddedAndLimitedToPrintableAscii) {
    MemoryFields fields = fieldsOf("145", "");
    for (const auto& [name, stored] :
         {std::pair{"ABCDEFGH", "414243444546"}, std::pair{"", "202020202020"},
          std::pair{" ~", "207E20202020"}, std::pair{"ABCDEF\x01", "414243444546"}}) {
        fields.name = name;
        EXPECT_EQ(recordOfFields(fields, 5).record.substr(52), stored) << name;
    }
    for (const char bad : {'\x01', '\x1F', '\x7F', '\x80', '\xC3'}) {
        fields.name = std::string("A") + bad;
        EXPECT_EQ(recordOfFields(fields, 5).failure, kNameRange) << int(bad);
    }
}

// Every byte field: 255 is stored in its own byte and shown again, 256 and -1 name the field.
// The auto flags count only between 1200 and 1299.
TEST(RecordOfFields, EveryByteFieldRoundTripsAndRefusesWhatIsNoByte) {
    struct Field {
        int MemoryFields::*member;
        int offset;
        const char* name;
        bool prgOnly;
    };
    const Field byteFields[] = {{&MemoryFields::mode, rec::kMode, "Mode", false},
                                {&MemoryFields::step, rec::kStep, "Step", false},
                                {&MemoryFields::shift, rec::kShift, "Shift", false},
                                {&MemoryFields::subtone, rec::kSubtone, "TSQ/DCS", false},
                                {&MemoryFields::toneIndex, rec::kTone, "Tone", false},
                                {&MemoryFields::dcsIndex, rec::kDcs, "DCS Code", false},
                                {&MemoryFields::trainIndex, rec::kTrain, "Train", false},
                                {&MemoryFields::skip, rec::kSkip, "Skip", false},
                                {&MemoryFields::autoStep, rec::kAutoStep, "auto Step", true},
                                {&MemoryFields::autoMode, rec::kAutoMode, "auto Mode", true}};
    for (const Field& field : byteFields) {
        for (const int memory : {1199, 1200, 1299, 1300}) {
            const bool counts = !field.prgOnly || isPrgMemory(memory);
            MemoryFields fields = fieldsOf("145", "");
            fields.*field.member = 255;
            const std::string record = recordOfFields(fields, memory).record;
            EXPECT_EQ(byteAt(record, field.offset), counts ? 255 : 0) << field.name << memory;
            EXPECT_EQ(fieldsOfRecord(record, memory).*field.member, counts ? 255 : 0);
            for (const int value : {256, -1}) {
                fields.*field.member = value;
                EXPECT_EQ(recordOfFields(fields, memory).failure,
                          counts ? std::string(field.name) + ": 0 to 255" : "");
            }
        }
    }
}

TEST(RecordOfFields, EveryListEntryIsStoredAsTheListShowsIt) {
    const auto check = [](int MemoryFields::*member, const auto& list, int column) {
        for (std::size_t index = 0; index < list.size(); ++index) {
            MemoryFields fields = fieldsOf("145", "");
            fields.*member = static_cast<int>(index);
            EXPECT_EQ(renderRecord(recordOfFields(fields, 5).record, 5)[column], list[index]);
        }
    };
    check(&MemoryFields::mode, modeNames, 1);
    check(&MemoryFields::step, stepNames, 2);
    check(&MemoryFields::subtone, subtoneKinds, 3);
    check(&MemoryFields::toneIndex, ctcssTones, 4);
    check(&MemoryFields::dcsIndex, dcsCodes, 5);
    check(&MemoryFields::trainIndex, trainTones, 6);
    check(&MemoryFields::shift, shiftNames, 7);
    check(&MemoryFields::skip, skipMarks, 9);
}

TEST(FieldsOfRecord, ShowsTheWholeMegahertzAndSixFractionDigits) {
    MemoryChannel channel;
    channel.frequencyHz = 145'005'000;
    channel.offsetHz = 600'000;
    MemoryFields expected = fieldsOf("145", "005000", "0", "600000");
    expected.name = "      ";
    EXPECT_EQ(fieldsOfRecord(encodeRecord(channel), 5), expected);
    const MemoryFields preset = fieldsOfRecord(presetRecords[0], 7);
    EXPECT_EQ(preset.frequencyMHz + "." + preset.frequencyFraction, "398.605000");
    EXPECT_EQ(preset.offsetMHz + "." + preset.offsetFraction, "0.000000");
    EXPECT_EQ(preset.trainIndex, 20); // "2300Hz"
    for (const char* free : {"00", "", "02C83AC217"})
        EXPECT_EQ(fieldsOfRecord(free, 1250), MemoryFields{}) << free; // the cleared form
}

// Bytes beyond their lists and undecided flags go back as they came; auto flags outside the
// program-scan area are dropped.
TEST(FieldsOfRecord, RecordsFromTheReceiverRoundTripThroughTheEditorsValues) {
    const std::string outOfList =
        "014086A40803100000000003053268001D0002000000000000004F4444202020";
    std::string oddFlags = outOfList;
    setByteAt(oddFlags, rec::kAutoStep, 1);
    setByteAt(oddFlags, rec::kAutoMode, 7);
    for (const int memory : {20, 1250})
        EXPECT_EQ(recordOfFields(fieldsOfRecord(outOfList, memory), memory).record, outOfList);
    EXPECT_EQ(recordOfFields(fieldsOfRecord(oddFlags, 1250), 1250).record, oddFlags);
    EXPECT_EQ(recordOfFields(fieldsOfRecord(oddFlags, 1300), 1300).record, outOfList);
    EXPECT_EQ(fieldsOfRecord(oddFlags, 1250).autoMode, 7);
    EXPECT_EQ(fieldsOfRecord(oddFlags, 1199).autoStep, 0);
}

} // namespace

TEST(RecordWithText, EveryChoiceOfEveryListColumnShowsAsChosen) {
    const std::string record = recordOfFields(fieldsOf("145", ""), 1250).record;
    for (int memory : {5, 1250})
        for (int text = 1; text <= 9; ++text)
            for (std::string_view choice : textChoices(text, memory)) {
                const FieldsRecord edited = recordWithText(record, memory, text, choice);
                ASSERT_TRUE(edited.ok()) << edited.failure;
                EXPECT_EQ(renderRecord(edited.record, memory)[text], choice) << text;
            }
    EXPECT_EQ(textChoices(1, 5).size(), 3u);
    EXPECT_EQ(textChoices(2, 1250).back(), "auto");
    EXPECT_EQ(recordWithText(record, 5, 1, "auto").failure, "Mode: one of the list's values");
}

TEST(RecordWithText, MegahertzAsTypedOrShownAndNamesAsTheEditorStoresThem) {
    const std::string record = recordOfFields(fieldsOf("145", ""), 5).record;
    const std::tuple<int, const char*, const char*> cases[] = {{0, "433.5", "433.500000MHz"},
                                                               {0, " 0.1 mhz", "0.100000MHz"},
                                                               {8, "999.999999", "999.999999MHz"},
                                                               {10, "ABCDEFGH", "ABCDEF"},
                                                               {0, "145.1234567", nullptr},
                                                               {0, "1300", nullptr},
                                                               {0, "14a", nullptr},
                                                               {8, "1000", nullptr},
                                                               {8, "-1", nullptr}};
    for (const auto& [text, typed, shown] : cases) {
        const FieldsRecord edited = recordWithText(record, 5, text, typed);
        EXPECT_EQ(shown ? renderRecord(edited.record, 5)[text] : edited.failure,
                  shown       ? shown
                  : text == 0 ? kFrequencyRange
                              : kOffsetRange)
            << typed;
    }
    EXPECT_EQ(recordWithText("00", 5, 1, "AM").failure, kFrequencyRange); // a free memory
}
