// What a script sees of qbr36-cli, run as a program against qbr36-sim on a pseudo-terminal: the
// exit status, the lines on standard error, standard output, and output files written completely
// or not at all.

#include "support/test_files.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <regex>
#include <string>
#include <unistd.h>

using r36::test::dataPath;
using r36::test::fileBytes;

namespace {

QString binPath(const char* name) {
    return QStringLiteral(R36_BIN_DIR "/") + QString::fromLatin1(name);
}

struct CliRun {
    int exitCode = -1; // -1: crashed, or still running after the generous limit (then killed)
    std::string out, err;
};

CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(binPath("qbr36-cli"), arguments);
    const bool ended = process.waitForFinished(180'000);
    CliRun run;
    if (ended && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

/// A qbr36-sim process serving a simulated receiver; stopped (or killed) on destruction.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments) {
        m_process.start(binPath("qbr36-sim"), arguments);
        // The first line of its output is the device to open.
        while (m_device.isEmpty() && m_process.waitForReadyRead(30'000))
            if (m_process.canReadLine())
                m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimulatorProcess() {
        m_process.terminate();
        m_process.waitForFinished();
    }
    const QString& device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

struct CommandCase {
    const char* name;
    const char* fault;     // a simulator with this qbr36-sim --fault; "": none
    const char* arguments; // "@x": a file in a fresh folder, "%x": tests/data/x, "$dev": the
                           // simulator's device
    int exitCode;
    const char* err; // in standard error
    const char* out; // in standard output, and in the output file of a command that succeeds
};

class CliCommands : public ::testing::TestWithParam<CommandCase> {};

} // namespace

TEST_P(CliCommands, ExitStatusMessagesAndOutputFiles) {
    const CommandCase& c = GetParam();
    QTemporaryDir dir;
    std::optional<SimulatorProcess> simulator;
    if (*c.fault)
        simulator.emplace(QStringList{"--fault", QString::fromLatin1(c.fault)});
    QStringList arguments;
    for (const QString& argument : QString::fromLatin1(c.arguments).split(' ', Qt::SkipEmptyParts))
        arguments << (argument == "$dev"         ? simulator->device()
                      : argument.startsWith('@') ? dir.filePath(argument.mid(1))
                      : argument.startsWith('%') ? dataPath(qPrintable(argument.mid(1)))
                                                 : argument);
    const QString output = arguments.value(arguments.size() - 1);
    const bool ownOutput = output.startsWith(dir.path());
    QFile previous(output);
    if (ownOutput && previous.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        previous.write("previous\r\n");
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    // Nothing on success, the reason on failure, the reason and a hint on wrong usage.
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.exitCode) << run.err;
    // An output file is replaced as a whole on success and untouched otherwise.
    const std::string written = ownOutput ? fileBytes(output) : run.out;
    EXPECT_NE(written.find(ownOutput && c.exitCode != 0 ? "previous\r\n" : c.out),
              std::string::npos)
        << written;
}

using C = CommandCase;
INSTANTIATE_TEST_SUITE_P(
    All, CliCommands,
    ::testing::Values(
        C{"Help", "", "--help", 0, "", "Commands:\n  read "},
        C{"ReadHelp", "", "read --help", 0, "",
          "qbr36-cli read --port DEVICE [--speed BAUD] OUT.R36\n"},
        C{"Version", "", "--version", 0, "", "QB-R36 Clone Utility 0.09\n"},
        C{"NoCommand", "", "", 2, "Try 'qbr36-cli --help'", ""},
        C{"UnknownCommand", "", "backup", 2, "unknown command backup", ""},
        C{"NoPort", "", "read @o.R36", 2, "read needs --port DEVICE", ""},
        C{"Speed", "", "read --port COM1 --speed 9600 @o", 2, "not 9600", ""},
        C{"FileCount", "", "export-csv in.R36", 2, "takes 2 file names, not 1", ""},
        C{"PortOnCheck", "", "check --port COM1 in", 2, "does not talk to the receiver", ""},
        C{"CheckClean", "", "check %realistic.R36", 0, "",
          "every line loads; 22 memories in use\n"},
        // Findings are printed and fail the check only when asked to.
        C{"CheckStrict", "", "check --strict %realistic.R36", 1, "2 findings of the list check",
          "realistic.R36: bank-link group 3 names only banks without a memory in use\n"},
        C{"CheckDamaged", "", "check %malformed.R36", 1,
          "malformed.R36: 17 damaged lines would be skipped",
          "malformed.R36 line 3: MR record is not 64 hex digits\n"},
        // Refused before the port is opened: the missing device would be the reason otherwise.
        C{"WriteDamaged", "", "write --port @tty %malformed.R36", 1,
          "line 3: MR record is not 64 hex digits (17 damaged lines; nothing was sent", ""},
        C{"WriteNotClone", "", "write --port @tty %prose.R36", 1, "prose.R36: not a clone file",
          ""},
        // The labels follow the bank table of the opened file, not the fresh program's.
        C{"Export", "", "export-csv %realistic.R36 @o.csv", 0, "", "\r\nBank19-049,"},
        C{"Import", "", "import-csv %edited.csv @o.R36", 0, "",
          "\r\nMR:2:01400ECF190004404B4C0001040767001C0000000000000000002A5354415220\r\n"},
        C{"NoSuchPort", "", "read --port @tty @o.R36", 1, "Read all: cannot open ", ""},
        C{"ComOutOfRange", "", "read --port COM17 @o.R36", 1,
          "COM17: the port number must be 1 to 16", ""},
        C{"NoReply", "no-reply@address=0x02F80", "read --port $dev @o.R36", 1,
          "Read all: reading memory 300 at 02F80: no reply within", ""},
        C{"WriteOptionOnRead", "", "read --port COM1 --changes @o.R36", 2, "belong to write", ""},
        C{"DiffEqual", "", "diff %realistic.R36 %realistic.R36", 0, "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliTransfers, WriteThenReadBringsBackTheWholeFile) {
    QTemporaryDir dir;
    SimulatorProcess simulator({"--blank"});
    const QString sent = dataPath("realistic.R36"), back = dir.filePath("back.R36");
    // Not verified: this receiver does not take PROTCT's byte at the address it is sent to.
    CliRun run =
        runCli({"write", "--port", simulator.device(), "--speed", "38400", "--no-verify", sent});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no progress when standard error is not a terminal
    // COM3 as the window's Port menu names it: the saved file names it too (COMM:3, SPD:1).
    qputenv("QBR36_COM3", simulator.device().toLocal8Bit());
    run = runCli({"read", "--port", "COM3", "--speed", "38400", back});
    qunsetenv("QBR36_COM3");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto afterDate = [](const std::string& text) {
        return text.substr(text.find('\n'));
    };
    EXPECT_EQ(afterDate(fileBytes(back)), afterDate(fileBytes(sent)));
}

TEST(CliTransfers, DiffListsTheChangeAndWriteChangesVerifiesIt) {
    QTemporaryDir dir;
    const QString held = dataPath("realistic.R36"), edited = dir.filePath("edited.R36");
    std::string text = fileBytes(held);
    text.erase(text.find("MR:1:"), text.find("MR:2:") - text.find("MR:1:")); // memory 1 free
    QFile file(edited);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.c_str()) > 0);
    file.close();
    CliRun run = runCli({"diff", held, edited});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "memory 1 (Bank00-001): 118.700000MHz AM \"APP\" -> empty\n");
    EXPECT_EQ(run.err, "qbr36-cli: 1 memory differ\n");
    EXPECT_EQ(runCli({"diff", held, dir.filePath("none.R36")}).exitCode, 2);
    SimulatorProcess simulator({"--file", held, "--fault", "write-dropped@address=0x00A20"});
    run = runCli({"write", "--port", simulator.device(), "--changes-from", held, edited});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\nmemory 1: the receiver holds "), std::string::npos) << run.err;
    run = runCli({"write", "--port", simulator.device(), "--changes", edited});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(CliTransfers, SigtermDuringReadStopsLikeCancelAndWritesNoFile) {
    QTemporaryDir dir;
    SimulatorProcess simulator({"--baud", "115200"}); // paced: the read takes seconds
    // Standard error on a pseudo-terminal, where progress shows. Both ends stay open here, so
    // the last text outlives the program.
    int master = -1, slave = -1;
    char terminal[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, terminal, nullptr, nullptr), 0);
    std::string shown;
    const auto showsAfterReading = [&](const std::regex& pattern) {
        pollfd fd{master, POLLIN, 0};
        char buffer[512];
        for (ssize_t n = 1; n > 0 && !std::regex_search(shown, pattern) && ::poll(&fd, 1, 60'000);)
            if ((n = ::read(master, buffer, sizeof buffer)) > 0)
                shown.append(buffer, static_cast<std::size_t>(n));
        return std::regex_search(shown, pattern);
    };
    const QString out = dir.filePath("out.R36");
    QProcess cli;
    cli.setStandardErrorFile(QString::fromLocal8Bit(terminal));
    cli.start(binPath("qbr36-cli"), {"read", "--port", simulator.device(), out});
    // Progress, redrawn in place: memories are being read.
    EXPECT_TRUE(showsAfterReading(std::regex(R"(\rRead all: memory [1-9]\d* of 1699)"))) << shown;
    cli.terminate();
    // Read while it runs: a terminal that is not read would hold the program up.
    EXPECT_TRUE(showsAfterReading(std::regex(
        R"(\nqbr36-cli: Read all cancelled\. Stopped before reading memory \d+ at [0-9A-F]{5}\. )" +
        out.toStdString() + R"( was not written\.\r?\n$)")))
        << shown;
    EXPECT_TRUE(cli.waitForFinished(60'000));
    EXPECT_EQ(cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, 1);
    EXPECT_EQ(shown.find("qbr36-cli:"), shown.rfind("qbr36-cli:")) << shown;
    EXPECT_FALSE(QFile::exists(out));
    ::close(slave);
    ::close(master);
}

TEST(CliTransfers, LogHoldsTheExchangesOfAFailedRead) {
    QTemporaryDir dir;
    SimulatorProcess simulator({"--fault", "no-reply@address=0x02F80"});
    const QString log = dir.filePath("read.log");
    const CliRun run =
        runCli({"read", "--port", simulator.device(), "--log", log, dir.filePath("o.R36")});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::string text = fileBytes(log);
    // The time in milliseconds, the direction or kind, the text; the port closed at the end.
    const std::regex ending(R"(\n +\d+\.\d{3} > VK~F02F80R\n +\d+\.\d{3} ! no reply within 1000 ms)"
                            R"(\n +\d+\.\d{3} \* closed\n$)");
    EXPECT_TRUE(std::regex_search(text, ending)) << text;
}
