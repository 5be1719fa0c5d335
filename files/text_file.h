#pragma once

// Whole-file reading and all-or-nothing writing for the program's text files.

#include "image/outcome.h"

#include <QString>

#include <string>
#include <string_view>

namespace r36::files {

/// The command line's name for standard input (read) and standard output (written). The window
/// never passes it: its paths are absolute.
inline constexpr char kStandardStream[] = "-";
bool isStandardStream(const QString& path);

/// Fails when `path` exists and is not a regular file, saying what it is ("x is a FIFO, not a
/// regular file"): opening a FIFO waits for its other end, and writing a file over a device
/// replaces or fills it. Symbolic links are followed; a missing path passes.
Outcome refuseUnlessRegular(const QString& path);

/// The failure of a file refused for its name: it lacks the extension of its kind.
Outcome wrongFileName(const QString& path);

/// Reads the whole file as bytes; "-" reads standard input. Fails, leaving `text` empty, for a
/// path that is not a regular file (refuseUnlessRegular) or with the system's reason. Fails with
/// the system's reason ("Cannot read x.R36: No such file or directory") and leaves `text` empty.
Outcome readTextFile(const QString& path, std::string& text);

/// Writes `text` to a temporary file beside `path` and renames it over `path` only when all of it
/// was written, so a failure leaves any previous file as it was; "-" writes standard output.
/// Fails for a path that is not a regular file (refuseUnlessRegular) or with the system's
/// reason.
Outcome writeTextFileAtomically(const QString& path, std::string_view text);

} // namespace r36::files
