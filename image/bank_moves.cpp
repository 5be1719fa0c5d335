#include "bank_moves.h"

#include "image/clone_image.h"

#include <algorithm>

namespace r36::image {

namespace {

struct BankPlace {
    int first = 0, count = 0;
};

/// Where each bank lies in the bank area: counts past memory 999 are cut, a negative count
/// holds nothing (as the labels are written).
std::array<BankPlace, kBankCount> bankPlaces(const BankCounts& counts) {
    std::array<BankPlace, kBankCount> places{};
    int first = 0;
    for (std::size_t bank = 0; bank < places.size(); ++bank) {
        const int count = std::clamp(counts[bank], 0, kBankAreaSize - first);
        places[bank] = {first, count};
        first += count;
    }
    return places;
}

bool inUse(const std::vector<std::string>& records, int memory) {
    return memory < static_cast<int>(records.size()) &&
           isRecordInUse(records[static_cast<std::size_t>(memory)]);
}

} // namespace

BankMove planBankMove(const BankCounts& before, const BankCounts& after,
                      const std::vector<std::string>& records) {
    BankMove move{before, after, 0, 0, std::nullopt};
    const auto from = bankPlaces(before);
    const auto to = bankPlaces(after);
    int covered = 0;
    for (int bank = 0; bank < kBankCount; ++bank) {
        const BankPlace old = from[static_cast<std::size_t>(bank)];
        const BankPlace now = to[static_cast<std::size_t>(bank)];
        covered += old.count;
        for (int position = old.count - 1; position >= 0; --position) {
            if (!inUse(records, old.first + position))
                continue;
            if (position >= now.count) {
                if (!move.refusal)
                    move.refusal =
                        BankMoveRefusal{BankMoveRefusal::Kind::Shrinks, bank, position, now.count};
                break;
            }
            if (old.first != now.first)
                ++move.moved;
        }
    }
    // A memory's label changes with the counts when another bank or position covers it now.
    std::array<std::pair<int, int>, kBankAreaSize> oldLabel{};
    oldLabel.fill({-1, -1});
    for (int bank = 0; bank < kBankCount; ++bank)
        for (int k = 0; k < from[static_cast<std::size_t>(bank)].count; ++k)
            oldLabel[static_cast<std::size_t>(from[static_cast<std::size_t>(bank)].first + k)] = {
                bank, k};
    for (int bank = 0; bank < kBankCount; ++bank)
        for (int k = 0; k < to[static_cast<std::size_t>(bank)].count; ++k) {
            const int memory = to[static_cast<std::size_t>(bank)].first + k;
            if (inUse(records, memory) &&
                oldLabel[static_cast<std::size_t>(memory)] != std::pair{bank, k})
                ++move.relabelled;
        }
    // Old counts that total less than 1000 leave memories in no bank: nothing to move them by.
    for (int memory = covered; memory < kBankAreaSize && !move.refusal; ++memory)
        if (inUse(records, memory))
            move.refusal = BankMoveRefusal{BankMoveRefusal::Kind::OutsideBanks, 0, 0, 0, memory};
    return move;
}

void moveWithBanks(const BankMove& move, std::vector<std::string>& records) {
    if (move.refusal || records.size() < static_cast<std::size_t>(kBankAreaSize))
        return;
    const auto from = bankPlaces(move.before);
    const auto to = bankPlaces(move.after);
    std::vector<std::string> moved(kBankAreaSize, std::string(kEmptyRecord));
    for (std::size_t bank = 0; bank < from.size(); ++bank) {
        const int kept = std::min(from[bank].count, to[bank].count);
        std::copy_n(records.begin() + from[bank].first, kept, moved.begin() + to[bank].first);
    }
    std::move(moved.begin(), moved.end(), records.begin());
}

} // namespace r36::image
