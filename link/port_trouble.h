#pragma once

#include "image/failure.h"

#include <QString>
#include <QStringList>

namespace r36::link {

/// Why a serial port would not open, in the cases the user can do something about.
enum class PortTrouble { NoDevice, NoPermission, Busy, Other };

/// What the message of a failed open is made of, gathered by the serial transport from the port
/// and the system, so the failure can be built (and checked) without a port.
struct OpenFailure {
    PortTrouble trouble = PortTrouble::Other;
    QString device;      // empty: the COM number reaches no device
    int commPort = 0;    // the COM number chosen; 0: the device was named directly
    QString group;       // the group that owns the device; empty: unknown
    QStringList present; // the ports there are now, as portLabel gives them
    QString systemText;  // the port's own words, for the other troubles
};

/// The failure of an open: its kind, the port as the user chose it ("COM3 (/dev/ttyUSB2)"),
/// and what the message needs to say what to do (the ports there are, the group to join).
Failure openFailureOf(const OpenFailure& failure);

} // namespace r36::link
