// What the session holds between commands: what is unsaved, what a failed open leaves, and how
// the partition boxes, their total, the bank table and the labels follow one another.

#include "session_fixture.h"

#include "image/settings_block.h"

#include <functional>

using namespace r36;
using namespace r36::testing_session;

namespace {

struct UnsavedCase {
    const char* name;
    bool editedFirst; // a memory was changed before the step
    std::function<void(SessionFixture&)> step;
    bool unsaved; // afterwards
};

void PrintTo(const UnsavedCase& c, std::ostream* os) {
    *os << c.name;
}

class Unsaved : public SessionFixture, public ::testing::WithParamInterface<UnsavedCase> {};

TEST_P(Unsaved, FollowsWhatTheImageLastMatched) {
    EXPECT_FALSE(session->hasUnsavedChanges()) << "nothing at start-up";
    if (GetParam().editedFirst) {
        session->setMemory(7, receiverRecord(3));
        ASSERT_TRUE(session->hasUnsavedChanges());
    }
    GetParam().step(*this);
    EXPECT_EQ(session->hasUnsavedChanges(), GetParam().unsaved);
}

void saveAs(SessionFixture& f, const QString& path) {
    ASSERT_TRUE(f.session->save(path).ok());
}

void failAtMemory300(SessionFixture& f, Transfer kind) {
    f.receiver.addFault({.kind = sim::Fault::Kind::ShortLine,
                         .address = static_cast<int>(image::memoryAddress(300))});
    EXPECT_EQ(f.run(kind).status, Status::Failed);
}

const UnsavedCase kUnsavedCases[] = {
    {"AnotherSettingsChoice", false,
     [](SessionFixture& f) {
         image::SettingsSelections page = f.session->settings();
         page.sysChoice[image::settingIndexOfByte(6)] += 1;
         f.session->setSettings(page);
     },
     true},
    {"ABoxCommittedToATotalOf1000", false,
     [](SessionFixture& f) {
         f.session->commitBankCount(0, QStringLiteral("50"));
         EXPECT_FALSE(f.session->hasUnsavedChanges()) << "a total of 950 leaves the table";
         f.session->commitBankCount(17, QStringLiteral("50"));
     },
     true},
    {"Open", true, [](SessionFixture& f) { f.session->open(test::dataPath("realistic.R36")); },
     false},
    {"Save", true, [](SessionFixture& f) { saveAs(f, f.dir.filePath("a.R36")); }, false},
    {"SaveToTheSettingsFile", true, [](SessionFixture& f) { saveAs(f, f.settingsPath()); }, true},
    {"ImportCsv", false,
     [](SessionFixture& f) { EXPECT_TRUE(f.session->importCsv(test::dataPath("edited.csv"))); },
     true},
    {"ReadAll", true, [](SessionFixture& f) { EXPECT_TRUE(f.run(Transfer::ReadAll).ok()); }, false},
    {"WriteAll", true, [](SessionFixture& f) { EXPECT_TRUE(f.run(Transfer::WriteAll).ok()); },
     false},
    {"FailedReadAll", true, [](SessionFixture& f) { failAtMemory300(f, Transfer::ReadAll); }, true},
    {"FailedWriteAll", true, [](SessionFixture& f) { failAtMemory300(f, Transfer::WriteAll); },
     true},
    {"ReadSelected", true,
     [](SessionFixture& f) { EXPECT_TRUE(f.run(Transfer::ReadSelected, 3, 3).ok()); }, true},
    {"WriteSelected", true,
     [](SessionFixture& f) { EXPECT_TRUE(f.run(Transfer::WriteSelected, 0, 9).ok()); }, true},
};

INSTANTIATE_TEST_SUITE_P(Steps, Unsaved, ::testing::ValuesIn(kUnsavedCases),
                         [](const auto& param) { return std::string(param.param.name); });

using SessionState = SessionFixture;

TEST_F(SessionState, AFailedOpenChangesNothing) {
    session->setMemory(7, receiverRecord(3));
    session->commitBankCount(0, QStringLiteral("50"));
    const image::CloneImage image = session->image();
    const auto labels = session->labels();
    int emitted = 0;
    for (const auto& signal : {&Session::imageReplaced, &Session::labelsChanged,
                               &Session::partitionChanged, &Session::linkChoicesChanged})
        QObject::connect(session.get(), signal, [&] { ++emitted; });
    QObject::connect(session.get(), &Session::fileNameChanged, [&] { ++emitted; });
    for (const QString& path :
         {dir.filePath(QStringLiteral("missing.R36")), test::dataPath("edited.csv")}) {
        const Session::OpenReport report = session->open(path);
        EXPECT_FALSE(report.outcome.ok()) << path.toStdString();
        EXPECT_EQ(report.notCloneName, path.endsWith(QLatin1String(".csv")));
    }
    EXPECT_EQ(session->image(), image);
    EXPECT_EQ(session->labels(), labels);
    EXPECT_EQ(session->displayedTotal(), 950);
    EXPECT_EQ(session->fileName(), QString());
    EXPECT_TRUE(session->hasUnsavedChanges());
    EXPECT_EQ(emitted, 0);
}

TEST_F(SessionState, ABoxStoresItsTextRoundedAndHeldTo0To9999) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"12.4", 12},   {"12.5", 13},    {" 7x", 7},           {"abc", 0},
        {"-5", 0},  {"9999", 9999}, {"10000", 9999}, {"4294967296", 9999}, {"1e3", 1}};
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(session->commitBankCount(3, QString::fromLatin1(text)), count) << text;
        EXPECT_EQ(session->bankCounts()[3], count) << text;
    }
}

