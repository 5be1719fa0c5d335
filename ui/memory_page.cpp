#include "memory_page.h"

#include "filter_bar.h"
#include "find_bar.h"
#include "memory_grid.h"
#include "partition_editor.h"
#include "twips.h"

#include "session/session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace r36::ui {

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

constexpr int kGridWidthTwips = 12500;
constexpr int kGridHeightTwips = 6000;

} // namespace

MemoryPage::MemoryPage(session::Session& session, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("A_FRAME0"));
    m_grid = new MemoryGrid(this);
    // The designed size is the least; a larger window gives the grid its extra room.
    m_grid->setMinimumSize(px(kGridWidthTwips), px(kGridHeightTwips));
    m_grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusProxy(m_grid); // turning to this page puts the focus in the grid
    m_findBar = new FindBar(session, *m_grid, this);
    m_filterBar = new FilterBar(session, *m_grid, this);

    m_clearAll = makeButton(tr("Clear all memories"), QStringLiteral("cmdClearAll"), this);
    m_clear = makeButton(tr("Clear selected memory"), QStringLiteral("cmdClear"), this);
    m_read1mem = makeButton(tr("Read selected memory"), QStringLiteral("cmdRead1mem"), this);
    m_write1mem = makeButton(tr("Write selected memory"), QStringLiteral("cmdWrite1mem"), this);
    m_bankLink = makeButton(tr("Bank-Link"), QStringLiteral("cmdGrpDialog0"), this);
    m_psLink = makeButton(tr("PS-Link"), QStringLiteral("cmdGrpDialog1"), this);

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_clearAll, 0, 0);
    buttons->addWidget(m_clear, 0, 1);
    buttons->addWidget(m_read1mem, 0, 2);
    buttons->addWidget(m_write1mem, 0, 3);
    buttons->setColumnStretch(4, 1);
    buttons->addWidget(m_bankLink, 0, 5);
    buttons->addWidget(m_psLink, 0, 6);

    auto* left = new QVBoxLayout;
    left->addWidget(m_filterBar);
    left->addWidget(m_findBar);
    m_split = new QSplitter(this);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_grid);
    left->addWidget(m_split, 1);
    left->addLayout(buttons);

    m_partition = new PartitionEditor(session, this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addWidget(m_partition, 0, Qt::AlignTop);

    // Bank-Link needs the banks of a total of 1000; its tool tip says so while it is not.
    const auto showProblem = [this, &session] {
        m_bankLink->setToolTip(partitionProblem(session));
    };
    connect(&session, &session::Session::partitionChanged, this, showProblem);
    showProblem();
}

void MemoryPage::putBeside(QWidget* pane) {
    // Half the designed width each: side by side they fit the window's designed width.
    m_grid->setMinimumWidth(px(kGridWidthTwips) / 2);
    m_split->addWidget(pane);
    m_split->setSizes({m_split->width() / 2, m_split->width() / 2});
}

} // namespace r36::ui
