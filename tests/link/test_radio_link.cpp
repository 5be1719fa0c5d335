// The transaction and the greeting: time-out, opening, stray characters, stop, version rules.

#include "link_fixture.h"

#include "link/port_names.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using Link = LinkTest;

TEST_P(Link, TransactOpensTheClosedPortItself) {
    ASSERT_FALSE(transport->isOpen());
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
    EXPECT_TRUE(transport->isOpen());
    EXPECT_TRUE(radio->lastError().isEmpty());
}

TEST_P(Link, TimeOutIsOneSecondAndSaysSo) {
    sim::Fault silent;
    silent.atCommand = 1;
    receiver.addFault(silent);
    EXPECT_EQ(radio->transact(QStringLiteral("VK~QB-R36J")), QString());
    EXPECT_EQ(radio->lastError(), QStringLiteral("no reply within 1000 ms"));
    // The next command is answered: the link does not stay broken.
    EXPECT_EQ(radio->transact(QStringLiteral("VK~QB-R36J")), QStringLiteral("OK"));
}

TEST_P(Link, StrayCharactersOfATimedOutExchangeDoNotReachTheNextReply) {
    radio->setReplyTimeout(std::chrono::milliseconds{100});
    sim::Fault late;
    late.kind = sim::Fault::Kind::LateReply;
    late.atCommand = 1;
    late.lateBy = std::chrono::milliseconds{300};
    receiver.addFault(late);
    bool lateArrived = false;
    QObject::connect(transport.get(), &link::Transport::readyRead, [&] { lateArrived = true; });

    EXPECT_EQ(radio->transact(QStringLiteral("VK~F00A00R")), QString());
    ASSERT_TRUE(waitUntil([&] { return lateArrived; }));
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
}

TEST_P(Link, StopEndsTheWaitAtOnceAndEveryCommandAfterIt) {
    radio->setReplyTimeout(std::chrono::milliseconds{60000});
    sim::Fault silent;
    silent.atCommand = 1;
    receiver.addFault(silent);
    // Stop only once the receiver has the greeting: over a pseudo-terminal it may take a while
    // to arrive, and the test is about a stop during the wait for the reply.
    QTimer stopOnceSent;
    stopOnceSent.setInterval(5);
    QObject::connect(&stopOnceSent, &QTimer::timeout, [&] {
        if (!receiver.commandLog().empty()) {
            radio->requestStop();
            stopOnceSent.stop();
        }
    });
    stopOnceSent.start();
    EXPECT_EQ(radio->transact(QStringLiteral("VK~QB-R36J")), QString());
    EXPECT_EQ(radio->lastError(), QStringLiteral("stopped"));

    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QString());
    EXPECT_EQ(receiver.commandLog().size(), 1u) << "nothing is sent while stopped";
    radio->clearStop();
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
}

TEST_P(Link, ACommandStartedWhileAnotherWaitsIsRefused) {
    QString nested;
    QString nestedError;
    QTimer::singleShot(0, radio.get(), [&] {
        nested = radio->transact(QStringLiteral("VK~VER"));
        nestedError = radio->lastError();
    });
    EXPECT_EQ(radio->transact(QStringLiteral("VK~QB-R36J")), QStringLiteral("OK"));
    EXPECT_EQ(nested, QString());
    EXPECT_EQ(nestedError, QStringLiteral("another command is still waiting for its reply"));
    EXPECT_EQ(log(), std::vector<std::string>{"VK~QB-R36J"});
}

TEST_P(Link, StopDuringReadAllEndsItAtTheNextCommand) {
    link::TransferHooks h = hooks();
    h.memoryChanged = [this](int memory) {
        if (memory == 50)
            radio->requestStop();
    };
    useHooks(h);
    const Outcome read = transfer->readAll();
    EXPECT_EQ(read.reason(), "Read all: reading memory 51 at 01060: stopped");
    EXPECT_EQ(log().back(), "VK~F01040R");
    EXPECT_EQ(image.memRecord[50].size(), 64u);
    EXPECT_EQ(image.memRecord[51], "00");
}

INSTANTIATE_TEST_SUITE_P(Cables, Link, kBothCables, cableName);

// ---- greeting and version ---------------------------------------------------------------

struct VersionCase {
    const char* reply;
    bool accepted;
    int radioVersion; // after the greeting; 123 = kept
};

