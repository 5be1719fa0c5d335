// The edit history: every kind of step undoes to exactly the document before it and redoes to
// exactly the one after it, whatever parts of the document it touched.

#include "session_fixture.h"

#include "image/memory_record.h"
#include "session/document_change.h"

#include <functional>

using namespace r36;
using namespace r36::testing_session;

namespace {

std::string recordAt(std::uint32_t hz) {
    return image::encodeRecord({.frequencyHz = hz, .name = "HIST"});
}

class History : public SessionFixture {
protected:
    void SetUp() override {
        for (std::uint32_t m = 0; m < 6; ++m)
            session->setMemory(static_cast<int>(m), recordAt(145'000'000 + m * 12'500));
    }
    session::DocumentState document() const {
        return {session->image(), session->settings(), session->labels(), session->bankCounts(),
                session->displayedTotal()};
    }
};

TEST_F(History, EveryKindOfStepUndoesAndRedoesExactlyWhatItChanged) {
    Session& s = *session;
    const auto step = [&](const char* text, const std::function<void()>& change) {
        const session::DocumentState before = document();
        change();
        const session::DocumentState after = document();
        ASSERT_NE(after, before) << text;
        EXPECT_EQ(s.undoStack().undoText().toStdString(), text);
        s.undo();
        EXPECT_EQ(document(), before) << text;
        s.redo();
        EXPECT_EQ(document(), after) << text;
    };
    const std::vector<std::string> rows(5, recordAt(430'000'000));
    step("Edit Bank00-003", [&] { s.setMemory(3, recordAt(446'000'000)); });
    step("Paste", [&] { ASSERT_TRUE(s.setMemories(1695, rows, QStringLiteral("Paste"))); });
    step("Insert empty memory", [&] { ASSERT_TRUE(s.insertEmptyMemory(1)); });
    step("Delete memory", [&] { ASSERT_TRUE(s.deleteMemory(0)); });
    step("Move down", [&] { ASSERT_TRUE(s.moveMemory(3, +1)); });
    step("Move memories", [&] { ASSERT_TRUE(s.moveMemories(0, 1, 3)); });
    step("Bank Read", [&] { ASSERT_TRUE(run(Transfer::BankRead).ok()); }); // relabels
    step("Reset the partition", [&] { s.resetPartition(); });              // relabels
    step("Change the partition", [&] { s.commitBankCount(0, QStringLiteral("50")); });
    step("Change the bank links", [&] { s.setBankLinks({"0F0000000000FF"}); });
    step("Change the program-scan links", [&] { s.setPsLinks({"", "FFFFFFFFFFFFFF"}); });
    step("Change a setting", [&] {
        image::SettingsSelections page = s.settings();
        page.sysChoice[6] += 1, page.sys3Choice = (page.sys3Choice + 1) % 3, page.tvText[4] = "42";
        page.tvEnabled = !page.tvEnabled;
        s.setSettings(page);
    });
    step("Import", [&] { ASSERT_TRUE(s.importCsv(test::dataPath("edited.csv"))); });
    step("Clear memories", [&] { s.clearMemories(-5, 5000); });
    step("Read all", [&] { ASSERT_TRUE(run(Transfer::ReadAll).ok()); }); // undone after edits

    const int count = s.undoStack().count();
    s.setMemory(1700, recordAt(440'000'000)); // a preset memory
    EXPECT_FALSE(s.setMemories(1696, rows, QStringLiteral("Paste")));
    s.setMemory(9, s.image().memRecord[9]);
    EXPECT_EQ(s.undoStack().count(), count) << "refusals and no change make no step";
}

TEST_F(History, UndoWaitsWhileATransferRunsAndTheTransferIsThenOneStep) {
    const int index = session->undoStack().index();
    ASSERT_TRUE(run([this] {
                    const bool started = session->receiver().startTransfer(Transfer::ReadAll);
                    session->undo(); // the read's results arrive into the document as it is
                    return started;
                }).ok());
    EXPECT_EQ(session->undoStack().index(), index + 1);
    EXPECT_EQ(session->undoStack().undoText(), QStringLiteral("Read all"));
}

} // namespace
