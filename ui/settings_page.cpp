// Placeholder until the settings page lands.
#include "settings_page.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace r36::ui {

struct SettingsPage::Private {
    image::SettingsSelections page;
    QPushButton* read = nullptr;
    QPushButton* write = nullptr;
};

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>()) {
    auto* layout = new QVBoxLayout(this);
    d->read = new QPushButton(QStringLiteral("Read This Page"), this);
    d->write = new QPushButton(QStringLiteral("Write This Page"), this);
    layout->addWidget(d->read);
    layout->addWidget(d->write);
    layout->addStretch();
}
SettingsPage::~SettingsPage() = default;
void SettingsPage::showSysBlock(const std::string& b) { image::showSysBlock(d->page, b); }
void SettingsPage::showSys3Block(const std::string& b) { image::showSys3Block(d->page, b); }
void SettingsPage::showRemoconId(const std::string& b) { image::showRemoconId(d->page, b); }
void SettingsPage::storeSysBlock(std::string& b) const { image::storeSysBlock(d->page, b); }
void SettingsPage::storeSys3Block(std::string& b) const { image::storeSys3Block(d->page, b); }
void SettingsPage::storeRemoconId(std::string& b) const { b = image::storeRemoconId(d->page.tvText); }
image::SettingsSelections SettingsPage::selections() const { return d->page; }
QPushButton* SettingsPage::readButton() const { return d->read; }
QPushButton* SettingsPage::writeButton() const { return d->write; }

} // namespace r36::ui
