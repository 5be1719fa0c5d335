#include "ui/main_window.h"
#include "ui/splash_window.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // QBR36_SETTINGS moves the settings file away from the program's folder (tests, read-only
    // installations).
    r36::ui::MainWindow::Options options;
    options.settingsFilePath = qEnvironmentVariable("QBR36_SETTINGS");

    std::unique_ptr<r36::ui::MainWindow> window;
    r36::ui::SplashWindow splash;
    QObject::connect(&splash, &r36::ui::SplashWindow::finished, [&] {
        window = std::make_unique<r36::ui::MainWindow>(options);
        window->show();
    });
    splash.start();
    return app.exec();
}
