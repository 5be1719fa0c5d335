#include "memory_grid.h"

#include "memory_list_model.h"
#include "twips.h"

#include <QComboBox>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace r36::ui {

namespace {
constexpr int kRowHeightTwips = 300;
constexpr char kColumnProperty[] = "gridColumn"; // the column a cell editor edits

// Text cells are edited in a line, list cells in a drop-down list of the model's choices.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const QStringList choices = index.data(MemoryListModel::kChoicesRole).toStringList();
        if (choices.isEmpty()) {
            QWidget* line = QStyledItemDelegate::createEditor(parent, option, index);
            line->setObjectName(QStringLiteral("cellText"));
            line->setProperty(kColumnProperty, index.column());
            return line;
        }
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("cellChoices"));
        box->setProperty(kColumnProperty, index.column());
        box->addItems(choices);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setCurrentIndex(std::max(0, box->findText(index.data(Qt::EditRole).toString())));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    /// The keys an open editor uses are its own, never the grid's commands: Alt+Up and
    /// Alt+Down open and close a list (they move memories only while no editor is open), and
    /// a plain key (Insert, F4, ...) goes to the editor. Ctrl keys the editor takes itself.
    /// Ctrl+Enter, as in spreadsheets, sends the cell's value to every selected row.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
            const bool listKey =
                held == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down);
            const bool plainKey = (held & ~Qt::ShiftModifier) == Qt::NoModifier;
            if (listKey || plainKey) {
                event->accept();
                return true;
            }
        }
        auto* editor = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::KeyPress && editor) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers().testFlag(Qt::ControlModifier)) {
                auto* box = qobject_cast<QComboBox*>(editor);
                auto* line = qobject_cast<QLineEdit*>(editor);
                const QString value = box ? box->currentText() : line ? line->text() : QString();
                auto* grid = static_cast<MemoryGrid*>(parent());
                const int column = editor->property(kColumnProperty).toInt();
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                emit grid->fillSelectionRequested(column, value);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            model->setData(index, box->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

MemoryGrid::MemoryGrid(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("ltc"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // F2 or typing edits a cell; Enter commits, Escape cancels (the delegate's keys).
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setItemDelegate(new CellDelegate(this));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false); // Tab moves on to the buttons
    verticalHeader()->hide();
    // 1700 rows: fixed heights keep scrolling and whole-list refreshes cheap.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px(kRowHeightTwips));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == MemoryListModel::kLabelColumn)
            emit openEditorRequested(index.row());
    });

    // The label column: a second view over the same model and selection, laid over column 0.
    m_labelColumn = new QTableView(this);
    m_labelColumn->setObjectName(QStringLiteral("ltcLabels"));
    m_labelColumn->setFocusPolicy(Qt::NoFocus);
    m_labelColumn->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_labelColumn->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_labelColumn->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_labelColumn->setWordWrap(false);
    m_labelColumn->setCornerButtonEnabled(false);
    m_labelColumn->setTabKeyNavigation(false);
    m_labelColumn->verticalHeader()->hide();
    m_labelColumn->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_labelColumn->verticalHeader()->setMinimumSectionSize(1);
    m_labelColumn->verticalHeader()->setDefaultSectionSize(px(kRowHeightTwips));
    m_labelColumn->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_labelColumn->horizontalHeader()->setHighlightSections(false);
    m_labelColumn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_labelColumn->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_labelColumn->setFrameShape(QFrame::NoFrame);
    viewport()->stackUnder(m_labelColumn);
    connect(m_labelColumn->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_labelColumn->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_labelColumn, &QAbstractItemView::pressed, this, [this] { setFocus(); });
    // The label column widened in the header underneath: the overlay follows.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != MemoryListModel::kLabelColumn)
            return;
        m_labelColumn->setColumnWidth(column, columnWidth(column));
        placeLabelColumn();
    });
    // ... and the overlay's own header, which lies on top, widens the column underneath. The
    // overlay hides every other column, which it reports as resized to nothing: those stay.
    connect(m_labelColumn->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column == MemoryListModel::kLabelColumn)
                    setColumnWidth(column, width);
            });
    connect(m_labelColumn, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit openEditorRequested(index.row()); });
}

void MemoryGrid::setMemoryModel(MemoryListModel* model) {
    setModel(model);
    m_labelColumn->setModel(model);
    m_labelColumn->setSelectionModel(selectionModel());
    for (int column = 0; column < MemoryListModel::kColumnCount; ++column) {
        setColumnWidth(column, px(MemoryListModel::kColumnWidthsTwips[column]));
        m_labelColumn->setColumnHidden(column, column != MemoryListModel::kLabelColumn);
    }
    m_labelColumn->setColumnWidth(MemoryListModel::kLabelColumn,
                                  columnWidth(MemoryListModel::kLabelColumn));
    // The Name column, the last, takes the room a wider grid has beyond its designed width.
    horizontalHeader()->setStretchLastSection(true);
    placeLabelColumn();
    // A whole-list refresh resets the model: keep the current row and the selection.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const auto [first, last] = selectedRange();
        m_keptCurrent = currentIndex().isValid() ? currentIndex().row() : -1;
        m_keptColumn = std::max(currentIndex().column(), 1);
        m_keptOther = m_keptCurrent == first ? last : first;
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_keptCurrent < 0)
            return;
        QAbstractItemModel* shown = this->model();
        selectionModel()->setCurrentIndex(shown->index(m_keptCurrent, m_keptColumn),
                                          QItemSelectionModel::NoUpdate);
        if (m_keptOther >= 0)
            selectionModel()->select(
                QItemSelection(
                    shown->index(std::min(m_keptCurrent, m_keptOther), 0),
                    shown->index(std::max(m_keptCurrent, m_keptOther), shown->columnCount() - 1)),
                QItemSelectionModel::ClearAndSelect);
    });
}

