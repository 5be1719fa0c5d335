// The setting lists of the settings page: which byte each edits, its caption, choices and codes.
#include "settings_block.h"

#include "image/hex_text.h"
#include "image/memory_map.h"
#include "image/value_lists.h"

#include <cstdio>
#include <initializer_list>

namespace r36::image {

const std::array<int, kSysSettingCount> sysComboIndexes = {
    6,  30, 85, 84, 86, 68, 11, 21, 2,  4,  5,  69, 62, 60, 87, 63, 7,  56, 9,
    23, 15, 16, 24, 25, 72, 17, 67, 22, 10, 32, 83, 65, 66, 13, 14, 73, 18, 19,
    26, 27, 28, 29, 47, 38, 39, 49, 12, 3,  20, 48, 76, 78, 81, 90, 77, 31, 33,
    42, 82, 64, 37, 59, 40, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100};

const std::array<int, 26> expertDependents = {30, 85, 84, 86, 21, 4,  5,  69, 87, 67, 22, 10, 32,
                                              83, 73, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100};

const std::array<int, 64> wildItemCodes = {
    159, 21,  200, 203, 202, 204, 218, 219, 221, 160, 156, 25,  118, 216, 6,   161,
    7,   9,   10,  180, 222, 162, 145, 143, 205, 163, 147, 101, 128, 102, 45,  164,
    18,  19,  119, 120, 174, 192, 155, 103, 41,  199, 214, 223, 165, 28,  201, 167,
    152, 153, 215, 168, 29,  30,  175, 220, 169, 24,  40,  166, 121, 122, 123, 124};

const std::array<int, 19> remoteKeyCodes = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                            10, 11, 14, 15, 16, 17, 18, 19, 21};

// Marine channels CH1..CH28, CH60..CH74, CH77..CH88: the code is the channel number.
constinit const std::array<int, 55> marineChannelCodes = [] {
    std::array<int, 55> codes{};
    std::size_t at = 0;
    for (const auto& [first, last] : {std::pair{1, 28}, std::pair{60, 74}, std::pair{77, 88}})
        for (int channel = first; channel <= last; ++channel)
            codes[at++] = channel;
    return codes;
}();

