#pragma once

// The words of a memory's fields: their names as the memory list heads its columns, and why a
// value typed into one is refused.

#include "wording.h"

#include "image/memory_fields.h"

#include <QString>

namespace r36::session {

/// "Frequency", "Offset Freq.", "auto step".
QString memoryFieldName(image::MemoryField field, Wording wording = Wording::UserLanguage);

/// "Frequency: 0.100000 to 1299.999999 MHz", "Mode: one of the list's values".
QString refusalText(const image::FieldRefusal& refusal, Wording wording = Wording::UserLanguage);

} // namespace r36::session
