// File > Import and Export of CHIRP CSV lists: the preview before anything changes, and after an
// export what CHIRP cannot hold. The files layer reads and writes the lists; the session places
// the lines.

#include "main_window.h"

#include "chirp_import_dialog.h"
#include "memory_grid.h"
#include "memory_page.h"
#include "user_dialogs.h"

#include "session/chirp_lists.h"
#include "session/chirp_texts.h"
#include "session/session.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace r36::ui {

namespace {
QString chirpFilter() {
    return MainWindow::tr("CHIRP CSV Files (*.csv);;All Files (*.*)");
}
} // namespace

void MainWindow::importChirpFile() {
    if (const QString path = askOpenName(chirpFilter()); !path.isEmpty())
        importChirpPath(path);
}

void MainWindow::importChirpPath(const QString& path) {
    const session::ChirpImport imported = session::importChirpCsv(path);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (imported.failure == session::ChirpImport::Failure::Unreadable) {
        showError(tr("Error"), tr("Can't open the file."), imported.reason);
        return;
    }
    if (imported.failure == session::ChirpImport::Failure::NotChirp) {
        m_dialogs->message(this, UserDialogs::Icon::Critical, tr("Error"),
                           tr("%1 is not a CHIRP CSV file.").arg(shownPath),
                           tr("Its first line names no Location and Frequency columns."));
        return;
    }
    MemoryGrid* grid = m_memoryPage->grid();
    ChirpImportDialog dialog(*m_session, imported, QFileInfo(path).fileName(),
                             std::max(grid->currentMemory(), 0), this);
    if (runDialog(dialog) != QDialog::Accepted || dialog.placement().memories.empty())
        return;
    const std::vector<int>& placed = dialog.placement().memories;
    grid->setCurrentIndex(grid->model()->index(placed.front(), 1));
    statusBar()->showMessage(tr("%1 channels imported into %2")
                                 .arg(placed.size())
                                 .arg(m_session->labelRange(placed.front(), placed.back())));
    grid->setFocus();
}

void MainWindow::exportChirpFile() {
    const QString path = askSaveName(chirpFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    std::vector<session::ChirpExportNote> notes;
    const Outcome exported =
        session::exportChirpCsv(path, m_session->image(), m_session->labels(), notes);
    if (!exported) {
        showError(tr("Error"), tr("Can't write the file."), exported.why());
        return;
    }
    statusBar()->showMessage(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    if (notes.empty())
        return;
    QStringList lines;
    for (const session::ChirpExportNote& note : notes)
        lines << session::chirpExportNoteText(note, m_session->image(), m_session->labels());
    m_dialogs->choose(this, {QStringLiteral("frmChirpExportNotes"),
                             tr("Export CHIRP CSV"),
                             tr("%1 was written. CHIRP cannot hold these values of the memories; "
                                "they were written as said:")
                                 .arg(QDir::toNativeSeparators(path)),
                             lines,
                             {tr("OK")}});
}

} // namespace r36::ui
