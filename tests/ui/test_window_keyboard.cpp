// The main window without a mouse: the keys that turn the pages, where the focus goes after each
// command, the partition boxes' editing keys, what the window says when a command cannot run,
// how the grid grows and what a screen reader is told.

#include "window_fixture.h"

#include <QHeaderView>
#include <QStatusBar>
#include <QTabBar>

namespace r36::test {
namespace {

const QString kProblem = QStringLiteral("The bank counts total 990; they must total 1000");

class WindowKeyboardTest : public WindowTest {
protected:
    QWidget* focused() { return window().focusWidget(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(WindowKeyboardTest, KeysTurnThePagesThroughTheTabGuardAndTabMovesInOrder) {
    auto& w = openWindow(); // in the grid on the first memory
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w)); // window shortcuts need an active window
    EXPECT_EQ(focused(), grid());
    EXPECT_TRUE(grid()->selectionModel()->isRowSelected(0));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), button("cmdClearAll"));
    for (const QString& turn :
         QStringLiteral("Ctrl+Tab A_FRAME1,Ctrl+PgUp A_FRAME0,Ctrl+Shift+Backtab A_FRAME1,"
                        "Ctrl+PgDown A_FRAME0")
             .split(',')) {
        const QKeyCombination key = QKeySequence(turn.section(' ', 0, 0))[0];
        const QByteArray page = turn.section(' ', 1).toLatin1();
        press(key.key(), key.keyboardModifiers());
        EXPECT_TRUE(named(page.constData())->isVisible()) << page.data();
        EXPECT_TRUE(named(page.constData())->isAncestorOf(focused())) << page.data();
    }
    EXPECT_EQ(focused(), grid());
    box(49)->setFocus(); // Tab passes the total by
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), button("cmdReadBank"));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), box(49));
    box(0)->setFocus();
    QTest::keyClicks(box(0), "9"); // "1009": the guard asks, Cancel keeps the page
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_TRUE(named("A_FRAME0")->isVisible());
}

// Each command acts on the selection (Clear All on every memory), and the focus, the current row
// and the selection stay in the grid, also through the model's resets.
TEST_F(WindowKeyboardTest, MemoryPageCommandsActOnTheSelectionAndLeaveTheFocusInTheGrid) {
    openWindow();
    for (const char* command : {"Delete", "cmdClear", "cmdClearAll", "cmdGrpDialog0",
                                "cmdGrpDialog1", "cmdRead1mem", "cmdWrite1mem"}) {
        const std::string_view name(command);
        for (int memory : {3, 900})
            session().setMemory(memory, usedRecord(145000000));
        selectRows(3, 3);
        grid()->setFocus();
        if (name == "cmdClearAll")
            m_dialogs.buttons.push_back(QStringLiteral("Clear all memories"));
        if (name == "Delete")
            QTest::keyClick(grid(), Qt::Key_Delete);
        else
            runToEnd([&] { QTest::mouseClick(button(command), Qt::LeftButton); });
        if (name == "Delete" || name.starts_with("cmdClear")) {
            EXPECT_EQ(session().image().memRecord[3], "00") << command;
        }
        EXPECT_EQ(session().image().memRecord[900] == "00", name == "cmdClearAll") << command;
        EXPECT_EQ(focused(), grid()) << command;
        EXPECT_EQ(grid()->currentIndex().row(), 3) << command << ": a reset keeps the row";
        EXPECT_TRUE(grid()->selectionModel()->isRowSelected(3)) << command;
    }
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(grid()->currentIndex().row(), 4);
    EXPECT_EQ(m_dialogTitles,
              (QStringList{"BANK-LINK Setting", "PS LINK Setting", "Memory Setting"}));
}

TEST_F(WindowKeyboardTest, PartitionBoxesTakeTheEditingKeysButTypedDigitsOnly) {
    openWindow();
    QLineEdit* edited = box(0); // "100"
    edited->setFocus();
    // Each key, and what the box shows after it.
    const QStringList keys =
        QStringLiteral("Home,Del,5,X,End,Shift+Left,7,3,4,Ctrl+A,Ctrl+X,Ctrl+V,Return").split(',');
    const QStringList shows =
        QStringLiteral("100,00,500,500,500,500,507,5073,5073,5073,,5073,5073").split(',');
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QKeyCombination key = QKeySequence(keys[i])[0];
        QTest::keyClick(edited, key.key(), key.keyboardModifiers());
        EXPECT_EQ(edited->text(), shows[i]) << keys[i].toStdString();
    }
    EXPECT_EQ(session().bankCounts()[0], 5073);
    EXPECT_EQ(total(), QStringLiteral("5973"));
}

