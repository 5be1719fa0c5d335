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

    auto* licence = new QLabel(
        QCoreApplication::translate(
            "r36::ui::AboutText",
            "Free software under the <a href=\"%1\">GNU General Public License</a>, version 3 "
            "or later.")
            .arg(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")),
        &window);
    licence->setObjectName(QStringLiteral("lblLicence"));
    licence->setAlignment(Qt::AlignCenter);
    licence->setOpenExternalLinks(true);
    layout->addWidget(licence);
}

} // namespace r36::ui
