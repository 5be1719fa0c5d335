// The transfers as the session runs them: what they fill in, what they refuse, how a cancel ends
// them and what it says reached the receiver.

#include "session_fixture.h"

#include "image/memory_record.h"
#include "image/settings_block.h"
#include "link/comm_log.h"

using namespace r36;
using namespace r36::testing_session;

namespace {

using Kind = sim::Fault::Kind;

class Transfers : public SessionFixture {
protected:
    /// Cancels once the transfer reports memory `memory` done; the next memory answers with
    /// `fault` (a late reply: the cancel surely comes while it waits).
    void cancelAfter(int memory, Kind fault, bool repeat = false) {
        sim::Fault next{.kind = fault,
                        .address = static_cast<int>(image::memoryAddress(memory + 1)),
                        .repeat = repeat};
        next.lateBy = std::chrono::milliseconds{700};
        receiver.addFault(next);
        QObject::connect(&session->receiver(), &Receiver::transferProgress,
                         [this, memory](int, int, int value, const session::TransferStep& step) {
                             if (value == memory &&
                                 step.kind == session::TransferStep::Kind::Memory)
                                 session->receiver().cancelTransfer();
                         });
    }
};

TEST_F(Transfers, ReadAllFillsTheImageRowByRowAndAnotherTransferIsRefusedMeanwhile) {
    std::vector<int> changed;
    QObject::connect(session.get(), &Session::memoryChanged,
                     [&](int memory) { changed.push_back(memory); });
    ASSERT_TRUE(session->receiver().startTransfer(Transfer::ReadAll));
    EXPECT_TRUE(session->transferRunning());
    EXPECT_FALSE(session->receiver().startTransfer(Transfer::WriteAll)) << "one transfer at a time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !results.empty(); }, 60000));
    ASSERT_EQ(results.size(), 1u) << "the refused one reports nothing";
    EXPECT_EQ(results[0].status, Status::Complete);
    EXPECT_EQ(results[0].kind, Transfer::ReadAll);
    EXPECT_FALSE(session->transferRunning());
    ASSERT_EQ(changed.size(), 1700u);
    EXPECT_EQ(changed.back(), 1699);
    for (int memory = 0; memory < image::kUserMemoryCount; ++memory)
        ASSERT_EQ(session->image().memRecord[memory], receiverRecord(memory)) << memory;
    EXPECT_EQ(session->linkState().radioVersion, 206);
}

TEST_F(Transfers, ReadAllLogsEveryExchangeFromTheGreetingToTheLastMemoryAsItGoes) {
    const QString path = dir.filePath(QStringLiteral("comm.log"));
    ASSERT_TRUE(session->receiver().commLog().writeAlongTo(path));
    ASSERT_TRUE(run(Transfer::ReadAll).ok());
    // The file gets what the ring holds, after its two header lines and before the last newline.
    QStringList lines;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        lines = QString::fromStdString(test::fileBytes(path)).split('\n');
        return lines.mid(2, lines.size() - 3) == session->receiver().commLog().lines();
    }));
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("# QB-R36 Clone Utility")));
    QStringList exchanges; // "> command", "< reply": the time stripped, trouble kept
    for (const QString& line : lines.mid(2, lines.size() - 3))
        if (!line.contains(QLatin1String(" * ")))
            exchanges << line.trimmed().section(QLatin1Char(' '), 1);
    ASSERT_GE(exchanges.size(), 4);
    EXPECT_EQ(exchanges.first(2), (QStringList{"> VK~QB-R36J", "< OK"}));
    const std::string last = "VK~F" + image::hexAddress(image::memoryAddress(1699)) + "R";
    EXPECT_EQ(exchanges.last(2),
              (QStringList{QString::fromStdString("> " + last),
                           QString::fromStdString("< " + receiverRecord(1699))}));
}

TEST_F(Transfers, CancelDuringReadAllKeepsWhatWasReadAndLeavesTheRest) {
    cancelAfter(500, Kind::LateReply);
    const image::CloneImage before = session->image();
    const TransferResult result = run(Transfer::ReadAll);
    EXPECT_EQ(result.status, Status::Cancelled);
    EXPECT_EQ(test::english(result),
              "Stopped before reading memory 502 at 048C0. Everything read before it is kept.");
    for (int memory = 0; memory < image::kMemoryCount; ++memory)
        ASSERT_EQ(session->image().memRecord[memory],
                  memory <= 501 ? receiverRecord(memory) : before.memRecord[memory])
            << memory;
    EXPECT_TRUE(session->hasUnsavedChanges()) << "a cancelled read is a partial one";
    EXPECT_EQ(receiver.commandLog().back(), "VK~F048A0R");
    EXPECT_TRUE(run(Transfer::ReadSelected, 600, 600).ok()) << "the next transfer runs again";
}

TEST_F(Transfers, ACommandThatFailsWhileTheCancelWaitsIsReportedAsItsFailure) {
    cancelAfter(2, Kind::NoReply, true); // the command in flight is sent again, and fails again
    const TransferResult result = run(Transfer::ReadAll);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_EQ(test::english(result),
              "Read all: reading memory 3 at 00A60: no reply within 1000 ms, sent twice");
}

