#include "failure_text.h"

#include "difference_text.h"
#include "transfer_table.h"

#include "image/memory_map.h"

#include <QCoreApplication>
#include <QStringList>

namespace r36::session {

namespace {

constexpr char kPortContext[] = "r36::link::PortTrouble";
constexpr char kStopContext[] = "r36::session::TransferWorker";
// The words of a channel list's fields come from the files layer, marked there.
constexpr char kFieldContext[] = "r36::files::CsvLine";

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QString hex(std::uint32_t address) {
    return text(image::hexAddress(address));
}

static_assert(static_cast<int>(FailureStep::Command::WriteChanges) ==
                  static_cast<int>(Transfer::WriteChanges),
              "the commands of a failure's step are the transfers, in their order");

QString commandName(FailureStep::Command command, const Words& say) {
    return say(transferCommand(static_cast<Transfer>(command)).name, "r36::session::Transfer");
}

QString stepText(const FailureStep& step, const Words& say) {
    switch (step.kind) {
    case FailureStep::Kind::Command:
        return commandName(step.command, say);
    case FailureStep::Kind::Greeting:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "greeting"));
    case FailureStep::Kind::VersionQuery:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "version query"));
    case FailureStep::Kind::Reading:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "reading %1 at %2"))
            .arg(pieceName(step.piece, say.wording()), hex(step.address));
    case FailureStep::Kind::Writing:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "writing %1 at %2"))
            .arg(pieceName(step.piece, say.wording()), hex(step.address));
    case FailureStep::Kind::Verifying:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "verifying"));
    }
    return {};
}

QString portsFound(const Failure& failure, const Words& say) {
    if (failure.names.empty())
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble", " No serial ports were found."),
                   kPortContext);
    QStringList ports;
    for (const std::string& name : failure.names)
        ports << text(name);
    return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble", " Ports found: %1."), kPortContext)
        .arg(ports.join(QLatin1String(", ")));
}

QString portText(const Failure& failure, const Words& say) {
    const QString device = text(failure.device);
    switch (failure.kind) {
    case FailureKind::NoSerialPort:
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                     "cannot open the port: no serial port found"),
                   kPortContext);
    case FailureKind::PortUnassigned:
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                     "cannot open %1: no serial device stands for it "
                                     "(QBR36_COM%2=/dev/... names one)."),
                   kPortContext)
                   .arg(device)
                   .arg(failure.number) +
               portsFound(failure, say);
    case FailureKind::PortMissing:
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                     "cannot open %1: the device does not exist (is the "
                                     "cable plugged in?)."),
                   kPortContext)
                   .arg(device) +
               portsFound(failure, say);
    case FailureKind::PermissionDenied:
        // Membership of a new group reaches only the processes of a new login.
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                     "cannot open %1: permission denied. Your user must be in the "
                                     "group \"%2\" that owns the device: run `sudo usermod -aG %2 "
                                     "$USER`, then log out and in again."),
                   kPortContext)
            .arg(device, text(failure.value));
    case FailureKind::PortBusy:
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                     "cannot open %1: another program is using it; close that "
                                     "program and try again."),
                   kPortContext)
            .arg(device);
    default:
        return say(QT_TRANSLATE_NOOP("r36::link::PortTrouble", "cannot open %1: %2"), kPortContext)
            .arg(device, text(failure.systemText));
    }
}

QString noReplyText(const Failure& failure, const Words& say) {
    const QString port = text(failure.device);
    const QString what =
        failure.parts.empty()
            ? say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                    "no reply from the receiver on %1 at %2 bps."),
                  kPortContext)
                  .arg(port)
                  .arg(failure.number)
            : say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                    "no readable reply from the receiver on %1 at %2 bps (%3)."),
                  kPortContext)
                  .arg(port)
                  .arg(failure.number)
                  .arg(failureText(failure.parts.front(), say.wording()));
    return what + QLatin1Char(' ') +
           say(QT_TRANSLATE_NOOP("r36::link::PortTrouble",
                                 "Check that the cable is plugged in at both ends, that the "
                                 "receiver is switched on, that the speed is the receiver's "
                                 "(Speed menu, or --speed) and that the port is the one the "
                                 "cable is on (Port menu, or --port)."),
               kPortContext);
}

