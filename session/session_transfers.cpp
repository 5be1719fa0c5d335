// The session's transfers: starting them, taking over what they read, what the receiver holds
// after them, the difference a write would make, and the backups of every Read all.

#include "session.h"

#include "backups.h"
#include "transfer_table.h"
#include "transfer_worker.h"
#include "undo_step.h"

#include "link/port_names.h"

#include <QMetaObject>

namespace r36::session {

bool Session::startTransfer(Transfer kind, int first, int last) {
    TransferRequest request;
    request.kind = kind;
    request.first = first;
    request.last = last;
    return startRequest(std::move(request));
}

bool Session::startRequest(TransferRequest request) {
    if (m_running)
        return false;
    m_running = true;
    m_holdingsOnly = request.holdingsOnly;
    request.image = m_image;
    request.link = m_link;
    request.settings = m_settings;
    request.device = m_device.isEmpty() ? link::deviceForPort(m_link.commPort) : m_device;
    request.commPort = m_device.isEmpty() ? m_link.commPort : m_devicePort;
    request.holdings = m_holdings;
    request.verify = m_link.verifyAfterWriting;
    m_transferStart = m_image;
    m_beforeTransfer = std::make_unique<DocumentState>(state());
    m_worker->clearStop();
    emit transferStarted(request.kind);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, request] { worker->run(request); }, Qt::QueuedConnection);
    return true;
}

void Session::cancelTransfer() {
    if (m_running)
        m_worker->requestStop();
}

// ---- What the receiver holds --------------------------------------------------------------

void Session::assumeReceiverHolds(const image::CloneImage& image) {
    m_holdings = image::holdingsOfImage(image, m_link.radioVersion);
}

image::Difference Session::differenceFor(Transfer kind, int first, int last) const {
    const image::WritePlan plan = transferCommand(kind).pieces(first, last, {});
    return image::difference(m_holdings,
                             image::afterWriting(m_holdings, withSettingsStored(), plan));
}

bool Session::startWriteChanges(Transfer scope, int first, int last) {
    if (m_running)
        return false;
    TransferRequest request;
    request.kind = Transfer::WriteChanges;
    request.plan = differenceFor(scope, first, last).plan();
    if (request.plan.empty()) {
        // Nothing differs: nothing is sent, not even the greeting.
        QMetaObject::invokeMethod(
            this,
            [this] {
                TransferResult nothingSent;
                nothingSent.kind = Transfer::WriteChanges;
                emit transferFinished(nothingSent);
            },
            Qt::QueuedConnection);
        return true;
    }
    m_changesScope = scope;
    return startRequest(std::move(request));
}

bool Session::startReceiverRead() {
    TransferRequest request;
    request.kind = Transfer::ReadAll;
    request.holdingsOnly = true;
    return startRequest(std::move(request));
}

Outcome Session::setVerifyAfterWriting(bool verify) {
    m_link.verifyAfterWriting = verify;
    return saveSettingsFile();
}

// ---- While and after a transfer -----------------------------------------------------------

void Session::onBlockRead(Block block, const std::string& text) {
    switch (block) {
    case Block::BankTable:
        m_image.bankTable = text;
        loadPartition(false);
        break;
    case Block::SysBlock:
        m_image.sysBlock = text;
        image::showSysBlock(m_settings, text);
        emit settingsChanged();
        break;
    case Block::Sys3Block:
        m_image.sys3Block = text;
        image::showSys3Block(m_settings, text);
        emit settingsChanged();
        break;
    case Block::RemoconId:
        m_image.remoconId = text;
        image::showRemoconId(m_settings, text);
        emit settingsChanged();
        break;
    }
}

void Session::onTransferEnded(const TransferResult& result, const image::CloneImage& ended,
                              std::int16_t radioVersion, const image::ReceiverHoldings& holdings) {
    m_holdings = holdings;
    if (result.ok() && result.kind == Transfer::ReadAll && !m_options.backupFolder.isEmpty()) {
        image::LinkState link = m_link;
        link.radioVersion = radioVersion;
        const Outcome saved =
            saveBackup(m_options.backupFolder, image::imageOfHoldings(holdings, m_image), link);
        if (!saved)
            emit backupFailed(saved.why());
    }
    // What the transfer changed (reads, flags cleared before writing) is taken over; what the
    // user's side changed meanwhile (a tab-guard reset) stays.
    const image::CloneImage& start = m_transferStart;
    for (std::size_t m = 0; m < ended.memRecord.size(); ++m)
        if (ended.memRecord[m] != start.memRecord[m] &&
            ended.memRecord[m] != m_image.memRecord[m]) {
            m_image.memRecord[m] = ended.memRecord[m];
            emit memoryChanged(static_cast<int>(m));
        }
    if (ended.bankTable != start.bankTable)
        m_image.bankTable = ended.bankTable;
    if (ended.bankLink != start.bankLink)
        m_image.bankLink = ended.bankLink;
    if (ended.psLink != start.psLink)
        m_image.psLink = ended.psLink;
    if (ended.sysBlock != start.sysBlock)
        m_image.sysBlock = ended.sysBlock;
    if (ended.sys3Block != start.sys3Block)
        m_image.sys3Block = ended.sys3Block;
    if (ended.remoconId != start.remoconId)
        m_image.remoconId = ended.remoconId;
    m_link.radioVersion = radioVersion;
    m_running = false;
    // A read over unsaved work is one step of the history, so it can be undone.
    if (m_beforeTransfer)
        pushStep(transferName(result.kind), *m_beforeTransfer);
    m_beforeTransfer.reset();
    const bool wholeImage =
        isWholeImageTransfer(result.kind) ||
        (result.kind == Transfer::WriteChanges && m_changesScope == Transfer::WriteAll);
    if (result.ok() && wholeImage && !m_holdingsOnly)
        markSaved(); // the image and the receiver now hold the same
    m_holdingsOnly = false;
    emit transferFinished(result);
}

} // namespace r36::session
