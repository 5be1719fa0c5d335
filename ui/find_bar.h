#pragma once

#include <QWidget>

class QLineEdit;

namespace r36::session {
class Session;
}

namespace r36::ui {

class MemoryGrid;

/// The find bar over the memory list: the memories that the typed text names (a frequency in
/// MHz, part of a name, a label), stepped through with F3 and Shift+F3 (Enter and Shift+Enter in
/// the bar); Escape closes it and gives the list the focus back.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(session::Session& session, MemoryGrid& grid, QWidget* parent = nullptr);

    /// Ctrl+F: shows the bar with its text selected.
    void open();
    /// The next (+1) or previous (-1) match after the current row, round the list's end.
    void findNext(int direction);

signals:
    /// How many memories match, for the status bar; empty text when the count no longer
    /// applies (the bar closed, its text cleared).
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Goes to the first match from the current row on (inclusive) or in `direction`.
    void find(int direction, bool includeCurrent);

    session::Session& m_session;
    MemoryGrid& m_grid;
    QLineEdit* m_text = nullptr;
};

} // namespace r36::ui
