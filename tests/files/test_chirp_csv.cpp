#include "files/chirp_csv_export.h"
#include "files/chirp_csv_import.h"
#include "files/csv_text.h"

#include "files_test_support.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"

#include <gtest/gtest.h>

#include <QString>

#include <map>

using namespace r36;
using namespace r36::files;
using namespace r36::files::test;
using Kind = ChirpNote::Kind;

namespace {

const std::string kCurrentHeader(kChirpHeader);
const std::string kOlderHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                 "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Bank,Bank Index,URCALL,"
                                 "RPT1CALL,RPT2CALL";

// A line of the current layout: a plain simplex channel, with the columns "Column=value;..."
// replaced.
std::string currentLine(const std::string& changed) {
    std::map<std::string, std::string> fields;
    for (const auto& field :
         QString::fromStdString(
             "Location=1;Name=CH;Frequency=156.800000;Offset=0.0;rToneFreq=88.5;"
             "cToneFreq=88.5;DtcsCode=023;DtcsPolarity=NN;RxDtcsCode=023;Mode=FM;"
             "CrossMode=Tone->Tone;TStep=25.00;Power=25W;" +
             changed)
             .split(';', Qt::SkipEmptyParts))
        fields[field.section('=', 0, 0).toStdString()] = field.section('=', 1).toStdString();
    std::string line;
    const auto columns = csvFields(kCurrentHeader);
    for (const auto& column : *columns)
        line += fields[column] + ",";
    line.pop_back();
    return line;
}

// The memory a line gives: the plain channel's fields, some replaced.
struct Expected {
    std::uint8_t mode = 0, step = 7;
    std::uint32_t offsetHz = 0;
    std::uint8_t shift = 0, subtone = 0, toneIndex = 7, dcsIndex = 0;
    bool skip = false;
    const char* name = "CH";
    bool dropped = false; // no memory: the line is not carried
};

struct ChirpCase {
    const char* name;
    const char* fields;
    std::vector<ChirpNote> notes;
    Expected expected = {};
};

class ChirpLineMapping : public ::testing::TestWithParam<ChirpCase> {};

TEST_P(ChirpLineMapping, GivesTheMemoryAndNotesWhatIsNotCarried) {
    const ChirpCase& c = GetParam();
    const ChirpImport imported = parseChirpCsv(kCurrentHeader + "\r\n" + currentLine(c.fields));
    ASSERT_TRUE(imported.ok());
    ASSERT_EQ(imported.lines.size(), 1u);
    const ChirpLine& line = imported.lines[0];
    EXPECT_EQ(line.lineNumber, 2);
    EXPECT_EQ(line.notes, c.notes);
    const Expected& e = c.expected;
    ASSERT_EQ(line.channel.has_value(), !e.dropped);
    if (!e.dropped) {
        const image::MemoryChannel expected{
            156'800'000, e.mode, e.step, e.offsetHz, e.shift, e.subtone, e.toneIndex,
            e.dcsIndex,  0,      e.skip, false,      false,   e.name};
        EXPECT_EQ(*line.channel, expected);
        EXPECT_EQ(line.record, image::encodeRecord(expected));
    }
    for (const ChirpNote& note : line.notes)
        EXPECT_EQ(dropsLine(note.kind), e.dropped) << note.text;
}

using C = ChirpCase;
INSTANTIATE_TEST_SUITE_P(
    Rules, ChirpLineMapping,
    ::testing::Values(
        C{"Plain", "", {}},
        C{"DuplexPlus", "Duplex=+;Offset=0.600000", {}, {.offsetHz = 600'000, .shift = 1}},
        C{"DuplexMinus", "Duplex=-;Offset=4.6", {}, {.offsetHz = 4'600'000, .shift = 2}},
        C{"TransmitOffKeepsTheOffset", "Duplex=off;Offset=0.6", {}, {.offsetHz = 600'000}},
        C{"Split", "Duplex=split;Offset=161.400000", {{Kind::SplitNotCarried, "161.400000"}}},
        C{"UnknownDuplex", "Duplex=x", {{Kind::DuplexNotCarried, "x"}}},
        C{"NegativeOffset", "Duplex=+;Offset=-0.6", {{Kind::OffsetNotCarried, "-0.6"}}},
        C{"TransmitToneOnly", "Tone=Tone;rToneFreq=100.0", {}},
        C{"Tsql", "Tone=TSQL;cToneFreq=100.0;rToneFreq=100.0", {}, {.subtone = 2, .toneIndex = 11}},
        C{"TsqlOnRToneWhereCToneIsTheDefault",
          "Tone=TSQL;rToneFreq=100",
          {},
          {.subtone = 2, .toneIndex = 11}},
        C{"TsqlR", "Tone=TSQL-R;rToneFreq=69.3", {}, {.subtone = 3, .toneIndex = 38}},
        C{"ToneTheReceiverLacks", "Tone=TSQL;cToneFreq=123.4", {{Kind::ToneNotCarried, "123.4"}}},
        C{"DtcsOnRxDtcsCode", "Tone=DTCS;RxDtcsCode=071", {}, {.subtone = 4, .dcsIndex = 12}},
        C{"DtcsReversedReceive",
          "Tone=DTCS;DtcsPolarity=NR",
          {{Kind::ReversedDcsNotCarried, "NR"}}},
        C{"DcsTheReceiverLacks", "Tone=DTCS;RxDtcsCode=999", {{Kind::DcsNotCarried, "999"}}},
        C{"CrossToDtcs",
          "Tone=Cross;CrossMode=Tone->DTCS;RxDtcsCode=71",
          {{Kind::TransmitToneDropped, "Tone"}},
          {.subtone = 4, .dcsIndex = 12}},
        C{"CrossToTone",
          "Tone=Cross;CrossMode=->Tone;cToneFreq=123.0",
          {},
          {.subtone = 2, .toneIndex = 17}},
        C{"CrossToNothing", "Tone=Cross;CrossMode=DTCS->", {{Kind::TransmitToneDropped, "DTCS"}}},
        C{"ReverseDcsMode", "Tone=DTCS-R", {{Kind::ToneModeNotCarried, "DTCS-R"}}},
        C{"NarrowFm", "Mode=NFM", {}}, C{"NarrowAm", "Mode=NAM", {}, {.mode = 1}},
        C{"WideFm", "Mode=WFM", {}, {.mode = 2}},
        C{"SidebandNotCarried", "Mode=USB", {{Kind::ModeNotCarried, "USB"}}, {.dropped = true}},
        C{"FrequencyTooHigh",
          "Frequency=1300.000000",
          {{Kind::BadFrequency, "1300.000000"}},
          {.dropped = true}},
        C{"FrequencyNotANumber",
          "Frequency=156.8.0",
          {{Kind::BadFrequency, "156.8.0"}},
          {.dropped = true}},
        C{"StepTwoDecimals", "TStep=8.33", {}, {.step = 2}},
        C{"StepToTheNearest", "TStep=7.50", {{Kind::StepRounded, "7.50"}}, {.step = 2}},
        C{"StepBelowTheSmallest", "TStep=2.5", {{Kind::StepRounded, "2.5"}}, {.step = 0}},
        C{"StepNotANumber", "TStep=auto", {{Kind::StepNotCarried, "auto"}}, {.step = 0}},
        C{"Skip", "Skip=S", {}, {.skip = true}},
        C{"PrioritySkip", "Skip=P", {{Kind::SkipNotCarried, "P"}}},
        C{"NameCutAndUpperCased", "Name=Harbour", {{Kind::NameCut, "HARBOUR"}}, {.name = "HARBOU"}},
        C{"NameBeyondAscii",
          "Name=Caf\xC3\xA9",
          {{Kind::NameCharactersReplaced, "Caf\xC3\xA9"}},
          {.name = "CAF?"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ChirpLayouts, ReadColumnsByNameInBothLayoutsAndAnyOrder) {
    const image::MemoryChannel dcs{
        .frequencyHz = 146'520'000, .step = 0, .subtone = 4, .dcsIndex = 103, .name = "A,B \"C"};
    // The older layout, its rows one field longer than the header, a byte-order mark, LF only.
    const std::string older = "\xEF\xBB\xBF" + kOlderHeader +
                              "\n7,\"a,b \"\"c\",146.520000,,0.000000,DTCS,88.5,88.5,754,NN,"
                              "FM,5.00,,,,,,,\n\n";
    // Columns in another order, an unknown one, CR LF.
    const std::string shuffled = "Mode,Tone,Extra,DtcsCode,Frequency,Name,Location\r\n"
                                 "FM,DTCS,x,754,146.52,\"A,B \"\"C\",7\r\n";
    for (const std::string& text : {older, shuffled}) {
        const ChirpImport imported = parseChirpCsv(text);
        ASSERT_TRUE(imported.ok());
        ASSERT_EQ(imported.lines.size(), 1u) << "blank lines are left out";
        EXPECT_EQ(imported.lines[0].location, 7);
        EXPECT_EQ(imported.lines[0].channel, dcs);
        EXPECT_TRUE(imported.lines[0].notes.empty());
    }
}

TEST(ChirpLayouts, RefusesOtherFilesAndListsBrokenLines) {
    EXPECT_TRUE(isChirpHeader("\xEF\xBB\xBF" + kOlderHeader));
    EXPECT_FALSE(isChirpHeader(
        "BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,Offset Freq.,Skip,Name"));
    EXPECT_EQ(parseChirpCsv("").failure, ChirpImport::Failure::NotChirp);
    EXPECT_EQ(importChirpCsv(dataPath("edited.csv")).failure, ChirpImport::Failure::NotChirp);
    EXPECT_EQ(importChirpCsv(dataPath("none.csv")).failure, ChirpImport::Failure::Unreadable);

    const ChirpImport imported = parseChirpCsv(
        "Location,Frequency\r\n5,146.5\r\n2,\"146.6\r\n1,146.7\r\n,146.8\r\nx,146.9\r\n");
    ASSERT_EQ(imported.lines.size(), 5u);
    EXPECT_EQ(imported.lines[1].lineNumber, 3);
    EXPECT_EQ(imported.lines[1].notes,
              (std::vector<ChirpNote>{{Kind::UnclosedQuote, "2,\"146.6"}}));
    EXPECT_FALSE(imported.lines[1].channel);
    // Placed by Location; lines without a whole-number Location last, in file order.
    std::vector<std::string> expected;
    for (std::uint32_t khz : {146'700u, 146'500u, 146'800u, 146'900u})
        expected.push_back(image::encodeRecord({.frequencyHz = khz * 1000, .name = ""}));
    EXPECT_EQ(recordsInLocationOrder(imported), expected);
}

TEST(ChirpExport, WritesTheCurrentLayoutAndListsWhatCannotBeHeld) {
    image::CloneImage image = image::freshImage();
    image.memRecord[0] = "014086A4080004C0270900020207000000000100000000000000414243202020";
    image.memRecord[5] =
        image::encodeRecord({.frequencyHz = 162'550'000, .subtone = 1, .name = ""});
    image.memRecord[1201] = image::encodeRecord(
        {.frequencyHz = 118'000'000, .mode = 1, .autoStep = true, .autoMode = true, .name = ""});
    const ChirpExport exported = chirpCsvText(image, image::defaultMemoryLabels());
    const auto lines = crlfLines(exported.text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], kCurrentHeader);
    EXPECT_EQ(lines[1], "0,ABC,145.000000,-,0.600000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                        "12.50,S,,Bank00-000,,,,");
    EXPECT_EQ(lines[2].substr(0, 45), "5,,162.550000,,0.000000,,88.5,88.5,023,NN,023");
    EXPECT_EQ(exported.notes,
              (std::vector<ChirpExportNote>{{5, ChirpExportNote::Kind::TrainTone},
                                            {1201, ChirpExportNote::Kind::AutoMode},
                                            {1201, ChirpExportNote::Kind::AutoStep}}));
}

TEST(ChirpRoundTrip, ExportThenImportGivesTheSameMemoriesButWhatTheReportNames) {
    // Every entry of every list the export carries, names as the receiver shows them.
    namespace rec = image::rec;
    image::CloneImage image = image::freshImage();
    const char* names[] = {"", "A", "*STAR", "  LEAD", "1.2G", "X~,|{}", "\"Q\"", "MAX6CH"};
    for (std::uint32_t m = 0; m < image::kUserMemoryCount; m += 3) {
        std::string record = image::encodeRecord(
            {.frequencyHz = 100'000 + m * 764'705, .offsetHz = m * 588'235, .name = names[m % 8]});
        const std::pair<int, int> lists[] = {
            {rec::kMode, 3},    {rec::kStep, 16},    {rec::kShift, 3},
            {rec::kSubtone, 5}, {rec::kTone, 50},    {rec::kDcs, 104},
            {rec::kSkip, 2},    {rec::kAutoStep, 2}, {rec::kAutoMode, 2}};
        for (const auto& [offset, count] : lists)
            image::setByteAt(record, offset, static_cast<int>(m / 3 % count));
        image.memRecord[m] = record;
    }
    const ChirpExport exported = chirpCsvText(image, image::defaultMemoryLabels());
    const ChirpImport imported = parseChirpCsv(exported.text);
    ASSERT_TRUE(imported.ok());
    ASSERT_EQ(imported.lines.size(), 567u);
    std::vector<ChirpExportNote> seen;
    for (const ChirpLine& line : imported.lines) {
        EXPECT_TRUE(line.notes.empty()) << line.lineNumber;
        ASSERT_TRUE(line.channel && line.location);
        image::MemoryChannel original = *image::decodeRecord(image.memRecord[*line.location]);
        const int memory = *line.location;
        if (original.subtone == 1)
            seen.push_back({memory, ChirpExportNote::Kind::TrainTone});
        if (image::isPrgMemory(memory) && original.autoMode)
            seen.push_back({memory, ChirpExportNote::Kind::AutoMode});
        if (image::isPrgMemory(memory) && original.autoStep)
            seen.push_back({memory, ChirpExportNote::Kind::AutoStep});
        if (original.subtone == 1)
            original.subtone = 0;
        original.trainIndex = 0;
        original.autoMode = original.autoStep = false;
        original.name.resize(original.name.find_last_not_of(' ') + 1 == 0
                                 ? 0
                                 : original.name.find_last_not_of(' ') + 1);
        EXPECT_EQ(*line.channel, original) << memory;
    }
    EXPECT_EQ(seen, exported.notes);
}

} // namespace
