#pragma once

// The commands of qbr36-cli. Each returns its failure with the reason the user reads (the file
// and line, or the transfer step, address and cause); nothing is printed here.

#include "command_line.h"
#include "image/outcome.h"
#include "program_state.h"

#include <string>
#include <vector>

namespace r36::cli {

struct CommandOutput {
    std::string standardOutput;        // what check lists
    std::vector<std::string> warnings; // lines skipped while opening a file for export
    ProgressSink progress;             // transfer progress, when someone watches
};

Outcome runCommand(const Invocation& invocation, CommandOutput& output);

} // namespace r36::cli
