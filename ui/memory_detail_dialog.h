#pragma once

#include "image/clone_image.h"

#include <QDialog>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace r36::ui {

class UserDialogs;

/// "Memory Setting": edits one memory at a time, PREV/NEXT walk to the neighbours and store
/// what is valid. Changes only the clone image.
///
/// The controls carry the receiver editor's names as object names ("txtFreqM", "optMode0" ..
/// "optMode2", "chkAutoMode", "cmbTone", "cmdNext", "DETAIL_ENTER", ...).
class MemoryDetailDialog : public QDialog {
    Q_OBJECT
public:
    /// Opens on `curMemory` (0..1699). `labels` are the memory list's first-column texts.
    /// With a parent, the dialog stands at the parent's left edge, 1000 twips below its top.
    MemoryDetailDialog(image::CloneImage& image, const std::vector<std::string>& labels,
                       int curMemory, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MemoryDetailDialog() override;

    /// The memory shown now (moved by PREV and NEXT).
    int curMemory() const;
    /// Every memory whose record this dialog stored.
    const std::set<int>& storedMemories() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
