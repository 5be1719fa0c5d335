#pragma once

#include <QTableView>

#include <utility>
#include <vector>

namespace r36::ui {

class MemoryListModel;

/// The memory list `ltc`: one 20-pixel row per memory, whole-row selection; the user may widen
/// the columns.
/// Enter and a double-click on the label column ask for the detail editor, Delete for clearing
/// the selection; F2, typing or a double-click edits another cell; dragged rows ask to move.
/// Ctrl+Enter in a cell editor sets that cell's column in every selected row.
/// The label column stays in place when the other columns scroll sideways.
class MemoryGrid : public QTableView {
    Q_OBJECT
public:
    explicit MemoryGrid(QWidget* parent = nullptr);

    /// Sets the model and the column widths.
    void setMemoryModel(MemoryListModel* model);
    /// The column widths as the user left them, and back (after setMemoryModel); a state that
    /// does not fit the columns is ignored.
    QByteArray columnWidths() const;
    void restoreColumnWidths(const QByteArray& state);

    /// (first, last) memories between the current row and the other end of the selection;
    /// both are the current row's memory without a multi-row selection, (-1, -1) while the
    /// current row is not selected.
    std::pair<int, int> selectedRange() const;
    /// The memory of the current row, or -1.
    int currentMemory() const;

    /// The filter: only the rows flagged in `shown` (one flag a memory) show, all of them for
    /// an empty list. Rows keep their memories, so every command's row is its memory; a
    /// current row that hides gives way to the nearest shown one.
    void showOnly(const std::vector<bool>& shown);
    /// How many of rows first..last (clipped to the list) the filter hides.
    int hiddenRowsIn(int first, int last) const;
    /// The selected memories whose rows show, ascending: a selection dragged across hidden
    /// rows holds them too, and no command may touch them.
    std::vector<int> shownSelection() const;
    /// How many selected rows the filter hides.
    int hiddenSelected() const;

    /// The drag's format: "first last" of the dragged memories.
    static constexpr char kRowsMimeType[] = "application/x-qbr36-rows";
    /// Rows dragged from the file beside: their memories, ascending, separated by spaces.
    static constexpr char kBesideRowsMimeType[] = "application/x-qbr36-beside-rows";

signals:
    void openEditorRequested(int memory);
    void clearSelectedRequested();
    /// Ctrl+Enter in a cell editor: `value` for column `column` of every selected row.
    void fillSelectionRequested(int column, const QString& value);
    /// Rows first..last were dragged onto row `target`.
    void moveRequested(int first, int last, int target);
    /// Rows of the file beside, `memories` ascending, were dropped onto row `target`.
    void copyRequested(const std::vector<int>& memories, int target);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// A row that is scrolled out of sight needs no repaint: a whole-image transfer changes
    /// 1700 rows one by one while only a few are on screen.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;

private:
    void placeLabelColumn();

    QTableView* m_labelColumn = nullptr; // column 0 drawn over the scrolling columns
    // The current row, its column and the selection's other end (-1: none) over a reset.
    int m_keptCurrent = -1;
    int m_keptColumn = 1;
    int m_keptOther = -1;
};

} // namespace r36::ui
