#pragma once

#include <QWidget>

#include <memory>
#include <string_view>
#include <vector>

class QPushButton;

namespace r36::image {
struct SettingsSelections;
}

namespace r36::session {
class Session;
}

namespace r36::ui {

/// The "Settings" page: the set-mode lists in their groups, the TV channel boxes, and the
/// "Read This Page" (`cmdReadSys`) / "Write This Page" (`cmdWriteSys`) buttons, which the main
/// window wires. A view over the session's settings selections: it shows them whenever they
/// change, and every choice of the user goes down as new selections (the AREA and EXPERT rules
/// are image::SettingsSelections'). Lists are `cmbSys<byte>` and `cmbSys3_1`, boxes `txtTV<key>`.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(session::Session& session, QWidget* parent = nullptr);
    ~SettingsPage() override;

    /// The groups' captions in the page's reading order, column by column: "<DISP>", ...
    static std::vector<std::string_view> groupCaptions();

    QPushButton* readButton() const;
    QPushButton* writeButton() const;

private:
    /// Why a list has dependants or is disabled at times; empty for the others.
    static QString dependencyTip(int byte);
    void showSettings(const image::SettingsSelections& page);
    void listChosen(int index, int position);
    void sys3Chosen(int position);
    void tvEdited(int key, const QString& text);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace r36::ui
