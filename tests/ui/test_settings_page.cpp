// The settings page driven through its real widgets: what a block shows, what the page stores
// back, the EXPERT and AREA dependencies and the TV channel boxes.

#include "ui/settings_page.h"

#include "image/hex_text.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using r36::ui::SettingsPage;
namespace image = r36::image;

std::string withByte(std::string block, int byte, int value) {
    image::setByteAt(block, byte, value);
    return block;
}

int byteOf(const std::string& block, int byte) {
    return image::byteAt(block, byte).value_or(-1);
}

// Offsets whose byte differs between two blocks of the same length.
std::set<int> changedBytes(const std::string& before, const std::string& after) {
    std::set<int> changed;
    for (int byte = 0; 2 * byte + 1 < static_cast<int>(before.size()); ++byte)
        if (before.compare(2 * byte, 2, after, 2 * byte, 2) != 0)
            changed.insert(byte);
    return changed;
}

class SettingsPageTest : public ::testing::Test {
protected:
    SettingsPageTest() {
        page.showSysBlock(image::defaultSysBlock());
        page.showSys3Block(image::defaultSys3Block());
    }

    std::string storedSysBlock(std::string base = image::defaultSysBlock()) const {
        page.storeSysBlock(base);
        return base;
    }
    std::string storedRemoconId() const {
        std::string remoconId = image::defaultRemoconId();
        page.storeRemoconId(remoconId);
        return remoconId;
    }
    void typeInto(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QString tvTexts() const {
        QStringList texts;
        for (int key = 1; key <= 10; ++key)
            texts << page.tvBox(key)->text();
        return texts.join(' ');
    }

    SettingsPage page;
};

TEST_F(SettingsPageTest, DefaultBlocksShownAndStoredAgainAreUnchanged) {
    EXPECT_EQ(storedSysBlock(), image::defaultSysBlock());
    // Every list writes its default, rather than leaving the text under it alone.
    const std::string overZeros = storedSysBlock(std::string(256, '0'));
    for (const image::SettingDef& setting : image::sysSettings())
        EXPECT_EQ(byteOf(overZeros, setting.byte), byteOf(image::defaultSysBlock(), setting.byte))
            << "byte " << setting.byte;

    std::string sys3 = "0000";
    page.storeSys3Block(sys3);
    EXPECT_EQ(sys3, "0001");
    EXPECT_EQ(page.sys3List()->currentText(), "PROTCT");

    // Start-up shows no remocon block: the boxes show "-", are open for typing, store 00.
    EXPECT_EQ(tvTexts(), "- - - - - - - - - -");
    EXPECT_TRUE(page.tvBox(1)->isEnabled());
    EXPECT_EQ(storedRemoconId(), "FF" + std::string(20, '0') + "FFFF");
}

struct ShownByte {
    int byte;
    int value;
    const char* shown;
    int position;
    int stored;
};

class SettingsPageShowsByte : public SettingsPageTest,
                              public ::testing::WithParamInterface<ShownByte> {};

TEST_P(SettingsPageShowsByte, SelectsTheChoiceAndStoresItsValue) {
    const ShownByte& c = GetParam();
    const std::string block = withByte(image::defaultSysBlock(), c.byte, c.value);
    page.showSysBlock(block);

    QComboBox* list = page.sysList(c.byte);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), c.shown);
    EXPECT_EQ(list->currentIndex(), c.position);

    const std::string stored = storedSysBlock(block);
    EXPECT_EQ(byteOf(stored, c.byte), c.stored);
    const std::set<int> changed = changedBytes(block, stored);
    EXPECT_TRUE(changed.empty() || changed == std::set<int>{c.byte});
}

INSTANTIATE_TEST_SUITE_P(
    CodedAndUnmatchedValues, SettingsPageShowsByte,
    ::testing::Values(
        ShownByte{65, 0x01, "MODE 3", 3, 0x01}, ShownByte{65, 0x03, "MODE 1", 1, 0x03},
        ShownByte{22, 0x04, "MANUAL", 0, 0x04},
        // no choice has code 3: the first choice, written back as its code
        ShownByte{22, 0x03, "MANUAL", 0, 0x04}, ShownByte{22, 0x19, "25-SEC", 21, 0x19},
        // "DIAL" twice: 0xDF is the second one, 0xAE the first
        ShownByte{24, 0xDF, "DIAL", 43, 0xDF}, ShownByte{24, 0xAE, "DIAL", 36, 0xAE},
        ShownByte{26, 0x15, "GROUP", 18, 0x15}, ShownByte{26, 0x0C, "UP", 0, 0x00},
        ShownByte{16, 0x03, "MONI", 0, 0x01}, ShownByte{59, 0x58, "CH88", 54, 0x58},
        ShownByte{77, 0x34, "52CH", 39, 0x34}, ShownByte{63, 0x00, " 1-SEC", 0, 0x01},
        // beyond the end of an uncoded list: the first choice
        ShownByte{7, 0x28, "BUSY", 0, 0x00}, ShownByte{69, 0x0F, "AFTM", 15, 0x0F},
        ShownByte{100, 0x37, "BANKBG", 55, 0x37},
        // AREA above 0x4C from a clone file: the first area, not "******"
        ShownByte{78, 0x63, "HOKAID", 0, 0x00}, ShownByte{78, 0x4C, "******", 76, 0x4C}));

