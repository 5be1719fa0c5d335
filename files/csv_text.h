#pragma once

// The CSV channel list as text, without files or Qt: the export's lines and the import's parser.

#include "image/clone_image.h"
#include "image/outcome.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r36::files {

/// Line 1 of the CSV file: the memory list's column headings.
inline constexpr std::string_view kCsvHeader =
    "BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,Offset Freq.,Skip,Name";

/// Lines of a complete file: the header and one line per user memory.
inline constexpr int kCsvLineCount = 1 + image::kUserMemoryCount; // 1701

/// The 1701 lines of the memory list as text (header, then memory 0..1699 with its label),
/// each ended by CR LF. A cell holding a comma, a double quote or a line break is written in
/// double quotes with its quotes doubled. `progress` is called with the row 0..1700 being written.
std::string csvText(const image::CloneImage& image, const std::vector<std::string>& labels,
                    const std::function<void(int row)>& progress = {});

/// Memories first..last as lines of that list without its header, cells between `separator`s
/// (quoted when they hold one), each line ended by CR LF.
std::string csvRows(const image::CloneImage& image, const std::vector<std::string>& labels,
                    int first, int last, char separator = ',');

/// Appends one cell: as it is, or in double quotes with its quotes doubled when it holds
/// `separator`, a double quote or a line break.
void appendCell(std::string& text, std::string_view cell, char separator);

/// The fields of one line between `separator`s. A field that starts with a double quote runs to
/// its closing quote, separators included, a doubled quote inside standing for one; what follows
/// the closing quote up to the next separator is kept. nullopt when a quote is left open.
std::optional<std::vector<std::string>> csvFields(std::string_view line, char separator = ',');

/// The record that one data line's fields give memory `memory`, or why it cannot be stored.
/// Missing trailing fields count as empty; an empty frequency gives a free memory. Frequency and
/// offset are digits with at most one decimal point and an optional "MHz"; a list field may
/// also be "?" and two hex digits, the export's text for a byte beyond its list.
struct CsvLineRecord {
    std::string record;
    /// Why not, when not: "frequency "abc" is not 0.1 .. 1299.999999 MHz".
    Outcome problem = Outcome::success();

    bool ok() const { return problem.ok(); }
};
CsvLineRecord csvLineRecord(const std::vector<std::string>& fields, int memory);

/// Result of parsing a CSV file into new records for memories 0..1720.
struct CsvImport {
    /// A DamagedLine, IncompleteFile or TooManyLines failure's `line` is the number the message
    /// shows ("Error at line" + line).
    Outcome outcome = Outcome::success();
    std::vector<std::string> records; // 1721 records when ok

    bool ok() const { return outcome.ok(); }
};

/// Parses CSV text; nothing is applied to any image. Line k (k >= 2) gives memory k - 2; a line
/// with an empty frequency gives a free memory (csvLineRecord). A field in double
/// quotes may hold commas and doubled quotes; a quote left open fails its line. Reading stops at
/// the first line that cannot be stored; a file that does not hold exactly 1701 lines fails too
/// (errorLine = number of lines + 1, or 1702 when there are more).
CsvImport parseCsv(const std::string& text);

} // namespace r36::files
