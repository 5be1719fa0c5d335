#include "main_window.h"

#include "app_texts.h"
#include "link_dialog.h"
#include "memory_detail_dialog.h"
#include "memory_grid.h"
#include "memory_list_model.h"
#include "memory_page.h"
#include "partition_editor.h"
#include "settings_page.h"
#include "twips.h"
#include "user_dialogs.h"
#include "version_window.h"

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "image/memory_areas.h"
#include "link/clone_transfer.h"
#include "link/port_names.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"
#include "session/session.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace r36::ui {

namespace {

const QString kCloneFilter = QStringLiteral("R36 Files (*.R36);;All Files (*.*)");
const QString kCsvFilter = QStringLiteral("csv Files (*.csv);;All Files (*.*)");

constexpr int kMemoryTab = 1;
constexpr int kSettingsTab = 2;

// Window geometry in twips.
constexpr int kWindowWidth = 17100, kWindowHeight = 8500, kWindowLeft = 1000;
constexpr int kFrameWidth = 16700, kFrameHeight = 7155;
constexpr int kVersionOffsetX = 2000, kVersionOffsetY = 1000;

// The progress display is repainted at most this often during a transfer.
constexpr std::chrono::milliseconds kProgressInterval{40};

} // namespace

QString MainWindow::defaultSettingsFilePath() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + settingsFileName;
}

MainWindow::MainWindow(Options options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options)) {
    setObjectName(QStringLiteral("frmMain"));
    if (m_options.settingsFilePath.isEmpty())
        m_options.settingsFilePath = defaultSettingsFilePath();
    if (m_options.dialogs) {
        m_dialogs = m_options.dialogs;
    } else {
        m_ownDialogs = std::make_unique<QtUserDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    link::Transport* transport = m_options.transport;
    if (!transport) {
        m_serial = std::make_unique<link::SerialTransport>();
        transport = m_serial.get();
    }
    m_link = std::make_unique<link::RadioLink>(*transport, m_linkState);
    m_session = new session::Session({m_options.settingsFilePath, nullptr}, this);

    m_image = image::freshImage();
    m_labels = image::defaultMemoryLabels();

    buildMenus();
    buildPages();
    wireCommands();
    startUp();
}

MainWindow::~MainWindow() {
    // The pages look at the image and the labels; let them go before those members do.
    delete takeCentralWidget();
}

void MainWindow::buildMenus() {
    m_menuFile = menuBar()->addMenu(QStringLiteral("File(&F)"));
    m_menuFile->setObjectName(QStringLiteral("MenuFile"));
    m_open = m_menuFile->addAction(QStringLiteral("Open(&O)"), this, &MainWindow::openCloneFile);
    m_save = m_menuFile->addAction(QStringLiteral("Save(&S)"), this, &MainWindow::saveCloneFile);
    m_import =
        m_menuFile->addAction(QStringLiteral("Import(&I)"), this, &MainWindow::importCsvFile);
    m_export =
        m_menuFile->addAction(QStringLiteral("Export(&E)"), this, &MainWindow::exportCsvFile);

    m_menuPort = menuBar()->addMenu(QStringLiteral("Port(&P)"));
    m_menuPort->setObjectName(QStringLiteral("MenuPort"));
    auto* ports = new QActionGroup(this);
    for (int port = 1; port <= kPortCount; ++port) {
        QAction* action = m_menuPort->addAction(QStringLiteral("COM%1").arg(port));
        action->setObjectName(QStringLiteral("MenuSetCom%1").arg(port));
        action->setCheckable(true);
        ports->addAction(action);
        connect(action, &QAction::triggered, this, [this, port] { choosePort(port); });
        m_portActions[port - 1] = action;
    }
    connect(m_menuPort, &QMenu::aboutToShow, this, &MainWindow::refreshPortDevices);

    m_menuSpeed = menuBar()->addMenu(QStringLiteral("Speed(&S)"));
    m_menuSpeed->setObjectName(QStringLiteral("MenuSpeed"));
    auto* speeds = new QActionGroup(this);
    const std::array<QString, 2> speedCaptions = {QStringLiteral("115200bps"),
                                                  QStringLiteral("38400bps")};
    for (int speed = 0; speed < 2; ++speed) {
        QAction* action = m_menuSpeed->addAction(speedCaptions[speed]);
        action->setObjectName(QStringLiteral("MenuSpeedSub%1").arg(speed));
        action->setCheckable(true);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { chooseSpeed(speed); });
        m_speedActions[speed] = action;
    }

    m_menuComm = menuBar()->addMenu(QStringLiteral("Comm(&C)"));
    m_menuComm->setObjectName(QStringLiteral("MenuComm"));
    m_writeAll =
        m_menuComm->addAction(QStringLiteral("Write all(&W)"), this, &MainWindow::writeAll);
    m_readAll = m_menuComm->addAction(QStringLiteral("Read all(&R)"), this, &MainWindow::readAll);

    m_menuHelp = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    m_menuHelp->setObjectName(QStringLiteral("MenuHelp"));
    m_version =
        m_menuHelp->addAction(QStringLiteral("Version(&V)"), this, &MainWindow::showVersion);
}

