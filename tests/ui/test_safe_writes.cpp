// The window's safe writes: what a write command asks first, the difference it shows, what
// "Write changes" sends, the verify item and the backups. What each of them holds and sends is
// tested with the session.

#include "window_fixture.h"

#include "files/clone_file.h"
#include "image/settings_block.h"
#include "ui/backups_dialog.h"

namespace r36::test {
namespace {

TEST_F(WindowTest, WritesOfferAReadFirstShowTheDifferenceAndSendOnlyTheChanges) {
    m_receiver.loadRealisticMemory();
    openWindow();
    named<QAction>("MenuVerify")->setChecked(false);
    image::LinkState kept;
    ASSERT_TRUE(files::readSettingsFile(m_settingsPath, kept));
    EXPECT_FALSE(kept.verifyAfterWriting);
    session().setMemory(3, usedRecord(145'000'000));
    m_dialogs.buttons = {QStringLiteral("Read the receiver first"), QStringLiteral("Cancel")};
    runToEnd([&] { QTest::mouseClick(button("cmdWriteBank"), Qt::LeftButton); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_dialogs.choices.size() == 2; }));
    EXPECT_EQ(m_dialogs.choices[0].objectName, QStringLiteral("frmReadFirst"));
    EXPECT_EQ(m_dialogs.choices[1].objectName, QStringLiteral("frmDifference"));
    EXPECT_FALSE(m_dialogs.choices[1].lines.isEmpty()) << "the receiver's partition differs";
    EXPECT_EQ(session().image().memRecord[3], usedRecord(145'000'000)) << "the edit stays";
    // Backups…, Restore…: the unsaved edit asked about, then what writing the backup changes.
    m_dialogScript = [](QDialog& dialog) {
        static_cast<ui::BackupsDialog&>(dialog).select({0});
        return static_cast<int>(ui::BackupsDialog::Restore);
    };
    m_dialogs.buttons = {QStringLiteral("Discard"), QStringLiteral("Cancel")};
    named<QAction>("MenuBackups")->trigger();
    m_dialogScript = {};
    EXPECT_NE(session().image().memRecord[3], usedRecord(145'000'000)) << "the backup restored";
    EXPECT_TRUE(session().fileName().contains(QStringLiteral("backups/")));
    EXPECT_EQ(m_dialogs.choices.back().objectName, QStringLiteral("frmDifference"));

    // A Write all first, so that only the edits below differ (the receiver holds auto flags).
    runToEnd([&] { named<QAction>("MenuWriteAll")->trigger(); });
    for (int memory : {3, 700, 1699})
        session().setMemory(memory, usedRecord(145'000'000 + memory));
    image::SettingsSelections page = session().settings();
    page.sysChoice[image::settingIndexOfByte(6)] ^= 1; // LAMP
    session().setSettings(page);
    m_receiver.clearLog();
    m_dialogs.buttons = {QStringLiteral("Write changes")};
    runToEnd([&] { named<QAction>("MenuWriteAll")->trigger(); });
    const auto& shown = m_dialogs.choices.back();
    EXPECT_EQ(shown.objectName, QStringLiteral("frmDifference"));
    EXPECT_EQ(shown.buttons, (QStringList{"Write changes", "Write all", "Cancel"}));
    EXPECT_EQ(shown.text, QStringLiteral("3 memories, 1 setting will change on the receiver:"));
    EXPECT_EQ(shown.lines.size(), 4);
    // Verify after writing is off here: the box claims no read-back.
    EXPECT_EQ(lastMessage().text, QStringLiteral("4 changes written to the receiver, version 2.06"))
        << lastMessage().details.toStdString();
    EXPECT_LT(m_receiver.commandLog().size(), 30u) << "the changes only, not a Write all";
}

} // namespace
} // namespace r36::test
