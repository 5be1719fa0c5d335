#pragma once

// What the user asked for on the command line, or why the request cannot be understood.

#include <QString>
#include <QStringList>

namespace r36::cli {

enum class Command { ExportCsv, ImportCsv, Read, Write, Check };

struct Invocation {
    Command command = Command::Check;
    QStringList paths; // the command's files, in the order of its usage line
    QString port;      // device path or COMn, for read and write
    int commSpeed = 0; // 0 = 115200 baud, 1 = 38400 baud
};

struct ParsedCommandLine {
    enum class Kind { Run, ShowHelp, ShowVersion, WrongUsage };
    Kind kind = Kind::WrongUsage;
    Invocation invocation; // Run
    QString text;          // ShowHelp: the help text; WrongUsage: what is wrong
};

/// `arguments` as QCoreApplication::arguments() gives them, the program first. `--help` with a
/// command shows that command's usage and options; without one it lists the commands.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

} // namespace r36::cli
