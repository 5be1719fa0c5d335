#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace r36::session {
struct TransferStep;
}

namespace r36::ui {

/// The row under the pages: the progress bar `pBar`, the progress box `Progress` beside it and,
/// while a transfer runs, the "Cancel" button.
class TransferBar : public QWidget {
    Q_OBJECT
public:
    explicit TransferBar(QWidget* parent = nullptr);

    /// A transfer began: Cancel shows, the next progress is painted at once.
    void transferStarted();
    /// Range, value and where the transfer is ("Memory 190 of 1700"); painted at most every few
    /// tens of milliseconds, except a new range and the last value.
    void showProgress(int minimum, int maximum, int value, const session::TransferStep& step);
    /// The transfer ended: Cancel hides, the bar goes back to its minimum, the text clears.
    void transferEnded();
    /// A file export's row count.
    void showRows(int row, int rows);

signals:
    void cancelRequested();

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_cancel = nullptr;
    QElapsedTimer m_shown;
};

} // namespace r36::ui
