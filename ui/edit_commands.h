#pragma once

#include "image/outcome.h"

#include <QKeySequence>
#include <QObject>

class QAction;
class QMenu;
class QStatusBar;
class QWidget;

namespace r36::session {
class Session;
}

namespace r36::ui {

class FindBar;
class MemoryGrid;

/// The Edit menu and the memory list's own commands: undo and redo of the session's history,
/// copy, cut and paste of memory rows, inserting, deleting and moving memories, and Find.
/// Every command goes to the session; a refusal's reason goes to the status bar.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(session::Session& session, MemoryGrid& grid, FindBar& find, QStatusBar& status,
                 QWidget* window);

    /// "Edit(&E)", for the menu bar; the busy state disables it with the other menus.
    QMenu* menu() const { return m_menu; }

private:
    QAction* addAction(const QString& text, const QString& name, QKeySequence keys,
                       QWidget* target);
    void copy();
    void cut();
    void paste();
    /// Shows a refusal's reason; true when the command was done.
    bool report(const Outcome& outcome);
    /// True, saying why, when the filter hides one of memories first..last that a move,
    /// insertion or deletion would shift.
    bool refusedByFilter(int first, int last);
    void insertEmpty();
    void deleteMemory();
    void move(int direction);
    void moveRows(int first, int last, int target);
    void moveBlock(int first, int last, int target);
    /// Selects memories first..last, the current row on `current`.
    void selectMemories(int first, int last, int current);

    session::Session& m_session;
    MemoryGrid& m_grid;
    QStatusBar& m_status;
    QMenu* m_menu = nullptr;
};

} // namespace r36::ui
