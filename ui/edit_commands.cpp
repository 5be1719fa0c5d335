#include "edit_commands.h"

#include "edit_reports.h"
#include "find_bar.h"
#include "memory_grid.h"
#include "memory_list_model.h"

#include "image/memory_areas.h"
#include "session/memory_clipboard.h"
#include "session/failure_text.h"
#include "session/session.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

#include <algorithm>

namespace r36::ui {

EditCommands::EditCommands(session::Session& session, MemoryGrid& grid, FindBar& find,
                           QStatusBar& status, QWidget* window)
    : QObject(window), m_session(session), m_grid(grid), m_status(status) {
    m_menu = new QMenu(tr("Edit(&E)"), window);
    m_menu->setObjectName(QStringLiteral("MenuEdit"));

    // The stack names the step ("Undo Paste"); the session decides whether it may run now.
    QUndoStack& stack = session.undoStack();
    QAction* undo = stack.createUndoAction(this, tr("Undo"));
    QAction* redo = stack.createRedoAction(this, tr("Redo"));
    disconnect(undo, &QAction::triggered, &stack, nullptr);
    disconnect(redo, &QAction::triggered, &stack, nullptr);
    // Say what was undone, so the report of the step just taken back does not linger.
    connect(undo, &QAction::triggered, this, [this, &stack] {
        const QString what = stack.undoText();
        const int before = stack.index();
        m_session.undo();
        if (stack.index() != before)
            m_status.showMessage(tr("Undone: %1 — Ctrl+Y redoes").arg(what));
    });
    connect(redo, &QAction::triggered, this, [this, &stack] {
        const QString what = stack.redoText();
        const int before = stack.index();
        m_session.redo();
        if (stack.index() != before)
            m_status.showMessage(tr("Redone: %1").arg(what));
    });
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

    m_menu->addSeparator();
    connect(addAction(tr("Cu&t"), QStringLiteral("MenuCut"), QKeySequence::Cut, &grid),
            &QAction::triggered, this, &EditCommands::cut);
    connect(addAction(tr("&Copy"), QStringLiteral("MenuCopy"), QKeySequence::Copy, &grid),
            &QAction::triggered, this, &EditCommands::copy);
    connect(addAction(tr("&Paste"), QStringLiteral("MenuPaste"), QKeySequence::Paste, &grid),
            &QAction::triggered, this, &EditCommands::paste);
    m_menu->addSeparator();
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    grid.addAction(separator);
    connect(addAction(tr("Insert empty memory"), QStringLiteral("MenuInsertMemory"),
                      QKeySequence(Qt::Key_Insert), &grid),
            &QAction::triggered, this, &EditCommands::insertEmpty);
    connect(addAction(tr("Delete memory"), QStringLiteral("MenuDeleteMemory"),
                      QKeySequence(Qt::CTRL | Qt::Key_Delete), &grid),
            &QAction::triggered, this, &EditCommands::deleteMemory);
    connect(addAction(tr("Move up"), QStringLiteral("MenuMoveUp"),
                      QKeySequence(Qt::ALT | Qt::Key_Up), &grid),
            &QAction::triggered, this, [this] { move(-1); });
    connect(addAction(tr("Move down"), QStringLiteral("MenuMoveDown"),
                      QKeySequence(Qt::ALT | Qt::Key_Down), &grid),
            &QAction::triggered, this, [this] { move(+1); });
    connect(&grid, &MemoryGrid::moveRequested, this, &EditCommands::moveRows);
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);

    // Find works from the list and from the bar itself: both are on the memory page.
    m_menu->addSeparator();
    QWidget* page = find.parentWidget();
    connect(addAction(tr("&Find"), QStringLiteral("MenuFind"), QKeySequence::Find, page),
            &QAction::triggered, &find, &FindBar::open);
    connect(
        addAction(tr("Find next"), QStringLiteral("MenuFindNext"), QKeySequence(Qt::Key_F3), page),
        &QAction::triggered, &find, [&find] { find.findNext(+1); });
    connect(addAction(tr("Find previous"), QStringLiteral("MenuFindPrevious"),
                      QKeySequence(Qt::SHIFT | Qt::Key_F3), page),
            &QAction::triggered, &find, [&find] { find.findNext(-1); });
    connect(&find, &FindBar::statusMessage, this,
            [this](const QString& text) { m_status.showMessage(text); });
}

QAction* EditCommands::addAction(const QString& text, const QString& name, QKeySequence keys,
                                 QWidget* target) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    target->addAction(action);
    m_menu->addAction(action);
    return action;
}

