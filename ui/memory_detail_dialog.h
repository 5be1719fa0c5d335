#pragma once

#include <QDialog>

#include <memory>

namespace r36::session {
class Session;
}

namespace r36::ui {

class UserDialogs;

/// "Memory Setting": edits one memory at a time, PREV/NEXT walk to the neighbours and store
/// what is valid. Shows image::fieldsOfRecord and stores image::recordOfFields through the
/// session, which reports every stored memory; nothing is sent to the receiver.
///
/// The controls carry the receiver editor's names as object names ("txtFreqM", "optMode0" ..
/// "optMode2", "chkAutoMode", "cmbTone", "cmdNext", "DETAIL_ENTER", ...).
class MemoryDetailDialog : public QDialog {
    Q_OBJECT
public:
    /// Opens on `curMemory` (0..1699). With a parent, the dialog stands at the parent's left
    /// edge, 1000 twips below its top.
    MemoryDetailDialog(session::Session& session, int curMemory, UserDialogs& dialogs,
                       QWidget* parent = nullptr);
    ~MemoryDetailDialog() override;

    /// The memory shown now (moved by PREV and NEXT).
    int curMemory() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
