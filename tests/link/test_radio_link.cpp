// The transaction and the greeting: framing, opening, time-out, stop, nesting, version; and the
// port names.

#include "link_fixture.h"

#include "link/framing.h"
#include "link/port_names.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using Link = LinkTest;
using Kind = sim::Fault::Kind;

TEST(Framing, JudgesTheCollectedText) {
    const QByteArray line(64, 'A');
    // What arrived, complete, the reply; every command here is 10 characters and CR.
    const std::tuple<QByteArray, bool, QByteArray> cases[] = {
        {"VK~F00A00R\r\r\n" + line + "\r\n", true, line}, // echo, CR LF, reply, CR LF
        {"VK~QB-R36J\r\r\nOK\r\n", true, "OK"},
        {"VK~F00A00R\r\r\n", false, ""},    // the echo's CR LF alone is no reply yet
        {"\r\n" + line + "\r\n", true, ""}, // without the echo: not framed
        {"VK~QB-R36J\r\r\nOK", false, ""},
        {"VK~QB-R36J\rOK\r\n", true, ""},
        {"VK~QB-R36J\r\nOK\n", false, ""},
        // The late rest of an earlier exchange after the reply line is not part of it.
        {"VK~QB-R36J\r\r\nOK\r\nVK~QB", true, "OK"}};
    for (const auto& [collected, complete, reply] : cases) {
        EXPECT_EQ(link::isReplyComplete(collected, 11), complete) << collected.toStdString();
        EXPECT_EQ(link::replyText(collected, 11), reply) << collected.toStdString();
    }
}

TEST_P(Link, AWaitRefusesAnotherCommandAndAStopWaitsForTheRepeatButRefusesTheNext) {
    ASSERT_FALSE(transport->isOpen()) << "transact opens the closed port itself";
    receiver.addFault({.kind = Kind::NoReply, .atCommand = 1});
    QString nested;
    std::optional<Failure> nestedError;
    QTimer::singleShot(0, radio.get(), [&] { // during the wait
        nested = radio->transact(QStringLiteral("VK~VER"));
        nestedError = radio->lastFailure();
        radio->requestStop();
    });
    EXPECT_EQ(radio->transact(QStringLiteral("VK~QB-R36J")), QStringLiteral("OK"));
    EXPECT_EQ(radio->repeatedCommands(), 1);
    EXPECT_EQ(nested, QString());
    EXPECT_EQ(nestedError->kind, FailureKind::LinkBusy);
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QString());
    EXPECT_TRUE(radio->lastFailure()->cancelled());
    EXPECT_EQ(log(), (std::vector<std::string>{"VK~QB-R36J", "VK~QB-R36J"}))
        << "nothing else was sent";
    radio->clearStop();
    EXPECT_EQ(radio->transact(QStringLiteral("VK~VER")), QStringLiteral("002-06"));
    EXPECT_FALSE(radio->lastFailure());
}

TEST_P(Link, VersionIsThreeDigitsDashTwoDigitsOrTheGreetingFails) {
    // A garbled version would name a backup and pick the settings block's address; beyond a
    // signed 16-bit number it is refused, not wrapped. 123: kept.
    const std::tuple<const char*, bool, int> cases[] = {
        {"002-06", true, 206},  {"001-99", true, 199},   {"002-0?", false, 123},
        {"2.5-00", false, 123}, {"abc-de", false, 123},  {"002x06", false, 123},
        {"02-06", false, 123},  {"0002-06", false, 123}, {"999-99", false, 123}};
    for (const auto& [reply, accepted, version] : cases) {
        state.radioVersion = 123;
        receiver.setVersion(reply);
        const Outcome greeted = radio->connectRadio();
        EXPECT_EQ(greeted.ok(), accepted) << reply << ": " << test::english(greeted);
        if (!accepted && std::string(reply).size() == 6 && reply != std::string("999-99")) {
            EXPECT_EQ(test::english(greeted), "version reply \"" + std::string(reply) +
                                                  "\" is not three digits, \"-\" and two digits, "
                                                  "like 002-06");
        }
        EXPECT_EQ(state.radioVersion, version) << reply;
        EXPECT_TRUE(transport->isOpen()) << "the port stays open whatever the result";
    }
}

INSTANTIATE_TEST_SUITE_P(Cables, Link, kBothCables, cableName);

TEST(PortNames, OrderEnvironmentAndSpeed) {
    const QStringList found{"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                            "/dev/ttyUSB2"};
    EXPECT_EQ(
        link::orderSerialDevices(found),
        (QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyS1"}));
    qputenv("QBR36_COM7", "/dev/pts/42");
    EXPECT_EQ(link::deviceForPort(7), QStringLiteral("/dev/pts/42"));
    qunsetenv("QBR36_COM7");
    EXPECT_NE(link::deviceForPort(7), QStringLiteral("/dev/pts/42"));
    EXPECT_EQ(link::portSettingsText(0), QStringLiteral("115200,n,8,1"));
    EXPECT_EQ(link::portSettingsText(7), QStringLiteral("38400,n,8,1"));
    EXPECT_EQ(link::baudRate(0), 115200);
    EXPECT_EQ(link::baudRate(1), 38400);
}

} // namespace
