#include "main_window.h"

#include "app_texts.h"
#include "edit_commands.h"
#include "list_commands.h"
#include "memory_grid.h"
#include "memory_list_model.h"
#include "memory_page.h"
#include "partition_editor.h"
#include "print_commands.h"
#include "settings_page.h"
#include "transfer_bar.h"
#include "transfer_texts.h"
#include "twips.h"
#include "user_dialogs.h"
#include "version_window.h"
#include "window_commands.h"
#include "window_state.h"

#include "session/backups.h"
#include "session/port_entries.h"
#include "session/failure_text.h"
#include "session/session.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace r36::ui {

namespace {

constexpr int kMemoryTab = 1;
constexpr int kSettingsTab = 2;

// Window geometry in twips.
constexpr int kWindowWidth = 17100, kWindowHeight = 8500, kWindowLeft = 1000;
constexpr int kFrameWidth = 16700, kFrameHeight = 7155;
constexpr int kVersionOffsetX = 2000, kVersionOffsetY = 1000;

} // namespace

QString MainWindow::defaultSettingsFilePath() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QString::fromLatin1(kSettingsFileName);
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
    // Start-up: the session reads the settings file, fills the image and resets the partition.
    if (m_options.backupFolder.isEmpty())
        m_options.backupFolder = session::defaultBackupFolder();
    m_session = std::make_unique<session::Session>(
        session::Session::Options{m_options.settingsFilePath, m_options.transport,
                                  m_options.replyTimeout, m_options.backupFolder});
    if (!m_options.commLogPath.isEmpty()) {
        // Told once the window shows: a log that is not written is no reason not to start.
        if (const Outcome live = m_session->receiver().logCommunicationTo(m_options.commLogPath);
            !live)
            QTimer::singleShot(0, this, [this, why = live.why()] {
                showError(tr("Error"), tr("Can't write the communication log."), why);
            });
    }

    m_windowState = std::make_unique<WindowState>(m_options.windowStatePath);
    m_commands = new WindowCommands(*m_session, this);
    buildMenus();
    buildPages();
    m_edit = new EditCommands(*m_session, *m_memoryPage->grid(), *m_memoryPage->findBar(),
                              *statusBar(), this);
    new ListCommands(*m_session, *m_memoryPage->grid(), *m_edit->menu(), *statusBar(), *m_dialogs,
                     this);
    new PrintCommands(
        *m_session, *m_memoryPage->grid(), *m_settingsPage, *m_menus[0],
        findChild<QAction*>(QStringLiteral("MenuQuit")), *m_dialogs, *statusBar(),
        [this](const QString& filter, const QString& suffix) {
            return askSaveName(filter, suffix);
        },
        this);
    menuBar()->insertMenu(m_menus[1]->menuAction(), m_edit->menu());
    m_menus[5] = m_edit->menu();
    buildViewMenu();
    m_commands->setMenus({m_menus.begin(), m_menus.end()}, m_recentMenu);
    wireSession();
    wireCommands();

    // The devices beside the COM items are looked up when the Port menu opens: enumerating
    // the serial ports is slow and they come and go while the program runs.
    showLinkChoices();
    m_currentTab = 0;
    m_pages->setCurrentWidget(m_memoryPage);
    if (!restoreGeometry(m_windowState->geometry())) {
        resize(px(kWindowWidth), px(kWindowHeight));
        move(px(kWindowLeft), y());
    }
    m_memoryPage->grid()->restoreColumnWidths(m_windowState->columnWidths());
    setWindowTitle(titleText());
}

MainWindow::~MainWindow() {
    // The pages look at the session; let them go before it does.
    delete takeCentralWidget();
}

void MainWindow::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(px(120), px(120), px(120), px(60));
    layout->setSpacing(0);

    m_tabs = new QTabBar(central);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(tr("Memory"));
    m_tabs->addTab(tr("Settings"));
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

    m_transferBar = new TransferBar(central);
    layout->addWidget(m_transferBar);
    setCentralWidget(central);

    m_model = new MemoryListModel(*m_session, this);
    m_memoryPage->grid()->setMemoryModel(m_model);
}

