#include "memory_detail_dialog.h"

#include "image/memory_areas.h"
#include "image/memory_fields.h"
#include "image/value_lists.h"
#include "session/memory_field_text.h"
#include "session/session.h"
#include "ui/detail_form_widgets.h"
#include "ui/twips.h"
#include "ui/user_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <vector>

namespace r36::ui {

namespace {

constexpr int kTopOffsetTwips = 1000;

constexpr int kFractionDigits = 6;
constexpr int kFrequencyMHzChars = 4; // 0..1299 and a little room for what the receiver holds
constexpr int kOffsetMHzChars = 3;    // offsets stay below 1000 MHz

constexpr int kModeColumns = 3;
constexpr int kStepColumns = 4;
constexpr int kSubtoneColumns = 5;

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N> QStringList listTexts(const std::array<std::string_view, N>& list) {
    QStringList texts;
    for (const auto name : list)
        texts << latin1(name);
    return texts;
}

} // namespace

struct MemoryDetailDialog::Private {
    Private(MemoryDetailDialog* dialog, session::Session& session_, int memory,
            UserDialogs& userDialogs)
        : q(dialog), session(session_), curMemory(memory), dialogs(userDialogs) {}

    MemoryDetailDialog* q;
    session::Session& session;
    int curMemory;
    UserDialogs& dialogs;

    // The values last shown: the source of every byte the form shows as unset.
    image::MemoryFields shown;

    QLabel* memoryLabel = nullptr;
    QLineEdit* freqMHz = nullptr;
    QLineEdit* freqFraction = nullptr;
    QButtonGroup* modeGroup = nullptr;
    QCheckBox* autoMode = nullptr;
    QButtonGroup* stepGroup = nullptr;
    QCheckBox* autoStep = nullptr;
    QButtonGroup* shiftGroup = nullptr;
    QLineEdit* offsetMHz = nullptr;
    QLineEdit* offsetFraction = nullptr;
    QButtonGroup* subtoneGroup = nullptr;
    QComboBox* toneList = nullptr;
    QComboBox* dcsList = nullptr;
    QComboBox* trainList = nullptr;
    QCheckBox* skip = nullptr;
    QLineEdit* name = nullptr;
    QPushButton* prevButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void buildForm();
    QWidget* buildModeFrame();
    QWidget* buildStepFrame();
    QWidget* buildShiftFrame();
    QWidget* buildSubtoneFrame();
    void setTabOrder();

    void loadRecord();
    void showFields(const image::MemoryFields& fields);
    void applyVisibility();
    image::FieldsRecord buildRecord() const;
    void walk(int delta);
    void confirm();
};

void MemoryDetailDialog::Private::buildForm() {
    auto* layout = new QVBoxLayout(q);

    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(MemoryDetailDialog::tr("Memory"), q));
    memoryLabel = new QLabel(q);
    memoryLabel->setObjectName(QStringLiteral("Label2"));
    QFont labelFont = memoryLabel->font();
    labelFont.setBold(true);
    memoryLabel->setFont(labelFont);
    header->addWidget(memoryLabel);
    header->addStretch();
    layout->addLayout(header);

