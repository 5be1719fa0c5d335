#include "files/settings_location.h"
#include "image/program_constants.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The user's settings folder (~/.config/qbr36) is named after the program, whatever its file
    // is called; the desktop entry's name lets the desktop match the window to its icon.
    QCoreApplication::setApplicationName(QLatin1String(r36::kAppFolderName));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qbr36.cloneutility"));
    // The system's language chooses the window's (LANG, LC_MESSAGES or LANGUAGE); English where
    // the program has no catalogue for it.
    r36::ui::installTranslations(app, QLocale::system());

    // QBR36_SETTINGS chooses the settings file; otherwise it is beside the program, or in the
    // user's settings folder when the program's folder cannot be written (an installed program).
    r36::ui::MainWindow::Options options;
    options.settingsFilePath = qEnvironmentVariable("QBR36_SETTINGS");
    if (options.settingsFilePath.isEmpty()) {
        const QFileInfo beside(r36::ui::MainWindow::defaultSettingsFilePath());
        options.settingsFilePath =
            r36::files::settingsFileLocation(beside.path(), beside.fileName());
    }

    // QBR36_LOG=FILE: every exchange with the receiver goes to FILE as it happens, for a bug
    // report about a hang or a crash.
    options.commLogPath = qEnvironmentVariable("QBR36_LOG");

    std::unique_ptr<r36::ui::MainWindow> window;
    r36::ui::SplashWindow splash;
    QObject::connect(&splash, &r36::ui::SplashWindow::finished, [&] {
        window = std::make_unique<r36::ui::MainWindow>(options);
        window->show();
    });
    splash.start();
    return app.exec();
}
