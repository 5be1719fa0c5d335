// The settings page over a session, driven through its real widgets: it shows the session's
// selections whenever they change, and every choice of the user goes down to the session. What
// the selections store, and the AREA and EXPERT rules, are tested with image::SettingsSelections.
#include "ui/settings_page.h"

#include "image/settings_block.h"
#include "image/value_lists.h"
#include "session/session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace r36::ui {
namespace {

const std::vector<image::SettingDef>& settings = image::sysSettings();

class SettingsPageTest : public ::testing::Test {
protected:
    QComboBox* list(int byte) const {
        return page.findChild<QComboBox*>(QStringLiteral("cmbSys%1").arg(byte));
    }
    QComboBox* sys3() const { return page.findChild<QComboBox*>(QStringLiteral("cmbSys3_1")); }
    QLineEdit* tv(int key) const {
        return page.findChild<QLineEdit*>(QStringLiteral("txtTV%1").arg(key));
    }
    QString tvTexts() const {
        QStringList texts;
        for (int key = 1; key <= 10; ++key)
            texts << tv(key)->text() + (tv(key)->isEnabled() ? "" : "#");
        return texts.join(' ');
    }
    // Selects `position` - 1 quietly, then the user presses Down.
    void pick(QComboBox* target, int position) {
        target->setCurrentIndex(position - 1);
        QTest::keyClick(target, Qt::Key_Down);
        ASSERT_EQ(target->currentIndex(), position);
    }
    void show(const image::SettingsSelections& selections) {
        session.setSettings(selections);
        emit session.settingsChanged();
    }
    static int index(int byte) { return image::settingIndexOfByte(byte); }

    session::Session session{{}};
    SettingsPage page{session};
};

TEST_F(SettingsPageTest, ShowsTheSessionsSelections) {
    image::SettingsSelections shown;
    for (std::size_t i = 0; i < settings.size(); ++i)
        shown.sysChoice[i] = static_cast<int>((i * 7 + 1) % settings[i].choices.size());
    shown.sys3Choice = 2;
    shown.tvText = {"13", "-", "52", "", "7", "x", "14", "15", "16", "17"};
    shown.tvEnabled = false;
    show(shown);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        ASSERT_NE(list(settings[i].byte), nullptr) << settings[i].byte;
        EXPECT_EQ(list(settings[i].byte)->currentIndex(), shown.sysChoice[i]) << settings[i].byte;
    }
    EXPECT_EQ(sys3()->currentText(), "FAILSF");
    EXPECT_EQ(tvTexts(), "13# -# 52# # 7# x# 14# 15# 16# 17#");
    SettingsPage later(session);
    EXPECT_EQ(later.findChild<QLineEdit*>(QStringLiteral("txtTV1"))->text(), "13");
}

TEST_F(SettingsPageTest, EveryChoiceOfTheUserGoesDownAsItIs) {
    image::SettingsSelections expected = session.settings();
    expected.sysChoice[index(image::kExpertByte)] = 1; // every list open
    show(expected);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const int byte = settings[i].byte;
        if (byte == image::kAreaByte || byte == image::kExpertByte)
            continue;
        const bool first = expected.sysChoice[i] == 0;
        expected.sysChoice[i] += first ? 1 : -1;
        QTest::keyClick(list(byte), first ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(session.settings(), expected) << byte;
    }
    pick(sys3(), 2);
    expected.sys3Choice = 2;
    QTest::keyClicks(tv(3), "4");
    expected.tvText[2] = "-4";
    EXPECT_EQ(session.settings(), expected);
    session.undo(); // the page shows the selections again after undo and redo
    EXPECT_EQ(tv(3)->text(), "-");
    session.redo();
    EXPECT_EQ(tv(3)->text(), "-4");
    QTest::keyClick(list(image::kExpertByte), Qt::Key_Up);
    EXPECT_FALSE(session.settings().expertOn());
    for (const auto& setting : settings) { // EXPERT OFF closes its dependents, and only them
        EXPECT_EQ(list(setting.byte)->isEnabled(), !image::isExpertDependent(setting.byte));
        if (!list(setting.byte)->isEnabled()) { // and each says why
            EXPECT_EQ(list(setting.byte)->toolTip(), "Enabled when EXPERT is ON");
        }
    }
    for (int byte : {image::kExpertByte, image::kAreaByte}) // lists with dependants say so
        EXPECT_FALSE(list(byte)->toolTip().isEmpty()) << byte;
}

TEST_F(SettingsPageTest, AreaChoiceFillsAndLocksTheBoxesManualEntryOpensThem) {
    pick(list(image::kAreaByte), 20); // "TOKYO "
    EXPECT_EQ(tvTexts(), "27# 26# -# 25# 24# 22# 23# 21# 16# -#");
    EXPECT_EQ(session.settings().tvText[0], "27");
    pick(list(image::kAreaByte), image::kManualArea);
    EXPECT_EQ(tvTexts(), "27 26 - 25 24 22 23 21 16 -");
}

// The page frame of the main window is 16700 x 7155 twips, 15 twips to the pixel.
TEST_F(SettingsPageTest, FitsThePageFrameWithoutScrolling) {
    EXPECT_LE(page.minimumSizeHint().width(), 16700 / 15);
    EXPECT_LE(page.minimumSizeHint().height(), 7155 / 15);
}

} // namespace
} // namespace r36::ui
