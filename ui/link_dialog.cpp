#include "link_dialog.h"

#include "session/session.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <string>
#include <utility>

namespace r36::ui {
namespace {

// Window geometry is designed in twips, 15 to the pixel at 96 dpi. Sizes are whole pixels with
// the remainder dropped, which is what lets 50 item columns, four spacers and the label column
// (700 px) fit inside a grid 10585 twips (705 px) wide.
constexpr int pixelsFromTwips(int twips) {
    return twips / 15;
}

constexpr int kLabelColumnTwips = 700;
constexpr int kItemColumnTwips = 200;
constexpr int kSpacerColumnTwips = 20;
constexpr int kRowTwips = 200;
constexpr int kGridWidthTwips = 10585;

// Items are shown in five blocks of ten, with a narrow empty spacer column after each of the
// first four blocks: 50 item columns + 4 spacers.
constexpr int kItemsPerBlock = 10;
constexpr int kBlockCount = image::kLinkItems / kItemsPerBlock;
constexpr int kGridColumns = image::kLinkItems + kBlockCount - 1;

constexpr int columnOfItem(int item) {
    return item + item / kItemsPerBlock;
}
constexpr bool isSpacerColumn(int column) {
    return (column + 1) % (kItemsPerBlock + 1) == 0;
}
constexpr int itemOfColumn(int column) {
    return column - column / (kItemsPerBlock + 1);
}

const QColor kMemberBackground(0, 0, 128);
const QColor kUnavailableBackground(128, 128, 128);
const QColor kMarkedText(255, 0, 0);
const QColor kPlainText(0, 0, 0);

// Everything in which the bank-link and program-scan-link dialogs differ.
struct LinkDialogConfig {
    const char* objectName;
    const char* caption;
    const char* blockCaptionPrefix; // followed by "0-9 >", "10-19 >", ...
    const char* lastRowLabel;
    int gridHeightTwips;
    const char* itemName; // what a screen reader calls an item: "Bank 12"
};

const LinkDialogConfig kBankLinkConfig{
    "frmBankLink", QT_TRANSLATE_NOOP("r36::ui::LinkDialog", "BANK-LINK Setting"),
    "< BANK ",     "GroupB",
    2235,          QT_TRANSLATE_NOOP("r36::ui::LinkDialog", "Bank"),
};

const LinkDialogConfig kProgramScanLinkConfig{
    "frmPSlink", QT_TRANSLATE_NOOP("r36::ui::LinkDialog", "PS LINK Setting"),
    "< PRG  ",   "Group9",
    2035,        QT_TRANSLATE_NOOP("r36::ui::LinkDialog", "Pair"),
};

const LinkDialogConfig& configOf(LinkDialog::Kind kind) {
    return kind == LinkDialog::Kind::BankLink ? kBankLinkConfig : kProgramScanLinkConfig;
}

// The dialog's working copy of the table, one row per group entry, one column per item or
// spacer. Toggles stay here until OK stores them.
class LinkGridModel : public QAbstractTableModel {
public:
    LinkGridModel(const LinkDialogConfig& config, QObject* parent)
        : QAbstractTableModel(parent), m_config(config) {}

    const image::LinkTable& table() const { return m_table; }
    void showLinkTable(image::LinkTable table) {
        beginResetModel();
        m_table = std::move(table);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_table.groups.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kGridColumns;
    }

