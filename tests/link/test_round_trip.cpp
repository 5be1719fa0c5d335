// Whole and partial transfers against the simulated receiver, over both cables: what is sent,
// what the image holds afterwards, and what the receiver holds afterwards.

#include "link_fixture.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"

#include <algorithm>

using namespace r36;
using namespace r36::testing_link;

namespace {

using Memory = std::array<std::uint8_t, sim::ReceiverSimulator::kMemorySize>;

/// What the receiver must hold after "Write all" of an image read from it: the AREA byte
/// limited to 0x4C, record bytes 19..20 zero outside the PRG area, and byte 1 of the third
/// settings block also at the block's own address. Nothing else changes.
Memory expectedAfterWriteAll(Memory memory, int radioVersion) {
    const std::uint32_t area = image::sysBlockBase(radioVersion) + image::kAreaByte;
    memory[area] = std::min<std::uint8_t>(memory[area], image::kAreaLimit);
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        if (!image::isPrgMemory(i)) {
            memory[image::memoryAddress(i) + 19] = 0;
            memory[image::memoryAddress(i) + 20] = 0;
        }
    memory[image::kSys3WriteAddress] = memory[image::kSys3Address + 1];
    return memory;
}

std::vector<std::uint32_t> differingAddresses(const Memory& a, const Memory& b) {
    std::vector<std::uint32_t> addresses;
    for (std::uint32_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            addresses.push_back(i);
    return addresses;
}

std::vector<std::string> commandsStartingWith(const std::vector<std::string>& log,
                                              const std::string& prefix) {
    std::vector<std::string> found;
    std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                 [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    return found;
}

using RoundTrip = LinkTest;

TEST_P(RoundTrip, ReadWriteReadKeepsImageAndChangesReceiverOnlyWhereWritesMust) {
    const Memory before = receiver.memory();

    const Outcome firstRead = transfer->readAll();
    ASSERT_TRUE(firstRead.ok()) << firstRead.reason();
    EXPECT_EQ(state.radioVersion, 206);
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        ASSERT_EQ(image.memRecord[i], receiverHex(receiver, image::memoryAddress(i), 32)) << i;
    EXPECT_EQ(image.memRecord[image::presetFirst],
              image::freshImage().memRecord[image::presetFirst])
        << "the preset area is never transferred";

    const Outcome written = transfer->writeAll();
    ASSERT_TRUE(written.ok()) << written.reason();
    radio->disconnectRadio();
    // Write all cleared the stale auto flags in the image too: this is the image as sent.
    image::CloneImage sent = image;

    const Outcome secondRead = transfer->readAll();
    ASSERT_TRUE(secondRead.ok()) << secondRead.reason();
    // The one-byte write at the third block's own address shows up as its byte 0.
    image::setByteAt(sent.sys3Block, 0, *image::byteAt(sent.sys3Block, 1));
    EXPECT_TRUE(image == sent);

    const Memory expected = expectedAfterWriteAll(before, 206);
    EXPECT_EQ(differingAddresses(receiver.memory(), expected), std::vector<std::uint32_t>{});
    // The realistic receiver has something for every rule to change.
    EXPECT_GT(differingAddresses(before, expected).size(), 3u);
}

TEST_P(RoundTrip, ReadAllSendsTheCommandsInOrderAndTellsTheWindow) {
    ASSERT_TRUE(transfer->readAll().ok());
    const std::vector<std::string> head(log().begin(), log().begin() + 20);
    const std::vector<std::string> expectedHead{
        "VK~QB-R36J", "VK~VER",     "VK~F00100R", "VK~F00120R", "VK~F00140R",
        "VK~F00160R", "VK~F00080R", "VK~F000A0R", "VK~F000C0R", "VK~F000E0R",
        "VK~F00280R", "VK~F002A0R", "VK~F002C0R", "VK~F002E0R", "VK~QB-R36J",
        "VK~VER",     "VK~F00500R", "VK~F00520R", "VK~F00540R", "VK~F00560R"};
    EXPECT_EQ(head, expectedHead);
    EXPECT_EQ(log()[20], "VK~F0FD00R");
    EXPECT_EQ(log()[21], "VK~F00200R");
    EXPECT_EQ(log()[22], "VK~F00A00R");
    EXPECT_EQ(log().back(), "VK~F0DE60R");
    EXPECT_EQ(log().size(), 22u + 1700u);

    EXPECT_EQ(bankTableLoads, 1);
    EXPECT_EQ(shown, "sys,sys3,remocon,");
    ASSERT_EQ(changedMemories.size(), 1700u);
    EXPECT_EQ(changedMemories.front(), 0);
    EXPECT_EQ(changedMemories.back(), 1699);
    ASSERT_EQ(progress.size(), 1701u);
    EXPECT_EQ(progress.front(), (Progress{0, 1699, 0, ""}));
    EXPECT_EQ(progress[301], (Progress{0, 1699, 300, "300"}));
    EXPECT_EQ(progress.back(), (Progress{0, 1699, 1699, "1699"}));
}

TEST_P(RoundTrip, WriteAllSendsEmptyAndAutoFlaggedMemoriesAsTheReceiverNeedsThem) {
    image.memRecord[5] = "00";
    std::string flagged = receiverHex(receiver, image::memoryAddress(3), 32);
    image::setByteAt(flagged, 19, 1);
    image::setByteAt(flagged, 20, 1);
    image.memRecord[10] = flagged;
    image.memRecord[1250] = flagged;

    ASSERT_TRUE(transfer->writeAll().ok());
    const auto five = std::find(log().begin(), log().end(), "VK~F00AA0W00");
    ASSERT_NE(five, log().end());
    EXPECT_EQ(*(five + 1), "VK~F00AC0W00") << "memory 6 follows";

    std::string cleared = flagged;
    cleared.replace(38, 4, "0000");
    EXPECT_NE(std::find(log().begin(), log().end(), "VK~F00B40W" + cleared), log().end());
    EXPECT_EQ(image.memRecord[10], cleared);
    EXPECT_NE(std::find(log().begin(), log().end(),
                        "VK~F" + image::hexAddress(image::memoryAddress(1250)) + "W" + flagged),
              log().end());
    EXPECT_EQ(image.memRecord[1250], flagged);
    EXPECT_EQ(receiverHex(receiver, image::memoryAddress(5), 1), "00");
    EXPECT_TRUE(changedMemories.empty()) << "writes change no row";
}

TEST_P(RoundTrip, WriteAllSendsTablesAndSettingsInTheirPieces) {
    ASSERT_TRUE(transfer->writeAll().ok());
    const auto bank = commandsStartingWith(log(), "VK~F001");
    ASSERT_EQ(bank.size(), 4u);
    EXPECT_EQ(bank[0], "VK~F00100W" + image.bankTable.substr(0, 64));
    EXPECT_EQ(bank[3], "VK~F00160W" + image.bankTable.substr(192, 8));
    const auto links = commandsStartingWith(log(), "VK~F000");
    ASSERT_EQ(links.size(), 10u);
    EXPECT_EQ(links[0], "VK~F00088W" + image.bankLink[0]);
    EXPECT_EQ(links[9], "VK~F000D0W" + image.bankLink[9]);
    const auto psLinks = commandsStartingWith(log(), "VK~F002");
    ASSERT_EQ(psLinks.size(), 9u + 1u); // nine groups and the key IDs
    EXPECT_EQ(psLinks[0], "VK~F00288W" + image.psLink[0]);
    EXPECT_EQ(psLinks[8], "VK~F002C8W" + image.psLink[8]);

    const auto settings = commandsStartingWith(log(), "VK~F005");
    ASSERT_EQ(settings.size(), 8u); // four reads, then four writes
    EXPECT_EQ(settings[4], "VK~F00500W" + image.sysBlock.substr(0, 64));
    EXPECT_EQ(settings[7], "VK~F00560W" + image.sysBlock.substr(192, 8));
    const auto third = commandsStartingWith(log(), "VK~F0FD00");
    EXPECT_EQ(third, (std::vector<std::string>{"VK~F0FD00R", "VK~F0FD00W01"}));
    EXPECT_NE(std::find(log().begin(), log().end(), "VK~F00200W" + image.remoconId), log().end());
}

TEST_P(RoundTrip, BankReadCutsLinkEntriesOutOfTheirSlots) {
    ASSERT_TRUE(transfer->bankRead().ok());
    EXPECT_EQ(image.bankTable, receiverHex(receiver, 0x00100, 100));
    EXPECT_EQ(image.bankLink[0], receiverHex(receiver, 0x00088, 7));
    EXPECT_EQ(image.bankLink[9], receiverHex(receiver, 0x000D0, 7));
    EXPECT_EQ(image.psLink[0], receiverHex(receiver, 0x00288, 7));
    EXPECT_EQ(image.psLink[8], receiverHex(receiver, 0x002C8, 7));
    EXPECT_EQ(bankTableLoads, 1);
}

TEST_P(RoundTrip, ThisPageFollowsTheSettingsBlockToItsFirmwareAddress) {
    for (const auto& [version, base] :
         {std::pair{"002-05", std::string("00000")}, std::pair{"002-06", std::string("00500")}}) {
        receiver.setVersion(version);
        receiver.clearLog();
        ASSERT_TRUE(transfer->readThisPage().ok());
        EXPECT_EQ(log()[2], "VK~F" + base + "R") << version;
        EXPECT_EQ(image.sysBlock.substr(0, 150),
                  receiverHex(receiver, image::sysBlockBase(state.radioVersion), 75));
        ASSERT_TRUE(transfer->writeThisPage().ok());
        EXPECT_NE(std::find(log().begin(), log().end(),
                            "VK~F" + base + "W" + image.sysBlock.substr(0, 64)),
                  log().end())
            << version;
        radio->disconnectRadio();
    }
    EXPECT_EQ(shown, "sys,sys3,remocon,sys,sys3,remocon,");
}

TEST_P(RoundTrip, WriteThisPageSendsThePageOverTheReceiversOwnBlock) {
    image.sysBlock = std::string(256, '0'); // whatever the image held before is not sent
    link::TransferHooks h = hooks();
    h.storeSysBlock = [this] {
        image::setByteAt(image.sysBlock, 6, 0x07);
    };
    h.storeSys3Block = [this] {
        image::setByteAt(image.sys3Block, 1, 0x00);
    };
    h.storeRemoconId = [this] {
        image.remoconId = std::string(26, 'E');
    };
    useHooks(h);
    const Memory before = receiver.memory();

    ASSERT_TRUE(transfer->writeThisPage().ok());
    Memory expected = before;
    expected[0x00500 + 6] = 0x07;
    expected[0x00500 + 78] = 0x4C;
    expected[image::kSys3WriteAddress] = 0x00;
    std::fill_n(expected.begin() + 0x00200, 13, 0xEE);
    EXPECT_EQ(differingAddresses(receiver.memory(), expected), std::vector<std::uint32_t>{});
}

TEST_P(RoundTrip, SingleSelectedRowGetsAProgressRangeAboveItsMinimum) {
    ASSERT_TRUE(transfer->readSelected(7, 7).ok());
    EXPECT_EQ(log(), (std::vector<std::string>{"VK~QB-R36J", "VK~VER", "VK~F00AE0R"}));
    EXPECT_EQ(progress, (std::vector<Progress>{{7, 8, 7, ""}, {7, 8, 7, "7"}}));
    EXPECT_EQ(changedMemories, std::vector<int>{7});

    progress.clear();
    ASSERT_TRUE(transfer->writeSelected(1698, 1699).ok());
    EXPECT_EQ(progress,
              (std::vector<Progress>{
                  {1698, 1699, 1698, ""}, {1698, 1699, 1698, "1698"}, {1698, 1699, 1699, "1699"}}));
}

INSTANTIATE_TEST_SUITE_P(Cables, RoundTrip, kBothCables, cableName);

// ---- the checks below do not depend on the cable -------------------------------------------

using Transfer = InMemoryLinkTest;

TEST_F(Transfer, AreaByteAboveTheLastAreaIsLimitedOnRead) {
    for (const auto& [stored, held] : {std::pair{0x63, "4C"}, std::pair{0x4D, "4C"},
                                       std::pair{0x4C, "4C"}, std::pair{0x10, "10"}}) {
        receiver.memory()[0x00500 + 78] = static_cast<std::uint8_t>(stored);
        ASSERT_TRUE(transfer->readThisPage().ok());
        EXPECT_EQ(image.sysBlock.substr(156, 2), held) << stored;
        radio->disconnectRadio();
    }
}

TEST_F(Transfer, SelectionOutsideTheUserMemoriesSendsNothing) {
    for (const auto& [first, last] : {std::pair{5, 4}, std::pair{-1, 3}, std::pair{1699, 1700}}) {
        const Outcome read = transfer->readSelected(first, last);
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(read.reason().rfind("Read selected memory: ", 0), 0u) << read.reason();
    }
    EXPECT_EQ(transfer->readSelected(5, 4).reason(), "Read selected memory: no memory selected");
    EXPECT_TRUE(log().empty());
}

TEST_F(Transfer, MalformedDataIsNeverSent) {
    for (const std::string& bad : {std::string(""), std::string("0"), std::string("0G"),
                                   std::string("01 2"), std::string(66, '0')}) {
        receiver.clearLog();
        image.memRecord[3] = bad;
        const Outcome written = transfer->writeSelected(3, 3);
        ASSERT_FALSE(written.ok()) << bad;
        EXPECT_EQ(written.reason(), "Write selected memory: writing memory 3 at 00A60: data \"" +
                                        bad +
                                        "\" is not 1 to 32 bytes of hexadecimal text; not sent");
        EXPECT_EQ(log(), (std::vector<std::string>{"VK~QB-R36J", "VK~VER"}));
    }
    // A link entry longer than its seven bytes would overwrite the next slot.
    image.bankLink[4] = image.bankLink[4] + "00";
    const Outcome links = transfer->bankWrite();
    EXPECT_FALSE(links.ok());
    EXPECT_NE(links.reason().find("bank-link group 5 at 000A8"), std::string::npos)
        << links.reason();
    EXPECT_EQ(std::count_if(log().begin(), log().end(),
                            [](const std::string& c) { return c.rfind("VK~F000", 0) == 0; }),
              4);
}

} // namespace
