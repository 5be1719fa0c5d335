#include "chirp_import_dialog.h"

#include "chirp_preview_model.h"
#include "memory_list_model.h"

#include "session/chirp_lists.h"
#include "session/chirp_texts.h"
#include "session/session.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace r36::ui {

using Where = session::ImportPlacement::Where;

ChirpImportDialog::ChirpImportDialog(session::Session& session,
                                     const session::ChirpImport& imported, const QString& fileName,
                                     int memory, QWidget* parent)
    : QDialog(parent), m_session(session), m_memory(memory) {
    setObjectName(QStringLiteral("frmChirpImport"));
    setWindowTitle(tr("Import CHIRP CSV"));
    const std::vector<const session::ChirpLine*> carried =
        session::carriedInLocationOrder(imported);
    for (const session::ChirpLine* line : carried)
        m_records.push_back(line->record);
    const auto total = static_cast<qsizetype>(imported.lines.size());
    const auto taken = static_cast<qsizetype>(carried.size());

    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(tr("%1: %2 lines, %3 can be imported, %4 cannot.")
                                   .arg(fileName, QString::number(total), QString::number(taken),
                                        QString::number(total - taken)),
                               this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    summary->setTextFormat(Qt::PlainText); // a file name is not markup
    layout->addWidget(summary);

    // The names of the places come from the current memory's labels and group.
    const session::ImportPlacement group = session.planImport(Where::FreeInGroup, memory, 0);
    m_freeMemories =
        new QRadioButton(tr("Into the &free memories of %1")
                             .arg(session::placementGroupName(group, session.labels())),
                         this);
    m_freeMemories->setObjectName(QStringLiteral("optFreeMemories"));
    auto* fromMemory = new QRadioButton(
        tr("&One after the other from %1").arg(session.labelRange(memory, memory)), this);
    fromMemory->setObjectName(QStringLiteral("optFromMemory"));
    // The free memories first: that choice replaces no channel.
    m_freeMemories->setChecked(true);
    layout->addWidget(m_freeMemories);
    layout->addWidget(fromMemory);
    m_placementText = new QLabel(this);
    m_placementText->setObjectName(QStringLiteral("lblPlacement"));
    m_placementText->setWordWrap(true);
    layout->addWidget(m_placementText);

    m_model = new ChirpPreviewModel(carried, this);
    auto* rows = new QTableView(this);
    rows->setObjectName(QStringLiteral("grdPreview"));
    rows->setAccessibleName(tr("Memories as they will be imported"));
    rows->setModel(m_model);
    rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rows->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Each column as wide as its widest value can be: measuring 2000 rows would keep the user
    // waiting.
    static const std::array<const char*, MemoryListModel::kColumnCount> kWidest = {
        "PASS2 - 199", "1299.999999MHz", "WFM", "12.5KHz",       "CTCSS", "254.1Hz",
        "754",         "3000Hz",         "OFF", "999.999999MHz", "*",     "WWWWWW"};
    for (int column = 0; column < MemoryListModel::kColumnCount; ++column)
        rows->setColumnWidth(
            column, std::max(fontMetrics().horizontalAdvance(QString::fromLatin1(kWidest[column])),
                             rows->horizontalHeader()->sectionSizeHint(column)) +
                        12);
    rows->setMinimumSize(960, 280);
    layout->addWidget(rows, 3);

    auto* notesTitle = new QLabel(tr("&Not carried as written:"), this);
    auto* notes = new QListWidget(this);
    notes->setObjectName(QStringLiteral("lstNotes"));
    notes->setAccessibleName(tr("Lines not carried as written"));
    notesTitle->setBuddy(notes);
    for (const session::ChirpLine& line : imported.lines)
        if (!line.notes.empty())
            notes->addItem(session::chirpLineText(line));
    if (notes->count() == 0)
        notes->addItem(tr("Every line is carried as written."));
    layout->addWidget(notesTitle);
    layout->addWidget(notes, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_import->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_import, &QPushButton::clicked, this, &ChirpImportDialog::importLines);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_freeMemories, &QRadioButton::toggled, this, &ChirpImportDialog::showPlacement);
    showPlacement();
}

Where ChirpImportDialog::where() const {
    return m_freeMemories->isChecked() ? Where::FreeInGroup : Where::FromMemory;
}

void ChirpImportDialog::showPlacement() {
    m_placement = m_session.planImport(where(), m_memory, static_cast<int>(m_records.size()));
    m_model->showPlacement(m_placement, m_session.labels());
    m_import->setEnabled(m_placement.ok() && !m_records.empty());
    if (m_records.empty()) {
        m_placementText->setText(tr("No line can be imported."));
    } else if (!m_placement.ok()) {
        m_placementText->setText(
            tr("They do not fit: %1.")
                .arg(session::placementRefusalText(m_placement, m_session.labels())));
    } else if (m_placement.where == Where::FreeInGroup) {
        m_placementText->setText(
            tr("Into %1: %2 of its %3 free memories.")
                .arg(session::placementGroupName(m_placement, m_session.labels()))
                .arg(m_placement.lines)
                .arg(m_placement.room));
    } else {
        const QString range =
            m_session.labelRange(m_placement.memories.front(), m_placement.memories.back());
        m_placementText->setText(m_placement.replaced == 0
                                     ? tr("Into %1, all of them free.").arg(range)
                                     : tr("Into %1: %2 channels there are replaced.")
                                           .arg(range)
                                           .arg(m_placement.replaced));
    }
}

void ChirpImportDialog::importLines() {
    m_placement = m_session.importRecords(where(), m_memory, m_records, tr("Import CHIRP CSV"));
    if (m_placement.ok())
        accept();
    else
        showPlacement();
}

} // namespace r36::ui
