#include "files/clone_file.h"

#include "files_test_support.h"
#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/settings_block.h"
#include "image/value_lists.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <utility>

using namespace r36;
using namespace r36::files;
using namespace r36::files::test;

namespace {

class CloneFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QString settingsPath() const { return path("QB-R36w.ini"); }

    std::string save(image::CloneImage& image, const image::LinkState& link, const char* name) {
        EXPECT_TRUE(writeCloneFile(path(name), image, link, settingsPath()).ok());
        return fileBytes(path(name));
    }

    QTemporaryDir m_dir;
};

// Everything after the DATE line: the part of a saved file that does not depend on the clock.
std::string withoutDateLine(const std::string& text) {
    return text.substr(text.find("\r\n"));
}

} // namespace

TEST_F(CloneFileTest, SaveAfterStartUpWritesEveryBlockButNoMemory) {
    image::CloneImage image = image::freshImage();
    const std::string text = save(image, image::LinkState{}, "fresh.R36");
    const auto lines = crlfLines(text);

    ASSERT_EQ(lines.size(), 1u + 1 + 10 + 9 + 3 + 3);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0].rfind("DATE:Save Date and Time ", 0), 0u);
    EXPECT_EQ(lines[1], "BK:" + image::defaultPartition());
    EXPECT_EQ(lines[2], "LINK0:1:00000000000000");
    EXPECT_EQ(lines[11], "LINK0:10:00000000000001");
    EXPECT_EQ(lines[12], "LINK1:1:00000000000000");
    EXPECT_EQ(lines[20], "LINK1:9:00000000000000");
    EXPECT_EQ(lines[21], "SYS:" + image::defaultSysBlock());
    EXPECT_EQ(lines[22], "SYS3:0001");
    EXPECT_EQ(lines[23], "REMOCONID:FFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(lines[24], "COMM:1");
    EXPECT_EQ(lines[25], "SPD:0");
    EXPECT_EQ(lines[26], "END:");
}

TEST_F(CloneFileTest, SaveAndLoadRoundTripsARealisticImageByteForByte) {
    image::CloneImage original = realisticImage();
    const image::LinkState link{16, 1, 0};
    const std::string first = save(original, link, "radio.R36");

    image::CloneImage loaded = image::freshImage();
    image::LinkState loadedLink;
    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(path("radio.R36"), loaded, loadedLink, report).ok());
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_TRUE(report.hadBankTable);
    EXPECT_EQ(loadedLink.commPort, 16);
    EXPECT_EQ(loadedLink.commSpeed, 1);

    // Only memories in use travel; the receiver's leftovers in a free memory do not.
    image::CloneImage expected = original;
    expected.memRecord[3] = "00";
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(withoutDateLine(save(loaded, loadedLink, "again.R36")), withoutDateLine(first));
    EXPECT_NE(first.find("\r\nMR:1699:"), std::string::npos);
    EXPECT_NE(first.find("\r\nMR:1200:"), std::string::npos);
    EXPECT_EQ(first.find("\r\nMR:3:"), std::string::npos);
}

TEST_F(CloneFileTest, PresetMemoriesAreNeverWrittenAndAlwaysRestored) {
    image::CloneImage image = image::freshImage();
    image.memRecord[1700] = channelRecord(145'000'000, "X");
    const std::string text = save(image, image::LinkState{}, "presets.R36");
    EXPECT_EQ(text.find("MR:"), std::string::npos);

    image::LinkState link;
    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(path("presets.R36"), image, link, report).ok());
    EXPECT_EQ(image.memRecord[1700], image::presetRecords[0]);

    // A file may still carry a preset memory; it is taken as any other.
    const std::string record = channelRecord(146'000'000, "P");
    writeBytes(path("carried.R36"), "MR:1720:" + record + "\r\nEND:\r\n");
    ASSERT_TRUE(readCloneFile(path("carried.R36"), image, link, report).ok());
    EXPECT_EQ(image.memRecord[1720], record);
}

