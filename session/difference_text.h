#pragma once

// The words of a difference: what a write will change on the receiver, what a file beside the
// document changes, and what verify after writing found. English for the command line's diff
// and messages, the user's language in the window.

#include "wording.h"

#include "image/failure.h"
#include "image/image_difference.h"

#include <QString>

namespace r36::session {

/// "memory 812 (Bank08-012): Frequency 145.000000MHz -> 146.520000MHz", "LAMP: 5-SEC -> 3-SEC".
QString changeText(const image::Change& change, Wording wording = Wording::UserLanguage);

/// A channel shown under another label: "FIRE: Bank10-000 -> Bank09-050".
QString labelChangeText(const image::LabelChange& change, Wording wording = Wording::UserLanguage);

/// "12 memories, 2 settings"; "nothing" when empty.
QString countsText(const image::Difference& difference, Wording wording = Wording::UserLanguage);

/// What verify after writing found (FailureKind::ReceiverDiffers): the counts, then a line for
/// each change, "memory 7: the receiver holds empty, 100.000000MHz FM "TEST" was written".
QString receiverDiffersText(const Failure& failure, Wording wording);

} // namespace r36::session
