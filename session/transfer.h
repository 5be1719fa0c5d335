#pragma once

// The eight transfer commands and how one of them ended, as the session reports it.

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

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

/// True for the commands that cover the whole receiver: their failures carry the title
/// "Error", the others " Error", and a success leaves nothing unsaved.
constexpr bool isWholeImageTransfer(Transfer kind) {
    return kind == Transfer::ReadAll || kind == Transfer::WriteAll;
}

constexpr bool isWriteTransfer(Transfer kind) {
    return kind == Transfer::WriteAll || kind == Transfer::WriteThisPage ||
           kind == Transfer::BankWrite || kind == Transfer::WriteSelected ||
           kind == Transfer::WriteChanges;
}

/// The command's name as its button or menu item says it ("Read all", "Bank Write").
inline QString transferName(Transfer kind) {
    switch (kind) {
    case Transfer::ReadAll:
        return QCoreApplication::translate("r36::session::Transfer", "Read all");
    case Transfer::WriteAll:
        return QCoreApplication::translate("r36::session::Transfer", "Write all");
    case Transfer::ReadThisPage:
        return QCoreApplication::translate("r36::session::Transfer", "Read This Page");
    case Transfer::WriteThisPage:
        return QCoreApplication::translate("r36::session::Transfer", "Write This Page");
    case Transfer::BankRead:
        return QCoreApplication::translate("r36::session::Transfer", "Bank Read");
    case Transfer::BankWrite:
        return QCoreApplication::translate("r36::session::Transfer", "Bank Write");
    case Transfer::ReadSelected:
        return QCoreApplication::translate("r36::session::Transfer", "Read selected memory");
    case Transfer::WriteSelected:
        return QCoreApplication::translate("r36::session::Transfer", "Write selected memory");
    case Transfer::WriteChanges:
        return QCoreApplication::translate("r36::session::Transfer", "Write changes");
    }
    return {};
}

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
    /// Why it failed, or where it stopped and what reached the receiver; empty on success.
    QString reason;
    /// What was done: the memories moved (the pieces for Write changes), the receiver's version
    /// as it greeted (206 for "2.06"; 0 before any greeting), and whether what was written was
    /// read back and found as sent.
    int count = 0;
    int radioVersion = 0;
    bool verified = false;

    bool ok() const { return status == Status::Complete; }
};

} // namespace r36::session

Q_DECLARE_METATYPE(r36::session::TransferResult)
Q_DECLARE_METATYPE(r36::session::TransferStep)
