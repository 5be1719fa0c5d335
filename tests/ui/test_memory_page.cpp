// The memory list's commands and the partition editor, driven through the widgets.

#include "window_fixture.h"

#include "image/memory_areas.h"
#include "ui/memory_detail_dialog.h"
#include "ui/settings_page.h"

#include <QStackedWidget>
#include <QTabBar>

namespace r36::test {
namespace {

class MemoryPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        openWindow();
        for (int memory = 0; memory < 12; ++memory)
            window().cloneImage().memRecord[memory] = usedRecord(145'000'000 + 5'000 * memory);
        window().showAllMemoryRows();
    }

    QPoint rowCentre(int memory) {
        return grid().visualRect(window().memoryModel()->index(memory, 1)).center();
    }

    void clickRow(int memory, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers, rowCentre(memory));
    }

    /// Types into box `bank` as a user: click into it, select all, then the keys.
    void typeInBox(int bank, const QString& keys) {
        QLineEdit* box = partitionBox(bank);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    void pressEnter(int bank) { QTest::keyClick(partitionBox(bank), Qt::Key_Return); }

    bool isFree(int memory) { return records()[memory] == "00" && cell(memory, 1).isEmpty(); }
};

TEST_F(MemoryPageTest, DraggingUpwardsThenDeleteClearsTheRangeAndKeepsLabels) {
    QTest::mousePress(grid().viewport(), Qt::LeftButton, {}, rowCentre(8));
    QTest::mouseMove(grid().viewport(), rowCentre(6));
    QTest::mouseMove(grid().viewport(), rowCentre(4));
    QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, rowCentre(4));
    EXPECT_EQ(window().selectedRange(), std::make_pair(4, 8));

    QTest::keyClick(&grid(), Qt::Key_Delete);
    for (int memory = 4; memory <= 8; ++memory) {
        EXPECT_TRUE(isFree(memory)) << memory;
        EXPECT_EQ(label(memory), QStringLiteral("Bank00-%1").arg(memory, 3, 10, QLatin1Char('0')));
    }
    EXPECT_FALSE(isFree(3));
    EXPECT_FALSE(isFree(9));
    EXPECT_FALSE(window().isBusy());
    EXPECT_TRUE(m_dialogs.messages.empty()) << "clearing asks nothing and reports nothing";
}

TEST_F(MemoryPageTest, ShiftClickDownwardsAndTheButtonClearTheSameRange) {
    clickRow(4);
    clickRow(8, Qt::ShiftModifier);
    EXPECT_EQ(window().selectedRange(), std::make_pair(4, 8));
    page().clearSelectedButton()->click();
    for (int memory = 4; memory <= 8; ++memory)
        EXPECT_TRUE(isFree(memory)) << memory;
    EXPECT_FALSE(isFree(9));
}

TEST_F(MemoryPageTest, SingleRowSelectionClearsOneMemory) {
    clickRow(2);
    EXPECT_EQ(window().selectedRange(), std::make_pair(2, 2));
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_TRUE(isFree(2));
    EXPECT_FALSE(isFree(1));
    EXPECT_FALSE(isFree(3));
}

TEST_F(MemoryPageTest, ClearAllKeepsThePresetsAndTheLabels) {
    const auto before = window().cloneImage().memRecord;
    window().cloneImage().memRecord[1699] = usedRecord(430'000'000);
    window().showMemoryRow(1699);
    page().clearAllButton()->click();
    for (int memory = 0; memory <= image::lastStoredMemory; ++memory)
        ASSERT_EQ(records()[memory], "00") << memory;
    for (int memory = image::presetFirst; memory <= image::presetLast; ++memory)
        EXPECT_EQ(records()[memory], before[memory]);
    EXPECT_TRUE(cell(1699, 1).isEmpty());
    EXPECT_EQ(label(1699), QStringLiteral("PRIO - 99"));
}