void MainWindow::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(px(120), px(120), px(120), px(60));
    layout->setSpacing(0);

    m_tabs = new QTabBar(central);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(QStringLiteral("Memory"));
    m_tabs->addTab(QStringLiteral("Settings"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(true);
    layout->addWidget(m_tabs);

    m_pages = new QStackedWidget(central);
    m_pages->setFrameShape(QFrame::StyledPanel);
    m_memoryPage = new MemoryPage(*m_session, m_pages);
    m_settingsPage = new SettingsPage(*m_session, m_pages);
    m_settingsPage->setObjectName(QStringLiteral("A_FRAME1"));
    m_pages->addWidget(m_memoryPage);
    m_pages->addWidget(m_settingsPage);
    m_pages->setMinimumSize(px(kFrameWidth), px(kFrameHeight));
    layout->addWidget(m_pages, 1);

    m_pBar = new QProgressBar(central);
    m_pBar->setObjectName(QStringLiteral("pBar"));
    m_pBar->setTextVisible(false);
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_progress = new QLabel(central);
    m_progress->setObjectName(QStringLiteral("Progress"));
    // A fixed size: the text changes with every memory of a transfer, and a label that could
    // grow would lay the whole window out again each time.
    m_progress->setFixedSize(px(900), m_pBar->sizeHint().height());
    m_progress->setFrameShape(QFrame::StyledPanel);
    m_progress->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* progressRow = new QHBoxLayout;
    progressRow->setContentsMargins(0, px(90), 0, 0);
    progressRow->addWidget(m_pBar, 1);
    progressRow->addWidget(m_progress);
    layout->addLayout(progressRow);

    setCentralWidget(central);

    m_model = new MemoryListModel(m_image, m_labels, this);
    m_memoryPage->grid()->setMemoryModel(m_model);
}

void MainWindow::wireCommands() {
    MemoryPage* page = m_memoryPage;
    PartitionEditor* partition = page->partitionEditor();
    MemoryGrid* grid = page->grid();

    connect(page->clearAllButton(), &QPushButton::clicked, this,
            [this] { clearMemories(0, image::lastStoredMemory); });
    auto clearSelected = [this] {
        const auto [first, last] = selectedRange();
        if (first >= 0)
            clearMemories(first, last);
    };
    connect(page->clearSelectedButton(), &QPushButton::clicked, this, clearSelected);
    connect(grid, &MemoryGrid::clearSelectedRequested, this, clearSelected);
    connect(grid, &MemoryGrid::openEditorRequested, this, &MainWindow::openMemoryEditor);

    connect(page->readSelectedButton(), &QPushButton::clicked, this, [this] {
        const auto [first, last] = selectedRange();
        runTransfer(
            [this, first = first, last = last] { return m_transfer->readSelected(first, last); },
            ErrorTitle::Part);
    });
    connect(page->writeSelectedButton(), &QPushButton::clicked, this, [this] {
        const auto [first, last] = selectedRange();
        runTransfer(
            [this, first = first, last = last] { return m_transfer->writeSelected(first, last); },
            ErrorTitle::Part);
    });
    connect(partition->readButton(), &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_transfer->bankRead(); }, ErrorTitle::Part); });
    connect(partition->writeButton(), &QPushButton::clicked, this,
            [this] { runTransfer([this] { return m_transfer->bankWrite(); }, ErrorTitle::Part); });
    connect(page->bankLinkButton(), &QPushButton::clicked, this, [this] { openLinkDialog(true); });
    connect(page->psLinkButton(), &QPushButton::clicked, this, [this] { openLinkDialog(false); });

    connect(m_settingsPage->readButton(), &QPushButton::clicked, this, [this] {
        runTransfer([this] { return m_transfer->readThisPage(); }, ErrorTitle::Part);
    });
    connect(m_settingsPage->writeButton(), &QPushButton::clicked, this, [this] {
        runTransfer([this] { return m_transfer->writeThisPage(); }, ErrorTitle::Part);
    });

    connect(m_tabs, &QTabBar::currentChanged, this, &MainWindow::onTabChanged);

    link::TransferHooks hooks;
    hooks.storeSysBlock = [this] {
        image::storeSysBlock(m_session->settings(), m_image.sysBlock);
    };
    hooks.storeSys3Block = [this] {
        image::storeSys3Block(m_session->settings(), m_image.sys3Block);
    };
    hooks.storeRemoconId = [this] {
        m_image.remoconId = image::storeRemoconId(m_session->settings().tvText);
    };
    hooks.bankTableLoaded = [this] {
        loadPartitionEditor();
    };
    hooks.memoryChanged = [this](int memory) {
        showMemoryRow(memory);
    };
    hooks.progress = [this](int minimum, int maximum, int value, const std::string& text) {
        // A memory takes a few milliseconds on the line; painting the display for each one
        // would slow the transfer down, and the eye cannot follow it anyway.
        const bool rangeChanged = minimum != m_pBar->minimum() || maximum != m_pBar->maximum();
        if (!rangeChanged && value != maximum && m_progressShown.isValid() &&
            m_progressShown.elapsed() < kProgressInterval.count())
            return;
        m_progressShown.start();
        m_pBar->setRange(minimum, maximum);
        m_pBar->setValue(value);
        m_progress->setText(QString::fromStdString(text));
    };
    m_transfer = std::make_unique<link::CloneTransfer>(*m_link, m_image, std::move(hooks));
}