// The words of a channel list's fields and what they are not, as the files layer names them.
[[maybe_unused]] constexpr const char* kFieldWords[] = {
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "frequency"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "offset"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "mode"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "step"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "shift"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "subtone"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "CTCSS tone"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "DCS code"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "train tone"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "skip"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "name"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not a number of MHz, like 145.020000"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is only allowed in PRG memories"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not FM, AM or WFM"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not a step of the receiver"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not OFF, + or -"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not OFF, Train, CTCSS, REV or DCS"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not a tone of the receiver"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not a code of the receiver"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not a train tone of the receiver"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is not \"*\" or empty"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "is longer than six characters"),
    QT_TRANSLATE_NOOP("r36::files::CsvLine", "holds a character that is not printable ASCII"),
    QT_TRANSLATE_NOOP("r36::files::TextFile", "a folder"),
    QT_TRANSLATE_NOOP("r36::files::TextFile", "a FIFO"),
    QT_TRANSLATE_NOOP("r36::files::TextFile", "a socket"),
    QT_TRANSLATE_NOOP("r36::files::TextFile", "a device"),
    QT_TRANSLATE_NOOP("r36::files::TextFile", "not a file"),
};

QString fieldText(const Failure& failure, const Words& say) {
    const QString field = failure.names.empty() ? QString() : say(failure.names[0], kFieldContext);
    const QString detail =
        failure.names.size() < 2 ? QString() : say(failure.names[1], kFieldContext);
    const QString value = text(failure.value);
    switch (failure.kind) {
    case FailureKind::OutOfRange:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 %2 is not %3")).arg(field, value, detail);
    case FailureKind::DecimalComma:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 %2: a decimal comma? write %3"))
            .arg(field, value, text(failure.names.size() < 2 ? "" : failure.names[1]));
    default:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 %2 %3")).arg(field, value, detail);
    }
}

QString part(const Failure& failure, std::size_t index, const Words& say) {
    return index < failure.parts.size() ? failureText(failure.parts[index], say.wording())
                                        : QString();
}

