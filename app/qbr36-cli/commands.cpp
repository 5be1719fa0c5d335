#include "commands.h"

#include "chirp_commands.h"
#include "finding_lines.h"
#include "stop_signals.h"

#include "files/clone_file.h"
#include "image/clone_image.h"
#include "image/image_difference.h"
#include "image/list_check.h"
#include "image/program_constants.h"
#include "link/port_names.h"
#include "session/backups.h"
#include "session/difference_text.h"
#include "session/failure_text.h"
#include "session/file_problems.h"
#include "session/session.h"

#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>

#include <array>
#include <optional>

namespace r36::cli {

namespace {

using session::Receiver;
using session::Session;
using session::Transfer;
using session::TransferResult;
using session::TransferStep;

std::string text(const QString& qtext) {
    return qtext.toStdString();
}

/// A stop signal seen between two steps of a command: where it stopped.
Outcome interrupted(const std::string& where) {
    return Outcome::failure("Interrupted " + where + ".");
}

/// The failure of a file operation with the file named, unless its sentence names it already.
Outcome aboutFile(const QString& path, const Outcome& outcome) {
    if (outcome || session::namesFile(outcome.why(), path))
        return outcome;
    return Outcome::failure(text(path) + ": " + session::englishText(outcome.why()));
}

/// Every problem of a clone file, each naming the file: "x.R36: line 3: MR record is ...".
std::vector<std::string> problemTexts(const QString& path, const files::CloneFileReport& report) {
    std::vector<std::string> texts;
    for (const QString& problem : session::cloneFileProblems(report))
        texts.push_back(text(path) + ": " + text(problem));
    return texts;
}

std::string problemCount(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " problem" : " problems");
}

/// The device of --port: a path as given, or COMn through the window's own port numbering.
/// `commPort` becomes n for COMn, so a saved file names the same port the window would.
Outcome resolvePort(const QString& port, QString& device, int& commPort) {
    static const QRegularExpression comPattern(QStringLiteral("^COM([0-9]{1,2})$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comPattern.match(port);
    if (!match.hasMatch()) {
        device = port;
        return Outcome::success();
    }
    const int number = match.captured(1).toInt();
    if (number < 1 || number > kPortCount)
        return Outcome::failure(text(port) + ": the port number must be 1 to " +
                                std::to_string(kPortCount));
    // A COM number that reaches no device fails when the port opens, as in the window.
    device = link::deviceForPort(number);
    commPort = number;
    return Outcome::success();
}

/// Why a cancelled transfer stopped. A read names the file it did not write instead of what
/// the session kept, which ends with the program.
std::string cancelledText(const TransferResult& result, const QString& unwritten) {
    constexpr auto english = session::Wording::English;
    if (result.kind != Transfer::ReadAll)
        return text(session::transferName(result.kind)) + " cancelled. " +
               text(session::resultText(result, english));
    return "Read all cancelled. " + text(session::stoppedWhereText(result.failure, english)) + " " +
           text(unwritten) + " was not written.";
}

/// A whole-receiver transfer over the port of the invocation, run to its end on this thread's
/// event loop. `unwritten`: the file a read saves afterwards.
/// `start` starts it; empty: the session's plain command `kind`.
Outcome transfer(Session& session, Transfer kind, const Invocation& invocation, StopSignals& stop,
                 CommandOutput& output, const QString& unwritten = {},
                 const std::function<bool()>& start = {}) {
    QString device;
    int commPort = 0;
    if (Outcome resolved = resolvePort(invocation.port, device, commPort); !resolved)
        return resolved;
    // The speed on the command line is the one the receiver is set to; it wins over a file's.
    session.receiver().useDevice(device, commPort, invocation.commSpeed);
    if (stop.received())
        return interrupted("before " + text(session::transferName(kind)) +
                           " began; nothing was sent");

    QEventLoop loop;
    TransferResult result;
    QObject::connect(&session.receiver(), &Receiver::transferFinished, &loop,
                     [&](const TransferResult& ended) {
                         result = ended;
                         loop.quit();
                     });
    QObject::connect(&stop, &StopSignals::arrived, &loop,
                     [&session] { session.receiver().cancelTransfer(); });
    if (output.progress)
        QObject::connect(&session.receiver(), &Receiver::transferProgress, &loop,
                         [&output](int, int maximum, int value, const TransferStep&) {
                             output.progress(value, maximum);
                         });
    if (!(start ? start() : session.receiver().startTransfer(kind)))
        return Outcome::failure("another transfer is running");
    loop.exec();
    switch (result.status) {
    case TransferResult::Status::Complete:
        // The window's closing message; said only when the line gave trouble.
        if (result.repeated > 0)
            output.warnings.push_back(text(session::transferName(result.kind)) + ": " +
                                      text(session::completeText(result.repeated)));
        return Outcome::success();
    case TransferResult::Status::Failed:
        return Outcome::failure(result.failure);
    case TransferResult::Status::Cancelled:
        break;
    }
    return Outcome::failure(cancelledText(result, unwritten));
}

Outcome openCloneFile(Session& session, const QString& path, Session::OpenReport& report) {
    report = session.open(path);
    return aboutFile(path, report.outcome);
}

Outcome readCommand(const Invocation& invocation, Session& session, StopSignals& stop,
                    CommandOutput& output) {
    const QString& out = invocation.paths[0];
    if (Outcome read = transfer(session, Transfer::ReadAll, invocation, stop, output, out); !read)
        return read;
    if (stop.received())
        return interrupted("after Read all; " + text(out) + " was not written");
    return aboutFile(out, session.save(out));
}

Outcome writeCommand(const Invocation& invocation, Session& session, StopSignals& stop,
                     CommandOutput& output) {
    const QString& path = invocation.paths[0];
    Session::OpenReport report;
    if (Outcome opened = openCloneFile(session, path, report); !opened)
        return opened;
    // A damaged, unknown or missing line left its block or memory as a fresh program has it;
    // sending that would overwrite the receiver's own contents with defaults or empty memories.
    if (!report.clean()) {
        const std::vector<std::string> problems = problemTexts(path, report);
        return Outcome::failure(problems.front() + " (" + problemCount(problems.size()) +
                                "; nothing was sent, see qbr36-cli check)");
    }
    session.receiver()
        .setVerifyAfterWriting(invocation.verify)
        .ok(); // no settings file: nothing to save
    if (!invocation.changesFrom.isEmpty()) {
        image::CloneImage held = image::freshImage();
        image::LinkState link;
        files::CloneFileReport heldReport;
        if (Outcome read =
                aboutFile(invocation.changesFrom,
                          files::readCloneFile(invocation.changesFrom, held, link, heldReport));
            !read)
            return read;
        session.receiver().assumeReceiverHolds(held);
    }
    // The backup, and what the receiver holds for Write changes: one Read all that leaves the
    // opened file as it is.
    if (invocation.backup || (invocation.changes && invocation.changesFrom.isEmpty())) {
        std::optional<Failure> backupFailure;
        QObject::connect(&session.receiver(), &Receiver::backupFailed,
                         [&backupFailure](const Failure& why) { backupFailure = why; });
        if (Outcome read = transfer(session, Transfer::ReadAll, invocation, stop, output, {},
                                    [&session] { return session.receiver().startReceiverRead(); });
            !read)
            return read;
        if (backupFailure)
            return Outcome::failure("the backup could not be saved, so nothing was sent: " +
                                    session::englishText(*backupFailure));
        if (stop.received())
            return interrupted("after reading the receiver; nothing was sent");
    }
    if (!invocation.changes)
        return transfer(session, Transfer::WriteAll, invocation, stop, output);
    return transfer(session, Transfer::WriteChanges, invocation, stop, output, {}, [&session] {
        return session.receiver().startWriteChanges(Transfer::WriteAll);
    });
}

Outcome diffCommand(const Invocation& invocation, CommandOutput& output) {
    std::array<image::CloneImage, 2> images;
    for (std::size_t k = 0; k < images.size(); ++k) {
        const QString& path = invocation.paths[static_cast<qsizetype>(k)];
        images[k] = image::freshImage();
        image::LinkState link;
        files::CloneFileReport report;
        if (Outcome read = aboutFile(path, files::readCloneFile(path, images[k], link, report));
            !read)
            return read;
        for (std::string& problem : problemTexts(path, report))
            output.warnings.push_back(std::move(problem));
    }
    const image::Difference difference =
        image::difference(image::holdingsOfImage(images[0]), image::holdingsOfImage(images[1]));
    for (const image::Change& change : difference.changes)
        output.standardOutput +=
            text(session::changeText(change, session::Wording::English)) + "\n";
    output.differs = !difference.empty();
    if (output.differs)
        output.warnings.push_back(text(session::countsText(difference, session::Wording::English)) +
                                  " differ");
    return Outcome::success();
}

Outcome exportCommand(const Invocation& invocation, Session& session, StopSignals& stop,
                      CommandOutput& output) {
    const QString& in = invocation.paths[0];
    Session::OpenReport report;
    if (Outcome opened = openCloneFile(session, in, report); !opened)
        return opened;
    for (std::string& problem : problemTexts(in, report))
        output.warnings.push_back(std::move(problem));
    if (stop.received())
        return interrupted("before the export; " + text(invocation.paths[1]) + " was not written");
    if (!invocation.format.isEmpty())
        return exportChirpCommand(invocation, session, output);
    return aboutFile(invocation.paths[1], session.exportCsv(invocation.paths[1]));
}

Outcome importCommand(const Invocation& invocation, Session& session, StopSignals& stop) {
    const QString& in = invocation.paths[0];
    if (Outcome imported = aboutFile(in, session.importCsv(in)); !imported)
        return imported;
    if (stop.received())
        return interrupted("after the import; " + text(invocation.paths[1]) + " was not written");
    return aboutFile(invocation.paths[1], session.save(invocation.paths[1]));
}

Outcome checkCommand(const Invocation& invocation, Session& session, CommandOutput& output) {
    const QString& path = invocation.paths[0];
    Session::OpenReport report;
    if (Outcome opened = openCloneFile(session, path, report); !opened)
        return opened;
    const std::vector<std::string> problems = problemTexts(path, report);
    for (const std::string& problem : problems)
        output.standardOutput += problem + "\n";
    const std::vector<image::ListFinding> findings = image::checkList(session.image());
    for (const image::ListFinding& finding : findings)
        output.standardOutput += text(path) + ": " + findingLine(finding, session.labels()) + "\n";
    if (!problems.empty())
        return Outcome::failure(text(path) + ": " + problemCount(problems.size()) +
                                "; write refuses the file until they are mended");
    if (invocation.strict && !findings.empty())
        return Outcome::failure(text(path) + ": " + std::to_string(findings.size()) + " finding" +
                                (findings.size() == 1 ? "" : "s") + " of the list check");
    int inUse = 0;
    for (int m = 0; m < image::kUserMemoryCount; ++m)
        inUse += image::isRecordInUse(session.image().memRecord[static_cast<std::size_t>(m)]);
    output.standardOutput +=
        text(path) + ": every line loads; " + std::to_string(inUse) + " memories in use\n";
    return Outcome::success();
}

/// "2026-12-07 12:30:05  v206  412 memories in use  /home/…/2026-12-07_12-30-05_v206.R36"
Outcome backupsCommand(CommandOutput& output) {
    const QString folder = session::defaultBackupFolder();
    const std::vector<session::BackupEntry> backups = session::listBackups(folder);
    for (const session::BackupEntry& backup : backups)
        output.standardOutput +=
            text(QStringLiteral("%1  v%2  %3 memories in use  %4\n")
                     .arg(backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                     .arg(backup.radioVersion)
                     .arg(backup.memoriesInUse, 4)
                     .arg(QDir::toNativeSeparators(backup.path)));
    if (backups.empty())
        output.warnings.push_back("no backups in " + text(QDir::toNativeSeparators(folder)));
    return Outcome::success();
}

} // namespace

Outcome runCommand(const Invocation& invocation, Session& session, StopSignals& stop,
                   CommandOutput& output) {
    if (stop.received())
        return interrupted("before the command began");
    switch (invocation.command) {
    case Command::Read:
        return readCommand(invocation, session, stop, output);
    case Command::Write:
        return writeCommand(invocation, session, stop, output);
    case Command::ExportCsv:
        return exportCommand(invocation, session, stop, output);
    case Command::ImportCsv:
        if (isChirpImport(invocation))
            return importChirpCommand(invocation, session, output);
        if (!invocation.at.isEmpty() || !invocation.into.isEmpty() || invocation.strict)
            return Outcome::failure("--at, --into and --strict apply to CHIRP CSV lists; " +
                                    text(invocation.paths[0]) + " is a memory list of its own");
        return importCommand(invocation, session, stop);
    case Command::Check:
        return checkCommand(invocation, session, output);
    case Command::Diff:
        return diffCommand(invocation, output);
    case Command::Backups:
        return backupsCommand(output);
    }
    return Outcome::failure("unknown command");
}

} // namespace r36::cli
