#pragma once

#include <QDialog>
#include <QString>

class QWidget;

namespace r36::ui {

class UserDialogs;

/// Help > User guide…: the guide (guide.md, or its translation into the window's language)
/// shown in a window of its own beside the main window.
class UserGuide : public QDialog {
    Q_OBJECT
public:
    /// Shows the guide, or raises its window when it is open already; says where it looked
    /// when the guide is not installed.
    static void present(QWidget& mainWindow, UserDialogs& dialogs);

    /// The guide's file in the window's language where there is one, else the English one;
    /// empty when there is none. Looked for in share/qbr36/guide beside the program's folder
    /// (an installed program, a build) and in the system's data folders.
    static QString guidePath();

private:
    UserGuide(const QString& path, QWidget* parent);
    static QStringList guideFolders();
};

} // namespace r36::ui