TEST_F(Transfers, ACancelledWriteSaysExactlyWhatTheReceiverTook) {
    cancelAfter(9, Kind::LateReply);
    const TransferResult result = run(Transfer::WriteAll);
    EXPECT_EQ(result.status, Status::Cancelled);
    EXPECT_EQ(test::english(result),
              "Stopped before writing memory 11 at 00B60. The receiver took the bank table (4 "
              "writes), bank-link groups 1..10, program-scan-link groups 1..9, the settings block "
              "(4 writes), the third settings block, the remote key IDs, memories 0..10.");
    EXPECT_EQ(receiver.commandLog().back().substr(0, 10), "VK~F00B40W");
}

TEST_F(Transfers, AWriteThatFailsHalfWayLeavesKnownOnlyWhatTheReceiverTook) {
    session->setMemory(3, image::encodeRecord({.frequencyHz = 145'500'000, .name = "HALF"}));
    receiver.addFault(
        {.kind = Kind::WriteRefused, .address = static_cast<int>(image::memoryAddress(300))});
    EXPECT_EQ(run(Transfer::WriteAll).status, Status::Failed);
    const image::ReceiverHoldings& held = session->receiver().receiverHoldings();
    EXPECT_EQ(held.bankTable, receiverHex(0x100, 100)) << "written before the memories";
    EXPECT_EQ(held.memories[3], receiverRecord(3));
    for (int memory = 300; memory < image::kUserMemoryCount; ++memory)
        ASSERT_FALSE(held.memories[memory]) << memory;
    EXPECT_EQ(session->receiver().differenceFor(Transfer::WriteAll).plan().memories.front(), 300);
}

TEST(WrittenPieces, AreListedInOrderWithRunsJoined) {
    using image::PieceKind;
    using Pieces = std::vector<image::Piece>;
    const image::Piece table0{PieceKind::BankTablePart, 0}, table1{PieceKind::BankTablePart, 1};
    const image::Piece keys{PieceKind::RemoconId}, settings0{PieceKind::SysBlockPart, 0};
    auto memory = [](int m) {
        return image::Piece{PieceKind::Memory, m};
    };
    auto bankLink = [](int k) {
        return image::Piece{PieceKind::BankLinkGroup, k};
    };
    auto psLink = [](int k) {
        return image::Piece{PieceKind::PsLinkGroup, k};
    };
    const std::pair<Pieces, std::string> cases[] = {
        {{}, ""},
        {{memory(12)}, "memory 12"},
        {{memory(0), memory(1), memory(2)}, "memories 0..2"},
        {{memory(1), memory(3), memory(4)}, "memory 1, memories 3..4"},
        {{table0, table1}, "the bank table (2 writes)"},
        {{table0, bankLink(1), bankLink(2), memory(3)},
         "the bank table, bank-link groups 1..2, memory 3"},
        {{bankLink(10), psLink(1), psLink(2)}, "bank-link group 10, program-scan-link groups 1..2"},
        {{memory(5), memory(4)}, "memory 5, memory 4"},
        {{keys, settings0, keys}, "the remote key IDs, the settings block, the remote key IDs"}};
    for (const auto& [pieces, text] : cases)
        EXPECT_EQ(session::writtenPiecesText(pieces, session::Wording::English).toStdString(), text)
            << text;
}

TEST_F(Transfers, ASelectionOutsideTheUserMemoriesIsRefusedBeforeTheGreeting) {
    const std::tuple<Transfer, int, int, const char*> cases[] = {
        {Transfer::ReadSelected, -1, -1,
         "Read selected memory: memories -1..-1 are outside 0..1699"},
        {Transfer::WriteSelected, 0, 1700,
         "Write selected memory: memories 0..1700 are outside 0..1699"}};
    for (const auto& [kind, first, last, reason] : cases) {
        const TransferResult result = run(kind, first, last);
        EXPECT_EQ(result.status, Status::Failed);
        EXPECT_EQ(test::english(result), reason);
    }
    EXPECT_TRUE(receiver.commandLog().empty());
}

TEST_F(Transfers, WriteThisPageStoresThePageChoiceInItsOneByte) {
    ASSERT_TRUE(run(Transfer::ReadThisPage).ok());
    ASSERT_TRUE(run(Transfer::WriteThisPage).ok()); // the page as read: the receiver's own
    const auto before = receiver.memory();
    image::SettingsSelections page = session->settings();
    const int lamp = image::settingIndexOfByte(6);
    page.sysChoice[lamp] = (page.sysChoice[lamp] + 1) % 8;
    session->setSettings(page);
    ASSERT_TRUE(run(Transfer::WriteThisPage).ok());
    std::vector<std::uint32_t> changed;
    for (std::uint32_t address = 0; address < before.size(); ++address)
        if (receiver.memory()[address] != before[address])
            changed.push_back(address);
    EXPECT_EQ(changed, std::vector<std::uint32_t>{0x00500 + 6});
    EXPECT_EQ(receiver.memory()[0x00500 + 6],
              image::valueForChoice(image::sysSettings()[lamp], page.sysChoice[lamp]));
}

} // namespace
