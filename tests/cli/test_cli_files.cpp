// The file commands against the same functions the window uses for File > Open, Save, Export and
// Import.

#include "cli_process.h"

#include "files/clone_file.h"
#include "files/csv_file.h"
#include "image/memory_areas.h"

#include <QTemporaryDir>

using namespace r36;
using namespace r36::cli_test;

namespace {

class CliFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

/// The image a fresh program holds after opening `path`.
image::CloneImage opened(const QString& path, files::CloneFileReport* report = nullptr) {
    image::CloneImage image = image::freshImage();
    image::LinkState link;
    files::CloneFileReport ignored;
    EXPECT_TRUE(files::readCloneFile(path, image, link, report ? *report : ignored).ok());
    return image;
}

} // namespace

TEST_F(CliFiles, ExportCsvWritesWhatTheWindowExports) {
    const CliRun run = runCli({"export-csv", dataPath("realistic.R36"), path("out.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const image::CloneImage image = opened(dataPath("realistic.R36"));
    std::vector<std::string> labels = image::defaultMemoryLabels();
    image::relabelMemoryList(image.bankTable, labels);
    EXPECT_EQ(fileBytes(path("out.csv")), files::csvText(image, labels));
    EXPECT_NE(fileBytes(path("out.csv")).find("\r\nBank19-049,"), std::string::npos);
}

TEST_F(CliFiles, ImportCsvSavesTheImportedMemories) {
    const CliRun run = runCli({"import-csv", dataPath("edited.csv"), path("out.R36")});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const files::CsvImport imported = files::importCsv(dataPath("edited.csv"));
    ASSERT_TRUE(imported.ok);
    files::CloneFileReport report;
    const image::CloneImage saved = opened(path("out.R36"), &report);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(saved.memRecord, imported.records);
    const image::CloneImage fresh = image::freshImage();
    EXPECT_EQ(saved.bankTable, fresh.bankTable);
    EXPECT_EQ(saved.bankLink, fresh.bankLink);
}

TEST_F(CliFiles, AFailedImportNamesTheLineAndLeavesTheOutputAlone) {
    writeBytes(path("short.csv"), std::string(files::kCsvHeader) + "\r\n");
    writeBytes(path("keep.R36"), "old\r\n");
    const CliRun run = runCli({"import-csv", path("short.csv"), path("keep.R36")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("short.csv: the file ends after line 1"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_EQ(fileBytes(path("keep.R36")), "old\r\n");

    const CliRun wrongName = runCli({"import-csv", dataPath("realistic.R36"), path("x.R36")});
    EXPECT_EQ(wrongName.exitCode, 1);
    EXPECT_NE(wrongName.err.find("realistic.R36: Can't open the file."), std::string::npos);
    EXPECT_FALSE(QFile::exists(path("x.R36")));
}

TEST_F(CliFiles, CheckListsEverySkippedLine) {
    const CliRun run = runCli({"check", dataPath("malformed.R36")});
    EXPECT_EQ(run.exitCode, 1);
    files::CloneFileReport report;
    opened(dataPath("malformed.R36"), &report);
    std::string expected;
    for (const files::SkippedLine& skipped : report.skipped)
        expected += dataPath("malformed.R36").toStdString() + " line " +
                    std::to_string(skipped.lineNumber) + ": " + skipped.reason + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(run.err.find("17 damaged lines would be skipped"), std::string::npos) << run.err;

    const CliRun clean = runCli({"check", dataPath("realistic.R36")});
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_NE(clean.out.find("every line loads; 22 memories in use"), std::string::npos);
}

TEST_F(CliFiles, WriteRefusesADamagedFileBeforeTouchingThePort) {
    const CliRun run = runCli({"write", "--port", path("no-such-port"), dataPath("malformed.R36")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("malformed.R36 line 3: MR record is not 64 hex digits"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("nothing was sent"), std::string::npos);
}

TEST(CliUsage, HelpAndVersion) {
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command :
         {"read", "write", "export-csv", "import-csv", "check", "--port", "--speed", "Exit status"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "QB-R36 Clone Utility 0.09\n");
}

class CliWrongUsage : public ::testing::TestWithParam<std::vector<const char*>> {};

TEST_P(CliWrongUsage, ExitsWithStatusTwoAndAHint) {
    QStringList arguments;
    for (const char* argument : GetParam())
        arguments << QString::fromLatin1(argument);
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("qbr36-cli --help"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliWrongUsage,
    ::testing::Values(std::vector<const char*>{}, std::vector<const char*>{"backup"},
                      std::vector<const char*>{"read", "out.R36"},
                      std::vector<const char*>{"read", "--port"},
                      std::vector<const char*>{"read", "--port", "COM1", "--speed", "9600",
                                               "o.R36"},
                      std::vector<const char*>{"export-csv", "in.R36"},
                      std::vector<const char*>{"check", "--port", "COM1", "in.R36"},
                      std::vector<const char*>{"check", "--verbose", "in.R36"}));