    // The frequency in a larger face, as the receiver's display shows it: "145．500000 ＭＨｚ".
    auto* frequency = new QHBoxLayout;
    QFont displayFont = q->font();
    displayFont.setPointSizeF(displayFont.pointSizeF() * 1.5);
    freqMHz =
        digitBox(q, QStringLiteral("txtFreqM"), kFrequencyMHzChars, Qt::AlignRight, displayFont);
    freqFraction =
        digitBox(q, QStringLiteral("txtFreqK"), kFractionDigits, Qt::AlignLeft, displayFont);
    QLabel* point = fullWidthPoint(q);
    point->setFont(displayFont);
    auto* unit = new QLabel(QStringLiteral("\uFF2D\uFF28\uFF5A"), q); // "ＭＨｚ"
    unit->setFont(displayFont);
    frequency->addWidget(freqMHz);
    frequency->addWidget(point);
    frequency->addWidget(freqFraction);
    frequency->addWidget(unit);
    frequency->addStretch();
    layout->addLayout(frequency);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildModeFrame());
    left->addWidget(buildStepFrame());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildShiftFrame());
    right->addWidget(buildSubtoneFrame());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);

    auto* bottom = new QHBoxLayout;
    skip = new QCheckBox(MemoryDetailDialog::tr("Skip"), q);
    skip->setObjectName(QStringLiteral("chkSkip"));
    bottom->addWidget(skip);
    bottom->addSpacing(24);
    auto* nameLabel = new QLabel(QStringLiteral("\uFF2E\uFF21\uFF2D\uFF25"), q); // "ＮＡＭＥ"
    name = new QLineEdit(q);
    name->setObjectName(QStringLiteral("txtName"));
    // The record holds single-byte codes 0x20..0x7E; nothing else may enter the box. The length
    // is free while typing: storing keeps the first six characters.
    name->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}]*")), name));
    name->setFixedWidth(name->fontMetrics().horizontalAdvance(QString(12, QLatin1Char('W'))));
    nameLabel->setBuddy(name);
    bottom->addWidget(nameLabel);
    bottom->addWidget(name);
    bottom->addStretch();
    layout->addLayout(bottom);

    auto* buttons = new QHBoxLayout;
    prevButton = new QPushButton(MemoryDetailDialog::tr("   PREV.     <<"), q);
    prevButton->setObjectName(QStringLiteral("cmdBack"));
    nextButton = new QPushButton(MemoryDetailDialog::tr("   NEXT      >>"), q);
    nextButton->setObjectName(QStringLiteral("cmdNext"));
    clearButton = new QPushButton(MemoryDetailDialog::tr("Clear"), q);
    clearButton->setObjectName(QStringLiteral("DETAIL_CLEAR"));
    okButton = new QPushButton(MemoryDetailDialog::tr("OK"), q);
    okButton->setObjectName(QStringLiteral("DETAIL_ENTER"));
    cancelButton = new QPushButton(MemoryDetailDialog::tr("Cancel"), q);
    cancelButton->setObjectName(QStringLiteral("DETAIL_CANCEL"));
    // Enter always means OK, wherever the focus is; Space presses the focused button.
    for (QPushButton* button : {prevButton, nextButton, clearButton, cancelButton})
        button->setAutoDefault(false);
    okButton->setAutoDefault(false);
    okButton->setDefault(true);
    buttons->addWidget(prevButton);
    buttons->addWidget(nextButton);
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* MemoryDetailDialog::Private::buildModeFrame() {
    auto* frame = new QGroupBox(MemoryDetailDialog::tr("Modulation Mode"), q);
    auto* grid = new QGridLayout(frame);
    modeGroup = addOptions(frame, grid, listTexts(image::modeNames), QStringLiteral("optMode"),
                           kModeColumns);
    autoMode = autoBox(frame, QStringLiteral("chkAutoMode"));
    grid->addWidget(autoMode, 1, 0);
    return frame;
}

QWidget* MemoryDetailDialog::Private::buildStepFrame() {
    auto* frame = new QGroupBox(MemoryDetailDialog::tr("Step"), q);
    auto* grid = new QGridLayout(frame);
    stepGroup = addOptions(frame, grid, listTexts(image::stepNames), QStringLiteral("optStep"),
                           kStepColumns);
    autoStep = autoBox(frame, QStringLiteral("chkAutoStep"));
    grid->addWidget(autoStep, static_cast<int>(image::stepNames.size()) / kStepColumns, 0);
    return frame;
}

QWidget* MemoryDetailDialog::Private::buildShiftFrame() {
    auto* frame = new QGroupBox(MemoryDetailDialog::tr("Shift"), q);
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    // The editor says "Off" where the memory list says "OFF".
    shiftGroup = addOptions(
        frame, grid, {MemoryDetailDialog::tr("Off"), QStringLiteral("+"), QStringLiteral("-")},
        QStringLiteral("optShift"), kModeColumns);
    layout->addLayout(grid);

    auto* caption = new QLabel(MemoryDetailDialog::tr("Offset Frequency"), frame);
    layout->addWidget(caption);
    auto* offset = new QHBoxLayout;
    offsetMHz = digitBox(frame, QStringLiteral("txtShiftFreqM"), kOffsetMHzChars, Qt::AlignRight,
                         frame->font());
    offsetFraction = digitBox(frame, QStringLiteral("txtShiftFreqK"), kFractionDigits,
                              Qt::AlignLeft, frame->font());
    caption->setBuddy(offsetMHz);
    offset->addWidget(offsetMHz);
    offset->addWidget(fullWidthPoint(frame));
    offset->addWidget(offsetFraction);
    offset->addWidget(new QLabel(QStringLiteral("MHz"), frame));
    offset->addStretch();
    layout->addLayout(offset);
    return frame;
}

