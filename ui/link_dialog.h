#pragma once

#include "image/clone_image.h"

#include <QDialog>

#include <memory>

namespace r36::ui {

/// "BANK-LINK Setting" (ten groups over banks; empty banks unavailable; last-group flag in the
/// tenth entry) and "PS LINK Setting" (nine groups over program-scan pairs): one dialog, two
/// configurations. OK stores every entry; Clear zeroes the table in the image at once; any other
/// way of closing stores nothing. Children keep the design's names: the grid "ltc" (a
/// QTableView; a click or Space toggles a cell), the buttons "cmdOK" and "cmdInit".
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { BankLink, ProgramScanLink };

    LinkDialog(Kind kind, image::CloneImage& image, QWidget* parent = nullptr);
    ~LinkDialog() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
