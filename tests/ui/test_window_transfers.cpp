// The transfer commands as the user starts them, against the simulated receiver: the grid, the
// progress display, the busy state and the one message each command shows.

#include "window_fixture.h"

#include "image/memory_areas.h"
#include "image/memory_map.h"
#include "image/settings_block.h"
#include "link/serial_transport.h"
#include "sim/pty_server.h"
#include "ui/settings_page.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTabBar>

namespace r36::test {
namespace {

using Icon = ui::UserDialogs::Icon;

class TransferTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_receiver.loadRealisticMemory();
    }

    /// Every control the busy state switches, and whether it is enabled now.
    std::vector<bool> transferControlStates() {
        auto& w = window();
        std::vector<bool> states;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 partition().readButton(), partition().writeButton(), partition().resetButton(),
                 page().bankLinkButton(), page().psLinkButton(), page().writeSelectedButton(),
                 page().readSelectedButton(), page().clearAllButton(), page().clearSelectedButton(),
                 w.settingsPage()->readButton(), w.settingsPage()->writeButton(), w.memoryPage(),
                 w.settingsPage()})
            states.push_back(control->isEnabled());
        for (QMenu* menu : {w.fileMenu(), w.portMenu(), w.speedMenu(), w.commMenu(), w.helpMenu()})
            states.push_back(menu->menuAction()->isEnabled());
        return states;
    }

    void selectRows(int first, int last) {
        auto* model = window().memoryModel();
        grid().setCurrentIndex(model->index(first, 0));
        grid().selectionModel()->select(
            QItemSelection(model->index(first, 0), model->index(last, 11)),
            QItemSelectionModel::ClearAndSelect);
    }

    /// What the window looked like when the command's message was shown.
    struct AtMessage {
        bool busy = false;
        bool portOpen = false;
        std::vector<bool> controls;
        bool tabBarEnabled = false;
    };
    void watchMessage() {
        auto seen = std::make_shared<AtMessage>();
        m_dialogs.onMessage = [this, seen](const ScriptedDialogs::Message&) {
            seen->busy = window().isBusy();
            seen->portOpen = m_transport.isOpen();
            seen->controls = transferControlStates();
            seen->tabBarEnabled = window().tabBar()->isEnabled();
        };
        m_seen = seen;
    }
    std::shared_ptr<AtMessage> m_seen;
};

TEST_F(TransferTest, ReadAllFillsTheGridShowsProgressAndCompletes) {
    auto& w = openWindow();
    watchMessage();
    std::vector<int> progressValues;
    QObject::connect(w.progressBar(), &QProgressBar::valueChanged,
                     [&](int value) { progressValues.push_back(value); });

    w.readAllAction()->trigger();

    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Information);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Complete"));
    for (int memory = 0; memory <= image::lastStoredMemory; ++memory)
        ASSERT_EQ(QString::fromStdString(records()[memory]), receiverRecord(memory)) << memory;
    bool someRowShown = false;
    for (int memory = 0; memory < 1700 && !someRowShown; ++memory)
        someRowShown = !cell(memory, 1).isEmpty();
    EXPECT_TRUE(someRowShown);
    ASSERT_FALSE(progressValues.empty());
    EXPECT_EQ(*std::max_element(progressValues.begin(), progressValues.end()), 1699);

    // The message came while the window was still busy and the port open; then all is back.
    EXPECT_TRUE(m_seen->busy);
    EXPECT_TRUE(m_seen->portOpen);
    EXPECT_EQ(m_seen->controls, std::vector<bool>(18, false));
    EXPECT_TRUE(m_seen->tabBarEnabled);
    EXPECT_FALSE(w.isBusy());
    EXPECT_FALSE(m_transport.isOpen());
    EXPECT_EQ(transferControlStates(), std::vector<bool>(18, true));
    EXPECT_EQ(w.progressBar()->value(), w.progressBar()->minimum());
    EXPECT_TRUE(w.progressText()->text().isEmpty());
    EXPECT_FALSE(w.hasUnsavedChanges());
}

TEST_F(TransferTest, ReadAllStopsAtAFaultHalfWayAndKeepsWhatWasRead) {
    auto& w = openWindow();
    m_receiver.addFault(
        {sim::Fault::Kind::NoReply, 0, static_cast<int>(image::memoryAddress(300)), false});
    const auto before = records();
    w.readAllAction()->trigger();

    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Error"));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("300")) ||
                lastMessage().details.contains(QStringLiteral("02F80")))
        << lastMessage().details.toStdString();
    for (int memory = 0; memory < 300; ++memory)
        ASSERT_EQ(QString::fromStdString(records()[memory]), receiverRecord(memory)) << memory;
    for (int memory = 300; memory <= image::lastStoredMemory; ++memory)
        ASSERT_EQ(records()[memory], before[memory]) << memory;
    EXPECT_FALSE(w.isBusy());
    EXPECT_FALSE(m_transport.isOpen());
    EXPECT_TRUE(w.hasUnsavedChanges());
}

