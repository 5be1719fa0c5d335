#include "files/clone_file.h"

#include "files_test_support.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"
#include "image/value_lists.h"
#include "session/file_problems.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <utility>

using namespace r36;
using namespace r36::files;
using namespace r36::files::test;

namespace {

/// Why a line was skipped, in the command line's words.
std::string why(const SkippedLine& skipped) {
    return session::skippedLineText(skipped, session::Wording::English).toStdString();
}

class CloneFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QString settingsPath() const { return path("QB-R36w.ini"); }
    /// Reads a file into `image` and `link`: the failure's reason, empty on success.
    std::string load(const QString& file, const QString& settingsFile = {}) {
        report = {};
        return r36::test::english(readCloneFile(file, image, link, report, settingsFile));
    }

    QTemporaryDir m_dir;
    image::CloneImage image = realisticImage();
    image::LinkState link{7, 1, 206};
    CloneFileReport report;
};

TEST(CloneText, AfterStartUpHoldsEveryBlockButNoMemory) {
    std::string expected = "DATE:Save Date and Time 1\r\nBK:" + image::defaultPartition() + "\r\n";
    for (int k = 1; k <= 10; ++k)
        expected +=
            "LINK0:" + std::to_string(k) + ":0000000000000" + (k == 10 ? "1" : "0") + "\r\n";
    for (int k = 1; k <= 9; ++k)
        expected += "LINK1:" + std::to_string(k) + ":00000000000000\r\n";
    expected += "SYS:" + image::defaultSysBlock() +
                "\r\nSYS3:0001\r\nREMOCONID:" + std::string(26, 'F') +
                "\r\nCOMM:1\r\nSPD:0\r\nEND:\r\n";
    EXPECT_EQ(cloneText(image::freshImage(), {}, "Save Date and Time 1"), expected);
    EXPECT_TRUE(saveDateText().startsWith(QStringLiteral("Save Date and Time ")));
}

TEST_F(CloneFileTest, TheSampleLoadsAndSaveAndLoadRoundTripIt) {
    image = image::freshImage();
    ASSERT_EQ(load(dataPath("realistic.R36")), "");
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(image::bankCounts(image.bankTable)[19], 50);
    EXPECT_EQ(image::renderRecord(image.memRecord[1200], 1200)[1], "auto");
    EXPECT_EQ(image::renderRecord(image.memRecord[1699], 1699)[10], "LAST99");
    EXPECT_EQ(link, (image::LinkState{3, 1, 206}));

    image::CloneImage original = realisticImage();
    original.memRecord[1700] = image::presetRecords[3];
    ASSERT_TRUE(writeCloneFile(path("radio.R36"), original, {16, 1, 0}, settingsPath()).ok());
    const std::string text = fileBytes(path("radio.R36"));
    EXPECT_TRUE(holds(text, "\r\nMR:1699:"));
    EXPECT_EQ(text.find("\r\nMR:6:"), std::string::npos) << "only memories in use travel";
    EXPECT_EQ(text.find("\r\nMR:17"), std::string::npos) << "presets are never written";
    image = image::freshImage();
    ASSERT_EQ(load(path("radio.R36")), "");
    EXPECT_TRUE(report.hadBankTable);
    EXPECT_EQ(link, (image::LinkState{16, 1, 206}));
    image::CloneImage expected = original;
    expected.memRecord[6] = "00";
    expected.memRecord[1700] = image::presetRecords[0]; // and always restored
    EXPECT_EQ(image, expected);
}

TEST_F(CloneFileTest, LinesAfterEndOtherLineEndingsAndPresetMemoriesAreStillRead) {
    const std::string record(image::presetRecords[2]);
    writeBytes(path("tail.R36"),
               "END:\r\nMR:5:" + record + "\nMR:1720:" + record + "\nCOMM:9\rSPD:1");
    ASSERT_EQ(load(path("tail.R36")), "");
    EXPECT_EQ(image.memRecord[5], record);
    EXPECT_EQ(image.memRecord[1720], record);
    EXPECT_EQ(link, (image::LinkState{9, 1, 206}));
}

TEST_F(CloneFileTest, AFileThatCannotBeOpenedChangesNothingAndSaysWhy) {
    EXPECT_TRUE(hasCloneExtension("a/radio.r36"));
    writeBytes(path("radio.R36.txt"), "MR:0:0100\r\n");
    EXPECT_EQ(load(path("radio.R36.txt")), "Can't open the file.");
    const std::string missing = load(path("missing.R36"));
    EXPECT_TRUE(holds(missing, "missing.R36"));
    EXPECT_TRUE(holds(missing, "No such file"));
    EXPECT_EQ(image, realisticImage());
    EXPECT_EQ(link, (image::LinkState{7, 1, 206}));
}

