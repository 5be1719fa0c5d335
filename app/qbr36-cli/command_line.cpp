#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace r36::cli {

namespace {

struct CommandSpec {
    const char* name;
    Command command;
    bool usesPort;
    const char* summary; // one line of the command list
    const char* details; // the rest of its own help
    std::initializer_list<std::pair<const char*, const char*>> files; // name, description
};

const std::array<CommandSpec, 7> kCommands{{
    {"read",
     Command::Read,
     true,
     "Read the whole receiver into a clone file.",
     "Reads the whole receiver (Comm > Read all) and saves it as a clone file (File > Save).\n"
     "The file is written only after a complete read.",
     {{"OUT.R36", "The clone file to write."}}},
    {"write",
     Command::Write,
     true,
     "Write a clone file to the receiver.",
     "Opens a clone file and writes all of it to the receiver (Comm > Write all): its\n"
     "memories, banks, links and settings replace the receiver's. A file with damaged lines\n"
     "is refused (run check to list them), and so is one that is not a clone file.\n"
     "Every piece written is read back and compared (Verify after writing); a piece the\n"
     "receiver holds otherwise fails the command with what it holds.",
     {{"IN.R36", "The clone file to send."}}},
    {"export-csv",
     Command::ExportCsv,
     false,
     "Export the memory list of a clone file as CSV.",
     "Opens a clone file and exports its memory list as CSV (File > Export). With --format\n"
     "chirp: its memories in use as CHIRP CSV, Location the memory number, Comment its label;\n"
     "what CHIRP cannot hold (Train subtones, auto mode and step) is listed on standard error.",
     {{"IN.R36", "The clone file to open."}, {"OUT.csv", "The CSV file to write."}}},
    {"import-csv",
     Command::ImportCsv,
     false,
     "Import a CSV memory list into a new clone file.",
     "Imports a CSV memory list (File > Import) and saves it as a clone file.\n"
     "A CHIRP CSV list (--format chirp, or recognised by its header) goes into consecutive\n"
     "memories from --at (memory 0 by default) in Location order, into an empty image or a\n"
     "copy of --into; the rest of the image stays as it was. Each line not carried as written\n"
     "is listed with the reason on standard error; with --strict any such line fails the\n"
     "command and nothing is written.",
     {{"IN.csv", "The CSV file to import."}, {"OUT.R36", "The clone file to write."}}},
    {"check",
     Command::Check,
     false,
     "List every problem of a clone file, then the list check's findings.",
     "Opens a clone file and lists every line that would be skipped or is unknown, with its\n"
     "number and the reason, and every line the file lacks (a file cut short lacks its END\n"
     "line); the exit status is 1 when there is one, and write refuses such a file. A file\n"
     "without a single clone-file line is not a clone file: check, write and export-csv\n"
     "refuse it. Then the list check's findings follow, one a line: duplicates, program-scan\n"
     "pairs with a free or reversed edge, link groups naming only empty banks or pairs, names\n"
     "with a leading space or a hidden character; they fail the check only with --strict.",
     {{"IN.R36", "The clone file to check."}}},
    {"diff",
     Command::Diff,
     false,
     "Show what differs between two clone files.",
     "Prints one line per change, in a stable order, that writing B.R36 makes on a receiver\n"
     "holding A.R36: the lines of the window's difference before a write, and their count on\n"
     "standard error. Exit status, as diff(1) gives it: 0 the files are equal, 1 they\n"
     "differ, 2 trouble.",
     {{"A.R36", "What the receiver holds."}, {"B.R36", "What would be written."}}},
    {"backups",
     Command::Backups,
     false,
     "List the backups of the receiver, newest first.",
     "Lists the backups every Read all of the window (and write --backup) leaves in the\n"
     "program's data folder, newest first, one a line: the date and time it was made, the\n"
     "receiver's version, the memories in use and the file. Compare two of them with diff.",
     {}},
}};

const char* kDescription =
    "The command-line companion of the QB-R36 Clone Utility. A clone file (.R36) holds\n"
    "everything the program edits in the receiver; a CSV file holds its memory list. Each\n"
    "command does what the window does for the same steps, starting from a freshly started\n"
    "program.";

const char* kFileNote =
    "\nProgress is shown on a terminal only. Output files are written completely or not at\n"
    "all: a failed or interrupted command leaves an existing file as it was. - stands for\n"
    "standard input or output. A path that is not a regular file (a FIFO, a device), an\n"
    "output that is also an input, or an output folder that does not exist is refused\n"
    "before anything is read or sent.\n";

const char* kExitStatus =
    "\nExit status: 0 success; 1 the command failed or was interrupted (one line on standard\n"
    "error says what and why); 2 wrong usage.\n";

const char* kExamples = "\nExamples:\n"
                        "  qbr36-cli read --port /dev/ttyUSB0 backup.R36\n"
                        "  qbr36-cli write --port COM1 --speed 38400 backup.R36\n"
                        "  qbr36-cli write --port COM1 --changes edited.R36\n"
                        "  qbr36-cli read --port COM1 --log read.log backup.R36\n"
                        "  qbr36-cli diff backup.R36 edited.R36\n"
                        "  qbr36-cli backups\n"
                        "  qbr36-cli export-csv backup.R36 channels.csv\n";

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help; after a command, that command's.")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("Show the program name and version.")};
    QCommandLineOption port{QStringLiteral("port"),
                            QStringLiteral("The receiver's serial port: a device such as "
                                           "/dev/ttyUSB0, or COM1 to COM16 as the window's Port "
                                           "menu counts them (on Linux the variable "
                                           "QBR36_COMn=/dev/... chooses the device of COMn)."),
                            QStringLiteral("DEVICE")};
    QCommandLineOption speed{QStringLiteral("speed"),
                             QStringLiteral("115200 (the default) or 38400, as set on the "
                                            "receiver."),
                             QStringLiteral("BAUD")};
    QCommandLineOption log{QStringLiteral("log"),
                           QStringLiteral("Write every exchange with the receiver to FILE as it "
                                          "happens, also when the command fails: for a bug "
                                          "report."),
                           QStringLiteral("FILE")};
    QCommandLineOption backup{QStringLiteral("backup"),
                              QStringLiteral("Read the receiver into the backups folder first, "
                                             "as the window's Read all does.")};
    QCommandLineOption changes{QStringLiteral("changes"),
                               QStringLiteral("Read the receiver first and send only what "
                                              "differs from it (Write changes).")};
    QCommandLineOption changesFrom{QStringLiteral("changes-from"),
                                   QStringLiteral("Send only what differs from FILE, taken as "
                                                  "what the receiver holds; nothing is read."),
                                   QStringLiteral("FILE")};
    QCommandLineOption noVerify{QStringLiteral("no-verify"),
                                QStringLiteral("Do not read back what was written.")};
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("chirp: a list in CHIRP's generic CSV."),
                              QStringLiteral("FORMAT")};
    QCommandLineOption at{QStringLiteral("at"),
                          QStringLiteral("The first memory of a CHIRP list: its number (0 to "
                                         "1699) or its label, such as Bank05-000."),
                          QStringLiteral("MEMORY")};
    QCommandLineOption into{QStringLiteral("into"),
                            QStringLiteral("Import a CHIRP list into a copy of this clone file."),
                            QStringLiteral("FILE")};
    QCommandLineOption strict{
        QStringLiteral("strict"),
        QStringLiteral("check: the list check's findings (duplicates, program-scan pairs, link "
                       "groups, names) fail it too. import-csv: a line of a CHIRP list not "
                       "carried as written fails it, writing nothing.")};
    QList<QCommandLineOption> importOptions() const { return {at, into}; }
    QList<QCommandLineOption> writeOptions() const {
        return {backup, changes, changesFrom, noVerify};
    }
    QList<QCommandLineOption> all() const {
        return QList<QCommandLineOption>{help, version, port, speed, log, format, strict} +
               writeOptions() + importOptions();
    }
};

