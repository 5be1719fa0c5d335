#include "filter_bar.h"

#include "memory_grid.h"

#include "image/memory_filter.h"
#include "image/value_lists.h"
#include "session/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace r36::ui {

FilterBar::FilterBar(session::Session& session, MemoryGrid& grid, QWidget* parent)
    : QWidget(parent), m_session(session), m_grid(grid) {
    setObjectName(QStringLiteral("filterBar"));
    m_hideFree = new QCheckBox(tr("Hi&de free memories"), this);
    m_hideFree->setObjectName(QStringLiteral("chkFilterHideFree"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtFilter"));
    m_text->setPlaceholderText(tr("Name, frequency or BANK-CH"));
    m_text->setAccessibleName(tr("Filter text"));
    m_text->setClearButtonEnabled(true);
    m_range = new QLineEdit(this);
    m_range->setObjectName(QStringLiteral("txtFilterRange"));
    m_range->setPlaceholderText(tr("e.g. 118–137"));
    m_range->setAccessibleName(tr("Frequency range in MHz"));
    m_range->setClearButtonEnabled(true);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cboFilterMode"));
    m_mode->setAccessibleName(tr("Mode"));
    m_mode->addItem(tr("Any mode"));
    for (const std::string_view mode : image::modeNames)
        m_mode->addItem(QString::fromLatin1(mode.data(), static_cast<qsizetype>(mode.size())));
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("cmdFilterClose"));
    m_close->setText(tr("Show all"));
    m_close->setAccessibleName(tr("Close the filter and show every memory"));
    m_close->setToolTip(tr("Close the filter and show every memory (Escape)"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblShownCount"));
    m_count->hide();

    auto* textLabel = new QLabel(tr("F&ilter:"), this);
    textLabel->setBuddy(m_text);
    auto* rangeLabel = new QLabel(tr("&MHz:"), this);
    rangeLabel->setBuddy(m_range);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(textLabel);
    layout->addWidget(m_text, 2);
    layout->addWidget(rangeLabel);
    layout->addWidget(m_range, 1);
    layout->addWidget(m_mode);
    layout->addWidget(m_hideFree);
    layout->addWidget(m_close);

    for (QWidget* field : {static_cast<QWidget*>(m_hideFree), static_cast<QWidget*>(m_text),
                           static_cast<QWidget*>(m_range), static_cast<QWidget*>(m_mode),
                           static_cast<QWidget*>(m_close)})
        field->installEventFilter(this);
    connect(m_text, &QLineEdit::textEdited, this, &FilterBar::apply);
    connect(m_range, &QLineEdit::textEdited, this, &FilterBar::apply);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &FilterBar::apply);
    connect(m_hideFree, &QCheckBox::toggled, this, &FilterBar::apply);
    connect(m_close, &QToolButton::clicked, this, &FilterBar::close);
    // Edited memories may leave the filter or enter it.
    connect(&session, &session::Session::memoryChanged, this, &FilterBar::applyLater);
    connect(&session, &session::Session::labelsChanged, this, &FilterBar::applyLater);
    connect(&session, &session::Session::imageReplaced, this, &FilterBar::applyLater);
    hide();
}

void FilterBar::open() {
    show();
    m_count->show();
    apply();
    m_text->setFocus();
    m_text->selectAll();
}

void FilterBar::close() {
    hide();
    m_count->hide();
    m_grid.showOnly({});
    m_grid.setFocus();
    m_grid.scrollTo(m_grid.currentIndex());
}

void FilterBar::applyLater() {
    if (isHidden() || m_applyPending)
        return;
    m_applyPending = true;
    QTimer::singleShot(0, this, [this] {
        m_applyPending = false;
        if (!isHidden())
            apply();
    });
}

void FilterBar::apply() {
    image::MemoryFilter filter;
    filter.hideFree = m_hideFree->isChecked();
    filter.text = m_text->text().toUtf8().toStdString();
    if (!m_range->text().trimmed().isEmpty())
        filter.range = image::frequencyRangeOfText(m_range->text().toUtf8().toStdString());
    // While a range is being typed it is left out, and the status bar says how to write it.
    const bool rangeUnread = !filter.range && !m_range->text().trimmed().isEmpty();
    if (rangeUnread != m_rangeHintShown) {
        m_rangeHintShown = rangeUnread;
        emit statusMessage(rangeUnread ? tr("Frequency range: two frequencies in MHz, as 118–137")
                                       : QString());
    }
    if (m_mode->currentIndex() > 0)
        filter.mode = static_cast<std::uint8_t>(m_mode->currentIndex() - 1);
    const std::vector<bool> shown =
        image::memoriesShown(filter, m_session.image(), m_session.labels());
    m_grid.showOnly(shown);
    m_grid.scrollTo(m_grid.currentIndex());
    m_count->setText(
        tr("%1 of %2 shown").arg(std::count(shown.begin(), shown.end(), true)).arg(shown.size()));
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    // Escape here closes the bar; it does not cancel a transfer.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        close();
    return true;
}

} // namespace r36::ui