void EditCommands::selectMemories(int first, int last, int current) {
    QAbstractItemModel* model = m_grid.model();
    m_grid.setCurrentIndex(model->index(current, m_grid.currentIndex().column()));
    m_grid.selectionModel()->select(QItemSelection(model->index(first, 0), model->index(last, 0)),
                                    QItemSelectionModel::ClearAndSelect |
                                        QItemSelectionModel::Rows);
}

bool EditCommands::report(const Outcome& outcome) {
    if (!outcome)
        m_status.showMessage(session::failureText(outcome.why()));
    return outcome.ok();
}

bool EditCommands::refusedByFilter(int first, int last) {
    if (m_grid.hiddenRowsIn(first, last) == 0)
        return false;
    m_status.showMessage(tr("Nothing moved: memories %1 would move, and the filter hides some "
                            "of them; close the filter (Escape) first")
                             .arg(m_session.labelRange(first, last)));
    return true;
}

void EditCommands::insertEmpty() {
    const int memory = m_grid.currentMemory();
    if (memory >= 0 &&
        !refusedByFilter(memory, image::memoryGroup(m_session.image().bankTable, memory).second))
        report(m_session.insertEmptyMemory(memory));
}

void EditCommands::deleteMemory() {
    const int memory = m_grid.currentMemory();
    if (memory < 0 ||
        refusedByFilter(memory, image::memoryGroup(m_session.image().bankTable, memory).second))
        return;
    if (report(m_session.deleteMemory(memory)))
        m_status.showMessage(EditReports::deleted(m_session, memory));
}

void EditCommands::move(int direction) {
    const auto [first, last] = m_grid.selectedRange();
    if (first < 0 ||
        refusedByFilter(std::min(first, first + direction), std::max(last, last + direction)))
        return;
    if (first == last && report(m_session.moveMemory(first, direction)))
        selectMemories(first + direction, first + direction, first + direction);
    else if (first != last)
        moveBlock(first, last, first + direction);
}

void EditCommands::moveRows(int first, int last, int target) {
    // Dropped below the rows, they end at the target row; above, they start there.
    if (refusedByFilter(std::min(first, target), std::max(last, target)))
        return;
    if (target > last)
        moveBlock(first, last, target - (last - first));
    else if (target < first)
        moveBlock(first, last, target);
}

void EditCommands::moveBlock(int first, int last, int target) {
    const int current = std::clamp(m_grid.currentMemory(), first, last);
    if (report(m_session.moveMemories(first, last, target)))
        selectMemories(target, target + last - first, target + current - first);
}

void EditCommands::copy() {
    const std::vector<int> shown = m_grid.shownSelection();
    if (shown.empty())
        return;
    QGuiApplication::clipboard()->setMimeData(session::copiedMemories(m_session, shown));
    m_status.showMessage(tr("%1 copied from %2")
                             .arg(EditReports::memories(static_cast<int>(shown.size())),
                                  m_session.labelRange(shown.front(), shown.back())) +
                         EditReports::leftHidden(m_grid.hiddenSelected()));
}

void EditCommands::cut() {
    const std::vector<int> shown = m_grid.shownSelection();
    if (shown.empty())
        return;
    const QString hidden = EditReports::leftHidden(m_grid.hiddenSelected());
    copy();
    int inUse = 0;
    for (const int memory : shown)
        inUse += m_session.memoriesInUse(memory, memory);
    m_session.clearMemorySet(shown);
    m_status.showMessage(EditReports::cleared(m_session, shown.front(), shown.back(), inUse) +
                         hidden);
}

void EditCommands::paste() {
    const int first = m_grid.currentMemory();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (first < 0 || !data)
        return;
    const session::PastedRows rows = session::pastedMemories(*data, first);
    if (!rows.ok()) {
        m_status.showMessage(
            tr("Nothing pasted: %1").arg(session::failureText(rows.problem.why())));
        return;
    }
    const int last = first + static_cast<int>(rows.records.size()) - 1;
    // Pasted rows fill memories side by side; none of them may be one the user cannot see.
    if (const int hidden = m_grid.hiddenRowsIn(first, last); hidden > 0) {
        m_status.showMessage(
            tr("Nothing pasted: the %1 from %2 include %n rows hidden by the "
               "filter; close the filter (Escape) to paste over them",
               "", hidden)
                .arg(EditReports::memories(last - first + 1), m_session.labelRange(first, last)));
        return;
    }
    const int replaced = m_session.memoriesInUse(first, last);
    if (!m_session.setMemories(first, rows.records, tr("Paste")))
        return;
    selectMemories(first, last, first);
    m_status.showMessage(EditReports::pasted(m_session, first, last, replaced));
}

} // namespace r36::ui
