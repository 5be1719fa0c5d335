#pragma once

#include <QDialog>

namespace r36::ui {

/// `frmVersion`: "Version", the program's name, version and date, a notice and "OK".
class VersionWindow : public QDialog {
    Q_OBJECT
public:
    explicit VersionWindow(QWidget* parent = nullptr);
};

} // namespace r36::ui
