#include "splash_window.h"

#include "about_text.h"

#include <QKeyEvent>
#include <QTimer>

namespace r36::ui {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFocusPolicy(Qt::StrongFocus);
    buildAboutText(*this, false);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kShowTime);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::finish);
}

void SplashWindow::start() {
    show();
    activateWindow();
    setFocus();
    m_timer->start();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    finish();
}

void SplashWindow::finish() {
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    emit finished(); // the main window is shown before the splash goes, so the program lives on
    close();
}

} // namespace r36::ui
