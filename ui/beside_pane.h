#pragma once

#include <QWidget>

#include <vector>

class QAbstractItemView;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace r36::session {
class Companion;
}

namespace r36::ui {

class BesideListModel;

/// `besidePane`: the file opened beside the memory list (a clone file, or a backup compared
/// with the document or with another backup), read-only, row for row with the list. What
/// differs is marked; the current row's difference shows under the list, the differing
/// settings and links in a list of their own. It shows the companion and asks for nothing itself.
class BesidePane : public QWidget {
    Q_OBJECT
public:
    explicit BesidePane(session::Companion& companion, QWidget* parent = nullptr);

    /// Rows scroll together with `grid`'s (both have the same row height).
    void scrollWith(QAbstractItemView& grid);
    QTableView* list() const { return m_list; }

signals:
    /// The pane's Close button.
    void closeRequested();
    /// Copy to document: `memories` (ascending) to the same memories of the document.
    void copyRequested(const std::vector<int>& memories, int target);
    /// Why Copy to document did nothing, for the status bar.
    void statusMessage(const QString& text);

private:
    void showCompanion();
    void showCurrentDifference();
    void copySelected();

    session::Companion& m_companion;
    BesideListModel* m_model = nullptr;
    QLabel* m_title = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_difference = nullptr;
    QListWidget* m_others = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_showOthers = nullptr;
};

} // namespace r36::ui
