// Lists from elsewhere placed into the document: the channels of a CHIRP list go where the
// placement rule says, as one step of the undo history.

#include "document.h"

#include "undo_step.h"

namespace r36::session {

namespace {

// More rows than this are refreshed as a whole: cheaper than one signal per row.
constexpr std::size_t kRowsRefreshedOneByOne = 100;

} // namespace

ImportPlacement Document::planImport(ImportPlacement::Where where, int memory, int count) const {
    return planImportPlacement(m_image, where, memory, count);
}

ImportPlacement Document::importRecords(ImportPlacement::Where where, int memory,
                                        const std::vector<std::string>& records,
                                        const QString& what) {
    ImportPlacement placement = planImport(where, memory, static_cast<int>(records.size()));
    if (!placement.ok())
        return placement;
    recorded(what, [&] {
        for (std::size_t k = 0; k < records.size(); ++k)
            m_image.memRecord[static_cast<std::size_t>(placement.memories[k])] = records[k];
    });
    if (records.size() > kRowsRefreshedOneByOne)
        emit imageReplaced();
    else
        for (const int m : placement.memories)
            emit memoryChanged(m);
    return placement;
}

} // namespace r36::session
