#include "transfer_worker.h"

#include "holdings_tracker.h"
#include "transfer_phases.h"
#include "transfer_table.h"

#include "link/clone_transfer.h"
#include "link/radio_link.h"
#include "link/transport.h"

#include <QMetaObject>

#include <algorithm>

namespace r36::session {

TransferWorker::TransferWorker(link::Transport& transport, QObject& receiver, TransferEvents events,
                               link::CommLog* log)
    : m_transport(transport), m_receiver(receiver), m_events(std::move(events)),
      m_radio(new link::RadioLink(transport, m_state, this)) {
    m_radio->setCommLog(log);
}

void TransferWorker::requestStop() {
    m_radio->requestStop();
}

void TransferWorker::clearStop() {
    m_radio->clearStop();
}

void TransferWorker::setReplyTimeout(std::chrono::milliseconds timeout) {
    m_radio->setReplyTimeout(timeout);
}

void TransferWorker::post(std::function<void()> call) {
    QMetaObject::invokeMethod(&m_receiver, std::move(call), Qt::QueuedConnection);
}

void TransferWorker::run(const TransferRequest& request) {
    image::CloneImage image = request.image;
    image::ReceiverHoldings holdings = request.holdings;
    HoldingsTracker tracker(holdings, image);
    m_state = request.link;
    // Also when COMn reaches no device: the one used last must not be opened in its place.
    m_transport.setPort(request.device, m_state.commSpeed, request.commPort);
    link::RadioLink& radio = *m_radio;
    radio.resetRepeatedCommands();
    // A read for what the receiver holds alone tells the session nothing while it runs.
    const bool quiet = request.holdingsOnly;

    std::vector<image::Piece> written;
    link::TransferHooks hooks;
    auto reportBlock = [this, quiet](Block block, const std::string& text) {
        if (!quiet)
            post([this, block, text] { m_events.blockRead(block, text); });
    };
    hooks.showSysBlock = [&] {
        reportBlock(Block::SysBlock, image.sysBlock);
    };
    hooks.showSys3Block = [&] {
        reportBlock(Block::Sys3Block, image.sys3Block);
    };
    hooks.showRemoconId = [&] {
        reportBlock(Block::RemoconId, image.remoconId);
    };
    hooks.bankTableLoaded = [&] {
        reportBlock(Block::BankTable, image.bankTable);
    };
    hooks.storeSysBlock = [&] {
        image::storeSysBlock(request.settings, image.sysBlock);
    };
    hooks.storeSys3Block = [&] {
        image::storeSys3Block(request.settings, image.sys3Block);
    };
    hooks.storeRemoconId = [&] {
        image.remoconId = image::storeRemoconId(request.settings.tvText);
    };
    hooks.memoryChanged = [&](int memory) {
        const std::string record = image.memRecord[static_cast<std::size_t>(memory)];
        if (!quiet)
            post([this, memory, record] { m_events.memoryRead(memory, record); });
    };
    hooks.acknowledged = [&](const image::Piece& piece) {
        written.push_back(piece);
        tracker.acknowledged(piece);
    };
    hooks.stored = [&](const image::Piece& piece) {
        tracker.stored(piece);
    };
    // One bar for both phases: the write's range is stretched by the pieces to read back.
    const TransferCommand& command = transferCommand(request.kind);
    const bool verifying = request.verify && command.writes;
    const int readBackSteps =
        verifying ? command.pieces(request.first, request.last, request.plan).pieceCount() : 0;
    int barMinimum = 0, barMaximum = 0;
    int memoriesDone = 0;
    auto postProgress = [this](int minimum, int maximum, int value, TransferStep step) {
        post([this, minimum, maximum, value, step] {
            m_events.progress(minimum, maximum, value, step);
        });
    };
    auto writeProgress = [&](int minimum, int maximum, int value, TransferStep step) {
        barMinimum = minimum;
        barMaximum = maximum;
        postProgress(minimum, maximum + readBackSteps, value, step);
    };
    hooks.progress = [&](int minimum, int maximum, int value, int done, int memories) {
        memoriesDone = done;
        writeProgress(minimum, maximum, value,
                      {done == 0 ? TransferStep::Kind::Starting : TransferStep::Kind::Memory, done,
                       memories});
    };

    link::CloneTransfer transfer(radio, image, std::move(hooks));
    Outcome outcome = command.run(radio, transfer, request, [&](int done, int total) {
        memoriesDone = done;
        writeProgress(0, total, done, {TransferStep::Kind::Piece, done, total});
    });
    // A command that was in flight when the stop came and failed on its own (no reply, a
    // refusal) is reported as the failure it is.
    const bool cancelled = !outcome && outcome.why().cancelled();
    if (verifying && !cancelled && !written.empty()) {
        const int from = barMaximum;
        const Outcome checked = readBack(radio, image, tracker, holdings, [&](int done, int total) {
            postProgress(barMinimum, from + readBackSteps,
                         from + done * readBackSteps / std::max(total, 1),
                         {TransferStep::Kind::Verify, done, total});
        });
        if (!checked && outcome) {
            outcome =
                checked.within(FailureStep::of(static_cast<FailureStep::Command>(request.kind)));
        } else if (!checked) {
            Failure both(FailureKind::AfterFailure);
            both.parts = {outcome.why(), checked.why()};
            outcome = Outcome::failure(both);
        }
    }
    radio.disconnectRadio();
    if (!holdings.knowsNothing())
        holdings.radioVersion = m_state.radioVersion;

    TransferResult result;
    result.kind = request.kind;
    result.repeated = radio.repeatedCommands();
    result.count = memoriesDone;
    result.radioVersion = m_state.radioVersion;
    result.verified = verifying && !written.empty() && outcome;
    result.written = written;
    if (outcome) {
        result.status = TransferResult::Status::Complete;
    } else {
        result.status =
            cancelled ? TransferResult::Status::Cancelled : TransferResult::Status::Failed;
        result.failure = outcome.why();
    }
    post([this, result, ended = quiet ? request.image : image, version = m_state.radioVersion,
          holdings] { m_events.finished(result, ended, version, holdings); });
}

} // namespace r36::session