/// Qt's help text with `usage` as its first line.
QString withUsage(const QCommandLineParser& parser, const QString& usage) {
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: ") + usage + QLatin1Char('\n'));
    return text;
}

QString programHelp(const Options& options) {
    QString description = QLatin1String(kDescription) + QStringLiteral("\n\nCommands:\n");
    for (const CommandSpec& spec : kCommands)
        description += QStringLiteral("  %1 %2\n")
                           .arg(QLatin1String(spec.name), -11)
                           .arg(QLatin1String(spec.summary));
    description += QStringLiteral("Run 'qbr36-cli COMMAND --help' for a command's files.");
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addOptions({options.help, options.version, options.port, options.speed, options.log});
    return withUsage(parser, QStringLiteral("qbr36-cli COMMAND [options] FILE...")) +
           QLatin1String(kFileNote) + QLatin1String(kExitStatus) + QLatin1String(kExamples);
}

QString commandHelp(const Options& options, const CommandSpec& spec) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(spec.details));
    parser.addOption(options.help);
    if (spec.usesPort)
        parser.addOptions({options.port, options.speed});
    if (spec.command == Command::Write)
        parser.addOptions(options.writeOptions());
    if (spec.command == Command::ImportCsv || spec.command == Command::ExportCsv)
        parser.addOption(options.format);
    if (spec.command == Command::ImportCsv)
        parser.addOptions(options.importOptions());
    if (spec.command == Command::Check || spec.command == Command::ImportCsv)
        parser.addOption(options.strict);
    parser.addOption(options.log);
    QString usage =
        QStringLiteral("qbr36-cli ") + QLatin1String(spec.name) +
        (spec.usesPort ? QStringLiteral(" --port DEVICE [--speed BAUD]") : QStringLiteral(""));
    if (spec.command == Command::Write)
        usage += QStringLiteral(" [--backup] [--changes | --changes-from FILE] [--no-verify]");
    if (spec.command == Command::ExportCsv)
        usage += QStringLiteral(" [--format chirp]");
    if (spec.command == Command::ImportCsv)
        usage += QStringLiteral(" [--format chirp] [--at MEMORY] [--into FILE] [--strict]");
    if (spec.command == Command::Check)
        usage += QStringLiteral(" [--strict]");
    for (const auto& [name, description] : spec.files) {
        parser.addPositionalArgument(QLatin1String(name), QLatin1String(description));
        usage += QLatin1Char(' ') + QLatin1String(name);
    }
    // diff gives its own exit status, as diff(1) does.
    return withUsage(parser, usage) +
           (spec.command == Command::Diff ? QString() : QLatin1String(kExitStatus));
}