TEST_F(CloneFileTest, TheSettingsPathWritesAndReadsOnlyThePortAndSpeed) {
    // A clone file gets the settings page stored first; the settings file does not.
    const auto store = [&] {
        image.sys3Block = "0101";
    };
    ASSERT_TRUE(writeCloneFile(path("stored.R36"), image, {}, settingsPath(), store).ok());
    EXPECT_TRUE(holds(fileBytes(path("stored.R36")), "\r\nSYS3:0101\r\n"));
    image.sys3Block = "0000";
    ASSERT_TRUE(writeCloneFile(settingsPath(), image, {12, 1, 0}, settingsPath(), store).ok());
    EXPECT_EQ(image.sys3Block, "0000");
    const auto lines = crlfLines(fileBytes(settingsPath()));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("DATE:Save Date and Time "));
    EXPECT_EQ(std::vector(lines.begin() + 1, lines.end()),
              (std::vector<std::string>{"COMM:12", "SPD:1", "END:"}));
    // The comparison is exact: another spelling of the same file is a clone file.
    ASSERT_TRUE(writeCloneFile(m_dir.path() + "/./QB-R36w.ini", image, {}, settingsPath()).ok());
    EXPECT_GT(crlfLines(fileBytes(settingsPath())).size(), 4u);

    // Reading the settings file applies COMM and SPD in range and nothing else.
    writeBytes(path("odd.ini"), "COMM:40\r\nSPD:7\r\nCOMM:2\r\nSPD:0\r\n");
    ASSERT_TRUE(readSettingsFile(path("odd.ini"), link).ok());
    EXPECT_EQ(link, (image::LinkState{2, 0, 206}));
    EXPECT_FALSE(readSettingsFile(path("none.ini"), link).ok());
    // Opened as a clone file under its exact path, it still changes only the port and speed.
    const image::CloneImage before = image;
    ASSERT_EQ(load(dataPath("QB-R36w.ini"), dataPath("QB-R36w.ini")), "");
    EXPECT_EQ(image, before);
    EXPECT_EQ(link, (image::LinkState{4, 1, 206}));
}

