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
        grid()->setFocus();
    }
    void key(QKeyCombination combination) {
        QTest::keyClick(QApplication::focusWidget(), combination.key(),
                        combination.keyboardModifiers());
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

} // namespace
} // namespace r36::test
