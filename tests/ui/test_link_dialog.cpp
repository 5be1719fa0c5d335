// The link dialogs over a session, driven through their real grid and buttons: they show the
// session's table, and what the user marks reaches it on OK (Clear at once). Which items are
// unavailable and the last-group flag are image::LinkTable's rules.
#include "ui/link_dialog.h"

#include "session/session.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace r36::ui {
namespace {

using Kind = LinkDialog::Kind;

const QColor kMemberBackground(0, 0, 128);
const QColor kGreyBackground(128, 128, 128);
const std::string kCleared = "00000000000000";

struct KindCase {
    Kind kind;
    QString caption;
    int groups;
    QString lastGroupName;
    QString blockPrefix;
    std::string lastEntry; // what OK stores in the last entry of an empty table
};

const KindCase kKindCases[] = {
    {Kind::BankLink, "BANK-LINK Setting", 10, "GroupB", "< BANK ", "00000000000001"},
    {Kind::ProgramScanLink, "PS LINK Setting", 9, "Group9", "< PRG  ", kCleared},
};

class LinkDialogTest : public ::testing::TestWithParam<KindCase> {
protected:
    bool bankLink() const { return GetParam().kind == Kind::BankLink; }
    void open() {
        m_dialog = std::make_unique<LinkDialog>(GetParam().kind, m_session);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_grid = m_dialog->findChild<QTableView*>(QStringLiteral("ltc"));
        ASSERT_NE(m_grid, nullptr);
    }
    std::vector<std::string> table() const {
        const auto& image = m_session.image();
        const auto entries =
            bankLink() ? std::span<const std::string>(image.bankLink) : image.psLink;
        return {entries.begin(), entries.end()};
    }
    void setEntry(std::size_t group, const std::string& entry) { // in both tables
        auto bank = m_session.image().bankLink;
        bank[group] = entry;
        m_session.setBankLinks(bank);
        auto ps = m_session.image().psLink;
        ps[group] = entry;
        m_session.setPsLinks(ps);
    }
    // Item b stands in model column b + b div 10: a spacer follows every block of ten.
    QModelIndex cell(int group, int item) const {
        return m_grid->model()->index(group, item + item / 10);
    }
    QColor background(int group, int item) const {
        return cell(group, item).data(Qt::BackgroundRole).value<QColor>();
    }
    bool isMember(int group, int item) const {
        return background(group, item) == kMemberBackground;
    }
    void clickCell(int group, int item) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          m_grid->visualRect(cell(group, item)).center());
    }
    void pressKey(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(m_grid, key);
    }

    session::Session m_session{{}};
    std::unique_ptr<LinkDialog> m_dialog;
    QTableView* m_grid = nullptr;
};

TEST_P(LinkDialogTest, ShowsItsGridAndTheSessionsTableAndOkStoresWhatTheUserClicked) {
    setEntry(2, "80000000000000");
    open();
    EXPECT_EQ(m_dialog->windowTitle(), GetParam().caption);
    QAbstractItemModel* model = m_grid->model();
    ASSERT_EQ(model->rowCount(), GetParam().groups);
    ASSERT_EQ(model->columnCount(), 54); // 50 items and 4 spacers beside the name column
    const QRect visible = m_grid->viewport()->rect();
    for (int group = 0; group < model->rowCount(); ++group) { // named, and every cell in sight
        EXPECT_EQ(model->headerData(group, Qt::Vertical).toString(),
                  group + 1 < GetParam().groups ? QStringLiteral("Group%1").arg(group + 1)
                                                : GetParam().lastGroupName);
        EXPECT_TRUE(visible.contains(m_grid->visualRect(cell(group, 49)))) << group;
    }
    EXPECT_EQ(model->headerData(cell(0, 49).column(), Qt::Horizontal).toInt(), 9);
    QStringList captions;
    for (QLabel* label : m_dialog->findChildren<QLabel*>())
        captions << label->text();
    const QString& prefix = GetParam().blockPrefix;
    EXPECT_EQ(captions, QStringList({prefix + "0-9 >", prefix + "10-19 >", prefix + "20-29 >",
                                     prefix + "30-39 >", prefix + "40-49 >"}));
    EXPECT_TRUE(isMember(2, 0));
    EXPECT_EQ(background(0, 17) == kGreyBackground, bankLink()); // an empty bank
    // A screen reader is told each cell's group, item and membership.
    const QString item = bankLink() ? "Bank" : "Pair";
    const auto name = [this](int group, int column) {
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(m_grid);
        return grid->tableInterface()->cellAt(group, column)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(2, 0), "Group3, " + item + " 0, member");
    EXPECT_EQ(name(0, 1), "Group1, " + item + " 1, not a member");
    EXPECT_EQ(name(GetParam().groups - 1, cell(0, 17).column()),
              GetParam().lastGroupName + ", " + item + " 17, " +
                  (bankLink() ? "unavailable" : "not a member"));
    m_session.undo(); // the program-scan entry
    m_session.undo(); // the bank entry
    EXPECT_FALSE(isMember(2, 0)) << "the open dialog follows the session";
    // Without a mouse: arrows move (over the spacers, up to the last column), Space toggles.
    pressKey(Qt::Key_Right, 10);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Space); // group 2, item 10
    pressKey(Qt::Key_Right, 40);
    EXPECT_EQ(m_grid->currentIndex(), cell(1, 49));
    clickCell(0, 0);
    clickCell(0, 1);
    // A quick second click reaches the grid as a double-click; it toggles all the same.
    clickCell(2, 5);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {},
                       m_grid->visualRect(cell(2, 5)).center());
    // A spacer is one pixel wide, all of it grid line.
    for (int spacer : {10, 21, 32, 43})
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          QPoint(m_grid->columnViewportPosition(spacer),
                                 m_grid->visualRect(cell(2, 0)).center().y()));
    QTest::keyClick(m_grid, Qt::Key_Return); // OK
    EXPECT_FALSE(m_dialog->isVisible());
    std::vector<std::string> expected(static_cast<std::size_t>(GetParam().groups), kCleared);
    expected[0] = "C0000000000000";
    expected[1] = "00200000000000";
    expected.back() = GetParam().lastEntry;
    EXPECT_EQ(table(), expected);
}

TEST_P(LinkDialogTest, ClosingWithoutOkStoresNothingButClearEmptiesTheTableAtOnce) {
    setEntry(0, "C0000000000001");
    open();
    clickCell(0, 0);
    QTest::keyClick(m_grid, Qt::Key_Escape);
    EXPECT_EQ(table()[0], "C0000000000001");

    open();
    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("cmdInit")), Qt::LeftButton);
    const std::vector<std::string> cleared(static_cast<std::size_t>(GetParam().groups), kCleared);
    EXPECT_EQ(table(), cleared) << "the last-group flag too";
    EXPECT_FALSE(isMember(0, 1));
    clickCell(0, 2);
    m_dialog->reject();
    EXPECT_EQ(table(), cleared);
}

INSTANTIATE_TEST_SUITE_P(Kinds, LinkDialogTest, ::testing::ValuesIn(kKindCases)); // bank, PS

} // namespace
} // namespace r36::ui
