#pragma once

// Channel lists in CHIRP's generic CSV, the format lists travel in between programs and radios:
// what each line becomes as a memory of this receiver, and what of it the receiver cannot hold.

#include "image/failure.h"
#include "image/memory_record.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// Something of a line that the receiver does not take as it is. The text of the message is
/// made where it is shown, from the kind, the field as read and the memory the line became.
struct ChirpNote {
    enum class Kind {
        // The line is not carried at all.
        UnclosedQuote,  // a quoted field is left open
        BadFrequency,   // text: Frequency, not 0.1 .. 1299.999999 MHz
        ModeNotCarried, // text: Mode, neither FM, NFM, AM, NAM nor WFM
        // The line is carried; this part of it is not, or is changed.
        SplitNotCarried,        // text: Offset, the transmit frequency; shift OFF
        DuplexNotCarried,       // text: Duplex, unknown; shift OFF
        OffsetNotCarried,       // text: Offset, not 0 .. 999.999999 MHz; offset 0, shift OFF
        ToneModeNotCarried,     // text: Tone (or CrossMode for "Cross") the receiver lacks; OFF
        TransmitToneDropped,    // text: the transmit side of CrossMode; the receive side is kept
        ToneNotCarried,         // text: the CTCSS tone in Hz the receiver lacks; subtone OFF
        DcsNotCarried,          // text: the DCS code the receiver lacks; subtone OFF
        ReversedDcsNotCarried,  // text: DtcsPolarity with a reversed receive side; subtone OFF
        StepRounded,            // text: TStep; the nearest step of the receiver is taken
        StepNotCarried,         // text: TStep, not a number; 5KHz
        SkipNotCarried,         // text: Skip, "P" (priority) or unknown; not skipped
        NameCut,                // text: the name upper-cased; its first six characters kept
        NameCharactersReplaced, // text: the name; characters beyond printable ASCII became "?"
    };
    Kind kind;
    std::string text;

    bool operator==(const ChirpNote&) const = default;
};

/// True for the kinds that leave the line out.
bool dropsLine(ChirpNote::Kind kind);

/// One data line of the file and the memory it becomes.
struct ChirpLine {
    int lineNumber = 0;                          // counted from 1, the header being line 1
    std::optional<int> location;                 // the Location column, when it is a whole number
    std::string name;                            // the Name column as read
    std::optional<image::MemoryChannel> channel; // nullopt: the line is not carried
    std::string record; // the 64-character record of `channel`; empty when none
    std::vector<ChirpNote> notes;
};

struct ChirpImport {
    enum class Failure {
        None,
        Unreadable, // the file cannot be read: `reason` says why
        NotChirp,   // the first line names no Location and Frequency columns
    };
    Failure failure = Failure::None;
    r36::Failure reason;
    std::vector<ChirpLine> lines; // in file order; blank lines are left out

    bool ok() const { return failure == Failure::None; }
};

/// True when `headerLine` (a UTF-8 byte-order mark allowed) names the columns Location and
/// Frequency, as both CHIRP layouts do; this program's own CSV names neither.
bool isChirpHeader(std::string_view headerLine);

/// True when the first line of the file at `path` is a CHIRP header; false also when the file
/// cannot be read.
bool isChirpFile(const QString& path);

/// The lines of CHIRP CSV text, columns read by their header names in any order; unknown
/// columns and fields beyond the header are ignored, missing ones read as empty.
ChirpImport parseChirpCsv(std::string_view text);

/// Reads and parses a file; fails with Unreadable and the system's reason.
ChirpImport importChirpCsv(const QString& path);

/// The carried lines in Location order (lines without a Location last, in file order), the
/// order in which they are placed into memories; they point into `imported`.
std::vector<const ChirpLine*> carriedInLocationOrder(const ChirpImport& imported);

/// The records of carriedInLocationOrder.
std::vector<std::string> recordsInLocationOrder(const ChirpImport& imported);

} // namespace r36::files
