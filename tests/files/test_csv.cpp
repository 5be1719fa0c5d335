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

/// Every memory in use, cycling through every entry of every list, with the bytes the list
/// does not show set to something else than 0.
image::CloneImage everyValueImage() {
    image::CloneImage image = image::freshImage();
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        if (m % 17 == 5)
            continue; // some free memories between
        image::MemoryChannel c;
        c.frequencyHz = 100'000 + static_cast<std::uint32_t>(m) * 764'705;
        c.mode = static_cast<std::uint8_t>(m % 3);
        c.step = static_cast<std::uint8_t>(m % 16);
        c.offsetHz = static_cast<std::uint32_t>(m) * 588'235;
        c.shift = static_cast<std::uint8_t>(m % 3);
        c.subtone = static_cast<std::uint8_t>(m % 5);
        c.toneIndex = static_cast<std::uint8_t>(m % 50);
        c.dcsIndex = static_cast<std::uint8_t>(m % 104);
        c.trainIndex = static_cast<std::uint8_t>(m % 29);
        c.skip = m % 2 == 1;
        c.autoStep = m % 4 == 1;
        c.autoMode = m % 4 == 2;
        const char* names[] = {"", "A", "*STAR", "  lead", "1.2G", "x~ |{}", "\"q\"", "MAX6CH"};
        c.name = names[m % 8];
        std::string record = image::encodeRecord(c);
        image::setByteAt(record, 15, 0x0B);
        image::setByteAt(record, 21 + m % 5, 0xA5);
        if (m % 9 == 0)
            image::setByteAt(record, 26 + m % 6, m % 2 ? 0x00 : 0x80);
        image.memRecord[static_cast<std::size_t>(m)] = record;
    }
    image.memRecord[1001] = "02" + image.memRecord[1002].substr(2); // flag says free
    return image;
}

std::vector<std::string> presetsAfter(std::vector<std::string> records) {
    for (int k = 0; k < image::kPresetCount; ++k)
        records[static_cast<std::size_t>(image::presetFirst + k)] =
            image::presetRecords[static_cast<std::size_t>(k)];
    return records;
}

} // namespace

TEST(CsvExport, AfterStartUpEveryMemoryIsItsLabelAndElevenCommas) {
    std::vector<int> rows;
    const std::string text = csvText(image::freshImage(), image::defaultMemoryLabels(),
                                     [&](int row) { rows.push_back(row); });
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 1701u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0],
              "BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,Offset Freq.,Skip,Name");
    EXPECT_EQ(lines[1], "Bank00-000,,,,,,,,,,,");
    EXPECT_EQ(lines[1000], "Bank16-024,,,,,,,,,,,");
    EXPECT_EQ(lines[1202], "PRG - 0B,,,,,,,,,,,");
    EXPECT_EQ(lines[1700], "PRIO - 99,,,,,,,,,,,");
    ASSERT_EQ(rows.size(), 1701u);
    for (int row = 0; row <= 1700; ++row)
        EXPECT_EQ(rows[static_cast<std::size_t>(row)], row);
}

TEST(CsvExport, DataLinesMarkTheDcsCodeAndTheName) {
    image::CloneImage image = image::freshImage();
    image.memRecord[0] = "014086A4080004C0270900020207000000000100000000000000414243202020";
    image.memRecord[1201] = image.memRecord[0];
    image::setByteAt(image.memRecord[1201], image::rec::kAutoMode, 1);
    const auto lines = crlfLines(csvText(image, image::defaultMemoryLabels()));
    EXPECT_EQ(lines[1], "Bank00-000,145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,-,"
                        "0.600000MHz,*,*ABC   ");
    EXPECT_EQ(lines[1202], "PRG - 0B,145.000000MHz,auto,12.5KHz,CTCSS,88.5Hz,*023,300Hz,-,"
                           "0.600000MHz,*,*ABC   ");
}

