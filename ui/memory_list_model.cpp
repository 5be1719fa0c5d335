#include "memory_list_model.h"

namespace r36::ui {

const std::array<const char*, 12> gridHeaders = {"BANK-CH", "Frequency",    "Mode", "Step",
                                                 "Subtone", "TSQ",          "DCS",  "Train",
                                                 "Shift",   "Offset Freq.", "Skip", "Name"};

const std::array<int, MemoryListModel::kColumnCount> MemoryListModel::kColumnWidthsTwips = {
    1450, 1750, 600, 900, 900, 900, 600, 800, 600, 1700, 550, 2600};

MemoryListModel::MemoryListModel(const image::CloneImage& image,
                                 const std::vector<std::string>& labels, QObject* parent)
    : QAbstractTableModel(parent), m_image(image), m_labels(labels) {}

int MemoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : image::kUserMemoryCount;
}

int MemoryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

const image::DisplayTexts& MemoryListModel::rendered(int memory) const {
    if (memory != m_cachedMemory) {
        m_cachedTexts = image::renderRecord(m_image.memRecord.at(memory), memory);
        m_cachedMemory = memory;
    }
    return m_cachedTexts;
}

QVariant MemoryListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        role != Qt::DisplayRole)
        return {};
    const int memory = index.row();
    if (index.column() == kLabelColumn) {
        return memory < static_cast<int>(m_labels.size()) ? QString::fromStdString(m_labels[memory])
                                                          : QString();
    }
    return QString::fromStdString(rendered(memory)[index.column() - 1]);
}

QVariant MemoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kColumnCount ? QString::fromLatin1(gridHeaders[section])
                                                      : QVariant();
    return section + 1;
}

void MemoryListModel::showMemoryRow(int memory) {
    if (memory < 0 || memory >= image::kUserMemoryCount)
        return; // the preset area has no row
    if (memory == m_cachedMemory)
        m_cachedMemory = -1;
    emit dataChanged(index(memory, 1), index(memory, kColumnCount - 1), {Qt::DisplayRole});
}

void MemoryListModel::showAllMemoryRows() {
    beginResetModel();
    m_cachedMemory = -1;
    endResetModel();
}

void MemoryListModel::labelsChanged() {
    emit dataChanged(index(0, kLabelColumn), index(image::kUserMemoryCount - 1, kLabelColumn),
                     {Qt::DisplayRole});
}

} // namespace r36::ui
