#include "detail_form_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

namespace r36::ui {

// A text box just wide enough for `chars` digits, so the form reads like the receiver's display.
QLineEdit* digitBox(QWidget* parent, const QString& name, int chars, Qt::Alignment alignment,
                    const QFont& font) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setMaxLength(chars);
    box->setAlignment(alignment | Qt::AlignVCenter);
    const int frameWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars + 1, QLatin1Char('0'))) +
                       2 * frameWidth + 8);
    return box;
}

QLabel* fullWidthPoint(QWidget* parent) {
    return new QLabel(QStringLiteral("\uFF0E"), parent); // "．"
}

// Option buttons whose ids are the record's list positions. A hidden option keeps its place so
// the frame does not change shape when "auto" hides it.
QButtonGroup* addOptions(QWidget* frame, QGridLayout* grid, const QStringList& captions,
                         const QString& name, int columns) {
    auto* group = new QButtonGroup(frame);
    for (int k = 0; k < captions.size(); ++k) {
        auto* button = new QRadioButton(captions[k], frame);
        button->setObjectName(name + QString::number(k));
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        group->addButton(button, k);
        grid->addWidget(button, k / columns, k % columns);
    }
    grid->setColumnStretch(columns, 1); // options stay packed to the left, in even columns
    return group;
}

QCheckBox* autoBox(QWidget* frame, const QString& name) {
    auto* box =
        new QCheckBox(QCoreApplication::translate("r36::ui::MemoryDetailDialog", "auto"), frame);
    box->setObjectName(name);
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    return box;
}

// Tab enters a group of options on its chosen one (on the first while none is chosen); the
// arrow keys move within the group.
void tabToChosen(QButtonGroup* group) {
    const QList<QAbstractButton*> buttons = group->buttons();
    QAbstractButton* chosen = group->checkedButton();
    for (QAbstractButton* button : buttons) {
        const bool entry = chosen ? button == chosen : button == buttons.front();
        button->setFocusPolicy(entry ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// Selects option `index`, or none for a byte beyond the list.
void selectOption(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void selectEntry(QComboBox* list, int index) {
    list->setCurrentIndex(index < list->count() ? index : -1);
}

// The chosen position, or the shown byte while nothing is chosen.
int chosenOption(const QButtonGroup* group, int loadedByte) {
    const int id = group->checkedId();
    return id >= 0 ? id : loadedByte;
}

int chosenEntry(const QComboBox* list, int loadedByte) {
    const int index = list->currentIndex();
    return index >= 0 ? index : loadedByte;
}

// A flag byte other than 0 or 1 shows as the undecided state until the user clicks the box.
void showFlag(QCheckBox* box, int value) {
    box->setTristate(value > 1);
    box->setCheckState(value == 1 ? Qt::Checked : value > 1 ? Qt::PartiallyChecked : Qt::Unchecked);
}

int chosenFlag(const QCheckBox* box, int shownByte) {
    const Qt::CheckState state = box->checkState();
    return state == Qt::PartiallyChecked ? shownByte : state == Qt::Checked ? 1 : 0;
}

} // namespace r36::ui
