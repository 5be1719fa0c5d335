#pragma once

#include "session/chirp_lists.h"
#include "session/import_placement.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace r36::session {
class Session;
}

namespace r36::ui {

class ChirpPreviewModel;

/// `frmChirpImport`: a CHIRP list before anything changes. The rows as they will become memories
/// (`grdPreview`), what of each line is not carried and why (`lstNotes`), where they go
/// (`optFreeMemories`: the free memories of the current memory's bank or area;
/// `optFromMemory`: one after the other from the current memory) and why they cannot go there
/// (`lblPlacement`). `cmdImport` places them through the session as one undo step.
class ChirpImportDialog : public QDialog {
    Q_OBJECT
public:
    /// `imported` must outlive the dialog; `memory` is the current memory (0..1699).
    ChirpImportDialog(session::Session& session, const session::ChirpImport& imported,
                      const QString& fileName, int memory, QWidget* parent = nullptr);

    /// After Import: where the lines went.
    const session::ImportPlacement& placement() const { return m_placement; }

private:
    session::ImportPlacement::Where where() const;
    void showPlacement();
    void importLines();

    session::Session& m_session;
    int m_memory;
    std::vector<std::string> m_records;
    session::ImportPlacement m_placement;
    ChirpPreviewModel* m_model = nullptr;
    QRadioButton* m_freeMemories = nullptr;
    QLabel* m_placementText = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace r36::ui
