// qbr36-sim as other programs' tests use it: the device on the first line, a real serial port to
// it, and the memory saved on SIGTERM.

#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "sim/receiver_simulator.h"

#include "image/memory_map.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace r36;

namespace {

TEST(SimProgram, ServesOnItsDeviceAndSavesWhatWasWritten) {
    const QString program = QStringLiteral(R36_BIN_DIR "/qbr36-sim");
    if (!QFileInfo::exists(program))
        GTEST_SKIP() << "qbr36-sim is not built";
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("memory.bin"));

    QProcess sim;
    sim.start(program, {QStringLiteral("--version"), QStringLiteral("001-99"),
                        QStringLiteral("--save"), saved});
    ASSERT_TRUE(sim.waitForStarted());
    while (!sim.canReadLine())
        ASSERT_TRUE(sim.waitForReadyRead(10000)) << "no device line";
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(device.startsWith(QStringLiteral("/dev/"))) << device.toStdString();

    link::SerialTransport serial;
    serial.setPort(device, 1);
    image::LinkState state;
    link::RadioLink radio(serial, state);
    const Outcome greeted = radio.connectRadio();
    ASSERT_TRUE(greeted.ok()) << greeted.reason();
    EXPECT_EQ(state.radioVersion, 199);
    EXPECT_EQ(radio.transact(QStringLiteral("VK~F00AA0W00")), QStringLiteral("OK"));
    radio.disconnectRadio();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);

    sim::ReceiverSimulator after;
    QString error;
    ASSERT_TRUE(after.loadFile(saved, error)) << error.toStdString();
    EXPECT_EQ(after.memory()[image::memoryAddress(5)], 0x00);
}

} // namespace
