#pragma once

// What of a CHIRP list this receiver cannot hold, and what of the memories CHIRP cannot hold, as
// lines a user reads: the command line prints them in English, the window shows them translated.

#include "import_placement.h"

#include "files/chirp_csv_export.h"
#include "files/chirp_csv_import.h"

#include <QString>

#include <string>
#include <vector>

namespace r36::session {

/// One note of a line: "transmit tone dropped; receive DCS 071 kept".
QString chirpNoteText(const files::ChirpNote& note, const files::ChirpLine& line);

/// "line 7, CROSS: transmit tone dropped; receive DCS 071 kept": the line, the name it has (or
/// had, when it is not carried), then each of its notes.
QString chirpLineText(const files::ChirpLine& line);

/// "memory 1201 (PRG - 0B): CHIRP holds no auto mode; written as FM".
QString chirpExportNoteText(const files::ChirpExportNote& note, const image::CloneImage& image,
                            const std::vector<std::string>& labels);

/// Why `placement` was refused: "42 lines, 30 free memories in Bank03", "42 lines, 20 memories
/// from PRIO - 80 to PRIO - 99".
QString placementRefusalText(const ImportPlacement& placement,
                             const std::vector<std::string>& labels);

/// The bank or area a placement fills, by its labels: "Bank03", "PRG"; memories past the
/// partition's total by their range.
QString placementGroupName(const ImportPlacement& placement,
                           const std::vector<std::string>& labels);

} // namespace r36::session
