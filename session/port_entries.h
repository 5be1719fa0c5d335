#pragma once

// The serial ports as the Port menu lists them: the window reaches the link through the session.

#include "link/port_names.h"

namespace r36::session {

/// A Port menu entry: the device COMn reaches (empty: none) and whether it is there now.
using PortEntry = link::PortEntry;
/// COM1..COM16 (index 0 is COM1), looked up once; slow, so asked when the menu opens.
using link::portEntries;

} // namespace r36::session