TEST_F(MemoryPageTest, EnterAndDoubleClickOpenTheEditorOnTheCurrentRow) {
    std::vector<int> opened;
    m_driveDialog = [&](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::MemoryDetailDialog&>(dialog);
        opened.push_back(editor.curMemory());
        return static_cast<int>(QDialog::Rejected);
    };
    clickRow(5);
    QTest::keyClick(&grid(), Qt::Key_Return);
    clickRow(7); // a double-click starts as a click
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, rowCentre(7));
    EXPECT_EQ(opened, (std::vector<int>{5, 7}));
    EXPECT_EQ(m_dialogTitles.count(QStringLiteral("Memory Setting")), 2);
}

TEST_F(MemoryPageTest, RowsChangedInTheEditorAreShownAfterItCloses) {
    // The editor changes the image while it is open; the grid learns of it when it closes.
    m_driveDialog = [&](QDialog&) {
        window().cloneImage().memRecord[5] = usedRecord(430'125'000);
        return static_cast<int>(QDialog::Accepted);
    };
    clickRow(5);
    QTest::keyClick(&grid(), Qt::Key_Enter);
    EXPECT_EQ(cell(5, 1), QStringLiteral("430.125000MHz"));
    EXPECT_EQ(window().curMemory(), 5);
}

TEST_F(MemoryPageTest, TheFixedLabelColumnSelectsAndOpensRowsToo) {
    auto* labels = grid().findChild<QTableView*>(QStringLiteral("ltcLabels"));
    ASSERT_NE(labels, nullptr);
    auto labelCentre = [&](int memory) {
        return labels->visualRect(window().memoryModel()->index(memory, 0)).center();
    };
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, labelCentre(3));
    EXPECT_EQ(window().selectedRange(), std::make_pair(3, 3));
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_TRUE(isFree(3));

    std::vector<int> opened;
    m_driveDialog = [&](QDialog& dialog) {
        opened.push_back(dynamic_cast<ui::MemoryDetailDialog&>(dialog).curMemory());
        return static_cast<int>(QDialog::Rejected);
    };
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {}, labelCentre(6));
    QTest::mouseDClick(labels->viewport(), Qt::LeftButton, {}, labelCentre(6));
    EXPECT_EQ(opened, std::vector<int>{6});

    // Scrolling the list keeps the labels beside their rows.
    grid().scrollTo(window().memoryModel()->index(1500, 1), QAbstractItemView::PositionAtTop);
    EXPECT_EQ(labels->rowAt(0), grid().rowAt(0));
}

TEST_F(MemoryPageTest, KeyFilterTakesFourDigitsBackspaceAndEnterOnly) {
    typeInBox(0, QStringLiteral("0100"));
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("0100"));
    QTest::keyClick(partitionBox(0), Qt::Key_5); // a fifth digit
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("0100"));
    partitionBox(0)->selectAll();
    QTest::keyClick(partitionBox(0), Qt::Key_7); // refused even with the four selected
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("0100"));
    pressEnter(0);
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("100"));

    typeInBox(1, QStringLiteral("a-.5x,"));
    EXPECT_EQ(partitionBox(1)->text(), QStringLiteral("5"));
    QTest::keyClick(partitionBox(1), Qt::Key_Backspace);
    EXPECT_TRUE(partitionBox(1)->text().isEmpty());
    pressEnter(1);
    EXPECT_EQ(partitionBox(1)->text(), QStringLiteral("0"));

    QTest::keyClicks(partitionTotal(), QStringLiteral("12"));
    QTest::keyClick(partitionTotal(), Qt::Key_Backspace);
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("900"));
}

