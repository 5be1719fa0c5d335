#pragma once

// The commands of qbr36-cli, each a series of session steps. Each returns its failure with the
// reason the user reads (the file and line, or the transfer step, address and cause); nothing is
// printed here.

#include "command_line.h"
#include "image/outcome.h"

#include <functional>
#include <string>
#include <vector>

namespace r36::session {
class Session;
}

namespace r36::cli {

class StopSignals;

struct CommandOutput {
    std::string standardOutput;        // what check lists
    std::vector<std::string> warnings; // lines skipped opening a file; commands repeated
    /// Transfer progress (the value and maximum of the window's progress bar), when watched.
    std::function<void(int value, int maximum)> progress;
    bool differs = false; // diff: the files differ
};

/// Runs `invocation` on a freshly started session. A stop signal cancels a running transfer as
/// the window's Cancel does, and stops the command before its next step otherwise.
Outcome runCommand(const Invocation& invocation, session::Session& session, StopSignals& stop,
                   CommandOutput& output);

} // namespace r36::cli
