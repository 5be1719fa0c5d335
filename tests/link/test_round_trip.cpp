// Whole and partial transfers against the simulated receiver, over both cables: what is sent,
// what the image holds afterwards, and what the receiver holds afterwards.

#include "link_fixture.h"

#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"

#include <algorithm>

using namespace r36;
using namespace r36::testing_link;

namespace {

using Memory = std::array<std::uint8_t, sim::ReceiverSimulator::kMemorySize>;
using Texts = std::vector<std::string>;

/// What the receiver must hold after "Write all" of an image read from it: the AREA byte
/// limited to 0x4C, record bytes 19..20 zero outside the PRG area, and byte 1 of the third
/// settings block also at the block's own address. Nothing else changes.
Memory expectedAfterWriteAll(Memory memory) {
    const std::uint32_t area = image::sysBlockBase(206) + image::kAreaByte;
    memory[area] = std::min<std::uint8_t>(memory[area], image::kAreaLimit);
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        if (!image::isPrgMemory(i))
            memory[image::memoryAddress(i) + 19] = memory[image::memoryAddress(i) + 20] = 0;
    memory[image::kSys3WriteAddress] = memory[image::kSys3Address + 1];
    return memory;
}

Texts startingWith(const Texts& log, const std::string& prefix) {
    Texts found;
    std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                 [&](const std::string& c) { return c.starts_with(prefix); });
    return found;
}

using RoundTrip = LinkTest;

TEST_P(RoundTrip, ReadWriteReadSendsEveryPieceAndChangesTheReceiverOnlyWhereWritesMust) {
    const Memory before = receiver.memory();
    ASSERT_TRUE(transfer->readAll().ok());
    EXPECT_EQ(
        Texts(log().begin(), log().begin() + 23),
        (Texts{"VK~QB-R36J", "VK~VER",     "VK~F00100R", "VK~F00120R", "VK~F00140R", "VK~F00160R",
               "VK~F00080R", "VK~F000A0R", "VK~F000C0R", "VK~F000E0R", "VK~F00280R", "VK~F002A0R",
               "VK~F002C0R", "VK~F002E0R", "VK~QB-R36J", "VK~VER",     "VK~F00500R", "VK~F00520R",
               "VK~F00540R", "VK~F00560R", "VK~F0FD00R", "VK~F00200R", "VK~F00A00R"}));
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        ASSERT_EQ(image.memRecord[i], receiverHex(receiver, image::memoryAddress(i), 32)) << i;
    EXPECT_EQ(shown, "bank,sys,sys3,remocon,");
    EXPECT_EQ(changedMemories.size(), 1700u);
    EXPECT_EQ(changedMemories.back(), 1699);
    EXPECT_EQ(progress.size(), 1701u);
    EXPECT_EQ(progress.front() + progress.back(), "0..1699:0:0/17000..1699:1699:1700/1700");

    receiver.clearLog();
    ASSERT_TRUE(transfer->writeAll().ok());
    radio->disconnectRadio();
    image::CloneImage sent = image; // Write all cleared the stale auto flags in the image too
    EXPECT_EQ(startingWith(log(), "VK~F001"),
              (Texts{"VK~F00100W" + sent.bankTable.substr(0, 64),
                     "VK~F00120W" + sent.bankTable.substr(64, 64),
                     "VK~F00140W" + sent.bankTable.substr(128, 64),
                     "VK~F00160W" + sent.bankTable.substr(192, 8)}));
    EXPECT_EQ(startingWith(log(), "VK~F000").size(), 10u);
    EXPECT_EQ(startingWith(log(), "VK~F002").size(), 9u + 1u); // nine groups and the key IDs
    const Texts settings = startingWith(log(), "VK~F005");     // four reads, then four writes
    EXPECT_EQ(settings.size(), 8u);
    EXPECT_EQ(settings.back(), "VK~F00560W" + sent.sysBlock.substr(192, 8));
    EXPECT_EQ(startingWith(log(), "VK~F0FD00"),
              (Texts{"VK~F0FD00R", "VK~F0FD00W" + sent.sys3Block.substr(2, 2)}));

    ASSERT_TRUE(transfer->readAll().ok());
    // The one-byte write at the third block's own address shows up as its byte 0.
    image::setByteAt(sent.sys3Block, 0, *image::byteAt(sent.sys3Block, 1));
    EXPECT_TRUE(image == sent);
    const Memory expected = expectedAfterWriteAll(before);
    EXPECT_TRUE(receiver.memory() == expected);
    EXPECT_FALSE(before == expected) << "the rules had work to do";
}

