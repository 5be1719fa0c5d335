#pragma once

// The files a command reads and writes, refused before anything is opened or sent when using
// them would hang, destroy something or waste a transfer.

#include "command_line.h"
#include "image/outcome.h"

namespace r36::cli {

/// Fails, naming the path and why, for an input or output (--log included) that exists and is
/// not a regular file, an output that is an input or another output however it is named, and
/// an output whose folder does not exist or cannot be written. "-" (standard input or output)
/// passes, except as --log.
Outcome checkPaths(const Invocation& invocation);

} // namespace r36::cli
