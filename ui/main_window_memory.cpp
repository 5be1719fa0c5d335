// The Memory page's commands on the selected memories and its dialogs, the keys that turn the
// pages, and what the window says while the partition cannot be used.

#include "main_window.h"

#include "link_dialog.h"
#include "memory_detail_dialog.h"
#include "memory_grid.h"
#include "memory_page.h"
#include "partition_editor.h"
#include "user_dialogs.h"

#include "session/session.h"

#include <QItemSelectionModel>
#include <QKeySequence>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>

namespace r36::ui {

void MainWindow::wireMemoryPageHints() {
    // The window opens in the grid on the first memory, selected: the keys work from the start.
    MemoryGrid* grid = m_memoryPage->grid();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    grid->setFocus();
    // Ctrl+Tab and Ctrl+PgDown turn to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the
    // previous one, through the same guard as a click on the tab.
    const auto turnPages = [this](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this,
                [this, step] { m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + 2) % 2); });
    };
    turnPages({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab or as Tab with Shift, depending on the keyboard map.
    turnPages({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
               QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
              -1);
    connect(m_session.get(), &session::Session::partitionChanged, this, [this] {
        const QString problem = partitionProblem(*m_session);
        if (!problem.isEmpty())
            statusBar()->showMessage(problem);
        else if (statusBar()->currentMessage().startsWith(partitionProblemLead()))
            statusBar()->clearMessage();
    });
}

void MainWindow::startSelected(bool write) {
    const auto [first, last] = m_memoryPage->grid()->selectedRange();
    if (first < 0)
        return askForSelection();
    if (write)
        startWrite(static_cast<int>(session::Transfer::WriteSelected), first, last);
    else
        m_session->startTransfer(session::Transfer::ReadSelected, first, last);
}

void MainWindow::clearSelected() {
    const auto [first, last] = m_memoryPage->grid()->selectedRange();
    if (first < 0)
        return askForSelection();
    // Rows selected here and there (the duplicates): each of them, still one step.
    if (const QModelIndexList rows = m_memoryPage->grid()->selectionModel()->selectedRows();
        rows.size() > 1 && rows.size() != last - first + 1) {
        std::vector<int> memories;
        for (const QModelIndex& row : rows)
            memories.push_back(row.row());
        m_session->clearMemorySet(memories);
    } else {
        m_session->clearMemories(first, last);
    }
    m_memoryPage->grid()->setFocus();
}

void MainWindow::askForSelection() {
    m_dialogs->message(this, UserDialogs::Icon::Information, tr("Caution"),
                       tr("Select the memories first"));
    m_memoryPage->grid()->setFocus();
}

void MainWindow::openMemoryEditor(int memory) {
    if (m_session->transferRunning() || memory < 0 || memory > image::lastStoredMemory)
        return;
    MemoryDetailDialog dialog(*m_session, memory, *m_dialogs, this);
    runDialog(dialog);
    m_memoryPage->grid()->setFocus();
}

void MainWindow::openLinkDialog(bool bankLink) {
    // Bank links need a valid partition to know which banks exist.
    if (bankLink && !m_session->partitionValid()) {
        statusBar()->showMessage(partitionProblem(*m_session));
        m_memoryPage->grid()->setFocus();
        return;
    }
    LinkDialog dialog(bankLink ? LinkDialog::Kind::BankLink : LinkDialog::Kind::ProgramScanLink,
                      *m_session, this);
    runDialog(dialog);
    m_memoryPage->grid()->setFocus();
}

} // namespace r36::ui
