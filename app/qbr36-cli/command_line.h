#pragma once

// What the user asked for on the command line, or why the request cannot be understood.

#include <QString>
#include <QStringList>

#include <optional>

namespace r36::cli {

enum class Command { Help, Version, ExportCsv, ImportCsv, Read, Write, Check };

struct Invocation {
    Command command = Command::Help;
    QStringList paths; // the command's files, in the order of its usage line
    QString port;      // device path or COMn, for read and write
    int commSpeed = 0; // 0 = 115200 baud, 1 = 38400 baud
};

/// The invocation of `arguments` (without the program name), or nullopt with `error` saying what
/// is wrong for the usage message.
std::optional<Invocation> parseCommandLine(const QStringList& arguments, QString& error);

/// The --help text.
QString helpText();

} // namespace r36::cli
