// Dragged rows: a block of memories moved within its bank or area, as one step.

#include "document.h"

#include "undo_step.h"

#include <algorithm>

namespace r36::session {

Outcome Document::moveMemories(int first, int last, int target) {
    const int targetLast = target + last - first;
    const auto group = image::memoryGroup(m_image.bankTable, std::max(first, 0));
    if (first < 0 || last < first || last > image::lastStoredMemory || target < group.first ||
        targetLast > group.second || image::memoryGroup(m_image.bankTable, last) != group) {
        Failure refused(FailureKind::MoveOutsideGroup);
        refused.value = labelRange(first, last).toStdString();
        refused.names = {labelRange(group.first, group.second).toStdString()};
        return Outcome::failure(std::move(refused));
    }
    if (target == first)
        return Outcome::success();
    const DocumentState before = state();
    const auto records = m_image.memRecord.begin();
    if (target < first)
        std::rotate(records + target, records + first, records + last + 1);
    else
        std::rotate(records + first, records + last + 1, records + targetLast + 1);
    pushStep(tr("Move memories"), before);
    for (int m = std::min(first, target); m <= std::max(last, targetLast); ++m)
        emit memoryChanged(m);
    return Outcome::success();
}

} // namespace r36::session
