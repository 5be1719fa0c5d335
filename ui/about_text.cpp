#include "about_text.h"

#include "app_texts.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace r36::ui {

void buildAboutText(QWidget& window, bool withDate) {
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(24, 20, 24, 20);

    auto* name = new QLabel(appName, &window);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto* version = new QLabel(
        QCoreApplication::translate("r36::ui::AboutText", "Version %1").arg(appVersion), &window);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);

    if (withDate) {
        auto* date = new QLabel(appDate, &window);
        date->setAlignment(Qt::AlignCenter);
        layout->addWidget(date);
    }

    auto* notice =
        new QLabel(QCoreApplication::translate(
                       "r36::ui::AboutText",
                       "Clone utility and memory editor for the QB-R36 receiver.\n"
                       "Provided as is, without warranty of any kind. Keep a clone file of\n"
                       "your receiver before you write to it."),
                   &window);
    notice->setAlignment(Qt::AlignCenter);
    layout->addSpacing(8);
    layout->addWidget(notice);
}

} // namespace r36::ui
