#pragma once

#include "image/clone_image.h"
#include "image/outcome.h"
#include "image/program_constants.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTabBar;

namespace r36::link {
class CloneTransfer;
class RadioLink;
class SerialTransport;
class Transport;
} // namespace r36::link

namespace r36::session {
class Session;
}

namespace r36::ui {

class MemoryListModel;
class MemoryPage;
class SettingsPage;
class UserDialogs;

/// `frmMain`: owns the clone image, the link state and the link, and shows them on the
/// "Memory" and "Settings" pages. Every command runs here on the one user-interface thread;
/// a transfer keeps the window painting while it waits for the receiver.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        /// Where the port and speed are kept (the program's folder and "QB-R36w.ini").
        QString settingsFilePath;
        /// Another cable to the receiver (the simulator); empty: the serial port that the Port
        /// menu names.
        link::Transport* transport = nullptr;
        /// Message boxes and file dialogs; empty: the real ones.
        UserDialogs* dialogs = nullptr;
    };
    /// Runs a modal dialog and returns its result; tests replace it to drive the dialog.
    using DialogRunner = std::function<int(QDialog&)>;

    explicit MainWindow(Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The settings file beside the program.
    static QString defaultSettingsFilePath();

    image::CloneImage& cloneImage() { return m_image; }
    const image::LinkState& linkState() const { return m_linkState; }
    const std::vector<std::string>& labels() const { return m_labels; }
    link::RadioLink& radioLink() { return *m_link; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // The grid and the partition editor follow the image through these calls.
    void showMemoryRow(int memory);
    void showAllMemoryRows();
    void loadPartitionEditor();
    void resetPartition();

    /// Busy state: false disables exactly the transfer controls (buttons, the five menus and
    /// both pages, not the tab strip); disconnectRadio ends it.
    void setTransferControls(bool enabled);
    void disconnectRadio();
    bool isBusy() const { return m_busy; }
    bool transferRunning() const { return m_transferRunning; }

    /// (first, last) memories of the grid's selection; (-1, -1) without a current row.
    std::pair<int, int> selectedRange() const;
    /// The memory the detail editor showed last.
    int curMemory() const { return m_curMemory; }

    // Widgets, for the benchmark and the tests.
    MemoryPage* memoryPage() const { return m_memoryPage; }
    SettingsPage* settingsPage() const { return m_settingsPage; }
    MemoryListModel* memoryModel() const { return m_model; }
    QTabBar* tabBar() const { return m_tabs; }
    QStackedWidget* pages() const { return m_pages; }
    QProgressBar* progressBar() const { return m_pBar; }
    QLabel* progressText() const { return m_progress; }
    QMenu* fileMenu() const { return m_menuFile; }
    QMenu* portMenu() const { return m_menuPort; }
    QMenu* speedMenu() const { return m_menuSpeed; }
    QMenu* commMenu() const { return m_menuComm; }
    QMenu* helpMenu() const { return m_menuHelp; }
    QAction* portAction(int commPort) const { return m_portActions.at(commPort - 1); }
    QAction* speedAction(int commSpeed) const { return m_speedActions.at(commSpeed); }
    QAction* openAction() const { return m_open; }
    QAction* saveAction() const { return m_save; }
    QAction* importAction() const { return m_import; }
    QAction* exportAction() const { return m_export; }
    QAction* writeAllAction() const { return m_writeAll; }
    QAction* readAllAction() const { return m_readAll; }
    QAction* versionAction() const { return m_version; }

    /// True when the image (with the settings page applied) differs from what was last saved
    /// to a file, loaded, or read from or written to the receiver as a whole.
    bool hasUnsavedChanges() const;

signals:
    /// A transfer command ended; its message has been shown and the port closed.
    void transferFinished(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPages();
    void wireCommands();
    void startUp();

    void choosePort(int commPort);
    void chooseSpeed(int commSpeed);
    void showLinkChoices();
    void refreshPortDevices();
    void saveSettingsFile();

    enum class ErrorTitle { Whole, Part };
    void runTransfer(const std::function<Outcome()>& command, ErrorTitle title,
                     bool wholeImage = false);
    void readAll();
    void writeAll();
    void clearMemories(int first, int last);
    void onTabChanged(int index);
    void openMemoryEditor(int memory);
    void openLinkDialog(bool bankLink);
    void showVersion();
    int runDialog(QDialog& dialog);

    void openCloneFile();
    void saveCloneFile();
    void importCsvFile();
    void exportCsvFile();
    void markSaved();
    void storeSettingsPage(image::CloneImage& image) const;

    Options m_options;
    session::Session* m_session = nullptr; // what the pages and dialogs show and edit
    image::CloneImage m_image;
    image::LinkState m_linkState;
    std::vector<std::string> m_labels;
    image::CloneImage m_savedImage;
    int m_curMemory = 0;

    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs* m_dialogs = nullptr;
    std::unique_ptr<link::SerialTransport> m_serial;
    std::unique_ptr<link::RadioLink> m_link;
    std::unique_ptr<link::CloneTransfer> m_transfer;
    DialogRunner m_runDialog;

    bool m_busy = false;
    bool m_transferRunning = false;
    bool m_closeRequested = false;
    bool m_switchingTabBack = false;
    int m_currentTab = 0; // 0 = none yet, 1 = Memory, 2 = Settings
    QElapsedTimer m_progressShown;

    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    MemoryPage* m_memoryPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    MemoryListModel* m_model = nullptr;
    QProgressBar* m_pBar = nullptr;
    QLabel* m_progress = nullptr;

    QMenu* m_menuFile = nullptr;
    QMenu* m_menuPort = nullptr;
    QMenu* m_menuSpeed = nullptr;
    QMenu* m_menuComm = nullptr;
    QMenu* m_menuHelp = nullptr;
    std::array<QAction*, kPortCount> m_portActions{};
    std::array<QAction*, 2> m_speedActions{};
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_import = nullptr;
    QAction* m_export = nullptr;
    QAction* m_writeAll = nullptr;
    QAction* m_readAll = nullptr;
    QAction* m_version = nullptr;
};

} // namespace r36::ui