TEST(CsvRoundTrip, ExportThenImportLosesOnlyWhatTheListDoesNotShow) {
    const image::CloneImage image = everyValueImage();
    const CsvImport imported = parseCsv(csvText(image, image::defaultMemoryLabels()));
    ASSERT_TRUE(imported.ok) << imported.errorLine << " " << imported.reason;
    ASSERT_EQ(imported.records.size(), 1721u);
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        const std::string& original = image.memRecord[static_cast<std::size_t>(m)];
        EXPECT_EQ(imported.records[static_cast<std::size_t>(m)], throughTheList(original, m))
            << "memory " << m << " " << original;
    }
    EXPECT_EQ(imported.records, presetsAfter(imported.records));
}

TEST(CsvRoundTrip, TheListItselfSurvivesExportAndImportUnchanged) {
    const image::CloneImage image = everyValueImage();
    const std::string first = csvText(image, image::defaultMemoryLabels());
    image::CloneImage again = image::freshImage();
    again.memRecord = parseCsv(first).records;
    EXPECT_EQ(csvText(again, image::defaultMemoryLabels()), first);
}

TEST(CsvRoundTrip, NamesWithCommasAndQuotesAreQuotedAndComeBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"A,B\"C", ",\"*A,B\"\"C \""}, {"\"Q\"", ",\"*\"\"Q\"\"   \""}, {",,,,,,", ",\"*,,,,,,\""}};
    image::CloneImage image = image::freshImage();
    for (std::size_t m = 0; m < std::size(cases); ++m)
        image.memRecord[m] = channelRecord(145'000'000, cases[m].first);
    const std::string text = csvText(image, image::defaultMemoryLabels());
    const auto lines = crlfLines(text);
    const CsvImport imported = parseCsv(text);
    ASSERT_TRUE(imported.ok) << imported.reason;
    for (std::size_t m = 0; m < std::size(cases); ++m) {
        EXPECT_TRUE(lines[m + 1].ends_with(cases[m].second)) << lines[m + 1];
        EXPECT_EQ(imported.records[m], image.memRecord[m]) << cases[m].first;
    }
}

// --- One line of an otherwise good file, changed.

struct CsvLineCase {
    const char* name;
    int memory;
    const char* fields;                               // everything after the label
    int errorLine;                                    // 0 when the file imports
    std::optional<std::string> record = std::nullopt; // what the memory then holds
};

std::string record(std::uint32_t hz, std::string name, int mode = 0, int step = 4, int shift = 0,
                   int subtone = 2, int tone = 7, int dcs = 0, int train = 0,
                   std::uint32_t offsetHz = 0, bool autoStep = false, bool autoMode = false) {
    image::MemoryChannel c;
    c.frequencyHz = hz;
    c.name = std::move(name);
    c.mode = static_cast<std::uint8_t>(mode);
    c.step = static_cast<std::uint8_t>(step);
    c.shift = static_cast<std::uint8_t>(shift);
    c.subtone = static_cast<std::uint8_t>(subtone);
    c.toneIndex = static_cast<std::uint8_t>(tone);
    c.dcsIndex = static_cast<std::uint8_t>(dcs);
    c.trainIndex = static_cast<std::uint8_t>(train);
    c.offsetHz = offsetHz;
    c.autoStep = autoStep;
    c.autoMode = autoMode;
    return image::encodeRecord(c);
}

