// A clone file beside the document: what it marks as different, what copying from it changes,
// two backups compared, and a backup restored then written as exactly its difference.

#include "session_fixture.h"

#include "files/clone_file.h"
#include "image/memory_record.h"
#include "session/companion.h"
#include "session/difference_text.h"

using namespace r36;
using namespace r36::testing_session;

namespace {

std::string recordAt(std::uint32_t hz) {
    return image::encodeRecord({.frequencyHz = hz, .name = "BESIDE"});
}

class CompanionTest : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(run(Transfer::ReadAll).ok());
        document = session->withSettingsStored();
        // Beside: memory 4 retuned, memory 9 free, remote key 1 on another channel.
        other = document;
        other.memRecord[4] = recordAt(145'125'000);
        other.memRecord[9] = std::string(image::kEmptyRecord);
        const int key1 = image::byteAt(other.remoconId, 1).value_or(0);
        other.remoconId.replace(2, 2, image::hexByte(key1 == 13 ? 14 : 13));
        ASSERT_TRUE(image::isRecordInUse(document.memRecord[9]));
    }
    QString saved(image::CloneImage image, const char* name) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(files::writeCloneFile(path, image, session->linkState(), {}).ok());
        return path;
    }
    std::vector<int> markedMemories(const session::Companion& companion) const {
        std::vector<int> marked;
        for (int memory = 0; memory < image::kUserMemoryCount; ++memory)
            if (companion.memoryChange(memory))
                marked.push_back(memory);
        return marked;
    }

    image::CloneImage document, other;
};

