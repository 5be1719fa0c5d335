#include "edit_commands.h"

#include "memory_grid.h"
#include "memory_list_model.h"

#include "session/session.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

namespace r36::ui {

EditCommands::EditCommands(session::Session& session, MemoryGrid& grid, QStatusBar& status,
                           QWidget* window)
    : QObject(window), m_session(session), m_grid(grid), m_status(status) {
    m_menu = new QMenu(QStringLiteral("Edit(&E)"), window);
    m_menu->setObjectName(QStringLiteral("MenuEdit"));

    // The stack names the step ("Undo Paste"); the session decides whether it may run now.
    QUndoStack& stack = session.undoStack();
    QAction* undo = stack.createUndoAction(this, QStringLiteral("Undo"));
    QAction* redo = stack.createRedoAction(this, QStringLiteral("Redo"));
    disconnect(undo, &QAction::triggered, &stack, nullptr);
    disconnect(redo, &QAction::triggered, &stack, nullptr);
    connect(undo, &QAction::triggered, &session, &session::Session::undo);
    connect(redo, &QAction::triggered, &session, &session::Session::redo);
    undo->setObjectName(QStringLiteral("MenuUndo"));
    redo->setObjectName(QStringLiteral("MenuRedo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_menu->addAction(undo);
    m_menu->addAction(redo);
    window->addAction(undo);
    window->addAction(redo);

    connect(static_cast<MemoryListModel*>(grid.model()), &MemoryListModel::editRefused, this,
            [this](const QString& reason) { m_status.showMessage(reason); });
}

QAction* EditCommands::addAction(const QString& text, const QString& name, QWidget* target) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    target->addAction(action);
    m_menu->addAction(action);
    return action;
}

} // namespace r36::ui
