#include "backups_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace r36::ui {

BackupsDialog::BackupsDialog(std::vector<session::BackupEntry> backups, QWidget* parent)
    : QDialog(parent), m_backups(std::move(backups)) {
    setObjectName(QStringLiteral("frmBackups"));
    setWindowTitle(tr("Backups"));
    auto* text =
        new QLabel(m_backups.empty() ? tr("No backup yet: every Read all leaves one.")
                                     : tr("Backups of the receiver, newest first. Select one to "
                                          "compare with the document or to restore; select two to "
                                          "compare them."),
                   this);
    text->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstBackups"));
    m_list->setAccessibleName(tr("Backups"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    text->setBuddy(m_list);
    for (const session::BackupEntry& backup : m_backups)
        m_list->addItem(tr("%1    version %2    %3 memories in use")
                            .arg(backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                            .arg(backup.radioVersion)
                            .arg(backup.memoriesInUse));

    auto* buttons = new QDialogButtonBox(this);
    m_compare = buttons->addButton(tr("Compare"), QDialogButtonBox::ActionRole);
    m_compare->setObjectName(QStringLiteral("cmdCompareBackups"));
    m_restore = buttons->addButton(tr("Restore…"), QDialogButtonBox::ActionRole);
    m_restore->setObjectName(QStringLiteral("cmdRestoreBackup"));
    m_restore->setToolTip(tr("Opens the backup as the document, then shows what writing it "
                             "changes on the receiver"));
    buttons->addButton(QDialogButtonBox::Close);
    connect(m_compare, &QPushButton::clicked, this, [this] { done(Compare); });
    connect(m_restore, &QPushButton::clicked, this, [this] { done(Restore); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &BackupsDialog::showChoices);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(560, 360);
    if (!m_backups.empty())
        m_list->setCurrentRow(0);
    showChoices();
}

std::vector<session::BackupEntry> BackupsDialog::selected() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<session::BackupEntry> chosen;
    for (const int row : rows)
        chosen.push_back(m_backups[static_cast<std::size_t>(row)]);
    return chosen;
}

void BackupsDialog::select(const std::vector<int>& rows) {
    m_list->clearSelection();
    for (const int row : rows)
        m_list->item(row)->setSelected(true);
}

void BackupsDialog::showChoices() {
    const std::size_t count = selected().size();
    m_compare->setEnabled(count == 1 || count == 2);
    m_compare->setText(count == 2 ? tr("Compare the two") : tr("Compare with the document"));
    m_restore->setEnabled(count == 1);
}

} // namespace r36::ui
