// What the window asks and says before and after it clears, replaces or moves memories. The
// rules behind it (which memories move, the refusal, the label changes) are tested in the image
// and session tests; here the questions, the keys and the status bar.

#include "window_fixture.h"

#include "image/memory_record.h"

#include <QStatusBar>

namespace r36::test {
namespace {

class ClearAndResizeTest : public WindowTest {
protected:
    void SetUp() override {
        openWindow();
        session().setMemory(3, fire);
        session().setMemory(750, fire); // Bank10-000 of the default partition
    }
    QString status() { return window().statusBar()->currentMessage(); }
    const std::string fire = image::encodeRecord({.frequencyHz = 154'000'000, .name = "FIRE"});
};

TEST_F(ClearAndResizeTest, ClearAllAsksWithCancelFirstAndSaysHowToUndoIt) {
    button("cmdClearAll")->click();
    ASSERT_EQ(m_dialogs.choices.size(), 1u);
    const auto& question = m_dialogs.choices.back();
    EXPECT_EQ(question.title, QStringLiteral("Caution"));
    EXPECT_EQ(question.text, QStringLiteral("Clear all 1700 memories? 2 of them hold a channel."));
    EXPECT_EQ(question.buttons.first(), QStringLiteral("Cancel")) << "the default";
    EXPECT_EQ(session().image().memRecord[750], fire);

    m_dialogs.buttons.push_back(QStringLiteral("Clear all memories"));
    button("cmdClearAll")->click();
    EXPECT_EQ(session().memoriesInUse(0, 1699), 0);
    EXPECT_EQ(status(),
              QStringLiteral("2 memories cleared at Bank00-000..PRIO - 99 — Ctrl+Z undoes"));
}

TEST_F(ClearAndResizeTest, AResizedBankTakesItsChannelsAlongWhenTheUserAgrees) {
    commitBox(9, QStringLiteral("55"));
    m_dialogs.buttons.push_back(QStringLiteral("Cancel"));
    commitBox(16, QStringLiteral("20"));
    EXPECT_EQ(box(16)->text(), QStringLiteral("25")) << "cancelled: the box shows its count";
    EXPECT_EQ(total(), QStringLiteral("1005"));

    m_dialogs.buttons.push_back(QStringLiteral("Move the channels with their banks"));
    commitBox(16, QStringLiteral("20"));
    EXPECT_EQ(m_dialogs.choices.back().buttons.first(),
              QStringLiteral("Move the channels with their banks"));
    EXPECT_EQ(session().image().memRecord[755], fire);
    EXPECT_EQ(status(),
              QStringLiteral("Every channel stays in its bank: 1 channel moved — Ctrl+Z undoes"));
}

TEST_F(ClearAndResizeTest, BankWriteListsTheChannelsThatOnlyChangedCountsMoveToAnotherLabel) {
    session().receiver().assumeReceiverHolds(session().image());
    commitBox(9, QStringLiteral("55"));
    commitBox(16, QStringLiteral("20")); // no answer: only the counts change
    EXPECT_EQ(cell(750, 0), QStringLiteral("Bank09-050")) << "the labels follow at once";
    m_dialogs.buttons.push_back(QStringLiteral("Cancel"));
    button("cmdWriteBank")->click();
    ASSERT_FALSE(m_dialogs.choices.empty());
    const auto& difference = m_dialogs.choices.back();
    EXPECT_EQ(difference.text, QStringLiteral("2 banks will change on the receiver, and 1 channel "
                                              "will show under another label (listed last):"));
    EXPECT_EQ(difference.lines.last(), QStringLiteral("FIRE: Bank10-000 -> Bank09-050"));
}

} // namespace
} // namespace r36::test
