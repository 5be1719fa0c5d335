#pragma once

#include "image/failure.h"
#include "image/program_constants.h"
#include "session/transport.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QMenu;
class QStackedWidget;
class QTabBar;

namespace r36::session {
class Companion;
class Session;
struct TransferResult;
} // namespace r36::session

namespace r36::ui {

class BesidePane;
class EditCommands;
class MemoryListModel;
class MemoryPage;
class SettingsPage;
class TransferBar;
class UserDialogs;
class WindowCommands;
class WindowState;

/// `frmMain`: shows the session on the "Memory" and "Settings" pages and passes the user's
/// commands to it. Transfers run off this thread; while one runs, the window keeps painting and
/// the transfer controls stay disabled until it ends.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// Runs a modal dialog and returns its result; tests replace it to drive the dialog.
    using DialogRunner = std::function<int(QDialog&)>;

    struct Options {
        /// Where the port and speed are kept; empty: the default place.
        QString settingsFilePath;
        /// Another cable to the receiver (the simulator), without a parent; empty: the serial
        /// port that the Port menu names.
        session::Transport* transport = nullptr;
        /// Message boxes and file dialogs; empty: the real ones.
        UserDialogs* dialogs = nullptr;
        /// Runs the detail editor, the link dialogs and the version window; empty: exec().
        DialogRunner runDialog;
        /// How long each command waits for the receiver's reply; tests shorten it.
        std::chrono::milliseconds replyTimeout{1000};
        /// Where every Read all leaves a backup; empty: the user's application data folder.
        QString backupFolder;
        /// A file that every line of the communication log is written to as it happens
        /// (QBR36_LOG); empty: none.
        QString commLogPath;
        /// Where the window keeps its size, column widths, last folder and recent files;
        /// empty: nothing is kept after it closes.
        QString windowStatePath;
    };

    explicit MainWindow(Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The settings file beside the program.
    static QString defaultSettingsFilePath();

    /// The document the window shows.
    session::Session& session() { return *m_session; }

    /// A file named on the command line or in the recent files: a ".csv" is imported as
    /// File > Import does, anything else opened as a clone file; a failure says why.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildViewMenu();
    void buildPages();
    void wireSession();
    void wireCommands();
    void wireMemoryPageHints();

    void showLinkChoices();
    void refreshPortDevices();
    void choosePort(int commPort);
    void chooseSpeed(int commSpeed);

    void setTransferControls(bool enabled);
    void transferFinished(const session::TransferResult& result);
    void clearSelected();
    /// "Clear all memories", after the question.
    void clearAll();
    /// "Select the memories first": the selected-memory commands without a selection.
    void askForSelection();
    void startSelected(bool write);
    /// Every write command starts here: the offer to read the receiver first when nothing of
    /// it is known, then the difference dialog.
    void startWrite(int kind, int first = 0, int last = 0);
    void showDifference(int kind, int first, int last);
    /// Opens `path` as the document, asking first about unsaved changes; `asRestore`: a
    /// backup restored (Save asks for a name). False when nothing was opened.
    bool openClonePath(const QString& path, bool asRestore = false);
    // ---- The file beside and the backups (main_window_beside.cpp) -------------------------
    void openBackups();
    void openBeside();
    /// Shows the pane once `opened` (Companion's open or openCompared) opened `path`; says
    /// why not otherwise.
    template <typename Report> void showBeside(const Report& opened, const QString& path);
    void closeBeside();
    /// The file beside, with its pane (made when first asked for).
    session::Companion& companion();
    void copyFromBeside(const std::vector<int>& memories, int target);
    void restoreBackup(const QString& path);
    void onTabChanged(int index);
    void openMemoryEditor(int memory);
    void openLinkDialog(bool bankLink);
    /// The partition problem in the status bar, until it is mended or another message comes.
    void showPartitionProblem();
    void showVersion();
    int runDialog(QDialog& dialog);
    /// A critical message whose detail is `why` in the user's language.
    void showError(const QString& title, const QString& text, const Failure& why);

    /// The file dialogs, opening in the folder last used; a name typed without an extension
    /// gets `suffix`. Empty: cancelled.
    QString askOpenName(const QString& filter);
    QString askSaveName(const QString& filter, const QString& suffix, const QString& proposed = {});
    void openCloneFile();
    /// File > Save, Save As… and their end; false when nothing was saved.
    bool saveCloneFile();
    /// Asks `question` with Save, Discard and Cancel when there are unsaved changes; true when
    /// they were saved or discarded (or there were none), false to keep them.
    bool unsavedChangesSettled(const QString& question);
    bool saveCloneFileAs();
    bool saveCloneTo(const QString& path);
    /// A file opened, imported or saved: first in the recent files, its folder the dialogs'.
    void fileTaken(const QString& path);
    void showRecentFiles();
    void importCsvFile();
    void importCsvPath(const QString& path);
    void exportCsvFile();
    /// File > Import > CHIRP CSV…: the preview, then the lines placed as one undo step.
    void importChirpFile();
    void importChirpPath(const QString& path);
    /// File > Export > CHIRP CSV…, then what CHIRP cannot hold, memory by memory.
    void exportChirpFile();
    void saveCommLog();

    Options m_options;
    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs = nullptr;
    std::unique_ptr<session::Session> m_session;
    std::unique_ptr<WindowState> m_windowState;

    bool m_closeRequested = false;
    bool m_switchingTabBack = false;
    bool m_partitionProblemShown = false;
    int m_currentTab = 0; // 0 = none yet, 1 = Memory, 2 = Settings

    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    MemoryPage* m_memoryPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    MemoryListModel* m_model = nullptr;
    TransferBar* m_transferBar = nullptr;
    EditCommands* m_edit = nullptr;
    session::Companion* m_companion = nullptr; // a child of the session
    BesidePane* m_beside = nullptr;
    WindowCommands* m_commands = nullptr;
    std::array<QMenu*, 6> m_menus{}; // File, Edit, Port, Speed, Comm, Help
    std::array<QAction*, kPortCount> m_portActions{};
    std::array<QAction*, 2> m_speedActions{};
    QAction* m_verifyAction = nullptr;
    QMenu* m_recentMenu = nullptr;
    struct PendingWrite {
        int kind, first, last; // a session::Transfer and its memories
    };
    std::optional<PendingWrite> m_pendingWrite; // waits for the receiver to be read
};

} // namespace r36::ui
