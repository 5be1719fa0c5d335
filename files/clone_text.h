#pragma once

// The clone-file text itself, without files or Qt: what the writer produces and how the reader
// applies it. Kept apart from the file handling so it can be tested and fuzzed on plain text.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// A line of a clone file that was not loaded, and why: its `key` and what is wrong with it.
struct SkippedLine {
    enum class Problem {
        NoMemoryAndRecord,   // an MR line without its memory number and record
        NoGroupAndEntry,     // a LINK0 or LINK1 line without its group number and entry
        MemoryNumberOutside, // not a number `low`..`high`
        GroupNumberOutside,  // not a number `low`..`high`
        ValueOutside,        // COMM, SPD: not a number `low`..`high`
        RecordNotHex,        // not one of `hexLengths` hex digits
        TableNotHex,
        EntryNotHex,
        BlockNotHex,
    };
    int lineNumber = 0; // 1-based
    Problem problem = Problem::NoMemoryAndRecord;
    std::string key; // "MR", "BK", "LINK0", "SYS3", ...
    int low = 0, high = 0;
    std::vector<int> hexLengths;

    bool operator==(const SkippedLine&) const = default;
};

/// A line whose key is not one of this file's: another program's line, or damage (a lower-case
/// key, a stray byte before it) that would lose what the line was meant to hold.
struct UnknownLine {
    int lineNumber = 0; // 1-based
    std::string text;   // the line's start: enough to show it, not a 10 MB line in a message
};

/// A line that every clone file has and this one lacks: a block that keeps the value it had.
struct MissingLine {
    std::string key;         // "BK", "LINK0", "LINK1", "SYS", "SYS3", "REMOCONID", "COMM", ...
    std::vector<int> groups; // LINK0 and LINK1: the group numbers without a line, ascending

    bool operator==(const MissingLine&) const = default;
};

/// What a clone-file load found besides the image.
struct CloneFileReport {
    std::vector<SkippedLine> skipped;
    std::vector<UnknownLine> unknown;
    /// "END" first (a file cut short lacks it), then in the order the writer writes them.
    std::vector<MissingLine> missing;
    int lineCount = 0;         // lines read
    int lastMemory = -1;       // the highest memory an MR line loaded; -1: none
    bool hadBankTable = false; // a BK line was loaded

    /// Every line the writer writes is there: sending the file leaves nothing at a default.
    bool complete() const { return missing.empty(); }
    /// Complete, and every line loaded.
    bool clean() const { return complete() && skipped.empty() && unknown.empty(); }
};

/// The lines of a clone file, each ended by CR LF: DATE (`dateText` after "DATE:"), an MR line for
/// every user memory in use, BK, ten LINK0, nine LINK1, SYS, SYS3, REMOCONID, COMM, SPD, END.
std::string cloneText(const image::CloneImage& image, const image::LinkState& link,
                      std::string_view dateText);

/// The lines of the settings file: DATE, COMM, SPD, "VERIFY:0" when writes are not read back,
/// END.
std::string settingsText(const image::LinkState& link, std::string_view dateText);

/// Applies the text of a clone file: user memories 0..1699 become empty and the presets are
/// restored, then every line is applied in file order (lines after END included). A block
/// without a line keeps its contents. A line whose key is known but whose fields are not what the
/// receiver holds (wrong length, not hex, number out of range) is skipped and listed in `report`;
/// a line of an unknown key is listed too, and the lines the writer always writes but the text
/// lacks; empty lines are ignored. Hex is stored upper-case. A text without a single
/// line of a key of this file (DATE, MR, BK, LINK0, LINK1, SYS, SYS3, REMOCONID, COMM, SPD, END)
/// fails with "not a clone file" and changes nothing.
Outcome parseCloneText(std::string_view text, image::CloneImage& image, image::LinkState& link,
                       CloneFileReport& report);

/// Applies only the COMM, SPD and VERIFY lines of a settings file; values out of range are
/// ignored.
void parseSettingsText(std::string_view text, image::LinkState& link);

} // namespace r36::files
