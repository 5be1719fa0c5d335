#pragma once

#include "transfer.h"
#include "transport.h"

#include "image/clone_image.h"
#include "image/failure.h"
#include "image/image_difference.h"
#include "image/outcome.h"
#include "image/receiver_holdings.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <chrono>
#include <cstdint>
#include <memory>

namespace r36::link {
class CommLog;
} // namespace r36::link

namespace r36::session {

class Document;
class TransferWorker;
struct TransferRequest;

/// The receiver as the program knows it: the port and speed it is reached by, the transfers
/// with it, what it holds after them and the log of every exchange. Transfers run on a thread
/// of their own that owns the transport, so nothing they do can re-enter the caller; what they
/// read goes into the document as it arrives.
class Receiver : public QObject {
    Q_OBJECT
public:
    struct Options {
        /// Another cable to the receiver (the simulator), without a parent: moved to the
        /// transfer thread for the receiver's lifetime. Null: a serial port of its own.
        Transport* transport = nullptr;
        /// How long each command waits for its reply; tests shorten it.
        std::chrono::milliseconds replyTimeout{1000};
        /// Where every Read all leaves a backup; empty: none (the command-line tool).
        QString backupFolder;
    };

    Receiver(Document& document, Options options, QObject* parent = nullptr);
    ~Receiver() override;

    // ---- Port and speed ---------------------------------------------------------------------
    /// A menu choice: kept, and the settings file rewritten at once.
    Outcome choosePort(int commPort);
    Outcome chooseSpeed(int commSpeed);
    /// The command line's choice: a device path and the speed, nothing saved. `commPort` is
    /// the COM number the device stands for (written to saved files), 0 to keep it.
    void useDevice(const QString& device, int commPort, int commSpeed);

    // ---- Transfers (receiver_transfers.cpp) -------------------------------------------------
    bool transferRunning() const { return m_running; }
    /// Starts a transfer; false (nothing started) while one runs. Its end comes as
    /// transferFinished, also for a refusal before the greeting. `first`, `last`: the selected
    /// memories of ReadSelected and WriteSelected.
    bool startTransfer(Transfer kind, int first = 0, int last = 0);
    /// The running transfer stops before its next exchange and ends as Cancelled.
    void cancelTransfer();

    // ---- What the receiver holds (receiver_transfers.cpp) -----------------------------------
    /// What the last reads and acknowledged writes (and read-backs) left on the receiver;
    /// forgotten when the Port menu chooses another port.
    const image::ReceiverHoldings& receiverHoldings() const { return m_holdings; }
    /// The command-line tool's "--changes-from": a file stands for what the receiver holds.
    void assumeReceiverHolds(const image::CloneImage& image);
    /// What write command `kind` (WriteAll, BankWrite, WriteThisPage, WriteSelected for
    /// first..last) would change on the receiver.
    image::Difference differenceFor(Transfer kind, int first = 0, int last = 0) const;
    /// "Write changes" within what `scope` writes: only the differing pieces, each with Write
    /// all's block operation. With nothing to send it ends at once as Complete, sending nothing.
    bool startWriteChanges(Transfer scope, int first = 0, int last = 0);
    /// One Read all into what the receiver holds (and a backup); the image stays as it is.
    bool startReceiverRead();
    /// Writes are read back and compared unless switched off; kept in the settings file.
    bool verifyAfterWriting() const;
    Outcome setVerifyAfterWriting(bool verify);
    const QString& backupFolder() const { return m_options.backupFolder; }

    // ---- The communication log --------------------------------------------------------------
    /// Every exchange with the receiver since the session started, for Help > Save
    /// communication log… and the live log files of QBR36_LOG and --log.
    link::CommLog& commLog() { return *m_commLog; }
    /// Help > Save communication log…: the log so far, completely or not at all.
    Outcome saveCommLog(const QString& path) const;
    /// QBR36_LOG: every line from now on is also written to `path`; fails, changing nothing,
    /// when the file cannot be created.
    Outcome logCommunicationTo(const QString& path);

signals:
    void transferStarted(r36::session::Transfer kind);
    void transferProgress(int minimum, int maximum, int value,
                          const r36::session::TransferStep& step);
    void transferFinished(const r36::session::TransferResult& result);
    /// A Read all succeeded but its backup could not be saved.
    void backupFailed(const r36::Failure& why);

private:
    void onTransferEnded(const TransferResult& result, const image::CloneImage& ended,
                         std::int16_t radioVersion, const image::ReceiverHoldings& holdings);
    bool startRequest(TransferRequest request);

    Document& m_document;
    Options m_options;
    QString m_device;     // the command line's device; empty: the COM port's
    int m_devicePort = 0; // the COM number m_device stands for; 0: named directly

    std::unique_ptr<link::CommLog> m_commLog; // outlives the worker, which adds to it
    std::unique_ptr<link::Transport> m_ownTransport;
    link::Transport* m_transport = nullptr;
    QThread m_thread;
    TransferWorker* m_worker = nullptr; // lives in m_thread
    bool m_running = false;
    image::ReceiverHoldings m_holdings;
    bool m_holdingsOnly = false; // the running transfer reads for m_holdings alone
    Transfer m_changesScope{};   // the running Write changes' command
};

} // namespace r36::session
