#include "transfer_phases.h"

#include "holdings_tracker.h"

#include "image/image_difference.h"
#include "link/clone_transfer.h"
#include "link/radio_link.h"

#include <vector>

namespace r36::session {

namespace {

using Operation = Outcome (link::CloneTransfer::*)();

/// A block of a plan: whether the plan has it, and the operations that write and read it. The
/// blocks come in Write all's order; the memories follow them.
struct PlannedBlock {
    bool image::WritePlan::*wanted;
    Operation write;
    Operation read;
};

const PlannedBlock kBlocks[] = {
    {&image::WritePlan::bankTable, &link::CloneTransfer::writeBankTable,
     &link::CloneTransfer::readBankTable},
    {&image::WritePlan::bankLinks, &link::CloneTransfer::writeBankLinks,
     &link::CloneTransfer::readBankLinks},
    {&image::WritePlan::psLinks, &link::CloneTransfer::writePsLinks,
     &link::CloneTransfer::readPsLinks},
    {&image::WritePlan::sysBlock, &link::CloneTransfer::writeSysBlock,
     &link::CloneTransfer::readSysBlock},
    {&image::WritePlan::sys3Block, &link::CloneTransfer::writeSys3Block,
     &link::CloneTransfer::readSys3Block},
    {&image::WritePlan::remoconId, &link::CloneTransfer::writeRemoconId,
     &link::CloneTransfer::readRemoconId},
};

/// Runs the plan's operations (writes or reads) until one fails.
Outcome runPlan(link::CloneTransfer& transfer, const image::WritePlan& plan, bool write,
                const PhaseProgress& progress) {
    const int total = plan.pieceCount();
    int done = 0;
    for (const PlannedBlock& block : kBlocks) {
        if (!(plan.*block.wanted))
            continue;
        if (const Outcome outcome = (transfer.*(write ? block.write : block.read))(); !outcome)
            return outcome;
        if (progress)
            progress(++done, total);
    }
    for (int memory : plan.memories) {
        const Outcome outcome = write ? transfer.writeMemory(memory) : transfer.readMemory(memory);
        if (!outcome)
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
    return outcome ? outcome : Outcome::failure("Write changes: " + outcome.reason());
}

Outcome readBack(link::RadioLink& radio, const image::CloneImage& image,
                 const HoldingsTracker& written, image::ReceiverHoldings& holdings,
                 const PhaseProgress& progress) {
    image::CloneImage scratch = image; // what the user edits stays as it was sent
    image::ReceiverHoldings read;
    HoldingsTracker reader(read, scratch);
    link::TransferHooks hooks;
    hooks.stored = [&reader](const std::string& piece) {
        reader.stored(piece);
    };
    link::CloneTransfer transfer(radio, scratch, std::move(hooks));
    const Outcome outcome = runPlan(transfer, written.readBackPlan(), false, progress);
    read.radioVersion = radio.state().radioVersion;
    holdings.takeKnown(read);
    if (!outcome)
        return Outcome::failure("verifying: " + outcome.reason());
    const image::Difference differs = image::difference(read, written.acknowledgedPieces());
    if (differs.empty())
        return Outcome::success();
    std::string text = "verify after writing found " + differs.countsText() +
                       " that the receiver holds otherwise:";
    for (const image::Change& change : differs.changes) {
        text += "\n" + change.mismatchText();
        // The one-byte write goes to the block's own address; this receiver did not take it
        // as PROTCT's byte.
        if (change.kind == image::PieceKind::Sys3Setting)
            text += " (the PROTCT change did not stick on the receiver)";
    }
    return Outcome::failure(text);
}

} // namespace r36::session
