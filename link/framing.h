#pragma once

// Judging a reply: the receiver echoes the command and its CR, then sends CR LF, the reply text
// and CR LF. These pure functions hold the whole framing rule so it is tested without a port.

#include <QByteArray>

namespace r36::link {

/// True once the collected text holds a complete reply: it ends with CR LF and is longer than
/// the echo plus the CR LF that follows it at once (commandLength counts the command's CR).
bool isReplyComplete(const QByteArray& collected, int commandLength);

/// The reply text inside the collected text, or empty text when it is not framed: too short,
/// the echo missing, or no CR LF on either side.
QByteArray replyText(const QByteArray& collected, int commandLength);

} // namespace r36::link
