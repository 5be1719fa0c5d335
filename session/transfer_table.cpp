#include "transfer_table.h"

#include "transfer_worker.h"

#include "link/clone_transfer.h"

#include <QCoreApplication>

#include <iterator>

namespace r36::session {

namespace {

using image::WritePlan;
using link::CloneTransfer;
using link::RadioLink;

WritePlan everything(int, int, const WritePlan&) {
    return WritePlan::all();
}
WritePlan settingsPage(int, int, const WritePlan&) {
    return WritePlan::settings();
}
WritePlan banks(int, int, const WritePlan&) {
    return WritePlan::banks();
}
WritePlan selected(int first, int last, const WritePlan&) {
    return WritePlan::memoryRange(first, last);
}
WritePlan changes(int, int, const WritePlan& differing) {
    return differing;
}

// The names are translated in the context "r36::session::Transfer".
const TransferCommand kCommands[] = {
    {Transfer::ReadAll, QT_TRANSLATE_NOOP("r36::session::Transfer", "Read all"), false, true,
     everything,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.readAll();
     }},
    {Transfer::WriteAll, QT_TRANSLATE_NOOP("r36::session::Transfer", "Write all"), true, true,
     everything,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.writeAll();
     }},
    {Transfer::ReadThisPage, QT_TRANSLATE_NOOP("r36::session::Transfer", "Read This Page"), false,
     false, settingsPage,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.readThisPage();
     }},
    {Transfer::WriteThisPage, QT_TRANSLATE_NOOP("r36::session::Transfer", "Write This Page"), true,
     false, settingsPage,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.writeThisPage();
     }},
    {Transfer::BankRead, QT_TRANSLATE_NOOP("r36::session::Transfer", "Bank Read"), false, false,
     banks,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.bankRead();
     }},
    {Transfer::BankWrite, QT_TRANSLATE_NOOP("r36::session::Transfer", "Bank Write"), true, false,
     banks,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest&, const PhaseProgress&) {
         return transfer.bankWrite();
     }},
    {Transfer::ReadSelected, QT_TRANSLATE_NOOP("r36::session::Transfer", "Read selected memory"),
     false, false, selected,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest& request, const PhaseProgress&) {
         return transfer.readSelected(request.first, request.last);
     }},
    {Transfer::WriteSelected, QT_TRANSLATE_NOOP("r36::session::Transfer", "Write selected memory"),
     true, false, selected,
     [](RadioLink&, CloneTransfer& transfer, const TransferRequest& request, const PhaseProgress&) {
         return transfer.writeSelected(request.first, request.last);
     }},
    {Transfer::WriteChanges, QT_TRANSLATE_NOOP("r36::session::Transfer", "Write changes"), true,
     false, changes,
     [](RadioLink& radio, CloneTransfer& transfer, const TransferRequest& request,
        const PhaseProgress& progress) {
         return writePlanned(radio, transfer, request.plan, progress);
     }},
};

// One row per command, in the order of the enum: a command's row is found by its value.
static_assert(std::size(kCommands) == static_cast<std::size_t>(Transfer::WriteChanges) + 1);

} // namespace

const TransferCommand& transferCommand(Transfer kind) {
    const TransferCommand& row = kCommands[static_cast<std::size_t>(kind)];
    Q_ASSERT(row.kind == kind);
    return row;
}

bool isWholeImageTransfer(Transfer kind) {
    return transferCommand(kind).wholeImage;
}

bool isWriteTransfer(Transfer kind) {
    return transferCommand(kind).writes;
}

QString transferName(Transfer kind) {
    return QCoreApplication::translate("r36::session::Transfer", transferCommand(kind).name);
}

} // namespace r36::session
