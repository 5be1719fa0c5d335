// The main window as the user drives it: start-up and the settings file, each command wired to
// the session and its result shown, the busy state during a transfer, Cancel, the tab guard and
// closing. The rules behind the commands are tested in the session's and lower layers' tests.

#include "window_fixture.h"

#include "files/clone_file.h"
#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "ui/splash_window.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabBar>

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
        return states;
    }
    QLineEdit* box(int bank) {
        return named<QLineEdit>(QStringLiteral("txtPartition%1").arg(bank).toLatin1().constData());
    }
    QString total() { return named<QLineEdit>("total_mem")->text(); }
    void commitBox(int bank, const QString& text) {
        box(bank)->setFocus();
        box(bank)->setText(text);
        QTest::keyClick(box(bank), Qt::Key_Return);
    }
};

TEST_F(MainWindowTest, StartsFromTheSettingsFileAndRewritesItOnEveryChoice) {
    QFile file(m_settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("DATE:x\r\nCOMM:3\r\nSPD:1\r\nEND:\r\n");
    file.close();
    auto& w = openWindow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09"));
    EXPECT_EQ(checkedItems(named<QMenu>("MenuPort")), QStringList{QStringLiteral("COM3")});
    EXPECT_EQ(checkedItems(named<QMenu>("MenuSpeed")), QStringList{QStringLiteral("38400bps")});
    EXPECT_EQ(cell(0, 0), QStringLiteral("Bank00-000"));
    EXPECT_EQ(total(), QStringLiteral("1000"));

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
        if (memory != 800 || checked)
            return;
        checked = true;
        EXPECT_EQ(transferControls(), std::vector<bool>(19, false));
        EXPECT_TRUE(tabs->isEnabled());
        tabs->setCurrentIndex(1); // the pages switch while the transfer runs
        EXPECT_TRUE(named("A_FRAME1")->isVisible());
        tabs->setCurrentIndex(0);
        EXPECT_GT(named<QProgressBar>("pBar")->value(), 0);
        EXPECT_TRUE(button("cmdCancel")->isVisible());
    });
    runToEnd([&] { menuItem("MenuComm", "Read all")->trigger(); });

    EXPECT_TRUE(checked);
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    for (int memory : {0, 811, 1699})
        EXPECT_EQ(session().image().memRecord[memory], receiverRecord(memory)) << memory;
    EXPECT_EQ(cell(811, 1).isEmpty(), !image::isRecordInUse(receiverRecord(811)));
    EXPECT_EQ(transferControls(), std::vector<bool>(19, true));
    EXPECT_EQ(named<QProgressBar>("pBar")->value(), named<QProgressBar>("pBar")->minimum());
    EXPECT_FALSE(button("cmdCancel")->isVisible());
    EXPECT_FALSE(m_transport.isOpen());
}

class CancelTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CancelTest, StopsReadAllKeepingWhatWasReadAndLeavingTheRest) {
    const bool byEscape = GetParam();
    m_receiver.loadRealisticMemory();
    m_transport.setBaudRate(kFastCable);
    auto& w = openWindow();
    int reached = -1;
    QObject::connect(&session(), &Session::memoryChanged, &w, [&](int memory) {
        if (memory == 500 && reached < 0) {
            reached = memory;
            if (byEscape)
                QTest::keyClick(&w, Qt::Key_Escape);
            else
                QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
        }
    });
    runToEnd([&] { menuItem("MenuComm", "Read all")->trigger(); });

