#include "companion.h"

#include "files/clone_file.h"
#include "files/text_file.h"
#include "image/memory_areas.h"

#include <QTimer>

namespace r36::session {

Companion::Companion(Document& document, QObject* parent) : QObject(parent), m_document(document) {
    // Only a comparison with the document follows its edits.
    for (auto signal : {&Document::imageReplaced, &Document::labelsChanged,
                        &Document::settingsChanged, &Document::partitionChanged})
        connect(&m_document, signal, this, &Companion::documentEdited);
    connect(&m_document, &Document::memoryChanged, this, &Companion::documentEdited);
}

Document::OpenReport Companion::load(const QString& path, image::CloneImage& image) const {
    Document::OpenReport report;
    if (!files::hasCloneExtension(path)) {
        report.notCloneName = true;
        report.outcome = files::wrongFileName(path);
        return report;
    }
    image = image::freshImage();
    image::LinkState link;
    report.outcome = files::readCloneFile(path, image, link, report);
    return report;
}

Document::OpenReport Companion::open(const QString& path) {
    return openCompared(path, {});
}

Document::OpenReport Companion::openCompared(const QString& path, const QString& basePath) {
    std::optional<image::CloneImage> base;
    if (!basePath.isEmpty()) {
        base.emplace();
        if (Document::OpenReport report = load(basePath, *base); !report.outcome)
            return report;
    }
    image::CloneImage opened;
    Document::OpenReport report = load(path, opened);
    if (!report.outcome)
        return report;
    m_image = std::move(opened);
    m_base = std::move(base);
    m_path = path;
    m_basePath = basePath;
    m_labels = image::defaultMemoryLabels();
    image::relabelMemoryList(m_image.bankTable, m_labels);
    m_difference.reset();
    emit changed();
    return report;
}

void Companion::close() {
    m_path.clear();
    m_basePath.clear();
    m_base.reset();
    m_difference.reset();
    emit changed();
}

void Companion::documentEdited() {
    if (!isOpen() || m_base)
        return;
    m_difference.reset();
    // A Read all changes 1700 memories one by one: one announcement for them all.
    if (!m_announcing) {
        m_announcing = true;
        QTimer::singleShot(0, this, [this] {
            m_announcing = false;
            emit changed();
        });
    }
}

const image::Difference& Companion::difference() const {
    if (!m_difference) {
        const image::CloneImage& base = m_base ? *m_base : m_document.withSettingsStored();
        m_difference =
            image::difference(image::holdingsOfImage(base), image::holdingsOfImage(m_image));
        m_memoryChanges.clear();
        for (std::size_t k = 0; k < m_difference->changes.size(); ++k)
            if (m_difference->changes[k].piece.kind == image::PieceKind::Memory)
                m_memoryChanges[m_difference->changes[k].index] = k;
    }
    return *m_difference;
}

const image::Change* Companion::memoryChange(int memory) const {
    const image::Difference& found = difference();
    const auto at = m_memoryChanges.find(memory);
    return at == m_memoryChanges.end() ? nullptr : &found.changes[at->second];
}

std::vector<const image::Change*> Companion::otherChanges() const {
    std::vector<const image::Change*> others;
    for (const image::Change& change : difference().changes)
        if (change.piece.kind != image::PieceKind::Memory)
            others.push_back(&change);
    return others;
}

bool Companion::copyToDocument(const std::vector<int>& memories, int target) const {
    if (!isOpen() || memories.empty())
        return false;
    std::map<int, std::string> records;
    for (const int memory : memories) {
        const int to = target + memory - memories.front();
        if (memory < 0 || memory > image::lastStoredMemory || to < 0 ||
            to > image::lastStoredMemory)
            return false;
        records[to] = m_image.memRecord[static_cast<std::size_t>(memory)];
    }
    return m_document.setMemoryRecords(records, tr("Copy to document"));
}

} // namespace r36::session
