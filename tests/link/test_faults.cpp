// Every kind of receiver or cable fault ends the command at the step it hit, with a reason that
// names the step, keeps everything read before it, and leaves the port closed.

#include "link_fixture.h"

#include "image/memory_map.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using Kind = sim::Fault::Kind;

struct FaultCase {
    const char* name;
    sim::Fault fault;   // {kind, at the nth command, at an address}
    std::string reason; // the whole reason, or its beginning when it ends in "..."
    std::size_t sent;   // commands the receiver got, the failed one the last, not counting
                        // those sent a second time
};

// The memory faults hit memory 300; Read all sends 22 commands before memory 0, Write all 38.
constexpr int kMemory = 300, kMemoryAddress = 0x02F80;

// Every sending of the memory's command meets the fault, so a repeated one fails again.
FaultCase atMemory(const char* name, Kind kind, const std::string& detail) {
    const bool write = kind == Kind::WriteRefused;
    return {name,
            {kind, 0, kMemoryAddress, true},
            (write ? "Write all: writing" : "Read all: reading") +
                std::string(" memory 300 at 02F80: ") + detail,
            (write ? 38u : 22u) + kMemory + 1};
}

const FaultCase kCases[] = {
    atMemory("NoReply", Kind::NoReply, "no reply within 300 ms, sent twice"),
    atMemory("NoEcho", Kind::NoEcho, "reply not framed (no echo of the command), sent twice"),
    atMemory("Unframed", Kind::Unframed, "reply not framed (no CR LF within 300 ms), sent twice"),
    atMemory("Garbled", Kind::Garbled, "bad reply, not hexadecimal..."),
    atMemory("ShortLine", Kind::ShortLine, "bad reply, 62 characters instead of 64"),
    atMemory("PortVanishes", Kind::PortVanishes, "port error: ..."),
    atMemory("WriteRefused", Kind::WriteRefused, "receiver answered \"NG\" instead of \"OK\""),
    {"Greeting", {Kind::NoReply, 1, -1, true}, "Read all: no reply from the receiver on ...", 1},
    {"GreetingRefused",
     {Kind::WriteRefused, 1},
     "Read all: greeting answered \"NG\" instead of \"OK\"",
     1},
    {"VersionTooShort",
     {Kind::ShortLine, 2},
     "Read all: version reply \"002-\" is not three digits, \"-\" and two digits, like 002-06",
     2},
    // A four-line read still asks for all its lines.
    {"BankTableLine",
     {Kind::ShortLine, 0, 0x00120},
     "Read all: reading the bank table at 00120: bad reply, 62 characters instead of 64",
     6},
};

class Faults : public LinkFixture,
               public testing::WithParamInterface<std::tuple<Cable, FaultCase>> {};

TEST_P(Faults, EndTheCommandAtTheirStepKeepingWhatCameBefore) {
    setUpCable(std::get<0>(GetParam()));
    radio->setReplyTimeout(std::chrono::milliseconds{300});
    const FaultCase& c = std::get<1>(GetParam());
    receiver.addFault(c.fault);
    const image::CloneImage before = image;
    const auto receiverBefore = receiver.memory();
    int failures = 0;
    QObject::connect(transport.get(), &link::Transport::failed, [&] { ++failures; });

    const bool write = c.reason.starts_with("Write");
    const std::string reason = test::english(write ? transfer->writeAll() : transfer->readAll());
    const bool detailed = c.reason.ends_with("..."); // the detail after it varies
    EXPECT_EQ(detailed ? reason.substr(0, c.reason.size() - 3) + "..." : reason, c.reason);
    // A pulled cable is reported once and closes the port at once.
    EXPECT_EQ(failures, c.fault.kind == Kind::PortVanishes ? 1 : 0);
    EXPECT_EQ(transport->isOpen(), c.fault.kind != Kind::PortVanishes);
    radio->disconnectRadio();
    EXPECT_FALSE(transport->isOpen());
    // A loaded machine can make any command time out once and be sent again.
    EXPECT_EQ(log().size(), c.sent + radio->repeatedCommands())
        << "nothing is sent after the failed step";

    // Memories before the failed one were transferred, it and later ones not.
    const int untouched = c.fault.address == kMemoryAddress ? kMemory : 0;
    for (int i = 0; i < image::kUserMemoryCount; ++i) {
        const std::uint32_t address = image::memoryAddress(i);
        if (write) // the fresh image writes "00" over the in-use byte up to the failed one
            ASSERT_EQ(receiver.memory()[address], i < untouched ? 0 : receiverBefore[address]) << i;
        else
            ASSERT_EQ(image.memRecord[i],
                      i < untouched ? receiverHex(receiver, address, 32) : before.memRecord[i])
                << i;
    }
    if (!write) { // the blocks read before the memories are kept
        EXPECT_EQ(image.bankTable,
                  untouched ? receiverHex(receiver, 0x00100, 100) : before.bankTable);
        EXPECT_EQ(shown.starts_with("bank,"), untouched > 0);
        EXPECT_EQ(image.sysBlock != before.sysBlock, untouched > 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cables, Faults, testing::Combine(kBothCables, testing::ValuesIn(kCases)),
    [](const auto& param) {
        return std::get<1>(param.param).name + ("_" + cableName({std::get<0>(param.param), 0}));
    });

} // namespace
