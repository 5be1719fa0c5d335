// File > Open beside…: the pane shows the file row for row with the list, its rows copy into the
// document with the button or a drop, and Escape closes it. The marks and the copy's rules are
// the session's tests.

#include "window_fixture.h"

#include <QApplication>
#include <QMimeData>

namespace r36::test {
namespace {

class BesideTest : public WindowTest {};

TEST_F(BesideTest, OpenBesideShowsThePaneCopiesSelectedRowsAndEscapeClosesIt) {
    openWindow();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window())); // window shortcuts need it
    m_dialogs.fileNames.push_back(dataPath("realistic.R36"));
    named<QAction>("MenuOpenBeside")->trigger();
    auto* pane = named("besidePane");
    auto* list = named<QTableView>("besideList");
    ASSERT_TRUE(pane->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), list);
    // The document is empty: each memory in use beside it is marked.
    const QString label = list->model()->index(0, 0).data().toString();
    EXPECT_TRUE(label.endsWith(QStringLiteral(" ≠"))) << label.toStdString();

    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    button("cmdCopyToDocument")->click();
    EXPECT_EQ(cell(0, 1), list->model()->index(0, 1).data().toString());
    EXPECT_EQ(cell(2, 1), list->model()->index(2, 1).data().toString());
    EXPECT_TRUE(cell(1, 1).isEmpty()) << "only the selected rows";

    // Row 3 dragged onto row 10 of the list.
    QMimeData rows;
    rows.setData(QStringLiteral("application/x-qbr36-beside-rows"), "3");
    const QPoint onRow10 = grid()->visualRect(grid()->model()->index(10, 1)).center();
    QDragEnterEvent enter(onRow10, Qt::CopyAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(onRow10, Qt::CopyAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid()->viewport(), &enter);
    QApplication::sendEvent(grid()->viewport(), &drop);
    EXPECT_EQ(cell(10, 1), list->model()->index(3, 1).data().toString());

    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(pane->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid());
}

} // namespace
} // namespace r36::test
