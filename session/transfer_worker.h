#pragma once

#include "transfer.h"

#include "image/clone_image.h"
#include "image/receiver_holdings.h"
#include "image/settings_block.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace r36::link {
class CommLog;
class RadioLink;
class Transport;
} // namespace r36::link

namespace r36::session {

/// What a transfer starts from: a copy of the session's state, so the transfer's thread never
/// touches the session's own.
struct TransferRequest {
    Transfer kind = Transfer::ReadAll;
    int first = 0, last = 0; // the selected memories (ReadSelected, WriteSelected)
    image::CloneImage image;
    image::LinkState link;
    image::SettingsSelections settings; // stored into the blocks before they are sent
    QString device;                     // the port to open; empty: COMn reaches none
    int commPort = 0;                   // the COM number `device` stands for; 0: named directly
    image::ReceiverHoldings holdings;   // what the receiver holds as the command starts
    image::WritePlan plan;              // WriteChanges: the pieces to send
    bool verify = false;                // writes: read back what was acknowledged
    bool holdingsOnly = false;          // ReadAll into `holdings` alone; the image stays
};

/// Blocks a read replaces, reported as they arrive.
enum class Block { BankTable, SysBlock, Sys3Block, RemoconId };

/// What the transfer tells the session while it runs and when it ends. Every call is made on
/// the thread of the receiver object given to the worker.
struct TransferEvents {
    std::function<void(int memory, const std::string& record)> memoryRead;
    std::function<void(Block block, const std::string& text)> blockRead;
    std::function<void(int minimum, int maximum, int value, const TransferStep& step)> progress;
    /// The image as the transfer left it (reads stored, flags cleared before writing), the
    /// radio version of the last greeting and what the receiver now holds.
    std::function<void(const TransferResult& result, const image::CloneImage& image,
                       std::int16_t radioVersion, const image::ReceiverHoldings& holdings)>
        finished;
};

/// Runs transfer commands on the thread it lives in, which owns the transport. Only
/// requestStop() may be called from another thread.
class TransferWorker : public QObject {
    Q_OBJECT
public:
    /// `log` (may be null) gets every exchange; it must outlive the worker.
    TransferWorker(link::Transport& transport, QObject& receiver, TransferEvents events,
                   link::CommLog* log);

    /// Runs one command to its end and reports through the events.
    void run(const TransferRequest& request);
    /// The running command stops before its next exchange with the receiver.
    void requestStop();
    void clearStop();
    void setReplyTimeout(std::chrono::milliseconds timeout);

private:
    void post(std::function<void()> call);

    link::Transport& m_transport;
    QObject& m_receiver;
    TransferEvents m_events;
    image::LinkState m_state;
    link::RadioLink* m_radio = nullptr; // a child, so it moves to the worker's thread with it
};

} // namespace r36::session
