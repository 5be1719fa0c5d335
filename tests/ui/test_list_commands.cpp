// The list commands reach the session from the Edit menu and the keys: sorting the selection,
// Ctrl+Enter setting a column in every selected row, and the selected duplicates cleared by
// Delete. Their rules are tested in the image and session tests.

#include "window_fixture.h"

#include "image/memory_record.h"

#include <QStatusBar>

namespace r36::test {
namespace {

TEST_F(WindowTest, SortSetAColumnWithCtrlEnterAndClearTheSelectedDuplicates) {
    openWindow();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    const auto channel = [](std::uint32_t hz, const char* name) {
        return image::encodeRecord({.frequencyHz = hz, .name = name});
    };
    session().setMemories(0,
                          {channel(147'000'000, "C"), channel(145'000'000, "A"),
                           channel(146'000'000, "B"), channel(145'000'000, "A2")},
                          QStringLiteral("setup"));
    selectRows(0, 3);
    m_dialogs.buttons = {QStringLiteral("Ascending")}; // on the first line, Frequency
    named<QAction>("MenuSort")->trigger();
    const auto name = [this](int memory) {
        return image::decodeRecord(session().image().memRecord[memory])->name;
    };
    EXPECT_EQ(name(0) + name(1) + name(2) + name(3), "A     A2    B     C     ");

    grid()->setFocus();
    grid()->edit(grid()->model()->index(0, 11));
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(name(0) + name(1) + name(2) + name(3), "X     X     X     X     ");
    EXPECT_EQ(window().statusBar()->currentMessage(), QStringLiteral("4 memories changed"));

    named<QAction>("MenuSelectDuplicates")->trigger();
    const int steps = session().undoStack().count();
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(session().image().memRecord[1], image::kEmptyRecord);
    EXPECT_EQ(name(0) + name(2) + name(3), "X     X     X     ");
    EXPECT_EQ(session().undoStack().count(), steps + 1);
}

} // namespace
} // namespace r36::test
