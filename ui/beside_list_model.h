#pragma once

#include "image/memory_record.h"

#include <QAbstractTableModel>

namespace r36::session {
class Companion;
}

namespace r36::ui {

/// The memories of the file beside the document, read-only, in the memory list's columns: row m
/// is memory m. A memory that differs carries " ≠" after its label, a tinted background and,
/// as its tool tip, its difference as the difference before a write words it. Dragged rows
/// carry their memory numbers.
class BesideListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BesideListModel(const session::Companion& companion, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    /// The file or its difference changed: every row is shown again (the selection stays).
    void showAllRows();

private:
    const image::DisplayTexts& rendered(int memory) const;

    const session::Companion& m_companion;
    mutable int m_cachedMemory = -1;
    mutable image::DisplayTexts m_cachedTexts;
};

} // namespace r36::ui
