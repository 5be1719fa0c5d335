#pragma once

#include "image/settings_block.h"

#include <QWidget>

#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace r36::ui {

/// The "Settings" page: the set-mode lists in their groups, the TV channel boxes, and the
/// "Read This Page" / "Write This Page" buttons (the main window wires them). A view over
/// image::SettingsSelections: show* puts a block on the page, store* writes the page into it.
/// The page keeps no rules of its own, so it stores exactly what the command-line tool stores.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* parent = nullptr);
    ~SettingsPage() override;

    void showSysBlock(const std::string& sysBlock);
    void showSys3Block(const std::string& sys3Block);
    void showRemoconId(const std::string& remoconId);
    void storeSysBlock(std::string& sysBlock) const;
    void storeSys3Block(std::string& sys3Block) const;
    void storeRemoconId(std::string& remoconId) const;

    /// The page's current state, as the store operations would see it.
    image::SettingsSelections selections() const;

    QPushButton* readButton() const;  // "Read This Page"
    QPushButton* writeButton() const; // "Write This Page"

    /// The list editing `byte` of the settings block (`cmbSys`), or nullptr when no list does.
    QComboBox* sysList(int byte) const;
    /// The "PROTCT" list of the third block (`cmbSys3`).
    QComboBox* sys3List() const;
    /// The TV channel box of remote-control key ID `key` 1..10 (`txtTV`), or nullptr.
    QLineEdit* tvBox(int key) const;

signals:
    /// The user changed a list or a TV box (for the main window's unsaved-changes flag).
    void edited();

private:
    void putOnWidgets(const image::SettingsSelections& page);
    void applyExpert(bool expertOn);
    void areaChosen();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
