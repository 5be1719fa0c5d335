// The Memory page's commands on the selected memories and its dialogs, the keys that turn the
// pages, and what the window says while the partition cannot be used.

#include "main_window.h"

#include "edit_reports.h"
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

namespace {

/// How a partition that is whole again treats the channels; none: cancelled.
std::optional<session::Session::CountsChange> askBankMove(MainWindow* window, UserDialogs& dialogs,
                                                          const session::Session& session,
                                                          const image::BankMove& move) {
    using CountsChange = session::Session::CountsChange;
    const QString relabelled =
        MainWindow::tr("With only the counts changed, %1 would move to another "
                       "label, as they would on the receiver after Bank Write.")
            .arg(EditReports::channels(move.relabelled));
    QString text;
    QStringList buttons;
    if (!move.refusal) {
        text = MainWindow::tr("The new counts move the borders between the banks. Move each bank's "
                              "memories with it, so that every channel stays in its bank?") +
               QStringLiteral("\n\n") + relabelled;
        buttons << MainWindow::tr("Move the channels with their banks");
    } else if (move.refusal->kind == image::BankMoveRefusal::Kind::Shrinks) {
        text = MainWindow::tr(
                   "The channels cannot move with their banks: Bank%1 holds a channel at %2; it "
                   "cannot shrink to %3.")
                   .arg(move.refusal->bank, 2, 10, QLatin1Char('0'))
                   .arg(QString::fromStdString(
                       image::bankLabel(move.refusal->bank, move.refusal->position)))
                   .arg(move.refusal->newCount) +
               QStringLiteral("\n\n") + relabelled;
    } else {
        text = MainWindow::tr(
                   "The channels cannot move with their banks: %1 holds a channel but lies in "
                   "no bank of the old counts.")
                   .arg(session.labelRange(move.refusal->memory, move.refusal->memory)) +
               QStringLiteral("\n\n") + relabelled;
    }
    buttons << MainWindow::tr("Only change the counts") << MainWindow::tr("Cancel");
    const int chosen = dialogs.choose(
        window,
        {QStringLiteral("frmBankMove"), MainWindow::tr("Bank partition"), text, {}, buttons});
    if (chosen < 0 || chosen == buttons.size() - 1)
        return std::nullopt;
    return chosen == 0 && !move.refusal ? CountsChange::MoveChannels : CountsChange::OnlyCounts;
}

} // namespace

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
    PartitionEditor* partition = m_memoryPage->partitionEditor();
    partition->setMoveQuestion([this](const image::BankMove& move) {
        return askBankMove(this, *m_dialogs, *m_session, move);
    });
    connect(partition, &PartitionEditor::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    // Any other message, or none, replaces the problem; only the problem itself is cleared.
    connect(statusBar(), &QStatusBar::messageChanged, this,
            [this] { m_partitionProblemShown = false; });
    connect(m_session.get(), &session::Session::partitionChanged, this, [this] {
        if (!m_session->partitionValid())
            showPartitionProblem();
        else if (m_partitionProblemShown)
            statusBar()->clearMessage();
    });
}

void MainWindow::startSelected(bool write) {
    MemoryGrid* grid = m_memoryPage->grid();
    const std::vector<int> shown = grid->shownSelection();
    if (shown.empty())
        return askForSelection();
    // A transfer takes memories side by side: rows the filter hides between them would be
    // read over or written too.
    if (grid->hiddenRowsIn(shown.front(), shown.back()) > 0) {
        statusBar()->showMessage(
            tr("Nothing transferred: the filter hides rows among the selected memories %1; "
               "select shown rows side by side, or close the filter (Escape)")
                .arg(m_session->labelRange(shown.front(), shown.back())));
        return;
    }
    const int hidden = grid->hiddenSelected();
    if (write)
        startWrite(static_cast<int>(session::Transfer::WriteSelected), shown.front(), shown.back());
    else
        m_session->receiver().startTransfer(session::Transfer::ReadSelected, shown.front(),
                                            shown.back());
    if (hidden > 0)
        statusBar()->showMessage(m_session->labelRange(shown.front(), shown.back()) +
                                 EditReports::leftHidden(hidden));
}

void MainWindow::clearSelected() {
    MemoryGrid* grid = m_memoryPage->grid();
    const auto [first, last] = grid->selectedRange();
    const std::vector<int> memories = grid->shownSelection();
    if (first < 0 || memories.empty())
        return askForSelection();
    const QString hidden = EditReports::leftHidden(grid->hiddenSelected());
    // Rows selected here and there (the duplicates, or a range across hidden rows): each of
    // the shown ones, still one step.
    if (static_cast<int>(memories.size()) != last - first + 1) {
        int inUse = 0;
        for (const int memory : memories)
            inUse += m_session->memoriesInUse(memory, memory);
        m_session->clearMemorySet(memories);
        statusBar()->showMessage(
            EditReports::cleared(*m_session, memories.front(), memories.back(), inUse) + hidden);
    } else {
        const int inUse = m_session->memoriesInUse(first, last);
        m_session->clearMemories(first, last);
        statusBar()->showMessage(EditReports::cleared(*m_session, first, last, inUse));
    }
    grid->setFocus();
}

void MainWindow::clearAll() {
    const int inUse = m_session->memoriesInUse(0, image::lastStoredMemory);
    const int chosen =
        m_dialogs->choose(this, {QStringLiteral("frmClearAll"),
                                 tr("Caution"),
                                 tr("Clear all %1 memories? %2 of them hold a channel.")
                                     .arg(image::lastStoredMemory + 1)
                                     .arg(inUse),
                                 {},
                                 {tr("Cancel"), tr("Clear all memories")}});
    if (chosen == 1) {
        m_session->clearMemories(0, image::lastStoredMemory);
        statusBar()->showMessage(
            EditReports::cleared(*m_session, 0, image::lastStoredMemory, inUse));
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

void MainWindow::showPartitionProblem() {
    statusBar()->showMessage(partitionProblem(*m_session));
    m_partitionProblemShown = true;
}

void MainWindow::openLinkDialog(bool bankLink) {
    // Bank links need a valid partition to know which banks exist.
    if (bankLink && !m_session->partitionValid()) {
        showPartitionProblem();
        m_memoryPage->grid()->setFocus();
        return;
    }
    LinkDialog dialog(bankLink ? LinkDialog::Kind::BankLink : LinkDialog::Kind::ProgramScanLink,
                      *m_session, this);
    runDialog(dialog);
    m_memoryPage->grid()->setFocus();
}

} // namespace r36::ui