void MainWindow::wireSession() {
    session::Session* s = m_session.get();
    session::Receiver* r = &m_session->receiver();
    connect(s, &session::Session::memoryChanged, m_model, &MemoryListModel::showMemoryRow);
    connect(s, &session::Session::imageReplaced, m_model, &MemoryListModel::showAllMemoryRows);
    connect(s, &session::Session::labelsChanged, m_model, &MemoryListModel::labelsChanged);
    connect(s, &session::Session::linkChoicesChanged, this, &MainWindow::showLinkChoices);
    connect(s, &session::Session::fileNameChanged, this,
            [this](const QString& path) { setWindowTitle(titleText(path)); });
    connect(r, &session::Receiver::transferStarted, this, [this] {
        setTransferControls(false);
        m_transferBar->transferStarted();
    });
    connect(r, &session::Receiver::transferProgress, m_transferBar, &TransferBar::showProgress);
    connect(r, &session::Receiver::transferFinished, this, &MainWindow::transferFinished);
    connect(r, &session::Receiver::backupFailed, this, [this](const Failure& why) {
        m_dialogs->message(this, UserDialogs::Icon::Warning, tr("Caution"),
                           tr("The backup of the receiver could not be saved."),
                           session::failureText(why));
    });
    connect(m_transferBar, &TransferBar::cancelRequested, r, &session::Receiver::cancelTransfer);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    // Escape stops a transfer; otherwise it closes the file beside.
    connect(escape, &QShortcut::activated, this, [this] {
        if (m_session->transferRunning())
            m_session->receiver().cancelTransfer();
        else
            closeBeside();
    });
}

void MainWindow::wireCommands() {
    using Command = WindowCommands::Command;
    // The buttons run their commands' actions and are enabled while those are.
    const auto wire = [this](QAbstractButton* button, Command command, auto run) {
        m_commands->drive(*button, command);
        connect(m_commands->action(command), &QAction::triggered, this, run);
    };
    MemoryGrid* grid = m_memoryPage->grid();
    wire(m_memoryPage->clearAllButton(), Command::ClearAll, &MainWindow::clearAll);
    wire(m_memoryPage->clearSelectedButton(), Command::ClearSelected, &MainWindow::clearSelected);
    connect(grid, &MemoryGrid::clearSelectedRequested, this, &MainWindow::clearSelected);
    connect(grid, &MemoryGrid::openEditorRequested, this, &MainWindow::openMemoryEditor);
    wire(m_memoryPage->readSelectedButton(), Command::ReadSelected,
         [this] { startSelected(false); });
    wire(m_memoryPage->writeSelectedButton(), Command::WriteSelected,
         [this] { startSelected(true); });
    wire(m_memoryPage->bankLinkButton(), Command::BankLink, [this] { openLinkDialog(true); });
    wire(m_memoryPage->psLinkButton(), Command::PsLink, [this] { openLinkDialog(false); });
    PartitionEditor* partition = m_memoryPage->partitionEditor();
    wire(partition->readButton(), Command::BankRead,
         [this] { m_session->receiver().startTransfer(session::Transfer::BankRead); });
    wire(partition->writeButton(), Command::BankWrite,
         [this] { startWrite(static_cast<int>(session::Transfer::BankWrite)); });
    wire(partition->resetButton(), Command::ResetPartition,
         [this] { m_session->resetPartition(); });
    wire(m_settingsPage->readButton(), Command::ReadThisPage,
         [this] { m_session->receiver().startTransfer(session::Transfer::ReadThisPage); });
    wire(m_settingsPage->writeButton(), Command::WriteThisPage,
         [this] { startWrite(static_cast<int>(session::Transfer::WriteThisPage)); });
    connect(m_tabs, &QTabBar::currentChanged, this, &MainWindow::onTabChanged);
    wireMemoryPageHints();
}

// ---- Port and speed ------------------------------------------------------------------------

void MainWindow::showLinkChoices() {
    const image::LinkState& link = m_session->linkState();
    m_portActions[link.commPort - 1]->setChecked(true);
    // Any speed choice other than 0 runs the port at 38400 baud.
    m_speedActions[link.commSpeed == 0 ? 0 : 1]->setChecked(true);
}

void MainWindow::refreshPortDevices() {
    const QList<session::PortEntry> entries = session::portEntries();
    for (int port = 1; port <= kPortCount; ++port) {
        const session::PortEntry& entry = entries[port - 1];
        const QString caption = QStringLiteral("COM%1").arg(port);
        // The device after a tab, so the captions themselves stay "COM1".."COM16".
        QString shown =
            entry.device.compare(caption, Qt::CaseInsensitive) == 0 ? QString() : entry.device;
        if (!entry.present)
            shown = shown.isEmpty() ? tr("(no device)") : shown + tr(" (missing)");
        m_portActions[port - 1]->setText(shown.isEmpty() ? caption
                                                         : caption + QLatin1Char('\t') + shown);
    }
}

void MainWindow::choosePort(int commPort) {
    if (const Outcome saved = m_session->receiver().choosePort(commPort); !saved)
        showError(tr("Error"), tr("Can't save the port and speed."), saved.why());
}

void MainWindow::chooseSpeed(int commSpeed) {
    if (const Outcome saved = m_session->receiver().chooseSpeed(commSpeed); !saved)
        showError(tr("Error"), tr("Can't save the port and speed."), saved.why());
}

void MainWindow::showError(const QString& title, const QString& text, const Failure& why) {
    m_dialogs->message(this, UserDialogs::Icon::Critical, title, text, session::failureText(why));
}