TEST_F(TransferTest, WriteAllSendsTheImageAndReadsBackTheSame) {
    auto& w = openWindow();
    w.cloneImage().memRecord[0] = usedRecord(145'500'000, "ABC");
    w.cloneImage().memRecord[1699] = usedRecord(433'000'000, "PRIO");
    w.writeAllAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(receiverRecord(0), QString::fromStdString(records()[0]));
    EXPECT_EQ(receiverRecord(1699), QString::fromStdString(records()[1699]));
    EXPECT_FALSE(w.hasUnsavedChanges());

    // A memory cleared in the list goes over as the one-byte empty record.
    const auto& log = m_receiver.commandLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "VK~F00AA0W00"), log.end());
}

TEST_F(TransferTest, WriteAllRefusedHalfWayReportsTheMemoryAndStops) {
    auto& w = openWindow();
    for (int memory = 0; memory <= image::lastStoredMemory; ++memory)
        w.cloneImage().memRecord[memory] = usedRecord(100'000'000 + 1000u * memory);
    m_receiver.addFault(
        {sim::Fault::Kind::WriteRefused, 0, static_cast<int>(image::memoryAddress(800)), false});
    w.writeAllAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Error"));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("800")))
        << lastMessage().details.toStdString();
    EXPECT_EQ(receiverRecord(799), QString::fromStdString(records()[799]));
    EXPECT_NE(receiverRecord(801), QString::fromStdString(records()[801]));
    EXPECT_TRUE(w.hasUnsavedChanges()) << "a failed write leaves the changes unsent";
    EXPECT_EQ(transferControlStates(), std::vector<bool>(18, true));
}

TEST_F(TransferTest, PartCommandsReportFailureWithTheSpacedTitle) {
    auto& w = openWindow();
    m_receiver.addFault(
        {sim::Fault::Kind::NoReply, 0, static_cast<int>(image::kBankLinkArea), false});
    partition().readButton()->click();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().icon, Icon::Critical);
    EXPECT_EQ(lastMessage().title, QStringLiteral(" Error"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Error"));
    EXPECT_FALSE(lastMessage().details.isEmpty());
    EXPECT_FALSE(w.isBusy());
}

TEST_F(TransferTest, BankReadLoadsThePartitionAndRelabels) {
    auto& w = openWindow();
    partition().readButton()->click();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    const auto counts = image::bankCounts(w.cloneImage().bankTable);
    for (int bank = 0; bank < image::kBankCount; ++bank)
        EXPECT_EQ(partitionBox(bank)->text(), QString::number(counts[bank]));
    std::vector<std::string> expected = image::defaultMemoryLabels();
    image::relabelMemoryList(w.cloneImage().bankTable, expected);
    EXPECT_EQ(w.labels(), expected);
    EXPECT_EQ(label(0), QString::fromStdString(expected[0]));
}

TEST_F(TransferTest, SettingsPageButtonsReadAndWriteThePage) {
    auto& w = openWindow();
    w.tabBar()->setCurrentIndex(1);
    w.settingsPage()->readButton()->click();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    std::string expected = w.cloneImage().sysBlock;
    image::SettingsSelections fromBlock;
    image::showSysBlock(fromBlock, w.cloneImage().sysBlock);
    for (std::size_t i = 0; i < fromBlock.sysChoice.size(); ++i)
        EXPECT_EQ(w.settingsPage()
                      ->findChild<QComboBox*>(
                          QStringLiteral("cmbSys%1").arg(image::sysSettings()[i].byte))
                      ->currentIndex(),
                  fromBlock.sysChoice[i]);

    m_receiver.clearLog();
    w.settingsPage()->writeButton()->click();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    const auto& log = m_receiver.commandLog();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(),
                            [](const std::string& c) { return c.rfind("VK~F00200W", 0) == 0; }));
}

