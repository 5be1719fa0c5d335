#pragma once

// The clone-file text itself, without files or Qt: what the writer produces and how the reader
// applies it. Kept apart from the file handling so it can be tested and fuzzed on plain text.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// A line of a clone file that was not loaded, and why ("MR record is not 64 hex digits").
struct SkippedLine {
    int lineNumber = 0; // 1-based
    std::string reason;
};

/// What a clone-file load found besides the image.
struct CloneFileReport {
    std::vector<SkippedLine> skipped;
    bool hadBankTable = false; // a BK line was loaded
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
/// unknown keys and empty lines are ignored. Hex is stored upper-case. A text without a single
/// line of a key of this file (DATE, MR, BK, LINK0, LINK1, SYS, SYS3, REMOCONID, COMM, SPD, END)
/// fails with "not a clone file" and changes nothing.
Outcome parseCloneText(std::string_view text, image::CloneImage& image, image::LinkState& link,
                       CloneFileReport& report);

/// Applies only the COMM, SPD and VERIFY lines of a settings file; values out of range are
/// ignored.
void parseSettingsText(std::string_view text, image::LinkState& link);

} // namespace r36::files
