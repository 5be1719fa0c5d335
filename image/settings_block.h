#pragma once

// The receiver's set-mode settings: which byte of the settings block each list edits, how a
// choice becomes a byte value and back, the defaults, and the EXPERT and AREA dependencies.
// `SettingsSelections` is the settings page without widgets: the page shows it, and code that has
// no window (the command-line tool) uses it directly, so both store exactly the same bytes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

struct SettingDef {
    int byte = 0;           // offset in the block
    std::string_view group; // frame caption on the page, e.g. "<DISP>"
    std::string_view label; // caption beside the list, e.g. "LAMP"
    std::vector<std::string> choices;
    std::vector<int> codes; // empty for a list that maps by position

    /// A list maps by code exactly when its second choice carries a code other than 0.
    bool coded() const { return codes.size() > 1 && codes[1] != 0; }
};

inline constexpr int kSysSettingCount = 73;
extern const std::array<int, kSysSettingCount> sysComboIndexes; // visiting order
extern const std::array<int, 26> expertDependents;
extern const std::array<int, 64> wildItemCodes;
extern const std::array<int, 19> remoteKeyCodes;
extern const std::array<int, 55> marineChannelCodes;

inline constexpr int kAreaByte = 78;
inline constexpr int kExpertByte = 82;
inline constexpr int kProtectByte = 1;  // of the third settings block
inline constexpr int kAreaLimit = 0x4C; // a receiver value above this means manual entry

/// The 73 settings of the block, in `sysComboIndexes` order.
const std::vector<SettingDef>& sysSettings();
/// The one setting of the third block: byte 1, "PROTCT" in "<MR>".
const SettingDef& sys3Setting();

std::string defaultSysBlock();  // 256 characters
std::string defaultSys3Block(); // "0001"
std::string defaultRemoconId(); // 26 "F"

/// Position of the choice a byte value selects: by position, or the first choice whose code
/// equals the value; the first choice when nothing matches (or the byte is unreadable, -1).
int choiceForValue(const SettingDef& setting, int value);
/// Byte value of the choice at `position`: the position, or the choice's code.
int valueForChoice(const SettingDef& setting, int position);

/// True when the byte's list is disabled while EXPERT is "OFF".
bool isExpertDependent(int byte);

/// After a read from the receiver: AREA values above 0x4C become 0x4C ("******").
void limitAreaByte(std::string& sysBlock);

/// What the settings page shows: the chosen position of every list, the PROTCT choice, the ten
/// TV channel boxes and whether they can be typed in.
struct SettingsSelections {
    std::vector<int> sysChoice = std::vector<int>(kSysSettingCount, 0); // sysSettings() order
    int sys3Choice = 0;
    std::array<std::string, 10> tvText{"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
    bool tvEnabled = true;

    bool expertOn() const;
    bool operator==(const SettingsSelections&) const = default;
};

/// Index into sysSettings() of the list editing `byte`, or -1.
int settingIndexOfByte(int byte);

/// Selects every list from the block, then applies the AREA rule (selectArea).
void showSysBlock(SettingsSelections& page, std::string_view sysBlock);
void showSys3Block(SettingsSelections& page, std::string_view sys3Block);
/// TV boxes show channels 13..52 in decimal, "-" otherwise; their enabled state is unchanged.
void showRemoconId(SettingsSelections& page, std::string_view remoconId);

/// AREA handler: a named area fills the ten boxes with its channels ("-" for 0) and locks them;
/// "******" unlocks them and keeps their text.
void selectArea(SettingsSelections& page, int areaPosition);

/// Writes every list's value into its byte (disabled lists too).
void storeSysBlock(const SettingsSelections& page, std::string& sysBlock);
void storeSys3Block(const SettingsSelections& page, std::string& sys3Block);
/// "FF", the ten channels as bytes, "FFFF". A box whose text is not a whole number 0..255
/// ("-", "", "300", "1x") is stored as 00: the key has no channel.
std::string storeRemoconId(const std::array<std::string, 10>& tvText);

} // namespace r36::image
