#pragma once

// Memory rows on the clipboard: tab-separated text with the CSV list's columns for spreadsheets,
// and the raw records for pasting back into this program exactly.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// The clipboard format of the raw records: one record a line, as the image holds them.
inline constexpr char kRecordsMimeType[] = "application/x-qbr36-records";

/// Memories first..last as tab-separated lines of the CSV list (no header), CR LF ended.
std::string copiedText(const image::CloneImage& image, const std::vector<std::string>& labels,
                       int first, int last);
/// Memories first..last as raw records, one a line.
std::string copiedRecords(const image::CloneImage& image, int first, int last);

/// The records that pasting gives memories first, first + 1, ..., or why nothing may be pasted.
struct PastedRows {
    std::vector<std::string> records;
    /// Why not: "line 3: frequency "abc" is not 0.1 .. 1299.999999 MHz".
    Outcome problem = Outcome::success();

    bool ok() const { return problem.ok(); }
};

/// Rows of the CSV list pasted as text: tab-separated when the text holds a tab, else
/// comma-separated, with quoted fields; a first line of column headings is skipped. Each line is
/// read by the CSV import's rules for the memory it lands on, but must hold all twelve cells.
/// Fails for the first bad line (numbered from 1 in the text) or for rows past memory 1699.
PastedRows pastedText(std::string_view text, int first);
/// Raw records as copiedRecords writes them; fails for a line that is no record, or past 1699.
PastedRows pastedRecords(std::string_view text, int first);

} // namespace r36::files