void MainWindow::startUp() {
    m_curMemory = 0;
    m_linkState.commPort = 1;
    m_linkState.commSpeed = 0;
    if (QFileInfo::exists(m_options.settingsFilePath)) {
        // An unreadable settings file leaves the defaults, as a missing one does.
        (void)files::readSettingsFile(m_options.settingsFilePath, m_linkState);
        if (m_linkState.commPort < 1 || m_linkState.commPort > kPortCount)
            m_linkState.commPort = 1;
    }
    // The devices beside the COM items are looked up when the Port menu opens: enumerating
    // the serial ports is slow and they come and go while the program runs.
    showLinkChoices();

    resetPartition();
    showAllMemoryRows();

    m_currentTab = 0;
    m_pages->setCurrentWidget(m_memoryPage);
    resize(px(kWindowWidth), px(kWindowHeight));
    move(px(kWindowLeft), y());
    setWindowTitle(titleText());
    markSaved();
}

// ---- Port and speed ------------------------------------------------------------------------

void MainWindow::showLinkChoices() {
    m_portActions[m_linkState.commPort - 1]->setChecked(true);
    // Any speed choice other than 0 runs the port at 38400 baud.
    m_speedActions[m_linkState.commSpeed == 0 ? 0 : 1]->setChecked(true);
}

void MainWindow::refreshPortDevices() {
    const QStringList devices = link::devicesForPorts();
    for (int port = 1; port <= kPortCount; ++port) {
        const QString& device = devices[port - 1];
        QString caption = QStringLiteral("COM%1").arg(port);
        if (!device.isEmpty())
            caption += QLatin1Char('\t') + device;
        m_portActions[port - 1]->setText(caption);
    }
}

void MainWindow::choosePort(int commPort) {
    m_linkState.commPort = static_cast<std::uint16_t>(commPort);
    showLinkChoices();
    saveSettingsFile();
}

