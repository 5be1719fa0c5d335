#include "command_line.h"

#include <array>

namespace r36::cli {

namespace {

struct CommandSpec {
    const char* name;
    Command command;
    int pathCount;
    bool usesPort;
};

constexpr std::array<CommandSpec, 5> kCommands{{
    {"export-csv", Command::ExportCsv, 2, false},
    {"import-csv", Command::ImportCsv, 2, false},
    {"read", Command::Read, 1, true},
    {"write", Command::Write, 1, true},
    {"check", Command::Check, 1, false},
}};

/// Value of "--name VALUE" or "--name=VALUE" at arguments[i]; advances i past it.
std::optional<QString> optionValue(const QStringList& arguments, qsizetype& i, const QString& name,
                                   QString& error) {
    const QString& argument = arguments[i];
    if (argument.startsWith(name + QLatin1Char('=')))
        return argument.mid(name.size() + 1);
    if (i + 1 >= arguments.size()) {
        error = name + QStringLiteral(" needs a value");
        return std::nullopt;
    }
    return arguments[++i];
}

bool isOption(const QString& argument, const QString& name) {
    return argument == name || argument.startsWith(name + QLatin1Char('='));
}

} // namespace

std::optional<Invocation> parseCommandLine(const QStringList& arguments, QString& error) {
    Invocation invocation;
    const CommandSpec* spec = nullptr;
    bool speedGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return Invocation{Command::Help, {}, {}, 0};
        } else if (argument == QLatin1String("--version")) {
            return Invocation{Command::Version, {}, {}, 0};
        } else if (isOption(argument, QStringLiteral("--port"))) {
            const auto value = optionValue(arguments, i, QStringLiteral("--port"), error);
            if (!value)
                return std::nullopt;
            if (value->isEmpty()) {
                error = QStringLiteral("--port needs a device, like /dev/ttyUSB0 or COM3");
                return std::nullopt;
            }
            invocation.port = *value;
        } else if (isOption(argument, QStringLiteral("--speed"))) {
            const auto value = optionValue(arguments, i, QStringLiteral("--speed"), error);
            if (!value)
                return std::nullopt;
            if (*value == QLatin1String("115200")) {
                invocation.commSpeed = 0;
            } else if (*value == QLatin1String("38400")) {
                invocation.commSpeed = 1;
            } else {
                error = QStringLiteral("--speed must be 115200 or 38400, not ") + *value;
                return std::nullopt;
            }
            speedGiven = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            error = QStringLiteral("unknown option ") + argument;
            return std::nullopt;
        } else if (!spec) {
            for (const CommandSpec& candidate : kCommands) {
                if (argument == QLatin1String(candidate.name))
                    spec = &candidate;
            }
            if (!spec) {
                error = QStringLiteral("unknown command ") + argument;
                return std::nullopt;
            }
            invocation.command = spec->command;
        } else {
            invocation.paths << argument;
        }
    }
    if (!spec) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    const QString name = QLatin1String(spec->name);
    if (invocation.paths.size() != spec->pathCount) {
        error = name + QStringLiteral(" takes %1 file name%2, not %3")
                           .arg(spec->pathCount)
                           .arg(spec->pathCount == 1 ? "" : "s")
                           .arg(invocation.paths.size());
        return std::nullopt;
    }
    if (spec->usesPort && invocation.port.isEmpty()) {
        error = name + QStringLiteral(" needs --port DEVICE");
        return std::nullopt;
    }
    if (!spec->usesPort && (!invocation.port.isEmpty() || speedGiven)) {
        error = name + QStringLiteral(" does not talk to the receiver; --port and --speed "
                                      "belong to read and write");
        return std::nullopt;
    }
    return invocation;
}

QString helpText() {
    return QStringLiteral(
        "Usage: qbr36-cli COMMAND [OPTIONS] FILE...\n"
        "\n"
        "The command-line companion of the QB-R36 Clone Utility. A clone file (.R36) holds\n"
        "everything the program edits in the receiver; a CSV file holds its memory list.\n"
        "Each command does what the window does for the same steps, starting from a freshly\n"
        "started program.\n"
        "\n"
        "Commands:\n"
        "  read --port DEVICE [--speed 115200|38400] OUT.R36\n"
        "      Read the whole receiver (Comm > Read all) and save it as a clone file.\n"
        "  write --port DEVICE [--speed 115200|38400] IN.R36\n"
        "      Open a clone file and write all of it to the receiver (Comm > Write all): its\n"
        "      memories, banks, links and settings replace the receiver's. A file with\n"
        "      damaged lines is refused; run check to list them.\n"
        "  export-csv IN.R36 OUT.csv\n"
        "      Open a clone file and export its memory list as CSV (File > Export).\n"
        "  import-csv IN.csv OUT.R36\n"
        "      Import a CSV memory list (File > Import) and save it as a clone file.\n"
        "  check IN.R36\n"
        "      Open a clone file and list every line that would be skipped, with its number\n"
        "      and the reason; the exit status is 1 when there is one. A file without a\n"
        "      single clone-file line is not a clone file: check, write and export-csv\n"
        "      refuse it.\n"
        "\n"
        "Options:\n"
        "  --port DEVICE   The receiver's serial port: a device such as /dev/ttyUSB0, or COM1\n"
        "                  to COM16 as the window's Port menu counts them (on Linux the\n"
        "                  variable QBR36_COMn=/dev/... chooses the device of COMn).\n"
        "  --speed BAUD    115200 (the default) or 38400, as set on the receiver.\n"
        "  -h, --help      Show this text.\n"
        "  --version       Show the program name and version.\n"
        "\n"
        "Progress is shown on a terminal only. Output files are written completely or not at\n"
        "all: a failed command leaves an existing file as it was.\n"
        "\n"
        "Exit status: 0 success; 1 the command failed (one line on standard error says what\n"
        "and why); 2 wrong usage.\n"
        "\n"
        "Examples:\n"
        "  qbr36-cli read --port /dev/ttyUSB0 backup.R36\n"
        "  qbr36-cli write --port COM1 --speed 38400 backup.R36\n"
        "  qbr36-cli export-csv backup.R36 channels.csv\n");
}

} // namespace r36::cli
