// The filter bar: a range typed hides rows and the status bar counts the shown ones; Delete and
// Ctrl+Enter on a selection dragged across hidden rows touch only the shown ones; Escape shows
// every row again. The rule itself is tested in the image tests.

#include "window_fixture.h"

#include <QLabel>
#include <QStatusBar>

namespace r36::test {
namespace {

TEST_F(WindowTest, FilteredCommandsActOnlyOnShownRows) {
    openWindow();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    session().setMemories(0,
                          {usedRecord(120'000'000, "AIR1"), usedRecord(150'000'000, "TWO"),
                           usedRecord(137'000'000, "AIR2"), usedRecord(160'000'000, "FOUR"),
                           usedRecord(118'000'000, "AIR3")},
                          QStringLiteral("setup"));
    const image::CloneImage before = session().image();
    named<QAction>("MenuFilter")->trigger();
    QTest::keyClicks(named<QLineEdit>("txtFilterRange"), QStringLiteral("118-137"));
    EXPECT_EQ(named<QLabel>("lblShownCount")->text(), QStringLiteral("3 of 1700 shown"));

    selectRows(0, 4);
    grid()->setFocus();
    grid()->edit(grid()->model()->index(0, 11));
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    const auto name = [this](int memory) {
        const auto channel = image::decodeRecord(session().image().memRecord[memory]);
        return channel ? channel->name.substr(0, 4) : std::string("-");
    };
    EXPECT_EQ(name(0) + name(1) + name(2) + name(3) + name(4), "X   TWO X   FOURX   ");
    EXPECT_TRUE(window().statusBar()->currentMessage().startsWith(
        QStringLiteral("3 memories changed — 2 rows hidden by the filter")));

    selectRows(0, 4);
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(name(0) + name(1) + name(2) + name(3) + name(4), "-TWO -FOUR-");
    // The cleared memories are free now: outside the range, they hide too.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return named<QLabel>("lblShownCount")->text() == "0 of 1700 shown"; }));
    session().undo();
    session().undo();
    EXPECT_EQ(session().image(), before);

    QTest::keyClick(named<QLineEdit>("txtFilterRange"), Qt::Key_Escape);
    EXPECT_EQ(grid()->isRowHidden(1) || grid()->isRowHidden(1699), false);
    EXPECT_FALSE(named<QLabel>("lblShownCount")->isVisible());
}

} // namespace
} // namespace r36::test
