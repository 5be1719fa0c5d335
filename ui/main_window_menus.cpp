// The main window's menu bar: File, Port, Speed, Comm and Help, with the objects the user's
// choices are checked against.

#include "main_window.h"

#include "user_guide.h"
#include "window_commands.h"

#include "session/session.h"

#include <QActionGroup>
#include <QMenuBar>

#include <array>

namespace r36::ui {

void MainWindow::buildMenus() {
    using Command = WindowCommands::Command;
    // Each item is its command's action, which the buttons share and WindowCommands enables.
    const auto add = [this](QMenu* menu, Command command, const QString& text, auto run,
                            const QKeySequence& keys = {}) {
        QAction* action = m_commands->action(command);
        action->setText(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        menu->addAction(action);
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    // The keys are spelled out: every desktop's keys for Save As and Quit are not these.
    add(file, Command::Open, tr("Open(&O)"), &MainWindow::openCloneFile,
        QKeySequence(Qt::CTRL | Qt::Key_O));
    add(file, Command::OpenBeside, tr("Open beside…"), &MainWindow::openBeside);
    add(file, Command::Save, tr("Save(&S)"), &MainWindow::saveCloneFile,
        QKeySequence(Qt::CTRL | Qt::Key_S));
    // This program's own CSV, and lists from elsewhere.
    QMenu* import = file->addMenu(tr("Import(&I)"));
    import->setObjectName(QStringLiteral("MenuImport"));
    add(import, Command::ImportCsv, tr("&CSV…"), &MainWindow::importCsvFile);
    add(import, Command::ImportChirp, tr("C&HIRP CSV…"), &MainWindow::importChirpFile);
    QMenu* exportMenu = file->addMenu(tr("Export(&E)"));
    exportMenu->setObjectName(QStringLiteral("MenuExport"));
    add(exportMenu, Command::ExportCsv, tr("&CSV…"), &MainWindow::exportCsvFile);
    add(exportMenu, Command::ExportChirp, tr("C&HIRP CSV…"), &MainWindow::exportChirpFile);
    add(file, Command::Backups, tr("Backups…"), &MainWindow::openBackups);
    file->addSeparator();
    add(file, Command::SaveAs, tr("Save As…"), &MainWindow::saveCloneFileAs,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_recentMenu = file->addMenu(tr("Recent Files"));
    m_recentMenu->setObjectName(QStringLiteral("MenuRecent"));
    connect(file, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    file->addSeparator();
    add(file, Command::Quit, tr("Quit"), &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* port = menuBar()->addMenu(tr("Port(&P)"));
    port->setObjectName(QStringLiteral("MenuPort"));
    auto* ports = new QActionGroup(this);
    for (int number = 1; number <= kPortCount; ++number) {
        QAction* action = port->addAction(QStringLiteral("COM%1").arg(number));
        action->setObjectName(QStringLiteral("MenuSetCom%1").arg(number));
        action->setCheckable(true);
        ports->addAction(action);
        connect(action, &QAction::triggered, this, [this, number] { choosePort(number); });
        m_portActions[number - 1] = action;
    }
    connect(port, &QMenu::aboutToShow, this, &MainWindow::refreshPortDevices);

    QMenu* speed = menuBar()->addMenu(tr("Speed(&S)"));
    speed->setObjectName(QStringLiteral("MenuSpeed"));
    auto* speeds = new QActionGroup(this);
    const std::array<QString, 2> speedCaptions = {QStringLiteral("115200bps"),
                                                  QStringLiteral("38400bps")};
    for (int choice = 0; choice < 2; ++choice) {
        QAction* action = speed->addAction(speedCaptions[choice]);
        action->setObjectName(QStringLiteral("MenuSpeedSub%1").arg(choice));
        action->setCheckable(true);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { chooseSpeed(choice); });
        m_speedActions[choice] = action;
    }

    QMenu* comm = menuBar()->addMenu(tr("Comm(&C)"));
    comm->setObjectName(QStringLiteral("MenuComm"));
    const int writeAll = static_cast<int>(session::Transfer::WriteAll);
    add(comm, Command::WriteAll, tr("Write all(&W)"), [this, writeAll] { startWrite(writeAll); });
    add(comm, Command::ReadAll, tr("Read all(&R)"),
        [this] { m_session->receiver().startTransfer(session::Transfer::ReadAll); });
    add(comm, Command::WriteChanges, tr("Write changes"),
        [this, writeAll] { startWrite(writeAll); });
    comm->addSeparator();
    m_verifyAction = comm->addAction(tr("Verify after writing"));
    m_verifyAction->setObjectName(QStringLiteral("MenuVerify"));
    m_verifyAction->setCheckable(true);
    m_verifyAction->setChecked(m_session->receiver().verifyAfterWriting());
    connect(m_verifyAction, &QAction::toggled, this, [this](bool verify) {
        if (const Outcome saved = m_session->receiver().setVerifyAfterWriting(verify); !saved)
            showError(tr("Error"), tr("Can't save the settings file."), saved.why());
    });

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    add(help, Command::SaveCommLog, tr("Save communication log…"), &MainWindow::saveCommLog);
    help->addSeparator();
    add(help, Command::Version, tr("Version(&V)"), &MainWindow::showVersion);
    add(
        help, Command::UserGuide, tr("User guide…"),
        [this] { UserGuide::present(*this, *m_dialogs); }, QKeySequence::HelpContents);

    m_menus = {file, port, speed, comm, help, nullptr}; // Edit follows with the pages
    showRecentFiles();
}

} // namespace r36::ui
