#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace r36::session {
class Session;
}

namespace r36::ui {

class MemoryGrid;

/// The filter bar over the memory list: free memories hidden, a text (name, frequency, label),
/// a frequency range in MHz and a mode narrow the rows shown as they are typed. The rule is
/// image::memoriesShown; the bar only hides rows. Escape or its close button shows every row.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    FilterBar(session::Session& session, MemoryGrid& grid, QWidget* parent = nullptr);

    /// Ctrl+Shift+F: shows the bar, the rows it filters and the count; the text has the focus.
    void open();
    /// Hides the bar and shows every row.
    void close();
    /// "1234 of 1700 shown", for the status bar; visible while the bar is.
    QLabel* countLabel() const { return m_count; }

signals:
    /// Why the range is not used ("118–137"): for the status bar.
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Hides the rows the fields leave out, now.
    void apply();
    /// apply() once the current burst of changed memories is over.
    void applyLater();

    session::Session& m_session;
    MemoryGrid& m_grid;
    QCheckBox* m_hideFree = nullptr;
    QLineEdit* m_text = nullptr;
    QLineEdit* m_range = nullptr;
    QComboBox* m_mode = nullptr;
    QToolButton* m_close = nullptr;
    QLabel* m_count = nullptr;
    bool m_applyPending = false;
    bool m_rangeHintShown = false; // the status bar tells how to write a range
};

} // namespace r36::ui