TEST_F(SettingsPageTest, EveryChoiceOfEveryListStoresItsOwnValueInItsOwnByte) {
    const std::string base = image::defaultSysBlock();
    SettingsPage reader;
    for (const image::SettingDef& setting : image::sysSettings()) {
        QComboBox* list = page.sysList(setting.byte);
        ASSERT_NE(list, nullptr) << setting.byte;
        ASSERT_EQ(list->count(), static_cast<int>(setting.choices.size())) << setting.byte;
        for (int position = 0; position < list->count(); ++position) {
            list->setCurrentIndex(position);
            const std::string stored = storedSysBlock(base);
            const int value = byteOf(stored, setting.byte);
            ASSERT_EQ(value, list->itemData(position).toInt())
                << "byte " << setting.byte << " choice " << position;
            const std::set<int> changed = changedBytes(base, stored);
            ASSERT_TRUE(changed.empty() || changed == std::set<int>{setting.byte})
                << "byte " << setting.byte << " choice " << position;

            reader.showSysBlock(stored);
            ASSERT_EQ(reader.sysList(setting.byte)->currentIndex(), position)
                << "byte " << setting.byte << " value " << value;
        }
        list->setCurrentIndex(image::choiceForValue(setting, byteOf(base, setting.byte)));
    }
}

TEST_F(SettingsPageTest, ListsCarryTheirLabelsAndChoicesInOrder) {
    ASSERT_EQ(image::sysSettings().size(), 73u);
    for (const image::SettingDef& setting : image::sysSettings()) {
        const QComboBox* list = page.sysList(setting.byte);
        ASSERT_NE(list, nullptr);
        for (int position = 0; position < list->count(); ++position)
            ASSERT_EQ(list->itemText(position).toStdString(), setting.choices[position]);
    }
    EXPECT_EQ(page.sysList(0), nullptr);
    EXPECT_EQ(page.sysList(101), nullptr);
    EXPECT_EQ(page.sysList(78)->itemText(20), "TOKYO ");
    EXPECT_EQ(page.sys3List()->count(), 3);
}

TEST_F(SettingsPageTest, ProtectListEditsOnlyTheSecondByteOfTheThirdBlock) {
    const std::string radioBlock = "AA02" + std::string(60, 'C');
    page.showSys3Block(radioBlock);
    EXPECT_EQ(page.sys3List()->currentText(), "FAILSF");

    page.sys3List()->setCurrentIndex(0);
    std::string stored = radioBlock;
    page.storeSys3Block(stored);
    EXPECT_EQ(stored, "AA00" + std::string(60, 'C'));

    page.showSys3Block("0007"); // no such choice
    EXPECT_EQ(page.sys3List()->currentText(), "OVERWT");
}

class SettingsPageExpert : public SettingsPageTest {
protected:
    std::set<int> disabledBytes() const {
        std::set<int> disabled;
        for (const image::SettingDef& setting : image::sysSettings())
            if (!page.sysList(setting.byte)->isEnabled())
                disabled.insert(setting.byte);
        return disabled;
    }
    const std::set<int> dependents{image::expertDependents.begin(), image::expertDependents.end()};
};

TEST_F(SettingsPageExpert, OffDisablesExactlyItsDependentsAndOnEnablesThem) {
    ASSERT_EQ(dependents.size(), 26u);
    EXPECT_EQ(disabledBytes(), dependents) << "the default block has EXPERT OFF";

    QComboBox* expert = page.sysList(image::kExpertByte);
    expert->setFocus();
    QTest::keyClick(expert, Qt::Key_Down); // the user picks "ON"
    ASSERT_EQ(expert->currentText(), "ON");
    EXPECT_TRUE(disabledBytes().empty());
    EXPECT_TRUE(page.sys3List()->isEnabled());

    QTest::keyClick(expert, Qt::Key_Up);
    ASSERT_EQ(expert->currentText(), "OFF");
    EXPECT_EQ(disabledBytes(), dependents);
}

TEST_F(SettingsPageExpert, ShowingABlockAppliesItsExpertChoice) {
    page.showSysBlock(withByte(image::defaultSysBlock(), image::kExpertByte, 1));
    EXPECT_TRUE(disabledBytes().empty());
    page.showSysBlock(image::defaultSysBlock());
    EXPECT_EQ(disabledBytes(), dependents);
}

