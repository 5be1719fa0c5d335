#pragma once

#include "image/clone_image.h"
#include "image/memory_record.h"

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <vector>

namespace r36::session {
class Session;
}

namespace r36::ui {

/// The memory list's column heading `column` (0..11), in the user's language.
QString gridHeading(int column);

/// The memory list as a thin view of the clone image: row m is memory m (0..1699), column 0 its
/// label, columns 1..11 the texts the record renders into. Nothing is stored here; every change
/// of a record must be announced with showMemoryRow. An edited cell goes to the session as one
/// step; a value the editor's rules refuse changes nothing and is reported by editRefused.
class MemoryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kLabelColumn = 0;
    static constexpr int kColumnCount = 12;
    /// The values a list column's cell offers (a QStringList); none for the text columns.
    static constexpr int kChoicesRole = Qt::UserRole + 1;

    /// Column widths in twips.
    static const std::array<int, kColumnCount> kColumnWidthsTwips;

    explicit MemoryListModel(session::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// memRecord(memory) changed: its row is rendered again.
    void showMemoryRow(int memory);
    /// Every record may have changed (a file was loaded, a whole image replaced).
    void showAllMemoryRows();
    /// The labels of column 0 were rewritten.
    void labelsChanged();

signals:
    /// Why an edited cell changed nothing: "Memory 5: Frequency: 0.100000 to 1299.999999 MHz".
    void editRefused(const QString& reason);

private:
    const image::DisplayTexts& rendered(int memory) const;

    session::Session& m_session;
    const image::CloneImage& m_image;
    const std::vector<std::string>& m_labels;
    // A view asks for one row's cells one after the other; render the record once for them.
    mutable int m_cachedMemory = -1;
    mutable image::DisplayTexts m_cachedTexts;
};

} // namespace r36::ui
