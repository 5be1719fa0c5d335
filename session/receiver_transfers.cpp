// The receiver's transfers: starting them, handing what they read to the document, what the
// receiver holds after them, the difference a write would make, and the backups of every Read all.

#include "receiver.h"

#include "backups.h"
#include "document.h"
#include "transfer_table.h"
#include "transfer_worker.h"

#include "link/port_names.h"

#include <QMetaObject>

namespace r36::session {

bool Receiver::startTransfer(Transfer kind, int first, int last) {
    TransferRequest request;
    request.kind = kind;
    request.first = first;
    request.last = last;
    return startRequest(std::move(request));
}

bool Receiver::startRequest(TransferRequest request) {
    if (m_running)
        return false;
    m_running = true;
    m_holdingsOnly = request.holdingsOnly;
    request.image = m_document.image();
    request.link = m_document.linkState();
    request.settings = m_document.settings();
    request.device = m_device.isEmpty() ? link::deviceForPort(request.link.commPort) : m_device;
    request.commPort = m_device.isEmpty() ? request.link.commPort : m_devicePort;
    request.holdings = m_holdings;
    request.verify = request.link.verifyAfterWriting;
    m_document.transferStarting();
    m_worker->clearStop();
    emit transferStarted(request.kind);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, request] { worker->run(request); }, Qt::QueuedConnection);
    return true;
}

void Receiver::cancelTransfer() {
    if (m_running)
        m_worker->requestStop();
}

// ---- What the receiver holds --------------------------------------------------------------

void Receiver::assumeReceiverHolds(const image::CloneImage& image) {
    m_holdings = image::holdingsOfImage(image, m_document.linkState().radioVersion);
}

image::Difference Receiver::differenceFor(Transfer kind, int first, int last) const {
    const image::WritePlan plan = transferCommand(kind).pieces(first, last, {});
    return image::difference(
        m_holdings, image::afterWriting(m_holdings, m_document.withSettingsStored(), plan));
}

bool Receiver::startWriteChanges(Transfer scope, int first, int last) {
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

bool Receiver::startReceiverRead() {
    TransferRequest request;
    request.kind = Transfer::ReadAll;
    request.holdingsOnly = true;
    return startRequest(std::move(request));
}

// ---- After a transfer ---------------------------------------------------------------------

void Receiver::onTransferEnded(const TransferResult& result, const image::CloneImage& ended,
                               std::int16_t radioVersion, const image::ReceiverHoldings& holdings) {
    m_holdings = holdings;
    if (result.ok() && result.kind == Transfer::ReadAll && !m_options.backupFolder.isEmpty()) {
        image::LinkState link = m_document.linkState();
        link.radioVersion = radioVersion;
        const Outcome saved = saveBackup(
            m_options.backupFolder, image::imageOfHoldings(holdings, m_document.image()), link);
        if (!saved)
            emit backupFailed(saved.why());
    }
    m_document.takeTransferred(ended, radioVersion);
    m_running = false;
    const bool wholeImage =
        isWholeImageTransfer(result.kind) ||
        (result.kind == Transfer::WriteChanges && m_changesScope == Transfer::WriteAll);
    m_document.transferEnded(transferName(result.kind),
                             result.ok() && wholeImage && !m_holdingsOnly);
    m_holdingsOnly = false;
    emit transferFinished(result);
}

} // namespace r36::session
