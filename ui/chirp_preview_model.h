#pragma once

#include "image/memory_record.h"
#include "session/chirp_lists.h"
#include "session/import_placement.h"

#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

namespace r36::ui {

/// The carried lines of a CHIRP list as the memory list will show them: the grid's twelve
/// columns, the label of the memory each line goes to (none while the placement is refused),
/// each row headed by its line of the file. The texts are made once, when the list is given.
class ChirpPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// `carried`: the lines in the order they are placed; they must outlive the model.
    explicit ChirpPreviewModel(std::vector<const session::ChirpLine*> carried,
                               QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// The labels of the memories `placement` names, from `labels` (empty when refused).
    void showPlacement(const session::ImportPlacement& placement,
                       const std::vector<std::string>& labels);

private:
    struct Row {
        int lineNumber;
        QStringList texts; // the eleven columns after the label
        QString notes;     // what of the line is not carried, empty when all of it is
    };
    std::vector<Row> m_rows;
    QStringList m_labels; // one a row, or none
};

} // namespace r36::ui
