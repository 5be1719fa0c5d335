// File menu: Save, Open, Import and Export through scripted file dialogs.

#include "window_fixture.h"

#include "image/memory_areas.h"
#include "ui/settings_page.h"

#include <QFile>
#include <QProgressBar>

namespace r36::test {
namespace {

using Icon = ui::UserDialogs::Icon;
const QString kCloneFilter = QStringLiteral("R36 Files (*.R36);;All Files (*.*)");
const QString kCsvFilter = QStringLiteral("csv Files (*.csv);;All Files (*.*)");

class FileMenuTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        openWindow();
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void fillSomeMemories() {
        auto& image = window().cloneImage();
        image.memRecord[0] = usedRecord(145'000'000, "ZERO");
        image.memRecord[999] = usedRecord(433'500'000, "LAST");
        image.memRecord[1250] = usedRecord(118'100'000, "AIR");
        image.memRecord[1699] = usedRecord(162'550'000, "PRIO");
        window().showAllMemoryRows();
    }

    void writeFile(const QString& name, const QByteArray& text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(FileMenuTest, SaveThenOpenGivesTheSameImageAndNamesTheFile) {
    fillSomeMemories();
    const image::CloneImage saved = window().cloneImage();
    const QString file = path(QStringLiteral("radio.R36"));
    m_dialogs.fileNames = {file};
    window().saveAction()->trigger();
    EXPECT_EQ(m_dialogs.filters.last(), kCloneFilter);
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09 [%1]").arg(file));
    EXPECT_FALSE(window().hasUnsavedChanges());

    page().clearAllButton()->click();
    window().cloneImage().bankTable = std::string(200, '0');
    m_dialogs.fileNames = {file};
    window().openAction()->trigger();
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(window().cloneImage().memRecord, saved.memRecord);
    EXPECT_EQ(window().cloneImage().bankTable, saved.bankTable);
    EXPECT_EQ(cell(999, 11), QStringLiteral("LAST  "));
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_FALSE(window().hasUnsavedChanges());
}

TEST_F(FileMenuTest, OpeningAPartitionOf900ShowsTotal1000AndKeepsLaterLabels) {
    // Counts 100 x 9 then empty banks: 900 memories.
    std::string table;
    for (int bank = 0; bank < image::kBankCount; ++bank)
        table += bank < 9 ? "6400" : "0000";
    writeFile(QStringLiteral("short.R36"), QByteArray("BK:") + table.c_str() + "\r\nEND:\r\n");
    m_dialogs.fileNames = {path(QStringLiteral("short.R36"))};
    window().openAction()->trigger();
    EXPECT_EQ(window().cloneImage().bankTable, table);
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_TRUE(partition().writeButton()->isEnabled());
    EXPECT_EQ(label(899), QStringLiteral("Bank08-099"));
    EXPECT_EQ(label(900), QStringLiteral("Bank13-000")) << "past the counts labels stay";
}

TEST_F(FileMenuTest, WrongExtensionIsRefusedAndNothingChanges) {
    fillSomeMemories();
    const auto before = window().cloneImage();
    const QString title = window().windowTitle();
    writeFile(QStringLiteral("radio.R36.txt"), "END:\r\n");
    m_dialogs.fileNames = {path(QStringLiteral("radio.R36.txt"))};
    window().openAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't open the file."));
    EXPECT_EQ(window().cloneImage(), before);
    EXPECT_EQ(window().windowTitle(), title);
}

TEST_F(FileMenuTest, OpeningTheSettingsFileByNameTakesOnlyPortAndSpeed) {
    fillSomeMemories();
    const auto before = window().cloneImage();
    QFile settings(m_settingsPath);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("DATE:x\r\nMR:0:0100\r\nCOMM:7\r\nSPD:1\r\nEND:\r\n");
    settings.close();
    m_dialogs.fileNames = {m_settingsPath};
    window().openAction()->trigger();
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(window().cloneImage(), before) << "the settings file never touches the image";
    EXPECT_TRUE(window().portAction(7)->isChecked());
    EXPECT_TRUE(window().speedAction(1)->isChecked());
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral("QB-R36w.ini]")));
}

TEST_F(FileMenuTest, LowerCaseExtensionIsAcceptedAndSkippedLinesAreListedOnce) {
    writeFile(QStringLiteral("odd.r36"), "MR:3:0100\r\nMR:4:XYZ\r\nEND:\r\n");
    m_dialogs.fileNames = {path(QStringLiteral("odd.r36"))};
    window().openAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u) << "one message for all skipped lines";
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("1")));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("2")));
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral("odd.r36]")));
}

TEST_F(FileMenuTest, CancelledDialogsDoNothing) {
    const QString title = window().windowTitle();
    for (QAction* action : {window().openAction(), window().saveAction(), window().importAction(),
                            window().exportAction()})
        action->trigger();
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(window().windowTitle(), title);
    EXPECT_EQ(m_dialogs.filters, (QStringList{kCloneFilter, kCloneFilter, kCsvFilter, kCsvFilter}));
}

TEST_F(FileMenuTest, ExportThenImportRestoresTheMemories) {
    fillSomeMemories();
    const auto records = window().cloneImage().memRecord;
    const QString csv = path(QStringLiteral("list.csv"));
    int highest = -1;
    QObject::connect(window().progressBar(), &QProgressBar::valueChanged,
                     [&](int value) { highest = std::max(highest, value); });
    m_dialogs.fileNames = {csv};
    window().exportAction()->trigger();
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(highest, 1700);
    EXPECT_EQ(window().progressBar()->value(), window().progressBar()->minimum());

    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,"
                                "Offset Freq.,Skip,Name\r\n"));
    EXPECT_EQ(text.count("\r\n"), 1701);

    page().clearAllButton()->click();
    m_dialogs.fileNames = {csv};
    window().importAction()->trigger();
    EXPECT_TRUE(m_dialogs.messages.empty());
    for (int memory : {0, 999, 1699})
        EXPECT_EQ(window().cloneImage().memRecord[memory], records[memory]) << memory;
    EXPECT_EQ(cell(0, 11), QStringLiteral("ZERO  "));
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral("list.csv]")));
}

TEST_F(FileMenuTest, FailedImportNamesTheLineAndChangesNothing) {
    fillSomeMemories();
    const auto before = window().cloneImage();
    const QString title = window().windowTitle();
    writeFile(QStringLiteral("header.csv"),
              "BANK-CH,Frequency,Mode,Step,Subtone,TSQ,DCS,Train,Shift,Offset Freq.,Skip,Name\r\n");
    m_dialogs.fileNames = {path(QStringLiteral("header.csv"))};
    window().importAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Error at line2"));
    EXPECT_EQ(window().cloneImage(), before);
    EXPECT_EQ(cell(0, 11), QStringLiteral("ZERO  "));
    EXPECT_EQ(window().windowTitle(), title);
}

TEST_F(FileMenuTest, ImportRefusesOtherExtensions) {
    writeFile(QStringLiteral("list.txt"), "x\r\n");
    m_dialogs.fileNames = {path(QStringLiteral("list.txt"))};
    window().importAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't open the file."));
}

TEST_F(FileMenuTest, SavingStoresTheSettingsPageFirst) {
    auto& image = window().cloneImage();
    image.sysBlock[20] = 'X'; // not what the page shows; the page wins on saving
    m_dialogs.fileNames = {path(QStringLiteral("page.R36"))};
    window().saveAction()->trigger();
    EXPECT_NE(image.sysBlock[20], 'X') << "the page's choice for byte 10 replaced it";
}

} // namespace
} // namespace r36::test
