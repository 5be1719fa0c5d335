#include "find_bar.h"

#include "memory_grid.h"

#include "session/memory_find.h"
#include "session/session.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace r36::ui {

FindBar::FindBar(session::Session& session, MemoryGrid& grid, QWidget* parent)
    : QWidget(parent), m_session(session), m_grid(grid) {
    setObjectName(QStringLiteral("findBar"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setPlaceholderText(tr("Frequency in MHz, name or BANK-CH"));
    m_text->setClearButtonEnabled(true);
    m_text->installEventFilter(this);
    auto* label = new QLabel(tr("Find:"), this);
    label->setBuddy(m_text);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    connect(m_text, &QLineEdit::textEdited, this, [this] { find(+1, true); });
    hide();
}

void FindBar::open() {
    show();
    m_text->setFocus();
    m_text->selectAll();
}

void FindBar::findNext(int direction) {
    if (m_text->text().isEmpty())
        open();
    else
        find(direction, false);
}

void FindBar::find(int direction, bool includeCurrent) {
    if (m_text->text().isEmpty()) { // nothing sought: the last count no longer applies
        emit statusMessage({});
        return;
    }
    std::vector<int> matches = session::findMemories(m_session.image(), m_session.labels(),
                                                     m_text->text().toUtf8().toStdString());
    // Inside a filter, only the rows it shows.
    std::erase_if(matches, [this](int memory) { return m_grid.isRowHidden(memory); });
    if (matches.empty()) {
        emit statusMessage(tr("No memory matches"));
        return;
    }
    const int current = m_grid.currentMemory();
    auto at = std::lower_bound(matches.begin(), matches.end(), current);
    if (direction > 0) {
        if (at != matches.end() && *at == current && !includeCurrent)
            ++at;
        if (at == matches.end())
            at = matches.begin();
    } else {
        at = at == matches.begin() ? matches.end() - 1 : at - 1;
    }
    const QModelIndex row = m_grid.model()->index(*at, std::max(m_grid.currentIndex().column(), 1));
    m_grid.setCurrentIndex(row);
    m_grid.scrollTo(row);
    emit statusMessage(
        tr("%1 of %2 matching memories").arg(at - matches.begin() + 1).arg(matches.size()));
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_text ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool escape = key->key() == Qt::Key_Escape;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (event->type() == QEvent::ShortcutOverride) {
        // Escape here closes the bar; it does not cancel a transfer.
        if (escape)
            event->accept();
        return false;
    }
    if (escape) {
        hide();
        emit statusMessage({});
        m_grid.setFocus();
        return true;
    }
    if (enter) {
        findNext(key->modifiers() & Qt::ShiftModifier ? -1 : +1);
        return true;
    }
    return false;
}

} // namespace r36::ui
