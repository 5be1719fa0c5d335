#include "files/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace r36::files;

namespace {

// The user's configuration folder is pointed into a scratch folder so the test never touches the
// real one; the window's application name decides the folder inside it.
TEST(SettingsLocation, BesideAWritableProgramOtherwiseInTheCreatedConfigFolder) {
    QTemporaryDir dir;
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("qbr36"));
    const QString program = dir.filePath(QStringLiteral("program"));
    QDir().mkpath(program);
    const QString config = dir.filePath(QStringLiteral("config/qbr36/QB-R36w.ini"));
    const std::pair<QString, QString> cases[] = {
        {program, program + QStringLiteral("/QB-R36w.ini")},
        {dir.filePath(QStringLiteral("gone")), config}, // a folder that is not there
        // The package manager's folders, even when root could write there.
        {QStringLiteral("/usr/bin"), config},
        {QStringLiteral("/usr"), config},
        {QStringLiteral("/usr/lib/../bin"), config},
    };
    for (const auto& [programFolder, expected] : cases)
        EXPECT_EQ(settingsFileLocation(programFolder, QStringLiteral("QB-R36w.ini")).toStdString(),
                  expected.toStdString());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("config/qbr36"))).isDir());
    qputenv("XDG_CONFIG_HOME", savedConfigHome);
}

} // namespace