void PrintTo(const CsvLineCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvLineTest : public ::testing::TestWithParam<CsvLineCase> {};

TEST_P(CsvLineTest, ImportsAsItShould) {
    const CsvLineCase& c = GetParam();
    auto lines = crlfLines(csvText(image::freshImage(), image::defaultMemoryLabels()));
    auto& line = lines[static_cast<std::size_t>(c.memory + 1)];
    line = line.substr(0, line.find(',') + 1) + c.fields;
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";

    const CsvImport imported = parseCsv(text);
    if (c.errorLine != 0) {
        EXPECT_FALSE(imported.ok);
        EXPECT_EQ(imported.errorLine, c.errorLine);
        EXPECT_NE(imported.reason.find("line " + std::to_string(c.errorLine)), std::string::npos)
            << imported.reason;
        return;
    }
    ASSERT_TRUE(imported.ok) << imported.reason;
    EXPECT_EQ(imported.records[static_cast<std::size_t>(c.memory)], c.record.value_or("00"));
}

const std::string kTail = "OFF,0.000000MHz,,*";

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvLineTest,
    ::testing::Values(
        CsvLineCase{"NameWithCommaIsCut", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*A,B   ", 0,
                    record(145'000'000, "A")},
        CsvLineCase{"QuotedFieldsWithDoubledQuotes", 0,
                    "\"145.000000MHz\",FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,"
                    "\"*A,\"\"B\"\"\"",
                    0, record(145'000'000, "A,\"B\"")},
        CsvLineCase{"QuoteInsideAnUnquotedFieldIsText", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*\"Q\"", 0,
                    record(145'000'000, "\"Q\"")},
        CsvLineCase{"UnclosedQuoteFails", 5,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,\"*AB", 7},
        CsvLineCase{"NameStartingWithStarSurvives", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,**STAR", 0,
                    record(145'000'000, "*STAR")},
        CsvLineCase{"NameOfSevenCharactersFails", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*ABCDEFG",
                    2},
        CsvLineCase{"NameWithAByteAbove7EFails", 9,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*caf\xe9",
                    11},
        CsvLineCase{"LowerCaseModeFails", 0,
                    "145.000000MHz,fm,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*", 2},
        CsvLineCase{"AutoModeInPrgArea", 1200,
                    "145.000000MHz,auto,Auto,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*", 0,
                    record(145'000'000, "", 0, 0, 0, 2, 7, 0, 0, 0, true, true)},
        CsvLineCase{"AutoModeOutsidePrgArea", 1300,
                    "145.000000MHz,auto,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*", 1302},
        CsvLineCase{"AutoStepOutsidePrgArea", 1199,
                    "145.000000MHz,FM,AUTO,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,,*", 1201},
        CsvLineCase{"SkipWithASpaceFails", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz, *,*", 2},
        CsvLineCase{"LowerCaseShiftFails", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,off,0.000000MHz,,*", 2},
        CsvLineCase{"ElevenFieldsMakeAFreeMemory", 0,
                    "145.000000MHz,FM,12.5KHz,CTCSS,88.5Hz,*023,300Hz,OFF,0.000000MHz,", 0},
        CsvLineCase{"EmptyFrequencyMakesAFreeMemory", 0, ",fm,bad,bad,bad,bad,bad,bad,bad,bad,bad",
                    0},
        CsvLineCase{"ShortFormsAreNormalised", 3, "145.5,FM,12.5k,ctcss,100,23,jr,-,0.6,*,*ABC", 0,
                    [] {
                        std::string r = record(145'500'000, "ABC", 0, 4, 2, 2, 11, 0, 28, 600'000);
                        image::setByteAt(r, image::rec::kSkip, 1);
                        return r;
                    }()},
        CsvLineCase{"TrainToneWithoutHz", 3,
                    "145.000000MHz,FM,12.5KHZ,Train,88.5HZ,*023,2300,OFF,0.000000MHz,,*", 0,
                    record(145'000'000, "", 0, 4, 0, 1, 7, 0, 20)},
        CsvLineCase{"LowestFrequency", 0, "0.1MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*", 0,
                    record(100'000, "", 0, 0, 0, 0)},
        CsvLineCase{"BelowLowestFrequency", 0, "0.099999MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*",
                    2},
        CsvLineCase{"Frequency1300MHzFails", 0, "1300MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*",
                    2},
        CsvLineCase{"NegativeFrequencyFails", 0, "-145MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*",
                    2},
        CsvLineCase{"NegativeOffsetFails", 0,
                    "145MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,-,-0.600000MHz,,*", 2},
        CsvLineCase{"Offset1000MHzFails", 0,
                    "145MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,+,1000.000000MHz,,*", 2},
        CsvLineCase{"UnknownToneFails", 0, "145MHz,FM,5KHz,OFF,88.4Hz,*023,300Hz,OFF,0,,*", 2},
        CsvLineCase{"UnknownDcsFails", 0, "145MHz,FM,5KHz,OFF,88.5Hz,*024,300Hz,OFF,0,,*", 2},
        CsvLineCase{"EmptyTrainToneFails", 0, "145MHz,FM,5KHz,OFF,88.5Hz,*023,,OFF,0,,*", 2},
        CsvLineCase{"LastMemory", 1699,
                    "1299.999999MHz,WFM,1M,REV,254.1,*25,3000,OFF,999.999999MHz,,*LAST", 0,
                    record(1'299'999'999, "LAST", 2, 15, 0, 3, 49, 1, 27, 999'999'999)}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CsvImport, TheLineCountMustBe1701) {
    const std::string full = csvText(image::freshImage(), image::defaultMemoryLabels());
    const std::string header = full.substr(0, full.find("\r\n") + 2);
    EXPECT_EQ(parseCsv(header).errorLine, 2);
    EXPECT_EQ(parseCsv("").errorLine, 1);
    EXPECT_EQ(parseCsv(full.substr(0, full.size() - 23)).errorLine, 1701); // last line cut
    const CsvImport longer =
        parseCsv(full + "PRESET,145MHz,FM,5KHz,OFF,88.5Hz,*023,300Hz,OFF,0,,*\r\n");
    EXPECT_FALSE(longer.ok);
    EXPECT_EQ(longer.errorLine, 1702);
    EXPECT_TRUE(longer.records.empty());

    // Unix line endings and a missing final line end are read the same way.
    std::string unix = full;
    for (std::size_t at; (at = unix.find("\r\n")) != std::string::npos;)
        unix.erase(at, 1);
    EXPECT_TRUE(parseCsv(unix).ok);
    EXPECT_TRUE(parseCsv(full.substr(0, full.size() - 2)).ok);
}

TEST(CsvImport, TheSpreadsheetEditedSampleImports) {
    const CsvImport imported = importCsv(dataPath("edited.csv"));
    ASSERT_TRUE(imported.ok) << imported.reason;
    const auto& r = imported.records;
    EXPECT_EQ(image::renderRecord(r[0], 0)[0], "118.100000MHz");
    EXPECT_EQ(image::renderRecord(r[0], 0)[2], "25KHz");
    EXPECT_EQ(image::renderRecord(r[1], 1)[4], "100.0Hz");
    EXPECT_EQ(image::renderRecord(r[2], 2)[10], "*STAR ");
    EXPECT_EQ(r[3], "00");
    EXPECT_EQ(image::renderRecord(r[4], 4)[10], "CH16  ");
    EXPECT_EQ(image::renderRecord(r[1200], 1200)[1], "auto");
    EXPECT_EQ(image::renderRecord(r[1699], 1699)[0], "1299.999999MHz");
    EXPECT_EQ(r[1700], image::presetRecords[0]);

    // Saved again by a spreadsheet that quotes every cell it holds.
    const CsvImport quoted = importCsv(dataPath("quoted.csv"));
    ASSERT_TRUE(quoted.ok) << quoted.reason;
    EXPECT_EQ(quoted.records, r);
}

TEST(CsvImport, OnlyCsvFilesThatCanBeReadAreImported) {
    QTemporaryDir dir;
    const std::string text = csvText(image::freshImage(), image::defaultMemoryLabels());
    writeBytes(dir.filePath("list.txt"), text);
    writeBytes(dir.filePath("LIST.CSV"), text);
    EXPECT_TRUE(hasCsvExtension("a/LIST.CSV"));
    EXPECT_FALSE(hasCsvExtension("a/list.csv.txt"));

    const CsvImport wrongName = importCsv(dir.filePath("list.txt"));
    EXPECT_FALSE(wrongName.ok);
    EXPECT_EQ(wrongName.errorLine, 0);
    EXPECT_EQ(wrongName.reason, "Can't open the file.");
    EXPECT_TRUE(importCsv(dir.filePath("LIST.CSV")).ok);

    const CsvImport missing = importCsv(dir.filePath("gone.csv"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.errorLine, 0);
    EXPECT_NE(missing.reason.find("gone.csv"), std::string::npos);
}

TEST(CsvExportFile, WritesTheTextOrSaysWhyNot) {
    QTemporaryDir dir;
    const image::CloneImage image = everyValueImage();
    const auto labels = image::defaultMemoryLabels();
    ASSERT_TRUE(exportCsv(dir.filePath("out.csv"), image, labels).ok());
    EXPECT_EQ(fileBytes(dir.filePath("out.csv")), csvText(image, labels));

    const Outcome failed = exportCsv(dir.filePath("missing/out.csv"), image, labels);
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.reason().find("out.csv"), std::string::npos);
}