// ---- Busy state and transfers --------------------------------------------------------------

void MainWindow::setTransferControls(bool enabled) {
    // The pages go first: a button disabled while its page is still enabled would hand the
    // focus to the next enabled control, a partition box, whose focus-out would then commit
    // it and recompute the displayed total.
    m_memoryPage->setEnabled(enabled);
    m_settingsPage->setEnabled(enabled);
    m_commands->showState();
}

void MainWindow::transferFinished(const session::TransferResult& result) {
    using Status = session::TransferResult::Status;
    // The receiver was read for the write waiting on it: the difference comes instead.
    const std::optional<PendingWrite> pending = std::exchange(m_pendingWrite, std::nullopt);
    const bool continueWrite = pending && result.ok() && !m_closeRequested;
    // A close during the transfer stopped it; the user is leaving, so no message.
    if (!m_closeRequested && !continueWrite) {
        if (result.status == Status::Complete) {
            m_dialogs->message(this, UserDialogs::Icon::Information, tr("Complete"),
                               TransferTexts::completeText(result));
        } else if (result.status == Status::Cancelled) {
            m_dialogs->message(this, UserDialogs::Icon::Warning, tr("Cancelled"), tr("Cancelled"),
                               session::resultText(result));
        } else {
            m_dialogs->message(this, UserDialogs::Icon::Critical,
                               session::isWholeImageTransfer(result.kind) ? tr("Error")
                                                                          : tr(" Error"),
                               tr("Error"), session::resultText(result));
        }
    }
    setTransferControls(true);
    m_transferBar->transferEnded();
    m_memoryPage->grid()->setFocus();
    if (m_closeRequested)
        QTimer::singleShot(0, this, &QWidget::close);
    if (continueWrite)
        showDifference(pending->kind, pending->first, pending->last);
}

// ---- Pages -------------------------------------------------------------------------------

void MainWindow::onTabChanged(int index) {
    if (m_switchingTabBack)
        return;
    const int clicked = index + 1;
    if (clicked == m_currentTab)
        return;
    const int previous = m_currentTab;
    m_currentTab = clicked;

    m_memoryPage->partitionEditor()->commitFocusedBox(); // an edit in progress counts first
    const bool totalValid = m_session->partitionValid();
    auto guardReset = [this] {
        m_session->resetPartition();
    };
    // The page's first control takes the focus, unless the user is on the tabs themselves.
    const auto showPage = [this](QWidget* page) {
        // What the status bar said was about the other page (a find count, a copy).
        statusBar()->clearMessage();
        m_pages->setCurrentWidget(page);
        if (!m_tabs->hasFocus())
            page->setFocus();
    };
    if (clicked == kMemoryTab) {
        if (!totalValid)
            guardReset();
        showPage(m_memoryPage);
        return;
    }
    if (!totalValid) {
        if (!m_dialogs->askOkCancel(this, UserDialogs::Icon::Warning, tr("Caution"),
                                    tr("Bank Total Error. Init Data?"))) {
            m_currentTab = previous;
            m_switchingTabBack = true;
            m_tabs->setCurrentIndex(kMemoryTab - 1);
            m_switchingTabBack = false;
            return;
        }
        guardReset();
    }
    showPage(m_settingsPage);
}

void MainWindow::showVersion() {
    VersionWindow window(this);
    window.move(pos() + QPoint(px(kVersionOffsetX), px(kVersionOffsetY)));
    runDialog(window);
}

int MainWindow::runDialog(QDialog& dialog) {
    return m_options.runDialog ? m_options.runDialog(dialog) : dialog.exec();
}

// ---- Closing -------------------------------------------------------------------------------

bool MainWindow::unsavedChangesSettled(const QString& question) {
    if (!m_session->hasUnsavedChanges())
        return true;
    enum { Save, Discard, Cancel };
    const int answer = m_dialogs->choose(this, {QStringLiteral("frmUnsaved"),
                                                tr("Caution"),
                                                question,
                                                {},
                                                {tr("Save"), tr("Discard"), tr("Cancel")}});
    // Closing the question keeps the changes, as Cancel does; so does a Save not done.
    return answer == Discard || (answer == Save && saveCloneFile());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_session->transferRunning()) {
        // The same path as Cancel: the transfer ends at its next exchange, releases the port,
        // and then the window closes.
        m_closeRequested = true;
        m_session->receiver().cancelTransfer();
        event->ignore();
        return;
    }
    m_closeRequested = false;
    if (!unsavedChangesSettled(tr("The changes were neither saved to a file nor written to the "
                                  "receiver. Save them before closing?"))) {
        event->ignore();
        return;
    }
    m_windowState->saveWindow(saveGeometry(), m_memoryPage->grid()->columnWidths());
    event->accept();
}

} // namespace r36::ui
