#pragma once

#include "csv_text.h"
#include "image/clone_image.h"
#include "image/outcome.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace r36::files {

/// True when the last four characters, upper-cased, are ".CSV".
bool hasCsvExtension(const QString& path);

/// Writes csvText atomically (temporary file renamed over the target).
Outcome exportCsv(const QString& path, const image::CloneImage& image,
                  const std::vector<std::string>& labels,
                  const std::function<void(int row)>& progress = {});

/// Reads and parses a file; a path without the ".csv" extension (any case) fails with
/// WrongFileName, a file that cannot be read with the system's reason.
CsvImport importCsv(const QString& path);

} // namespace r36::files
