#include "memory_areas.h"

#include "image/hex_text.h"
#include "image/memory_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace r36::image {

namespace {

constexpr std::string_view kEmptyBankWord = "0000";
constexpr int kWordHexChars = 4;

std::string numberedLabel(std::string_view prefix, int number) {
    return std::string(prefix) + std::to_string(number);
}

} // namespace

std::string bankLabel(int bank, int position) {
    char text[32];
    std::snprintf(text, sizeof text, "Bank%02d-%03d", bank, position);
    return text;
}

std::string defaultPartition() {
    std::array<int, kBankCount> counts{};
    for (int bank = 0; bank < kBankCount; ++bank) {
        if (bank < 5)
            counts[bank] = 100;
        else if (bank < 13)
            counts[bank] = 50;
        else if (bank < 17)
            counts[bank] = 25;
    }
    return bankTableFromCounts(counts);
}

std::array<int, kBankCount> bankCounts(std::string_view bankTable) {
    std::array<int, kBankCount> counts{};
    for (int bank = 0; bank < kBankCount; ++bank) {
        const auto low = byteAt(bankTable, 2 * bank);
        const auto high = byteAt(bankTable, 2 * bank + 1);
        if (!low || !high)
            continue;
        // The receiver's words are signed 16-bit values.
        counts[bank] = static_cast<std::int16_t>(static_cast<std::uint16_t>(*low | (*high << 8)));
    }
    return counts;
}

std::string bankTableFromCounts(const std::array<int, kBankCount>& counts) {
    std::string table;
    table.reserve(kBankCount * kWordHexChars);
    for (const int count : counts) {
        const int value = count < 0 ? 0 : (count > 9999 ? 9999 : count);
        table += hexByte(value & 0xFF);
        table += hexByte(value >> 8);
    }
    return table;
}

bool isBankEmpty(std::string_view bankTable, int bank) {
    if (bank < 0 || bank >= kBankCount)
        return true;
    const auto at = static_cast<std::size_t>(kWordHexChars * bank);
    if (at >= bankTable.size())
        return false;
    return bankTable.substr(at, kWordHexChars) == kEmptyBankWord;
}

std::string areaLabel(int memory) {
    if (memory >= atFirst && memory <= atLast)
        return numberedLabel("AT - ", memory - atFirst);
    if (memory >= prgFirst && memory <= prgLast) {
        const int offset = memory - prgFirst;
        return numberedLabel("PRG - ", offset / 2) + (offset % 2 == 0 ? "A" : "B");
    }
    if (memory >= passFirst && memory <= passLast)
        return numberedLabel("PASS - ", memory - passFirst);
    if (memory >= pass2First && memory <= pass2Last)
        return numberedLabel("PASS2 - ", memory - pass2First);
    if (memory >= prioFirst && memory <= prioLast)
        return numberedLabel("PRIO - ", memory - prioFirst);
    return {};
}

void relabelMemoryList(std::string_view bankTable, std::vector<std::string>& labels) {
    if (labels.size() < static_cast<std::size_t>(lastStoredMemory + 1))
        labels.resize(lastStoredMemory + 1);
    const auto counts = bankCounts(bankTable);
    int memory = 0;
    for (int bank = 0; bank < kBankCount && memory < kBankAreaSize; ++bank) {
        if (isBankEmpty(bankTable, bank))
            continue;
        // Counts that run past memory 999 are cut; a negative count labels nothing.
        for (int position = 0; position < counts[bank] && memory < kBankAreaSize; ++position)
            labels[memory++] = bankLabel(bank, position);
    }
    for (int other = atFirst; other <= prioLast; ++other)
        labels[other] = areaLabel(other);
}

std::vector<std::string> defaultMemoryLabels() {
    std::vector<std::string> labels(lastStoredMemory + 1);
    relabelMemoryList(defaultPartition(), labels);
    return labels;
}

int bankCountOfText(std::string_view text) {
    // Held before it is rounded: a number beyond int would otherwise wrap to anything.
    const double held = std::clamp(numericValue(text), 0.0, 9999.0);
    return static_cast<int>(std::lround(held));
}

std::pair<int, int> memoryGroup(std::string_view bankTable, int memory) {
    if (memory < atFirst) {
        int first = 0;
        for (int count : bankCounts(bankTable)) {
            const int last = std::min(first + std::max(count, 0), atFirst) - 1;
            if (memory <= last)
                return {first, last};
            first = last + 1;
        }
        return {first, atFirst - 1};
    }
    constexpr std::array<std::pair<int, int>, 5> kAreas{{{atFirst, atLast},
                                                         {prgFirst, prgLast},
                                                         {passFirst, passLast},
                                                         {pass2First, pass2Last},
                                                         {prioFirst, prioLast}}};
    for (const auto& area : kAreas)
        if (memory >= area.first && memory <= area.second)
            return area;
    return {memory, memory};
}

} // namespace r36::image
