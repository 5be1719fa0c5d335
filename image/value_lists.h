#pragma once

// The receiver's fixed name lists and tables. A record stores the 0-based position in a list,
// so the order here is the receiver's and must never change.

#include <array>
#include <cstdint>
#include <string_view>

namespace r36::image {

extern const std::array<std::string_view, 3> modeNames;    // "FM", "AM", "WFM"
extern const std::array<std::string_view, 16> stepNames;   // "5KHz" .. "1MHz"
extern const std::array<std::string_view, 3> shiftNames;   // "OFF", "+", "-"
extern const std::array<std::string_view, 5> subtoneKinds; // "OFF", "Train", "CTCSS", "REV", "DCS"
extern const std::array<std::string_view, 2> skipMarks;    // "", "*"
extern const std::array<std::string_view, 50> ctcssTones;  // "67.0Hz" .. "250.3Hz", then 12 more
extern const std::array<std::string_view, 104> dcsCodes;   // "023" .. "754"
extern const std::array<std::string_view, 29> trainTones;  // "300Hz" .. "3000Hz", "JR"

/// A reception area: its six-character name and the UHF TV channel (13..52) each remote-control
/// key ID 1..10 selects there; 0 = no station on that key.
struct Area {
    std::string_view name;
    std::array<std::uint8_t, 10> channels;
};
inline constexpr int kManualArea = 76; // "******": the user types the ten channels
extern const std::array<Area, 77> areaTable;

/// Records of the preset memories 1700..1720, always in the image, never transferred or saved.
inline constexpr int kPresetCount = 21;
extern const std::array<std::string_view, kPresetCount> presetRecords;

} // namespace r36::image
