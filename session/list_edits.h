#pragma once

// What "Set field…" did: how many memories changed and which were refused, with why.

#include "image/memory_fields.h"

#include <vector>

namespace r36::session {

struct SetFieldReport {
    struct Refusal {
        int memory;
        image::FieldRefusal why; // the field and its range, worded as the detail editor words it
    };
    int changed = 0;
    std::vector<Refusal> refused;
};

} // namespace r36::session
