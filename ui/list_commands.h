#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QDockWidget;
class QListWidget;
class QMainWindow;
class QMenu;
class QStatusBar;

namespace r36::session {
class Session;
}

namespace r36::ui {

class MemoryGrid;
class UserDialogs;

/// The commands on many memories: "Sort…", "Set field…" (and Ctrl+Enter in a cell editor),
/// "Check list" with its panel of findings, and "Select duplicates". The session decides;
/// the status bar says what changed or why nothing did.
class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(session::Session& session, MemoryGrid& grid, QMenu& editMenu, QStatusBar& status,
                 UserDialogs& dialogs, QMainWindow* window);

    /// Column `column` of the grid set to `value` in every selected memory in use.
    void setFieldOfSelection(int column, const QString& value);

protected:
    /// The list's visibility and state switch the keys on and off.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The grid's heading of `column`, the name every command gives that field.
    QString columnCaption(int column) const;
    void sort();
    void setField();
    void checkList();
    /// Fills the panel; returns how many findings there are.
    int showFindings();
    void selectDuplicates();

    session::Session& m_session;
    MemoryGrid& m_grid;
    QStatusBar& m_status;
    UserDialogs& m_dialogs;
    QMainWindow* m_window;
    std::vector<QAction*> m_actions; // their keys work only while the list shows
    QDockWidget* m_panel = nullptr;
    QListWidget* m_findings = nullptr;
    bool m_refreshPending = false;
};

} // namespace r36::ui
