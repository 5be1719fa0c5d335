#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace r36::ui {

/// The questions and messages the program puts to the user, behind one small interface so tests
/// answer them with a script instead of a modal box.
class UserDialogs {
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~UserDialogs() = default;

    /// Full path chosen in the Open dialog, or empty text when cancelled. `filter` uses Qt's
    /// form, e.g. "R36 Files (*.R36);;All Files (*.*)"; the dialog opens in `folder`.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    /// Full path chosen in the Save dialog (which asks before overwriting), or empty text;
    /// `start` is the folder it opens in, or a file name proposed there.
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& start) = 0;
    /// A message box with one OK button; `details` (may be empty) is the informative text
    /// under the main text, e.g. the reason a transfer failed.
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                         const QString& details = {}) = 0;
    /// OK / Cancel question; true for OK.
    virtual bool askOkCancel(QWidget* parent, Icon icon, const QString& title,
                             const QString& text) = 0;

    /// A question with its own buttons and a list under its text: the difference before a
    /// write, the offer to read the receiver first, the backups.
    struct Choice {
        QString objectName; // of the dialog: "frmDifference"
        QString title, text;
        QStringList lines;     // shown in a list; empty: no list
        QStringList buttons;   // the first is the default
        bool pickLine = false; // a line must be selected for any button but the last
        int currentLine = -1;  // the line selected when the dialog opens; -1: none
    };
    /// Index of the button chosen, or -1 when the dialog was closed; `line` gets the index of
    /// the selected line (-1: none).
    virtual int choose(QWidget* parent, const Choice& choice, int* line = nullptr) = 0;
    /// A line of text to type, starting as `text`; false when cancelled.
    virtual bool askText(QWidget* parent, const QString& title, const QString& label,
                         QString& text) = 0;
    /// The print dialog: true to print on `printer` as set up there. Here (and in test
    /// doubles that do not print) always cancelled.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer);
    /// The print preview: `paint` lays the pages out on `printer` whenever the preview needs
    /// them; returns when the preview is closed. Here (and in test doubles) nothing is shown.
    virtual void previewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& paint);
};

/// The real dialogs: QFileDialog, QMessageBox, QPrintDialog and QPrintPreviewDialog.
class QtUserDialogs : public UserDialogs {
public:
    QString openFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& start) override;
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                 const QString& details = {}) override;
    bool askOkCancel(QWidget* parent, Icon icon, const QString& title,
                     const QString& text) override;
    int choose(QWidget* parent, const Choice& choice, int* line = nullptr) override;
    bool askText(QWidget* parent, const QString& title, const QString& label,
                 QString& text) override;
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
    void previewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) override;
};

} // namespace r36::ui