TEST_F(SettingsPageExpert, DisabledListsAreStoredLikeEnabledOnes) {
    std::string block = withByte(image::defaultSysBlock(), 94, 7); // "LMP DC" "ALLOFF"
    block = withByte(block, 100, 0x31);                            // "BANK49"
    page.showSysBlock(block);
    ASSERT_FALSE(page.sysList(94)->isEnabled());
    EXPECT_EQ(storedSysBlock(block), block);
}

class SettingsPageArea : public SettingsPageTest {
protected:
    QComboBox* area() const { return page.sysList(image::kAreaByte); }
    bool boxesEnabled() const {
        for (int key = 1; key <= 10; ++key)
            if (page.tvBox(key)->isEnabled() != page.tvBox(1)->isEnabled())
                ADD_FAILURE() << "box " << key << " differs from box 1";
        return page.tvBox(1)->isEnabled();
    }
};

TEST_F(SettingsPageArea, ManualEntryUnlocksTheBoxesAndKeepsTheirText) {
    page.showSysBlock(withByte(image::defaultSysBlock(), image::kAreaByte, 0));
    ASSERT_FALSE(boxesEnabled());

    page.showSysBlock(withByte(image::defaultSysBlock(), image::kAreaByte, 0x4C));
    EXPECT_EQ(area()->currentText(), "******");
    EXPECT_TRUE(boxesEnabled());
    EXPECT_EQ(tvTexts(), "19 13 15 - 21 23 14 25 - -") << "manual entry starts from what was there";
}

TEST_F(SettingsPageArea, ChoosingAnAreaFillsAndLocksTheBoxes) {
    area()->setCurrentIndex(20); // "TOKYO "
    EXPECT_EQ(tvTexts(), "27 26 - 25 24 22 23 21 16 -");
    EXPECT_FALSE(boxesEnabled());
    EXPECT_EQ(storedRemoconId(), "FF1B1A00191816171510"
                                 "00FFFF");

    area()->setCurrentIndex(image::kManualArea);
    EXPECT_TRUE(boxesEnabled());
    typeInto(page.tvBox(10), "52");
    EXPECT_EQ(storedRemoconId(), "FF1B1A00191816171510"
                                 "34FFFF");
}

TEST_F(SettingsPageArea, ChannelsFromTheReceiverReplaceTheAreaOnesButStayLocked) {
    page.showSysBlock(withByte(image::defaultSysBlock(), image::kAreaByte, 39)); // "AICHI "
    page.showRemoconId("FF"
                       "0D0E0F10FF0C35003433"
                       "FFFF");
    EXPECT_EQ(tvTexts(), "13 14 15 16 - - - - 52 51");
    EXPECT_FALSE(boxesEnabled());
}

TEST_F(SettingsPageArea, ShowingWhileThePageIsDisabledKeepsTheBoxesOwnState) {
    // The main window disables the whole page while a transfer runs; the transfer shows the
    // blocks it read in the middle of it.
    page.setEnabled(false);
    page.showSysBlock(withByte(image::defaultSysBlock(), image::kAreaByte, 0x4C));
    page.showRemoconId("FF"
                       "1B1A0019181617151000"
                       "FFFF");
    EXPECT_TRUE(page.selections().tvEnabled);
    page.setEnabled(true);
    EXPECT_TRUE(boxesEnabled());
    EXPECT_TRUE(page.sysList(image::kExpertByte)->isEnabled());
    EXPECT_EQ(storedRemoconId(), "FF1B1A00191816171510"
                                 "00FFFF");
}

TEST_F(SettingsPageTest, TvBoxesStoreWholeNumbersUpTo255AndAnythingElseAsNoChannel) {
    const QStringList typed{"-", "13", "52", "255", "256", "-5", "", "abc", "0", "1x"};
    for (int key = 1; key <= 10; ++key)
        typeInto(page.tvBox(key), typed[key - 1]);
    EXPECT_EQ(storedRemoconId(), "FF"
                                 "000D34FF000000000000"
                                 "FFFF");
}

TEST_F(SettingsPageTest, EditedReportsUserChangesOnly) {
    QSignalSpy edited(&page, &SettingsPage::edited);
    page.showSysBlock(withByte(image::defaultSysBlock(), 6, 1));
    page.showRemoconId("FF0D0D0D0D0D0D0D0D0D0DFFFF");
    EXPECT_EQ(edited.count(), 0);

    QComboBox* lamp = page.sysList(6);
    lamp->setFocus();
    QTest::keyClick(lamp, Qt::Key_Down);
    EXPECT_EQ(edited.count(), 1);
    QTest::keyClicks(page.tvBox(3), "4");
    EXPECT_EQ(edited.count(), 2);
    QComboBox* protect = page.sys3List();
    protect->setFocus();
    QTest::keyClick(protect, Qt::Key_Down);
    EXPECT_EQ(edited.count(), 3);
}

