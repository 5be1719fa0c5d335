#include "version_window.h"

#include "about_text.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace r36::ui {

VersionWindow::VersionWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVersion"));
    setWindowTitle(tr("Version"));
    buildAboutText(*this, true);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

} // namespace r36::ui
