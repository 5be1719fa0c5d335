#include "beside_list_model.h"

#include "memory_grid.h"
#include "memory_list_model.h"

#include "image/clone_image.h"
#include "session/companion.h"
#include "session/difference_text.h"

#include <QBrush>
#include <QMimeData>
#include <QPalette>

#include <set>

namespace r36::ui {

BesideListModel::BesideListModel(const session::Companion& companion, QObject* parent)
    : QAbstractTableModel(parent), m_companion(companion) {}

int BesideListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : image::kUserMemoryCount;
}

int BesideListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MemoryListModel::kColumnCount;
}

const image::DisplayTexts& BesideListModel::rendered(int memory) const {
    if (memory != m_cachedMemory) {
        m_cachedTexts = image::renderRecord(m_companion.image().memRecord.at(memory), memory);
        m_cachedMemory = memory;
    }
    return m_cachedTexts;
}

QVariant BesideListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        !m_companion.isOpen())
        return {};
    const int memory = index.row();
    const image::Change* change = m_companion.memoryChange(memory);
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() != MemoryListModel::kLabelColumn)
            return QString::fromStdString(rendered(memory)[index.column() - 1]);
        return QString::fromStdString(m_companion.labels().at(memory)) +
               (change ? QStringLiteral(" ≠") : QString());
    case Qt::ToolTipRole:
        return change ? session::changeText(*change) : QVariant();
    case Qt::BackgroundRole:
        return change ? QBrush(QColor(255, 236, 179)) : QVariant();
    case Qt::ForegroundRole:
        // The tint is light in every theme: the text on it stays dark.
        return change ? QBrush(Qt::black) : QVariant();
    default:
        return {};
    }
}

QVariant BesideListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= MemoryListModel::kColumnCount)
        return {};
    return gridHeading(section);
}

Qt::ItemFlags BesideListModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList BesideListModel::mimeTypes() const {
    return {QString::fromLatin1(MemoryGrid::kBesideRowsMimeType)};
}

QMimeData* BesideListModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> memories;
    for (const QModelIndex& index : indexes)
        memories.insert(index.row());
    QByteArray list;
    for (const int memory : memories)
        list += (list.isEmpty() ? "" : " ") + QByteArray::number(memory);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(MemoryGrid::kBesideRowsMimeType), list);
    return data;
}

void BesideListModel::showAllRows() {
    m_cachedMemory = -1;
    emit dataChanged(index(0, 0), index(image::kUserMemoryCount - 1, columnCount() - 1));
}

} // namespace r36::ui
