// qbr36-cli: the window's clone-file, CSV and whole-receiver transfer steps for scripts.

#include "command_line.h"
#include "commands.h"

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

constexpr const char* kAppName = "QB-R36 Clone Utility";
constexpr const char* kAppVersion = "0.09";

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

    r36::cli::ProgressSink sink() {
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
    QCoreApplication::setApplicationName(QStringLiteral("qbr36-cli"));

    QString error;
    const auto invocation = r36::cli::parseCommandLine(app.arguments().mid(1), error);
    if (!invocation) {
        std::fprintf(stderr, "qbr36-cli: %s\nTry 'qbr36-cli --help' for more information.\n",
                     qPrintable(error));
        return 2;
    }
    if (invocation->command == r36::cli::Command::Help) {
        std::fputs(qPrintable(r36::cli::helpText()), stdout);
        return 0;
    }
    if (invocation->command == r36::cli::Command::Version) {
        std::printf("%s %s\n", kAppName, kAppVersion);
        return 0;
    }

    r36::cli::CommandOutput output;
    r36::Outcome outcome = r36::Outcome::success();
    {
        ProgressLine progress(invocation->command == r36::cli::Command::Write ? "Write all"
                                                                              : "Read all");
        output.progress = progress.sink();
        outcome = r36::cli::runCommand(*invocation, output);
    }
    for (const std::string& warning : output.warnings)
        std::fprintf(stderr, "qbr36-cli: %s\n", warning.c_str());
    std::fputs(output.standardOutput.c_str(), stdout);
    if (!outcome) {
        std::fprintf(stderr, "qbr36-cli: %s\n", outcome.reason().c_str());
        return 1;
    }
    return 0;
}