TEST_P(RoundTrip, PartialCommandsFollowTheSettingsBlockToItsFirmwareAddressAndTheSelection) {
    for (const auto& [version, base] :
         {std::pair{"002-05", 0x00000u}, std::pair{"002-06", 0x00500u}}) {
        receiver.setVersion(version);
        receiver.clearLog();
        ASSERT_TRUE(transfer->readThisPage().ok());
        const auto at = [&](std::uint32_t offset) {
            return "VK~F" + image::hexAddress(base + offset);
        };
        EXPECT_EQ(log(), (Texts{"VK~QB-R36J", "VK~VER", at(0) + "R", at(32) + "R", at(64) + "R",
                                at(96) + "R", "VK~F0FD00R", "VK~F00200R"}));
        EXPECT_EQ(image.sysBlock.substr(0, 150), receiverHex(receiver, base, 75));
        ASSERT_TRUE(transfer->writeThisPage().ok());
        EXPECT_EQ(log()[14], at(0) + "W" + image.sysBlock.substr(0, 64));
        radio->disconnectRadio();
    }
    EXPECT_EQ(shown, "sys,sys3,remocon,sys,sys3,remocon,");

    receiver.clearLog();
    ASSERT_TRUE(transfer->bankRead().ok());
    EXPECT_EQ(log().size(), 2u + 12u);
    EXPECT_EQ(image.psLink[8], receiverHex(receiver, 0x002C8, 7));
    EXPECT_EQ(shown.substr(shown.size() - 5), "bank,");

    // A selection of one memory gets a progress range above its minimum.
    receiver.clearLog();
    ASSERT_TRUE(transfer->readSelected(7, 7).ok());
    EXPECT_EQ(log(), (Texts{"VK~QB-R36J", "VK~VER", "VK~F00AE0R"}));
    EXPECT_EQ(progress, (Texts{"7..8:7:0/1", "7..8:7:1/1"}));
    EXPECT_EQ(changedMemories, std::vector<int>{7});

    progress.clear();
    image.memRecord[1698] = "00"; // the empty record: a one-byte write of the in-use flag
    const std::uint8_t second = receiver.memory()[0x0DE41];
    ASSERT_TRUE(transfer->writeSelected(1698, 1699).ok());
    EXPECT_EQ(log()[5], "VK~F0DE40W00");
    EXPECT_EQ(receiver.memory()[0x0DE40], 0);
    EXPECT_EQ(receiver.memory()[0x0DE41], second) << "one byte only";
    EXPECT_EQ(progress,
              (Texts{"1698..1699:1698:0/2", "1698..1699:1698:1/2", "1698..1699:1699:2/2"}));
}

TEST_P(RoundTrip, MalformedDataIsNeverSent) {
    for (const std::string& bad : {std::string(""), std::string("0"), std::string("0G"),
                                   std::string("01 2"), std::string(66, '0')}) {
        receiver.clearLog();
        image.memRecord[3] = bad;
        EXPECT_EQ(test::english(transfer->writeSelected(3, 3)),
                  "Write selected memory: writing memory 3 at 00A60: data \"" + bad +
                      "\" is not 1 to 32 bytes of hexadecimal text; not sent");
        EXPECT_EQ(log(), (Texts{"VK~QB-R36J", "VK~VER"}));
    }
    // A link entry longer than its seven bytes would overwrite the next slot.
    image.bankLink[4] += "00";
    const Outcome links = transfer->bankWrite();
    EXPECT_NE(test::english(links).find("bank-link group 5 at 000A8"), std::string::npos)
        << test::english(links);
    EXPECT_EQ(startingWith(log(), "VK~F000").size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Cables, RoundTrip, kBothCables, cableName);

} // namespace
