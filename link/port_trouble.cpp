#include "port_trouble.h"

#include "port_names.h"

namespace r36::link {

Failure openFailureOf(const OpenFailure& failure) {
    Failure why;
    const QString label = portLabel(failure.commPort, failure.device);
    why.device = label.toStdString();
    why.number = failure.commPort;
    why.systemText = failure.systemText.toStdString();
    if (label.isEmpty()) {
        why.kind = FailureKind::NoSerialPort;
        return why;
    }
    switch (failure.trouble) {
    case PortTrouble::NoDevice:
        why.kind =
            failure.device.isEmpty() ? FailureKind::PortUnassigned : FailureKind::PortMissing;
        // The ports there are tell the user which COM number to choose instead.
        for (const QString& port : failure.present)
            why.names.push_back(port.toStdString());
        break;
    case PortTrouble::NoPermission:
        why.kind = FailureKind::PermissionDenied;
        why.value = failure.group.isEmpty() ? "dialout" : failure.group.toStdString();
        break;
    case PortTrouble::Busy:
        why.kind = FailureKind::PortBusy;
        break;
    case PortTrouble::Other:
        why.kind = FailureKind::PortError;
        break;
    }
    return why;
}

} // namespace r36::link