TEST_F(WindowKeyboardTest, SelectedMemoryCommandsWithoutASelectionAskForOne) {
    openWindow();
    session().setMemory(0, usedRecord(145000000));
    for (const bool current : {false, true}) {
        grid()->setCurrentIndex({});
        grid()->clearSelection();
        if (current) // a current row that is not selected does not count
            grid()->selectionModel()->setCurrentIndex(grid()->model()->index(0, 1),
                                                      QItemSelectionModel::NoUpdate);
        for (const char* name : {"cmdRead1mem", "cmdWrite1mem", "cmdClear"}) {
            m_dialogs.messages.clear();
            QTest::mouseClick(button(name), Qt::LeftButton);
            EXPECT_EQ(lastMessage().text, QStringLiteral("Select the memories first")) << name;
        }
    }
    EXPECT_TRUE(m_receiver.commandLog().empty());
    EXPECT_NE(session().image().memRecord[0], "00");
}

TEST_F(WindowKeyboardTest, BankLinkBankWriteAndTheTabGuardStopAnInvalidPartition) {
    openWindow();
    commitBox(0, QStringLiteral("90"));
    EXPECT_EQ(total(), QStringLiteral("990"));
    EXPECT_EQ(window().statusBar()->currentMessage(), kProblem);
    window().statusBar()->clearMessage();
    QTest::mouseClick(button("cmdGrpDialog0"), Qt::LeftButton); // says it again
    EXPECT_TRUE(m_dialogTitles.isEmpty());
    EXPECT_FALSE(button("cmdWriteBank")->isEnabled());
    for (const char* name : {"cmdWriteBank", "cmdGrpDialog0"})
        EXPECT_EQ(button(name)->toolTip(), kProblem) << name;
    EXPECT_EQ(window().statusBar()->currentMessage(), kProblem);
    EXPECT_EQ(named("total_mem")->accessibleName(), QStringLiteral("Total 990"));
    EXPECT_EQ(box(12)->accessibleName(), QStringLiteral("Bank 12 count"));

    // The tab guard: Cancel keeps the memory page, OK resets the partition, and the boxes, the
    // total and the buttons show it.
    auto* tabs = named<QTabBar>("TabStrip1");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(m_dialogs.questions,
              std::vector<QString>{QStringLiteral("Bank Total Error. Init Data?")});
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(named("A_FRAME0")->isVisible());
    m_dialogs.answers = {true};
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(named("A_FRAME1")->isVisible());
    EXPECT_EQ(total(), QStringLiteral("1000"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("100"));
    EXPECT_TRUE(button("cmdWriteBank")->isEnabled());
    EXPECT_TRUE(button("cmdGrpDialog0")->toolTip().isEmpty());
    EXPECT_TRUE(window().statusBar()->currentMessage().isEmpty());
    session().undo();
    EXPECT_EQ(box(0)->text(), QStringLiteral("90")) << "the boxes follow undo";
}

TEST_F(WindowKeyboardTest, TheGridAndItsNameColumnTakeTheRoomOfALargerWindow) {
    auto& w = openWindow();
    const QSize grid0 = grid()->size();
    const int name0 = grid()->columnWidth(11);
    EXPECT_GE(grid0.width(), 12500 / 15);
    EXPECT_GE(grid0.height(), 6000 / 15);
    EXPECT_GE(name0, 2600 / 15);
    w.resize(w.size() + QSize(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid()->width() >= grid0.width() + 290; }));
    EXPECT_GE(grid()->height(), grid0.height() + 190);
    EXPECT_GT(grid()->columnWidth(11), name0);
    EXPECT_EQ(grid()->horizontalHeader()->length(), grid()->viewport()->width()) << "no gap";
}

} // namespace
} // namespace r36::test
