#include "commands.h"

#include "link/port_names.h"
#include "link/radio_link.h"
#include "link/serial_transport.h"

#include <QRegularExpression>

namespace r36::cli {

namespace {

std::string text(const QString& qtext) {
    return qtext.toStdString();
}

/// The reason of a file operation with the file named, unless the reason names it already.
Outcome aboutFile(const QString& path, const Outcome& outcome) {
    if (outcome || outcome.reason().find(text(path)) != std::string::npos)
        return outcome;
    return Outcome::failure(text(path) + ": " + outcome.reason());
}

std::string skippedText(const QString& path, const files::SkippedLine& skipped) {
    return text(path) + " line " + std::to_string(skipped.lineNumber) + ": " + skipped.reason;
}

/// The device of --port: a path as given, or COMn through the window's own port numbering.
/// `commPort` becomes n for COMn, so a saved file names the same port the window would.
Outcome resolvePort(const QString& port, QString& device, std::uint16_t& commPort) {
    static const QRegularExpression comPattern(QStringLiteral("^COM([0-9]{1,2})$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comPattern.match(port);
    if (!match.hasMatch()) {
        device = port;
        return Outcome::success();
    }
    const int number = match.captured(1).toInt();
    if (number < 1 || number > 16)
        return Outcome::failure(text(port) + ": the port number must be 1 to 16");
    device = link::deviceForPort(number);
    if (device.isEmpty())
        return Outcome::failure(text(port) +
                                ": no serial port found for it (name the device, "
                                "or set QBR36_COM" +
                                std::to_string(number) + "=/dev/...)");
    commPort = static_cast<std::uint16_t>(number);
    return Outcome::success();
}

/// Runs a whole-receiver transfer over the serial port of the invocation.
template <typename Transfer>
Outcome transferWith(const Invocation& invocation, ProgramState& state,
                     const ProgressSink& progress, Transfer run) {
    QString device;
    if (Outcome resolved = resolvePort(invocation.port, device, state.link.commPort); !resolved)
        return resolved;
    // The speed on the command line is the one the receiver is set to; it wins over a file's.
    state.link.commSpeed = static_cast<std::uint16_t>(invocation.commSpeed);
    link::SerialTransport transport;
    transport.setPort(device, state.link.commSpeed);
    link::RadioLink radio(transport, state.link);
    link::CloneTransfer transfer(radio, state.image, state.transferHooks(progress));
    const Outcome done = run(transfer);
    radio.disconnectRadio();
    return done;
}

Outcome readCommand(const Invocation& invocation, CommandOutput& output) {
    ProgramState state;
    const Outcome read = transferWith(invocation, state, output.progress,
                                      [](link::CloneTransfer& t) { return t.readAll(); });
    if (!read)
        return read;
    return aboutFile(invocation.paths[0], state.saveCloneFile(invocation.paths[0]));
}

Outcome writeCommand(const Invocation& invocation, CommandOutput& output) {
    const QString& path = invocation.paths[0];
    ProgramState state;
    files::CloneFileReport report;
    if (Outcome opened = state.openCloneFile(path, report); !opened)
        return aboutFile(path, opened);
    // A damaged line left its block as a fresh program has it; sending that would overwrite
    // the receiver's own contents with defaults or empty memories.
    if (!report.skipped.empty())
        return Outcome::failure(skippedText(path, report.skipped.front()) + " (" +
                                std::to_string(report.skipped.size()) +
                                " damaged lines; nothing was sent, see qbr36-cli check)");
    return transferWith(invocation, state, output.progress,
                        [](link::CloneTransfer& t) { return t.writeAll(); });
}

Outcome exportCommand(const Invocation& invocation, CommandOutput& output) {
    const QString& in = invocation.paths[0];
    ProgramState state;
    files::CloneFileReport report;
    if (Outcome opened = state.openCloneFile(in, report); !opened)
        return aboutFile(in, opened);
    for (const files::SkippedLine& skipped : report.skipped)
        output.warnings.push_back(skippedText(in, skipped) + " (skipped)");
    return aboutFile(invocation.paths[1], state.exportCsv(invocation.paths[1]));
}

Outcome importCommand(const Invocation& invocation) {
    const QString& in = invocation.paths[0];
    ProgramState state;
    const files::CsvImport imported = state.importCsv(in);
    if (!imported.ok)
        return aboutFile(in, Outcome::failure(imported.reason));
    return aboutFile(invocation.paths[1], state.saveCloneFile(invocation.paths[1]));
}

Outcome checkCommand(const Invocation& invocation, CommandOutput& output) {
    const QString& path = invocation.paths[0];
    ProgramState state;
    files::CloneFileReport report;
    if (Outcome opened = state.openCloneFile(path, report); !opened)
        return aboutFile(path, opened);
    for (const files::SkippedLine& skipped : report.skipped)
        output.standardOutput += skippedText(path, skipped) + "\n";
    if (!report.skipped.empty())
        return Outcome::failure(text(path) + ": " + std::to_string(report.skipped.size()) +
                                " damaged line" + (report.skipped.size() == 1 ? "" : "s") +
                                " would be skipped");
    int inUse = 0;
    for (int m = 0; m < image::kUserMemoryCount; ++m)
        inUse += image::isRecordInUse(state.image.memRecord[static_cast<std::size_t>(m)]) ? 1 : 0;
    output.standardOutput +=
        text(path) + ": every line loads; " + std::to_string(inUse) + " memories in use\n";
    return Outcome::success();
}

} // namespace

Outcome runCommand(const Invocation& invocation, CommandOutput& output) {
    switch (invocation.command) {
    case Command::Read:
        return readCommand(invocation, output);
    case Command::Write:
        return writeCommand(invocation, output);
    case Command::ExportCsv:
        return exportCommand(invocation, output);
    case Command::ImportCsv:
        return importCommand(invocation);
    case Command::Check:
        return checkCommand(invocation, output);
    case Command::Help:
    case Command::Version:
        break;
    }
    return Outcome::success();
}

} // namespace r36::cli
