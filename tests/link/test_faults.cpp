// Every kind of receiver or cable fault ends the command at the step it hit, with a reason that
// names the step, keeps everything read before it, and leaves the port closed.

#include "link_fixture.h"

#include "image/memory_map.h"

#include <algorithm>

using namespace r36;
using namespace r36::testing_link;

namespace {

using Kind = sim::Fault::Kind;

constexpr std::chrono::milliseconds kShortTimeout{300};
constexpr int kMemory300 = 0x02F80;

enum class Command { ReadAll, WriteAll };

struct FaultCase {
    const char* name;
    Command command;
    sim::Fault fault;
    std::string reason;            // the whole reason, or its beginning when it ends in "..."
    int firstUntouchedMemory = -1; // memories before it were transferred, it and later not
};

sim::Fault at(Kind kind, int address) {
    sim::Fault f;
    f.kind = kind;
    f.address = address;
    f.lateBy = 3 * kShortTimeout;
    return f;
}

sim::Fault atCommand(Kind kind, int n) {
    sim::Fault f;
    f.kind = kind;
    f.atCommand = n;
    return f;
}

const std::string kAt300 = "Read all: reading memory 300 at 02F80: ";

const FaultCase kCases[] = {
    {"NoReply", Command::ReadAll, at(Kind::NoReply, kMemory300), kAt300 + "no reply within 300 ms",
     300},
    {"LateReply", Command::ReadAll, at(Kind::LateReply, kMemory300),
     kAt300 + "no reply within 300 ms", 300},
    {"NoEcho", Command::ReadAll, at(Kind::NoEcho, kMemory300),
     kAt300 + "reply not framed (no echo of the command)", 300},
    {"Unframed", Command::ReadAll, at(Kind::Unframed, kMemory300),
     kAt300 + "reply not framed (no CR LF within 300 ms)", 300},
    {"Garbled", Command::ReadAll, at(Kind::Garbled, kMemory300),
     kAt300 + "bad reply, not hexadecimal...", 300},
    {"ShortLine", Command::ReadAll, at(Kind::ShortLine, kMemory300),
     kAt300 + "bad reply, 62 characters instead of 64", 300},
    {"PortVanishes", Command::ReadAll, at(Kind::PortVanishes, kMemory300),
     kAt300 + "port error: ...", 300},
    {"WriteRefused", Command::WriteAll, at(Kind::WriteRefused, kMemory300),
     "Write all: writing memory 300 at 02F80: receiver answered \"NG\" instead of \"OK\"", 300},
    {"WritePortVanishes", Command::WriteAll, at(Kind::PortVanishes, kMemory300),
     "Write all: writing memory 300 at 02F80: port error: ...", 300},
    {"Greeting", Command::ReadAll, atCommand(Kind::NoReply, 1),
     "Read all: greeting: no reply within 300 ms", 0},
    {"GreetingRefused", Command::ReadAll, atCommand(Kind::WriteRefused, 1),
     "Read all: greeting answered \"NG\" instead of \"OK\"", 0},
    {"VersionTooShort", Command::ReadAll, atCommand(Kind::ShortLine, 2),
     "Read all: version reply \"002-\" is not of the form 000-00", 0},
    {"SecondGreeting", Command::ReadAll, atCommand(Kind::NoReply, 15),
     "Read all: greeting: no reply within 300 ms", 0},
    {"BankTableLine", Command::ReadAll, at(Kind::ShortLine, 0x00120),
     "Read all: reading the bank table at 00120: bad reply, 62 characters instead of 64", 0},
};

class Faults : public LinkFixture,
               public testing::WithParamInterface<std::tuple<Cable, FaultCase>> {
protected:
    void SetUp() override {
        setUpCable(std::get<0>(GetParam()));
        radio->setReplyTimeout(kShortTimeout);
    }
    const FaultCase& faultCase() const { return std::get<1>(GetParam()); }
};

TEST_P(Faults, EndTheCommandAtTheirStepKeepingWhatCameBefore) {
    const FaultCase& c = faultCase();
    receiver.addFault(c.fault);
    const image::CloneImage before = image;
    const auto receiverBefore = receiver.memory();

    const Outcome outcome =
        c.command == Command::ReadAll ? transfer->readAll() : transfer->writeAll();
    ASSERT_FALSE(outcome.ok());
    if (c.reason.ends_with("...")) {
        EXPECT_EQ(outcome.reason().substr(0, c.reason.size() - 3),
                  c.reason.substr(0, c.reason.size() - 3))
            << outcome.reason();
        EXPECT_GT(outcome.reason().size(), c.reason.size()) << "the detail is there";
    } else {
        EXPECT_EQ(outcome.reason(), c.reason);
    }

    if (c.fault.kind == Kind::PortVanishes) {
        EXPECT_FALSE(transport->isOpen()) << "a pulled cable closes the port at once";
    }
    radio->disconnectRadio();
    EXPECT_FALSE(transport->isOpen());

    // Nothing is sent after the failed step (a four-line read still asks for all its lines).
    const std::string failedAddress =
        c.fault.address >= 0 ? image::hexAddress(c.fault.address) : "";
    if (c.fault.address == 0x00120)
        EXPECT_EQ(log().back(), "VK~F00160R");
    else if (!failedAddress.empty())
        EXPECT_EQ(log().back().substr(4, 5), failedAddress);
    else
        EXPECT_EQ(static_cast<int>(log().size()), c.fault.atCommand);

    const int firstUntouched = c.firstUntouchedMemory;
    if (c.command == Command::ReadAll) {
        for (int i = 0; i < firstUntouched; ++i)
            ASSERT_EQ(image.memRecord[i], receiverHex(receiver, image::memoryAddress(i), 32)) << i;
        for (int i = firstUntouched; i < image::kMemoryCount; ++i)
            ASSERT_EQ(image.memRecord[i], before.memRecord[i]) << i;
    } else {
        // The fresh image writes "00" over every memory's in-use byte, up to the failed one.
        for (int i = 0; i < firstUntouched; ++i)
            ASSERT_EQ(receiver.memory()[image::memoryAddress(i)], 0) << i;
        for (int i = firstUntouched; i < image::kUserMemoryCount; ++i)
            ASSERT_EQ(receiver.memory()[image::memoryAddress(i)],
                      receiverBefore[image::memoryAddress(i)])
                << i;
    }
    if (c.fault.address == 0x00120 || (c.fault.atCommand > 0 && c.fault.atCommand < 15)) {
        EXPECT_EQ(image.bankTable, before.bankTable) << "nothing is stored from a failed block";
        EXPECT_EQ(bankTableLoads, 0);
    }
    if (c.fault.atCommand == 15) {
        EXPECT_EQ(image.bankTable, receiverHex(receiver, 0x00100, 100)) << "read before it";
        EXPECT_EQ(image.sysBlock, before.sysBlock);
    }
}

INSTANTIATE_TEST_SUITE_P(Cables, Faults, testing::Combine(kBothCables, testing::ValuesIn(kCases)),
                         [](const testing::TestParamInfo<std::tuple<Cable, FaultCase>>& param) {
                             return std::string(std::get<1>(param.param).name) +
                                    (std::get<0>(param.param) == Cable::InMemory
                                         ? "_InMemory"
                                         : "_PseudoTerminal");
                         });

} // namespace
