#pragma once

// The transfer commands and how one of them ended, as the session reports it.

#include "image/failure.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

#include <vector>

namespace r36::session {

enum class Transfer {
    ReadAll,
    WriteAll,
    ReadThisPage,
    WriteThisPage,
    BankRead,
    BankWrite,
    ReadSelected,
    WriteSelected,
    WriteChanges, // only the pieces that differ from what the receiver holds
};

// Each command's properties come from its row in the table of transfers (transfer_table.h).

/// True for the commands that cover the whole receiver: their failures carry the title
/// "Error", the others " Error", and a success leaves nothing unsaved.
bool isWholeImageTransfer(Transfer kind);

bool isWriteTransfer(Transfer kind);

/// The command's name as its button or menu item says it ("Read all", "Bank Write").
QString transferName(Transfer kind);

/// Where a running transfer is, for the progress box: `done` of `total` memories (or, for Write
/// changes, pieces) sent or read, or read back to verify them.
struct TransferStep {
    enum class Kind { Starting, Memory, Piece, Verify };

    Kind kind = Kind::Starting;
    int done = 0;
    int total = 0;
};

struct TransferResult {
    enum class Status { Complete, Failed, Cancelled };

    Transfer kind = Transfer::ReadAll;
    Status status = Status::Complete;
    /// Why it failed or where it stopped (Cancelled); nothing to say on success. The words come
    /// from failureText() and stoppedText().
    Failure failure;
    /// What the receiver acknowledged, in the order it was sent.
    std::vector<image::Piece> written;
    /// Commands sent a second time after a time-out or a reply out of step.
    int repeated = 0;
    /// What was done: the memories moved (the pieces for Write changes), the receiver's version
    /// as it greeted (206 for "2.06"; 0 before any greeting), and whether what was written was
    /// read back and found as sent.
    int count = 0;
    int radioVersion = 0;
    bool verified = false;

    bool ok() const { return status == Status::Complete; }
};

/// "Complete", or "Complete — 2 commands repeated after a time-out".
inline QString completeText(int repeated) {
    if (repeated == 0)
        return QCoreApplication::translate("r36::session::Transfer", "Complete");
    if (repeated == 1)
        return QCoreApplication::translate("r36::session::Transfer",
                                           "Complete — 1 command repeated after a time-out");
    return QCoreApplication::translate("r36::session::Transfer",
                                       "Complete — %1 commands repeated after a time-out")
        .arg(repeated);
}

} // namespace r36::session

Q_DECLARE_METATYPE(r36::session::TransferResult)
Q_DECLARE_METATYPE(r36::session::TransferStep)