// The page frame of the main window is 16700 x 7155 twips, 15 twips to the pixel.
constexpr QSize kPageFrame{16700 / 15, 7155 / 15};

class SettingsPageLayout : public SettingsPageTest {
protected:
    void SetUp() override {
        page.resize(kPageFrame);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    QRect rectInPage(const QWidget* widget) const {
        return QRect(widget->mapTo(&page, QPoint(0, 0)), widget->size());
    }
};

TEST_F(SettingsPageLayout, FitsThePageFrameWithoutScrolling) {
    const QSize needed = page.minimumSizeHint();
    EXPECT_LE(needed.width(), kPageFrame.width());
    EXPECT_LE(needed.height(), kPageFrame.height());
}

TEST_F(SettingsPageLayout, GroupsAreCaptionedAndNeitherClippedNorOverlapping) {
    const QStringList captions{"<DISP>", "<POW>", "<RX>",  "<MRN>",  "<SCAN>", "<KEY>",   "<MR>",
                               "<EWS>",  "<SND>", "<BUG>", "<RMCN>", "[misc]", "[Preset]"};
    const QList<QGroupBox*> groups = page.findChildren<QGroupBox*>();
    QStringList titles;
    for (const QGroupBox* group : groups)
        titles << group->title();
    EXPECT_EQ(titles, captions);

    const QRect pageRect = page.rect();
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QRect rect = rectInPage(groups[i]);
        EXPECT_TRUE(pageRect.contains(rect)) << groups[i]->title().toStdString();
        for (qsizetype j = i + 1; j < groups.size(); ++j)
            EXPECT_FALSE(rect.intersects(rectInPage(groups[j])))
                << groups[i]->title().toStdString() << " " << groups[j]->title().toStdString();
    }
}

TEST_F(SettingsPageLayout, EveryListSitsLabelledInsideItsGroup) {
    auto check = [](QComboBox* list, const image::SettingDef& setting) {
        const auto* group = qobject_cast<QGroupBox*>(list->parentWidget());
        ASSERT_NE(group, nullptr) << setting.byte;
        EXPECT_EQ(group->title().toStdString(), setting.group) << setting.byte;
        EXPECT_TRUE(group->rect().contains(list->geometry())) << setting.byte;
        const auto* form = qobject_cast<QFormLayout*>(group->layout());
        ASSERT_NE(form, nullptr);
        const auto* label = qobject_cast<QLabel*>(form->labelForField(list));
        ASSERT_NE(label, nullptr) << setting.byte;
        EXPECT_EQ(label->text().toStdString(), setting.label);
        EXPECT_TRUE(group->rect().contains(label->geometry())) << setting.byte;
        EXPECT_GE(label->width(), label->sizeHint().width()) << setting.byte;
    };
    for (const image::SettingDef& setting : image::sysSettings())
        check(page.sysList(setting.byte), setting);
    check(page.sys3List(), image::sys3Setting());
}

TEST_F(SettingsPageLayout, TvBoxesSitLikeAKeypadUnderTheirKeyNumbers) {
    auto box = [this](int key) {
        return rectInPage(page.tvBox(key));
    };
    for (int first : {1, 4, 7}) { // one keypad row: first, first + 1, first + 2
        EXPECT_EQ(box(first).top(), box(first + 1).top());
        EXPECT_EQ(box(first).top(), box(first + 2).top());
        EXPECT_LT(box(first).right(), box(first + 1).left());
        EXPECT_LT(box(first + 1).right(), box(first + 2).left());
    }
    for (int top : {1, 2, 3}) { // one keypad column: top, top + 3, top + 6
        EXPECT_EQ(box(top).left(), box(top + 3).left());
        EXPECT_EQ(box(top).left(), box(top + 6).left());
        EXPECT_LT(box(top).bottom(), box(top + 3).top());
        EXPECT_LT(box(top + 3).bottom(), box(top + 6).top());
    }
    EXPECT_EQ(box(10).top(), box(6).top());
    EXPECT_LT(box(6).right(), box(10).left());

    const QList<QLabel*> labels = page.findChildren<QLabel*>();
    for (int key = 1; key <= 10; ++key) {
        const auto number = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            const QRect rect = rectInPage(label);
            return label->text() == QString::number(key) && rect.bottom() < box(key).top() &&
                   rect.left() <= box(key).center().x() && rect.right() >= box(key).center().x();
        });
        EXPECT_NE(number, labels.end()) << "no key number above box " << key;
    }
    for (const char* caption : {"Remocon", "key ID"}) {
        const auto found = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->text() == caption && rectInPage(label).right() < box(1).left();
        });
        EXPECT_NE(found, labels.end()) << caption;
    }
}

} // namespace
