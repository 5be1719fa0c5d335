#include "window_commands.h"

#include "session/session.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

namespace r36::ui {

namespace {

using Command = WindowCommands::Command;

/// When a command may run.
enum class When {
    Idle,         // no transfer runs: Ctrl+O or Ctrl+S amid one would replace or save the
                  // image it is changing
    IdleAndWhole, // idle, and the bank counts total 1000 (Bank Write sends them)
    Always,       // Quit (closing stops a transfer first) and Help
};

struct Row {
    Command command;
    const char* objectName; // kept: tests and the accessibility trial find them by it
    When when;
};

constexpr std::array<Row, WindowCommands::kCommandCount> kCommands = {{
    {Command::Open, "MenuFileOpen", When::Idle},
    {Command::OpenBeside, "MenuOpenBeside", When::Idle},
    {Command::Save, "MenuFileSave", When::Idle},
    {Command::ImportCsv, "MenuImportCsv", When::Idle},
    {Command::ImportChirp, "MenuImportChirp", When::Idle},
    {Command::ExportCsv, "MenuExportCsv", When::Idle},
    {Command::ExportChirp, "MenuExportChirp", When::Idle},
    {Command::Backups, "MenuBackups", When::Idle},
    {Command::SaveAs, "MenuFileSaveAs", When::Idle},
    {Command::Quit, "MenuQuit", When::Always},
    {Command::WriteAll, "MenuWriteAll", When::Idle},
    {Command::ReadAll, "", When::Idle},
    {Command::WriteChanges, "MenuWriteChanges", When::Idle},
    {Command::ClearAll, "", When::Idle},
    {Command::ClearSelected, "", When::Idle},
    {Command::ReadSelected, "", When::Idle},
    {Command::WriteSelected, "", When::Idle},
    {Command::BankLink, "", When::Idle},
    {Command::PsLink, "", When::Idle},
    {Command::BankRead, "", When::Idle},
    {Command::BankWrite, "", When::IdleAndWhole},
    {Command::ResetPartition, "", When::Idle},
    {Command::ReadThisPage, "", When::Idle},
    {Command::WriteThisPage, "", When::Idle},
    {Command::SaveCommLog, "MenuSaveCommLog", When::Always},
    {Command::Version, "", When::Always},
    {Command::UserGuide, "MenuUserGuide", When::Always},
}};

} // namespace

WindowCommands::WindowCommands(const session::Session& session, QWidget* window)
    : QObject(window), m_session(session) {
    for (const Row& row : kCommands) {
        Q_ASSERT(m_actions[static_cast<std::size_t>(row.command)] == nullptr); // one row each
        auto* action = new QAction(window);
        action->setObjectName(QString::fromLatin1(row.objectName));
        m_actions[static_cast<std::size_t>(row.command)] = action;
    }
    connect(&session, &session::Session::partitionChanged, this, &WindowCommands::showState);
}

void WindowCommands::drive(QAbstractButton& button, Command command) {
    QAction* act = action(command);
    if (act->text().isEmpty())
        act->setText(button.text());
    connect(&button, &QAbstractButton::clicked, act, &QAction::trigger);
    connect(act, &QAction::enabledChanged, &button, &QWidget::setEnabled);
    button.setEnabled(act->isEnabled());
}

void WindowCommands::setMenus(std::vector<QMenu*> menus, QMenu* recentFiles) {
    m_menus = std::move(menus);
    m_recentFiles = recentFiles;
    showState();
}

void WindowCommands::showState() {
    const bool idle = !m_session.transferRunning();
    for (const Row& row : kCommands) {
        bool enabled = true;
        if (row.when == When::Idle)
            enabled = idle;
        else if (row.when == When::IdleAndWhole)
            enabled = idle && m_session.partitionValid();
        action(row.command)->setEnabled(enabled);
    }
    // A disabled menu does not stop its items' keys: those are the actions above.
    for (QMenu* menu : m_menus)
        menu->menuAction()->setEnabled(idle);
    if (m_recentFiles)
        m_recentFiles->menuAction()->setEnabled(idle && !m_recentFiles->isEmpty());
}

} // namespace r36::ui
