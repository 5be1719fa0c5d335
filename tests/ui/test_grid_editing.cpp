// The memory list edited like a spreadsheet: the Edit menu's undo and redo, typing into cells,
// copy and paste, moving memories and the find bar. The rules behind them are tested in the
// image, file and session tests; here the keys reach them and the refusals reach the user.

#include "window_fixture.h"

#include "image/memory_areas.h"
#include "support/test_files.h"

#include <QClipboard>
#include <QComboBox>
#include <QAbstractItemView>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>

namespace r36::test {
namespace {

class GridEditingTest : public WindowTest {
protected:
    void SetUp() override {
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
    EXPECT_EQ(named<QAction>("MenuUndo")->text(), QStringLiteral("Undo Edit Bank00-003"));
    goTo(3, 1);
    key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(record(3), before);
    EXPECT_EQ(grid()->currentIndex().row(), 3); // the whole image came back, the row stays
    EXPECT_EQ(status(), QStringLiteral("Undone: Edit Bank00-003 — Ctrl+Y redoes"));
    EXPECT_EQ(named<QAction>("MenuRedo")->text(), QStringLiteral("Redo Edit Bank00-003"));
    key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(record(3), usedRecord(145000000));
}

TEST_F(GridEditingTest, TypedCellsAreStoredOneStepEachAndRefusalsSayWhy) {
    goTo(5, 1);
    key(Qt::Key_F2);
    type(QStringLiteral("145.5"));
    EXPECT_EQ(cell(5, 1), QStringLiteral("145.500000MHz"));
    goTo(5, 11);
    type(QStringLiteral("ABCDEFGH")); // the first key starts editing
    EXPECT_EQ(cell(5, 11), QStringLiteral("ABCDEF"));
    goTo(5, 2);
    type(QStringLiteral("A")); // a list: the key chooses AM
    EXPECT_EQ(cell(5, 2), QStringLiteral("AM"));
    const std::string before = record(5);
    goTo(5, 1);
    QTest::keyClicks(focused(), QStringLiteral("9"));
    key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    goTo(6, 8); // a free memory has no frequency to keep
    type(QStringLiteral("+"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Bank00-006: Frequency")))
        << status().toStdString();
    EXPECT_EQ(record(5), before);
    EXPECT_EQ(session().undoStack().count(), 3);
    EXPECT_TRUE(m_dialogTitles.isEmpty()); // Enter in a cell is not the detail editor's
    key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(cell(5, 2), QStringLiteral("FM"));
}

TEST_F(GridEditingTest, PastesASpreadsheetsRowsAndCopiesCutsAndPastesThemBackExactly) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(fileBytes(dataPath("spreadsheet.tsv"))));
    goTo(10, 1);
    key(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(cell(10, 1), QStringLiteral("118.100000MHz"));
    EXPECT_EQ(grid()->selectionModel()->selectedRows().size(), 5);

    const std::vector<std::string> pasted(&record(10), &record(10) + 5);
    key(Qt::CTRL | Qt::Key_X); // the pasted rows are still selected
    EXPECT_EQ(record(10), "00");
    EXPECT_EQ(status(), QStringLiteral("4 memories cleared at Bank00-010..014 — Ctrl+Z undoes"));
    goTo(1695, 1);
    key(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(std::vector<std::string>(&record(1695), &record(1695) + 5), pasted);
    goTo(1696, 1);
    key(Qt::CTRL | Qt::Key_V);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Nothing pasted"))) << status().toStdString();

    selectRows(1695, 1696);
    key(Qt::CTRL | Qt::Key_C);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("PRIO - 95\t118.100000MHz\tAM\t")));
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("application/x-qbr36-records")));
}

TEST_F(GridEditingTest, RowsMoveByKeysMenuAndDraggingWithinTheirBank) {
    for (int m = 20; m <= 23; ++m)
        session().setMemory(m, usedRecord(145000000 + m * 1000000));
    const std::vector<std::string> start(&record(20), &record(20) + 4);
    goTo(21, 1);
    key(Qt::ALT | Qt::Key_Up);
    EXPECT_EQ(record(20), start[1]);
    key(Qt::ALT | Qt::Key_Down); // the row followed its memory
    EXPECT_EQ(record(21), start[1]);

    // In an open list Alt+Down is the list's own key: it opens the list, nothing moves.
    selectRows(20, 23);
    goTo(21, 2);
    key(Qt::Key_F2);
    auto* list = qobject_cast<QComboBox*>(focused());
    ASSERT_NE(list, nullptr);
    key(Qt::ALT | Qt::Key_Down);
    EXPECT_EQ(std::vector<std::string>(&record(20), &record(20) + 4), start);
    EXPECT_TRUE(list->view()->isVisible());
    list->hidePopup();
    key(Qt::Key_Escape);

    // Rows 20..21 dragged onto row 23 end there.
    QMimeData rows;
    rows.setData(QStringLiteral("application/x-qbr36-rows"), "20 21");
    const QPoint onRow23 = grid()->visualRect(grid()->model()->index(23, 1)).center();
    QDragEnterEvent enter(onRow23, Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(onRow23, Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid()->viewport(), &enter);
    QApplication::sendEvent(grid()->viewport(), &drop);
    EXPECT_EQ(std::vector<std::string>(&record(20), &record(20) + 4),
              (std::vector<std::string>{start[2], start[3], start[0], start[1]}));

    const int last = image::memoryGroup(session().image().bankTable, 20).second;
    session().setMemory(last, usedRecord(145000000));
    goTo(last - 1, 1);
    named<QAction>("MenuInsertMemory")->trigger();
    EXPECT_TRUE(status().endsWith(QStringLiteral("nothing moved"))) << status().toStdString();
}

TEST_F(GridEditingTest, TheFindBarStepsThroughTheMatchesAndSaysHowManyMatch) {
    for (int m : {40, 700, 1300})
        session().setMemory(m, usedRecord(145500000));
    goTo(500, 1);
    key(Qt::CTRL | Qt::Key_F);
    ASSERT_EQ(focused(), named("txtFind"));
    QTest::keyClicks(focused(), QStringLiteral("145.5"));
    EXPECT_EQ(grid()->currentIndex().row(), 700); // from the current row on
    EXPECT_EQ(status(), QStringLiteral("2 of 3 matching memories"));
    key(Qt::Key_F3);
    EXPECT_EQ(grid()->currentIndex().row(), 1300);
    key(Qt::Key_Return); // round the end
    EXPECT_EQ(grid()->currentIndex().row(), 40);
    key(Qt::SHIFT | Qt::Key_F3);
    EXPECT_EQ(grid()->currentIndex().row(), 1300);
    key(Qt::Key_Escape);
    EXPECT_FALSE(named("findBar")->isVisible());
    EXPECT_EQ(focused(), grid());
    EXPECT_TRUE(status().isEmpty()) << "the count went with the bar";
    key(Qt::Key_F3); // the last text still counts
    EXPECT_EQ(grid()->currentIndex().row(), 40);
    named<QTabBar>("TabStrip1")->setCurrentIndex(1);
    EXPECT_TRUE(status().isEmpty()) << "a find count does not stay on the Settings page";
}

} // namespace
} // namespace r36::test
