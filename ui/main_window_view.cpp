// The View menu: the filter bar over the memory list, and the count it puts in the status bar.

#include "main_window.h"

#include "filter_bar.h"
#include "memory_page.h"

#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>

namespace r36::ui {

void MainWindow::buildViewMenu() {
    auto* view = new QMenu(tr("View(&V)"), this);
    view->setObjectName(QStringLiteral("MenuView"));
    QAction* filter = view->addAction(tr("Filter memories…"));
    filter->setObjectName(QStringLiteral("MenuFilter"));
    filter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    addAction(filter); // the key works on either page: it turns to the memory list
    menuBar()->insertMenu(m_menus[1]->menuAction(), view);

    FilterBar* bar = m_memoryPage->filterBar();
    connect(filter, &QAction::triggered, this, [this, bar] {
        m_tabs->setCurrentIndex(0); // through the page guard, as a click on the tab
        if (m_pages->currentWidget() == m_memoryPage)
            bar->open();
    });
    statusBar()->addPermanentWidget(bar->countLabel());
    connect(bar, &FilterBar::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
}

} // namespace r36::ui
