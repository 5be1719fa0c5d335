#include "user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace r36::ui {

namespace {

QMessageBox::Icon boxIcon(UserDialogs::Icon icon) {
    switch (icon) {
    case UserDialogs::Icon::Information:
        return QMessageBox::Information;
    case UserDialogs::Icon::Warning:
        return QMessageBox::Warning;
    case UserDialogs::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// No default suffix is added: a name typed without extension is returned as typed.
QString QtUserDialogs::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, {}, {}, filter);
}

QString QtUserDialogs::saveFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, {}, {}, filter);
}

void QtUserDialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                            const QString& details) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box.setInformativeText(details);
    box.exec();
}

bool QtUserDialogs::askOkCancel(QWidget* parent, Icon icon, const QString& title,
                                const QString& text) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace r36::ui
