#include "partition_editor.h"

#include "edit_reports.h"
#include "twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace r36::ui {

namespace {

constexpr int kRows = 10;
constexpr int kColumns = image::kBankCount / kRows;

} // namespace

PartitionEditor::PartitionEditor(session::Session& session, QWidget* parent)
    : QGroupBox(parent), m_session(session) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < kColumns; ++column) {
        auto* heading = new QLabel(QStringLiteral("%1x").arg(column), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int row = 0; row < kRows; ++row)
        grid->addWidget(new QLabel(QString::number(row), this), row + 1, 0, Qt::AlignRight);

    // Digits only, at most four: the key filter below does the work; the validator also stops
    // what does not come as keys (input methods).
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,4}")), this);
    for (int bank = 0; bank < image::kBankCount; ++bank) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtPartition%1").arg(bank));
        box->setFixedWidth(px(600));
        box->setAlignment(Qt::AlignRight);
        box->setValidator(validator);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setDragEnabled(false);
        box->setAcceptDrops(false);
        box->setAccessibleName(tr("Bank %1 count").arg(bank));
        box->installEventFilter(this);
        m_boxes[bank] = box;
        grid->addWidget(box, bank % kRows + 1, bank / kRows + 1);
    }

    m_total = new QLineEdit(QStringLiteral("1000"), this);
    m_total->setObjectName(QStringLiteral("total_mem"));
    m_total->setReadOnly(true);
    m_total->setFixedWidth(px(800));
    m_total->setAlignment(Qt::AlignRight);
    m_total->setContextMenuPolicy(Qt::NoContextMenu);
    m_total->setFocusPolicy(Qt::NoFocus); // shown, never edited: Tab passes it by

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch();
    totalRow->addWidget(new QLabel(tr("Total"), this));
    totalRow->addWidget(m_total);

    m_read = new QPushButton(tr("Bank Read"), this);
    m_read->setObjectName(QStringLiteral("cmdReadBank"));
    m_write = new QPushButton(tr("Bank Write"), this);
    m_write->setObjectName(QStringLiteral("cmdWriteBank"));
    m_reset = new QPushButton(tr("Reset"), this);
    m_reset->setObjectName(QStringLiteral("cmdInitBank"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addWidget(m_reset);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(totalRow);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(&m_session, &session::Session::partitionChanged, this, &PartitionEditor::showPartition);
    showPartition();
}

PartitionEditor::~PartitionEditor() {
    // The boxes lose the focus while they are destroyed; that must not commit into a session
    // that may already be gone.
    for (QLineEdit* box : m_boxes)
        box->removeEventFilter(this);
}

void PartitionEditor::showPartition() {
    const auto& counts = m_session.bankCounts();
    for (int bank = 0; bank < image::kBankCount; ++bank)
        m_boxes[bank]->setText(QString::number(counts[bank]));
    const int total = m_session.displayedTotal();
    m_total->setText(QString::number(total));
    // The same colour in every state: the box may be repainted while the page is disabled.
    QPalette palette = m_total->palette();
    palette.setColor(QPalette::Text,
                     m_session.partitionValid()
                         ? QWidget::palette().color(QPalette::Active, QPalette::WindowText)
                         : QColor(255, 0, 0));
    m_total->setPalette(palette);
    const QString problem = partitionProblem(m_session);
    m_total->setAccessibleName(tr("Total %1").arg(total));
    m_total->setAccessibleDescription(problem);
    m_write->setToolTip(problem);
}

QString partitionProblem(const session::Session& session) {
    if (session.partitionValid())
        return {};
    return PartitionEditor::tr("The bank counts total %1; they must total %2")
        .arg(session.displayedTotal())
        .arg(image::kBankAreaSize);
}

void PartitionEditor::commitPartitionEdit(int bank) {
    if (m_asking)
        return;
    const QString text = m_boxes.at(bank)->text();
    const std::optional<image::BankMove> move = m_session.bankMoveOnCommit(bank, text);
    auto how = session::Session::CountsChange::OnlyCounts;
    if (move && m_moveQuestion) {
        m_asking = true;
        const auto answer = m_moveQuestion(*move);
        m_asking = false;
        if (!answer) {
            showPartition();
            return;
        }
        how = *answer;
    }
    m_session.commitBankCount(bank, text, how);
    if (!move)
        return;
    if (how == session::Session::CountsChange::MoveChannels && !move->refusal)
        emit statusMessage(tr("Every channel stays in its bank: %1 moved — Ctrl+Z undoes")
                               .arg(EditReports::channels(move->moved)));
    else
        emit statusMessage(tr("Only the counts changed: %1 now under another label — Ctrl+Z "
                              "undoes")
                               .arg(EditReports::channels(move->relabelled)));
}

void PartitionEditor::commitFocusedBox() {
    const int bank = boxIndex(focusWidget());
    if (bank >= 0 && m_boxes[bank]->hasFocus())
        commitPartitionEdit(bank);
}

int PartitionEditor::boxIndex(QObject* object) const {
    const auto found = std::find(m_boxes.begin(), m_boxes.end(), object);
    return found == m_boxes.end() ? -1 : static_cast<int>(found - m_boxes.begin());
}

bool PartitionEditor::eventFilter(QObject* watched, QEvent* event) {
    const int bank = boxIndex(watched);
    if (bank < 0)
        return QGroupBox::eventFilter(watched, event);

    if (event->type() == QEvent::FocusOut) {
        commitPartitionEdit(bank); // leaving a box is the same as pressing Enter in it
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        commitPartitionEdit(bank);
        return true;
    }
    // Only typed characters are filtered: the editing keys (arrows, Home, End, Delete,
    // Backspace, Tab, the Ctrl shortcuts) do their usual work; moving the focus on commits
    // through FocusOut.
    const QString text = key->text();
    const bool typed =
        text.size() == 1 && text[0].isPrint() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed)
        return false;
    const bool digit = text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
    // Four characters is the limit even when they are selected: a fifth digit is refused.
    return !(digit && m_boxes[bank]->text().size() < image::kMaxBankCountDigits);
}

} // namespace r36::ui
