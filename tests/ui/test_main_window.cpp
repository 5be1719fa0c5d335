// The main window as the user drives it: start-up and the settings file, each command wired to
// the session and its result shown, the busy state during a transfer, Cancel, the tab guard and
// closing. The rules behind the commands are tested in the session's and lower layers' tests.

#include "window_fixture.h"

#include "files/clone_file.h"
#include "ui/splash_window.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>

#include <numeric>

namespace r36::test {
namespace {

using Icon = ui::UserDialogs::Icon;
using session::Session;

// Paced, so that the window sees the transfer while it runs: Read all takes about 5 s.
constexpr int kFastCable = 500000;

QStringList checkedItems(QMenu* menu) {
    QStringList checked;
    for (QAction* action : menu->actions())
        if (action->isChecked())
            checked << action->text().section(QLatin1Char('\t'), 0, 0);
    return checked;
}

class MainWindowTest : public WindowTest {
protected:
    /// Whether each control that the busy state switches is enabled now.
    std::vector<bool> transferControls() {
        std::vector<bool> states;
        for (const char* name : {"cmdReadBank", "cmdWriteBank", "cmdInitBank", "cmdGrpDialog0",
                                 "cmdGrpDialog1", "cmdWrite1mem", "cmdRead1mem", "cmdClearAll",
                                 "cmdClear", "cmdReadSys", "cmdWriteSys", "A_FRAME0", "A_FRAME1"})
            states.push_back(named(name)->isEnabled());
        for (const char* menu :
             {"MenuFile", "MenuEdit", "MenuPort", "MenuSpeed", "MenuComm", "MenuHelp"})
            states.push_back(named<QMenu>(menu)->menuAction()->isEnabled());
        states.push_back(named<QAction>("MenuFileSave")->isEnabled()); // its key, too
        return states;
    }
    void startReadAll() {
        runToEnd([&] { menuItem("MenuComm", "Read all")->trigger(); });
    }
};

TEST_F(MainWindowTest, StartsFromTheSettingsFileAndRewritesItOnEveryChoice) {
    QFile file(m_settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("COMM:3\r\nSPD:1\r\nEND:\r\n") > 0);
    file.close();
    auto& w = openWindow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09"));
    EXPECT_EQ(checkedItems(named<QMenu>("MenuPort")), QStringList{QStringLiteral("COM3")});
    EXPECT_EQ(checkedItems(named<QMenu>("MenuSpeed")), QStringList{QStringLiteral("38400bps")});
    named<QAction>("MenuSetCom7")->trigger();
    named<QAction>("MenuSpeedSub0")->trigger();
    image::LinkState saved;
    ASSERT_TRUE(files::readSettingsFile(m_settingsPath, saved));
    EXPECT_EQ(saved.commPort, 7);
    EXPECT_EQ(saved.commSpeed, 0);
    EXPECT_EQ(checkedItems(named<QMenu>("MenuPort")), QStringList{QStringLiteral("COM7")});
}

TEST_F(MainWindowTest, ReadAllKeepsTheWindowLiveButItsControlsDisabledUntilTheEnd) {
    m_receiver.loadRealisticMemory();
    m_transport.setBaudRate(kFastCable);
    auto& w = openWindow();
    auto* tabs = named<QTabBar>("TabStrip1");
    bool checked = false;
    QObject::connect(&session(), &Session::memoryChanged, &w, [&](int memory) {
        if (memory != 800 || std::exchange(checked, true))
            return;
        EXPECT_EQ(transferControls(), std::vector<bool>(20, false));
        EXPECT_TRUE(tabs->isEnabled());
        tabs->setCurrentIndex(1); // the pages switch while the transfer runs
        EXPECT_TRUE(named("A_FRAME1")->isVisible());
        tabs->setCurrentIndex(0);
        EXPECT_GT(named<QProgressBar>("pBar")->value(), 0);
        EXPECT_TRUE(named<QLabel>("Progress")->text().endsWith(QStringLiteral(" of 1700")));
        EXPECT_TRUE(button("cmdCancel")->isVisible());
    });
    startReadAll();
    EXPECT_TRUE(checked);
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(lastMessage().text,
              QStringLiteral("1700 memories read from the receiver, version 2.06"));
    EXPECT_FALSE(cell(1250, 1).isEmpty()) << "a memory in use on the receiver";
    EXPECT_EQ(transferControls(), std::vector<bool>(20, true));
    EXPECT_EQ(named<QProgressBar>("pBar")->value(), named<QProgressBar>("pBar")->minimum());
    EXPECT_FALSE(button("cmdCancel")->isVisible());
    EXPECT_FALSE(m_transport.isOpen());

    // The read kept the total "1000" although the receiver's counts add up to 930; a memory-page
    // button clicked with the mouse takes the focus and must not hand it to a partition box on
    // its way to the busy state, whose commit would show 930.
    const auto counts = session().bankCounts();
    ASSERT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 930);
    for (const char* name : {"cmdClear", "cmdRead1mem", "cmdWrite1mem", "cmdClearAll"}) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(4, 1)).center());
        runToEnd([&] { QTest::mouseClick(button(name), Qt::LeftButton); });
        EXPECT_EQ(total(), QStringLiteral("1000")) << name;
    }
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(m_dialogs.questions.empty());
}

class CancelTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CancelTest, StopsReadAllAndSaysWhere) {
    m_receiver.loadRealisticMemory();
    m_transport.setBaudRate(kFastCable);
    auto& w = openWindow();
    QObject::connect(&session(), &Session::memoryChanged, &w, [&](int memory) {
        if (memory != 500)
            return;
        if (GetParam())
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
    });
    startReadAll();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Cancelled"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Cancelled"));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("memory")))
        << lastMessage().details.toStdString();
    EXPECT_EQ(transferControls(), std::vector<bool>(20, true));
}

INSTANTIATE_TEST_SUITE_P(ButtonOrEscape, CancelTest, ::testing::Bool());

// Closing asks first when there are unsaved changes; during a transfer it stops the transfer
// the way Cancel does, says nothing of it, and then closes as usual.
TEST_F(MainWindowTest, ClosingStopsATransferAndAsksBeforeDiscardingChanges) {
    m_receiver.loadRealisticMemory();
    auto& w = openWindow();
    w.close(); // nothing changed: no question
    EXPECT_TRUE(m_dialogs.choices.empty());
    w.show();
    QObject::connect(&session(), &Session::memoryChanged, &w, [&](int memory) {
        if (memory == 100)
            w.close();
    });
    startReadAll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_dialogs.choices.size() == 1; }, 5000));
    EXPECT_TRUE(m_dialogs.messages.empty()); // the user is leaving: no message
    EXPECT_FALSE(m_transport.isOpen());
    EXPECT_TRUE(w.isVisible()) << "Cancel keeps the window";
    m_dialogs.buttons = {QStringLiteral("Discard")};
    w.close();
    EXPECT_FALSE(w.isVisible());
}

// Each transfer command reaches the receiver with its own first block command, and its failure
// is shown under its own title.
struct CommandCase {
    const char* command;           // a button's or menu item's object name, or "" for Read all
    const char* firstBlockCommand; // after the greeting and the version query
    const char* errorTitle;
};

class CommandTest : public MainWindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, RunsItsCommandAndShowsHowItEnded) {
    const CommandCase c = GetParam();
    openWindow();
    // Wiring only: on this blank receiver the start-up PROTCT choice would not verify.
    ASSERT_TRUE(session().receiver().setVerifyAfterWriting(false));
    selectRows(5, 6);
    const auto start = [&] {
        runToEnd([&] {
            if (!*c.command)
                menuItem("MenuComm", "Read all")->trigger();
            else if (std::string_view(c.command).starts_with("Menu"))
                named<QAction>(c.command)->trigger();
            else
                QTest::mouseClick(button(c.command), Qt::LeftButton);
        });
    };
    m_receiver.addFault({sim::Fault::Kind::NoReply, 3, -1, true}); // also the command sent again
    start();
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QString::fromLatin1(c.errorTitle));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Error"));
    EXPECT_FALSE(lastMessage().details.isEmpty());
    m_receiver.clearFaults();
    m_receiver.clearLog();
    start();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"))
        << lastMessage().details.toStdString();
    const auto& log = m_receiver.commandLog();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[2].substr(0, 10), c.firstBlockCommand);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandTest,
                         ::testing::Values(CommandCase{"", "VK~F00100R", "Error"},
                                           CommandCase{"MenuWriteAll", "VK~F00100W", "Error"},
                                           CommandCase{"MenuWriteChanges", "VK~F00100W", "Error"},
                                           CommandCase{"cmdReadBank", "VK~F00100R", " Error"},
                                           CommandCase{"cmdWriteBank", "VK~F00100W", " Error"},
                                           CommandCase{"cmdReadSys", "VK~F00500R", " Error"},
                                           CommandCase{"cmdWriteSys", "VK~F00500R", " Error"},
                                           CommandCase{"cmdRead1mem", "VK~F00AA0R", " Error"},
                                           CommandCase{"cmdWrite1mem", "VK~F00AA0W", " Error"}));