/// The failure without its steps.
QString causeText(const Failure& failure, const Words& say) {
    const QString path = text(failure.path);
    const QString system = text(failure.systemText);
    const QString value = text(failure.value);
    switch (failure.kind) {
    case FailureKind::CannotRead:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "Cannot read %1: %2")).arg(path, system);
    case FailureKind::CannotCreate:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "Cannot create %1: %2")).arg(path, system);
    case FailureKind::CannotWrite:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "Cannot write %1: %2")).arg(path, system);
    case FailureKind::NotRegularFile:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 is %2, not a regular file"))
            .arg(path, say(failure.value, "r36::files::TextFile"));
    case FailureKind::WrongFileName:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "Can't open the file."));
    case FailureKind::NotCloneFile:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "not a clone file"));
    case FailureKind::DamagedLine:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "line %1: %2"))
            .arg(failure.line)
            .arg(part(failure, 0, say));
    case FailureKind::IncompleteFile:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "the file ends after line %1; a channel list has %2 lines"))
            .arg(failure.line - 1)
            .arg(failure.number);
    case FailureKind::TooManyLines:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the file has more than %1 lines"))
            .arg(failure.number);
    case FailureKind::LogNotWritten:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "cannot write %1: %2")).arg(path, system);
    case FailureKind::CannotCreateFolder:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "cannot create the folder %1")).arg(path);
    case FailureKind::BadField:
    case FailureKind::OutOfRange:
    case FailureKind::DecimalComma:
        return fieldText(failure, say);
    case FailureKind::UnclosedQuote:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "a quoted field is not closed"));
    case FailureKind::Unstorable:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the memory cannot be stored"));
    case FailureKind::TooFewCells:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "%1 cells; a memory row has 12, BANK-CH to Name"))
            .arg(failure.number);
    case FailureKind::NotARecord:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "not a memory record"));
    case FailureKind::NothingToPaste:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the clipboard holds no memory rows"));
    case FailureKind::RowsPastEnd:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "%1 rows from memory %2 would run past memory %3"))
            .arg(failure.number)
            .arg(failure.piece.index)
            .arg(failure.limit);
    case FailureKind::NoSerialPort:
    case FailureKind::PortUnassigned:
    case FailureKind::PortMissing:
    case FailureKind::PermissionDenied:
    case FailureKind::PortBusy:
    case FailureKind::PortError:
        return portText(failure, say);
    case FailureKind::PortBroke:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "port error: %1")).arg(part(failure, 0, say));
    case FailureKind::PortReadLost:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "cannot read from %1 (is the cable unplugged?)"))
            .arg(text(failure.device));
    case FailureKind::PortWriteFailed:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "cannot write to %1: %2"))
            .arg(text(failure.device), system);
    case FailureKind::PortGone:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "%1 is no longer available (is the cable unplugged?)"))
            .arg(text(failure.device));
    case FailureKind::CannotSend:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "cannot send"));
    case FailureKind::LinkBusy:
        return say(
            QT_TRANSLATE_NOOP("r36::Failure", "another command is still waiting for its reply"));
    case FailureKind::NoReply:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "no reply within %1 ms")).arg(failure.number);
    case FailureKind::NoEcho:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "reply not framed (no echo of the command)"));
    case FailureKind::NoLineEnd:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "reply not framed (no CR LF within %1 ms)"))
            .arg(failure.number);
    case FailureKind::NotFramed:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "reply not framed"));
    case FailureKind::EmptyReply:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "empty reply"));
    case FailureKind::SentTwice:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1, sent twice")).arg(part(failure, 0, say));
    case FailureKind::SentAgain:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1; sent again: %2"))
            .arg(part(failure, 0, say), part(failure, 1, say));
    case FailureKind::NoGreetingReply:
        return noReplyText(failure, say);
    case FailureKind::GreetingRefused:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "greeting answered \"%1\" instead of \"OK\""))
            .arg(value);
    case FailureKind::BadVersion:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "version reply \"%1\" is not three digits, \"-\" and two "
                                     "digits, like 002-06"))
            .arg(value);
    case FailureKind::VersionOutOfRange:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "version reply \"%1\" is out of range"))
            .arg(value);
    case FailureKind::BadReplyLength:
        if (failure.number < 0)
            return say(QT_TRANSLATE_NOOP("r36::Failure", "bad reply length"));
        return say(QT_TRANSLATE_NOOP("r36::Failure", "bad reply, %1 characters instead of 64"))
            .arg(failure.number);
    case FailureKind::NotHexadecimal:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "bad reply, not hexadecimal: \"%1\""))
            .arg(value);
    case FailureKind::RefusedReply:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "receiver answered \"%1\" instead of \"OK\""))
            .arg(value);
    case FailureKind::BadData:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "data \"%1\" is not 1 to %2 bytes of hexadecimal text; not "
                                     "sent"))
            .arg(value)
            .arg(failure.number);
    case FailureKind::Cancelled:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "cancelled"));
    case FailureKind::NoMemorySelected:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "no memory selected"));
    case FailureKind::MemoriesOutside:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "memories %1..%2 are outside 0..%3"))
            .arg(failure.number)
            .arg(failure.limit)
            .arg(image::kUserMemoryCount - 1);
    case FailureKind::ReceiverDiffers:
        return receiverDiffersText(failure, say.wording());
    case FailureKind::NotUserMemory:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "memory %1 is not a user memory"))
            .arg(failure.number);
    case FailureKind::NotUserMemories:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "memories %1..%2 are not user memories"))
            .arg(failure.number)
            .arg(failure.limit);
    case FailureKind::LastMemoryInUse:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "%1, the last of its bank or area, is in use; nothing moved"))
            .arg(value);
    case FailureKind::AtTopOfGroup:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 is at the top of its bank or area"))
            .arg(value);
    case FailureKind::AtBottomOfGroup:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 is at the bottom of its bank or area"))
            .arg(value);
    case FailureKind::MoveOutsideGroup:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "%1 move only within their bank or area, %2"))
            .arg(value, text(failure.names.empty() ? "" : failure.names[0]));
    case FailureKind::SortAcrossGroups:
        return say(QT_TRANSLATE_NOOP("r36::Failure",
                                     "memories %1..%2 span more than one bank or area; select "
                                     "memories within %3..%4 to sort them"))
            .arg(failure.number)
            .arg(failure.limit)
            .arg(text(failure.names.size() < 2 ? "" : failure.names[0]),
                 text(failure.names.size() < 2 ? "" : failure.names[1]));
    case FailureKind::AfterFailure:
        return part(failure, 0, say) + QStringLiteral(": ") + part(failure, 1, say);
    case FailureKind::Composed:
        return value;
    }
    return value;
}

} // namespace

QString failureText(const Failure& failure, Wording wording) {
    const Words say(wording);
    QString message;
    for (const FailureStep& step : failure.steps)
        message += stepText(step, say) + QStringLiteral(": ");
    return message + causeText(failure, say);
}

std::string englishText(const Failure& failure) {
    return failureText(failure, Wording::English).toStdString();
}

bool namesFile(const Failure& failure, const QString& path) {
    switch (failure.kind) {
    case FailureKind::CannotRead:
    case FailureKind::CannotCreate:
    case FailureKind::CannotWrite:
    case FailureKind::NotRegularFile:
    case FailureKind::CannotCreateFolder:
    case FailureKind::LogNotWritten:
        return failure.path == path.toStdString();
    default:
        return false;
    }
}