    EXPECT_EQ(lastMessage().title, QStringLiteral("Cancelled"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Cancelled"));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("memory")))
        << lastMessage().details.toStdString();
    // The reply in flight when Cancel came still counts; nothing after the next one was asked.
    int lastRead = 0;
    while (lastRead < 1699 &&
           session().image().memRecord[lastRead + 1] == receiverRecord(lastRead + 1))
        ++lastRead;
    EXPECT_GE(lastRead, 500);
    EXPECT_LT(lastRead, 520);
    for (int memory = lastRead + 1; memory <= image::lastStoredMemory; ++memory)
        ASSERT_EQ(session().image().memRecord[memory], "00") << memory;
    EXPECT_EQ(transferControls(), std::vector<bool>(19, true));
    EXPECT_TRUE(session().hasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(ButtonOrEscape, CancelTest, ::testing::Bool());

TEST_F(MainWindowTest, ClosingDuringATransferStopsItAndThenCloses) {
    m_receiver.loadRealisticMemory();
    auto& w = openWindow();
    m_dialogs.answers = {true}; // discard what was read
    QObject::connect(&session(), &Session::memoryChanged, &w, [&](int memory) {
        if (memory == 100)
            w.close();
    });
    runToEnd([&] { menuItem("MenuComm", "Read all")->trigger(); });
    EXPECT_TRUE(m_dialogs.messages.empty()); // the user is leaving: no message
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 5000));
    EXPECT_FALSE(m_transport.isOpen());
}

struct FailureCase {
    const char* command; // a button's object name, or "" for Read all
    const char* title;
    const char* step;
};

class FailureTest : public MainWindowTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, ShowsTheReasonUnderItsTitle) {
    const FailureCase c = GetParam();
    m_receiver.addFault({sim::Fault::Kind::NoReply, 3, -1, false});
    openWindow();
    runToEnd([&] {
        if (*c.command)
            QTest::mouseClick(button(c.command), Qt::LeftButton);
        else
            menuItem("MenuComm", "Read all")->trigger();
    });
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QString::fromLatin1(c.title));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Error"));
    EXPECT_TRUE(lastMessage().details.startsWith(QString::fromLatin1(c.step)))
        << lastMessage().details.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailureTest,
    ::testing::Values(FailureCase{"", "Error", "Read all: reading the bank table at 00100"},
                      FailureCase{"cmdReadBank", " Error", "Bank Read: reading the bank table"},
                      FailureCase{"cmdWriteSys", " Error",
                                  "Write This Page: reading the settings"}));

// Each button reaches the receiver with its own first command.
struct WiringCase {
    const char* button;
    const char* firstBlockCommand; // after the greeting and the version query
};

class WiringTest : public MainWindowTest, public ::testing::WithParamInterface<WiringCase> {};

TEST_P(WiringTest, ButtonRunsItsCommand) {
    openWindow();
    // Wiring only: on this blank receiver the start-up PROTCT choice would not verify.
    ASSERT_TRUE(session().setVerifyAfterWriting(false));
    selectRows(5, 6);
    runToEnd([&] { QTest::mouseClick(button(GetParam().button), Qt::LeftButton); });
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"))
        << lastMessage().details.toStdString();
    const auto& log = m_receiver.commandLog();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[2].substr(0, 10), GetParam().firstBlockCommand);
}

INSTANTIATE_TEST_SUITE_P(Buttons, WiringTest,
                         ::testing::Values(WiringCase{"cmdReadBank", "VK~F00100R"},
                                           WiringCase{"cmdWriteBank", "VK~F00100W"},
                                           WiringCase{"cmdReadSys", "VK~F00500R"},
                                           WiringCase{"cmdWriteSys", "VK~F00500R"},
                                           WiringCase{"cmdRead1mem", "VK~F00AA0R"},
                                           WiringCase{"cmdWrite1mem", "VK~F00AA0W"}));

TEST_F(MainWindowTest, ClearButtonsAndDeleteClearTheSelectedMemories) {
    openWindow();
    for (int memory : {3, 4, 5, 900})
        session().setMemory(memory, usedRecord(145000000));
    selectRows(3, 4);
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(session().image().memRecord[3], "00");
    EXPECT_EQ(session().image().memRecord[4], "00");
    EXPECT_TRUE(cell(4, 1).isEmpty());
    selectRows(5, 5);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(session().image().memRecord[5], "00");
    EXPECT_NE(session().image().memRecord[900], "00");
    QTest::mouseClick(button("cmdClearAll"), Qt::LeftButton);
    EXPECT_EQ(session().image().memRecord[900], "00");
    EXPECT_EQ(cell(0, 0), QStringLiteral("Bank00-000")); // labels stay
}