TEST_F(TransferTest, ReadSelectedReadsJustTheRangeWithItsProgressRange) {
    auto& w = openWindow();
    selectRows(7, 7);
    std::vector<std::pair<int, int>> ranges;
    QObject::connect(w.progressBar(), &QProgressBar::valueChanged, [&](int) {
        ranges.emplace_back(w.progressBar()->minimum(), w.progressBar()->maximum());
    });
    m_receiver.clearLog();
    page().readSelectedButton()->click();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(QString::fromStdString(records()[7]), receiverRecord(7));
    EXPECT_EQ(records()[6], "00");
    EXPECT_EQ(records()[8], "00");
    EXPECT_NE(std::find(ranges.begin(), ranges.end(), std::make_pair(7, 8)), ranges.end());
    const auto& log = m_receiver.commandLog();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& c) { return c.rfind("VK~F00", 0) == 0; }),
              1);
    EXPECT_NE(std::find(log.begin(), log.end(), "VK~F00AE0R"), log.end());
}

TEST_F(TransferTest, WriteSelectedClearsAutoFlagsOutsideThePrgArea) {
    auto& w = openWindow();
    image::MemoryChannel channel;
    channel.frequencyHz = 145'000'000;
    channel.autoStep = channel.autoMode = true;
    const std::string withFlags = image::encodeRecord(channel);
    w.cloneImage().memRecord[10] = withFlags;
    w.cloneImage().memRecord[11] = withFlags;
    selectRows(10, 11);
    page().writeSelectedButton()->click();
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(records()[10].substr(38, 4), "0000");
    EXPECT_EQ(receiverRecord(11), QString::fromStdString(records()[11]));
}

TEST_F(TransferTest, APortThatDoesNotOpenIsReportedAndTheWindowStaysUsable) {
    auto& w = openWindow();
    m_transport.setOpenFailure(QStringLiteral("cannot open /dev/ttyUSB9: No such file"));
    w.readAllAction()->trigger();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Error"));
    EXPECT_TRUE(lastMessage().details.contains(QStringLiteral("ttyUSB9")));
    EXPECT_EQ(transferControlStates(), std::vector<bool>(18, true));
}

TEST_F(TransferTest, TabGuardResetDuringATransferKeepsItsBusyStateAndPort) {
    auto& w = openWindow();
    partitionBox(0)->setText(QStringLiteral("90"));
    QTest::keyClick(partitionBox(0), Qt::Key_Return); // red total before the transfer starts
    m_dialogs.answers = {true};
    bool guardRan = false;
    bool busyAfterReset = false;
    bool openAfterReset = false;
    QObject::connect(w.progressBar(), &QProgressBar::valueChanged, [&](int value) {
        if (guardRan || value < 100)
            return;
        guardRan = true;
        QTest::mouseClick(w.tabBar(), Qt::LeftButton, {}, w.tabBar()->tabRect(1).center());
        busyAfterReset = w.isBusy();
        openAfterReset = m_transport.isOpen();
    });
    w.readAllAction()->trigger();
    ASSERT_TRUE(guardRan);
    EXPECT_EQ(m_dialogs.questions.size(), 1u);
    EXPECT_TRUE(busyAfterReset);
    EXPECT_TRUE(openAfterReset);
    EXPECT_EQ(w.pages()->currentWidget(), w.settingsPage());
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, QStringLiteral("Complete"));
    EXPECT_EQ(QString::fromStdString(records()[1699]), receiverRecord(1699));
    EXPECT_FALSE(w.isBusy());
}

TEST_F(TransferTest, ReadAllThroughAPseudoTerminalAndTheSerialPort) {
    sim::PtyServer server(m_receiver);
    QString error;
    ASSERT_TRUE(server.start(error)) << error.toStdString();
    qputenv("QBR36_COM2", server.devicePath().toLocal8Bit());
    QFile settings(m_settingsPath);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("COMM:2\r\nSPD:0\r\nEND:\r\n");
    settings.close();

    ui::MainWindow::Options options;
    options.settingsFilePath = m_settingsPath;
    options.dialogs = &m_dialogs;
    ui::MainWindow w(options); // its own serial port, on the device COM2 names
    w.radioLink().setReplyTimeout(std::chrono::milliseconds(1000));
    w.show();
    w.readAllAction()->trigger();
    qunsetenv("QBR36_COM2");

    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(m_dialogs.messages[0].title, QStringLiteral("Complete"))
        << m_dialogs.messages[0].details.toStdString();
    for (int memory = 0; memory <= image::lastStoredMemory; ++memory)
        ASSERT_EQ(QString::fromStdString(w.cloneImage().memRecord[memory]), receiverRecord(memory))
            << memory;
}

} // namespace
} // namespace r36::test