TEST_F(CompanionTest, MarksWhatDiffersAndFollowsTheDocumentAsItIsEdited) {
    session::Companion companion(*session);
    ASSERT_TRUE(companion.open(saved(other, "other.R36")).outcome.ok());
    EXPECT_EQ(markedMemories(companion), (std::vector<int>{4, 9}));
    const auto line = [](const image::Change* change) {
        return session::changeText(*change, session::Wording::English).toStdString();
    };
    EXPECT_TRUE(holds(line(companion.memoryChange(4)),
                      "memory 4 (" + session->labels()[4] + "): Frequency "));
    EXPECT_TRUE(holds(line(companion.memoryChange(4)), " -> 145.125000MHz"));
    EXPECT_TRUE(holds(line(companion.memoryChange(9)), " -> empty"));
    ASSERT_EQ(companion.otherChanges().size(), 1u);
    EXPECT_TRUE(holds(line(companion.otherChanges()[0]), "remote key ID 1: "));
    EXPECT_EQ(session::countsText(companion.difference(), session::Wording::English).toStdString(),
              "2 memories, 1 remote key ID");

    // The document edited to match memory 4: its mark goes, announced once for the burst.
    int announced = 0;
    QObject::connect(&companion, &session::Companion::changed, [&] { ++announced; });
    session->setMemory(4, other.memRecord[4]);
    session->setMemory(6, recordAt(146'000'000));
    EXPECT_EQ(markedMemories(companion), (std::vector<int>{6, 9}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return announced > 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(announced, 1);

    // A file that cannot be opened leaves what was beside.
    EXPECT_FALSE(companion.open(dir.filePath(QStringLiteral("none.R36"))).outcome.ok());
    EXPECT_TRUE(companion.open(dir.filePath(QStringLiteral("list.csv"))).notCloneName);
    EXPECT_EQ(companion.path(), dir.filePath(QStringLiteral("other.R36")));
}

TEST_F(CompanionTest, CopyIsOneUndoStepThatChangesOnlyTheChosenMemories) {
    session::Companion companion(*session);
    ASSERT_TRUE(companion.open(saved(other, "other.R36")).outcome.ok());
    const int steps = session->undoStack().count();

    // Dropped where they would run past memory 1699: nothing at all.
    EXPECT_FALSE(companion.copyToDocument({4, 9}, 1695));
    EXPECT_EQ(session->withSettingsStored(), document);

    ASSERT_TRUE(companion.copyToDocument({4, 9}, 4));
    image::CloneImage expected = document;
    expected.memRecord[4] = other.memRecord[4];
    expected.memRecord[9] = other.memRecord[9];
    EXPECT_EQ(session->withSettingsStored(), expected) << "the remote key stays the document's";
    EXPECT_EQ(session->undoStack().count(), steps + 1);
    EXPECT_TRUE(markedMemories(companion).empty());

    // Dropped elsewhere: the same distance apart, the labels staying with the positions.
    const std::vector<std::string> labels = session->labels();
    ASSERT_TRUE(companion.copyToDocument({4, 9}, 100));
    EXPECT_EQ(session->image().memRecord[100], other.memRecord[4]);
    EXPECT_EQ(session->image().memRecord[105], other.memRecord[9]);
    EXPECT_EQ(session->image().memRecord[101], document.memRecord[101]);
    EXPECT_EQ(session->labels(), labels);

    session->undo();
    session->undo();
    EXPECT_EQ(session->withSettingsStored(), document);
}

TEST_F(CompanionTest, TwoBackupsComparedReadAsWhatChangedSinceTheOlder) {
    session::Companion companion(*session);
    const QString older = saved(document, "older.R36"), newer = saved(other, "newer.R36");
    ASSERT_TRUE(companion.open(newer).outcome.ok());
    companion.copyToDocument({4}, 4);   // the document now differs from `newer` in memory 9 only
    std::vector<std::string> announced; // what the pane shows when told
    QObject::connect(&companion, &session::Companion::changed, [&] {
        announced.push_back(
            session::countsText(companion.difference(), session::Wording::English).toStdString());
    });
    ASSERT_TRUE(companion.openCompared(newer, older).outcome.ok());
    EXPECT_EQ(announced, (std::vector<std::string>{"2 memories, 1 remote key ID"}));
    EXPECT_EQ(companion.basePath(), older);
    EXPECT_EQ(markedMemories(companion), (std::vector<int>{4, 9}));
    session->setMemory(4, other.memRecord[4]); // the document plays no part
    EXPECT_EQ(markedMemories(companion), (std::vector<int>{4, 9}));
    EXPECT_FALSE(companion.openCompared(newer, dir.filePath(QStringLiteral("gone.R36"))).outcome);
    EXPECT_EQ(companion.basePath(), older) << "a failed comparison leaves the last";
}

TEST_F(CompanionTest, ARestoredBackupWritesExactlyItsDifferenceAndIsNeverSavedOver) {
    const QString backup = saved(other, "2026-12-01_10-00-00_v206.R36");
    const image::WritePlan anyway = session->receiver().differenceFor(Transfer::WriteAll).plan();
    session->setMemory(20, recordAt(150'000'000)); // an edit of the document, then discarded
    const Session::OpenReport restored = session->restoreBackup(backup);
    ASSERT_TRUE(restored.outcome.ok());
    EXPECT_TRUE(session->savePath().isEmpty()) << "Save asks for a name";
    EXPECT_FALSE(session->hasUnsavedChanges());

    // What Write all corrects anyway (stale auto flags), and the backup's own changes.
    image::WritePlan expected = anyway;
    for (const image::Change& change :
         image::difference(image::holdingsOfImage(document), image::holdingsOfImage(other)).changes)
        expected.add(change.piece);
    EXPECT_EQ(session->receiver().differenceFor(Transfer::WriteAll).plan(), expected);

    ASSERT_TRUE(
        run([this] { return session->receiver().startWriteChanges(Transfer::WriteAll); }).ok());
    EXPECT_EQ(receiverRecord(4), other.memRecord[4]);
    EXPECT_FALSE(image::isRecordInUse(receiverRecord(9)));
    EXPECT_TRUE(session->receiver().differenceFor(Transfer::WriteAll).empty());
}

} // namespace