class Version : public InMemoryLinkTest, public testing::WithParamInterface<VersionCase> {};

TEST_P(Version, IsReadFromTheSixCharacterReply) {
    state.radioVersion = 123;
    receiver.setVersion(GetParam().reply);
    const Outcome greeted = radio->connectRadio();
    EXPECT_EQ(greeted.ok(), GetParam().accepted) << greeted.reason();
    EXPECT_EQ(state.radioVersion, GetParam().radioVersion);
    EXPECT_TRUE(transport->isOpen()) << "the port stays open whatever the result";
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Version,
    testing::Values(VersionCase{"002-06", true, 206}, VersionCase{"001-99", true, 199},
                    VersionCase{"002-05", true, 205},
                    // The joined text is read as a number with a point;
                    // halves go to the even neighbour.
                    VersionCase{"2.5-00", true, 2}, VersionCase{"3.5-00", true, 4},
                    VersionCase{"abc-de", true, 0}, VersionCase{"002x06", false, 123},
                    VersionCase{"02-06", false, 123}, VersionCase{"0002-06", false, 123},
                    // Beyond a signed 16-bit number: refused, not wrapped.
                    VersionCase{"999-99", false, 123}));

using Greeting = InMemoryLinkTest;

TEST_F(Greeting, PortThatCannotOpenFailsTheCommandWithTheSystemsReason) {
    simTransport->setOpenFailure(QStringLiteral("cannot open /dev/ttyUSB0: Permission denied"));
    EXPECT_EQ(transfer->readAll().reason(),
              "Read all: cannot open /dev/ttyUSB0: Permission denied");
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QString());
    EXPECT_EQ(radio->lastError(), QStringLiteral("cannot open /dev/ttyUSB0: Permission denied"));
}

TEST(SerialPort, MissingDeviceFailsWithItsName) {
    link::SerialTransport serial;
    serial.setPort(QStringLiteral("/dev/no-such-tty"), 1);
    QString reason;
    EXPECT_FALSE(serial.open(reason));
    EXPECT_TRUE(reason.startsWith(QStringLiteral("cannot open /dev/no-such-tty: ")))
        << reason.toStdString();
    serial.setPort(QString(), 0);
    EXPECT_FALSE(serial.open(reason));
    EXPECT_EQ(reason, QStringLiteral("cannot open the port: no serial port found"));
}

class PulledCable : public LinkFixture {
protected:
    void SetUp() override { setUpCable(Cable::PseudoTerminal); }
};

TEST_F(PulledCable, IsReportedOnceAndClosesThePort) {
    int failures = 0;
    QObject::connect(transport.get(), &link::Transport::failed, [&] { ++failures; });
    ASSERT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
    server->vanish();
    ASSERT_TRUE(waitUntil([&] { return failures > 0; }));
    // Give a port that keeps reporting its error the chance to do so.
    int rounds = 0;
    waitUntil([&] { return ++rounds > 20; });
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(transport->isOpen());
    EXPECT_FALSE(serialTransport->isOpen());
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QString());
    EXPECT_TRUE(radio->lastError().startsWith(QStringLiteral("cannot open ") + ptyDevice))
        << radio->lastError().toStdString();
}

// ---- port names ---------------------------------------------------------------------------

TEST(PortNames, AdaptersComeFirstInNaturalOrder) {
    const QStringList found{"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                            "/dev/ttyUSB2"};
    EXPECT_EQ(
        link::orderSerialDevices(found),
        (QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyS1"}));
}

TEST(PortNames, EnvironmentPointsAPortAnywhere) {
    qputenv("QBR36_COM7", "/dev/pts/42");
    EXPECT_EQ(link::deviceForPort(7), QStringLiteral("/dev/pts/42"));
    qunsetenv("QBR36_COM7");
    EXPECT_NE(link::deviceForPort(7), QStringLiteral("/dev/pts/42"));
}

TEST(PortNames, SpeedChoice) {
    EXPECT_EQ(link::portSettingsText(0), QStringLiteral("115200,n,8,1"));
    EXPECT_EQ(link::portSettingsText(1), QStringLiteral("38400,n,8,1"));
    EXPECT_EQ(link::portSettingsText(7), QStringLiteral("38400,n,8,1"));
    EXPECT_EQ(link::baudRate(0), 115200);
    EXPECT_EQ(link::baudRate(1), 38400);
}

} // namespace
