#include "files/settings_location.h"
#include "image/program_constants.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr const char* kWindowStateFileName = "qbr36-window.ini";

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // The user's settings folder (~/.config/qbr36) is named after the program, whatever its file
    // is called.
    QCoreApplication::setApplicationName(QLatin1String(r36::kAppFolderName));
    QCoreApplication::setApplicationVersion(QLatin1String(r36::kAppVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The QB-R36 clone utility's window: reads, edits and writes the memory "
                       "of a QB-R36 receiver."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A clone file (.R36) to open, or a CSV file (.csv) to import."),
        QStringLiteral("[FILE]"));
    // --help and --version answer before the window's application starts, so that they work
    // without a display; the platform's own options (-platform …) are not known yet and do
    // not matter to them.
    (void)parser.parse(argumentList(argc, argv));
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication textOnly(argc, argv);
        if (parser.isSet(help))
            parser.showHelp(0);
        parser.showVersion();
    }

    QApplication app(argc, argv);
    // Now without the platform's options: anything unknown ends here with a message.
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("qbr36: only one FILE can be opened\n", stderr);
        return 1;
    }
    const QString startFile =
        parser.positionalArguments().isEmpty()
            ? QString()
            : QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    // The desktop entry's name lets the desktop match the window to its icon.
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
    // What the window remembers (size, columns, recent files) lives in the user's settings
    // folder, or beside the settings file QBR36_SETTINGS names, so a trial run stays there.
    const QString stateFolder =
        qEnvironmentVariableIsEmpty("QBR36_SETTINGS")
            ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            : QFileInfo(options.settingsFilePath).absolutePath();
    QDir().mkpath(stateFolder);
    options.windowStatePath = QDir(stateFolder).filePath(QLatin1String(kWindowStateFileName));

    // QBR36_LOG=FILE: every exchange with the receiver goes to FILE as it happens, for a bug
    // report about a hang or a crash.
    options.commLogPath = qEnvironmentVariable("QBR36_LOG");

    std::unique_ptr<r36::ui::MainWindow> window;
    r36::ui::SplashWindow splash;
    QObject::connect(&splash, &r36::ui::SplashWindow::finished, [&] {
        window = std::make_unique<r36::ui::MainWindow>(options);
        window->show();
        // Once the splash is gone: opening may show a message.
        if (!startFile.isEmpty())
            QTimer::singleShot(0, window.get(), [&] { window->openFile(startFile); });
    });
    splash.start();
    return app.exec();
}
