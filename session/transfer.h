#pragma once

// The eight transfer commands and how one of them ended, as the session reports it.

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
};

/// True for the commands that cover the whole receiver: their failures carry the title
/// "Error", the others " Error", and a success leaves nothing unsaved.
constexpr bool isWholeImageTransfer(Transfer kind) {
    return kind == Transfer::ReadAll || kind == Transfer::WriteAll;
}

struct TransferResult {
    enum class Status { Complete, Failed, Cancelled };

    Transfer kind = Transfer::ReadAll;
    Status status = Status::Complete;
    /// Why it failed, or where it stopped and what reached the receiver; empty on success.
    QString reason;

    bool ok() const { return status == Status::Complete; }
};

} // namespace r36::session

Q_DECLARE_METATYPE(r36::session::TransferResult)