QWidget* MemoryDetailDialog::Private::buildSubtoneFrame() {
    auto* frame = new QGroupBox(MemoryDetailDialog::tr("TSQ/DCS"), q);
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    // The editor says "None", "TSQ" and "SQ" for the kinds the memory list calls "OFF", "CTCSS"
    // and "REV".
    subtoneGroup = addOptions(frame, grid,
                              {MemoryDetailDialog::tr("None"), MemoryDetailDialog::tr("Train"),
                               QStringLiteral("TSQ"), QStringLiteral("SQ"), QStringLiteral("DCS")},
                              QStringLiteral("optSubtone"), kSubtoneColumns);
    layout->addLayout(grid);

    auto* lists = new QFormLayout;
    const auto addList = [&](const QString& caption, const QString& objectName,
                             const QStringList& entries) {
        auto* list = new QComboBox(frame);
        list->setObjectName(objectName);
        list->addItems(entries);
        list->setMaxVisibleItems(15);
        auto* label = new QLabel(caption, frame);
        label->setBuddy(list);
        lists->addRow(label, list);
        return list;
    };
    toneList = addList(MemoryDetailDialog::tr("Tone"), QStringLiteral("cmbTone"),
                       listTexts(image::ctcssTones));
    dcsList = addList(MemoryDetailDialog::tr("DCS Code"), QStringLiteral("cmbDCS"),
                      listTexts(image::dcsCodes));
    trainList = addList(MemoryDetailDialog::tr("Train"), QStringLiteral("cmbTrain"),
                        listTexts(image::trainTones));
    layout->addLayout(lists);
    return frame;
}

void MemoryDetailDialog::Private::setTabOrder() {
    std::vector<QWidget*> order{freqMHz, freqFraction};
    for (QAbstractButton* button : modeGroup->buttons())
        order.push_back(button);
    order.push_back(autoMode);
    for (QAbstractButton* button : stepGroup->buttons())
        order.push_back(button);
    order.push_back(autoStep);
    for (QAbstractButton* button : shiftGroup->buttons())
        order.push_back(button);
    order.insert(order.end(), {offsetMHz, offsetFraction});
    for (QAbstractButton* button : subtoneGroup->buttons())
        order.push_back(button);
    order.insert(order.end(), {toneList, dcsList, trainList, skip, name, prevButton, nextButton,
                               clearButton, okButton, cancelButton});
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
}

void MemoryDetailDialog::Private::loadRecord() {
    const auto& labels = session.labels();
    const auto memory = static_cast<std::size_t>(curMemory);
    memoryLabel->setText(memory < labels.size() ? QString::fromStdString(labels[memory])
                                                : QString());
    const auto& records = session.image().memRecord;
    showFields(image::fieldsOfRecord(memory < records.size() ? records[memory] : std::string(),
                                     curMemory));
}

void MemoryDetailDialog::Private::showFields(const image::MemoryFields& fields) {
    shown = fields;
    freqMHz->setText(QString::fromStdString(fields.frequencyMHz));
    freqFraction->setText(QString::fromStdString(fields.frequencyFraction));
    offsetMHz->setText(QString::fromStdString(fields.offsetMHz));
    offsetFraction->setText(QString::fromStdString(fields.offsetFraction));
    selectOption(modeGroup, fields.mode);
    selectOption(stepGroup, fields.step);
    selectOption(shiftGroup, fields.shift);
    selectOption(subtoneGroup, fields.subtone);
    selectEntry(toneList, fields.toneIndex);
    selectEntry(dcsList, fields.dcsIndex);
    selectEntry(trainList, fields.trainIndex);
    showFlag(skip, fields.skip);
    showFlag(autoStep, fields.autoStep);
    showFlag(autoMode, fields.autoMode);
    name->setText(QString::fromStdString(fields.name));
    applyVisibility();
}

void MemoryDetailDialog::Private::applyVisibility() {
    for (QCheckBox* box : {autoMode, autoStep})
        box->setVisible(image::isPrgMemory(curMemory));
    // A hidden option keeps its selection, and the record still stores it.
    for (QAbstractButton* button : modeGroup->buttons())
        button->setVisible(autoMode->checkState() != Qt::Checked);
    for (QAbstractButton* button : stepGroup->buttons())
        button->setVisible(autoStep->checkState() != Qt::Checked);
}