    // Spacers are disabled, which also makes the arrow keys step over them.
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid() || isSpacerColumn(index.column()))
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || isSpacerColumn(index.column()))
            return {};
        const auto item = static_cast<std::size_t>(itemOfColumn(index.column()));
        const bool unavailable = m_table.unavailable[item];
        const bool member = m_table.groups[static_cast<std::size_t>(index.row())][item];
        switch (role) {
        case Qt::BackgroundRole:
            if (unavailable)
                return kUnavailableBackground;
            if (member)
                return kMemberBackground;
            return {};
        case Qt::ForegroundRole:
            return unavailable || member ? kMarkedText : kPlainText;
        case Qt::AccessibleTextRole: // "Group3, Bank 12, member"
            return LinkDialog::tr("%1, %2 %3, %4")
                .arg(headerData(index.row(), Qt::Vertical, Qt::DisplayRole).toString(),
                     LinkDialog::tr(m_config.itemName), QString::number(item),
                     unavailable ? LinkDialog::tr("unavailable")
                     : member    ? LinkDialog::tr("member")
                                 : LinkDialog::tr("not a member"));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal) {
            if (role == Qt::DisplayRole && !isSpacerColumn(section))
                return QString::number(itemOfColumn(section) % kItemsPerBlock);
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
            return {};
        }
        if (role == Qt::DisplayRole)
            return section == rowCount() - 1 ? QString::fromLatin1(m_config.lastRowLabel)
                                             : QStringLiteral("Group%1").arg(section + 1);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return {};
    }

    void toggle(const QModelIndex& index) {
        if (!index.isValid() || index.model() != this || isSpacerColumn(index.column()))
            return;
        if (image::toggleLinkMember(m_table, index.row(), itemOfColumn(index.column())))
            emit dataChanged(index, index,
                             {Qt::BackgroundRole, Qt::ForegroundRole, Qt::AccessibleTextRole});
    }

private:
    const LinkDialogConfig& m_config;
    image::LinkTable m_table;
};

// Marks the current cell while the grid has the focus, so a keyboard user sees where Space
// acts: a black frame with a white one inside shows on white, navy and grey cells alike.
class CurrentCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        painter->save();
        painter->setBrush(Qt::NoBrush);
        painter->setPen(Qt::black);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->setPen(Qt::white);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

// The grid: a click toggles a cell; the arrow keys move and Space toggles the current cell, so
// the dialog works without a mouse.
class LinkGridView : public QTableView {
public:
    LinkGridView(LinkGridModel& model, QWidget* parent) : QTableView(parent), m_model(model) {
        setModel(&model);
        setItemDelegate(new CurrentCellDelegate(this));
        // A quick second click arrives as a double-click, not as a click: it toggles too, so
        // every click counts however fast the user clicks.
        const auto toggle = [this](const QModelIndex& index) {
            m_model.toggle(index);
        };
        connect(this, &QAbstractItemView::clicked, this, toggle);
        connect(this, &QAbstractItemView::doubleClicked, this, toggle);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
            m_model.toggle(currentIndex());
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    LinkGridModel& m_model;
};

} // namespace

struct LinkDialog::Private {
    Private(Kind kind_, session::Session& session_)
        : kind(kind_), config(configOf(kind_)), session(session_) {}

    std::span<const std::string> entries() const {
        if (kind == Kind::BankLink)
            return session.image().bankLink;
        return session.image().psLink;
    }
    void showLinkTable() const {
        const QModelIndex current = grid ? grid->currentIndex() : QModelIndex();
        model->showLinkTable(image::showLinkTable(kind, entries(), session.image().bankTable));
        if (current.isValid()) // the keyboard user stays on the cell
            grid->setCurrentIndex(model->index(current.row(), current.column()));
    }
    // OK stores the table, Clear (no table) zeroes it.
    void store(const image::LinkTable* table) const {
        const auto storeInto = [table](auto entries) {
            if (table)
                image::storeLinkTable(*table, entries);
            else
                image::clearLinkTable(entries);
            return entries;
        };
        if (kind == Kind::BankLink)
            session.setBankLinks(storeInto(session.image().bankLink));
        else
            session.setPsLinks(storeInto(session.image().psLink));
    }

    Kind kind;
    const LinkDialogConfig& config;
    session::Session& session;
    LinkGridModel* model = nullptr;
    LinkGridView* grid = nullptr;
};

