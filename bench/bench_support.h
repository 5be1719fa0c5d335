#pragma once

// What the benchmarks share: a memory list in use, the median of their runs, and how the window
// benchmarks start.

#include "image/clone_image.h"
#include "image/memory_record.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

namespace r36::bench {

/// 1700 memories in use, each frequency and name shifted by `seed`.
inline std::vector<std::string> fullList(std::uint32_t seed) {
    std::vector<std::string> records;
    for (std::uint32_t m = 0; m < image::kUserMemoryCount; ++m)
        records.push_back(image::encodeRecord({.frequencyHz = 100'000'000 + (m + seed) * 25'000,
                                               .name = "M" + std::to_string(m + seed)}));
    return records;
}

inline double medianOf(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

/// Before the QApplication: with no display the window benchmarks paint offscreen.
inline void paintOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/// The number of runs the command line asks for (its first argument), else `standard`.
inline int runsAsked(int argc, char* argv[], int standard) {
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : standard;
}

} // namespace r36::bench
