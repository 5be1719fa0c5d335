#include "document.h"

#include "undo_step.h"

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "files/text_file.h"
#include "image/memory_record.h"
#include "image/program_constants.h"

#include <algorithm>
#include <cmath>

namespace r36::session {

Document::Document(QString settingsFilePath, QObject* parent)
    : QObject(parent), m_settingsFilePath(std::move(settingsFilePath)) {
    // Start-up: the fresh image, the port choice of the settings file, the default partition.
    m_image = image::freshImage();
    m_labels = image::defaultMemoryLabels();
    if (!m_settingsFilePath.isEmpty()) {
        // An unreadable settings file leaves the defaults, as a missing one does.
        (void)files::readSettingsFile(m_settingsFilePath, m_link);
        if (m_link.commPort < 1 || m_link.commPort > kPortCount)
            m_link.commPort = 1;
    }
    resetPartition();
    showSettingsBlocks();
    m_undo.clear(); // start-up is not a step anyone can undo
    markSaved();
}

Document::~Document() = default;

// ---- State and history --------------------------------------------------------------------

DocumentState Document::state() const {
    return {m_image, m_settings, m_labels, m_bankCounts, m_displayedTotal};
}

void Document::restore(const DocumentChange& change, bool after) {
    const DocumentParts document{m_image, m_settings, m_labels, m_bankCounts, m_displayedTotal};
    if (after)
        change.putAfter(document);
    else
        change.putBefore(document);
    emit imageReplaced();
    emit labelsChanged();
    emit partitionChanged();
    emit settingsChanged();
}

void Document::pushStep(const QString& what, const DocumentState& before) {
    DocumentChange change(before, state());
    if (!change.empty())
        m_undo.push(new UndoStep(*this, what, std::move(change)));
}

void Document::undo() {
    if (!m_beforeTransfer) // a transfer's results arrive into the document as it is
        m_undo.undo();
}

void Document::redo() {
    if (!m_beforeTransfer)
        m_undo.redo();
}

image::CloneImage Document::withSettingsStored() const {
    image::CloneImage stored = m_image;
    image::storeSysBlock(m_settings, stored.sysBlock);
    image::storeSys3Block(m_settings, stored.sys3Block);
    stored.remoconId = image::storeRemoconId(m_settings.tvText);
    return stored;
}

void Document::markSaved() {
    m_savedImage = withSettingsStored();
    m_undo.setClean();
}

bool Document::hasUnsavedChanges() const {
    return withSettingsStored() != m_savedImage;
}

void Document::showSettingsBlocks() {
    image::showSysBlock(m_settings, m_image.sysBlock);
    image::showSys3Block(m_settings, m_image.sys3Block);
    image::showRemoconId(m_settings, m_image.remoconId);
    emit settingsChanged();
}

void Document::relabelIfValid() {
    // Labels follow the bank table only while the displayed total reads 1000.
    if (partitionValid()) {
        image::relabelMemoryList(m_image.bankTable, m_labels);
        emit labelsChanged();
    }
}

void Document::loadPartition(bool totalValid) {
    m_bankCounts = image::bankCounts(m_image.bankTable);
    relabelIfValid();
    if (totalValid)
        m_displayedTotal = image::kBankAreaSize;
    emit partitionChanged();
}

// ---- Files --------------------------------------------------------------------------------

Document::OpenReport Document::open(const QString& path) {
    OpenReport report;
    if (path == m_settingsFilePath) {
        // The settings file opened by name carries only the port and speed choices.
        image::LinkState link = m_link;
        report.outcome = files::readSettingsFile(path, link);
        report.settingsOnly = true;
        if (!report.outcome)
            return report;
        m_link = link;
        if (m_link.commPort < 1 || m_link.commPort > kPortCount)
            m_link.commPort = 1;
        emit linkChoicesChanged();
        m_fileName = path;
        m_savePath.clear();
        emit fileNameChanged(m_fileName);
        return report;
    }
    if (!files::isStandardStream(path) && !files::hasCloneExtension(path)) {
        report.notCloneName = true;
        report.outcome = files::wrongFileName(path);
        return report;
    }
    files::CloneFileReport loaded;
    image::CloneImage image = m_image;
    image::LinkState link = m_link;
    report.outcome = files::readCloneFile(path, image, link, loaded);
    if (!report.outcome)
        return report;
    static_cast<files::CloneFileReport&>(report) = std::move(loaded);
    m_image = std::move(image);
    m_link = link;
    if (m_link.commPort < 1 || m_link.commPort > kPortCount)
        m_link.commPort = 1;
    emit linkChoicesChanged();
    // A file's bank table sets the total to 1000 as it is read, so its labels are written.
    if (report.hadBankTable)
        m_displayedTotal = image::kBankAreaSize;
    emit imageReplaced();
    loadPartition(true);
    showSettingsBlocks();
    m_fileName = path;
    m_savePath = path;
    emit fileNameChanged(m_fileName);
    m_undo.clear();
    markSaved();
    return report;
}

Outcome Document::save(const QString& path) {
    image::CloneImage stored = withSettingsStored();
    const Outcome saved = files::writeCloneFile(path, stored, m_link, m_settingsFilePath);
    if (!saved)
        return saved;
    m_image = std::move(stored);
    m_fileName = path;
    emit fileNameChanged(m_fileName);
    // The settings file keeps only the port and speed: Save then asks for a clone file again.
    m_savePath = path == m_settingsFilePath ? QString() : path;
    if (!m_savePath.isEmpty())
        markSaved();
    return saved;
}

Outcome Document::importCsv(const QString& path) {
    files::CsvImport imported = files::importCsv(path);
    if (!imported.ok())
        return imported.outcome;
    recorded(tr("Import"), [&] {
        if (imported.records.size() == static_cast<std::size_t>(image::kMemoryCount))
            m_image.memRecord = std::move(imported.records);
    });
    emit imageReplaced();
    m_fileName = path;
    m_savePath.clear(); // saving the imported channels asks where
    emit fileNameChanged(m_fileName);
    return Outcome::success();
}

Outcome Document::exportCsv(const QString& path, const std::function<void(int row)>& progress) {
    return files::exportCsv(path, m_image, m_labels, progress);
}

// ---- Port and speed -----------------------------------------------------------------------

namespace {

Outcome saveSettings(const QString& path, const image::CloneImage& image,
                     const image::LinkState& link) {
    if (path.isEmpty())
        return Outcome::success();
    image::CloneImage copy = image; // only the settings lines are written
    return files::writeCloneFile(path, copy, link, path);
}

} // namespace

void Document::setLinkState(const image::LinkState& link) {
    m_link = link;
    emit linkChoicesChanged();
}

Outcome Document::saveSettingsFile() const {
    return saveSettings(m_settingsFilePath, m_image, m_link);
}

} // namespace r36::session
