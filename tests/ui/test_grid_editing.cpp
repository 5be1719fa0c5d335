// The memory list edited like a spreadsheet: the Edit menu's undo and redo, typing into cells,
// copy and paste, moving memories and the find bar. The rules behind them are tested in the
// image, file and session tests; here the keys reach them and the refusals reach the user.

#include "window_fixture.h"

#include <QStatusBar>

namespace r36::test {
namespace {

class GridEditingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        openWindow();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        grid()->setFocus();
    }
    QWidget* focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget() : grid();
    }
    void key(QKeyCombination combination) {
        QTest::keyClick(focused(), combination.key(), combination.keyboardModifiers());
    }
    void goTo(int memory, int column) {
        grid()->setCurrentIndex(grid()->model()->index(memory, column));
    }
    /// Types into the current cell, as the user starts editing with a key, and commits with Enter.
    void type(const QString& text) {
        for (const QChar c : text)
            QTest::keyClicks(focused(), c);
        key(Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor commits from the event loop
    }
    const std::string& record(int memory) { return session().image().memRecord[memory]; }
    QString status() { return window().statusBar()->currentMessage(); }
};

TEST_F(GridEditingTest, UndoAndRedoFollowTheHistoryByMenuAndKeys) {
    const std::string before = record(3);
    session().setMemory(3, usedRecord(145000000));
    QAction* undo = named<QAction>("MenuUndo");
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Edit memory 3"));
    key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(record(3), before);
    EXPECT_EQ(named<QAction>("MenuRedo")->text(), QStringLiteral("Redo Edit memory 3"));
    key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(record(3), usedRecord(145000000));
    key(Qt::CTRL | Qt::Key_Z);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(record(3), usedRecord(145000000));
    EXPECT_TRUE(cell(3, 1).startsWith(QStringLiteral("145.000000")));
}

TEST_F(GridEditingTest, TypedCellsAreStoredOneStepEachAndRefusalsSayWhy) {
    goTo(5, 1);
    key(Qt::Key_F2);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("145.5"));
    EXPECT_EQ(cell(5, 1), QStringLiteral("145.500000MHz"));
    goTo(5, 11);
    type(QStringLiteral("ABCDEFGH")); // the first key starts editing
    EXPECT_EQ(cell(5, 11), QStringLiteral("ABCDEF"));
    goTo(5, 2);
    type(QStringLiteral("A")); // a list: the key chooses AM
    EXPECT_EQ(cell(5, 2), QStringLiteral("AM"));
    EXPECT_EQ(session().undoStack().count(), 3);

    const std::string before = record(5);
    goTo(5, 9);
    type(QStringLiteral("1000"));
    EXPECT_EQ(status(), QStringLiteral("Memory 5: Offset Frequency: 0.000000 to 999.999999 MHz"));
    goTo(5, 1);
    QTest::keyClicks(focused(), QStringLiteral("9"));
    key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    goTo(6, 8); // a free memory has no frequency to keep
    type(QStringLiteral("+"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Memory 6: Frequency")));
    EXPECT_EQ(record(5), before);
    EXPECT_EQ(record(6), "00");
    EXPECT_EQ(session().undoStack().count(), 3);
    EXPECT_TRUE(m_dialogTitles.isEmpty()); // Enter in a cell is not the detail editor's
    key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(cell(5, 2), QStringLiteral("FM"));
}

} // namespace
} // namespace r36::test
