#pragma once

// What the user asked for on the command line, or why the request cannot be understood.

#include <QString>
#include <QStringList>

namespace r36::cli {

enum class Command { ExportCsv, ImportCsv, Read, Write, Check, Diff, Backups };

struct Invocation {
    Command command = Command::Check;
    QStringList paths; // the command's files, in the order of its usage line
    QString port;      // device path or COMn, for read and write
    int commSpeed = 0; // 0 = 115200 baud, 1 = 38400 baud
    QString logPath;   // every command: the communication log is written there as it happens
    // write only
    bool backup = false;  // read the receiver into the backups folder first
    bool changes = false; // send only what differs from what the receiver holds
    QString changesFrom;  // the file that stands for what the receiver holds; empty: read it
    bool verify = true;   // read back what was written
    // import-csv and export-csv
    QString format; // "chirp": CHIRP's generic CSV; empty: import-csv recognises it by its header
    // import-csv of a CHIRP list only (strict: also check, where findings fail it)
    QString at;          // the first memory: a number or a label; empty: memory 0
    QString into;        // the clone file imported into; empty: an empty image
    bool strict = false; // a line not carried as written fails the command
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
