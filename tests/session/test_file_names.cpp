// The names of the user's files: the extension a typed name gets, the file File > Save writes to
// without asking, and the recent-files list.

#include "session_fixture.h"

#include "session/file_names.h"

#include <QFile>

using namespace r36;
using namespace r36::testing_session;

namespace {

TEST(FileNames, ANameWithoutAnExtensionGetsTheOne) {
    struct Case {
        const char *typed, *saved;
    };
    for (const Case c : {Case{"/tmp/ch", "/tmp/ch.R36"},
                         {"/tmp/my.folder/ch", "/tmp/my.folder/ch.R36"}, // a dot in a folder
                         {"/tmp/ch.R36", "/tmp/ch.R36"},
                         {"/tmp/ch.r36", "/tmp/ch.r36"},
                         {"/tmp/ch.txt", "/tmp/ch.txt"},
                         {"/tmp/ch.", "/tmp/ch."}})
        EXPECT_EQ(session::withDefaultSuffix(QString::fromLatin1(c.typed), QStringLiteral("R36")),
                  QString::fromLatin1(c.saved))
            << c.typed;
    EXPECT_TRUE(session::isCsvName(QStringLiteral("/a/b.CSV")));
    EXPECT_FALSE(session::isCsvName(QStringLiteral("/a/csv.R36")));
}

TEST(FileNames, TheRecentListKeepsTheNewestEightOnceEachAndDropsTheMissing) {
    QTemporaryDir dir;
    QStringList recent;
    QStringList paths;
    for (int k = 0; k < 10; ++k) {
        paths << dir.filePath(QStringLiteral("f%1.R36").arg(k));
        QFile file(paths.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        recent = session::withRecentFile(recent, paths.back());
    }
    ASSERT_EQ(recent.size(), session::kRecentFileCount);
    EXPECT_EQ(recent.front(), paths[9]);
    EXPECT_EQ(recent.back(), paths[2]);
    // The same file named another way moves to the front instead of appearing twice.
    recent = session::withRecentFile(recent, dir.filePath(QStringLiteral("sub/../f5.R36")));
    EXPECT_EQ(recent.size(), session::kRecentFileCount);
    EXPECT_EQ(recent.front(), paths[5]);
    EXPECT_EQ(recent.count(paths[5]), 1);
    ASSERT_TRUE(QFile::remove(paths[9]));
    const QStringList existing = session::existingFiles(recent);
    EXPECT_EQ(existing.size(), session::kRecentFileCount - 1);
    EXPECT_FALSE(existing.contains(paths[9]));
}

using SavePath = SessionFixture;

// Save writes without asking to the file last opened or saved; at first, after an import and
// after saving the settings file it asks.
TEST_F(SavePath, IsTheCloneFileLastOpenedOrSaved) {
    EXPECT_TRUE(session->savePath().isEmpty());
    const QString saved = dir.filePath(QStringLiteral("a.R36"));
    ASSERT_TRUE(session->save(saved).ok());
    EXPECT_EQ(session->savePath(), saved);
    ASSERT_TRUE(session->importCsv(test::dataPath("edited.csv")).ok());
    EXPECT_TRUE(session->savePath().isEmpty());
    ASSERT_TRUE(session->open(saved).outcome.ok());
    EXPECT_EQ(session->savePath(), saved);
    ASSERT_TRUE(session->save(settingsPath()).ok());
    EXPECT_TRUE(session->savePath().isEmpty());
}

} // namespace
