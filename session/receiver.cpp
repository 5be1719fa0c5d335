#include "receiver.h"

#include "document.h"
#include "failure_text.h"
#include "transfer_worker.h"

#include "image/program_constants.h"
#include "link/comm_log.h"
#include "link/serial_transport.h"

#include <algorithm>

namespace r36::session {

Receiver::Receiver(Document& document, Options options, QObject* parent)
    : QObject(parent), m_document(document), m_options(std::move(options)),
      m_commLog(std::make_unique<link::CommLog>()) {
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
        m_document.memoryRead(memory, record);
    };
    events.blockRead = [this](Block block, const std::string& text) {
        m_document.blockRead(block, text);
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
}

Receiver::~Receiver() {
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

// ---- Port and speed -----------------------------------------------------------------------

Outcome Receiver::choosePort(int commPort) {
    image::LinkState link = m_document.linkState();
    const auto port = static_cast<std::uint16_t>(std::clamp(commPort, 1, kPortCount));
    // Another port may reach another receiver: what this one held says nothing of it.
    if (port != link.commPort)
        m_holdings = {};
    link.commPort = port;
    m_device.clear();
    m_document.setLinkState(link);
    return m_document.saveSettingsFile();
}

Outcome Receiver::chooseSpeed(int commSpeed) {
    image::LinkState link = m_document.linkState();
    link.commSpeed = static_cast<std::uint16_t>(commSpeed);
    m_document.setLinkState(link);
    return m_document.saveSettingsFile();
}

void Receiver::useDevice(const QString& device, int commPort, int commSpeed) {
    m_device = device;
    m_devicePort = commPort;
    image::LinkState link = m_document.linkState();
    if (commPort > 0)
        link.commPort = static_cast<std::uint16_t>(commPort);
    link.commSpeed = static_cast<std::uint16_t>(commSpeed);
    m_document.setLinkState(link);
}

bool Receiver::verifyAfterWriting() const {
    return m_document.linkState().verifyAfterWriting;
}

Outcome Receiver::setVerifyAfterWriting(bool verify) {
    image::LinkState link = m_document.linkState();
    link.verifyAfterWriting = verify;
    m_document.setLinkState(link);
    return m_document.saveSettingsFile();
}

// ---- The communication log ----------------------------------------------------------------

Outcome Receiver::saveCommLog(const QString& path) const {
    return m_commLog->save(path);
}

Outcome Receiver::logCommunicationTo(const QString& path) {
    return m_commLog->writeAlongTo(path);
}

} // namespace r36::session
