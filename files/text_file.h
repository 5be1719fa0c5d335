#pragma once

// Whole-file reading and all-or-nothing writing for the program's text files.

#include "image/outcome.h"

#include <QString>

#include <string>
#include <string_view>

namespace r36::files {

/// Reads the whole file as bytes. Fails with the system's reason ("Cannot read x.R36: No such
/// file or directory") and leaves `text` empty.
Outcome readTextFile(const QString& path, std::string& text);

/// Writes `text` to a temporary file beside `path` and renames it over `path` only when all of it
/// was written, so a failure leaves any previous file as it was. Fails with the system's reason.
Outcome writeTextFileAtomically(const QString& path, std::string_view text);

} // namespace r36::files
