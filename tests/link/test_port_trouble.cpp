// Why a port would not open: the message for each trouble, and real opens that must land in the
// right one.

#include "link_fixture.h"

#include "link/port_trouble.h"

#include <algorithm>

using namespace r36;
using link::PortTrouble;

namespace {

TEST(PortTrouble, MessageSaysWhyAndWhatToDo) {
    const QString usb0 = QStringLiteral("COM1 (/dev/ttyUSB0)");
    const std::pair<link::OpenFailure, QString> cases[] = {
        {{PortTrouble::NoDevice, "/dev/ttyUSB2", 3, "", {usb0, "COM2 (/dev/ttyS0)"}, ""},
         "cannot open COM3 (/dev/ttyUSB2): the device does not exist (is the cable plugged in?). "
         "Ports found: COM1 (/dev/ttyUSB0), COM2 (/dev/ttyS0)."},
        {{PortTrouble::NoDevice, "", 5, "", {}, ""},
         "cannot open COM5: no serial device stands for it (QBR36_COM5=/dev/... names one). "
         "No serial ports were found."},
        {{PortTrouble::NoPermission, "/dev/ttyUSB0", 1, "uucp", {}, ""},
         "cannot open COM1 (/dev/ttyUSB0): permission denied. Your user must be in the group "
         "\"uucp\" that owns the device: run `sudo usermod -aG uucp $USER`, then log out and in "
         "again."},
        {{PortTrouble::NoPermission, "/dev/ttyUSB0", 0, "", {}, ""},
         "cannot open /dev/ttyUSB0: permission denied. Your user must be in the group "
         "\"dialout\" that owns the device: run `sudo usermod -aG dialout $USER`, then log out "
         "and in again."},
        // A Windows port is its own device name: said once.
        {{PortTrouble::Busy, "COM4", 4, "", {}, ""},
         "cannot open COM4: another program is using it; close that program and try again."},
        {{PortTrouble::Other, "/dev/ttyS1", 0, "", {usb0}, "Input/output error"},
         "cannot open /dev/ttyS1: Input/output error"}};
    for (const auto& [failure, expected] : cases)
        EXPECT_EQ(QString::fromStdString(test::english(link::openFailureOf(failure))), expected);
}

TEST(PortTrouble, RealOpensOfAMissingAndAHeldPort) {
    sim::ReceiverSimulator receiver;
    sim::PtyServer server(receiver);
    QString reason;
    ASSERT_TRUE(server.start(reason)) << reason.toStdString();
    link::SerialTransport holder, second;
    holder.setPort(server.devicePath(), 0, 0);
    Failure why;
    ASSERT_TRUE(holder.open(why)) << test::english(why);
    second.setPort(server.devicePath(), 0, 2);
    EXPECT_FALSE(second.open(why));
    EXPECT_EQ(why.kind, FailureKind::PortBusy) << test::english(why);
    // A named pseudo-terminal is among the ports the message offers instead.
    qputenv("QBR36_COM7", server.devicePath().toLocal8Bit());
    second.setPort(QStringLiteral("/dev/no-such-tty"), 0, 0);
    EXPECT_FALSE(second.open(why));
    qunsetenv("QBR36_COM7");
    EXPECT_EQ(why.kind, FailureKind::PortMissing);
    EXPECT_EQ(why.device, "/dev/no-such-tty");
    EXPECT_TRUE(std::ranges::count(why.names, "COM7 (" + server.devicePath().toStdString() + ")"))
        << test::english(why);
}

} // namespace
