#pragma once

// The two phases a write can add to the transfer commands: sending only the pieces that changed,
// and reading back what was written.

#include "image/clone_image.h"
#include "image/outcome.h"
#include "image/receiver_holdings.h"

#include <functional>

namespace r36::link {
class CloneTransfer;
class RadioLink;
} // namespace r36::link

namespace r36::session {

class HoldingsTracker;

/// Pieces done so far out of all of the phase's.
using PhaseProgress = std::function<void(int done, int total)>;

/// "Write changes": greets the receiver, then runs for each piece of `plan` the block operation
/// Write all uses, in Write all's order (the settings block is still read first). Fails at the
/// first failed operation with its reason.
Outcome writePlanned(link::RadioLink& radio, link::CloneTransfer& transfer,
                     const image::WritePlan& plan, const PhaseProgress& progress);

/// Verify after writing: reads back every piece `written` saw acknowledged, without touching
/// `image` (the one the write sent), takes what it read into `holdings`, and compares. Fails
/// on a failed read, or with one line per piece the receiver holds otherwise:
/// "memory 812: the receiver holds 145.000000MHz, 146.520000MHz was written".
Outcome readBack(link::RadioLink& radio, const image::CloneImage& image,
                 const HoldingsTracker& written, image::ReceiverHoldings& holdings,
                 const PhaseProgress& progress);

} // namespace r36::session
