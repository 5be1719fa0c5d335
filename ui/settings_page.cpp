#include "settings_page.h"

#include "image/settings_block.h"
#include "session/session.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <map>
#include <string>
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
    for (const std::string& choice : setting.choices)
        list->addItem(QString::fromStdString(choice));
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
    explicit Private(session::Session& session_) : session(session_) {}

    session::Session& session;
    std::vector<QComboBox*> sysLists; // sysSettings() order
    QComboBox* sys3List = nullptr;
    std::array<QLineEdit*, 10> tvBoxes{}; // key ID 1..10 at 0..9
    QPushButton* read = nullptr;
    QPushButton* write = nullptr;
};

std::vector<std::string_view> SettingsPage::groupCaptions() {
    std::vector<std::string_view> captions;
    for (const GroupPlace& place : kGroupPlaces)
        captions.push_back(place.caption);
    return captions;
}

SettingsPage::SettingsPage(session::Session& session, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>(session)) {
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
    d->sys3List = makeList(sys3, QStringLiteral("cmbSys3_1"), this); // "cmbSys3" is byte 3's
    forms.at(sys3.group)->addRow(qText(sys3.label), d->sys3List);
    focusChain[sys3.group].push_back(d->sys3List);

    connect(d->sys3List, &QComboBox::activated, this, &SettingsPage::sys3Chosen);

    // `activated` and `textEdited` come from the user only, never from showing the session's
    // selections.
    const std::vector<image::SettingDef>& settings = image::sysSettings();
    for (std::size_t index = 0; index < settings.size(); ++index) {
        const image::SettingDef& setting = settings[index];
        QComboBox* list = makeList(setting, QStringLiteral("cmbSys%1").arg(setting.byte), this);
        forms.at(setting.group)->addRow(qText(setting.label), list);
        focusChain[setting.group].push_back(list);
        d->sysLists.push_back(list);
        list->setToolTip(dependencyTip(setting.byte));
        connect(list, &QComboBox::activated, this,
                [this, index](int position) { listChosen(static_cast<int>(index), position); });
    }

    auto* keypad = new QGridLayout;
    keypad->setHorizontalSpacing(4);
    keypad->setVerticalSpacing(0);
    auto* captions = new QVBoxLayout;
    captions->addStretch();
    captions->addWidget(new QLabel(tr("Remocon"), this));
    captions->addWidget(new QLabel(tr("key ID"), this));
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
        box->setToolTip(tr("Typed in when AREA is ******; otherwise AREA fills it in"));
        connect(box, &QLineEdit::textEdited, this,
                [this, key = place.key](const QString& text) { tvEdited(key, text); });
    }
    keypad->setColumnStretch(5, 1);
    forms.at(kTvGroup)->addRow(keypad);
    for (QLineEdit* box : d->tvBoxes)
        focusChain[kTvGroup].push_back(box);

    d->read = new QPushButton(tr("Read This Page"), this);
    d->read->setObjectName(QStringLiteral("cmdReadSys"));
    d->write = new QPushButton(tr("Write This Page"), this);
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
            else
                setFocusProxy(widget); // turning to this page puts the focus here
            previous = widget;
        }
    }
    setTabOrder(previous, d->read);
    setTabOrder(d->read, d->write);

    connect(&d->session, &session::Session::settingsChanged, this,
            [this] { showSettings(d->session.settings()); });
    showSettings(d->session.settings());
}

SettingsPage::~SettingsPage() = default;

QString SettingsPage::dependencyTip(int byte) {
    // The lists other lists or boxes depend on, and those that are disabled at times, say why.
    if (byte == image::kExpertByte)
        return tr("ON lets the %1 expert settings be changed; OFF locks them and keeps their "
                  "values")
            .arg(image::expertDependents.size());
    if (image::isExpertDependent(byte))
        return tr("Enabled when EXPERT is ON");
    if (byte == image::kAreaByte)
        return tr("Fills in the TV channels of the remote-control keys; ****** lets you type "
                  "them");
    return {};
}

QPushButton* SettingsPage::readButton() const {
    return d->read;
}

QPushButton* SettingsPage::writeButton() const {
    return d->write;
}

void SettingsPage::showSettings(const image::SettingsSelections& page) {
    const std::vector<image::SettingDef>& settings = image::sysSettings();
    for (std::size_t i = 0; i < d->sysLists.size() && i < page.sysChoice.size(); ++i) {
        d->sysLists[i]->setCurrentIndex(page.sysChoice[i]);
        d->sysLists[i]->setEnabled(page.expertOn() || !image::isExpertDependent(settings[i].byte));
    }
    d->sys3List->setCurrentIndex(page.sys3Choice);
    for (std::size_t k = 0; k < d->tvBoxes.size(); ++k) {
        const QString text = QString::fromStdString(page.tvText[k]);
        if (d->tvBoxes[k]->text() != text) // keeps the cursor of a box being typed in
            d->tvBoxes[k]->setText(text);
        d->tvBoxes[k]->setEnabled(page.tvEnabled);
    }
}

void SettingsPage::listChosen(int index, int position) {
    image::SettingsSelections page = d->session.settings();
    if (image::sysSettings()[static_cast<std::size_t>(index)].byte == image::kAreaByte)
        image::selectArea(page, position);
    else
        page.sysChoice[static_cast<std::size_t>(index)] = position;
    d->session.setSettings(page);
    showSettings(page);
}

void SettingsPage::sys3Chosen(int position) {
    image::SettingsSelections page = d->session.settings();
    page.sys3Choice = position;
    d->session.setSettings(page);
}

void SettingsPage::tvEdited(int key, const QString& text) {
    image::SettingsSelections page = d->session.settings();
    page.tvText[static_cast<std::size_t>(key - 1)] = text.toStdString();
    d->session.setSettings(page);
}

} // namespace r36::ui
