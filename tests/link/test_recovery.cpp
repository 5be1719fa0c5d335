// A line that stalls, brings late bytes or noise: the link waits for the line to go quiet,
// discards what came, sends the command once more, and the next command is framed again.

#include "link_fixture.h"

#include "image/memory_map.h"
#include "link/comm_log.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using Kind = sim::Fault::Kind;
using std::chrono::milliseconds;

constexpr milliseconds kTimeout{300};

struct RecoveryCase {
    const char* name;
    Kind kind;
    milliseconds lateBy;
    bool greets;  // the first greeting succeeds
    int repeated; // commands it sent twice
};

const RecoveryCase kRecoveries[] = {
    {"StallShorterThanTheTimeOut", Kind::LateReply, milliseconds{100}, true, 0},
    // The late answer to the first sending comes while the second waits; it is the same.
    {"StallLongerThanTheTimeOut", Kind::LateReply, milliseconds{400}, true, 1},
    {"LatePiecesWithinTheSecondWait", Kind::LatePieces, milliseconds{400}, true, 1},
    // Both sendings time out; the pieces arrive while the next greeting waits.
    {"LatePiecesAfterBothWaits", Kind::LatePieces, milliseconds{700}, false, 1},
    {"NoiseBeforeTheGreeting", Kind::Noise, {}, true, 1},
};

class Recovery : public LinkFixture,
                 public testing::WithParamInterface<std::tuple<Cable, RecoveryCase>> {};

TEST_P(Recovery, TheNextCommandIsFramedAndReadsTheReceiver) {
    setUpCable(std::get<0>(GetParam()));
    const RecoveryCase& c = std::get<1>(GetParam());
    radio->setReplyTimeout(kTimeout);
    link::CommLog commLog;
    radio->setCommLog(&commLog);
    receiver.addFault({.kind = c.kind, .atCommand = 1, .lateBy = c.lateBy});

    const Outcome greeted = radio->connectRadio();
    EXPECT_EQ(greeted.ok(), c.greets) << test::english(greeted);
    // A late answer to the first sending can also throw the next command out of step.
    EXPECT_GE(radio->repeatedCommands(), c.repeated);
    if (c.repeated == 0) {
        EXPECT_EQ(radio->repeatedCommands(), 0) << "nothing sent twice when nothing failed";
    }
    if (!c.greets) { // what the user reads: the port and speed tried, and what to check
        EXPECT_EQ(test::english(greeted),
                  "no reply from the receiver on " + transport->label().toStdString() +
                      " at 115200 bps. Check that the cable is plugged in at "
                      "both ends, that the receiver is switched on, that the "
                      "speed is the receiver's (Speed menu, or --speed) and "
                      "that the port is the one the cable is on (Port menu, "
                      "or --port).");
    }
    // After a failed greeting the late pieces land in the next one; when a loaded machine
    // delays it until they straddle both of its sendings, that greeting fails too, and the
    // one after it (the port closed and opened again, the line quiet) must succeed.
    const bool connected = radio->connectRadio() || (!c.greets && radio->connectRadio());
    ASSERT_TRUE(connected) << test::english(radio->lastFailure());
    EXPECT_EQ(radio->transact(QStringLiteral("VK~F00A00R")).toStdString(),
              receiverHex(receiver, 0x00A00, 32));
    EXPECT_EQ(radio->transact(QStringLiteral("VK~F00A00W01")), QStringLiteral("OK"));

    // Every discarded byte is logged with why, and so is every second sending.
    const QString lines = commLog.lines().join('\n');
    EXPECT_EQ(lines.count(QLatin1String("sending the command again")), radio->repeatedCommands());
    if (c.kind == Kind::Noise) {
        EXPECT_TRUE(lines.contains(QLatin1String("\\x00\\xff~\\r\\x13\\xf0\\n\\x80")))
            << lines.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cables, Recovery, testing::Combine(kBothCables, testing::ValuesIn(kRecoveries)),
    [](const auto& param) {
        return std::get<1>(param.param).name + ("_" + cableName({std::get<0>(param.param), 0}));
    });

using RecoveringLink = LinkTest;

TEST_P(RecoveringLink, ATransferWithAStallInItsMiddleCompletesWithEveryMemory) {
    radio->setReplyTimeout(kTimeout);
    receiver.addFault({.kind = Kind::LateReply,
                       .address = static_cast<int>(image::memoryAddress(812)),
                       .lateBy = milliseconds{450}});
    ASSERT_TRUE(transfer->readAll());
    EXPECT_GE(radio->repeatedCommands(), 1);
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        ASSERT_EQ(image.memRecord[i], receiverHex(receiver, image::memoryAddress(i), 32)) << i;

    // A write repeated after a time-out leaves the receiver as one write would.
    image.memRecord[812] = image.memRecord[811];
    receiver.addFault({.kind = Kind::LateReply,
                       .address = static_cast<int>(image::memoryAddress(812)),
                       .lateBy = milliseconds{450}});
    radio->resetRepeatedCommands();
    ASSERT_TRUE(transfer->writeSelected(812, 812));
    EXPECT_EQ(radio->repeatedCommands(), 1);
    EXPECT_EQ(receiverHex(receiver, image::memoryAddress(812), 32), image.memRecord[812]);
}

TEST_P(RecoveringLink, ARefusalIsNeverRepeated) {
    receiver.addFault({.kind = Kind::WriteRefused, .atCommand = 1});
    EXPECT_EQ(radio->transact(QStringLiteral("VK~F00A00W01")), QStringLiteral("NG"));
    EXPECT_EQ(radio->repeatedCommands(), 0);
    EXPECT_EQ(log().size(), 1u);
}

TEST_P(RecoveringLink, LateAnswersLeftInTheClosedPortAreDiscardedWhenItOpens) {
    // The receiver answers after the command gave up and the port closed, as when it stalled.
    radio->setReplyTimeout(kTimeout);
    link::CommLog commLog;
    radio->setCommLog(&commLog);
    receiver.addFault({.kind = Kind::LateReply, .atCommand = 1, .lateBy = milliseconds{700}});
    EXPECT_EQ(radio->transact(QStringLiteral("VK~F00A00R")), QString());
    radio->disconnectRadio();
    if (server) { // on a pseudo-terminal the answers wait in the port; in memory they are dropped
        ASSERT_TRUE(QTest::qWaitFor([&] { return server->bytesSent() > 0; }));
    }
    ASSERT_TRUE(radio->connectRadio()) << test::english(radio->lastFailure());
    EXPECT_EQ(radio->repeatedCommands(), 1) << "the greeting went through at once";
    if (server) {
        EXPECT_TRUE(commLog.lines().join('\n').contains(
            QLatin1String("left in the port when it opened: VK~F00A00R")));
    }
}

INSTANTIATE_TEST_SUITE_P(Cables, RecoveringLink, kBothCables, cableName);

} // namespace
