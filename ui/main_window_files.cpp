// The File menu's commands: the session does the work, the window asks for the file names and
// shows what went wrong.

#include "main_window.h"

#include "transfer_bar.h"
#include "user_dialogs.h"

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "link/comm_log.h"
#include "session/file_problems.h"
#include "session/session.h"

#include <QPushButton>
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

void MainWindow::openCloneFile() {
    const QString path = m_dialogs->openFileName(this, cloneFilter());
    if (!path.isEmpty())
        openClonePath(path);
}

void MainWindow::openClonePath(const QString& path) {
    const session::Session::OpenReport report = m_session->open(path);
    if (!report.outcome) {
        showError(tr("Error"), tr("Can't open the file."),
                  report.outcome.reason() == "Can't open the file." ? std::string()
                                                                    : report.outcome.reason());
        return;
    }
    if (!report.settingsOnly)
        findChild<QPushButton*>(QStringLiteral("cmdWriteBank"))->setEnabled(true);
    if (report.settingsOnly || report.clean())
        return;
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
}

void MainWindow::saveCloneFile() {
    const QString path = m_dialogs->saveFileName(this, cloneFilter());
    if (path.isEmpty())
        return;
    if (const Outcome saved = m_session->save(path); !saved)
        showError(tr("Error"), tr("Can't save the file."), saved.reason());
}

void MainWindow::importCsvFile() {
    const QString path = m_dialogs->openFileName(this, csvFilter());
    if (path.isEmpty())
        return;
    int errorLine = 0;
    const Outcome imported = m_session->importCsv(path, &errorLine);
    if (!imported) {
        // Nothing of a failed import is applied: the image, the grid and the title stay.
        const QString text =
            errorLine > 0 ? tr("Error at line%1").arg(errorLine) : tr("Can't open the file.");
        showError(tr("Error"), text,
                  imported.reason() == "Can't open the file." ? std::string() : imported.reason());
    }
}

void MainWindow::exportCsvFile() {
    const QString path = m_dialogs->saveFileName(this, csvFilter());
    if (path.isEmpty())
        return;
    const Outcome exported = m_session->exportCsv(
        path, [this](int row) { m_transferBar->showRows(row, image::kUserMemoryCount); });
    m_transferBar->transferEnded();
    if (!exported)
        showError(tr("Error"), tr("Can't write the file."), exported.reason());
}

void MainWindow::saveCommLog() {
    const QString path = m_dialogs->saveFileName(this, logFilter());
    if (path.isEmpty())
        return;
    if (const Outcome saved = m_session->commLog().save(path); !saved)
        showError(tr("Error"), tr("Can't save the communication log."), saved.reason());
}

} // namespace r36::ui
