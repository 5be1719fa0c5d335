#pragma once

#include "session/backups.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;

namespace r36::ui {

/// `frmBackups`: the backups of the receiver, newest first. One selected backup can be compared
/// with the document or restored as the document; two selected are compared with each other.
/// exec() returns the command chosen (or Rejected for Close).
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    enum Command { Compare = 2, Restore = 3 };

    BackupsDialog(std::vector<session::BackupEntry> backups, QWidget* parent = nullptr);

    /// The selected backups, newest first.
    std::vector<session::BackupEntry> selected() const;
    /// Selects the backups at `rows` (tests and the keyboard's selection do the same).
    void select(const std::vector<int>& rows);

private:
    void showChoices();

    std::vector<session::BackupEntry> m_backups;
    QListWidget* m_list = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace r36::ui
