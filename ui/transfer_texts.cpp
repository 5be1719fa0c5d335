#include "transfer_texts.h"

#include "session/transfer.h"

namespace r36::ui {

QString TransferTexts::progressText(const session::TransferStep& step) {
    using Kind = session::TransferStep::Kind;
    switch (step.kind) {
    case Kind::Starting:
        return {};
    case Kind::Memory:
        return tr("Memory %1 of %2").arg(step.done).arg(step.total);
    case Kind::Piece:
        return tr("Change %1 of %2").arg(step.done).arg(step.total);
    case Kind::Verify:
        return tr("Verifying %1 of %2").arg(step.done).arg(step.total);
    }
    return {};
}

QString TransferTexts::radioVersionText(int radioVersion) {
    return QStringLiteral("%1.%2")
        .arg(radioVersion / 100)
        .arg(radioVersion % 100, 2, 10, QLatin1Char('0'));
}

QString TransferTexts::memoriesText(int count, bool read, const QString& version) {
    if (count == 1)
        return (read ? tr("One memory read from the receiver, version %1")
                     : tr("One memory written to the receiver, version %1"))
            .arg(version);
    return (read ? tr("%1 memories read from the receiver, version %2")
                 : tr("%1 memories written to the receiver, version %2"))
        .arg(count)
        .arg(version);
}

QString TransferTexts::completeText(const session::TransferResult& result) {
    using session::Transfer;
    const QString version = radioVersionText(result.radioVersion);
    QString text;
    switch (result.kind) {
    case Transfer::ReadAll:
    case Transfer::ReadSelected:
        text = memoriesText(result.count, true, version);
        break;
    case Transfer::WriteAll:
    case Transfer::WriteSelected:
        text = memoriesText(result.count, false, version);
        break;
    case Transfer::ReadThisPage:
        text = tr("The settings read from the receiver, version %1").arg(version);
        break;
    case Transfer::WriteThisPage:
        text = tr("The settings written to the receiver, version %1").arg(version);
        break;
    case Transfer::BankRead:
        text = tr("The banks and links read from the receiver, version %1").arg(version);
        break;
    case Transfer::BankWrite:
        text = tr("The banks and links written to the receiver, version %1").arg(version);
        break;
    case Transfer::WriteChanges:
        text = result.count == 1 ? tr("One change written to the receiver, version %1").arg(version)
                                 : tr("%1 changes written to the receiver, version %2")
                                       .arg(result.count)
                                       .arg(version);
        break;
    }
    if (result.verified)
        text += QLatin1Char('\n') +
                tr("Read back and compared: the receiver holds everything written.");
    // A line that recovered is worth knowing about: the cable or the speed may need a look.
    if (result.repeated > 0)
        text += QLatin1Char('\n') + session::completeText(result.repeated);
    return text;
}

} // namespace r36::ui
