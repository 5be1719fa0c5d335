#include "beside_pane.h"

#include "beside_list_model.h"
#include "memory_list_model.h"
#include "twips.h"

#include "session/companion.h"
#include "session/difference_text.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace r36::ui {

namespace {
constexpr int kRowHeightTwips = 300; // the memory list's
} // namespace

BesidePane::BesidePane(session::Companion& companion, QWidget* parent)
    : QWidget(parent), m_companion(companion) {
    setObjectName(QStringLiteral("besidePane"));
    m_model = new BesideListModel(companion, this);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("besideTitle"));
    m_title->setWordWrap(true);

    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("besideList"));
    m_list->setAccessibleName(tr("Memories of the file beside"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_list->setDefaultDropAction(Qt::CopyAction);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setMinimumSectionSize(1);
    m_list->verticalHeader()->setDefaultSectionSize(px(kRowHeightTwips));
    for (int column = 0; column < MemoryListModel::kColumnCount; ++column)
        m_list->setColumnWidth(column, px(MemoryListModel::kColumnWidthsTwips[column]));

    m_difference = new QLabel(this);
    m_difference->setObjectName(QStringLiteral("besideDifference"));
    m_difference->setWordWrap(true);
    m_difference->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_others = new QListWidget(this);
    m_others->setObjectName(QStringLiteral("besideSettings"));
    m_others->setAccessibleName(tr("Settings and links that differ"));
    m_others->hide();

    m_copy = new QPushButton(tr("Copy to document"), this);
    m_copy->setObjectName(QStringLiteral("cmdCopyToDocument"));
    m_copy->setToolTip(tr("Copies the selected memories into the same memories of the "
                          "document; Ctrl+Z undoes. Rows can also be dragged into the list."));
    m_showOthers = new QPushButton(tr("Settings and links"), this);
    m_showOthers->setObjectName(QStringLiteral("cmdBesideSettings"));
    m_showOthers->setCheckable(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdCloseBeside"));
    close->setToolTip(tr("Closes the file beside (Escape)"));
    for (QPushButton* button : {m_copy, m_showOthers, close})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_showOthers);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The list first, so its rows stand level with the memory list's.
    layout->addWidget(m_list, 3);
    layout->addWidget(m_title);
    layout->addWidget(m_difference);
    layout->addWidget(m_others, 1);
    layout->addLayout(buttons);

    connect(&companion, &session::Companion::changed, this, &BesidePane::showCompanion);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &BesidePane::showCurrentDifference);
    connect(m_copy, &QPushButton::clicked, this, &BesidePane::copySelected);
    connect(m_showOthers, &QPushButton::toggled, m_others, &QWidget::setVisible);
    connect(close, &QPushButton::clicked, this, &BesidePane::closeRequested);
    showCompanion();
}

void BesidePane::scrollWith(QAbstractItemView& grid) {
    QScrollBar* mine = m_list->verticalScrollBar();
    QScrollBar* theirs = grid.verticalScrollBar();
    connect(mine, &QScrollBar::valueChanged, theirs, &QScrollBar::setValue);
    connect(theirs, &QScrollBar::valueChanged, mine, &QScrollBar::setValue);
}

void BesidePane::showCompanion() {
    m_model->showAllRows();
    if (!m_companion.isOpen())
        return;
    const image::Difference& difference = m_companion.difference();
    const QString name = QFileInfo(m_companion.path()).fileName();
    const QString counts = session::countsText(difference);
    if (!m_companion.basePath().isEmpty())
        m_title->setText(tr("%1 beside; since %2, %3 changed.")
                             .arg(name, QFileInfo(m_companion.basePath()).fileName(), counts));
    else if (difference.empty())
        m_title->setText(tr("%1 beside the document; they are alike.").arg(name));
    else
        m_title->setText(tr("%1 beside the document; it differs in %2.").arg(name, counts));
    m_others->clear();
    for (const image::Change* change : m_companion.otherChanges())
        m_others->addItem(session::changeText(*change));
    for (const image::LabelChange& moved : difference.relabelled)
        m_others->addItem(session::labelChangeText(moved));
    const int others = m_others->count();
    m_showOthers->setText(others == 0 ? tr("Settings and links: alike")
                                      : tr("Settings and links: %1 differ").arg(others));
    showCurrentDifference();
}

void BesidePane::showCurrentDifference() {
    const int memory = m_list->currentIndex().row();
    if (memory < 0 || !m_companion.isOpen()) {
        m_difference->setText(tr("Marked rows (≠) differ; select one to see how."));
        return;
    }
    const image::Change* change = m_companion.memoryChange(memory);
    m_difference->setText(change
                              ? session::changeText(*change)
                              : tr("memory %1 (%2): alike")
                                    .arg(memory)
                                    .arg(QString::fromStdString(m_companion.labels().at(memory))));
}

void BesidePane::copySelected() {
    std::set<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty()) {
        emit statusMessage(tr("Select the memories to copy first"));
        return;
    }
    const std::vector<int> memories(rows.begin(), rows.end());
    emit copyRequested(memories, memories.front());
}

} // namespace r36::ui
