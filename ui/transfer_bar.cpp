#include "transfer_bar.h"

#include "transfer_texts.h"
#include "twips.h"

#include "session/transfer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <chrono>

namespace r36::ui {

namespace {
// A memory takes a few milliseconds on the line; painting the display for each one would slow
// the transfer down, and the eye cannot follow it anyway.
constexpr std::chrono::milliseconds kProgressInterval{40};
} // namespace

TransferBar::TransferBar(QWidget* parent) : QWidget(parent) {
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pBar"));
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Progress"));
    // A fixed size: the text changes with every memory of a transfer, and a label that could
    // grow would lay the whole window out again each time. Wide enough for the longest text.
    int textWidth = 0;
    using Kind = session::TransferStep::Kind;
    for (Kind kind : {Kind::Memory, Kind::Piece, Kind::Verify})
        textWidth = std::max(textWidth, m_text->fontMetrics().horizontalAdvance(
                                            TransferTexts::progressText({kind, 8888, 8888})));
    m_text->setFixedSize(textWidth + px(300), m_bar->sizeHint().height());
    m_text->setFrameShape(QFrame::StyledPanel);
    m_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setAutoDefault(false);
    m_cancel->setToolTip(tr("Stop the transfer before its next exchange (Esc)"));
    // The row keeps its layout whether or not a transfer runs.
    QSizePolicy policy = m_cancel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_cancel->setSizePolicy(policy);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &TransferBar::cancelRequested);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, px(90), 0, 0);
    row->addWidget(m_bar, 1);
    row->addWidget(m_text);
    row->addWidget(m_cancel);
}

void TransferBar::transferStarted() {
    m_shown.invalidate();
    m_cancel->setEnabled(true);
    m_cancel->show();
}

void TransferBar::showProgress(int minimum, int maximum, int value,
                               const session::TransferStep& step) {
    const bool rangeChanged = minimum != m_bar->minimum() || maximum != m_bar->maximum();
    if (!rangeChanged && value != maximum && m_shown.isValid() &&
        m_shown.elapsed() < kProgressInterval.count())
        return;
    m_shown.start();
    m_bar->setRange(minimum, maximum);
    m_bar->setValue(value);
    m_text->setText(TransferTexts::progressText(step));
}

void TransferBar::transferEnded() {
    m_cancel->hide();
    m_bar->setValue(m_bar->minimum());
    m_text->clear();
}

void TransferBar::showRows(int row, int rows) {
    if (m_bar->maximum() != rows)
        m_bar->setRange(0, rows);
    m_bar->setValue(row);
    if (row % 100 == 0)
        m_bar->repaint(); // the export does not return to the event loop until done
}

} // namespace r36::ui
