// qbr36-cli: the window's clone-file, CSV and whole-receiver transfer steps for scripts.

#include "command_line.h"
#include "commands.h"
#include "file_paths.h"
#include "stop_signals.h"

#include "image/program_constants.h"
#include "link/comm_log.h"
#include "session/backups.h"
#include "session/failure_text.h"
#include "session/session.h"

#include <QCoreApplication>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

/// A one-line progress indicator on standard error, redrawn in place; silent unless standard
/// error is a terminal, so logs of scripted runs stay clean.
class ProgressLine {
public:
    explicit ProgressLine(const char* command)
        : m_command(command), m_enabled(isatty(fileno(stderr)) != 0) {}
    ~ProgressLine() {
        if (m_shown)
            std::fputc('\n', stderr);
    }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    std::function<void(int value, int maximum)> sink() {
        if (!m_enabled)
            return {};
        return [this](int value, int maximum) {
            std::fprintf(stderr, "\r%s: memory %d of %d", m_command, value, maximum);
            std::fflush(stderr);
            m_shown = true;
        };
    }

private:
    const char* m_command;
    bool m_enabled;
    bool m_shown = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The window's name, so both programs use the same config and data folders.
    QCoreApplication::setApplicationName(QLatin1String(r36::kAppFolderName));
    r36::cli::StopSignals stop;

    using Kind = r36::cli::ParsedCommandLine::Kind;
    const r36::cli::ParsedCommandLine parsed = r36::cli::parseCommandLine(app.arguments());
    switch (parsed.kind) {
    case Kind::WrongUsage:
        std::fprintf(stderr, "qbr36-cli: %s\nTry 'qbr36-cli --help' for more information.\n",
                     qPrintable(parsed.text));
        return 2;
    case Kind::ShowHelp:
        std::fputs(qPrintable(parsed.text), stdout);
        return 0;
    case Kind::ShowVersion:
        std::printf("%s %s\n", r36::kAppName, r36::kAppVersion);
        return 0;
    case Kind::Run:
        break;
    }

    const r36::cli::Invocation& invocation = parsed.invocation;
    r36::cli::CommandOutput output;
    // Before anything is opened: a FIFO would hang its open(), a device would be replaced.
    r36::Outcome outcome = r36::cli::checkPaths(invocation);
    r36::Outcome log = r36::Outcome::success();
    if (outcome) {
        ProgressLine progress(invocation.command == r36::cli::Command::Write ? "Write all"
                                                                             : "Read all");
        output.progress = progress.sink();
        r36::session::Session::Options options;
        // The window's backups folder: its File > Backups lists what the command line read.
        if (invocation.backup)
            options.backupFolder = r36::session::defaultBackupFolder();
        r36::session::Session session(options);
        if (!invocation.logPath.isEmpty())
            if (const r36::Outcome live =
                    session.receiver().commLog().writeAlongTo(invocation.logPath);
                !live)
                outcome = r36::Outcome::failure("--log: " + r36::session::englishText(live.why()));
        if (outcome)
            outcome = r36::cli::runCommand(invocation, session, stop, output);
        if (!invocation.logPath.isEmpty())
            log = session.receiver().commLog().endLiveFile();
    }
    // The exit status keeps meaning the command; a log that stopped half way is a warning.
    if (!log)
        output.warnings.push_back("the log " + invocation.logPath.toStdString() +
                                  " is incomplete: " + r36::session::englishText(log.why()));
    for (const std::string& warning : output.warnings)
        std::fprintf(stderr, "qbr36-cli: %s\n", warning.c_str());
    std::fputs(output.standardOutput.c_str(), stdout);
    // diff: 0 equal, 1 different, 2 trouble, as diff(1).
    const bool diff = invocation.command == r36::cli::Command::Diff;
    if (!outcome) {
        std::fprintf(stderr, "qbr36-cli: %s\n", r36::session::englishText(outcome.why()).c_str());
        return diff ? 2 : 1;
    }
    return diff && output.differs ? 1 : 0;
}
