// The File menu's commands: the session does the work, the window asks for the file names and
// shows what went wrong, what was saved where, and keeps the recent files and the last folder.

#include "main_window.h"

#include "memory_grid.h"
#include "memory_page.h"
#include "transfer_bar.h"
#include "user_dialogs.h"
#include "window_commands.h"
#include "window_state.h"

#include "session/chirp_lists.h"
#include "session/failure_text.h"
#include "session/file_names.h"
#include "session/file_problems.h"
#include "session/session.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>

namespace r36::ui {

namespace {
// Asked for when a dialog opens, not at start-up, so that the installed translation applies.
QString cloneFilter() {
    return MainWindow::tr("R36 Files (*.R36);;All Files (*.*)");
}
QString csvFilter() {
    return MainWindow::tr("csv Files (*.csv);;All Files (*.*)");
}
QString logFilter() {
    return MainWindow::tr("Log Files (*.log *.txt);;All Files (*.*)");
}
} // namespace

void MainWindow::openFile(const QString& path) {
    if (session::isCsvName(path))
        importCsvPath(path);
    else
        openClonePath(path);
}

QString MainWindow::askOpenName(const QString& filter) {
    const QString path = m_dialogs->openFileName(this, filter, m_windowState->dialogFolder());
    if (!path.isEmpty())
        m_windowState->rememberFolderOf(path);
    return path;
}

QString MainWindow::askSaveName(const QString& filter, const QString& suffix,
                                const QString& proposed) {
    const QString typed = m_dialogs->saveFileName(
        this, filter, proposed.isEmpty() ? m_windowState->dialogFolder() : proposed);
    if (typed.isEmpty())
        return {};
    m_windowState->rememberFolderOf(typed);
    const QString path = session::withDefaultSuffix(typed, suffix);
    // The dialog asked about the name as typed; with its extension it may name another file.
    if (path != typed && QFileInfo::exists(path) &&
        !m_dialogs->askOkCancel(
            this, UserDialogs::Icon::Warning, tr("Caution"),
            tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path))))
        return {};
    return path;
}

void MainWindow::openCloneFile() {
    if (const QString path = askOpenName(cloneFilter()); !path.isEmpty())
        openClonePath(path);
}

bool MainWindow::openClonePath(const QString& path, bool asRestore) {
    // Opening starts a new history: the edits made so far could not be undone afterwards.
    if (!unsavedChangesSettled(
            tr("The changes were neither saved to a file nor written to the receiver. Save them "
               "before opening %1?")
                .arg(QFileInfo(path).fileName())))
        return false;
    const session::Session::OpenReport report =
        asRestore ? m_session->restoreBackup(path) : m_session->open(path);
    if (!report.outcome) {
        m_dialogs->message(
            this, UserDialogs::Icon::Critical, tr("Error"), tr("Can't open the file."),
            report.notCloneName
                ? tr("%1: the name does not end in .R36").arg(QDir::toNativeSeparators(path))
                : session::failureText(report.outcome.why()));
        return false;
    }
    if (report.settingsOnly)
        return true;
    if (!asRestore) // a backup opened again from the recent files would be saved over
        fileTaken(path);
    if (report.clean())
        return true;
    // Loaded all the same, as it always was; the difference before a write shows what sending
    // it would change.
    const QString text =
        report.complete()
            ? tr("%1 lines of the file were skipped.")
                  .arg(report.skipped.size() + report.unknown.size())
            : tr("The file is incomplete: the blocks it lacks kept the values they had, and the "
                 "memories it lacks are empty. Look at the difference before writing it to the "
                 "receiver.");
    m_dialogs->message(this, UserDialogs::Icon::Warning, tr("Caution"), text,
                       session::cloneFileProblems(report).join(QLatin1Char('\n')));
    return true;
}

bool MainWindow::saveCloneFile() {
    const QString current = m_session->savePath();
    return current.isEmpty() ? saveCloneFileAs() : saveCloneTo(current);
}

bool MainWindow::saveCloneFileAs() {
    const QString path = askSaveName(cloneFilter(), QStringLiteral("R36"), m_session->savePath());
    return !path.isEmpty() && saveCloneTo(path);
}

bool MainWindow::saveCloneTo(const QString& path) {
    if (const Outcome saved = m_session->save(path); !saved) {
        showError(tr("Error"), tr("Can't save the file."), saved.why());
        return false;
    }
    if (path != m_session->settingsFilePath())
        fileTaken(path);
    statusBar()->showMessage(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::showRecentFiles() {
    m_recentMenu->clear();
    const QStringList recent = m_windowState->recentFiles();
    for (int k = 0; k < recent.size(); ++k) {
        const QString path = recent[k];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&")); // not an access key
        m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown), this,
                                [this, path] { openFile(path); });
    }
    m_commands->showState(); // Recent Files is open only with files in it
}

void MainWindow::importCsvFile() {
    if (const QString path = askOpenName(csvFilter()); !path.isEmpty())
        importCsvPath(path);
}

void MainWindow::importCsvPath(const QString& path) {
    if (session::isChirpFile(path)) { // a list from elsewhere is added, not a replacement
        importChirpPath(path);
        return;
    }
    const Outcome imported = m_session->importCsv(path);
    if (!imported) {
        // Nothing of a failed import is applied: the image, the grid and the title stay.
        const Failure& why = imported.why();
        const int errorLine = why.line;
        const QString text =
            errorLine > 0 ? tr("Error at line%1").arg(errorLine) : tr("Can't open the file.");
        // A file refused for its name has nothing to add to the title.
        m_dialogs->message(this, UserDialogs::Icon::Critical, tr("Error"), text,
                           why.kind == FailureKind::WrongFileName ? QString()
                                                                  : session::failureText(why));
        return;
    }
    fileTaken(path);
}

void MainWindow::fileTaken(const QString& path) {
    // Named on the command line or in the recent files, its folder is where the user works.
    m_windowState->rememberFolderOf(path);
    m_windowState->addRecentFile(path);
}

void MainWindow::exportCsvFile() {
    const QString path = askSaveName(csvFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const Outcome exported = m_session->exportCsv(
        path, [this](int row) { m_transferBar->showRows(row, image::kUserMemoryCount); });
    m_transferBar->transferEnded();
    if (!exported)
        showError(tr("Error"), tr("Can't write the file."), exported.why());
}

void MainWindow::saveCommLog() {
    const QString path = askSaveName(logFilter(), QStringLiteral("log"));
    if (path.isEmpty())
        return;
    if (const Outcome saved = m_session->receiver().saveCommLog(path); !saved)
        showError(tr("Error"), tr("Can't save the communication log."), saved.why());
}

} // namespace r36::ui