TEST_F(MemoryPageTest, CommitKeepsTheBankTableUntilTheTotalIs1000) {
    const std::string table = window().cloneImage().bankTable;
    const auto labels = window().labels();
    typeInBox(0, QStringLiteral("90"));
    pressEnter(0);
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("990"));
    EXPECT_EQ(partitionTotal()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_FALSE(partition().writeButton()->isEnabled());
    EXPECT_EQ(window().cloneImage().bankTable, table);

    // Leaving a box commits it like Enter does.
    typeInBox(1, QStringLiteral("110"));
    partitionBox(2)->setFocus();
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_EQ(partitionTotal()->palette().color(QPalette::Text),
              window().palette().color(QPalette::Active, QPalette::WindowText));
    EXPECT_TRUE(partition().writeButton()->isEnabled());
    EXPECT_EQ(window().cloneImage().bankTable.substr(0, 8), "5A006E00");
    EXPECT_EQ(window().labels(), labels) << "commits never relabel the list";
}

TEST_F(MemoryPageTest, ResetFromARedTotalRestoresTheDefaultsButNotTheLabels) {
    typeInBox(0, QStringLiteral("90"));
    pressEnter(0);
    partition().resetButton()->click();
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_TRUE(partition().writeButton()->isEnabled());
    EXPECT_EQ(window().cloneImage().bankTable, image::defaultPartition());
    EXPECT_FALSE(window().isBusy());
}

TEST_F(MemoryPageTest, TabGuardCancelKeepsTheMemoryPage) {
    typeInBox(0, QStringLiteral("90"));
    pressEnter(0);
    m_dialogs.answers = {false};
    QTest::mouseClick(window().tabBar(), Qt::LeftButton, {},
                      window().tabBar()->tabRect(1).center());
    ASSERT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_EQ(m_dialogs.questions[0], QStringLiteral("Bank Total Error. Init Data?"));
    EXPECT_EQ(m_dialogs.questionTitles[0], QStringLiteral("Caution"));
    EXPECT_EQ(window().pages()->currentWidget(), window().memoryPage());
    EXPECT_EQ(window().tabBar()->currentIndex(), 0);
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("990"));

    // Asked again on the next try; OK restores the default partition and switches.
    m_dialogs.answers = {true};
    QTest::mouseClick(window().tabBar(), Qt::LeftButton, {},
                      window().tabBar()->tabRect(1).center());
    EXPECT_EQ(m_dialogs.questions.size(), 2u);
    EXPECT_EQ(window().pages()->currentWidget(), window().settingsPage());
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_EQ(window().cloneImage().bankTable, image::defaultPartition());
}

TEST_F(MemoryPageTest, TabGuardCountsAnEditStillInTheBox) {
    typeInBox(3, QStringLiteral("5")); // not committed yet
    m_dialogs.answers = {false};
    QTest::mouseClick(window().tabBar(), Qt::LeftButton, {},
                      window().tabBar()->tabRect(1).center());
    EXPECT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_EQ(window().pages()->currentWidget(), window().memoryPage());
}

TEST_F(MemoryPageTest, ValidTotalSwitchesPagesWithoutAsking) {
    QTest::mouseClick(window().tabBar(), Qt::LeftButton, {},
                      window().tabBar()->tabRect(1).center());
    EXPECT_EQ(window().pages()->currentWidget(), window().settingsPage());
    QTest::mouseClick(window().tabBar(), Qt::LeftButton, {},
                      window().tabBar()->tabRect(0).center());
    EXPECT_EQ(window().pages()->currentWidget(), window().memoryPage());
    EXPECT_TRUE(m_dialogs.questions.empty());
}

TEST_F(MemoryPageTest, BankLinkOpensOnlyAtTotal1000WhilePsLinkAlwaysOpens) {
    page().bankLinkButton()->click();
    page().psLinkButton()->click();
    EXPECT_EQ(m_dialogTitles, (QStringList{QStringLiteral("BANK-LINK Setting"),
                                           QStringLiteral("PS LINK Setting")}));

    typeInBox(0, QStringLiteral("90"));
    pressEnter(0);
    m_dialogTitles.clear();
    page().bankLinkButton()->click();
    page().psLinkButton()->click();
    EXPECT_EQ(m_dialogTitles, QStringList{QStringLiteral("PS LINK Setting")});
    EXPECT_TRUE(m_dialogs.messages.empty());
}

} // namespace
} // namespace r36::test