QString pieceName(const image::Piece& piece, Wording wording) {
    using image::PieceKind;
    const Words say(wording);
    switch (piece.kind) {
    case PieceKind::BankTablePart:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the bank table"));
    case PieceKind::SysBlockPart:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the settings block"));
    case PieceKind::Sys3Block:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the third settings block"));
    case PieceKind::RemoconId:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "the remote key IDs"));
    case PieceKind::BankLinkGroup:
        if (piece.index == image::Piece::kWhole)
            return say(QT_TRANSLATE_NOOP("r36::Failure", "the bank links"));
        return say(QT_TRANSLATE_NOOP("r36::Failure", "bank-link group %1")).arg(piece.index);
    case PieceKind::PsLinkGroup:
        if (piece.index == image::Piece::kWhole)
            return say(QT_TRANSLATE_NOOP("r36::Failure", "the program-scan links"));
        return say(QT_TRANSLATE_NOOP("r36::Failure", "program-scan-link group %1"))
            .arg(piece.index);
    case PieceKind::Memory:
        break;
    }
    return say(QT_TRANSLATE_NOOP("r36::Failure", "memory %1")).arg(piece.index);
}

QString writtenPiecesText(const std::vector<image::Piece>& pieces, Wording wording) {
    const Words say(wording);
    QStringList parts;
    for (std::size_t i = 0; i < pieces.size();) {
        const image::Piece& first = pieces[i];
        std::size_t j = i + 1;
        if (image::isNumberedKind(first.kind)) {
            // A run of consecutive numbers of one kind: "memories 0..499".
            while (j < pieces.size() && pieces[j].kind == first.kind &&
                   pieces[j].index == pieces[j - 1].index + 1)
                ++j;
            const int last = pieces[j - 1].index;
            if (j - i == 1)
                parts << pieceName(first, wording);
            else if (first.kind == image::PieceKind::Memory)
                parts << say(QT_TRANSLATE_NOOP("r36::Failure", "memories %1..%2"))
                             .arg(first.index)
                             .arg(last);
            else if (first.kind == image::PieceKind::BankLinkGroup)
                parts << say(QT_TRANSLATE_NOOP("r36::Failure", "bank-link groups %1..%2"))
                             .arg(first.index)
                             .arg(last);
            else
                parts << say(QT_TRANSLATE_NOOP("r36::Failure", "program-scan-link groups %1..%2"))
                             .arg(first.index)
                             .arg(last);
        } else {
            // The parts of one block: "the bank table (4 writes)".
            while (j < pieces.size() && pieces[j].kind == first.kind)
                ++j;
            const auto count = static_cast<int>(j - i);
            parts << (count == 1 ? pieceName(first, wording)
                                 : say(QT_TRANSLATE_NOOP("r36::Failure", "%1 (%2 writes)"))
                                       .arg(pieceName(first, wording))
                                       .arg(count));
        }
        i = j;
    }
    return parts.join(QLatin1String(", "));
}

QString stoppedWhereText(const Failure& failure, Wording wording) {
    const Words say(wording);
    // The command is the message's title; the steps inside it say where.
    QStringList where;
    for (std::size_t k = 0; k < failure.steps.size(); ++k)
        if (k > 0 || failure.steps[k].kind != FailureStep::Kind::Command)
            where << stepText(failure.steps[k], say);
    if (where.isEmpty() && !failure.steps.empty())
        where << stepText(failure.steps.front(), say);
    const QString at = where.isEmpty() ? causeText(failure, say) : where.join(QStringLiteral(": "));
    return say(QT_TRANSLATE_NOOP("r36::session::TransferWorker", "Stopped before %1."),
               kStopContext)
        .arg(at);
}

QString resultText(const TransferResult& result, Wording wording) {
    switch (result.status) {
    case TransferResult::Status::Complete:
        return {};
    case TransferResult::Status::Failed:
        return failureText(result.failure, wording);
    case TransferResult::Status::Cancelled:
        break;
    }
    return stoppedText(result.failure, isWriteTransfer(result.kind), result.written, wording);
}

QString stoppedText(const Failure& failure, bool writes, const std::vector<image::Piece>& written,
                    Wording wording) {
    const Words say(wording);
    QString message = stoppedWhereText(failure, wording);
    if (!writes)
        return message + say(QT_TRANSLATE_NOOP("r36::session::TransferWorker",
                                               " Everything read before it is kept."),
                             kStopContext);
    if (written.empty())
        return message + say(QT_TRANSLATE_NOOP("r36::session::TransferWorker",
                                               " Nothing reached the receiver."),
                             kStopContext);
    return message +
           say(QT_TRANSLATE_NOOP("r36::session::TransferWorker", " The receiver took %1."),
               kStopContext)
               .arg(writtenPiecesText(written, wording));
}

} // namespace r36::session