void MainWindow::chooseSpeed(int commSpeed) {
    m_linkState.commSpeed = static_cast<std::uint16_t>(commSpeed);
    showLinkChoices();
    saveSettingsFile();
}

void MainWindow::saveSettingsFile() {
    const Outcome saved = files::writeCloneFile(m_options.settingsFilePath, m_image, m_linkState,
                                                m_options.settingsFilePath);
    if (!saved) {
        m_dialogs->message(this, UserDialogs::Icon::Warning, QStringLiteral("Error"),
                           QStringLiteral("Can't save the port and speed."),
                           QString::fromStdString(saved.reason()));
    }
}

// ---- Grid and partition ----------------------------------------------------------------------

void MainWindow::showMemoryRow(int memory) {
    m_model->showMemoryRow(memory);
}

void MainWindow::showAllMemoryRows() {
    m_model->showAllMemoryRows();
}

std::pair<int, int> MainWindow::selectedRange() const {
    return m_memoryPage->grid()->selectedRange();
}

void MainWindow::loadPartitionEditor() {
    // Labels follow the bank table only while the displayed total reads 1000.
    if (m_session->partitionValid()) {
        image::relabelMemoryList(m_image.bankTable, m_labels);
        m_model->labelsChanged();
    }
}

void MainWindow::resetPartition() {
    // The tab guard may reset during a transfer: the transfer's busy state and its open port
    // must outlive the reset, so only a reset that entered the busy state leaves it.
    const bool entered = !m_busy;
    if (entered)
        setTransferControls(false);
    m_image.bankTable = image::defaultPartition();
    loadPartitionEditor();
    m_session->resetPartition();
    PartitionEditor* partition = m_memoryPage->partitionEditor();
    if (entered) {
        partition->writeButton()->setEnabled(true);
        disconnectRadio();
    }
}

// ---- Busy state --------------------------------------------------------------------------

void MainWindow::setTransferControls(bool enabled) {
    m_busy = !enabled;
    PartitionEditor* partition = m_memoryPage->partitionEditor();
    for (QWidget* control : std::initializer_list<QWidget*>{
             partition->readButton(), partition->writeButton(), partition->resetButton(),
             m_memoryPage->bankLinkButton(), m_memoryPage->psLinkButton(),
             m_memoryPage->writeSelectedButton(), m_memoryPage->readSelectedButton(),
             m_memoryPage->clearAllButton(), m_memoryPage->clearSelectedButton(),
             m_settingsPage->readButton(), m_settingsPage->writeButton()})
        control->setEnabled(enabled);
    for (QMenu* menu : {m_menuFile, m_menuPort, m_menuSpeed, m_menuComm, m_menuHelp})
        menu->menuAction()->setEnabled(enabled);
    m_memoryPage->setEnabled(enabled);
    m_settingsPage->setEnabled(enabled);
}

void MainWindow::disconnectRadio() {
    setTransferControls(true);
    m_link->disconnectRadio();
    m_pBar->setValue(m_pBar->minimum());
    m_progress->clear();
}

// ---- Transfers -----------------------------------------------------------------------------