TEST_F(CloneFileTest, AFailedWriteLeavesThePreviousFileAsItWas) {
    writeBytes(path("keep.R36"), "previous contents\r\n");
    // The file-size limit makes the operating system refuse the write half-way.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Outcome outcome = writeCloneFile(path("keep.R36"), image, {}, settingsPath());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(holds(r36::test::english(outcome), "keep.R36: File too large"));
    EXPECT_EQ(fileBytes(path("keep.R36")), "previous contents\r\n");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(CloneFileTest, DamagedLinesOfTheSampleAreSkippedAndReportedWithTheirNumbers) {
    image = image::freshImage();
    link = {};
    ASSERT_EQ(load(dataPath("malformed.R36")), "");
    std::vector<int> lines;
    for (const SkippedLine& skipped : report.skipped)
        lines.push_back(skipped.lineNumber);
    EXPECT_EQ(lines,
              (std::vector<int>{3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 16, 17, 19, 20, 21, 22, 23}));
    EXPECT_EQ(why(report.skipped[6]), "LINK0 group number is not 1..10");
    EXPECT_FALSE(report.hadBankTable);
    // What loaded is upper-case; what was skipped left its block as it was; later lines win.
    image::CloneImage expected = image::freshImage();
    expected.memRecord[0] = "0120100A07010700000000000007000000000000000000000000544F57455220";
    for (int memory : {4, 1705})
        expected.memRecord[memory] = image.memRecord[memory];
    expected.psLink[8] = "0000000000000F";
    EXPECT_EQ(image, expected);
    EXPECT_EQ(link, (image::LinkState{5, 0, 0}));
}

TEST(CloneFileText, ADamagedLineIsSkippedWithItsReasonATextWithoutALineOfThisFileIsRefused) {
    // nullptr: loads with nothing skipped. Keys count in their exact case; lines of other
    // programs are ignored; a damaged line of this file is still one.
    const char* const kRefused = "not a clone file";
    const std::pair<std::string, const char*> cases[] = {
        {"MR:+5:0100", "MR memory number is not 0..1720"},
        {"MR: 5:01A0860100000000000000000000070000000000000000000000000000000000",
         "MR memory number is not 0..1720"},
        {"MR:5:01A08601000000000000000000000700000000000000000000000000000000 ",
         "MR record is not 64 hex digits"},
        {"MR:12", "MR line needs a memory number and a record"},
        {"BK:", "BK table is not 200 hex digits"},
        {"LINK0:1", "LINK0 line needs a group number and an entry"},
        {"LINK0:10:0000000000000X", "LINK0 entry is not 14 hex digits"},
        {"LINK1:0:00000000000000", "LINK1 group number is not 1..9"},
        {"SYS", "SYS block is not 256 hex digits"},
        {"SYS3:00010", "SYS3 block is not 4 or 64 hex digits"},
        {"REMOCONID:FFFFFFFFFFFFFFFFFFFFFFFFFFFF", "REMOCONID block is not 26 hex digits"},
        {"COMM:99999999999", "COMM value is not a number 1..16"},
        {"SPD:-1", "SPD value is not a number 0..1"},
        {"NOTE:hello\r\nMR:4:XYZ\r\n", "MR record is not 64 hex digits"},
        {"mr:1:XYZ\r\n\r\nNOTE:hello\r\nDATE:12:00:00\r\nComm:3\r\n", nullptr},
        {"mr:1:XYZ\r\n\r\nNOTE:hello\r\nComm:3\r\n", kRefused},
        {"Two lines of prose,\r\nnone of them: a clone file's.\r\n", kRefused},
        {"", kRefused}};
    image::CloneImage cleared = realisticImage();
    image::clearMemories(cleared);
    for (const auto& [text, reason] : cases) {
        image::CloneImage image = realisticImage();
        image::LinkState link{2, 0, 0};
        CloneFileReport report;
        const bool refused = reason == kRefused, skipped = reason && !refused;
        EXPECT_EQ(r36::test::english(parseCloneText(text, image, link, report)),
                  refused ? reason : "")
            << text;
        EXPECT_EQ(image, refused ? realisticImage() : cleared) << text;
        EXPECT_EQ(link, (image::LinkState{2, 0, 0})) << text;
        ASSERT_EQ(report.skipped.size(), skipped ? 1u : 0u) << text;
        if (skipped) {
            EXPECT_EQ(why(report.skipped[0]), reason) << text;
        }
    }
}

TEST(CloneFileText, AFileIsCompleteOnlyWithEveryLineTheWriterWrites) {
    const std::string full = cloneText(realisticImage(), {3, 1, 0}, "d");
    const auto parse = [](const std::string& text, CloneFileReport& report) {
        image::CloneImage image = image::freshImage();
        image::LinkState link;
        return parseCloneText(text, image, link, report).ok();
    };
    CloneFileReport report;
    ASSERT_TRUE(parse(full, report));
    EXPECT_TRUE(report.clean());
    // Cut at every line boundary, the file is incomplete and says where it ends.
    int lines = 0;
    for (std::size_t end = full.find("\r\n"); end + 2 < full.size();
         end = full.find("\r\n", end + 2)) {
        ASSERT_TRUE(parse(full.substr(0, end + 2), report));
        EXPECT_FALSE(report.complete()) << "cut after line " << lines + 1;
        EXPECT_EQ(report.missing.front(), (MissingLine{"END", {}}));
        EXPECT_EQ(report.lineCount, ++lines);
    }
    EXPECT_GT(lines, 40);

    using M = MissingLine;
    const std::vector<M> allBlocks{{"BK", {}},
                                   {"LINK0", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                   {"LINK1", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                   {"SYS", {}},
                                   {"SYS3", {}},
                                   {"REMOCONID", {}},
                                   {"COMM", {}},
                                   {"SPD", {}}};
    ASSERT_TRUE(parse("DATE:x\r\nEND:\r\n", report));
    EXPECT_EQ(report.missing, allBlocks);
    ASSERT_TRUE(parse("COMM:1", report));
    EXPECT_EQ(report.missing.size(), allBlocks.size()) << "SPD and END, not COMM";
    EXPECT_EQ(report.missing.front(), (M{"END", {}}));

    // A damaged link line does not count for its group; an unknown line is listed, cut short.
    std::string damaged = full;
    damaged.replace(damaged.find("LINK1:4:"), 8, "LINK1:x:");
    damaged.insert(damaged.find("MR:99:"), 1, '\0');
    damaged.replace(damaged.find("MR:100:"), 3, "mr:");
    ASSERT_TRUE(parse(damaged, report));
    EXPECT_EQ(report.missing, (std::vector<M>{{"LINK1", {4}}}));
    ASSERT_EQ(report.unknown.size(), 2u);
    EXPECT_EQ(report.unknown[0].lineNumber, 8);
    EXPECT_EQ(report.unknown[0].text.substr(0, 9), std::string("\0MR:99:01", 9));
    EXPECT_EQ(report.unknown[1].text.size(), 64u);
    EXPECT_EQ(report.lastMemory, 1699);
}

} // namespace
