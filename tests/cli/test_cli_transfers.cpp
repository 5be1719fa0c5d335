// read and write against the simulated receiver on a pseudo-terminal, through the real serial
// port code.

#include "cli_process.h"

#include "files/clone_file.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "sim/receiver_simulator.h"

#include <QTemporaryDir>

using namespace r36;
using namespace r36::cli_test;

namespace {

image::CloneImage opened(const QString& path) {
    image::CloneImage image = image::freshImage();
    image::LinkState link;
    files::CloneFileReport report;
    EXPECT_TRUE(files::readCloneFile(path, image, link, report).ok());
    EXPECT_TRUE(report.skipped.empty());
    return image;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

/// The line of a clone file that starts with `prefix`, without its CR LF.
std::string lineOf(const std::string& text, const std::string& prefix) {
    const std::size_t at = text.find("\r\n" + prefix);
    if (at == std::string::npos)
        return {};
    return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
}

} // namespace

TEST(CliTransfers, ReadWriteReadRoundTrips) {
    QTemporaryDir dir;
    SimulatorProcess simulator;
    ASSERT_FALSE(simulator.device().isEmpty());

    // COM3 as the window's Port menu names it; the saved file remembers port and speed.
    const QString first = dir.filePath("first.R36");
    CliRun run = runCli({"read", "--port", "COM3", "--speed", "38400", first},
                        {{"QBR36_COM3", simulator.device()}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no progress when standard error is not a terminal
    const std::string firstText = fileBytes(first);
    EXPECT_NE(firstText.find("\r\nCOMM:3\r\nSPD:1\r\nEND:\r\n"), std::string::npos);

    // Change the file the way a user would: a new memory 0, memory 1 cleared.
    const std::string newRecord = [] {
        image::MemoryChannel channel;
        channel.frequencyHz = 145'500'000;
        channel.name = "CLI";
        return image::encodeRecord(channel);
    }();
    const std::string memory1 = lineOf(firstText, "MR:1:");
    ASSERT_FALSE(memory1.empty());
    std::string edited = replaced(firstText, lineOf(firstText, "MR:0:"), "MR:0:" + newRecord);
    edited = replaced(edited, memory1 + "\r\n", "");
    const QString editedPath = dir.filePath("edited.R36");
    writeBytes(editedPath, edited);

    run = runCli({"write", "--port", simulator.device(), "--speed", "38400", editedPath});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QString second = dir.filePath("second.R36");
    run = runCli({"read", "--port", simulator.device(), "--speed", "38400", second});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const image::CloneImage sent = opened(editedPath);
    const image::CloneImage back = opened(second);
    EXPECT_EQ(back.memRecord[0], newRecord);
    EXPECT_EQ(back.memRecord[1], "00");
    for (int m = 0; m < image::kUserMemoryCount; ++m) {
        std::string expected = sent.memRecord[static_cast<std::size_t>(m)];
        // The auto flags are cleared on the way to memories outside the PRG area.
        if (!image::isPrgMemory(m) && image::isRecordInUse(expected))
            expected.replace(38, 4, "0000");
        EXPECT_EQ(back.memRecord[static_cast<std::size_t>(m)], expected) << "memory " << m;
    }
    EXPECT_EQ(back.bankTable, sent.bankTable);
    EXPECT_EQ(back.bankLink, sent.bankLink);
    EXPECT_EQ(back.psLink, sent.psLink);
    EXPECT_EQ(back.sysBlock, sent.sysBlock);
    EXPECT_EQ(back.remoconId, sent.remoconId);
    // Only the PROTCT byte (offset 1) of the third block is sent.
    EXPECT_EQ(back.sys3Block.substr(2), sent.sys3Block.substr(2));
}

TEST(CliTransfers, AFileThatIsNotACloneFileIsRefusedAndNothingIsSent) {
    QTemporaryDir dir;
    const QString prose = dir.filePath("notes.R36");
    const QString saved = dir.filePath("receiver.bin");
    writeBytes(prose, "Two lines of prose,\r\nnone of them a clone file's.\r\n");
    {
        SimulatorProcess simulator({"--save", saved});
        ASSERT_FALSE(simulator.device().isEmpty());
        for (const QStringList& arguments :
             {QStringList{"check", prose},
              QStringList{"write", "--port", simulator.device(), prose},
              QStringList{"export-csv", prose, dir.filePath("out.csv")}}) {
            const CliRun run = runCli(arguments);
            EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
            EXPECT_NE(run.err.find("notes.R36: not a clone file"), std::string::npos) << run.err;
        }
    }
    sim::ReceiverSimulator untouched;
    untouched.loadRealisticMemory();
    EXPECT_EQ(fileBytes(saved), std::string(untouched.memory().begin(), untouched.memory().end()));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.csv")));
}

struct FaultCase {
    const char* name;
    const char* fault; // qbr36-sim --fault
    const char* command;
    const char* reason; // in the one line on standard error
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CliFaults, FailWithTheStepAndLeaveNoFile) {
    QTemporaryDir dir;
    SimulatorProcess simulator({"--fault", QString::fromLatin1(GetParam().fault)});
    ASSERT_FALSE(simulator.device().isEmpty());
    const QString out = dir.filePath("out.R36");
    writeBytes(out, "previous\r\n");
    const bool read = std::string(GetParam().command) == "read";
    const CliRun run = runCli(
        {GetParam().command, "--port", simulator.device(), read ? out : dataPath("realistic.R36")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(GetParam().reason), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(fileBytes(out), "previous\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Simulator, CliFaults,
    ::testing::Values(FaultCase{"NoReply", "no-reply@address=0x02F80", "read",
                                "Read all: reading memory 300 at 02F80: no reply within"},
                      FaultCase{"NoEcho", "no-echo@address=0x02F80", "read",
                                "Read all: reading memory 300 at 02F80: reply not framed"},
                      FaultCase{"Unframed", "unframed@address=0x00100", "read",
                                "Read all: reading the bank table at 00100: reply not framed"},
                      FaultCase{"Garbled", "garbled@address=0x02F80", "read",
                                "Read all: reading memory 300 at 02F80: bad reply"},
                      FaultCase{"ShortLine", "short-line@address=0x00500", "read",
                                "Read all: reading the settings block at 00500: bad reply"},
                      FaultCase{"LateReply", "late-reply@command=1,late=4000", "read",
                                "Read all: greeting: no reply within"},
                      FaultCase{"PortVanishes", "port-vanishes@address=0x02F80", "read",
                                "Read all: reading memory 300 at 02F80: port error"},
                      FaultCase{"WriteRefused", "write-refused@address=0x02F80", "write",
                                "Write all: writing memory 300 at 02F80: receiver answered \"NG\""},
                      FaultCase{"WriteNoReply", "no-reply@address=0x00088", "write",
                                "Write all: writing bank-link group 1 at 00088: no reply within"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliPorts, ComNamesFollowTheWindowsPortNumbering) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("ttyMissing");
    const CliRun run =
        runCli({"read", "--port", "com3", dir.filePath("out.R36")}, {{"QBR36_COM3", missing}});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Read all: cannot open " + missing.toStdString()), std::string::npos)
        << run.err;

    const CliRun outOfRange = runCli({"read", "--port", "COM17", dir.filePath("out.R36")});
    EXPECT_EQ(outOfRange.exitCode, 1);
    EXPECT_NE(outOfRange.err.find("COM17: the port number must be 1 to 16"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.R36")));
}
