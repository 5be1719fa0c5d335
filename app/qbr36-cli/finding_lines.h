#pragma once

// The list check's findings as the command line prints them, one line each, in English.

#include "image/list_check.h"

#include <string>
#include <vector>

namespace r36::cli {

/// "Bank00-005: same frequency and mode as Bank00-000 in its bank or area"; memories by their
/// labels (`labels` has one per memory 0..1699).
std::string findingLine(const image::ListFinding& finding, const std::vector<std::string>& labels);

} // namespace r36::cli
