#include "chirp_preview_model.h"

#include "memory_list_model.h"

#include "session/chirp_lists.h"
#include "session/chirp_texts.h"


namespace r36::ui {

ChirpPreviewModel::ChirpPreviewModel(std::vector<const session::ChirpLine*> carried,
                                     QObject* parent)
    : QAbstractTableModel(parent) {
    m_rows.reserve(carried.size());
    for (const session::ChirpLine* line : carried) {
        Row row{line->lineNumber, {}, {}};
        // A CHIRP line holds no automatic mode or step, so the memory does not change its texts.
        for (const std::string& text : image::renderRecord(line->record, 0))
            row.texts << QString::fromStdString(text);
        if (!line->notes.empty())
            row.notes = session::chirpLineText(*line);
        m_rows.push_back(std::move(row));
    }
}

int ChirpPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ChirpPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MemoryListModel::kColumnCount;
}

QVariant ChirpPreviewModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole)
        return row.notes.isEmpty() ? QVariant() : row.notes;
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == MemoryListModel::kLabelColumn)
        return m_labels.value(index.row());
    return row.texts.value(index.column() - 1);
}

QVariant ChirpPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < MemoryListModel::kColumnCount ? gridHeading(section)
                                                                       : QVariant();
    // The notes name lines of the file: each row is headed by its line.
    return section >= 0 && section < rowCount()
               ? tr("line %1").arg(m_rows[static_cast<std::size_t>(section)].lineNumber)
               : QVariant();
}

void ChirpPreviewModel::showPlacement(const session::ImportPlacement& placement,
                                      const std::vector<std::string>& labels) {
    m_labels.clear();
    for (const int memory : placement.memories)
        m_labels << QString::fromStdString(labels.at(static_cast<std::size_t>(memory)));
    if (!m_rows.empty())
        emit dataChanged(index(0, MemoryListModel::kLabelColumn),
                         index(rowCount() - 1, MemoryListModel::kLabelColumn), {Qt::DisplayRole});
}

} // namespace r36::ui
