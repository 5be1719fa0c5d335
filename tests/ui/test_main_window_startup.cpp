// Start-up, menus, the settings file, the version and splash windows, and the grid's model.

#include "window_fixture.h"

#include "image/value_lists.h"
#include "ui/splash_window.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTabBar>

namespace r36::test {
namespace {

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

QStringList itemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

QStringList checkedItems(QMenu* menu) {
    QStringList checked;
    for (QAction* action : menu->actions())
        if (action->isChecked())
            checked << action->text().section(QLatin1Char('\t'), 0, 0);
    return checked;
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using StartUpTest = WindowTest;

TEST_F(StartUpTest, FirstStartShowsDefaultsWithoutASettingsFile) {
    auto& w = openWindow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09"));
    EXPECT_EQ(checkedItems(w.portMenu()), QStringList{QStringLiteral("COM1")});
    EXPECT_EQ(checkedItems(w.speedMenu()), QStringList{QStringLiteral("115200bps")});
    EXPECT_FALSE(QFile::exists(m_settingsPath)) << "start-up writes no settings file";

    EXPECT_EQ(label(0), QStringLiteral("Bank00-000"));
    EXPECT_EQ(label(999), QStringLiteral("Bank16-024"));
    EXPECT_EQ(label(1000), QStringLiteral("AT - 0"));
    EXPECT_EQ(label(1200), QStringLiteral("PRG - 0A"));
    EXPECT_EQ(label(1699), QStringLiteral("PRIO - 99"));
    for (int memory : {0, 500, 1699})
        for (int column = 1; column < 12; ++column)
            EXPECT_TRUE(cell(memory, column).isEmpty()) << memory << ":" << column;
    EXPECT_EQ(w.memoryModel()->rowCount(), 1700);

    for (int k = 0; k < image::kPresetCount; ++k)
        EXPECT_EQ(records()[1700 + k], image::presetRecords[k]);
    EXPECT_EQ(partitionTotal()->text(), QStringLiteral("1000"));
    EXPECT_EQ(partitionBox(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(partitionBox(16)->text(), QStringLiteral("25"));
    EXPECT_EQ(partitionBox(49)->text(), QStringLiteral("0"));
    EXPECT_FALSE(w.isBusy());
    EXPECT_FALSE(w.hasUnsavedChanges());
    EXPECT_TRUE(m_receiver.commandLog().empty()) << "no radio communication at start-up";
}

TEST_F(StartUpTest, MenusTabsAndProgressDisplayAreLaidOut) {
    auto& w = openWindow();
    EXPECT_EQ(menuTitles(w.menuBar()),
              (QStringList{"File(&F)", "Port(&P)", "Speed(&S)", "Comm(&C)", "Help(&H)"}));
    EXPECT_EQ(itemTexts(w.fileMenu()),
              (QStringList{"Open(&O)", "Save(&S)", "Import(&I)", "Export(&E)"}));
    QStringList ports;
    for (int port = 1; port <= 16; ++port)
        ports << QStringLiteral("COM%1").arg(port);
    EXPECT_EQ(itemTexts(w.portMenu()), ports);
    EXPECT_EQ(itemTexts(w.speedMenu()), (QStringList{"115200bps", "38400bps"}));
    EXPECT_EQ(itemTexts(w.commMenu()), (QStringList{"Write all(&W)", "Read all(&R)"}));
    EXPECT_EQ(itemTexts(w.helpMenu()), (QStringList{"Version(&V)"}));

    ASSERT_EQ(w.tabBar()->count(), 2);
    EXPECT_EQ(w.tabBar()->tabText(0), QStringLiteral("Memory"));
    EXPECT_EQ(w.tabBar()->tabText(1), QStringLiteral("Settings"));
    EXPECT_EQ(w.pages()->currentWidget(), w.memoryPage());
    EXPECT_EQ(w.progressBar()->objectName(), QStringLiteral("pBar"));
    EXPECT_EQ(w.progressText()->objectName(), QStringLiteral("Progress"));

    const QHeaderView* header = grid().horizontalHeader();
    const std::array<int, 12> widthsPx = {97, 117, 40, 60, 60, 60, 40, 53, 40, 113, 37, 173};
    for (int column = 0; column < 12; ++column) {
        EXPECT_EQ(w.memoryModel()->headerData(column, Qt::Horizontal).toString(),
                  QString::fromLatin1(ui::gridHeaders[column]));
        EXPECT_EQ(header->sectionSize(column), widthsPx[column]) << column;
    }
    EXPECT_EQ(grid().rowHeight(0), 20);
    EXPECT_EQ(grid().rowHeight(1699), 20);
}

TEST_F(StartUpTest, SettingsFileMovesTheCheckMarksAndNothingElse) {
    writeText(m_settingsPath,
              "DATE:Save Date and Time 2017/11/01 10:00:00\r\nMR:0:"
              "0100A0F18800000000000000000000000000000000000000000000414243444546\r\n"
              "COMM:5\r\nSPD:1\r\nEND:\r\n");
    auto& w = openWindow();
    EXPECT_EQ(checkedItems(w.portMenu()), QStringList{QStringLiteral("COM5")});
    EXPECT_EQ(checkedItems(w.speedMenu()), QStringList{QStringLiteral("38400bps")});
    EXPECT_EQ(w.linkState().commPort, 5);
    EXPECT_EQ(w.linkState().commSpeed, 1);
    EXPECT_EQ(records()[0], "00") << "a settings file carries only the port and speed";
}

TEST_F(StartUpTest, ChoosingAPortOrSpeedRewritesTheSettingsFileAtOnce) {
    auto& w = openWindow();
    w.portAction(3)->trigger();
    EXPECT_EQ(checkedItems(w.portMenu()), QStringList{QStringLiteral("COM3")});
    EXPECT_EQ(w.linkState().commPort, 3);
    QByteArray text = readText(m_settingsPath);
    EXPECT_TRUE(text.contains("COMM:3\r\nSPD:0\r\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("MR:"));
    EXPECT_FALSE(text.contains("BK:"));

    w.speedAction(1)->trigger();
    EXPECT_EQ(checkedItems(w.speedMenu()), QStringList{QStringLiteral("38400bps")});
    text = readText(m_settingsPath);
    EXPECT_TRUE(text.contains("COMM:3\r\nSPD:1\r\n")) << text.toStdString();

    // The next start picks the choices up again.
    m_window.reset();
    auto& again = openWindow();
    EXPECT_EQ(checkedItems(again.portMenu()), QStringList{QStringLiteral("COM3")});
    EXPECT_EQ(checkedItems(again.speedMenu()), QStringList{QStringLiteral("38400bps")});
}

TEST_F(StartUpTest, PortMenuShowsTheDeviceEachPortReaches) {
    qputenv("QBR36_COM7", "/dev/pts/77");
    auto& w = openWindow();
    emit w.portMenu()->aboutToShow();
    EXPECT_EQ(w.portAction(7)->text(), QStringLiteral("COM7\t/dev/pts/77"));
    qunsetenv("QBR36_COM7");
}

TEST_F(StartUpTest, VersionWindowShowsNameVersionAndDate) {
    auto& w = openWindow();
    QStringList texts;
    m_driveDialog = [&](QDialog& dialog) {
        for (const QLabel* text : dialog.findChildren<QLabel*>())
            texts << text->text();
        QPushButton* ok = dialog.findChild<QPushButton*>();
        EXPECT_TRUE(ok && ok->text() == QStringLiteral("OK"));
        return static_cast<int>(QDialog::Accepted);
    };
    w.versionAction()->trigger();
    EXPECT_EQ(m_dialogTitles, QStringList{QStringLiteral("Version")});
    EXPECT_TRUE(texts.contains(QStringLiteral("QB-R36 Clone Utility")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 0.09")));
    EXPECT_TRUE(texts.contains(QStringLiteral("2017/11")));
}

TEST_F(StartUpTest, GridModelPassesTheModelTester) {
    auto& w = openWindow();
    QAbstractItemModelTester tester(w.memoryModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    w.cloneImage().memRecord[3] = usedRecord(412'000'000);
    w.showMemoryRow(3);
    w.showAllMemoryRows();
    w.resetPartition();
    EXPECT_EQ(cell(3, 1), QStringLiteral("412.000000MHz"));
}

TEST(SplashWindowTest, AKeyEndsTheSplashAtOnce) {
    ui::SplashWindow splash;
    QSignalSpy finished(&splash, &ui::SplashWindow::finished);
    splash.start();
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindowTest, TheTimerEndsTheSplashOnce) {
    ui::SplashWindow splash;
    QSignalSpy finished(&splash, &ui::SplashWindow::finished);
    splash.start();
    EXPECT_TRUE(finished.wait(5000));
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
} // namespace r36::test