namespace {

using Choices = std::vector<std::string>;
using Codes = std::vector<int>;

// The item names of the two programmable keys, in the order of wildItemCodes.
constexpr std::array<std::string_view, 64> kWildItemNames = {
    "<DISP>", "LAMP",   "SCNLMP", "BSDISP", "GREEN",  "TVRSSI", "LMP DC", "SCLPDC",
    "GRN DC", "<POW>",  "BATALM", "APO",    "CHGTIM", "PO MNG", "BATDSP", "<RX>",
    "ATT",    "ABAR",   "SBAR",   "PRESET", "SQL CT", "<MRN>",  "MRN-16", "MRN-AT",
    "16HLD",  "<SCAN>", "SLS",    "SCANTP", "TIMESP", "TIMEPR", "SKIP",   "<KEY>",
    "MONTYP", "MONFNC", "WILD-1", "WILD-2", "DIAL",   "LCDIAL", "UP-DN",  "SETMOD",
    "BAND",   "LCTIME", "REVERS", "DIAL",   "<MR>",   "PROTCT", "DUP-AT", "<EWS>",
    "EWSMOD", "EWSVOL", "HAPPEN", "<SND>",  "BEEP",   "BELL",   "POPCUT", "BP DC",
    "<BUG>",  "BUGSNS", "BUGTYP", "<RMCN>", "RMCN-A", "RMCN-B", "RMCN-C", "RMCN-D"};

constexpr std::array<std::string_view, 19> kRemoteKeyNames = {
    "UP",    "DOWN",   "V/P/M", "AUX IN", "TONE", "REVTON", "TRAIN", "MONI", "BAND", "PRIO",
    "SPEED", "AFTONE", "ATT",   "ANTENA", "ABAR", "SBAR",   "BEEP",  "BELL", "GROUP"};

std::string formatted(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string formatted(const char* format, int first, int second) {
    char text[32];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

void appendRange(Choices& choices, const char* format, int first, int last, int step = 1) {
    for (int value = first; value <= last; value += step)
        choices.push_back(formatted(format, value));
}

Choices names(std::initializer_list<std::string_view> list) {
    return Choices(list.begin(), list.end());
}

template <std::size_t N> Choices names(const std::array<std::string_view, N>& list) {
    return Choices(list.begin(), list.end());
}

template <std::size_t N> Codes codeList(const std::array<int, N>& list) {
    return Codes(list.begin(), list.end());
}

Codes codeRange(int first, int last) {
    Codes codes;
    for (int code = first; code <= last; ++code)
        codes.push_back(code);
    return codes;
}

Choices offOn() {
    return names({"OFF", "ON"});
}
Choices oneToFive() {
    return names({"1", "2", "3", "4", "5"});
}
Choices lampTimes() {
    return names({"OFF", "1-SEC", "2-SEC", "3-SEC", "4-SEC", "5-SEC", "ON", "ALLOFF"});
}
Choices backspaceTimes() {
    return names({"OFF", "200ms", "400ms", "800ms", "1200ms", "1800ms"});
}

Choices scanResumeChoices() {
    Choices choices{"BUSY"};
    appendRange(choices, "%2dSECT", 1, 25);
    appendRange(choices, "%2dSECE", 1, 5);
    for (const int seconds : {10, 15, 30, 60, 90})
        choices.push_back(formatted("%2dSECE", seconds));
    appendRange(choices, "%dMIN-E", 2, 5);
    return choices;
}

Choices priorityTimeChoices() {
    Choices choices{"BUSY"};
    appendRange(choices, "%2d-SEC", 1, 25);
    for (const int seconds : {30, 45, 60})
        choices.push_back(formatted("%2d-SEC", seconds));
    appendRange(choices, "%2d-MIN", 2, 10);
    return choices;
}

Choices setModeTimeChoices() {
    Choices choices{"MANUAL"};
    appendRange(choices, "%2d-SEC", 5, 25);
    return choices;
}

Choices volumeChoices() {
    Choices choices;
    appendRange(choices, "VOL-%2d", 0, 30);
    return choices;
}

Choices amPresetChoices() {
    Choices choices;
    appendRange(choices, "%d kHz", 531, 1620, 9);
    return choices;
}

Choices fmPresetChoices() {
    Choices choices;
    for (int tenths = 760; tenths <= 900; ++tenths)
        choices.push_back(formatted("%d.%d MHz", tenths / 10, tenths % 10));
    return choices;
}

Choices timespChoices() {
    Choices choices;
    for (const int seconds : {5, 10, 15, 20, 25, 30, 45, 60})
        choices.push_back(formatted("%2d-SEC", seconds));
    appendRange(choices, "%2d-MIN", 2, 10);
    return choices;
}

Choices marineChoices() {
    Choices choices;
    for (const int channel : marineChannelCodes)
        choices.push_back(formatted("CH%d", channel));
    return choices;
}

// The four flags A, F, T, M of the PRESET key: each letter or a space, trailing spaces cut,
// except that no flag at all reads as four spaces.
Choices presetFlagChoices() {
    Choices choices;
    for (int flags = 0; flags < 16; ++flags) {
        std::string text;
        const char letters[] = "AFTM";
        for (int bit = 0; bit < 4; ++bit)
            text.push_back((flags & (1 << bit)) != 0 ? letters[bit] : ' ');
        if (flags != 0)
            text.erase(text.find_last_not_of(' ') + 1);
        choices.push_back(text);
    }
    return choices;
}

Choices areaChoices() {
    Choices choices;
    for (const auto& area : areaTable)
        choices.emplace_back(area.name);
    return choices;
}

Choices bankChoices() {
    Choices choices;
    appendRange(choices, "BANK%02d", 0, 49);
    for (const char* extra : {"BANKAT", "BANKPS", "BANKPA", "BANKP2", "BANKPR", "BANKBG"})
        choices.emplace_back(extra);
    return choices;
}

SettingDef setting(int byte, std::string_view group, std::string_view label, Choices choices,
                   Codes codes = {}) {
    return SettingDef{byte, group, label, std::move(choices), std::move(codes)};
}

// The definition of the list that edits `byte`.
SettingDef definitionOf(int byte) {
    switch (byte) {
    case 2:
        return setting(2, "<RX>", "ATT", offOn());
    case 3:
        return setting(3, "[misc]", "9/ANT", names({"SMA", "EAR"}));
    case 4:
        return setting(4, "<RX>", "ABAR", offOn());
    case 5:
        return setting(5, "<RX>", "SBAR", offOn());
    case 6:
        return setting(6, "<DISP>", "LAMP", lampTimes());
    case 7:
        return setting(7, "<SCAN>", "SCAN", scanResumeChoices());
    case 9:
        return setting(9, "<SCAN>", "TIMEPR", priorityTimeChoices());
    case 10:
        return setting(10, "<KEY>", "BAND", names({"ROTATE", "ACROSS"}));
    case 11:
        return setting(11, "<POW>", "APO", names({"OFF", "30min", "60min", "90min"}));
    case 12:
        return setting(12, "[misc]", "8/BS", backspaceTimes());
    case 13:
        return setting(13, "<SND>", "BEEP", offOn());
    case 14:
        return setting(14, "<SND>", "BELL", offOn());
    case 15:
        return setting(15, "<KEY>", "MONI", names({"PUSH", "HOLD"}));
    case 16:
        return setting(16, "<KEY>", "MONI", names({"MONI", "MUTE", "LED", "MONLED", "MUTLED"}),
                       {1, 2, 4, 5, 6});
    case 17:
        return setting(17, "<KEY>", "LCDIAL", names({"DISABL", "ENABLE"}));
    case 18:
        return setting(18, "<BUG>", "SENSE", oneToFive());
    case 19:
        return setting(19, "<BUG>", "BUGTYP", names({"SILENT", "SOUND"}));
    case 20:
        return setting(20, "[misc]", "CHARGE", names({"OFF", "ON", "ON-LED"}));
    case 21: {
        Choices hours;
        appendRange(hours, "%dhrs", 1, 10);
        return setting(21, "<POW>", "CHGTIM", hours, codeRange(1, 10));
    }
    case 22:
        return setting(22, "<KEY>", "SETMOD", setModeTimeChoices(), codeRange(4, 25));
    case 23:
        return setting(23, "<SCAN>", "SCAN", names({"NoSKIP", "SKIP1-", "SKIP-2", "SKIP12"}));
    case 24:
        return setting(24, "<KEY>", "YLD-1", names(kWildItemNames), codeList(wildItemCodes));
    case 25:
        return setting(25, "<KEY>", "YLD-2", names(kWildItemNames), codeList(wildItemCodes));
    case 26:
        return setting(26, "<RMCN>", "RC-A", names(kRemoteKeyNames), codeList(remoteKeyCodes));
    case 27:
        return setting(27, "<RMCN>", "RC-B", names(kRemoteKeyNames), codeList(remoteKeyCodes));
    case 28:
        return setting(28, "<RMCN>", "RC-C", names(kRemoteKeyNames), codeList(remoteKeyCodes));
    case 29:
        return setting(29, "<RMCN>", "RC-D", names(kRemoteKeyNames), codeList(remoteKeyCodes));
    case 30:
        return setting(30, "<DISP>", "SCNLMP", offOn());
    case 31:
        return setting(31, "[misc]", "VOL", volumeChoices());
    case 32:
        return setting(32, "<KEY>", "LCTIME", names({"500MS", "1-SEC", "2-SEC", "3-SEC"}));
    case 33: {
        Choices levels;
        appendRange(levels, "%d", 0, 9);
        return setting(33, "[misc]", "SQL", levels);
    }
    case 37:
        return setting(37, "[Preset]", "AM", amPresetChoices());
    case 38:
        return setting(38, "[misc]", "5/VSPD", oneToFive());
    case 39:
        return setting(39, "[misc]", "5/MSPD", oneToFive());
    case 40: {
        Choices channels;
        appendRange(channels, "%dCH", 1, 12);
        return setting(40, "[Preset]", "TV CH", channels, codeRange(1, 12));
    }
    case 42:
        return setting(42, "[misc]", "KL", offOn());
    case 47:
        return setting(47, "[misc]", "3/MODE", names({"MANUAL", "AUTO"}));
    case 48:
        return setting(48, "[misc]", "STEP", names({"MANUAL", "AUTO"}));
    case 49:
        return setting(49, "[misc]", "7/AUDIO", names({"LOW", "HIGH"}));
    case 56:
        return setting(56, "<SCAN>", "TIMESP", timespChoices());
    case 59:
        return setting(59, "[Preset]", "MARINE", marineChoices(), codeList(marineChannelCodes));
    case 60:
        return setting(60, "<MRN>", "MRN-AT",
                       names({"DISABL", " 5-SEC", "10-SEC", "15-SEC", "20-SEC", "30-SEC", "45-SEC",
                              "60-SEC", " 3-MIN", " 5-MIN", "10-MIN"}));
    case 62:
        return setting(62, "<MRN>", "MRN-16", offOn());
    case 63: {
        Choices seconds;
        appendRange(seconds, "%2d-SEC", 1, 60);
        return setting(63, "<SCAN>", "SLS", seconds, codeRange(1, 60));
    }
    case 64:
        return setting(64, "[Preset]", "FM", fmPresetChoices());
    case 65:
        return setting(65, "<EWS>", "MODE", names({"OFF", "MODE 1", "MODE 2", "MODE 3"}),
                       {0, 3, 2, 1});
    case 66: {
        Choices levels = volumeChoices();
        levels.emplace_back("USER");
        return setting(66, "<EWS>", "VOL", levels);
    }
    case 67:
        return setting(67, "<KEY>", "UP-DN", names({"DISABL", "ENABLE"}));
    case 68:
        return setting(68, "<POW>", "BATALM", offOn());
    case 69:
        return setting(69, "<RX>", "PRESET", presetFlagChoices());
    case 72:
        return setting(72, "<KEY>", "DIAL", names({"NORMAL", "TURBO"}));
    case 73:
        return setting(73, "<SND>", "POPCUT", offOn());
    case 76:
        return setting(76, "[Preset]", "TV MOD", names({"1-12", "13-52"}));
    case 77: {
        Choices channels;
        appendRange(channels, "%dCH", 13, 52);
        return setting(77, "[Preset]", "TV PCH", channels, codeRange(13, 52));
    }
    case 78:
        return setting(78, "[Preset]", "AREA", areaChoices());
    case 81:
        return setting(81, "[Preset]", "EWS CH", fmPresetChoices());
    case 82:
        return setting(82, "[misc]", "EXPERT", offOn());
    case 83:
        return setting(83, "<MR>", "DUP-AT", offOn());
    case 84:
        return setting(84, "<DISP>", "GREEN", offOn());
    case 85:
        return setting(85, "<DISP>", "BSDISP", names({"SET", "RUN"}));
    case 86:
        return setting(86, "<DISP>", "TVRSSI", offOn());
    case 87:
        return setting(87, "<MRN>", "16HLD", names({"PUSH", "HOLD"}));
    case 90:
        return setting(90, "<KEY>", "REVERS", offOn());
    case 91:
        return setting(91, "<EWS>", "HAPPEN", names({"PRE FM", "TV", "PSL-9", "BANKxx"}));
    case 92:
        return setting(92, "<POW>", "PO MNG", names({"BATT", "DC", "AUTO"}));
    case 93:
        return setting(93, "[misc]", "8/BS DC", backspaceTimes());
    case 94:
        return setting(94, "<DISP>", "LMP DC", lampTimes());
    case 95:
        return setting(95, "<DISP>", "SCLPDC", offOn());
    case 96:
        return setting(96, "<SND>", "BP DC", offOn());
    case 97:
        return setting(97, "<DISP>", "GRN DC", offOn());
    case 98:
        return setting(98, "<RX>", "SQL CT",
                       names({"OFF", "SMT-1", "SMT-2", "SMT-3", "SMT-4", "SMT-5", "SMT-6", "SQL"}));
    case 99:
        return setting(99, "<KEY>", "DIAL", names({"FR VOL", "FR SQL", "VOL SQ"}));
    case 100:
        return setting(100, "<EWS>", "BANK", bankChoices());
    default:
        return setting(byte, "", "", {});
    }
}

std::vector<SettingDef> buildSysSettings() {
    std::vector<SettingDef> settings;
    settings.reserve(kSysSettingCount);
    for (const int byte : sysComboIndexes)
        settings.push_back(definitionOf(byte));
    return settings;
}

} // namespace

const std::vector<SettingDef>& sysSettings() {
    static const std::vector<SettingDef> settings = buildSysSettings();
    return settings;
}

const SettingDef& sys3Setting() {
    static const SettingDef protect =
        setting(kProtectByte, "<MR>", "PROTCT", names({"OVERWT", "PROTCT", "FAILSF"}));
    return protect;
}

} // namespace r36::image
