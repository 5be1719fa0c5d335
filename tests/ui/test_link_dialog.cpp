// The link dialogs driven through their real grid and buttons; what counts is what lands in the
// clone image.
#include "ui/link_dialog.h"

#include "image/clone_image.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
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

// Item b stands in grid column b + 1 + b div 10 (column 0 holds the group names, which the view
// shows as its row header; so the model's columns start at grid column 1).
int modelColumn(int item) {
    return item + item / 10;
}

class LinkDialogTest : public ::testing::Test {
protected:
    void open(Kind kind) {
        m_kind = kind;
        m_dialog = std::make_unique<LinkDialog>(kind, m_image);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_grid = m_dialog->findChild<QTableView*>(QStringLiteral("ltc"));
        ASSERT_NE(m_grid, nullptr);
    }

    std::span<std::string> table() {
        return m_kind == Kind::BankLink ? std::span<std::string>(m_image.bankLink)
                                        : std::span<std::string>(m_image.psLink);
    }

    QModelIndex cell(int group, int item) const {
        return m_grid->model()->index(group, modelColumn(item));
    }
    QColor background(int group, int item) const {
        return cell(group, item).data(Qt::BackgroundRole).value<QColor>();
    }
    bool isMember(int group, int item) const {
        return background(group, item) == kMemberBackground;
    }
    bool isGrey(int group, int item) const { return background(group, item) == kGreyBackground; }

    void clickAt(const QModelIndex& index) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          m_grid->visualRect(index).center());
    }
    void clickCell(int group, int item) { clickAt(cell(group, item)); }
    void clickButton(const char* name) {
        auto* button = m_dialog->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void pressKey(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(m_grid, key);
    }

    image::CloneImage m_image = image::freshImage();
    Kind m_kind = Kind::BankLink;
    std::unique_ptr<LinkDialog> m_dialog;
    QTableView* m_grid = nullptr;
};

// --- What differs between the two dialogs -----------------------------------------------------

struct KindCase {
    Kind kind;
    QString caption;
    std::vector<QString> groupNames;
    std::array<QString, 5> blockCaptions;
    std::vector<std::string> startupStore; // OK on the start-up table
};

std::vector<QString> groupNames(int count, const QString& last) {
    std::vector<QString> names;
    for (int group = 1; group < count; ++group)
        names.push_back(QStringLiteral("Group%1").arg(group));
    names.push_back(last);
    return names;
}

std::vector<std::string> startupEntries(int count, const std::string& last) {
    std::vector<std::string> entries(static_cast<std::size_t>(count), kCleared);
    entries.back() = last;
    return entries;
}

const KindCase kKindCases[] = {
    {Kind::BankLink,
     "BANK-LINK Setting",
     groupNames(10, "GroupB"),
     {"< BANK 0-9 >", "< BANK 10-19 >", "< BANK 20-29 >", "< BANK 30-39 >", "< BANK 40-49 >"},
     startupEntries(10, "00000000000001")},
    {Kind::ProgramScanLink,
     "PS LINK Setting",
     groupNames(9, "Group9"),
     {"< PRG  0-9 >", "< PRG  10-19 >", "< PRG  20-29 >", "< PRG  30-39 >", "< PRG  40-49 >"},
     startupEntries(9, kCleared)},
};

class LinkDialogKinds : public LinkDialogTest, public ::testing::WithParamInterface<KindCase> {
protected:
    void SetUp() override { m_kind = GetParam().kind; } // table() is this kind's before open()
};