image::FieldsRecord MemoryDetailDialog::Private::buildRecord() const {
    image::MemoryFields fields;
    fields.frequencyMHz = freqMHz->text().toStdString();
    fields.frequencyFraction = freqFraction->text().toStdString();
    fields.offsetMHz = offsetMHz->text().toStdString();
    fields.offsetFraction = offsetFraction->text().toStdString();
    fields.mode = chosenOption(modeGroup, shown.mode);
    fields.step = chosenOption(stepGroup, shown.step);
    fields.shift = chosenOption(shiftGroup, shown.shift);
    fields.subtone = chosenOption(subtoneGroup, shown.subtone);
    fields.toneIndex = chosenEntry(toneList, shown.toneIndex);
    fields.dcsIndex = chosenEntry(dcsList, shown.dcsIndex);
    fields.trainIndex = chosenEntry(trainList, shown.trainIndex);
    fields.skip = chosenFlag(skip, shown.skip);
    fields.autoStep = chosenFlag(autoStep, shown.autoStep);
    fields.autoMode = chosenFlag(autoMode, shown.autoMode);
    fields.name = name->text().toStdString();
    return image::recordOfFields(fields, curMemory);
}

void MemoryDetailDialog::Private::walk(int delta) {
    const int target = curMemory + delta;
    // The preset memories past the last user memory are never shown.
    if (target < 0 || target > image::lastStoredMemory)
        return;
    // Moving on stores what is valid and silently drops the rest.
    if (const image::FieldsRecord built = buildRecord(); built.ok())
        session.setMemory(curMemory, built.record);
    curMemory = target;
    loadRecord();
}

void MemoryDetailDialog::Private::confirm() {
    const image::FieldsRecord built = buildRecord();
    if (!built.ok()) {
        dialogs.message(q, UserDialogs::Icon::Critical, MemoryDetailDialog::tr("Error"),
                        MemoryDetailDialog::tr("Data invalid"),
                        session::refusalText(built.refusal));
        return;
    }
    session.setMemory(curMemory, built.record);
    q->accept();
}

MemoryDetailDialog::MemoryDetailDialog(session::Session& session, int curMemory,
                                       UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(this, session, curMemory, dialogs)) {
    Q_ASSERT(curMemory >= 0 && curMemory <= image::lastStoredMemory);
    setWindowTitle(MemoryDetailDialog::tr("Memory Setting"));
    d->buildForm();
    d->setTabOrder();

    for (QCheckBox* box : {d->skip, d->autoStep, d->autoMode})
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    for (QCheckBox* box : {d->autoStep, d->autoMode})
        connect(box, &QCheckBox::stateChanged, this, [this] { d->applyVisibility(); });
    connect(d->prevButton, &QPushButton::clicked, this, [this] { d->walk(-1); });
    connect(d->nextButton, &QPushButton::clicked, this, [this] { d->walk(+1); });
    connect(d->clearButton, &QPushButton::clicked, this,
            [this] { d->showFields(image::MemoryFields{}); });
    connect(d->okButton, &QPushButton::clicked, this, [this] { d->confirm(); });
    connect(d->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QButtonGroup* group : {d->modeGroup, d->stepGroup, d->shiftGroup, d->subtoneGroup})
        connect(group, &QButtonGroup::buttonToggled, this, [group] { tabToChosen(group); });
    // Undo and redo replace the whole document: show the memory as it now is.
    connect(&session, &session::Session::imageReplaced, this, [this] { d->loadRecord(); });
    connect(&session, &session::Session::labelsChanged, this, [this] { d->loadRecord(); });

    if (parent) {
        const QRect frame = parent->window()->frameGeometry();
        move(frame.left(), frame.top() + px(kTopOffsetTwips));
    }
    d->loadRecord();
    for (QButtonGroup* group : {d->modeGroup, d->stepGroup, d->shiftGroup, d->subtoneGroup})
        tabToChosen(group); // also for a byte beyond the list, which toggles nothing
    d->freqMHz->setFocus();
}

MemoryDetailDialog::~MemoryDetailDialog() = default;

int MemoryDetailDialog::curMemory() const {
    return d->curMemory;
}

} // namespace r36::ui
