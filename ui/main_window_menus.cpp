// The main window's menu bar: File, Port, Speed, Comm and Help, with the objects the user's
// choices are checked against.

#include "main_window.h"

#include "user_guide.h"

#include "session/session.h"

#include <QActionGroup>
#include <QMenuBar>

#include <array>

namespace r36::ui {

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    // The keys are spelled out: every desktop's keys for Save As and Quit are not these.
    file->addAction(tr("Open(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                    &MainWindow::openCloneFile)
        ->setObjectName(QStringLiteral("MenuFileOpen"));
    file->addAction(tr("Save(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                    &MainWindow::saveCloneFile)
        ->setObjectName(QStringLiteral("MenuFileSave"));
    file->addAction(tr("Import(&I)"), this, &MainWindow::importCsvFile);
    file->addAction(tr("Export(&E)"), this, &MainWindow::exportCsvFile);
    file->addAction(tr("Backups…"), this, &MainWindow::openBackups)
        ->setObjectName(QStringLiteral("MenuBackups"));
    file->addSeparator();
    file->addAction(tr("Save As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    &MainWindow::saveCloneFileAs)
        ->setObjectName(QStringLiteral("MenuFileSaveAs"));
    m_recentMenu = file->addMenu(tr("Recent Files"));
    m_recentMenu->setObjectName(QStringLiteral("MenuRecent"));
    connect(file, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    file->addSeparator();
    file->addAction(tr("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close)
        ->setObjectName(QStringLiteral("MenuQuit"));

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
    comm->addAction(tr("Write all(&W)"), this, [this, writeAll] { startWrite(writeAll); })
        ->setObjectName(QStringLiteral("MenuWriteAll"));
    comm->addAction(tr("Read all(&R)"), this,
                    [this] { m_session->startTransfer(session::Transfer::ReadAll); });
    comm->addAction(tr("Write changes"), this, [this, writeAll] { startWrite(writeAll); })
        ->setObjectName(QStringLiteral("MenuWriteChanges"));
    comm->addSeparator();
    m_verifyAction = comm->addAction(tr("Verify after writing"));
    m_verifyAction->setObjectName(QStringLiteral("MenuVerify"));
    m_verifyAction->setCheckable(true);
    m_verifyAction->setChecked(m_session->verifyAfterWriting());
    connect(m_verifyAction, &QAction::toggled, this, [this](bool verify) {
        if (const Outcome saved = m_session->setVerifyAfterWriting(verify); !saved)
            showError(tr("Error"), tr("Can't save the settings file."), saved.why());
    });

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(tr("Save communication log…"), this, &MainWindow::saveCommLog)
        ->setObjectName(QStringLiteral("MenuSaveCommLog"));
    help->addSeparator();
    help->addAction(tr("Version(&V)"), this, &MainWindow::showVersion);
    QAction* guide =
        help->addAction(tr("User guide…"), this, [this] { UserGuide::present(*this, *m_dialogs); });
    guide->setObjectName(QStringLiteral("MenuUserGuide"));
    guide->setShortcut(QKeySequence::HelpContents);

    m_menus = {file, port, speed, comm, help, nullptr}; // Edit follows with the pages
    showRecentFiles();
}

} // namespace r36::ui
