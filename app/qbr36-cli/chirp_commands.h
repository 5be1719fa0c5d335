#pragma once

// import-csv and export-csv for lists in CHIRP's generic CSV, and the English lines that say
// what of a list this receiver or CHIRP cannot hold.

#include "commands.h"

#include <QString>

namespace r36::cli {

/// True when --format chirp was given, or, without --format, the file's first line is a CHIRP
/// header.
bool isChirpImport(const Invocation& invocation);

/// The carried lines placed from --at (memory 0 by default) in Location order into an empty
/// image or a copy of --into, then saved. Each line not carried as it is becomes a warning;
/// with --strict any of them fails the command before anything is written.
Outcome importChirpCommand(const Invocation& invocation, session::Session& session,
                           CommandOutput& output);

/// The clone file's memories in use as CHIRP CSV; what CHIRP cannot hold becomes warnings.
Outcome exportChirpCommand(const Invocation& invocation, session::Session& session,
                           CommandOutput& output);

} // namespace r36::cli
