#pragma once

// Memory areas, the bank partition and the memory labels of the list's first column.

#include <array>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

namespace r36::image {

// Area bounds (inclusive). The bank area is 0 .. atFirst - 1.
inline constexpr int atFirst = 1000, atLast = 1199;
inline constexpr int prgFirst = 1200, prgLast = 1299; // 50 program-scan pairs A/B
inline constexpr int passFirst = 1300, passLast = 1399;
inline constexpr int pass2First = 1400, pass2Last = 1599;
inline constexpr int prioFirst = 1600, prioLast = 1699;
inline constexpr int presetFirst = 1700, presetLast = 1720;
inline constexpr int lastStoredMemory = 1699;

inline constexpr int kBankCount = 50;
inline constexpr int kBankAreaSize = atFirst; // a valid partition totals 1000
inline constexpr int kMaxBankCountDigits = 4; // a partition box holds 0..9999

constexpr bool isPrgMemory(int memory) {
    return memory >= prgFirst && memory <= prgLast;
}

/// Banks 0-4 hold 100 memories, 5-12 hold 50, 13-16 hold 25, 17-49 are empty.
std::string defaultPartition();

/// The 50 bank counts of a bank table, words read low byte first as signed 16-bit values; a
/// missing or malformed word counts 0.
std::array<int, kBankCount> bankCounts(std::string_view bankTable);

/// Bank table text of 50 counts (each 0..9999): "6400" for 100.
std::string bankTableFromCounts(const std::array<int, kBankCount>& counts);

/// What a partition box stores for its text: the number the text begins with, rounded to the
/// nearest whole count and held to 0..9999 (so "-5" is an empty bank).
int bankCountOfText(std::string_view text);

/// True when word `bank` of the table is the text "0000"; any other text makes the bank available.
bool isBankEmpty(std::string_view bankTable, int bank);

/// The memories that move together with `memory` when one is inserted or deleted: its bank
/// (from the table's counts; memories past the counts' total form one group up to 999), or its
/// area (AT, PRG, PASS, PASS2, PRIO). (first, last), inclusive.
std::pair<int, int> memoryGroup(std::string_view bankTable, int memory);

/// "Bank16-024": the label of position `position` (from 0) of bank `bank`.
std::string bankLabel(int bank, int position);

/// Label of a memory outside the bank area: "AT - 0", "PRG - 0A", "PASS2 - 199", "PRIO - 99";
/// empty text for the bank area and the preset area.
std::string areaLabel(int memory);

/// Rewrites the labels of memories 0..1699 (`labels` has 1700 entries) from the bank table:
/// "Bank00-000" style labels for the memories the counts cover (up to memory 999; memories past
/// the counts' total keep their label), then the area labels. The caller runs it only while the
/// partition total it shows reads 1000.
void relabelMemoryList(std::string_view bankTable, std::vector<std::string>& labels);

/// Labels of memories 0..1699 for the default partition, as start-up shows them.
std::vector<std::string> defaultMemoryLabels();

} // namespace r36::image
