#pragma once

#include <QString>
#include <QStringList>

namespace r36::link {

/// Why a serial port would not open, in the cases the user can do something about.
enum class PortTrouble { NoDevice, NoPermission, Busy, Other };

/// What the message of a failed open is made of, gathered by the serial transport from the port
/// and the system, so the message can be built (and checked) without a port.
struct OpenFailure {
    PortTrouble trouble = PortTrouble::Other;
    QString device;      // empty: the COM number reaches no device
    int commPort = 0;    // the COM number chosen; 0: the device was named directly
    QString group;       // the group that owns the device; empty: unknown
    QStringList present; // the ports there are now, as portLabel gives them
    QString systemText;  // the port's own words, for the other troubles
};

/// "cannot open COM3 (/dev/ttyUSB2): ...": what went wrong and what the user can do about it.
QString openFailureText(const OpenFailure& failure);

/// "no reply from the receiver on COM1 (/dev/ttyUSB0) at 115200 bps. Check ...": a greeting that
/// got no answer, or only `unreadable` (why what came could not be read; empty: nothing came),
/// with what the user can check.
QString noReplyText(const QString& port, int baud, const QString& unreadable);

} // namespace r36::link
