// The File menu's wiring: Save in place and Save As, the extension a typed name gets, where the
// dialogs open, what the status bar says, the recent files, what the next window remembers and
// the question before closing with unsaved changes. The rules are the session's tests.

#include "window_fixture.h"

#include <QFile>
#include <QStatusBar>

namespace r36::test {
namespace {

class WindowFilesTest : public WindowTest {
protected:
    void press(QKeyCombination key) {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window())); // window shortcuts need it
        QTest::keyClick(&window(), key.key(), key.keyboardModifiers());
    }
    QStringList recentItems() {
        emit named<QMenu>("MenuFile")->aboutToShow();
        QStringList items;
        for (QAction* action : named<QMenu>("MenuRecent")->actions())
            items << action->text();
        return items;
    }
    QString copyOfData(const char* name, const char* as) {
        const QString path = m_dir.filePath(QString::fromLatin1(as));
        EXPECT_TRUE(QFile::copy(dataPath(name), path));
        return path;
    }
};

TEST_F(WindowFilesTest, SaveAsksOnceThenSavesInPlaceAndTypedNamesGetTheirExtension) {
    openWindow();
    session().setMemory(12, usedRecord(433500000, "ONE"));
    const QString typed = m_dir.filePath(QStringLiteral("ch"));
    const QString saved = typed + QStringLiteral(".R36");
    m_dialogs.fileNames = {typed};
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(holds(fileBytes(saved), "MR:12:"));
    EXPECT_TRUE(window().statusBar()->currentMessage().contains(saved));
    session().setMemory(13, usedRecord(433600000, "TWO"));
    press(Qt::CTRL | Qt::Key_S); // no name asked: the same file
    EXPECT_EQ(m_dialogs.dialogStarts.size(), 1u);
    EXPECT_TRUE(holds(fileBytes(saved), "MR:13:"));

    // Save As proposes the file; "ch" names ch.R36 again, which the question keeps.
    m_dialogs.fileNames = {typed};
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    EXPECT_EQ(m_dialogs.dialogStarts.back(), saved);
    ASSERT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_TRUE(m_dialogs.questions.back().contains(saved));

    // Export opens in the folder last used and adds ".csv".
    m_dialogs.fileNames = {m_dir.filePath(QStringLiteral("list"))};
    menuItem("MenuExport", "&CSV")->trigger();
    EXPECT_EQ(m_dialogs.dialogStarts.back(), m_dir.path());
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("list.csv"))));
}

TEST_F(WindowFilesTest, OpensCloneAndCsvFilesSaysWhyNotAndTheNextWindowRemembers) {
    auto* w = &openWindow();
    const QString csv = copyOfData("edited.csv", "edited.csv");
    const QString clone = copyOfData("realistic.R36", "realistic.R36");
    w->openFile(csv); // imported, not saved: opening another file asks first
    m_dialogs.buttons = {QStringLiteral("Discard")};
    w->openFile(clone);
    ASSERT_EQ(m_dialogs.choices.size(), 1u);
    EXPECT_EQ(m_dialogs.choices[0].objectName, QStringLiteral("frmUnsaved"));
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_TRUE(w->windowTitle().contains(clone));
    EXPECT_EQ(recentItems(),
              (QStringList{QStringLiteral("&1 ") + clone, QStringLiteral("&2 ") + csv}));
    w->openFile(m_dir.filePath(QStringLiteral("notes.txt")));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't open the file."));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("does not end in .R36")));
    w->openFile(m_dir.filePath(QStringLiteral("gone.R36")));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("gone.R36")));

    ASSERT_TRUE(QFile::remove(csv));
    w->resize(w->width() + 90, w->height() + 70);
    const QSize size = w->size();
    w->close();
    m_window.reset();
    w = &openWindow();
    EXPECT_EQ(w->size(), size);
    EXPECT_EQ(recentItems(), QStringList{QStringLiteral("&1 ") + clone});
}

TEST_F(WindowFilesTest, ClosingWithUnsavedChangesOffersSaveFirst) {
    auto& w = openWindow();
    session().setMemory(3, usedRecord(145000000));
    m_dialogs.buttons = {QStringLiteral("Cancel"), QStringLiteral("Save")}; // Save: no name
    w.close();
    w.close();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(m_dialogs.choices.size(), 2u);
    EXPECT_EQ(m_dialogs.choices.back().buttons.front(), QStringLiteral("Save")); // the default
    m_dialogs.buttons = {QStringLiteral("Save")};
    m_dialogs.fileNames = {m_dir.filePath(QStringLiteral("closing"))};
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(holds(fileBytes(m_dir.filePath(QStringLiteral("closing.R36"))), "MR:3:"));
}

} // namespace
} // namespace r36::test
