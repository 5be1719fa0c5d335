// The main window's menu bar: File, Port, Speed, Comm and Help, with the objects the user's
// choices are checked against.

#include "main_window.h"

#include "session/session.h"

#include <QActionGroup>
#include <QMenuBar>

#include <array>

namespace r36::ui {

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->addAction(QStringLiteral("Open(&O)"), this, &MainWindow::openCloneFile);
    file->addAction(QStringLiteral("Save(&S)"), this, &MainWindow::saveCloneFile);
    file->addAction(QStringLiteral("Import(&I)"), this, &MainWindow::importCsvFile);
    file->addAction(QStringLiteral("Export(&E)"), this, &MainWindow::exportCsvFile);
    file->addAction(QStringLiteral("Backups…"), this, &MainWindow::openBackups)
        ->setObjectName(QStringLiteral("MenuBackups"));

    QMenu* port = menuBar()->addMenu(QStringLiteral("Port(&P)"));
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

    QMenu* speed = menuBar()->addMenu(QStringLiteral("Speed(&S)"));
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

    QMenu* comm = menuBar()->addMenu(QStringLiteral("Comm(&C)"));
    comm->setObjectName(QStringLiteral("MenuComm"));
    const int writeAll = static_cast<int>(session::Transfer::WriteAll);
    comm->addAction(QStringLiteral("Write all(&W)"), this,
                    [this, writeAll] { startWrite(writeAll); })
        ->setObjectName(QStringLiteral("MenuWriteAll"));
    comm->addAction(QStringLiteral("Read all(&R)"), this,
                    [this] { m_session->startTransfer(session::Transfer::ReadAll); });
    comm->addAction(QStringLiteral("Write changes"), this,
                    [this, writeAll] { startWrite(writeAll); })
        ->setObjectName(QStringLiteral("MenuWriteChanges"));
    comm->addSeparator();
    m_verifyAction = comm->addAction(QStringLiteral("Verify after writing"));
    m_verifyAction->setObjectName(QStringLiteral("MenuVerify"));
    m_verifyAction->setCheckable(true);
    m_verifyAction->setChecked(m_session->verifyAfterWriting());
    connect(m_verifyAction, &QAction::toggled, this, [this](bool verify) {
        if (const Outcome saved = m_session->setVerifyAfterWriting(verify); !saved)
            showError(QStringLiteral("Error"), QStringLiteral("Can't save the settings file."),
                      saved.reason());
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(QStringLiteral("Save communication log…"), this, &MainWindow::saveCommLog)
        ->setObjectName(QStringLiteral("MenuSaveCommLog"));
    help->addSeparator();
    help->addAction(QStringLiteral("Version(&V)"), this, &MainWindow::showVersion);

    m_menus = {file, port, speed, comm, help, nullptr}; // Edit follows with the pages
}

} // namespace r36::ui
