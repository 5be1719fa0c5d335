// The document's side of a second file beside it and of the backups: records copied in from
// it, and a backup restored as the document.

#include "document.h"

#include "undo_step.h"

#include "image/memory_areas.h"

namespace r36::session {

bool Document::setMemoryRecords(const std::map<int, std::string>& records, const QString& what) {
    if (records.empty() || records.begin()->first < 0 ||
        records.rbegin()->first > image::lastStoredMemory)
        return false;
    recorded(what, [&] {
        for (const auto& [memory, record] : records)
            m_image.memRecord[static_cast<std::size_t>(memory)] = record;
    });
    if (records.size() > 100)
        emit imageReplaced();
    else
        for (const auto& [memory, record] : records)
            emit memoryChanged(memory);
    return true;
}

Document::OpenReport Document::restoreBackup(const QString& path) {
    OpenReport report = open(path);
    if (report.outcome) {
        // Save would otherwise write over the backup; it asks for a name instead.
        m_savePath.clear();
    }
    return report;
}

} // namespace r36::session
