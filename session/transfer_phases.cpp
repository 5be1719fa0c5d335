#include "transfer_phases.h"

#include "holdings_tracker.h"

#include "image/image_difference.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"

#include <QtGlobal>

#include <memory>
#include <vector>

namespace r36::session {

namespace {

using image::PieceKind;
/// The block operation that writes or reads `piece`.
Outcome operate(link::CloneTransfer& transfer, const image::Piece& piece, bool write) {
    switch (piece.kind) {
    case PieceKind::BankTablePart:
        return write ? transfer.writeBankTable() : transfer.readBankTable();
    case PieceKind::BankLinkGroup:
        return write ? transfer.writeBankLinks() : transfer.readBankLinks();
    case PieceKind::PsLinkGroup:
        return write ? transfer.writePsLinks() : transfer.readPsLinks();
    case PieceKind::SysBlockPart:
        return write ? transfer.writeSysBlock() : transfer.readSysBlock();
    case PieceKind::Sys3Block:
        return write ? transfer.writeSys3Block() : transfer.readSys3Block();
    case PieceKind::RemoconId:
        return write ? transfer.writeRemoconId() : transfer.readRemoconId();
    case PieceKind::Memory:
        return write ? transfer.writeMemory(piece.index) : transfer.readMemory(piece.index);
    }
    Q_UNREACHABLE(); // every kind is handled above
    return Outcome::success();
}

/// Runs the plan's operations (writes or reads), in Write all's order, until one fails.
Outcome runPlan(link::CloneTransfer& transfer, const image::WritePlan& plan, bool write,
                const PhaseProgress& progress) {
    const std::vector<image::Piece> pieces = plan.pieces();
    const int total = static_cast<int>(pieces.size());
    int done = 0;
    for (const image::Piece& piece : pieces) {
        if (const Outcome outcome = operate(transfer, piece, write); !outcome)
            return outcome;
        if (progress)
            progress(++done, total);
    }
    return Outcome::success();
}

} // namespace

Outcome writePlanned(link::RadioLink& radio, link::CloneTransfer& transfer,
                     const image::WritePlan& plan, const PhaseProgress& progress) {
    Outcome outcome = radio.connectRadio();
    if (outcome)
        outcome = runPlan(transfer, plan, true, progress);
    return outcome.within(FailureStep::of(FailureStep::Command::WriteChanges));
}

Outcome readBack(link::RadioLink& radio, const image::CloneImage& image,
                 const HoldingsTracker& written, image::ReceiverHoldings& holdings,
                 const PhaseProgress& progress) {
    image::CloneImage scratch = image; // what the user edits stays as it was sent
    image::ReceiverHoldings read;
    HoldingsTracker reader(read, scratch);
    link::TransferHooks hooks;
    hooks.stored = [&reader](const image::Piece& piece) {
        reader.stored(piece);
    };
    link::CloneTransfer transfer(radio, scratch, std::move(hooks));
    const Outcome outcome = runPlan(transfer, written.readBackPlan(), false, progress);
    read.radioVersion = radio.state().radioVersion;
    holdings.takeKnown(read);
    if (!outcome)
        return outcome.within(FailureStep::of(FailureStep::Kind::Verifying));
    auto differs =
        std::make_shared<image::Difference>(image::difference(read, written.acknowledgedPieces()));
    if (differs->empty())
        return Outcome::success();
    Failure mismatch(FailureKind::ReceiverDiffers);
    mismatch.difference = std::move(differs);
    return Outcome::failure(std::move(mismatch));
}

} // namespace r36::session
