// Writes that cannot scramble the receiver: what it holds, only what changed, read back, and a
// backup of every Read all.

#include "session_fixture.h"

#include "files/clone_file.h"
#include "image/memory_record.h"
#include "session/backups.h"
#include "session/difference_text.h"

#include <QFile>

using namespace r36;
using namespace r36::testing_session;

namespace {

using Kind = sim::Fault::Kind;

std::string recordAt(std::uint32_t hz) {
    image::MemoryChannel channel;
    channel.frequencyHz = hz;
    channel.name = "SAFE";
    return image::encodeRecord(channel);
}

int address(int memory) {
    return static_cast<int>(image::memoryAddress(memory));
}

class SafeWrites : public SessionFixture {
protected:
    void SetUp() override { ASSERT_TRUE(run(Transfer::ReadAll).ok()); }
    const image::ReceiverHoldings& held() const { return session->receiver().receiverHoldings(); }
    TransferResult writeChanges() {
        return run([this] { return session->receiver().startWriteChanges(Transfer::WriteAll); });
    }
};

TEST_F(SafeWrites, ARefusedWriteLeavesWhatTheReceiverHoldsAtWhatWasAcknowledged) {
    ASSERT_TRUE(session->receiver().setVerifyAfterWriting(false)); // no read-back to make up for it
    for (int memory : {5, 10, 11})
        session->setMemory(memory, recordAt(150'000'000 + memory));
    receiver.addFault({.kind = Kind::WriteRefused, .address = address(10)});
    EXPECT_EQ(run(Transfer::WriteAll).status, Status::Failed);
    for (int memory = 0; memory < image::kUserMemoryCount; ++memory)
        ASSERT_EQ(held().memories[memory], receiverRecord(memory)) << memory;
    EXPECT_EQ(held().bankTable, receiverHex(0x100, 100));
    EXPECT_EQ(held().sysBlock->substr(0, 200), receiverHex(0x500, 100));
    image::LinkState kept;
    ASSERT_TRUE(files::readSettingsFile(settingsPath(), kept));
    EXPECT_FALSE(kept.verifyAfterWriting);
}

TEST_F(SafeWrites, VerifyNamesTheMemoryTheReceiverDroppedAndAPROTCTThatDidNotStick) {
    session->setMemory(812, recordAt(145'000'000));
    ASSERT_TRUE(run(Transfer::WriteSelected, 812, 812).ok());
    session->setMemory(812, recordAt(146'520'000));
    image::SettingsSelections page = session->settings();
    page.sys3Choice = (page.sys3Choice + 1) % 3;
    session->setSettings(page);
    receiver.addFault({.kind = Kind::WriteDropped, .address = address(812)});
    const TransferResult result = writeChanges();
    EXPECT_EQ(result.status, Status::Failed);
    const std::string reason = test::english(result);
    EXPECT_TRUE(holds(reason, "\nmemory 812: the receiver holds 145.000000MHz, 146.520000MHz was "
                              "written"));
    EXPECT_TRUE(holds(reason, "\nPROTCT: the receiver holds "));
    EXPECT_TRUE(holds(reason, "the PROTCT change did not stick"));
    EXPECT_EQ(held().memories[812], receiverRecord(812)) << "taken from the read-back";
    EXPECT_FALSE(session->receiver().differenceFor(Transfer::WriteAll).empty())
        << "still to be written";
}

TEST_F(SafeWrites, WriteChangesSendsOnlyTheEditedMemoriesAndReadsThemBack) {
    // This receiver holds auto flags outside the PRG area: clearing them is a change.
    EXPECT_EQ(session->receiver().differenceFor(Transfer::WriteAll).plan().memories.size(), 1u);
    ASSERT_TRUE(run(Transfer::WriteAll).ok());
    EXPECT_TRUE(session->receiver().differenceFor(Transfer::WriteAll).empty());
    std::vector<std::string> expected = {"VK~QB-R36J", "VK~VER"};
    for (int memory : {3, 700, 1699}) {
        session->setMemory(memory, recordAt(440'000'000 + memory));
        expected.push_back("VK~F" + image::hexAddress(address(memory)) + "W" +
                           recordAt(440'000'000 + memory));
    }
    for (int memory : {3, 700, 1699})
        expected.push_back("VK~F" + image::hexAddress(address(memory)) + "R");
    EXPECT_EQ(session::countsText(session->receiver().differenceFor(Transfer::WriteAll),
                                  session::Wording::English)
                  .toStdString(),
              "3 memories");
    receiver.clearLog();
    EXPECT_TRUE(writeChanges().ok());
    EXPECT_EQ(receiver.commandLog(), expected);
    EXPECT_TRUE(session->receiver().differenceFor(Transfer::WriteAll).empty());
    EXPECT_FALSE(session->hasUnsavedChanges());
    receiver.clearLog();
    EXPECT_TRUE(writeChanges().ok());
    EXPECT_TRUE(receiver.commandLog().empty()) << "nothing differs: nothing sent";
}

TEST_F(SafeWrites, EveryReadAllLeavesABackupAndNoneIsOverwritten) {
    const auto first = session::listBackups(backupFolder());
    ASSERT_EQ(first.size(), 1u);
    QFile file(first[0].path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    file.close();
    session->setMemory(0, recordAt(100'000'000));
    receiver.memory()[address(1)] = 0; // memory 1 no longer in use
    ASSERT_TRUE(run([this] { return session->receiver().startReceiverRead(); }).ok());
    EXPECT_EQ(session->image().memRecord[0], recordAt(100'000'000)) << "the image stays";
    EXPECT_EQ(held().memories[1], receiverRecord(1));
    const auto both = session::listBackups(backupFolder());
    ASSERT_EQ(both.size(), 2u);
    EXPECT_NE(both[0].path, both[1].path);
    EXPECT_EQ(both[1].path, first[0].path);
    EXPECT_EQ(both[0].memoriesInUse, first[0].memoriesInUse - 1);
    EXPECT_EQ(both[0].radioVersion, 206);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), contents);
    ASSERT_TRUE(session->receiver().choosePort(2));
    EXPECT_TRUE(held().knowsNothing()) << "another port, perhaps another receiver";
}

} // namespace
