// Every kind of receiver or cable fault ends the command at the step it hit, with a reason that
// names the step, keeps everything read before it, and leaves the port closed.

#include "link_fixture.h"

#include "image/memory_map.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using Kind = sim::Fault::Kind;

constexpr std::chrono::milliseconds kShortTimeout{300};

struct FaultCase {
    const char* name;
    bool write; // Write all, else Read all
    sim::Fault fault;
    std::string reason;        // the whole reason, or its beginning when it ends in "..."
    std::size_t sent;          // commands the receiver got, the failed one the last
    int firstUntouchedMemory;  // memories before it were transferred, it and later not
    bool bankTableRead = true; // Read all: the bank table was read before the fault
    std::string stopAt = {};   // the stop is requested while this command waits
};

sim::Fault atAddress(Kind kind, int address) {
    return {.kind = kind, .address = address};
}

// Read all sends 22 commands before memory 0, Write all 38.
FaultCase atMemory(const char* name, Kind kind, const std::string& detail, bool write = false,
                   int memory = 300, const std::string& stopAt = {}) {
    const std::string step = (write ? "Write all: writing memory " : "Read all: reading memory ") +
                             std::to_string(memory) + " at " +
                             image::hexAddress(image::memoryAddress(memory)) + ": ";
    const int address = stopAt.empty() ? static_cast<int>(image::memoryAddress(memory)) : -1;
    const std::size_t sent = (write ? 38u : 22u) + memory + (stopAt.empty() ? 1 : 0);
    return {name, write, atAddress(kind, address), step + detail, sent, memory, true, stopAt};
}

/// Read all, failing at its nth command; the bank table is read by the 15th.
FaultCase atCommand(const char* name, Kind kind, int n, const std::string& reason) {
    const sim::Fault fault{.kind = kind, .atCommand = n};
    return {name, false, fault, "Read all: " + reason, static_cast<std::size_t>(n), 0, n >= 15};
}

const FaultCase kCases[] = {
    atMemory("NoReply", Kind::NoReply, "no reply within 300 ms"),
    atMemory("LateReply", Kind::LateReply, "no reply within 300 ms"),
    atMemory("NoEcho", Kind::NoEcho, "reply not framed (no echo of the command)"),
    atMemory("Unframed", Kind::Unframed, "reply not framed (no CR LF within 300 ms)"),
    atMemory("Garbled", Kind::Garbled, "bad reply, not hexadecimal..."),
    atMemory("ShortLine", Kind::ShortLine, "bad reply, 62 characters instead of 64"),
    atMemory("PortVanishes", Kind::PortVanishes, "port error: ..."),
    atMemory("WriteRefused", Kind::WriteRefused, "receiver answered \"NG\" instead of \"OK\"",
             true),
    atMemory("WritePortVanishes", Kind::PortVanishes, "port error: ...", true),
    // A stop lets the memory in flight (50) complete and asks for nothing after it.
    atMemory("StopDuringRead", Kind::NoReply, "cancelled", false, 51, "VK~F01040R"),
    atMemory("StopDuringWrite", Kind::NoReply, "cancelled", true, 51, "VK~F01040W"),
    atCommand("Greeting", Kind::NoReply, 1, "greeting: no reply within 300 ms"),
    atCommand("GreetingRefused", Kind::WriteRefused, 1,
              "greeting answered \"NG\" instead of \"OK\""),
    atCommand("VersionTooShort", Kind::ShortLine, 2,
              "version reply \"002-\" is not of the form 000-00"),
    atCommand("SecondGreeting", Kind::NoReply, 15, "greeting: no reply within 300 ms"),
    // A four-line read still asks for all its lines.
    {"BankTableLine", false, atAddress(Kind::ShortLine, 0x00120),
     "Read all: reading the bank table at 00120: bad reply, 62 characters instead of 64", 6, 0,
     false},
};

class Faults : public LinkFixture,
               public testing::WithParamInterface<std::tuple<Cable, FaultCase>> {};

TEST_P(Faults, EndTheCommandAtTheirStepKeepingWhatCameBefore) {
    setUpCable(std::get<0>(GetParam()));
    radio->setReplyTimeout(kShortTimeout);
    const FaultCase& c = std::get<1>(GetParam());
    receiver.addFault(c.fault);
    const image::CloneImage before = image;
    const auto receiverBefore = receiver.memory();
    int failures = 0;
    QObject::connect(transport.get(), &link::Transport::failed, [&] { ++failures; });
    QObject::connect(transport.get(), &link::Transport::readyRead, radio.get(), [&] {
        if (!c.stopAt.empty() && log().back().starts_with(c.stopAt))
            radio->requestStop();
    });

    const Outcome outcome = c.write ? transfer->writeAll() : transfer->readAll();
    ASSERT_FALSE(outcome.ok());
    const bool detailed = c.reason.ends_with("..."); // the detail after it varies
    EXPECT_EQ(detailed ? outcome.reason().substr(0, c.reason.size() - 3) + "..." : outcome.reason(),
              c.reason);
    // A pulled cable is reported once and closes the port at once.
    EXPECT_EQ(failures, c.fault.kind == Kind::PortVanishes ? 1 : 0);
    EXPECT_EQ(transport->isOpen(), c.fault.kind != Kind::PortVanishes);
    radio->disconnectRadio();
    EXPECT_FALSE(transport->isOpen());
    EXPECT_EQ(log().size(), c.sent) << "nothing is sent after the failed step";

    for (int i = 0; i < image::kUserMemoryCount; ++i) {
        const std::uint32_t address = image::memoryAddress(i);
        if (c.write) // the fresh image writes "00" over the in-use byte up to the failed one
            ASSERT_EQ(receiver.memory()[address],
                      i < c.firstUntouchedMemory ? 0 : receiverBefore[address])
                << i;
        else
            ASSERT_EQ(image.memRecord[i], i < c.firstUntouchedMemory
                                              ? receiverHex(receiver, address, 32)
                                              : before.memRecord[i])
                << i;
    }
    if (!c.write) {
        EXPECT_EQ(image.bankTable,
                  c.bankTableRead ? receiverHex(receiver, 0x00100, 100) : before.bankTable);
        EXPECT_EQ(shown.starts_with("bank,"), c.bankTableRead);
        EXPECT_EQ(image.sysBlock != before.sysBlock, c.firstUntouchedMemory > 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cables, Faults, testing::Combine(kBothCables, testing::ValuesIn(kCases)),
    [](const auto& param) {
        return std::get<1>(param.param).name + ("_" + cableName({std::get<0>(param.param), 0}));
    });

} // namespace
