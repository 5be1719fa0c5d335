#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QPrinter;
class QStatusBar;
class QWidget;

namespace r36::session {
class Session;
}

namespace r36::ui {

class MemoryGrid;
class UserDialogs;

/// File > Print…, Print Preview… and Export PDF…: asks what to print (all memories in use, the
/// selected ones, the current bank or area, or the settings page), has the session say what
/// that holds, and lays it out with ListPrinter.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    /// Asks for a PDF file name: (filter, default suffix); empty: cancelled.
    using AskSaveName = std::function<QString(const QString& filter, const QString& suffix)>;

    /// The three commands go into `fileMenu` before `before`. `settingsPage` is offered first
    /// while it shows.
    PrintCommands(session::Session& session, MemoryGrid& grid, QWidget& settingsPage,
                  QMenu& fileMenu, QAction* before, UserDialogs& dialogs, QStatusBar& status,
                  AskSaveName askSaveName, QWidget* window);
    ~PrintCommands() override;

private:
    enum class What { AllMemories, Selection, CurrentBank, Settings };
    /// Lays pages out on a printer; false when the printer could not start.
    using Pages = std::function<bool(QPrinter&)>;

    void print();
    void preview();
    void exportPdf();
    /// What to print, asked with `command` as the dialog's title; empty when cancelled.
    std::optional<What> askWhat(const QString& command);
    /// The pages of `what` as it is now; empty (and the user told why) when it holds no
    /// memory in use.
    Pages pagesOf(What what);
    std::unique_ptr<QPrinter> newPrinter() const;

    session::Session& m_session;
    MemoryGrid& m_grid;
    QWidget& m_settingsPage;
    UserDialogs& m_dialogs;
    QStatusBar& m_status;
    AskSaveName m_askSaveName;
    QWidget* m_window;
};

} // namespace r36::ui