LinkDialog::LinkDialog(Kind kind, session::Session& session, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(kind, session)) {
    const LinkDialogConfig& config = d->config;
    setObjectName(QString::fromLatin1(config.objectName));
    setWindowTitle(tr(config.caption));

    d->model = new LinkGridModel(config, this);
    d->showLinkTable();
    d->grid = new LinkGridView(*d->model, this);
    QTableView* grid = d->grid;
    grid->setObjectName(QStringLiteral("ltc"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setCornerButtonEnabled(false);

    // 200-twip rows leave 13 px: a small font keeps the headings readable inside them.
    QFont gridFont = grid->font();
    gridFont.setPixelSize(10);
    grid->setFont(gridFont);

    // The fixed first row and column of the grid are the view's headers.
    const int rowPx = pixelsFromTwips(kRowTwips);
    const int labelColumnPx = pixelsFromTwips(kLabelColumnTwips);
    QHeaderView* columns = grid->horizontalHeader();
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(rowPx);
    for (int column = 0; column < kGridColumns; ++column)
        columns->resizeSection(column, pixelsFromTwips(isSpacerColumn(column) ? kSpacerColumnTwips
                                                                              : kItemColumnTwips));
    QHeaderView* rows = grid->verticalHeader();
    rows->setMinimumSectionSize(0);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowPx);
    rows->setSectionsClickable(false);
    rows->setHighlightSections(false);
    rows->setFixedWidth(labelColumnPx);

    // The designed size, grown only if this style's frame would otherwise hide the last column
    // or row.
    const int frame = 2 * grid->frameWidth();
    const int contentWidth = labelColumnPx + columns->length() + frame;
    const int contentHeight = rowPx + rowPx * d->model->rowCount() + frame;
    grid->setFixedSize(std::max(pixelsFromTwips(kGridWidthTwips), contentWidth),
                       std::max(pixelsFromTwips(config.gridHeightTwips), contentHeight));

    // The caption line: one label over each block of ten item columns.
    auto* captionLine = new QHBoxLayout;
    captionLine->setContentsMargins(0, 0, 0, 0);
    captionLine->setSpacing(0);
    captionLine->addSpacing(grid->frameWidth() + labelColumnPx);
    for (int block = 0; block < kBlockCount; ++block) {
        const int first = block * kItemsPerBlock;
        auto* caption = new QLabel(QString::fromLatin1(config.blockCaptionPrefix) +
                                   QStringLiteral("%1-%2 >").arg(first).arg(first + 9));
        caption->setTextFormat(Qt::PlainText); // keeps the "<" and the doubled space literal
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(gridFont);
        int blockPx = 0;
        for (int item = first; item < first + kItemsPerBlock; ++item)
            blockPx += columns->sectionSize(columnOfItem(item));
        if (block + 1 < kBlockCount)
            blockPx += columns->sectionSize(columnOfItem(first + kItemsPerBlock - 1) + 1);
        caption->setFixedWidth(blockPx);
        captionLine->addWidget(caption);
    }
    captionLine->addStretch();

    auto* clearButton = new QPushButton(LinkDialog::tr("Clear"));
    clearButton->setObjectName(QStringLiteral("cmdInit"));
    auto* okButton = new QPushButton(LinkDialog::tr("OK"));
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(captionLine);
    layout->addWidget(grid);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, [this] {
        d->store(&d->model->table());
        accept();
    });
    // Clear empties the stored table at once: closing afterwards without OK keeps it empty.
    connect(clearButton, &QPushButton::clicked, this, [this] {
        d->store(nullptr);
        d->showLinkTable();
    });

    // Undo and redo replace the document: show its table (and its banks) as they now are.
    connect(&session, &session::Session::imageReplaced, this, [this] { d->showLinkTable(); });
    connect(&session, &session::Session::partitionChanged, this, [this] { d->showLinkTable(); });

    grid->setCurrentIndex(d->model->index(0, 0));
    grid->setFocus();
}

LinkDialog::~LinkDialog() = default;

} // namespace r36::ui