void MainWindow::runTransfer(const std::function<Outcome()>& command, ErrorTitle title,
                             bool wholeImage) {
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    setTransferControls(false);
    if (m_serial)
        m_serial->setPort(link::deviceForPort(m_linkState.commPort), m_linkState.commSpeed);
    m_link->clearStop();
    m_progressShown.invalidate();

    const Outcome outcome = command();

    // A close during the transfer stopped it; the user is leaving, so no message.
    if (!m_closeRequested) {
        if (outcome) {
            m_dialogs->message(this, UserDialogs::Icon::Information, QStringLiteral("Complete"),
                               QStringLiteral("Complete"));
        } else {
            m_dialogs->message(this, UserDialogs::Icon::Critical,
                               title == ErrorTitle::Whole ? QStringLiteral("Error")
                                                          : QStringLiteral(" Error"),
                               QStringLiteral("Error"), QString::fromStdString(outcome.reason()));
        }
    }
    disconnectRadio();
    m_transferRunning = false;
    if (outcome && wholeImage)
        markSaved(); // the image and the receiver now hold the same
    emit transferFinished(outcome.ok());
    if (m_closeRequested)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::readAll() {
    runTransfer([this] { return m_transfer->readAll(); }, ErrorTitle::Whole, true);
}

void MainWindow::writeAll() {
    runTransfer([this] { return m_transfer->writeAll(); }, ErrorTitle::Whole, true);
}

// ---- Memory page commands ----------------------------------------------------------------

void MainWindow::clearMemories(int first, int last) {
    if (m_busy)
        return;
    setTransferControls(false);
    MemoryGrid* grid = m_memoryPage->grid();
    grid->setUpdatesEnabled(false);
    for (int memory = first; memory <= last && memory <= image::lastStoredMemory; ++memory) {
        m_image.memRecord[memory] = std::string(image::kEmptyRecord);
        showMemoryRow(memory);
    }
    grid->setUpdatesEnabled(true);
    disconnectRadio();
}

void MainWindow::openMemoryEditor(int memory) {
    if (m_busy || memory < 0 || memory > image::lastStoredMemory)
        return;
    m_curMemory = memory;
    MemoryDetailDialog dialog(*m_session, m_curMemory, *m_dialogs, this);
    runDialog(dialog);
    m_curMemory = dialog.curMemory();
    showMemoryRow(m_curMemory);
}

void MainWindow::openLinkDialog(bool bankLink) {
    // Bank links need a valid partition to know which banks exist.
    if (bankLink && !m_session->partitionValid())
        return;
    LinkDialog dialog(bankLink ? LinkDialog::Kind::BankLink : LinkDialog::Kind::ProgramScanLink,
                      *m_session, this);
    runDialog(dialog);
}

void MainWindow::onTabChanged(int index) {
    if (m_switchingTabBack)
        return;
    const int clicked = index + 1;
    if (clicked == m_currentTab)
        return;
    const int previous = m_currentTab;
    m_currentTab = clicked;

    PartitionEditor* partition = m_memoryPage->partitionEditor();
    partition->commitFocusedBox(); // an edit in progress counts before the page is left
    const bool totalValid = m_session->partitionValid();
    if (clicked == kMemoryTab) {
        if (!totalValid)
            resetPartition();
        m_pages->setCurrentWidget(m_memoryPage);
        return;
    }
    if (!totalValid) {
        if (!m_dialogs->askOkCancel(this, UserDialogs::Icon::Warning, QStringLiteral("Caution"),
                                    QStringLiteral("Bank Total Error. Init Data?"))) {
            m_currentTab = previous;
            m_switchingTabBack = true;
            m_tabs->setCurrentIndex(kMemoryTab - 1);
            m_switchingTabBack = false;
            return;
        }
        resetPartition();
    }
    m_pages->setCurrentWidget(m_settingsPage);
}

void MainWindow::showVersion() {
    VersionWindow window(this);
    window.move(pos() + QPoint(px(kVersionOffsetX), px(kVersionOffsetY)));
    runDialog(window);
}

int MainWindow::runDialog(QDialog& dialog) {
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

// ---- Files ---------------------------------------------------------------------------------

void MainWindow::storeSettingsPage(image::CloneImage& target) const {
    image::storeSysBlock(m_session->settings(), target.sysBlock);
    image::storeSys3Block(m_session->settings(), target.sys3Block);
    target.remoconId = image::storeRemoconId(m_session->settings().tvText);
}

void MainWindow::markSaved() {
    m_savedImage = m_image;
    storeSettingsPage(m_savedImage);
}

bool MainWindow::hasUnsavedChanges() const {
    image::CloneImage current = m_image;
    storeSettingsPage(current);
    return current != m_savedImage;
}

void MainWindow::openCloneFile() {
    const QString path = m_dialogs->openFileName(this, kCloneFilter);
    if (path.isEmpty())
        return;
    if (path == m_options.settingsFilePath) {
        // The settings file opened by name carries only the port and speed choices.
        const Outcome read = files::readSettingsFile(path, m_linkState);
        if (!read) {
            m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                               QStringLiteral("Can't open the file."),
                               QString::fromStdString(read.reason()));
            return;
        }
        if (m_linkState.commPort < 1 || m_linkState.commPort > kPortCount)
            m_linkState.commPort = 1;
        showLinkChoices();
        setWindowTitle(titleText(path));
        return;
    }
    if (!files::hasCloneExtension(path)) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                           QStringLiteral("Can't open the file."));
        return;
    }
    files::CloneFileReport report;
    const Outcome loaded = files::readCloneFile(path, m_image, m_linkState, report);
    if (!loaded) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                           QStringLiteral("Can't open the file."),
                           QString::fromStdString(loaded.reason()));
        return;
    }
    if (m_linkState.commPort < 1 || m_linkState.commPort > kPortCount)
        m_linkState.commPort = 1;
    showLinkChoices();

    PartitionEditor* partition = m_memoryPage->partitionEditor();
    showAllMemoryRows();
    loadPartitionEditor();
    partition->writeButton()->setEnabled(true);
    setWindowTitle(titleText(path));
    markSaved();

    if (!report.skipped.empty()) {
        QStringList lines;
        for (const files::SkippedLine& skipped : report.skipped)
            lines << QStringLiteral("line %1: %2")
                         .arg(skipped.lineNumber)
                         .arg(QString::fromStdString(skipped.reason));
        m_dialogs->message(
            this, UserDialogs::Icon::Warning, QStringLiteral("Caution"),
            QStringLiteral("%1 lines of the file were skipped.").arg(report.skipped.size()),
            lines.join(QLatin1Char('\n')));
    }
}