ParsedCommandLine answer(ParsedCommandLine::Kind kind, const QString& text = {}) {
    ParsedCommandLine parsed;
    parsed.kind = kind;
    parsed.text = text;
    return parsed;
}

ParsedCommandLine wrongUsage(const QString& text) {
    return answer(ParsedCommandLine::Kind::WrongUsage, text);
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    if (!parser.parse(arguments))
        return wrongUsage(parser.errorText());

    QStringList positional = parser.positionalArguments();
    const CommandSpec* spec = nullptr;
    if (!positional.isEmpty()) {
        for (const CommandSpec& candidate : kCommands)
            if (positional.front() == QLatin1String(candidate.name))
                spec = &candidate;
        if (!spec)
            return wrongUsage(QStringLiteral("unknown command ") + positional.front());
        positional.removeFirst();
    }
    if (parser.isSet(options.help))
        return answer(ParsedCommandLine::Kind::ShowHelp,
                      spec ? commandHelp(options, *spec) : programHelp(options));
    if (parser.isSet(options.version))
        return answer(ParsedCommandLine::Kind::ShowVersion);
    if (!spec)
        return wrongUsage(QStringLiteral("no command given"));

    const QString name = QLatin1String(spec->name);
    const qsizetype fileCount = static_cast<qsizetype>(spec->files.size());
    if (positional.size() != fileCount)
        return wrongUsage(name + QStringLiteral(" takes %1 file name%2, not %3")
                                     .arg(fileCount)
                                     .arg(fileCount == 1 ? "" : "s")
                                     .arg(positional.size()));
    const bool portGiven = parser.isSet(options.port), speedGiven = parser.isSet(options.speed);
    if (!spec->usesPort && (portGiven || speedGiven))
        return wrongUsage(name + QStringLiteral(" does not talk to the receiver; --port and "
                                                "--speed belong to read and write"));
    const QList<QCommandLineOption> writeOptions = options.writeOptions();
    const bool writeOptionGiven = std::any_of(writeOptions.begin(), writeOptions.end(),
                                              [&](const auto& o) { return parser.isSet(o); });
    if (spec->command != Command::Write && writeOptionGiven)
        return wrongUsage(name + QStringLiteral(" takes no --backup, --changes, --changes-from "
                                                "or --no-verify; they belong to write"));
    if (spec->command != Command::Check && spec->command != Command::ImportCsv &&
        parser.isSet(options.strict))
        return wrongUsage(name +
                          QStringLiteral(" takes no --strict; it belongs to check and import-csv"));
    if (parser.isSet(options.changes) && parser.isSet(options.changesFrom))
        return wrongUsage(QStringLiteral("--changes reads the receiver, --changes-from takes a "
                                         "file instead: give one of them"));
    const bool csv = spec->command == Command::ImportCsv || spec->command == Command::ExportCsv;
    if (parser.isSet(options.format) && (!csv || parser.value(options.format) != "chirp"))
        return wrongUsage(csv ? QStringLiteral("--format must be chirp")
                              : name + QStringLiteral(" takes no --format; it belongs to "
                                                      "import-csv and export-csv"));
    const QList<QCommandLineOption> importOptions = options.importOptions();
    if (spec->command != Command::ImportCsv &&
        std::any_of(importOptions.begin(), importOptions.end(),
                    [&](const auto& o) { return parser.isSet(o); }))
        return wrongUsage(name + QStringLiteral(" takes no --at or --into; they belong to "
                                                "import-csv"));
    ParsedCommandLine parsed;
    parsed.kind = ParsedCommandLine::Kind::Run;
    Invocation& invocation = parsed.invocation;
    invocation.backup = parser.isSet(options.backup);
    invocation.changesFrom = parser.value(options.changesFrom);
    invocation.changes = parser.isSet(options.changes) || !invocation.changesFrom.isEmpty();
    invocation.verify = !parser.isSet(options.noVerify);
    invocation.command = spec->command;
    invocation.paths = positional;
    invocation.logPath = parser.value(options.log);
    invocation.format = parser.value(options.format);
    invocation.at = parser.value(options.at);
    invocation.into = parser.value(options.into);
    invocation.strict = parser.isSet(options.strict);
    if (parser.isSet(options.log) && invocation.logPath.isEmpty())
        return wrongUsage(QStringLiteral("--log needs a file name"));
    if (spec->usesPort) {
        if (!portGiven)
            return wrongUsage(name + QStringLiteral(" needs --port DEVICE"));
        invocation.port = parser.value(options.port);
        if (invocation.port.isEmpty())
            return wrongUsage(QStringLiteral("--port needs a device, like /dev/ttyUSB0 or COM3"));
    }
    if (speedGiven) {
        const QString speed = parser.value(options.speed);
        if (speed == QLatin1String("38400"))
            invocation.commSpeed = 1;
        else if (speed != QLatin1String("115200"))
            return wrongUsage(QStringLiteral("--speed must be 115200 or 38400, not ") + speed);
    }
    return parsed;
}

} // namespace r36::cli
