#include "memory_list_model.h"

#include "image/memory_fields.h"
#include "session/memory_field_text.h"
#include "session/session.h"

#include <QStringList>

namespace r36::ui {

QString gridHeading(int column) {
    // Columns 1..11 are the record's fields in their order; the session names them.
    return column == 0 ? MemoryListModel::tr("BANK-CH")
                       : session::memoryFieldName(static_cast<image::MemoryField>(column - 1));
}

const std::array<int, MemoryListModel::kColumnCount> MemoryListModel::kColumnWidthsTwips = {
    1450, 1750, 600, 900, 900, 900, 600, 800, 600, 1700, 550, 2600};

MemoryListModel::MemoryListModel(session::Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_image(session.image()),
      m_labels(session.labels()) {}

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
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int memory = index.row();
    if (role == kChoicesRole) {
        QStringList choices;
        for (std::string_view choice : image::textChoices(index.column() - 1, memory))
            choices << QString::fromLatin1(choice.data(), static_cast<qsizetype>(choice.size()));
        return choices;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
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
        return section >= 0 && section < kColumnCount ? gridHeading(section) : QVariant();
    return section + 1;
}

Qt::ItemFlags MemoryListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != kLabelColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool MemoryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        role != Qt::EditRole || index.column() == kLabelColumn)
        return false;
    const int memory = index.row();
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return true; // unchanged: no step
    const image::FieldsRecord edited = image::recordWithText(
        m_image.memRecord.at(memory), memory, index.column() - 1, text.toUtf8().toStdString());
    if (!edited.ok()) {
        emit editRefused(tr("%1: %2").arg(m_session.labelRange(memory, memory),
                                          session::refusalText(edited.refusal)));
        return false;
    }
    m_session.setMemory(memory, edited.record);
    return true;
}

void MemoryListModel::showMemoryRow(int memory) {
    if (memory < 0 || memory >= image::kUserMemoryCount)
        return; // the preset area has no row
    if (memory == m_cachedMemory)
        m_cachedMemory = -1;
    emit dataChanged(index(memory, 1), index(memory, kColumnCount - 1), {Qt::DisplayRole});
}

void MemoryListModel::showAllMemoryRows() {
    // The rows stay the same 1700: no reset, so the current row and the selection survive an
    // undo or a large paste.
    m_cachedMemory = -1;
    emit dataChanged(index(0, 0), index(image::kUserMemoryCount - 1, kColumnCount - 1),
                     {Qt::DisplayRole});
}

void MemoryListModel::labelsChanged() {
    emit dataChanged(index(0, kLabelColumn), index(image::kUserMemoryCount - 1, kLabelColumn),
                     {Qt::DisplayRole});
}

} // namespace r36::ui
