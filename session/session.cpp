#include "session.h"

#include "failure_text.h"
#include "transfer_worker.h"
#include "undo_step.h"

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "files/text_file.h"
#include "image/memory_record.h"
#include "image/program_constants.h"
#include "link/comm_log.h"
#include "link/port_names.h"
#include "link/serial_transport.h"

#include <algorithm>
#include <cmath>

namespace r36::session {

Session::Session(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_commLog(std::make_unique<link::CommLog>()) {
    // The log is a record for bug reports: English, whatever language the window speaks.
    m_commLog->setWording(
        [](const Failure& failure) { return failureText(failure, Wording::English); });
    m_transport = m_options.transport;
    if (!m_transport) {
        m_ownTransport = std::make_unique<link::SerialTransport>();
        m_transport = m_ownTransport.get();
    }
    TransferEvents events;
    events.memoryRead = [this](int memory, const std::string& record) {
        m_image.memRecord[static_cast<std::size_t>(memory)] = record;
        emit memoryChanged(memory);
    };
    events.blockRead = [this](Block block, const std::string& text) {
        onBlockRead(block, text);
    };
    events.progress = [this](int minimum, int maximum, int value, const TransferStep& step) {
        emit transferProgress(minimum, maximum, value, step);
    };
    events.finished = [this](const TransferResult& result, const image::CloneImage& ended,
                             std::int16_t radioVersion, const image::ReceiverHoldings& holdings) {
        onTransferEnded(result, ended, radioVersion, holdings);
    };
    m_worker = new TransferWorker(*m_transport, *this, std::move(events), m_commLog.get());
    m_worker->setReplyTimeout(m_options.replyTimeout);
    m_transport->moveToThread(&m_thread);
    m_worker->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("transfers"));
    m_thread.start();

    // Start-up: the fresh image, the port choice of the settings file, the default partition.
    m_image = image::freshImage();
    m_labels = image::defaultMemoryLabels();
    if (!m_options.settingsFilePath.isEmpty()) {
        // An unreadable settings file leaves the defaults, as a missing one does.
        (void)files::readSettingsFile(m_options.settingsFilePath, m_link);
        if (m_link.commPort < 1 || m_link.commPort > kPortCount)
            m_link.commPort = 1;
    }
    resetPartition();
    showSettingsBlocks();
    m_undo.clear(); // start-up is not a step anyone can undo
    markSaved();
}

Session::~Session() {
    cancelTransfer();
    // The transport goes back to this thread, so whoever owns it can delete it here.
    QMetaObject::invokeMethod(
        m_worker,
        [this, home = thread()] {
            m_transport->close();
            m_transport->moveToThread(home);
            delete m_worker;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

// ---- State and history --------------------------------------------------------------------

DocumentState Session::state() const {
    return {m_image, m_settings, m_labels, m_bankCounts, m_displayedTotal};
}

void Session::restore(const DocumentChange& change, bool after) {
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

void Session::pushStep(const QString& what, const DocumentState& before) {
    DocumentChange change(before, state());
    if (!change.empty())
        m_undo.push(new UndoStep(*this, what, std::move(change)));
}

void Session::undo() {
    if (!m_running) // a transfer's results arrive into the document as it is
        m_undo.undo();
}

void Session::redo() {
    if (!m_running)
        m_undo.redo();
}

image::CloneImage Session::withSettingsStored() const {
    image::CloneImage stored = m_image;
    image::storeSysBlock(m_settings, stored.sysBlock);
    image::storeSys3Block(m_settings, stored.sys3Block);
    stored.remoconId = image::storeRemoconId(m_settings.tvText);
    return stored;
}

void Session::markSaved() {
    m_savedImage = withSettingsStored();
    m_undo.setClean();
}

bool Session::hasUnsavedChanges() const {
    return withSettingsStored() != m_savedImage;
}

void Session::showSettingsBlocks() {
    image::showSysBlock(m_settings, m_image.sysBlock);
    image::showSys3Block(m_settings, m_image.sys3Block);
    image::showRemoconId(m_settings, m_image.remoconId);
    emit settingsChanged();
}

void Session::relabelIfValid() {
    // Labels follow the bank table only while the displayed total reads 1000.
    if (partitionValid()) {
        image::relabelMemoryList(m_image.bankTable, m_labels);
        emit labelsChanged();
    }
}

void Session::loadPartition(bool totalValid) {
    m_bankCounts = image::bankCounts(m_image.bankTable);
    relabelIfValid();
    if (totalValid)
        m_displayedTotal = image::kBankAreaSize;
    emit partitionChanged();
}

// ---- Files --------------------------------------------------------------------------------

Session::OpenReport Session::open(const QString& path) {
    OpenReport report;
    if (path == m_options.settingsFilePath) {
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

Outcome Session::save(const QString& path) {
    image::CloneImage stored = withSettingsStored();
    const Outcome saved = files::writeCloneFile(path, stored, m_link, m_options.settingsFilePath);
    if (!saved)
        return saved;
    m_image = std::move(stored);
    m_fileName = path;
    emit fileNameChanged(m_fileName);
    // The settings file keeps only the port and speed: Save then asks for a clone file again.
    m_savePath = path == m_options.settingsFilePath ? QString() : path;
    if (!m_savePath.isEmpty())
        markSaved();
    return saved;
}

Outcome Session::importCsv(const QString& path) {
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

Outcome Session::exportCsv(const QString& path, const std::function<void(int row)>& progress) {
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

Outcome Session::saveSettingsFile() const {
    return saveSettings(m_options.settingsFilePath, m_image, m_link);
}

Outcome Session::choosePort(int commPort) {
    const auto port = static_cast<std::uint16_t>(std::clamp(commPort, 1, kPortCount));
    // Another port may reach another receiver: what this one held says nothing of it.
    if (port != m_link.commPort)
        m_holdings = {};
    m_link.commPort = port;
    m_device.clear();
    emit linkChoicesChanged();
    return saveSettingsFile();
}

Outcome Session::chooseSpeed(int commSpeed) {
    m_link.commSpeed = static_cast<std::uint16_t>(commSpeed);
    emit linkChoicesChanged();
    return saveSettingsFile();
}

Outcome Session::saveCommLog(const QString& path) const {
    return m_commLog->save(path);
}

Outcome Session::logCommunicationTo(const QString& path) {
    return m_commLog->writeAlongTo(path);
}

void Session::useDevice(const QString& device, int commPort, int commSpeed) {
    m_device = device;
    m_devicePort = commPort;
    if (commPort > 0)
        m_link.commPort = static_cast<std::uint16_t>(commPort);
    m_link.commSpeed = static_cast<std::uint16_t>(commSpeed);
    emit linkChoicesChanged();
}

} // namespace r36::session
