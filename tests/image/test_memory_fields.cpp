#include "checksum.h"

#include "image/memory_fields.h"

#include "image/hex_text.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <span>

using namespace r36::image;

namespace {

using Refusal = FieldRefusal::Kind;
const FieldRefusal kFrequencyRange{Refusal::FrequencyRange, MemoryField::Frequency, ""};
const FieldRefusal kOffsetRange{Refusal::OffsetRange, MemoryField::Offset, ""};

MemoryFields fieldsOf(std::string mhz, std::string fraction, std::string offsetMHz = "",
                      std::string offsetFraction = "") {
    MemoryFields fields;
    fields.frequencyMHz = std::move(mhz), fields.frequencyFraction = std::move(fraction);
    fields.offsetMHz = std::move(offsetMHz), fields.offsetFraction = std::move(offsetFraction);
    return fields;
}

const MemoryFields kBase = fieldsOf("145", "");

// Fractions are padded on the right before they are read, so "2x" is "2x0000", that is 2 Hz;
// the sum rounds half to even. F and O: the frequency or the offset is refused.
TEST(RecordOfFields, FrequencyTextsStoreTheirHertzOrNameTheFieldThatFails) {
    const auto rows = r36::image::test::tableRows(
        "145|005|0||145005000|0; 145|1234567|0||146234567|0; 145.5||||145500000|0; "
        "145MHz|2x|0||145000002|0; 145-||0||145000000|0; 145|000000.6|0||145000001|0; "
        "145|000001.5|0||145000002|0; 145|000000.5|0||145000000|0; 0.1000004||0||100000|0; "
        "0|1|0||100000|0; 1299|999999|0||1299999999|0; 145||999|999999|145000000|999999999; "
        "0|099999|0||F; 1300||0||F; 1299.9999995||0||F; abc||0||F; 145|99999999999999999999|0||F; "
        "99999999999999999999999999999999999999||0||F;   -145||0||F; 145|-5|0||F; 1300||1000||F; "
        "145||1000||O; 145||999|1000000|O; 145||-0||O");
    for (const auto& f : rows) { // MHz, fraction, offset MHz, offset fraction, Hz, offset Hz
        SCOPED_TRACE(f[0] + "|" + f[1] + "|" + f[2] + "|" + f[3]);
        const FieldsRecord built = recordOfFields(fieldsOf(f[0], f[1], f[2], f[3]), 5);
        if (f[4] == "F" || f[4] == "O") {
            EXPECT_EQ(built.refusal, f[4] == "F" ? kFrequencyRange : kOffsetRange);
            EXPECT_EQ(built.record, "");
            continue;
        }
        ASSERT_TRUE(isHexOfLength(built.record, 64));
        EXPECT_EQ(decodeRecord(built.record)->frequencyHz, std::stoul(f[4]));
        EXPECT_EQ(decodeRecord(built.record)->offsetHz, std::stoul(f[5]));
    }
}

TEST(RecordOfFields, WorkedExample) {
    MemoryFields fields = fieldsOf("145", "", "0", "600000");
    fields.step = 4, fields.shift = 2, fields.subtone = 2, fields.skip = 1, fields.name = "ABC";
    EXPECT_EQ(recordOfFields(fields, 5).record,
              "014086A4080004C0270900020207000000000100000000000000414243202020");
}

TEST(RecordOfFields, NameIsCutPaddedAndLimitedToPrintableAscii) {
    MemoryFields fields = kBase;
    for (const auto& [name, stored] :
         {std::pair{"ABCDEFGH", "414243444546"}, std::pair{"", "202020202020"},
          std::pair{" ~", "207E20202020"}, std::pair{"ABCDEF\x01", "414243444546"}}) {
        fields.name = name;
        EXPECT_EQ(recordOfFields(fields, 5).record.substr(52), stored) << name;
    }
    // The character refused is named whole, as typed.
    for (const auto& [name, bad] :
         {std::pair{"A\x1F", "\x1F"}, std::pair{"A\x7F", "\x7F"}, std::pair{"A\x80", "\x80"},
          std::pair{"AB\xC3\xA9", "\xC3\xA9"}}) {
        fields.name = name;
        EXPECT_EQ(recordOfFields(fields, 5).refusal,
                  (FieldRefusal{Refusal::NameCharacter, MemoryField::Name, bad}))
            << name;
    }
}

// Every byte field: 255 is stored in its own byte and shown again, 256 and -1 name the field;
// the auto flags count only between 1200 and 1299. A list's entries show in its column, a byte
// beyond the list as "?" and its hex.
TEST(RecordOfFields, EveryByteFieldIsStoredInItsByteAndShownInItsColumn) {
    using F = MemoryField;
    const std::tuple<int MemoryFields::*, int, F, int, std::span<const std::string_view>>
        byteFields[] = {{&MemoryFields::mode, rec::kMode, F::Mode, 1, modeNames},
                        {&MemoryFields::step, rec::kStep, F::Step, 2, stepNames},
                        {&MemoryFields::shift, rec::kShift, F::Shift, 7, shiftNames},
                        {&MemoryFields::subtone, rec::kSubtone, F::Subtone, 3, subtoneKinds},
                        {&MemoryFields::toneIndex, rec::kTone, F::Tsq, 4, ctcssTones},
                        {&MemoryFields::dcsIndex, rec::kDcs, F::Dcs, 5, dcsCodes},
                        {&MemoryFields::trainIndex, rec::kTrain, F::Train, 6, trainTones},
                        {&MemoryFields::skip, rec::kSkip, F::Skip, 9, skipMarks},
                        {&MemoryFields::autoStep, rec::kAutoStep, F::AutoStep, 0, {}},
                        {&MemoryFields::autoMode, rec::kAutoMode, F::AutoMode, 0, {}}};
    for (const auto& [member, offset, name, column, list] : byteFields) {
        MemoryFields fields = kBase;
        for (int value = 0; column > 0 && value < 256; ++value) {
            fields.*member = value;
            EXPECT_EQ(renderRecord(recordOfFields(fields, 5).record, 5)[column],
                      value < int(list.size()) ? std::string(list[value]) : "?" + hexByte(value))
                << column << " " << value;
        }
        for (const int memory : {1199, 1200, 1299, 1300}) {
            const bool counts = column > 0 || memory == 1200 || memory == 1299;
            fields.*member = 255;
            const std::string record = recordOfFields(fields, memory).record;
            EXPECT_EQ(byteAt(record, offset), counts ? 255 : 0) << offset << " " << memory;
            EXPECT_EQ(fieldsOfRecord(record, memory).*member, counts ? 255 : 0);
            for (const int value : {256, -1}) {
                fields.*member = value;
                EXPECT_EQ(recordOfFields(fields, memory).refusal,
                          (counts ? FieldRefusal{Refusal::ByteRange, name, ""} : FieldRefusal{}));
            }
        }
    }
}

TEST(FieldsOfRecord, ShowsTheWholeMegahertzAndSixFractionDigits) {
    const MemoryChannel channel{.frequencyHz = 145'005'000, .offsetHz = 600'000, .name = ""};
    MemoryFields expected = fieldsOf("145", "005000", "0", "600000");
    expected.name = "      ";
    EXPECT_EQ(fieldsOfRecord(encodeRecord(channel), 5), expected);
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

// A list text of each column's choices, or a typed text: what the list shows then, or F / O
// for the frequency or the offset refused.
TEST(RecordWithText, StoresEveryChoiceAndTheTypedTextsAsTheEditorWould) {
    const std::string record = recordOfFields(kBase, 1250).record;
    for (int memory : {5, 1250})
        for (int text = 1; text <= 9; ++text)
            for (std::string_view choice : textChoices(text, memory))
                EXPECT_EQ(
                    renderRecord(recordWithText(record, memory, text, choice).record, memory)[text],
                    choice);
    EXPECT_EQ(textChoices(1, 5).size(), 3u);
    EXPECT_EQ(recordWithText(record, 5, 1, "auto").refusal,
              (FieldRefusal{Refusal::NotInList, MemoryField::Mode, ""}));
    const auto rows = r36::image::test::tableRows(
        "0|433.5|433.500000MHz; 0| 0.1 mhz|0.100000MHz; 8|999.999999|999.999999MHz; "
        "10|ABCDEFGH|ABCDEF; 0|145.1234567|F; 0|1300|F; 0|14a|F; 8|1000|O; 8|-1|O");
    for (const auto& row : rows) {
        const int text = std::stoi(row[0]);
        const FieldsRecord edited = recordWithText(record, 5, text, row[1]);
        if (row[2].size() == 1)
            EXPECT_EQ(edited.refusal, row[2] == "F" ? kFrequencyRange : kOffsetRange) << row[1];
        else
            EXPECT_EQ(renderRecord(edited.record, 5)[text], row[2]) << row[1];
    }
    EXPECT_EQ(recordWithText("00", 5, 1, "AM").refusal, kFrequencyRange); // a free memory
}
