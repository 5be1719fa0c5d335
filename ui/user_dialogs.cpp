#include "user_dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

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

// No default suffix is added here: the window decides what a name typed without one gets.
QString QtUserDialogs::openFileName(QWidget* parent, const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, {}, folder, filter);
}

QString QtUserDialogs::saveFileName(QWidget* parent, const QString& filter, const QString& start) {
    return QFileDialog::getSaveFileName(parent, {}, start, filter);
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

int QtUserDialogs::choose(QWidget* parent, const Choice& choice, int* line) {
    QDialog dialog(parent);
    dialog.setObjectName(choice.objectName);
    dialog.setWindowTitle(choice.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(choice.text, &dialog);
    text->setWordWrap(true);
    layout->addWidget(text);
    QListWidget* list = nullptr;
    if (!choice.lines.isEmpty()) {
        list = new QListWidget(&dialog);
        list->setObjectName(QStringLiteral("lstLines"));
        list->setAccessibleName(choice.text);
        list->addItems(choice.lines);
        list->setSelectionMode(choice.pickLine ? QAbstractItemView::SingleSelection
                                               : QAbstractItemView::NoSelection);
        list->setMinimumWidth(640);
        layout->addWidget(list);
    }
    auto* buttons = new QDialogButtonBox(&dialog);
    int chosen = -1;
    for (int k = 0; k < choice.buttons.size(); ++k) {
        QPushButton* button = buttons->addButton(choice.buttons[k], QDialogButtonBox::ActionRole);
        button->setDefault(k == 0);
        // Picking needs a line; the last button (Cancel) never does.
        if (choice.pickLine && list && k + 1 < choice.buttons.size()) {
            button->setEnabled(false);
            QObject::connect(list, &QListWidget::currentRowChanged, button,
                             [button](int row) { button->setEnabled(row >= 0); });
        }
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, k] {
            chosen = k;
            dialog.accept();
        });
    }
    layout->addWidget(buttons);
    if (list && choice.currentLine >= 0)
        list->setCurrentRow(choice.currentLine);
    if (list && choice.pickLine)
        QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, [&dialog, &chosen] {
            chosen = 0;
            dialog.accept();
        });
    dialog.exec();
    if (line)
        *line = list ? list->currentRow() : -1;
    return chosen;
}

bool QtUserDialogs::askText(QWidget* parent, const QString& title, const QString& label,
                            QString& text) {
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = typed;
    return ok;
}

bool UserDialogs::askPrinter(QWidget*, QPrinter&) {
    return false;
}

void UserDialogs::previewPrint(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) {}

bool QtUserDialogs::askPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frmPrint"));
    return dialog.exec() == QDialog::Accepted;
}

void QtUserDialogs::previewPrint(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frmPrintPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* pages) { paint(*pages); });
    dialog.exec();
}

} // namespace r36::ui
