#include "value_lists.h"

namespace r36::image {

const std::array<std::string_view, 3> modeNames = {"FM", "AM", "WFM"};

const std::array<std::string_view, 16> stepNames = {
    "5KHz",  "6.25KHz", "8.33KHz", "10KHz",  "12.5KHz", "15KHz",  "20KHz",  "25KHz",
    "30KHz", "50KHz",   "100KHz",  "125KHz", "150KHz",  "200KHz", "500KHz", "1MHz"};

const std::array<std::string_view, 3> shiftNames = {"OFF", "+", "-"};

const std::array<std::string_view, 5> subtoneKinds = {"OFF", "Train", "CTCSS", "REV", "DCS"};

const std::array<std::string_view, 2> skipMarks = {"", "*"};

// 0..37 rise from 67.0 Hz to 250.3 Hz; the receiver appended 38..49 later, out of order.
const std::array<std::string_view, 50> ctcssTones = {
    "67.0Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",  "88.5Hz",
    "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz", "114.8Hz",
    "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz",
    "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz",
    "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz", "69.3Hz",  "159.8Hz",
    "165.5Hz", "171.3Hz", "177.3Hz", "183.5Hz", "189.9Hz", "196.6Hz", "199.5Hz", "206.5Hz",
    "229.1Hz", "254.1Hz"};

const std::array<std::string_view, 104> dcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

const std::array<std::string_view, 29> trainTones = {
    "300Hz",  "400Hz",  "500Hz",  "600Hz",  "700Hz",  "800Hz",  "900Hz",  "1000Hz",
    "1100Hz", "1200Hz", "1300Hz", "1400Hz", "1500Hz", "1600Hz", "1700Hz", "1800Hz",
    "1900Hz", "2000Hz", "2100Hz", "2200Hz", "2300Hz", "2400Hz", "2500Hz", "2600Hz",
    "2700Hz", "2800Hz", "2900Hz", "3000Hz", "JR"};

// Name (six characters, space padded) and the UHF TV channel of remote-control key IDs 1..10.
const std::array<Area, 77> areaTable = {{
    Area{"HOKAID", {19, 13, 15, 0, 21, 23, 14, 25, 0, 0}},
    Area{"AOMORI", {28, 13, 16, 0, 32, 30, 0, 0, 0, 0}},
    Area{"IWATE ", {14, 13, 0, 18, 22, 16, 0, 20, 0, 0}},
    Area{"MIYAGI", {19, 13, 17, 24, 28, 0, 0, 21, 0, 0}},
    Area{"WAKUYA", {19, 14, 17, 24, 28, 0, 0, 21, 0, 0}},
    Area{"AKITA ", {15, 13, 0, 17, 29, 0, 0, 21, 0, 0}},
    Area{"OODATE", {15, 14, 0, 17, 20, 0, 0, 18, 0, 0}},
    Area{"YAMAGT", {14, 13, 0, 16, 18, 20, 0, 22, 0, 0}},
    Area{"TURUOK", {34, 32, 0, 16, 18, 20, 0, 27, 0, 0}},
    Area{"FUKUSM", {15, 14, 0, 27, 29, 26, 0, 25, 0, 0}},
    Area{"AIZUWK", {16, 14, 0, 22, 30, 20, 0, 18, 0, 0}},
    Area{"IBARAK", {20, 13, 0, 14, 17, 15, 18, 19, 0, 0}},
    Area{"HITACH", {20, 13, 0, 14, 17, 15, 18, 19, 0, 0}},
    Area{"TOCHIG", {47, 39, 29, 34, 17, 15, 18, 35, 0, 0}},
    Area{"YAITA ", {47, 39, 29, 19, 17, 15, 18, 35, 0, 0}},
    Area{"GUNMA ", {37, 39, 19, 33, 43, 36, 45, 42, 0, 0}},
    Area{"SAITAM", {27, 26, 32, 25, 24, 22, 23, 21, 0, 0}},
    Area{"KODAMA", {13, 26, 32, 25, 24, 22, 23, 21, 0, 0}},
    Area{"CHIBA ", {27, 26, 30, 25, 24, 22, 23, 21, 0, 0}},
    Area{"CHOSHI", {34, 26, 30, 25, 24, 22, 23, 21, 0, 0}},
    Area{"TOKYO ", {27, 26, 0, 25, 24, 22, 23, 21, 16, 0}},
    Area{"KANAGW", {27, 26, 18, 25, 24, 22, 23, 21, 0, 0}},
    Area{"HIRATK", {19, 26, 18, 25, 24, 22, 23, 21, 0, 0}},
    Area{"NIIGAT", {15, 13, 0, 26, 23, 17, 0, 19, 0, 0}},
    Area{"TAKADA", {16, 14, 0, 31, 39, 18, 0, 25, 0, 0}},
    Area{"TOYAMA", {28, 24, 27, 0, 0, 22, 0, 18, 0, 0}},
    Area{"ISHIKW", {15, 13, 0, 17, 23, 14, 0, 16, 0, 0}},
    Area{"FUKUI ", {19, 21, 0, 0, 0, 0, 20, 22, 0, 0}},
    Area{"YAMANS", {21, 23, 0, 25, 0, 27, 0, 0, 0, 0}},
    Area{"UTSUKS", {17, 13, 0, 14, 18, 16, 0, 15, 0, 0}},
    Area{"ZENKOJ", {28, 32, 0, 22, 24, 36, 0, 34, 0, 0}},
    Area{"IIDA  ", {46, 48, 0, 35, 33, 36, 0, 49, 0, 0}},
    Area{"MATUMT", {28, 32, 0, 22, 24, 23, 0, 26, 0, 0}},
    Area{"GIFU  ", {21, 13, 29, 19, 18, 22, 0, 30, 0, 0}},
    Area{"SIZUOK", {20, 13, 0, 19, 18, 15, 0, 17, 0, 0}},
    Area{"HAMAMT", {20, 13, 0, 25, 23, 21, 0, 22, 0, 0}},
    Area{"FUJINM", {24, 14, 0, 25, 23, 21, 0, 22, 0, 0}},
    Area{"SIMADA", {16, 14, 0, 19, 18, 15, 0, 17, 0, 0}},
    Area{"MISIMA", {24, 16, 0, 25, 23, 21, 0, 22, 0, 0}},
    Area{"AICHI ", {21, 13, 20, 19, 18, 22, 0, 0, 0, 23}},
    Area{"TOYOHS", {15, 24, 29, 17, 16, 14, 0, 0, 0, 26}},
    Area{"MIE   ", {21, 13, 28, 19, 18, 22, 27, 0, 0, 0}},
    Area{"ISE   ", {15, 13, 29, 17, 16, 14, 24, 0, 0, 0}},
    Area{"SHIGA ", {26, 13, 20, 16, 0, 15, 0, 17, 0, 14}},
    Area{"HIKONE", {26, 31, 29, 16, 0, 15, 0, 17, 0, 14}},
    Area{"KYOTO ", {25, 13, 0, 16, 23, 15, 0, 17, 0, 14}},
    Area{"OSAKA ", {24, 13, 0, 16, 0, 15, 18, 17, 0, 14}},
    Area{"HYOGO ", {22, 13, 26, 16, 0, 15, 0, 17, 0, 14}},
    Area{"HIMEJI", {22, 13, 26, 16, 0, 15, 0, 17, 0, 14}},
    Area{"TARUMI", {22, 13, 26, 16, 0, 15, 0, 17, 0, 14}},
    Area{"MIKI  ", {22, 13, 26, 16, 0, 15, 0, 17, 0, 14}},
    Area{"NARA  ", {31, 13, 0, 16, 0, 15, 0, 17, 29, 14}},
    Area{"WAKAYM", {23, 13, 0, 16, 20, 15, 0, 17, 0, 14}},
    Area{"KAINAN", {23, 13, 0, 16, 20, 15, 0, 17, 0, 14}},
    Area{"TOTTOR", {38, 20, 29, 0, 0, 31, 0, 36, 0, 0}},
    Area{"YONAGO", {41, 20, 26, 0, 0, 45, 0, 43, 0, 0}},
    Area{"SIMANE", {41, 19, 21, 0, 0, 45, 0, 43, 0, 0}},
    Area{"OKAYAM", {32, 45, 0, 20, 30, 21, 18, 27, 0, 0}},
    Area{"HIROSM", {14, 15, 18, 19, 22, 0, 0, 23, 0, 0}},
    Area{"YAMAGC", {16, 13, 18, 20, 26, 0, 0, 0, 0, 0}},
    Area{"SIMONO", {16, 13, 18, 20, 26, 0, 0, 0, 0, 0}},
    Area{"IWAKUN", {38, 40, 41, 39, 42, 0, 0, 0, 0, 0}},
    Area{"TOKUSM", {31, 40, 34, 0, 0, 0, 0, 0, 0, 0}},
    Area{"KAGAWA", {24, 13, 0, 15, 17, 21, 18, 27, 0, 0}},
    Area{"EHIME ", {16, 13, 0, 20, 17, 21, 0, 27, 0, 0}},
    Area{"KOCHI ", {15, 13, 0, 17, 0, 19, 0, 21, 0, 0}},
    Area{"FUKUOK", {31, 22, 28, 30, 32, 0, 26, 34, 0, 0}},
    Area{"KURUME", {31, 13, 17, 30, 21, 0, 26, 29, 0, 0}},
    Area{"KITAKS", {31, 42, 40, 30, 32, 0, 27, 29, 0, 0}},
    Area{"SAGA  ", {33, 25, 44, 0, 0, 0, 0, 0, 0, 0}},
    Area{"NAGASK", {15, 13, 14, 18, 19, 0, 0, 20, 0, 0}},
    Area{"KUMAMT", {28, 24, 41, 47, 49, 0, 0, 42, 0, 0}},
    Area{"OITA  ", {15, 14, 22, 34, 32, 0, 0, 0, 0, 0}},
    Area{"MIYAZK", {14, 13, 16, 0, 0, 15, 0, 0, 0, 0}},
    Area{"KAGOSM", {40, 18, 34, 29, 36, 0, 0, 42, 0, 0}},
    Area{"OKINAW", {17, 13, 14, 0, 16, 0, 0, 15, 0, 0}},
    Area{"******", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
}};

namespace {

// Bytes 5..31 shared by every preset record: FM, 5KHz, no offset or shift, no sub-tone,
// tone 88.5Hz, DCS 023, byte 15 = 0x0B, train tone 2300Hz, no name.
constexpr std::string_view kPresetTail = "000000000000000007000B14000000000000000000000000000000";

// Bytes 1..4 (frequency in hertz, low byte first) of the records of memories 1700..1720.
constexpr std::array<std::string_view, kPresetCount> kPresetFrequencies = {
    "C83AC217", // 398.605000 MHz
    "1833CF17", // 399.455000 MHz
    "D0C55708", // 139.970000 MHz
    "F0B6C817", // 399.030000 MHz
    "0084D717", // 400.000000 MHz
    "D08DAD17", // 397.250000 MHz
    "003B5808", // 140.000000 MHz
    "087DD117", // 399.605000 MHz
    "80C3C217", // 398.640000 MHz
    "80ADFC07", // 134.000000 MHz
    "5012CC17", // 399.250000 MHz
    "C041C817", // 399.000000 MHz
    "20690A08", // 134.900000 MHz
    "C09E5708", // 139.960000 MHz
    "80205208", // 139.600000 MHz
    "408FE108", // 149.000000 MHz
    "E8029115", // 361.825000 MHz
    "F8651613", // 320.235000 MHz
    "B81C1D13", // 320.675000 MHz
    "98212413", // 321.135000 MHz
    "A0505708", // 139.940000 MHz
};

using RecordChars = std::array<char, 64>;

constexpr std::array<RecordChars, kPresetCount> buildPresetRecords() {
    std::array<RecordChars, kPresetCount> records{};
    for (int k = 0; k < kPresetCount; ++k) {
        auto& record = records[k];
        std::size_t at = 0;
        record[at++] = '0';
        record[at++] = '1';
        for (const char c : kPresetFrequencies[k])
            record[at++] = c;
        for (const char c : kPresetTail)
            record[at++] = c;
    }
    return records;
}

constexpr std::array<RecordChars, kPresetCount> kPresetRecordChars = buildPresetRecords();

} // namespace

// Constant-initialised, so no start-up code can see it unfilled.
constinit const std::array<std::string_view, kPresetCount> presetRecords = [] {
    std::array<std::string_view, kPresetCount> views{};
    for (int k = 0; k < kPresetCount; ++k)
        views[k] = std::string_view(kPresetRecordChars[k].data(), kPresetRecordChars[k].size());
    return views;
}();

} // namespace r36::image