TEST_F(CloneFileTest, BlocksWithoutLinesKeepTheirContentsButMemoriesAreCleared) {
    image::CloneImage image = realisticImage();
    const image::CloneImage before = image;
    image::LinkState link{7, 1, 206};
    writeBytes(path("bare.r36"), "DATE:Save Date and Time 1/1/2026 10:00:00\r\nEND:\r\n");

    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(path("bare.r36"), image, link, report).ok());
    EXPECT_FALSE(report.hadBankTable);
    EXPECT_TRUE(report.skipped.empty());
    image::CloneImage expected = before;
    image::clearMemories(expected);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(link, (image::LinkState{7, 1, 206}));
}

TEST_F(CloneFileTest, LinesAfterEndAndWithOtherLineEndingsAreStillRead) {
    const std::string record = channelRecord(145'000'000, "A");
    writeBytes(path("tail.R36"), "END:\r\nMR:5:" + record + "\nCOMM:9\rSPD:1");
    image::CloneImage image = image::freshImage();
    image::LinkState link;
    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(path("tail.R36"), image, link, report).ok());
    EXPECT_EQ(image.memRecord[5], record);
    EXPECT_EQ(link.commPort, 9);
    EXPECT_EQ(link.commSpeed, 1);
}

TEST_F(CloneFileTest, OnlyTheR36ExtensionInAnyCaseIsOpened) {
    EXPECT_TRUE(hasCloneExtension("a/radio.R36"));
    EXPECT_TRUE(hasCloneExtension("a/radio.r36"));
    EXPECT_FALSE(hasCloneExtension("a/radio.R36.txt"));
    EXPECT_FALSE(hasCloneExtension("a/radio"));

    writeBytes(path("radio.R36.txt"), "MR:0:" + channelRecord(145'000'000, "A") + "\r\n");
    image::CloneImage image = realisticImage();
    const image::CloneImage before = image;
    image::LinkState link;
    CloneFileReport report;
    const Outcome outcome = readCloneFile(path("radio.R36.txt"), image, link, report);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.reason(), "Can't open the file.");
    EXPECT_EQ(image, before);
}

TEST_F(CloneFileTest, AFileThatCannotBeReadChangesNothingAndSaysWhy) {
    image::CloneImage image = realisticImage();
    const image::CloneImage before = image;
    image::LinkState link{3, 1, 0};
    CloneFileReport report;
    const Outcome outcome = readCloneFile(path("missing.R36"), image, link, report);
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.reason().find("missing.R36"), std::string::npos);
    EXPECT_NE(outcome.reason().find("No such file"), std::string::npos);
    EXPECT_EQ(image, before);
    EXPECT_EQ(link, (image::LinkState{3, 1, 0}));
}

TEST_F(CloneFileTest, TheSettingsPathWritesAndReadsOnlyThePortAndSpeed) {
    image::CloneImage image = realisticImage();
    bool stored = false;
    ASSERT_TRUE(
        writeCloneFile(settingsPath(), image, image::LinkState{12, 1, 0}, settingsPath(), [&] {
            stored = true;
        }).ok());
    EXPECT_FALSE(stored);
    const auto lines = crlfLines(fileBytes(settingsPath()));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("DATE:Save Date and Time ", 0), 0u);
    EXPECT_EQ(lines[1], "COMM:12");
    EXPECT_EQ(lines[2], "SPD:1");
    EXPECT_EQ(lines[3], "END:");

    // The comparison is exact: another spelling of the same file is a clone file.
    const QString otherSpelling = m_dir.path() + "/./QB-R36w.ini";
    ASSERT_TRUE(writeCloneFile(otherSpelling, image, image::LinkState{}, settingsPath()).ok());
    EXPECT_GT(crlfLines(fileBytes(settingsPath())).size(), 4u);

    // Reading the settings file applies COMM and SPD and nothing else, even from a clone file.
    image::LinkState link;
    ASSERT_TRUE(readSettingsFile(settingsPath(), link).ok());
    EXPECT_EQ(link, (image::LinkState{1, 0, 0}));
    ASSERT_TRUE(readSettingsFile(dataPath("QB-R36w.ini"), link).ok());
    EXPECT_EQ(link, (image::LinkState{4, 1, 0}));
    writeBytes(path("odd.ini"), "COMM:40\r\nSPD:7\r\nCOMM:2\r\n");
    ASSERT_TRUE(readSettingsFile(path("odd.ini"), link).ok());
    EXPECT_EQ(link, (image::LinkState{2, 1, 0}));
    EXPECT_FALSE(readSettingsFile(path("none.ini"), link).ok());

    // Opened as a clone file under its exact path, it still changes only the port and speed.
    const image::CloneImage before = image;
    CloneFileReport report;
    ASSERT_TRUE(
        readCloneFile(dataPath("QB-R36w.ini"), image, link, report, dataPath("QB-R36w.ini")).ok());
    EXPECT_EQ(image, before);
    EXPECT_EQ(link, (image::LinkState{4, 1, 0}));
}

