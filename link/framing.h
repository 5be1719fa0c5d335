#pragma once

// Judging a reply: the receiver echoes the command and its CR, then sends CR LF, the reply text
// and CR LF. These pure functions hold the whole framing rule so it is tested without a port.

#include <QByteArray>

namespace r36::link {

/// True once the collected text holds a complete reply: a CR LF after the echo and the CR LF that
/// follows it at once (commandLength counts the command's CR).
bool isReplyComplete(const QByteArray& collected, int commandLength);

/// Where the first reply line ends, its CR LF included; -1 when it is not framed. What follows
/// it is not this command's: the late rest of an earlier exchange.
qsizetype replyEnd(const QByteArray& collected, int commandLength);

/// False once the collected text departs from the echo of `sent` (the command and its CR): what
/// came belongs to another exchange, or is noise.
bool echoAgrees(const QByteArray& collected, const QByteArray& sent);

/// The reply text inside the collected text (its first line), or empty text when it is not
/// framed: too short, no CR LF on either side.
QByteArray replyText(const QByteArray& collected, int commandLength);

} // namespace r36::link