TEST_P(LinkDialogKinds, ShowsCaptionGroupNamesDigitsAndBlockCaptions) {
    const KindCase& expected = GetParam();
    open(expected.kind);
    EXPECT_EQ(m_dialog->windowTitle(), expected.caption);

    QAbstractItemModel* model = m_grid->model();
    ASSERT_EQ(model->rowCount(), static_cast<int>(expected.groupNames.size()));
    ASSERT_EQ(model->columnCount(), 54); // 50 items and 4 spacers beside the name column
    for (int group = 0; group < model->rowCount(); ++group)
        EXPECT_EQ(model->headerData(group, Qt::Vertical).toString(),
                  expected.groupNames[static_cast<std::size_t>(group)]);
    for (int item = 0; item < 50; ++item) {
        EXPECT_EQ(model->headerData(modelColumn(item), Qt::Horizontal).toString(),
                  QString::number(item % 10));
        EXPECT_TRUE(cell(0, item).data(Qt::DisplayRole).toString().isEmpty());
    }
    for (int spacer : {10, 21, 32, 43}) {
        EXPECT_TRUE(model->headerData(spacer, Qt::Horizontal).toString().isEmpty());
        EXPECT_FALSE(model->flags(model->index(0, spacer)) & Qt::ItemIsEnabled);
    }

    std::vector<QString> captions;
    for (QLabel* label : m_dialog->findChildren<QLabel*>())
        captions.push_back(label->text());
    EXPECT_EQ(captions,
              std::vector<QString>(expected.blockCaptions.begin(), expected.blockCaptions.end()));
}

TEST_P(LinkDialogKinds, EveryCellIsInsideTheGridsVisibleArea) {
    open(GetParam().kind);
    const QRect visible = m_grid->viewport()->rect();
    for (int group = 0; group < m_grid->model()->rowCount(); ++group)
        for (int item = 0; item < 50; ++item)
            EXPECT_TRUE(visible.contains(m_grid->visualRect(cell(group, item))))
                << "group " << group << " item " << item;
}

TEST_P(LinkDialogKinds, OkOnTheStartupTableStoresTheStartupEntries) {
    open(GetParam().kind);
    QSignalSpy accepted(m_dialog.get(), &QDialog::accepted);
    clickButton("cmdOK");
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(std::vector<std::string>(table().begin(), table().end()), GetParam().startupStore);
}

TEST_P(LinkDialogKinds, ItemsZeroAndOneInGroup1StoreC0) {
    open(GetParam().kind);
    clickCell(0, 0);
    clickCell(0, 1);
    EXPECT_TRUE(isMember(0, 0));
    EXPECT_TRUE(isMember(0, 1));
    clickButton("cmdOK");
    EXPECT_EQ(table()[0], "C0000000000000");
}

TEST_P(LinkDialogKinds, ItemFourAloneStores08) {
    open(GetParam().kind);
    clickCell(1, 4);
    clickButton("cmdOK");
    EXPECT_EQ(table()[1], "08000000000000");
    EXPECT_EQ(table()[0], kCleared);
}

TEST_P(LinkDialogKinds, ClickingTwiceRestoresTheCellAndSpacersIgnoreClicks) {
    table()[2] = "80000000000000";
    open(GetParam().kind);
    clickCell(2, 0);
    clickCell(2, 0);
    // A quick second click reaches the grid as a double-click; it toggles all the same.
    clickCell(2, 5);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {},
                       m_grid->visualRect(cell(2, 5)).center());
    EXPECT_TRUE(isMember(2, 0));
    EXPECT_FALSE(isMember(2, 5));
    // A spacer is one pixel wide, all of it grid line.
    for (int spacer : {10, 21, 32, 43})
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          QPoint(m_grid->columnViewportPosition(spacer),
                                 m_grid->visualRect(cell(2, 0)).center().y()));
    clickButton("cmdOK");
    EXPECT_EQ(table()[2], "80000000000000");
}

TEST_P(LinkDialogKinds, ClosingWithoutOkDiscardsEveryToggle) {
    table()[0] = "C0000000000000";
    const image::CloneImage before = m_image;
    open(GetParam().kind);
    clickCell(0, 0);
    clickCell(3, 7);
    QTest::keyClick(m_grid, Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_image, before);
}

TEST_P(LinkDialogKinds, ClearEmptiesTheTableAtOnceAndLaterTogglesAreDiscarded) {
    for (std::string& entry : table())
        entry = "FFFF0000000001";
    open(GetParam().kind);
    clickButton("cmdInit");
    for (const std::string& entry : table())
        EXPECT_EQ(entry, kCleared); // the last-group flag too
    EXPECT_FALSE(isMember(0, 0));
    clickCell(0, 2);
    m_dialog->reject();
    for (const std::string& entry : table())
        EXPECT_EQ(entry, kCleared);
}

