#include "settings_block.h"

#include "image/hex_text.h"
#include "image/memory_map.h"
#include "image/value_lists.h"

#include <string_view>

namespace r36::image {

namespace {

constexpr std::string_view kDefaultSysBlock =
    "A502000001010500000001000301000001000200010A0403136502080001001402030B060000020201000000"
    "000000010100140000000000000003100000000200001E00000F000000000000000D4C0000000001010000"
    "000A000000000305000101000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

constexpr int kRemoconKeys = 10;
constexpr int kFirstTvChannel = 13;
constexpr int kLastTvChannel = 52;
constexpr char kNoChannelText[] = "-";

int readableByte(std::string_view hex, int offset) {
    const auto value = byteAt(hex, offset);
    return value ? *value : -1;
}

// The ten keys of an area: channel in decimal, "-" where the key has no station.
std::string channelText(int channel) {
    return channel == 0 ? std::string(kNoChannelText) : std::to_string(channel);
}

// A whole number 0..255 after blanks are trimmed, or 0: the key then has no channel.
int remoconChannelValue(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.empty() || text.size() > 3)
        return 0;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value <= 255 ? value : 0;
}

} // namespace

std::string defaultSysBlock() {
    return std::string(kDefaultSysBlock);
}
std::string defaultSys3Block() {
    return "0001";
}
std::string defaultRemoconId() {
    return std::string(kRemoconIdHexChars, 'F');
}

int choiceForValue(const SettingDef& setting, int value) {
    if (value < 0)
        return 0;
    if (setting.coded()) {
        for (std::size_t position = 0; position < setting.codes.size(); ++position)
            if (setting.codes[position] == value)
                return static_cast<int>(position);
        return 0;
    }
    return value < static_cast<int>(setting.choices.size()) ? value : 0;
}

int valueForChoice(const SettingDef& setting, int position) {
    if (setting.coded())
        return position >= 0 && position < static_cast<int>(setting.codes.size())
                   ? setting.codes[position]
                   : setting.codes[0];
    return position >= 0 && position < static_cast<int>(setting.choices.size()) ? position : 0;
}

bool isExpertDependent(int byte) {
    for (const int dependent : expertDependents)
        if (dependent == byte)
            return true;
    return false;
}

void limitAreaByte(std::string& sysBlock) {
    const auto area = byteAt(sysBlock, kAreaByte);
    if (area && *area > kAreaLimit)
        setByteAt(sysBlock, kAreaByte, kAreaLimit);
}

bool SettingsSelections::expertOn() const {
    const int index = settingIndexOfByte(kExpertByte);
    return index >= 0 && static_cast<std::size_t>(index) < sysChoice.size() &&
           sysChoice[index] == 1;
}

int settingIndexOfByte(int byte) {
    for (int index = 0; index < kSysSettingCount; ++index)
        if (sysComboIndexes[index] == byte)
            return index;
    return -1;
}

void showSysBlock(SettingsSelections& page, std::string_view sysBlock) {
    const auto& settings = sysSettings();
    page.sysChoice.assign(settings.size(), 0);
    for (std::size_t index = 0; index < settings.size(); ++index)
        page.sysChoice[index] =
            choiceForValue(settings[index], readableByte(sysBlock, settings[index].byte));
    selectArea(page, page.sysChoice[settingIndexOfByte(kAreaByte)]);
}

void showSys3Block(SettingsSelections& page, std::string_view sys3Block) {
    page.sys3Choice = choiceForValue(sys3Setting(), readableByte(sys3Block, kProtectByte));
}

void showRemoconId(SettingsSelections& page, std::string_view remoconId) {
    for (int key = 1; key <= kRemoconKeys; ++key) {
        const int channel = readableByte(remoconId, key);
        page.tvText[key - 1] = channel >= kFirstTvChannel && channel <= kLastTvChannel
                                   ? std::to_string(channel)
                                   : std::string(kNoChannelText);
    }
}

void selectArea(SettingsSelections& page, int areaPosition) {
    if (areaPosition < 0 || areaPosition >= static_cast<int>(areaTable.size()))
        return;
    const int index = settingIndexOfByte(kAreaByte);
    if (static_cast<std::size_t>(index) < page.sysChoice.size())
        page.sysChoice[index] = areaPosition;
    if (areaPosition == kManualArea) {
        page.tvEnabled = true;
        return;
    }
    const auto& area = areaTable[areaPosition];
    for (int key = 0; key < kRemoconKeys; ++key)
        page.tvText[key] = channelText(area.channels[key]);
    page.tvEnabled = false;
}

void storeSysBlock(const SettingsSelections& page, std::string& sysBlock) {
    const auto& settings = sysSettings();
    for (std::size_t index = 0; index < settings.size() && index < page.sysChoice.size(); ++index)
        setByteAt(sysBlock, settings[index].byte,
                  valueForChoice(settings[index], page.sysChoice[index]));
}

void storeSys3Block(const SettingsSelections& page, std::string& sys3Block) {
    setByteAt(sys3Block, kProtectByte, valueForChoice(sys3Setting(), page.sys3Choice));
}

std::string storeRemoconId(const std::array<std::string, 10>& tvText) {
    std::string remoconId = "FF";
    for (const auto& text : tvText)
        remoconId += hexByte(remoconChannelValue(text));
    remoconId += "FFFF";
    return remoconId;
}

} // namespace r36::image
