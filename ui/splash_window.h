#pragma once

#include <QWidget>

#include <chrono>

class QTimer;

namespace r36::ui {

/// `frmSplash`: the program's name and version for 500 ms, or until a key is pressed; then it
/// emits finished() once and closes.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kShowTime{500};

    explicit SplashWindow(QWidget* parent = nullptr);

    /// Shows the window and starts its timer.
    void start();

signals:
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish();

    QTimer* m_timer = nullptr;
    bool m_finished = false;
};

} // namespace r36::ui