TEST_F(CloneFileTest, TheSettingsPageIsStoredBeforeTheBlocksAreWritten) {
    image::CloneImage image = image::freshImage();
    ASSERT_TRUE(writeCloneFile(path("stored.R36"), image, image::LinkState{}, settingsPath(), [&] {
                    image.sys3Block = "0101";
                }).ok());
    EXPECT_NE(fileBytes(path("stored.R36")).find("\r\nSYS3:0101\r\n"), std::string::npos);
}

TEST_F(CloneFileTest, AFailedWriteLeavesThePreviousFileAsItWas) {
    image::CloneImage image = realisticImage();
    writeBytes(path("keep.R36"), "previous contents\r\n");

    // The file-size limit makes the operating system refuse the write half-way.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Outcome outcome =
        writeCloneFile(path("keep.R36"), image, image::LinkState{}, settingsPath());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(outcome.ok()) << outcome.reason();
    EXPECT_NE(outcome.reason().find("keep.R36: File too large"), std::string::npos)
        << outcome.reason();
    EXPECT_EQ(fileBytes(path("keep.R36")), "previous contents\r\n");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);

    const Outcome noFolder =
        writeCloneFile(path("no/such/folder.R36"), image, image::LinkState{}, settingsPath());
    EXPECT_FALSE(noFolder.ok());
    EXPECT_NE(noFolder.reason().find("folder.R36"), std::string::npos);
}

// --- Validation: every kind of damaged line is skipped, reported and kept out of the image.

TEST_F(CloneFileTest, DamagedLinesAreSkippedAndReportedWithTheirNumbers) {
    image::CloneImage image = image::freshImage();
    const image::CloneImage before = image;
    image::LinkState link;
    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(dataPath("malformed.R36"), image, link, report).ok());

    const std::vector<int> expectedLines = {3,  4,  5,  6,  7,  10, 11, 12, 13,
                                            14, 16, 17, 19, 20, 21, 22, 23};
    std::vector<int> lines;
    for (const SkippedLine& skipped : report.skipped) {
        lines.push_back(skipped.lineNumber);
        EXPECT_FALSE(skipped.reason.empty()) << skipped.lineNumber;
    }
    EXPECT_EQ(lines, expectedLines);
    EXPECT_EQ(report.skipped[0].reason, "MR record is not 64 hex digits");
    EXPECT_EQ(report.skipped[2].reason, "MR memory number is not 0..1720");
    EXPECT_FALSE(report.hadBankTable);

    // What loaded is upper-case; what was skipped left its block as it was.
    EXPECT_TRUE(image::isHexOfLength(image.memRecord[0], 64));
    EXPECT_EQ(image.memRecord[0], image::toUpperAscii(image.memRecord[0]));
    EXPECT_EQ(image.memRecord[1], "00");
    EXPECT_EQ(image.memRecord[2], "00");
    EXPECT_TRUE(image::isRecordInUse(image.memRecord[4]));
    EXPECT_TRUE(image::isRecordInUse(image.memRecord[1705]));
    EXPECT_EQ(image.bankTable, before.bankTable);
    EXPECT_EQ(image.bankLink, before.bankLink);
    EXPECT_EQ(image.psLink[8], "0000000000000F");
    EXPECT_EQ(image.sysBlock, before.sysBlock);
    EXPECT_EQ(image.sys3Block, "0001");
    EXPECT_EQ(image.remoconId, before.remoconId);
    EXPECT_EQ(link, (image::LinkState{5, 0, 0}));
}

struct BadLine {
    const char* line;
    const char* reason;
};

class CloneFileLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(CloneFileLineTest, IsSkippedWithItsReasonAndChangesNothing) {
    image::CloneImage image = realisticImage();
    image::LinkState link{2, 0, 0};
    CloneFileReport report;
    ASSERT_TRUE(parseCloneText(std::string("DATE:x\r\n") + GetParam().line + "\r\nEND:\r\n", image,
                               link, report)
                    .ok());
    image::CloneImage expected = realisticImage();
    image::clearMemories(expected);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(link, (image::LinkState{2, 0, 0}));
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(report.skipped[0].lineNumber, 2);
    EXPECT_EQ(report.skipped[0].reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKey, CloneFileLineTest,
    ::testing::Values(
        BadLine{"MR:12", "MR line needs a memory number and a record"},
        BadLine{"MR:+5:0100", "MR memory number is not 0..1720"},
        BadLine{"MR: 5:01A0860100000000000000000000070000000000000000000000000000000000",
                "MR memory number is not 0..1720"},
        BadLine{"MR:5:00", "MR record is not 64 hex digits"},
        BadLine{"MR:5:01A08601000000000000000000000700000000000000000000000000000000 ",
                "MR record is not 64 hex digits"},
        BadLine{"BK:", "BK table is not 200 hex digits"},
        BadLine{"LINK0:1", "LINK0 line needs a group number and an entry"},
        BadLine{"LINK0:10:0000000000000X", "LINK0 entry is not 14 hex digits"},
        BadLine{"LINK1:0:00000000000000", "LINK1 group number is not 1..9"},
        BadLine{"SYS", "SYS block is not 256 hex digits"},
        BadLine{"SYS3:00010", "SYS3 block is not 4 or 64 hex digits"},
        BadLine{"REMOCONID:FFFFFFFFFFFFFFFFFFFFFFFFFFFF", "REMOCONID block is not 26 hex digits"},
        BadLine{"COMM:", "COMM value is not a number 1..16"},
        BadLine{"COMM:99999999999", "COMM value is not a number 1..16"},
        BadLine{"SPD:-1", "SPD value is not a number 0..1"}));

TEST(CloneFileParse, ATextWithoutALineOfThisFileIsRefusedAndChangesNothing) {
    std::string noise(1 << 20, ' ');
    std::uint32_t seed = 17;
    for (char& c : noise)
        c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    // Keys count in their exact case; lines of other programs are ignored.
    const std::pair<std::string, bool> cases[] = {
        {"Two lines of prose,\r\nnone of them: a clone file's.\r\n", false},
        {noise, false},
        {"", false},
        {"mr:1:XYZ\r\n\r\nNOTE:hello\r\nComm:3\r\n", false},
        {"mr:1:XYZ\r\n\r\nNOTE:hello\r\nDATE:12:00:00\r\nComm:3\r\n", true},
        {"NOTE:hello\r\nMR:4:XYZ\r\n", true}, // a damaged line of this file is still one
    };
    for (const auto& [text, loads] : cases) {
        image::CloneImage image = realisticImage();
        image::LinkState link{2, 0, 0};
        CloneFileReport report;
        const Outcome parsed = parseCloneText(text, image, link, report);
        EXPECT_EQ(parsed.ok(), loads) << text.substr(0, 20);
        EXPECT_EQ(parsed.reason(), loads ? "" : "not a clone file");
        image::CloneImage expected = realisticImage();
        if (loads)
            image::clearMemories(expected);
        EXPECT_EQ(image, expected);
        EXPECT_EQ(link, (image::LinkState{2, 0, 0}));
    }
}

TEST(CloneFileParse, TheRealLookingSampleLoadsWithoutASkippedLine) {
    image::CloneImage image = image::freshImage();
    image::LinkState link;
    CloneFileReport report;
    ASSERT_TRUE(readCloneFile(dataPath("realistic.R36"), image, link, report).ok());
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_TRUE(report.hadBankTable);
    EXPECT_EQ(image::bankCounts(image.bankTable)[19], 50);
    EXPECT_EQ(image::renderRecord(image.memRecord[1200], 1200)[1], "auto");
    EXPECT_EQ(image::renderRecord(image.memRecord[1699], 1699)[10], "LAST99");
    EXPECT_EQ(link, (image::LinkState{3, 1, 0}));
}