void MainWindow::saveCloneFile() {
    const QString path = m_dialogs->saveFileName(this, kCloneFilter);
    if (path.isEmpty())
        return;
    const Outcome saved =
        files::writeCloneFile(path, m_image, m_linkState, m_options.settingsFilePath,
                              [this] { storeSettingsPage(m_image); });
    if (!saved) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                           QStringLiteral("Can't save the file."),
                           QString::fromStdString(saved.reason()));
        return;
    }
    setWindowTitle(titleText(path));
    if (path != m_options.settingsFilePath)
        markSaved();
}

void MainWindow::importCsvFile() {
    const QString path = m_dialogs->openFileName(this, kCsvFilter);
    if (path.isEmpty())
        return;
    if (!files::hasCsvExtension(path)) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                           QStringLiteral("Can't open the file."));
        return;
    }
    files::CsvImport imported = files::importCsv(path);
    if (!imported.ok) {
        // Nothing of a failed import is applied: the image, the grid and the title stay.
        const QString text = imported.errorLine > 0
                                 ? QStringLiteral("Error at line%1").arg(imported.errorLine)
                                 : QStringLiteral("Can't open the file.");
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"), text,
                           QString::fromStdString(imported.reason));
        return;
    }
    if (imported.records.size() == static_cast<std::size_t>(image::kMemoryCount))
        m_image.memRecord = std::move(imported.records);
    showAllMemoryRows();
    setWindowTitle(titleText(path));
}

void MainWindow::exportCsvFile() {
    const QString path = m_dialogs->saveFileName(this, kCsvFilter);
    if (path.isEmpty())
        return;
    m_pBar->setRange(0, image::kUserMemoryCount);
    m_pBar->setValue(0);
    const Outcome exported = files::exportCsv(path, m_image, m_labels, [this](int row) {
        m_pBar->setValue(row);
        if (row % 100 == 0)
            m_pBar->repaint(); // the export does not return to the event loop until done
    });
    m_pBar->setValue(m_pBar->minimum());
    if (!exported) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, QStringLiteral("Error"),
                           QStringLiteral("Can't write the file."),
                           QString::fromStdString(exported.reason()));
    }
}

// ---- Closing -------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_transferRunning) {
        // Stop at the next command boundary; the transfer closes the port and calls close()
        // again once it has returned.
        m_closeRequested = true;
        m_link->requestStop();
        event->ignore();
        return;
    }
    m_closeRequested = false;
    if (hasUnsavedChanges() &&
        !m_dialogs->askOkCancel(
            this, UserDialogs::Icon::Warning, QStringLiteral("Caution"),
            QStringLiteral("The changes were neither saved to a file nor written to the "
                           "receiver. Discard them?"))) {
        event->ignore();
        return;
    }
    m_link->disconnectRadio();
    event->accept();
}

} // namespace r36::ui