TEST_F(MainWindowTest, TabGuardAsksBeforeLeavingAnInvalidPartition) {
    openWindow();
    auto* tabs = named<QTabBar>("TabStrip1");
    commitBox(0, QStringLiteral("90"));
    EXPECT_EQ(total(), QStringLiteral("990"));
    EXPECT_FALSE(button("cmdWriteBank")->isEnabled());

    tabs->setCurrentIndex(1); // Cancel: the memory page stays
    ASSERT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_EQ(m_dialogs.questions[0], QStringLiteral("Bank Total Error. Init Data?"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(named("A_FRAME0")->isVisible());

    m_dialogs.answers = {true};
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(named("A_FRAME1")->isVisible());
    EXPECT_EQ(total(), QStringLiteral("1000"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("100"));
    EXPECT_TRUE(button("cmdWriteBank")->isEnabled());
}

TEST_F(MainWindowTest, FileMenuSavesOpensAndNamesTheFile) {
    auto& w = openWindow();
    session().setMemory(12, usedRecord(433500000, "SAVED"));
    const QString path = m_dir.filePath(QStringLiteral("a.R36"));
    m_dialogs.fileNames = {path};
    menuItem("MenuFile", "Save")->trigger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09 [%1]").arg(path));
    session().clearMemories(0, 1699);

    m_dialogs.fileNames = {path};
    menuItem("MenuFile", "Open")->trigger();
    EXPECT_TRUE(cell(12, 11).contains(QStringLiteral("SAVED")));
    EXPECT_FALSE(session().hasUnsavedChanges());

    QFile bad(m_dir.filePath(QStringLiteral("bad.csv")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("header\r\nnot,a,memory\r\n");
    bad.close();
    m_dialogs.fileNames = {bad.fileName()};
    menuItem("MenuFile", "Import")->trigger();
    EXPECT_TRUE(lastMessage().text.startsWith(QStringLiteral("Error at line")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09 [%1]").arg(path));

    m_dialogs.fileNames = {m_dir.filePath(QStringLiteral("none.R36"))};
    menuItem("MenuFile", "Open")->trigger();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't open the file."));
    EXPECT_TRUE(cell(12, 11).contains(QStringLiteral("SAVED")));
}

TEST_F(MainWindowTest, OpeningAFileThatIsNotACloneFileChangesNothing) {
    auto& w = openWindow();
    session().setMemory(999, usedRecord(145000000, "LAST"));
    QFile prose(m_dir.filePath(QStringLiteral("notes.R36")));
    ASSERT_TRUE(prose.open(QIODevice::WriteOnly));
    prose.write("Two lines of prose,\r\nnone of them a clone file's.\r\n");
    prose.close();
    const image::CloneImage before = session().image();
    m_dialogs.fileNames = {prose.fileName()};
    menuItem("MenuFile", "Open")->trigger();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Can't open the file."));
    EXPECT_EQ(lastMessage().details, QStringLiteral("not a clone file"));
    EXPECT_EQ(session().image(), before);
    EXPECT_TRUE(cell(999, 11).startsWith(QStringLiteral("LAST")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("QB-R36 Clone Utility v.0.09"));
}

// A read keeps the total "1000" whatever the receiver's counts add up to (the realistic
// receiver's total 930); a memory-page button clicked with the mouse takes the focus and must
// not hand it to a partition box on its way to the busy state.
TEST_F(MainWindowTest, MemoryPageButtonsLeaveTheTotalAReadShowed) {
    m_receiver.loadRealisticMemory();
    openWindow();
    runToEnd([&] { menuItem("MenuComm", "Read all")->trigger(); });
    const auto counts = session().bankCounts();
    ASSERT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 930);
    for (const char* name : {"cmdClear", "cmdRead1mem", "cmdWrite1mem", "cmdClearAll"}) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(4, 1)).center());
        const bool transfer = std::string_view(name).find("1mem") != std::string_view::npos;
        if (transfer)
            runToEnd([&] { QTest::mouseClick(button(name), Qt::LeftButton); });
        else
            QTest::mouseClick(button(name), Qt::LeftButton);
        EXPECT_EQ(total(), QStringLiteral("1000")) << name;
    }
    named<QTabBar>("TabStrip1")->setCurrentIndex(1);
    EXPECT_TRUE(m_dialogs.questions.empty());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksFirst) {
    auto& w = openWindow();
    w.close(); // nothing changed: no question
    EXPECT_TRUE(m_dialogs.questions.empty());
    w.show();
    session().setMemory(1, usedRecord(145000000));
    w.close(); // Cancel keeps the window
    EXPECT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, GridModelPassesTheModelTester) {
    openWindow();
    QAbstractItemModelTester tester(grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    session().setMemory(3, usedRecord(145000000));
    session().clearMemories(0, 1699);
}

TEST(SplashWindowTest, AKeyOrTheTimerEndsTheSplashOnce) {
    ui::SplashWindow splash;
    QSignalSpy finished(&splash, &ui::SplashWindow::finished);
    splash.start();
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.isVisible());
    ui::SplashWindow timed;
    QSignalSpy timedOut(&timed, &ui::SplashWindow::finished);
    timed.start();
    EXPECT_TRUE(timedOut.wait(5000));
    QTest::keyClick(&timed, Qt::Key_Space);
    EXPECT_EQ(timedOut.count(), 1);
}

} // namespace
} // namespace r36::test
