#include "port_trouble.h"

#include "port_names.h"

#include <QCoreApplication>

// The window shows these texts in the user's language; the command line, which installs no
// catalogue, keeps them in English.
namespace r36::link {

namespace {

QString absentText(const OpenFailure& failure, const QString& label) {
    QString message =
        failure.device.isEmpty()
            ? QCoreApplication::translate("r36::link::PortTrouble",
                                          "cannot open %1: no serial device stands for it "
                                          "(QBR36_COM%2=/dev/... names one).")
                  .arg(label)
                  .arg(failure.commPort)
            : QCoreApplication::translate("r36::link::PortTrouble",
                                          "cannot open %1: the device does not exist (is the "
                                          "cable plugged in?).")
                  .arg(label);
    // The ports there are tell the user which COM number to choose instead.
    if (failure.present.isEmpty())
        return message + QCoreApplication::translate("r36::link::PortTrouble",
                                                     " No serial ports were found.");
    return message + QCoreApplication::translate("r36::link::PortTrouble", " Ports found: %1.")
                         .arg(failure.present.join(QLatin1String(", ")));
}

} // namespace

QString openFailureText(const OpenFailure& failure) {
    const QString label = portLabel(failure.commPort, failure.device);
    if (label.isEmpty())
        return QCoreApplication::translate("r36::link::PortTrouble",
                                           "cannot open the port: no serial port found");
    switch (failure.trouble) {
    case PortTrouble::NoDevice:
        return absentText(failure, label);
    case PortTrouble::NoPermission: {
        // Membership of a new group reaches only the processes of a new login.
        const QString group = failure.group.isEmpty() ? QStringLiteral("dialout") : failure.group;
        return QCoreApplication::translate(
                   "r36::link::PortTrouble",
                   "cannot open %1: permission denied. Your user must be in the "
                   "group \"%2\" that owns the device: run `sudo usermod -aG %2 "
                   "$USER`, then log out and in again.")
            .arg(label, group);
    }
    case PortTrouble::Busy:
        return QCoreApplication::translate(
                   "r36::link::PortTrouble",
                   "cannot open %1: another program is using it; close that program "
                   "and try again.")
            .arg(label);
    case PortTrouble::Other:
        break;
    }
    return QCoreApplication::translate("r36::link::PortTrouble", "cannot open %1: %2")
        .arg(label, failure.systemText);
}

QString noReplyText(const QString& port, int baud, const QString& unreadable) {
    const QString what =
        unreadable.isEmpty()
            ? QCoreApplication::translate("r36::link::PortTrouble",
                                          "no reply from the receiver on %1 at %2 bps.")
                  .arg(port)
                  .arg(baud)
            : QCoreApplication::translate("r36::link::PortTrouble",
                                          "no readable reply from the receiver on %1 at %2 bps "
                                          "(%3).")
                  .arg(port)
                  .arg(baud)
                  .arg(unreadable);
    return what + QLatin1Char(' ') +
           QCoreApplication::translate(
               "r36::link::PortTrouble",
               "Check that the cable is plugged in at both ends, that the receiver is switched on, "
               "that the speed is the receiver's (Speed menu, or --speed) and that the port is "
               "the one the cable is on (Port menu, or --port).");
}

} // namespace r36::link