TEST_F(MainWindowTest, FileMenuSavesOpensImportsExportsAndNamesTheFile) {
    auto& w = openWindow();
    session().setMemory(12, usedRecord(433500000, "SAVED"));
    const QString path = m_dir.filePath(QStringLiteral("a.R36"));
    const QString title = QStringLiteral("QB-R36 Clone Utility v.0.09 [%1]").arg(path);
    m_dialogs.fileNames = {path, m_dir.filePath(QStringLiteral("a.csv"))};
    menuItem("MenuFile", "Save")->trigger();
    menuItem("MenuExport", "&CSV")->trigger();
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_TRUE(fileBytes(m_dir.filePath(QStringLiteral("a.csv"))).find("SAVED") !=
                std::string::npos);
    session().clearMemories(0, 1699);

    m_dialogs.fileNames = {path};
    m_dialogs.buttons = {QStringLiteral("Discard")}; // the cleared memories
    menuItem("MenuFile", "Open")->trigger();
    EXPECT_TRUE(cell(12, 11).contains(QStringLiteral("SAVED")));

    m_dialogs.fileNames = {dataPath("malformed.R36")}; // not a CSV file
    menuItem("MenuImport", "&CSV")->trigger();
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(w.windowTitle(), title);
}

TEST_F(MainWindowTest, OpeningAnIncompleteFileLoadsItAndSaysWhatItLacks) {
    openWindow();
    const std::string settings = session().image().sysBlock;
    m_dialogs.fileNames = {dataPath("cut.R36")};
    menuItem("MenuFile", "Open")->trigger();
    EXPECT_EQ(cell(501, 1), QStringLiteral("154.470000MHz"));
    EXPECT_EQ(session().image().sysBlock, settings) << "kept: the file has no SYS line";
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Warning);
    EXPECT_TRUE(lastMessage().text.startsWith(QStringLiteral("The file is incomplete")));
    EXPECT_TRUE(lastMessage().details.startsWith(
        QStringLiteral("no END line: the file may be cut short after line 12 (the last memory it "
                       "holds is 501)\nno BK line\nno LINK0 line for groups 1–10\n")))
        << lastMessage().details.toStdString();
}

TEST_F(MainWindowTest, GridModelPassesTheModelTesterAndHelpShowsTheVersionAndSavesTheLog) {
    openWindow();
    const QString log = m_dir.filePath(QStringLiteral("comm.log"));
    m_dialogs.fileNames = {log, m_dir.filePath(QStringLiteral("none/comm.log"))};
    menuItem("MenuHelp", "Save communication log")->trigger();
    EXPECT_TRUE(holds(fileBytes(log), "communication log"));
    menuItem("MenuHelp", "Save communication log")->trigger();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't save the communication log."));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("none/comm.log")));

    // Every column opens at its designed width (Frequency 1750 twips), none squeezed.
    EXPECT_EQ(grid()->columnWidth(1), 117);
    EXPECT_EQ(grid()->columnWidth(9), 113);

    QAbstractItemModelTester tester(grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    session().setMemory(3, usedRecord(145000000));
    session().clearMemories(0, 1699);
    menuItem("MenuHelp", "Version")->trigger();
    EXPECT_EQ(m_dialogTitles, QStringList{QStringLiteral("Version")});

    // The guide opens beside the window, with its pictures; asked again, the same window shows.
    for (int time = 0; time < 2; ++time)
        menuItem("MenuHelp", "User guide")->trigger();
    const auto guides = window().findChildren<QTextBrowser*>(QStringLiteral("txtGuide"));
    ASSERT_EQ(guides.size(), 1) << lastMessage().details.toStdString();
    EXPECT_TRUE(guides[0]->toPlainText().contains(QStringLiteral("Troubleshooting")));
    const QRegularExpressionMatch picture =
        QRegularExpression(QStringLiteral(R"(!\[[^\]]*\]\(([^)]+)\))"))
            .match(guides[0]->toMarkdown());
    ASSERT_TRUE(picture.hasMatch());
    EXPECT_FALSE(
        guides[0]->loadResource(QTextDocument::ImageResource, QUrl(picture.captured(1))).isNull())
        << picture.captured(1).toStdString();
}

TEST(SplashWindowTest, AKeyOrTheTimerEndsTheSplashOnce) {
    for (const bool byKey : {true, false}) {
        ui::SplashWindow splash;
        QSignalSpy finished(&splash, &ui::SplashWindow::finished);
        splash.start();
        if (byKey)
            QTest::keyClick(&splash, Qt::Key_Space);
        else
            EXPECT_TRUE(finished.wait(5000));
        EXPECT_FALSE(splash.isVisible());
        QTest::keyClick(&splash, Qt::Key_Space);
        EXPECT_EQ(finished.count(), 1) << byKey;
    }
}

} // namespace
} // namespace r36::test
