#include "import_placement.h"

#include "image/memory_areas.h"

#include <QtGlobal>

namespace r36::session {

ImportPlacement planImportPlacement(const image::CloneImage& image, ImportPlacement::Where where,
                                    int memory, int count) {
    Q_ASSERT(memory >= 0 && memory <= image::lastStoredMemory && count >= 0);
    ImportPlacement placement;
    placement.where = where;
    placement.lines = count;
    const auto inUse = [&image](int m) {
        return image::isRecordInUse(image.memRecord[static_cast<std::size_t>(m)]);
    };
    std::vector<int> room;
    if (where == ImportPlacement::Where::FromMemory) {
        placement.first = memory;
        placement.last = image::lastStoredMemory;
        for (int m = memory; m <= image::lastStoredMemory && std::ssize(room) < count; ++m)
            room.push_back(m);
        placement.room = image::lastStoredMemory + 1 - memory;
    } else {
        std::tie(placement.first, placement.last) = image::memoryGroup(image.bankTable, memory);
        for (int m = placement.first; m <= placement.last; ++m)
            if (!inUse(m))
                room.push_back(m);
        placement.room = static_cast<int>(room.size());
    }
    if (placement.room < count) {
        placement.refusal = where == ImportPlacement::Where::FromMemory
                                ? ImportPlacement::Refusal::PastLastMemory
                                : ImportPlacement::Refusal::TooFewFree;
        return placement;
    }
    room.resize(static_cast<std::size_t>(count));
    placement.memories = std::move(room);
    for (const int m : placement.memories)
        placement.replaced += inUse(m) ? 1 : 0;
    return placement;
}

} // namespace r36::session
