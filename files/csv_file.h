#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace r36::files {

/// True when the last four characters, upper-cased, are ".CSV".
bool hasCsvExtension(const QString& path);

/// The 1701 lines of the memory list as text (header, then memory 0..1699 with its label),
/// each ended by CR LF. `progress` is called with the row 0..1700 being written.
std::string csvText(const image::CloneImage& image, const std::vector<std::string>& labels,
                    const std::function<void(int row)>& progress = {});

/// Writes csvText atomically (temporary file renamed over the target).
Outcome exportCsv(const QString& path, const image::CloneImage& image,
                  const std::vector<std::string>& labels,
                  const std::function<void(int row)>& progress = {});

/// Result of parsing a CSV file into new records for memories 0..1720.
struct CsvImport {
    bool ok = false;
    int errorLine = 0;        // the number the message shows ("Error at line" + errorLine)
    std::string reason;       // why, for the detailed text
    std::vector<std::string> records; // 1721 records when ok
};

/// Parses CSV text; nothing is applied to any image.
CsvImport parseCsv(const std::string& text);

/// Reads and parses a file; a file that cannot be read gives ok = false, errorLine 0 and the
/// system's reason.
CsvImport importCsv(const QString& path);

} // namespace r36::files
