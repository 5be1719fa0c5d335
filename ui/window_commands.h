#pragma once

#include <QObject>

#include <array>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;
class QWidget;

namespace r36::session {
class Session;
}

namespace r36::ui {

/// The main window's commands, each one QAction that its menu item, its key and its button
/// share, and the one place that decides which of them may run now: showState() reads the
/// session (a transfer running, the partition whole) and sets every action and menu from it.
class WindowCommands : public QObject {
    Q_OBJECT
public:
    enum class Command {
        // File menu
        Open,
        OpenBeside,
        Save,
        ImportCsv,
        ImportChirp,
        ExportCsv,
        ExportChirp,
        Backups,
        SaveAs,
        Quit,
        // Comm menu
        WriteAll,
        ReadAll,
        WriteChanges,
        // The memory page's buttons and the partition box's
        ClearAll,
        ClearSelected,
        ReadSelected,
        WriteSelected,
        BankLink,
        PsLink,
        BankRead,
        BankWrite,
        ResetPartition,
        // The settings page's buttons
        ReadThisPage,
        WriteThisPage,
        // Help menu
        SaveCommLog,
        Version,
        UserGuide,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::UserGuide) + 1;

    /// The actions belong to `window`, so their keys work wherever its focus is.
    WindowCommands(const session::Session& session, QWidget* window);

    QAction* action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }

    /// `button` runs `command` when clicked and is enabled while the command is; the action
    /// takes the button's text when it has none of its own.
    void drive(QAbstractButton& button, Command command);

    /// Menus the busy state closes (their items' keys are the actions' own); the File menu's
    /// Recent Files is open while there are any and no transfer runs.
    void setMenus(std::vector<QMenu*> menus, QMenu* recentFiles);

    /// Every command's and menu's enabled state from the session's state.
    void showState();

private:
    const session::Session& m_session;
    std::array<QAction*, kCommandCount> m_actions{};
    std::vector<QMenu*> m_menus;
    QMenu* m_recentFiles = nullptr;
};

} // namespace r36::ui
