// A second file beside the memory list (File > Open beside…), and the backups: compared in the
// same pane, or restored as the document with the difference before writing it.

#include "main_window.h"

#include "backups_dialog.h"
#include "beside_pane.h"
#include "edit_reports.h"
#include "memory_grid.h"
#include "memory_page.h"
#include "user_dialogs.h"

#include "session/backups.h"
#include "session/companion.h"
#include "session/failure_text.h"
#include "session/file_problems.h"
#include "session/session.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTabBar>

namespace r36::ui {

session::Companion& MainWindow::companion() {
    if (!m_companion) {
        m_companion = new session::Companion(*m_session, m_session.get());
        m_beside = new BesidePane(*m_companion, m_memoryPage);
        m_beside->hide();
        m_memoryPage->putBeside(m_beside);
        m_beside->scrollWith(*m_memoryPage->grid());
        connect(m_beside, &BesidePane::closeRequested, this, &MainWindow::closeBeside);
        connect(m_beside, &BesidePane::statusMessage, this,
                [this](const QString& text) { statusBar()->showMessage(text); });
        connect(m_beside, &BesidePane::copyRequested, this, &MainWindow::copyFromBeside);
        connect(m_memoryPage->grid(), &MemoryGrid::copyRequested, this,
                &MainWindow::copyFromBeside);
    }
    return *m_companion;
}

void MainWindow::openBeside() {
    const QString path =
        askOpenName(tr("R36 Files (*.R36);;All Files (*.*)")); // the Open dialog's filter
    if (!path.isEmpty())
        showBeside(companion().open(path), path);
}

template <typename Report> void MainWindow::showBeside(const Report& opened, const QString& path) {
    if (!opened.outcome) {
        m_dialogs->message(
            this, UserDialogs::Icon::Critical, tr("Error"), tr("Can't open the file."),
            opened.notCloneName
                ? tr("%1: the name does not end in .R36").arg(QDir::toNativeSeparators(path))
                : session::failureText(opened.outcome.why()));
        return;
    }
    m_tabs->setCurrentIndex(0); // the pane lies beside the memory list
    m_beside->show();
    m_beside->list()->setFocus();
    if (!opened.clean())
        m_dialogs->message(this, UserDialogs::Icon::Warning, tr("Caution"),
                           tr("%1 lines of the file beside were skipped or are missing.")
                               .arg(session::cloneFileProblems(opened).size()),
                           session::cloneFileProblems(opened).join(QLatin1Char('\n')));
}

void MainWindow::closeBeside() {
    if (!m_beside || !m_beside->isVisible())
        return;
    m_companion->close();
    m_beside->hide();
    m_memoryPage->grid()->setFocus();
}

void MainWindow::copyFromBeside(const std::vector<int>& memories, int target) {
    if (!m_companion || !m_companion->isOpen() || memories.empty())
        return;
    const int last = target + memories.back() - memories.front();
    if (!m_companion->copyToDocument(memories, target)) {
        statusBar()->showMessage(
            tr("Nothing copied: %1 dropped there would run past the last memory")
                .arg(EditReports::memories(static_cast<int>(memories.size()))));
        return;
    }
    statusBar()->showMessage(tr("%1 copied to %2 — Ctrl+Z undoes")
                                 .arg(EditReports::memories(static_cast<int>(memories.size())),
                                      m_session->labelRange(target, last)));
}

void MainWindow::openBackups() {
    BackupsDialog dialog(session::listBackups(m_session->receiver().backupFolder()), this);
    const int command = runDialog(dialog);
    const std::vector<session::BackupEntry> chosen = dialog.selected();
    if (command == BackupsDialog::Compare && chosen.size() == 2)
        showBeside(companion().openCompared(chosen[0].path, chosen[1].path), chosen[0].path);
    else if (command == BackupsDialog::Compare && chosen.size() == 1)
        showBeside(companion().open(chosen[0].path), chosen[0].path);
    else if (command == BackupsDialog::Restore && chosen.size() == 1)
        restoreBackup(chosen[0].path);
}

void MainWindow::restoreBackup(const QString& path) {
    if (!openClonePath(path, true))
        return;
    statusBar()->showMessage(
        tr("%1 restored as the document; Save asks for a name").arg(QFileInfo(path).fileName()));
    // What writing it changes on the receiver, with Write changes as the default.
    startWrite(static_cast<int>(session::Transfer::WriteAll));
}

} // namespace r36::ui
