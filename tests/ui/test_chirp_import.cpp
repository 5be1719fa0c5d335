// File > Import > CHIRP CSV…: the preview of a list before anything changes, and its lines placed
// where the user chose. The placement rules and the notes' words are the session's tests.

#include "window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace r36::test {
namespace {

TEST_F(WindowTest, ChirpPreviewShowsRowsAndNotesAndImportPlacesThemInOneStep) {
    openWindow();
    session().setMemory(500, usedRecord(156'800'000, "KEEP"));
    selectRows(510, 510); // Bank05 of the default partition: 500..549
    const image::CloneImage before = session().image();
    m_dialogs.fileNames = {dataPath("marine-chirp.csv")};
    m_dialogScript = [](QDialog& dialog) {
        const auto* rows = dialog.findChild<QTableView*>(QStringLiteral("grdPreview"))->model();
        EXPECT_EQ(rows->rowCount(), 95);
        EXPECT_EQ(rows->data(rows->index(0, 11)).toString(), QStringLiteral("CH1   "));
        EXPECT_EQ(rows->data(rows->index(0, 1)).toString(), QStringLiteral("160.650000MHz"));
        const auto* notes = dialog.findChild<QListWidget*>(QStringLiteral("lstNotes"));
        EXPECT_EQ(notes->item(0)->text(),
                  QStringLiteral("line 97, Distress 2182: mode USB cannot be received (FM, AM and "
                                 "WFM only); line not carried"));
        // 95 channels do not fit into the bank's free memories; from the current one they do.
        auto* import = dialog.findChild<QPushButton*>(QStringLiteral("cmdImport"));
        EXPECT_FALSE(import->isEnabled());
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblPlacement"))
                        ->text()
                        .contains(QStringLiteral("95 lines, 49 free memories in Bank05")));
        dialog.findChild<QRadioButton*>(QStringLiteral("optFromMemory"))->click();
        EXPECT_EQ(rows->data(rows->index(94, 0)).toString(), QStringLiteral("Bank07-004"));
        QTest::mouseClick(import, Qt::LeftButton);
        return dialog.result();
    };
    menuItem("MenuImport", "C&HIRP")->trigger();

    EXPECT_EQ(cell(510, 11), QStringLiteral("CH1   "));
    EXPECT_EQ(cell(604, 0), QStringLiteral("Bank07-004"));
    EXPECT_FALSE(cell(604, 1).isEmpty());
    EXPECT_TRUE(cell(605, 1).isEmpty());
    EXPECT_EQ(session().image().memRecord[500], before.memRecord[500]);
    session().undo();
    EXPECT_EQ(session().image(), before);
}

} // namespace
} // namespace r36::test
