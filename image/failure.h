#pragma once

// Why something failed, as values: a kind and what its message needs. Every layer returns these;
// the words are made only at the edge (the window in the user's language, the command line and
// the communication log in English), so nothing ever decides by reading a message.

#include "image/receiver_piece.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace r36::image {
struct Difference;
} // namespace r36::image

namespace r36 {

enum class FailureKind {
    // Files: `path` names the file, `systemText` is the system's own reason.
    CannotRead,
    CannotCreate,
    CannotWrite,
    NotRegularFile, // `value`: what it is instead ("a folder", "a FIFO", ...)
    WrongFileName,  // the name does not end in the extension of its kind (".R36", ".CSV")
    NotCloneFile,   // no line of a clone file in it
    DamagedLine,    // `line`; `parts[0]` what is wrong with it
    IncompleteFile, // a list that ends after `line` lines
    TooManyLines,   // a list longer than `number` lines
    CannotCreateFolder,
    LogNotWritten, // the communication log's file `path`: `systemText`
    // What is wrong with a line of a channel list. `names[0]` is the field ("frequency"), `value`
    // its text as shown (quoted); both words are translation keys of the files layer.
    BadField,     // `names[1]`: what the field is not ("is not FM, AM or WFM")
    OutOfRange,   // `names[1]`: the range ("0.1 .. 1299.999999 MHz")
    DecimalComma, // `names[1]`: the number with a decimal point
    UnclosedQuote,
    Unstorable,  // the memory's fields give no record
    TooFewCells, // a pasted row of `number` cells
    NotARecord,  // a pasted line that is no memory record
    NothingToPaste,
    RowsPastEnd, // `number` rows from memory `piece` would run past memory `limit`
    // The serial port: `device` as the user chose it ("COM3 (/dev/ttyUSB2)").
    NoSerialPort,     // no port at all to open
    PortUnassigned,   // COM `number` stands for no device; `names` the ports there are
    PortMissing,      // the device does not exist; `names` the ports there are
    PermissionDenied, // `value`: the group that owns the device ("dialout" when unknown)
    PortBusy,
    PortError,       // the port would not open for another reason: `systemText`
    PortBroke,       // the port failed while open: `parts[0]` how (PortReadLost, ...)
    PortReadLost,    // reading from `device` failed (unplugged)
    PortWriteFailed, // writing to `device` failed: `systemText`
    PortGone,        // `device` is no longer available
    CannotSend,
    // The receiver's answers.
    LinkBusy,  // another command still waits for its reply
    NoReply,   // nothing within `number` ms
    NoEcho,    // a reply without the echo of the command
    NoLineEnd, // no CR LF within `number` ms
    NotFramed,
    EmptyReply,
    SentTwice,       // `parts[0]` came of both sendings
    SentAgain,       // `parts[0]` came of the first sending, `parts[1]` of the second
    NoGreetingReply, // at `number` bps; `parts` empty, or why what came was unreadable
    GreetingRefused, // the greeting was answered `value`
    BadVersion,      // the version reply `value` is not like 002-06
    VersionOutOfRange,
    BadReplyLength, // `number` characters instead of 64; -1: a block came short
    NotHexadecimal, // the reply `value`
    RefusedReply,   // the receiver answered `value` instead of "OK"
    BadData,        // `value` is not 1 to `number` bytes of hexadecimal text: never sent
    Cancelled,      // a stop was requested
    // Commands.
    NoMemorySelected,
    MemoriesOutside, // memories `number`..`limit` are outside 0..1699
    ReceiverDiffers, // verify after writing: `difference`
    // Edits refused. `value` names memories by their labels ("Bank09-003..010").
    NotUserMemory,   // memory `number`
    NotUserMemories, // memories `number`..`limit`
    LastMemoryInUse, // `value`, the last of its bank or area, is in use
    AtTopOfGroup,    // `value` is at the top of its bank or area
    AtBottomOfGroup,
    MoveOutsideGroup, // `value` move only within their bank or area, `names[0]`
    SortAcrossGroups, // memories `number`..`limit`; `names[0]`, `names[1]`: the group's bounds
    AfterFailure,     // `parts[0]` failed, and then `parts[1]`
    // A sentence made at the edge itself (the command line's own messages); never below it.
    Composed,
};

/// Where a failure happened, outermost first: the command, then the step within it.
struct FailureStep {
    enum class Kind {
        Command, // `command`: one of the window's transfer commands
        Greeting,
        VersionQuery,
        Reading, // `piece` at `address`
        Writing, // `piece` at `address`
        Verifying,
    };
    /// The transfer commands, in the order of session::Transfer.
    enum class Command {
        ReadAll,
        WriteAll,
        ReadThisPage,
        WriteThisPage,
        BankRead,
        BankWrite,
        ReadSelected,
        WriteSelected,
        WriteChanges,
    };

    Kind kind = Kind::Command;
    Command command = Command::ReadAll;
    image::Piece piece;
    std::uint32_t address = 0;

    /// A step with nothing to name but itself (the greeting, verifying).
    static FailureStep of(Kind kind) { return {kind, Command::ReadAll, {}, 0}; }
    static FailureStep of(Command command) { return {Kind::Command, command, {}, 0}; }
};

struct Failure {
    FailureKind kind = FailureKind::Composed;
    std::string path;
    std::string device;
    std::string systemText;
    std::string value;
    std::vector<std::string> names;
    int line = 0;
    int number = 0;
    int limit = 0;
    image::Piece piece;
    std::vector<FailureStep> steps;
    std::vector<Failure> parts;
    std::shared_ptr<const image::Difference> difference;

    Failure() = default;
    explicit Failure(FailureKind k) : kind(k) {}

    /// This failure inside `step`: the step goes in front of the ones it has.
    Failure within(const FailureStep& step) const {
        Failure outer = *this;
        outer.steps.insert(outer.steps.begin(), step);
        return outer;
    }
    /// True for a stop that was asked for, wherever it happened.
    bool cancelled() const { return kind == FailureKind::Cancelled; }
};

} // namespace r36
