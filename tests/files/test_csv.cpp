#include "files/csv_file.h"

#include "files_test_support.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/value_lists.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <utility>

using namespace r36;
using namespace r36::files;
using namespace r36::files::test;

namespace {

const std::vector<std::string> kLabels = image::defaultMemoryLabels();

/// Every memory in use but a few, cycling through every entry of every list, with the bytes the
/// list does not show set to something else than 0.
image::CloneImage everyValueImage() {
    namespace rec = image::rec;
    image::CloneImage image = image::freshImage();
    const char* names[] = {"", "A", "*STAR", "  lead", "1.2G", "x~,|{}", "\"q\"", "MAX6CH"};
    const std::pair<int, int> lists[] = {{rec::kMode, 3},    {rec::kStep, 16}, {rec::kShift, 3},
                                         {rec::kSubtone, 5}, {rec::kTone, 50}, {rec::kDcs, 104},
                                         {rec::kTrain, 29},  {rec::kSkip, 2}};
    for (std::uint32_t m = 0; m < image::kUserMemoryCount; ++m) {
        if (m % 17 == 5)
            continue;
        std::string record = image::encodeRecord(
            {.frequencyHz = 100'000 + m * 764'705, .offsetHz = m * 588'235, .name = names[m % 8]});
        for (const auto& [offset, count] : lists)
            image::setByteAt(record, offset, static_cast<int>(m % count));
        image::setByteAt(record, rec::kAutoStep, m % 4 == 1);
        image::setByteAt(record, rec::kAutoMode, m % 4 == 2);
        image::setByteAt(record, 15, 0x0B);
        image::setByteAt(record, 21 + m % 5, 0xA5);
        if (m % 9 == 0)
            image::setByteAt(record, 26 + m % 6, m % 2 ? 0x00 : 0x80);
        image.memRecord[m] = record;
    }
    image.memRecord[1001] = "02" + image.memRecord[1002].substr(2); // flag says free
    return image;
}

/// The record an export and import give back: what the memory list shows, composed again.
std::string throughTheList(const std::string& record, int memory) {
    auto channel = image::decodeRecord(record);
    if (!channel)
        return "00";
    if (!image::isPrgMemory(memory))
        channel->autoMode = channel->autoStep = false;
    if (channel->autoMode)
        channel->mode = 0;
    if (channel->autoStep)
        channel->step = 0;
    return image::encodeRecord(*channel);
}

TEST(CsvExport, ListsEveryMemoryUnderItsLabelMarkingTheDcsCodeAndTheName) {
    image::CloneImage image = image::freshImage();
    image.memRecord[0] = "014086A4080004C0270900020207000000000100000000000000414243202020";
    std::vector<int> rows;
    const std::string text = csvText(image, kLabels, [&](int row) { rows.push_back(row); });
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 1701u);
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(lines[0],
              "BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,Offset Freq.,Skip,Name");
    EXPECT_EQ(lines[1], "Bank00-000,145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,-,"
                        "0.600000MHz,*,*ABC   ");
    EXPECT_EQ(lines[1000], "Bank16-024,,,,,,,,,,,");
    EXPECT_EQ(lines[1700], "PRIO - 99,,,,,,,,,,,");
    ASSERT_EQ(rows.size(), 1701u);
    EXPECT_EQ(rows[1700], 1700);
}

TEST(CsvRoundTrip, ExportThenImportLosesOnlyWhatTheListDoesNotShow) {
    QTemporaryDir dir;
    const image::CloneImage image = everyValueImage();
    ASSERT_TRUE(exportCsv(dir.filePath("LIST.CSV"), image, kLabels).ok());
    const std::string first = fileBytes(dir.filePath("LIST.CSV"));
    EXPECT_EQ(first, csvText(image, kLabels));
    const CsvImport imported = importCsv(dir.filePath("LIST.CSV"));
    ASSERT_TRUE(imported.ok()) << r36::test::english(imported.outcome);
    ASSERT_EQ(imported.records.size(), 1721u);
    for (int m = 0; m < image::kUserMemoryCount; ++m)
        EXPECT_EQ(imported.records[m], throughTheList(image.memRecord[m], m)) << m;
    for (int k = 0; k < image::kPresetCount; ++k)
        EXPECT_EQ(imported.records[image::presetFirst + k], image::presetRecords[k]);
    image::CloneImage again = image::freshImage();
    again.memRecord = imported.records;
    EXPECT_EQ(csvText(again, kLabels), first) << "the list itself survives unchanged";
}

// One line of an otherwise empty list, changed: the line the import fails at, or the list line
// the imported memory exports as.
struct CsvLineCase {
    const char* name;
    int memory;
    std::string fields; // everything after the label
    int errorLine;      // 0 when the file imports
    std::string exported = ",,,,,,,,,,";
};

class CsvLine : public ::testing::TestWithParam<CsvLineCase> {};

TEST_P(CsvLine, ImportsAsItShould) {
    const CsvLineCase& c = GetParam();
    std::string text = csvText(image::freshImage(), kLabels);
    const std::string label = kLabels[static_cast<std::size_t>(c.memory)] + ",";
    text.replace(text.find("\n" + label) + 1, label.size() + 10, label + c.fields);
    const CsvImport imported = parseCsv(text);
    EXPECT_EQ(imported.outcome.why().line, c.errorLine);
    ASSERT_EQ(imported.ok(), c.errorLine == 0) << r36::test::english(imported.outcome);
    if (!imported.ok()) {
        EXPECT_EQ(imported.outcome.why().kind, FailureKind::DamagedLine);
        return;
    }
    image::CloneImage image = image::freshImage();
    image.memRecord = imported.records;
    EXPECT_EQ(crlfLines(csvText(image, kLabels))[static_cast<std::size_t>(c.memory + 1)],
              label + c.exported);
}

/// The list fields of a memory that exports as it imports, with some fields replaced.
std::string with(std::initializer_list<std::pair<int, const char*>> changes) {
    std::vector<std::string> fields{"145.000000MHz", "FM",   "12.5KHz", "CTCSS",
                                    "88.5Hz",        "*023", "300Hz",   "OFF",
                                    "0.000000MHz",   "",     "*      "};
    for (const auto& [field, text] : changes)
        fields[static_cast<std::size_t>(field)] = text;
    std::string text = fields[0];
    for (std::size_t k = 1; k < fields.size(); ++k)
        text += "," + fields[k];
    return text;
}

enum Field { kHz, kMode, kStep, kSub, kTone, kDcs, kTrain, kShift, kOffset, kSkip, kName };

const CsvLineCase kCsvLines[] = {
    {"NameWithCommaIsCut", 0, with({{kName, "*A,B   "}}), 0, with({{kName, "*A     "}})},
    {"QuotedFieldsWithDoubledQuotes", 0,
     with({{kHz, "\"145.000000MHz\""}, {kName, "\"*A,\"\"B\"\"\""}}), 0,
     with({{kName, "\"*A,\"\"B\"\" \""}})},
    {"QuoteInsideAnUnquotedFieldIsText", 0, with({{kName, "*\"Q\""}}), 0,
     with({{kName, "\"*\"\"Q\"\"   \""}})},
    {"UnclosedQuoteFails", 5, with({{kName, "\"*AB"}}), 7},
    {"NameStartingWithStarSurvives", 0, with({{kName, "**STAR"}}), 0, with({{kName, "**STAR "}})},
    {"NameOfSevenCharactersFails", 0, with({{kName, "*ABCDEFG"}}), 2},
    {"NameWithAByteAbove7EFails", 9, with({{kName, "*caf\xe9"}}), 11},
    {"LowerCaseModeFails", 0, with({{kMode, "fm"}}), 2},
    {"LowerCaseShiftFails", 0, with({{kShift, "off"}}), 2},
    {"SkipWithASpaceFails", 0, with({{kSkip, " *"}}), 2},
    {"AutoModeInPrgArea", 1200, with({{kMode, "auto"}, {kStep, "Auto"}}), 0,
     with({{kMode, "auto"}, {kStep, "auto"}})},
    {"AutoModeOutsidePrgArea", 1300, with({{kMode, "auto"}}), 1302},
    {"AutoStepOutsidePrgArea", 1199, with({{kStep, "AUTO"}}), 1201},
    // A tool that drops trailing empty fields writes eleven for a memory without a name.
    {"ElevenFieldsLoadWithAnEmptyName", 0, with({}).substr(0, with({}).rfind(',')), 0, with({})},
    {"ShortLineFailsOnItsFields", 0, "145MHz,FM", 2},
    {"LabelAloneIsAFreeMemory", 0, "", 0},
    // What the export writes for a byte beyond its list comes back as that byte.
    {"OutOfListCodesComeBack", 1300, "145.000000MHz,?03,?10,?05,?32,*?68,?1d,?FF,0.000000MHz,,*", 0,
     "145.000000MHz,?03,?10,?05,?32,*?68,?1D,?FF,0.000000MHz,,*      "},
    {"EmptyFrequencyMakesAFreeMemory", 0, ",fm,bad,bad,bad,bad,bad,bad,bad,bad,bad", 0},
    {"ShortFormsAreNormalised", 3, "145.5,FM,12.5k,ctcss,100,23,jr,-,0.6,*,*ABC", 0,
     "145.500000MHz,FM,12.5KHz,CTCSS,100.0Hz,*023,JR,-,0.600000MHz,*,*ABC   "},
    {"CaseAndHzAreOptionalForStepToneAndTrainTone", 3,
     with({{kStep, "12.5KHZ"}, {kSub, "Train"}, {kTone, "88.5HZ"}, {kTrain, "2300"}}), 0,
     with({{kSub, "Train"}, {kTrain, "2300Hz"}})},
    {"LowestFrequency", 0, with({{kHz, "0.1"}, {kOffset, "0"}}), 0, with({{kHz, "0.100000MHz"}})},
    {"BelowLowestFrequency", 0, with({{kHz, "0.099999MHz"}}), 2},
    {"Frequency1300MHzFails", 0, with({{kHz, "1300MHz"}}), 2},
    {"NegativeOffsetFails", 0, with({{kShift, "-"}, {kOffset, "-0.000000MHz"}}), 2}, // even zero
    {"Offset1000MHzFails", 0, with({{kShift, "+"}, {kOffset, "1000.000000MHz"}}), 2},
    {"UnknownToneFails", 0, with({{kTone, "88.4Hz"}}), 2},
    {"UnknownDcsFails", 0, with({{kDcs, "*024"}}), 2},
    {"EmptyTrainToneFails", 0, with({{kTrain, ""}}), 2},
    {"LastMemory", 1699, "1299.999999MHz,WFM,1M,REV,254.1,*25,3000,OFF,999.999999MHz,,*LAST", 0,
     "1299.999999MHz,WFM,1MHz,REV,254.1Hz,*025,3000Hz,OFF,999.999999MHz,,*LAST  "},
};

INSTANTIATE_TEST_SUITE_P(Fields, CsvLine, ::testing::ValuesIn(kCsvLines),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CsvLineRecord, NumbersAreDigitsWithOnePointAndTheUnitAndMessagesShowValuesSafely) {
    const std::string notANumber = "\" is not a number of MHz, like 145.020000";
    // Frequency, offset, and the reason (empty: loads as 145.020000 MHz).
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"145,020", "0", "frequency \"145,020\": a decimal comma? write 145.020"},
        {"145.02", "1,5MHz", "offset \"1,5MHz\": a decimal comma? write 1.5MHz"},
        {"1.4502e2MHz", "0", "frequency \"1.4502e2MHz" + notANumber},
        {"1e400", "0", "frequency \"1e400" + notANumber},
        {"145.02abcMHz", "0", "frequency \"145.02abcMHz" + notANumber},
        {"145.02", "1.2.3", "offset \"1.2.3" + notANumber},
        {"MHz", "0", "frequency \"MHz" + notANumber},
        // Control characters are escaped and a long value is cut.
        {"\x1b[2J" + std::string(100'000, '9'), "0",
         "frequency \"\\x1B[2J" + std::string(36, '9') + "\xE2\x80\xA6" + notANumber},
        {"145.020mhz", "", ""},
        {"145.02", "0.", ""},
    };
    for (const auto& [frequency, offset, reason] : cases) {
        const CsvLineRecord record = csvLineRecord(
            {"", frequency, "FM", "5k", "off", "88.5", "023", "300", "OFF", offset, "", ""}, 0);
        EXPECT_EQ(r36::test::english(record.problem), reason);
        if (reason.empty()) {
            EXPECT_EQ(image::decodeRecord(record.record)->frequencyHz, 145'020'000u);
        }
    }
}

TEST(CsvImport, TheLineCountMustBe1701) {
    const std::string full = csvText(image::freshImage(), kLabels);
    EXPECT_EQ(parseCsv(full.substr(0, full.find("\r\n") + 2)).outcome.why().line, 2);
    EXPECT_EQ(parseCsv("").outcome.why().line, 1);
    EXPECT_EQ(parseCsv(full.substr(0, full.size() - 23)).outcome.why().line, 1701); // cut
    const CsvImport longer =
        parseCsv(full + "PRESET,145MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*\r\n");
    EXPECT_EQ(longer.outcome.why().line, 1702);
    EXPECT_TRUE(longer.records.empty());
    EXPECT_TRUE(parseCsv(full.substr(0, full.size() - 2)).ok()) << "the last line end may lack";
}

TEST(CsvImport, TheSpreadsheetEditedSampleImports) {
    const CsvImport imported = importCsv(dataPath("edited.csv"));
    ASSERT_TRUE(imported.ok()) << r36::test::english(imported.outcome);
    const auto& r = imported.records;
    const std::tuple<int, std::size_t, const char*> shown[] = {
        {0, 0, "118.100000MHz"}, {0, 2, "25KHz"},   {1, 4, "100.0Hz"},          {2, 10, "*STAR "},
        {4, 10, "CH16  "},       {1200, 1, "auto"}, {1699, 0, "1299.999999MHz"}};
    for (const auto& [memory, column, text] : shown)
        EXPECT_EQ(image::renderRecord(r[memory], memory)[column], text) << memory;
    // Its line of eleven fields (the empty name dropped) loads: the missing field is empty.
    EXPECT_EQ(image::renderRecord(r[3], 3)[0], "145.500000MHz");
    EXPECT_EQ(r[1700], image::presetRecords[0]);

    // Saved again by a spreadsheet that quotes every cell it holds.
    const CsvImport quoted = importCsv(dataPath("quoted.csv"));
    ASSERT_TRUE(quoted.ok()) << r36::test::english(quoted.outcome);
    EXPECT_EQ(quoted.records, r);
}

TEST(CsvFiles, OnlyCsvFilesThatCanBeReadAreImportedAndExportsSayWhyTheyFail) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("list.txt"), csvText(image::freshImage(), kLabels));
    const CsvImport wrongName = importCsv(dir.filePath("list.txt"));
    EXPECT_EQ(wrongName.outcome.why().kind, FailureKind::WrongFileName);
    const CsvImport missing = importCsv(dir.filePath("gone.csv"));
    EXPECT_EQ(wrongName.outcome.why().line, 0) << "no line to show";
    EXPECT_EQ(missing.outcome.why().line, 0);
    EXPECT_TRUE(holds(r36::test::english(missing.outcome), "gone.csv"));
    const Outcome failed = exportCsv(dir.filePath("missing/out.csv"), image::freshImage(), kLabels);
    EXPECT_TRUE(holds(r36::test::english(failed), "out.csv"));
}

} // namespace
