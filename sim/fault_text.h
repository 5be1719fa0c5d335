#pragma once

#include "receiver_simulator.h"

#include <QString>

#include <optional>

namespace r36::sim {

/// A fault from its command-line text: KIND@command=N or KIND@address=0xADDR, optionally
/// followed by ",repeat" (and, for stall, late-reply and late-pieces, ",late=MS"). KIND is one of
/// no-reply, no-echo, unframed, garbled, short-line, late-reply (or stall), late-pieces, noise,
/// write-refused, write-dropped, port-vanishes.
/// nullopt with `error` for any other text.
std::optional<Fault> parseFault(const QString& text, QString& error);

/// The KIND names, for help texts.
QString faultKindNames();

} // namespace r36::sim
