#pragma once

#include <QWidget>

class QPushButton;
class QSplitter;

namespace r36::session {
class Session;
}

namespace r36::ui {

class FilterBar;
class FindBar;
class MemoryGrid;
class PartitionEditor;

/// The "Memory" page: the memory list with its four commands, the two link buttons and the
/// bank partition box. Only layout lives here; the main window wires the commands.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    explicit MemoryPage(session::Session& session, QWidget* parent = nullptr);

    MemoryGrid* grid() const { return m_grid; }
    FindBar* findBar() const { return m_findBar; }
    FilterBar* filterBar() const { return m_filterBar; }
    PartitionEditor* partitionEditor() const { return m_partition; }
    QPushButton* clearAllButton() const { return m_clearAll; }
    QPushButton* clearSelectedButton() const { return m_clear; }
    QPushButton* readSelectedButton() const { return m_read1mem; }
    QPushButton* writeSelectedButton() const { return m_write1mem; }
    QPushButton* bankLinkButton() const { return m_bankLink; }
    QPushButton* psLinkButton() const { return m_psLink; }
    /// `pane` (the file beside) goes right of the memory list, the two sharing its width.
    void putBeside(QWidget* pane);

private:
    MemoryGrid* m_grid = nullptr;
    QSplitter* m_split = nullptr; // the memory list and the file beside
    FindBar* m_findBar = nullptr;
    FilterBar* m_filterBar = nullptr;
    PartitionEditor* m_partition = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_read1mem = nullptr;
    QPushButton* m_write1mem = nullptr;
    QPushButton* m_bankLink = nullptr;
    QPushButton* m_psLink = nullptr;
};

} // namespace r36::ui