TEST_P(LinkDialogKinds, OkAfterClearWritesTheLastGroupFlagAgain) {
    open(GetParam().kind);
    clickButton("cmdInit");
    clickButton("cmdOK");
    EXPECT_EQ(std::vector<std::string>(table().begin(), table().end()), GetParam().startupStore);
}

// Without a mouse: arrows move (over the spacers), Space toggles, Enter is OK.
TEST_P(LinkDialogKinds, KeyboardAloneMarksCellsAndStores) {
    open(GetParam().kind);
    pressKey(Qt::Key_Space);     // group 1, item 0
    pressKey(Qt::Key_Right, 10); // item 10, past the first spacer
    pressKey(Qt::Key_Down);      // group 2
    pressKey(Qt::Key_Space);
    pressKey(Qt::Key_Right, 40); // item 49, the last column, and no further
    pressKey(Qt::Key_Space);
    pressKey(Qt::Key_Left);
    pressKey(Qt::Key_Space); // item 48
    EXPECT_EQ(m_grid->currentIndex(), cell(1, 48));
    QTest::keyClick(m_grid, Qt::Key_Return);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(table()[0], "80000000000000");
    // Banks 48 and 49 are empty in the default partition; program-scan pairs always count.
    EXPECT_EQ(table()[1], GetParam().kind == Kind::BankLink ? "00200000000000" : "002000000000C0");
}

std::string kindName(const ::testing::TestParamInfo<KindCase>& kindCase) {
    return kindCase.param.kind == Kind::BankLink ? "BankLink" : "ProgramScanLink";
}

INSTANTIATE_TEST_SUITE_P(Kinds, LinkDialogKinds, ::testing::ValuesIn(kKindCases), kindName);

// --- Bank link: empty banks and the last-group flag ---------------------------------------------

TEST_F(LinkDialogTest, DefaultPartitionGreysBanks17To49InEveryGroupAndTheyNeverToggle) {
    open(Kind::BankLink);
    for (int group = 0; group < 10; ++group) {
        for (int bank = 0; bank < 50; ++bank) {
            EXPECT_EQ(isGrey(group, bank), bank >= 17) << "group " << group << " bank " << bank;
            if (bank >= 17)
                clickCell(group, bank);
        }
    }
    for (int group = 0; group < 10; ++group)
        for (int bank = 17; bank < 50; ++bank)
            EXPECT_TRUE(isGrey(group, bank));
    clickButton("cmdOK");
    EXPECT_EQ(m_image.bankLink[0], kCleared);
    EXPECT_EQ(m_image.bankLink[9], "00000000000001");
}

TEST_F(LinkDialogTest, AGroupMarkingAnEmptyBankShowsItGreyAndOkClearsTheBit) {
    m_image.bankLink[4] = "80000800000000"; // banks 0 and 20; bank 20 is empty
    open(Kind::BankLink);
    EXPECT_TRUE(isMember(4, 0));
    EXPECT_TRUE(isGrey(4, 20));
    clickButton("cmdOK");
    EXPECT_EQ(m_image.bankLink[4], "80000000000000");
}

TEST_F(LinkDialogTest, Bank49InGroupBSetsTheThirteenthAndFlagCharacters) {
    m_image.bankTable.replace(4 * 49, 4, "0100"); // any word but "0000" makes bank 49 usable
    open(Kind::BankLink);
    EXPECT_FALSE(isGrey(9, 49));
    clickCell(9, 49);
    clickButton("cmdOK");
    EXPECT_EQ(m_image.bankLink[9], "00000000000041");
}

// --- Entries as they come from the receiver or a clone file ---------------------------------

TEST_F(LinkDialogTest, ProgramScanEntryEndingInOneShowsNoTraceAndOkStoresZeroThere) {
    m_image.psLink[3] = "00000000000001";
    m_image.psLink[5] = "C00000000000FF";
    open(Kind::ProgramScanLink);
    for (int pair = 0; pair < 50; ++pair) {
        EXPECT_FALSE(isMember(3, pair)) << pair;
        EXPECT_EQ(isMember(5, pair), pair < 2 || pair >= 48) << pair;
    }
    clickButton("cmdOK");
    EXPECT_EQ(m_image.psLink[3], kCleared);
    EXPECT_EQ(m_image.psLink[5], "C00000000000C0");
}

} // namespace
} // namespace r36::ui
