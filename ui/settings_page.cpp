#include "settings_page.h"

#include "image/settings_block.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>
#include <map>
#include <string_view>
#include <vector>

namespace r36::ui {

namespace {

// Where each group sits: the groups read column by column in the receiver's menu order, and the
// columns are filled so that the whole page fits the 16700 x 7155 twip frame (about 1113 x 477
// px) without scrolling.
struct GroupPlace {
    std::string_view caption;
    int column;
};
constexpr std::array<GroupPlace, 13> kGroupPlaces{{
    {"<DISP>", 0},
    {"<POW>", 0},
    {"<RX>", 1},
    {"<MRN>", 1},
    {"<SCAN>", 1},
    {"<KEY>", 2},
    {"<MR>", 2},
    {"<EWS>", 3},
    {"<SND>", 3},
    {"<BUG>", 3},
    {"<RMCN>", 3},
    {"[misc]", 4},
    {"[Preset]", 5},
}};
constexpr int kColumnCount = 6;
// The TV channel boxes go into the group of the AREA list that fills them.
constexpr std::string_view kTvGroup = "[Preset]";

// Remote-control key IDs in keypad order: three rows of three, key 10 right of the middle row.
struct KeyPlace {
    int key;
    int row;
    int column;
};
constexpr std::array<KeyPlace, 10> kKeypad{{
    {1, 0, 0},
    {2, 0, 1},
    {3, 0, 2},
    {4, 1, 0},
    {5, 1, 1},
    {6, 1, 2},
    {10, 1, 3},
    {7, 2, 0},
    {8, 2, 1},
    {9, 2, 2},
}};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* makeList(const image::SettingDef& setting, const QString& objectName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    // Every choice carries the byte value it stores: its code in a coded list, its position
    // otherwise.
    const int count = static_cast<int>(setting.choices.size());
    for (int position = 0; position < count; ++position)
        list->addItem(QString::fromStdString(setting.choices[static_cast<size_t>(position)]),
                      image::valueForChoice(setting, position));
    list->setMaxVisibleItems(20);
    return list;
}

QFormLayout* makeForm(QGroupBox* group) {
    auto* form = new QFormLayout(group);
    form->setContentsMargins(6, 2, 6, 4);
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(2);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

struct SettingsPage::Private {
    std::vector<QComboBox*> sysLists; // sysSettings() order
    std::map<int, QComboBox*> listOfByte;
    QComboBox* sys3List = nullptr;
    QComboBox* areaList = nullptr;
    QComboBox* expertList = nullptr;
    std::array<QLineEdit*, 10> tvBoxes{}; // key ID 1..10 at 0..9
    QPushButton* read = nullptr;
    QPushButton* write = nullptr;
};

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>()) {
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(6);
    std::array<QVBoxLayout*, kColumnCount> columnLayouts{};
    for (auto& column : columnLayouts) {
        column = new QVBoxLayout;
        column->setSpacing(4);
        columns->addLayout(column);
    }
    columns->addStretch();

    std::map<std::string_view, QFormLayout*> forms;
    // Tab goes through the groups as they are read, not in the lists' visiting order.
    std::map<std::string_view, std::vector<QWidget*>> focusChain;
    for (const GroupPlace& place : kGroupPlaces) {
        auto* group = new QGroupBox(qText(place.caption), this);
        forms[place.caption] = makeForm(group);
        columnLayouts[static_cast<size_t>(place.column)]->addWidget(group);
    }

    // The third block's one list leads its group, as in the receiver's menu.
    const image::SettingDef& sys3 = image::sys3Setting();
    d->sys3List = makeList(sys3, QStringLiteral("cmbSys3"), this);
    forms.at(sys3.group)->addRow(qText(sys3.label), d->sys3List);
    focusChain[sys3.group].push_back(d->sys3List);

    for (const image::SettingDef& setting : image::sysSettings()) {
        QComboBox* list = makeList(setting, QStringLiteral("cmbSys%1").arg(setting.byte), this);
        forms.at(setting.group)->addRow(qText(setting.label), list);
        focusChain[setting.group].push_back(list);
        d->sysLists.push_back(list);
        d->listOfByte[setting.byte] = list;
        connect(list, &QComboBox::activated, this, &SettingsPage::edited);
    }
    connect(d->sys3List, &QComboBox::activated, this, &SettingsPage::edited);

    // Both handlers run whenever the selection changes, by the user or by code; putOnWidgets
    // blocks them because it sets the boxes and enabled states itself.
    d->expertList = d->listOfByte.at(image::kExpertByte);
    connect(d->expertList, &QComboBox::currentIndexChanged, this,
            [this] { applyExpert(selections().expertOn()); });
    d->areaList = d->listOfByte.at(image::kAreaByte);
    connect(d->areaList, &QComboBox::currentIndexChanged, this, &SettingsPage::areaChosen);

    auto* keypad = new QGridLayout;
    keypad->setHorizontalSpacing(4);
    keypad->setVerticalSpacing(0);
    auto* captions = new QVBoxLayout;
    captions->addStretch();
    captions->addWidget(new QLabel(QStringLiteral("Remocon"), this));
    captions->addWidget(new QLabel(QStringLiteral("key ID"), this));
    captions->addStretch();
    keypad->addLayout(captions, 0, 0, 6, 1);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8;
    for (const KeyPlace& place : kKeypad) {
        auto* number = new QLabel(QString::number(place.key), this);
        number->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtTV%1").arg(place.key));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(boxWidth);
        keypad->addWidget(number, 2 * place.row, 1 + place.column);
        keypad->addWidget(box, 2 * place.row + 1, 1 + place.column);
        d->tvBoxes[static_cast<size_t>(place.key - 1)] = box;
        connect(box, &QLineEdit::textEdited, this, &SettingsPage::edited);
    }
    keypad->setColumnStretch(5, 1);
    forms.at(kTvGroup)->addRow(keypad);
    for (QLineEdit* box : d->tvBoxes)
        focusChain[kTvGroup].push_back(box);

    d->read = new QPushButton(QStringLiteral("Read This Page"), this);
    d->read->setObjectName(QStringLiteral("cmdReadSys"));
    d->write = new QPushButton(QStringLiteral("Write This Page"), this);
    d->write->setObjectName(QStringLiteral("cmdWriteSys"));
    QVBoxLayout* lastColumn = columnLayouts.back();
    lastColumn->addStretch();
    lastColumn->addWidget(d->read);
    lastColumn->addWidget(d->write);
    for (size_t column = 0; column + 1 < columnLayouts.size(); ++column)
        columnLayouts[column]->addStretch();

    QWidget* previous = nullptr;
    for (const GroupPlace& place : kGroupPlaces) {
        for (QWidget* widget : focusChain[place.caption]) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
    setTabOrder(previous, d->read);
    setTabOrder(d->read, d->write);

    // A new page shows the default blocks, as start-up does: EXPERT "OFF", AREA "******", every
    // TV box "-" and open for typing.
    putOnWidgets(image::SettingsSelections{});
    showSysBlock(image::defaultSysBlock());
    showSys3Block(image::defaultSys3Block());
}

SettingsPage::~SettingsPage() = default;

void SettingsPage::showSysBlock(const std::string& sysBlock) {
    image::SettingsSelections page = selections();
    image::showSysBlock(page, sysBlock);
    putOnWidgets(page);
}

void SettingsPage::showSys3Block(const std::string& sys3Block) {
    image::SettingsSelections page = selections();
    image::showSys3Block(page, sys3Block);
    putOnWidgets(page);
}

void SettingsPage::showRemoconId(const std::string& remoconId) {
    image::SettingsSelections page = selections();
    image::showRemoconId(page, remoconId);
    putOnWidgets(page);
}

void SettingsPage::storeSysBlock(std::string& sysBlock) const {
    image::storeSysBlock(selections(), sysBlock);
}

void SettingsPage::storeSys3Block(std::string& sys3Block) const {
    image::storeSys3Block(selections(), sys3Block);
}

void SettingsPage::storeRemoconId(std::string& remoconId) const {
    remoconId = image::storeRemoconId(selections().tvText);
}

image::SettingsSelections SettingsPage::selections() const {
    image::SettingsSelections page;
    for (size_t i = 0; i < d->sysLists.size(); ++i)
        page.sysChoice[i] = d->sysLists[i]->currentIndex();
    page.sys3Choice = d->sys3List->currentIndex();
    for (size_t k = 0; k < d->tvBoxes.size(); ++k)
        page.tvText[k] = d->tvBoxes[k]->text().toStdString();
    // Relative to the page: the main window disables the whole page during a transfer, and the
    // hooks that show and store run inside it.
    page.tvEnabled = d->tvBoxes[0]->isEnabledTo(this);
    return page;
}

QPushButton* SettingsPage::readButton() const {
    return d->read;
}
QPushButton* SettingsPage::writeButton() const {
    return d->write;
}

QComboBox* SettingsPage::sysList(int byte) const {
    const auto found = d->listOfByte.find(byte);
    return found == d->listOfByte.end() ? nullptr : found->second;
}

QComboBox* SettingsPage::sys3List() const {
    return d->sys3List;
}

QLineEdit* SettingsPage::tvBox(int key) const {
    if (key < 1 || key > static_cast<int>(d->tvBoxes.size()))
        return nullptr;
    return d->tvBoxes[static_cast<size_t>(key - 1)];
}

void SettingsPage::putOnWidgets(const image::SettingsSelections& page) {
    for (size_t i = 0; i < d->sysLists.size(); ++i) {
        const QSignalBlocker blocker(d->sysLists[i]);
        d->sysLists[i]->setCurrentIndex(page.sysChoice[i]);
    }
    {
        const QSignalBlocker blocker(d->sys3List);
        d->sys3List->setCurrentIndex(page.sys3Choice);
    }
    for (size_t k = 0; k < d->tvBoxes.size(); ++k) {
        d->tvBoxes[k]->setText(QString::fromStdString(page.tvText[k]));
        d->tvBoxes[k]->setEnabled(page.tvEnabled);
    }
    applyExpert(page.expertOn());
}

void SettingsPage::applyExpert(bool expertOn) {
    const std::vector<image::SettingDef>& settings = image::sysSettings();
    for (size_t i = 0; i < settings.size(); ++i) {
        if (image::isExpertDependent(settings[i].byte))
            d->sysLists[i]->setEnabled(expertOn);
    }
}

void SettingsPage::areaChosen() {
    image::SettingsSelections page = selections();
    const int position = d->areaList->currentIndex();
    if (position < 0)
        return; // nothing selected: the boxes stay as they are
    image::selectArea(page, position);
    putOnWidgets(page);
}

} // namespace r36::ui
