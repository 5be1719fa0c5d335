#include "link_dialog.h"

#include "image/link_table.h"
#include "image/memory_areas.h"

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
#include <array>
#include <span>
#include <vector>

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
    std::span<std::string> (*table)(image::CloneImage&);
    bool emptyBanksUnavailable; // a group cannot hold a bank the partition leaves empty
    bool lastGroupFlag;         // the receiver expects bit 55 set in the last entry only
    int gridHeightTwips;
};

const LinkDialogConfig kBankLinkConfig{
    "frmBankLink",
    "BANK-LINK Setting",
    "< BANK ",
    "GroupB",
    [](image::CloneImage& image) { return std::span<std::string>(image.bankLink); },
    true,
    true,
    2235,
};

const LinkDialogConfig kProgramScanLinkConfig{
    "frmPSlink",
    "PS LINK Setting",
    "< PRG  ",
    "Group9",
    [](image::CloneImage& image) { return std::span<std::string>(image.psLink); },
    false,
    false,
    2035,
};

const LinkDialogConfig& configOf(LinkDialog::Kind kind) {
    return kind == LinkDialog::Kind::BankLink ? kBankLinkConfig : kProgramScanLinkConfig;
}

// The dialog's working copy of the groups: one row per group entry, one column per item or
// spacer. Toggles stay here until they are stored into the clone image.
class LinkGridModel : public QAbstractTableModel {
public:
    LinkGridModel(const LinkDialogConfig& config, int groupCount, QObject* parent)
        : QAbstractTableModel(parent), m_config(config),
          m_members(static_cast<std::size_t>(groupCount)) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_members.size());
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
        const int item = itemOfColumn(index.column());
        const bool unavailable = m_unavailable[static_cast<std::size_t>(item)];
        const bool member = memberAt(index.row(), item);
        switch (role) {
        case Qt::BackgroundRole:
            if (unavailable)
                return kUnavailableBackground;
            if (member)
                return kMemberBackground;
            return {};
        case Qt::ForegroundRole:
            return unavailable || member ? kMarkedText : kPlainText;
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

    // showLinkTable: every cell from the group entries and, for bank links, the partition. A
    // member bit of an unavailable item is dropped here, so storing clears it.
    void showLinkTable(std::span<const std::string> entries, std::string_view bankTable) {
        beginResetModel();
        for (int item = 0; item < image::kLinkItems; ++item)
            m_unavailable[static_cast<std::size_t>(item)] =
                m_config.emptyBanksUnavailable && image::isBankEmpty(bankTable, item);
        for (std::size_t group = 0; group < m_members.size(); ++group) {
            m_members[group] = image::linkMembers(entries[group]);
            for (std::size_t item = 0; item < m_members[group].size(); ++item)
                m_members[group][item] = m_members[group][item] && !m_unavailable[item];
        }
        endResetModel();
    }

    // storeLinkTable: every entry rebuilt from the member cells.
    void storeLinkTable(std::span<std::string> entries) const {
        const std::size_t lastGroup = m_members.size() - 1;
        for (std::size_t group = 0; group < m_members.size(); ++group)
            entries[group] =
                image::linkEntry(m_members[group], m_config.lastGroupFlag && group == lastGroup);
    }

    // Member becomes not member and back; unavailable cells and spacers never change.
    void toggle(const QModelIndex& index) {
        if (!index.isValid() || index.model() != this || isSpacerColumn(index.column()))
            return;
        const auto item = static_cast<std::size_t>(itemOfColumn(index.column()));
        if (m_unavailable[item])
            return;
        auto& member = m_members[static_cast<std::size_t>(index.row())][item];
        member = !member;
        emit dataChanged(index, index, {Qt::BackgroundRole, Qt::ForegroundRole});
    }

private:
    bool memberAt(int group, int item) const {
        return m_members[static_cast<std::size_t>(group)][static_cast<std::size_t>(item)];
    }

    const LinkDialogConfig& m_config;
    std::vector<image::LinkMembers> m_members;
    std::array<bool, image::kLinkItems> m_unavailable{};
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
    Private(const LinkDialogConfig& config_, image::CloneImage& image_)
        : config(config_), image(image_) {}

    std::span<std::string> table() const { return config.table(image); }
    void showLinkTable() const { model->showLinkTable(table(), image.bankTable); }

    const LinkDialogConfig& config;
    image::CloneImage& image;
    LinkGridModel* model = nullptr;
    LinkGridView* grid = nullptr;
};

LinkDialog::LinkDialog(Kind kind, image::CloneImage& image, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(configOf(kind), image)) {
    const LinkDialogConfig& config = d->config;
    setObjectName(QString::fromLatin1(config.objectName));
    setWindowTitle(QString::fromLatin1(config.caption));

    d->model = new LinkGridModel(config, static_cast<int>(d->table().size()), this);
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

    auto* clearButton = new QPushButton(QStringLiteral("Clear"));
    clearButton->setObjectName(QStringLiteral("cmdInit"));
    auto* okButton = new QPushButton(QStringLiteral("OK"));
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
        d->model->storeLinkTable(d->table());
        accept();
    });
    // Clear empties the table in the image at once: closing afterwards without OK keeps it
    // empty, the last-group flag included, until the next OK writes the flag again.
    connect(clearButton, &QPushButton::clicked, this, [this] {
        for (std::string& entry : d->table())
            entry = image::linkEntry({}, false);
        d->showLinkTable();
    });

    d->showLinkTable();
    grid->setCurrentIndex(d->model->index(0, 0));
    grid->setFocus();
}

LinkDialog::~LinkDialog() = default;

} // namespace r36::ui
