#pragma once

#include "image/link_table.h"

#include <QDialog>

#include <memory>

namespace r36::session {
class Session;
}

namespace r36::ui {

/// "BANK-LINK Setting" (ten groups over banks) and "PS LINK Setting" (nine groups over
/// program-scan pairs): one dialog, two configurations, over the session's table (the rules are
/// image::LinkTable's). OK stores every entry; Clear zeroes the table at once; any other way of
/// closing stores nothing. Children keep the design's names: the grid "ltc" (a
/// QTableView; a click or Space toggles a cell), the buttons "cmdOK" and "cmdInit".
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    using Kind = image::LinkKind;

    LinkDialog(Kind kind, session::Session& session, QWidget* parent = nullptr);
    ~LinkDialog() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