QByteArray MemoryGrid::columnWidths() const {
    return horizontalHeader()->saveState();
}

void MemoryGrid::restoreColumnWidths(const QByteArray& state) {
    if (!horizontalHeader()->restoreState(state))
        return;
    m_labelColumn->setColumnWidth(MemoryListModel::kLabelColumn,
                                  columnWidth(MemoryListModel::kLabelColumn));
    placeLabelColumn();
}

void MemoryGrid::placeLabelColumn() {
    m_labelColumn->setGeometry(frameWidth(), frameWidth(),
                               columnWidth(MemoryListModel::kLabelColumn),
                               viewport()->height() + horizontalHeader()->height());
}

void MemoryGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeLabelColumn();
}

int MemoryGrid::currentMemory() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MemoryGrid::showOnly(const std::vector<bool>& shown) {
    const int rows = model()->rowCount();
    for (int row = 0; row < rows; ++row) {
        const bool hide = !shown.empty() && !shown[static_cast<std::size_t>(row)];
        // Only the rows that change: each hidden row is a header section laid out again.
        if (isRowHidden(row) != hide) {
            setRowHidden(row, hide);
            m_labelColumn->setRowHidden(row, hide);
        }
    }
    const int current = currentMemory();
    if (current < 0 || !isRowHidden(current))
        return;
    int nearest = current;
    while (nearest < rows && isRowHidden(nearest))
        ++nearest;
    if (nearest == rows)
        for (nearest = current; nearest >= 0 && isRowHidden(nearest);)
            --nearest;
    if (nearest < 0) { // nothing shows
        selectionModel()->clear();
        return;
    }
    const QModelIndex row = model()->index(nearest, std::max(currentIndex().column(), 1));
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
}

int MemoryGrid::hiddenRowsIn(int first, int last) const {
    int hidden = 0;
    for (int row = std::max(first, 0); row <= std::min(last, model()->rowCount() - 1); ++row)
        hidden += isRowHidden(row) ? 1 : 0;
    return hidden;
}

std::vector<int> MemoryGrid::shownSelection() const {
    std::vector<int> memories;
    for (const QModelIndex& row : selectionModel()->selectedRows())
        if (!isRowHidden(row.row()))
            memories.push_back(row.row());
    std::sort(memories.begin(), memories.end());
    return memories;
}

int MemoryGrid::hiddenSelected() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [this](const QModelIndex& row) {
        return isRowHidden(row.row());
    }));
}

std::pair<int, int> MemoryGrid::selectedRange() const {
    const int current = currentMemory();
    if (current < 0 || !selectionModel()->isSelected(currentIndex()))
        return {-1, -1};
    int first = current;
    int last = current;
    // The selection is one contiguous block of rows; the current row is one of its ends.
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (range.top() <= current && current <= range.bottom()) {
            first = std::min(first, range.top());
            last = std::max(last, range.bottom());
        }
    }
    return {first, last};
}

void MemoryGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                             const QList<int>& roles) {
    if (topLeft.isValid() && bottomRight.isValid() && isVisible()) {
        const int firstShown = rowAt(0);
        const int lastShown = rowAt(viewport()->height() - 1);
        const bool aboveView = firstShown >= 0 && bottomRight.row() < firstShown;
        const bool belowView = lastShown >= 0 && topLeft.row() > lastShown;
        if (aboveView || belowView)
            return;
    }
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

void MemoryGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A cell editor's Enter comes here too, before the editor commits.
        if (state() != EditingState && currentMemory() >= 0)
            emit openEditorRequested(currentMemory());
        return;
    case Qt::Key_Delete:
        emit clearSelectedRequested();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

void MemoryGrid::startDrag(Qt::DropActions) {
    const auto [first, last] = selectedRange();
    if (first < 0)
        return;
    auto* rows = new QMimeData;
    rows->setData(QString::fromLatin1(kRowsMimeType),
                  QByteArray::number(first) + ' ' + QByteArray::number(last));
    auto* drag = new QDrag(this);
    drag->setMimeData(rows);
    drag->exec(Qt::MoveAction);
}

namespace {
bool takesDrop(const QMimeData& data) {
    return data.hasFormat(QString::fromLatin1(MemoryGrid::kRowsMimeType)) ||
           data.hasFormat(QString::fromLatin1(MemoryGrid::kBesideRowsMimeType));
}
} // namespace

void MemoryGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDrop(*event->mimeData()))
        event->acceptProposedAction();
}

void MemoryGrid::dragMoveEvent(QDragMoveEvent* event) {
    QTableView::dragMoveEvent(event); // scrolls near the edges
    if (takesDrop(*event->mimeData()))
        event->acceptProposedAction();
}

void MemoryGrid::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    const int target = rowAt(event->position().toPoint().y());
    const QByteArray beside = event->mimeData()->data(QString::fromLatin1(kBesideRowsMimeType));
    if (!beside.isEmpty() && target >= 0) {
        std::vector<int> memories;
        for (const QByteArray& memory : beside.split(' '))
            memories.push_back(memory.toInt());
        event->acceptProposedAction();
        emit copyRequested(memories, target);
        return;
    }
    const QList<QByteArray> rows =
        event->mimeData()->data(QString::fromLatin1(kRowsMimeType)).split(' ');
    if (rows.size() != 2 || target < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit moveRequested(rows[0].toInt(), rows[1].toInt(), target);
}

} // namespace r36::ui