TEST_F(SessionState, TheTableAndTheLabelsFollowTheBoxesOnlyAtATotalOf1000) {
    const std::string defaultTable = image::defaultPartition();
    const auto defaultLabels = image::defaultMemoryLabels();
    EXPECT_EQ(session->commitBankCount(0, QStringLiteral("50")), 50); // 100 before
    EXPECT_EQ(session->displayedTotal(), 950);
    EXPECT_FALSE(session->partitionValid());
    EXPECT_EQ(session->image().bankTable, defaultTable) << "frozen below 1000";
    EXPECT_EQ(session->labels(), defaultLabels);

    session->commitBankCount(17, QStringLiteral("50"));
    EXPECT_EQ(session->displayedTotal(), 1000);
    EXPECT_EQ(session->image().bankTable, image::bankTableFromCounts(session->bankCounts()));
    EXPECT_EQ(session->labels()[50], "Bank01-000");
    EXPECT_EQ(session->labels()[999], "Bank17-049");

    // Reset from a red total brings the default labels back with the default table.
    session->commitBankCount(0, QStringLiteral("40"));
    session->resetPartition();
    EXPECT_EQ(session->image().bankTable, defaultTable);
    EXPECT_EQ(session->bankCounts(), image::bankCounts(defaultTable));
    EXPECT_EQ(session->displayedTotal(), 1000);
    EXPECT_EQ(session->labels(), defaultLabels);
}

TEST_F(SessionState, AReadBankTableReloadsTheBoxesButNotTheTotalWhileOpeningAFileSetsIt) {
    session->commitBankCount(0, QStringLiteral("50"));
    ASSERT_TRUE(run(Transfer::BankRead).ok());
    std::string receiverTable;
    for (std::uint32_t i = 0; i < 100; ++i)
        receiverTable += image::hexByte(receiver.memory()[0x00100 + i]);
    EXPECT_EQ(session->image().bankTable, receiverTable);
    EXPECT_EQ(session->bankCounts(), image::bankCounts(receiverTable));
    EXPECT_EQ(session->displayedTotal(), 950);
    EXPECT_EQ(session->labels(), image::defaultMemoryLabels()) << "no relabelling below 1000";

    ASSERT_TRUE(session->open(test::dataPath("realistic.R36")).outcome.ok());
    EXPECT_EQ(session->displayedTotal(), 1000);
    auto expected = image::defaultMemoryLabels();
    image::relabelMemoryList(session->image().bankTable, expected);
    EXPECT_EQ(session->labels(), expected);
    EXPECT_EQ(session->labels()[999], "Bank19-049");
    EXPECT_EQ(session->fileName(), test::dataPath("realistic.R36"));
}

} // namespace
