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
class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        QCoreApplication::setApplicationName(QStringLiteral("qbr36"));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_savedConfigHome); }

    QString configFolder() const { return m_dir.filePath(QStringLiteral("config/qbr36")); }

    QTemporaryDir m_dir;
    QByteArray m_savedConfigHome;
};

TEST_F(SettingsLocationTest, BesideAWritableProgramOtherwiseInTheCreatedConfigFolder) {
    const QString program = m_dir.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(program));
    const QString config = configFolder() + QStringLiteral("/QB-R36w.ini");
    const struct {
        QString programFolder, expected;
    } cases[] = {
        {program, program + QStringLiteral("/QB-R36w.ini")},
        {m_dir.filePath(QStringLiteral("gone")), config}, // a folder that is not there
        // The package manager's folders, even when root could write there.
        {QStringLiteral("/usr/bin"), config},
        {QStringLiteral("/usr"), config},
        {QStringLiteral("/usr/lib/../bin"), config},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.programFolder.toStdString());
        EXPECT_EQ(
            settingsFileLocation(c.programFolder, QStringLiteral("QB-R36w.ini")).toStdString(),
            c.expected.toStdString());
    }
    EXPECT_TRUE(QFileInfo(configFolder()).isDir());
}

} // namespace
