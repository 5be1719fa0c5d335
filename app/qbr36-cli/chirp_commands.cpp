#include "chirp_commands.h"

#include "files/chirp_csv_export.h"
#include "files/chirp_csv_import.h"
#include "image/memory_areas.h"
#include "session/chirp_texts.h"
#include "image/value_lists.h"
#include "session/failure_text.h"
#include "session/file_problems.h"
#include "session/session.h"

#include <algorithm>

namespace r36::cli {

namespace {

std::string text(const QString& qtext) {
    return qtext.toStdString();
}

/// "LIST.csv line 7, CROSS: transmit tone dropped; receive DCS 071 kept"
std::string lineText(const QString& path, const files::ChirpLine& line) {
    return text(path) + " " + text(session::chirpLineText(line));
}

/// The first memory of --at: a memory number or a label of the memory list.
Outcome firstMemory(const QString& at, const std::vector<std::string>& labels, int& first) {
    bool isNumber = false;
    first = at.isEmpty() ? 0 : at.toInt(&isNumber);
    if (at.isEmpty() || isNumber)
        return first >= 0 && first <= image::lastStoredMemory
                   ? Outcome::success()
                   : Outcome::failure("--at " + text(at) + ": memories are 0 to 1699");
    const auto found = std::find(labels.begin(), labels.end(), text(at));
    if (found == labels.end())
        return Outcome::failure("--at " + text(at) + ": no memory has this label");
    first = static_cast<int>(found - labels.begin());
    return Outcome::success();
}

} // namespace

bool isChirpImport(const Invocation& invocation) {
    if (!invocation.format.isEmpty())
        return invocation.format == QLatin1String("chirp");
    return files::isChirpFile(invocation.paths.value(0));
}

Outcome importChirpCommand(const Invocation& invocation, session::Session& session,
                           CommandOutput& output) {
    const QString& in = invocation.paths[0];
    const files::ChirpImport imported = files::importChirpCsv(in);
    if (imported.failure == files::ChirpImport::Failure::Unreadable)
        return Outcome::failure(imported.reason);
    if (imported.failure == files::ChirpImport::Failure::NotChirp)
        return Outcome::failure(text(in) +
                                ": not a CHIRP CSV file (its first line names no Location and "
                                "Frequency columns)");
    if (!invocation.into.isEmpty()) {
        const session::Session::OpenReport report = session.open(invocation.into);
        if (!report.outcome)
            return Outcome::failure(text(invocation.into) + ": " +
                                    session::englishText(report.outcome.why()));
        for (const files::SkippedLine& skipped : report.skipped)
            output.warnings.push_back(
                text(invocation.into) + " line " + std::to_string(skipped.lineNumber) + ": " +
                session::skippedLineText(skipped, session::Wording::English).toStdString() +
                " (skipped)");
    }
    int noted = 0;
    for (const files::ChirpLine& line : imported.lines)
        if (!line.notes.empty()) {
            output.warnings.push_back(lineText(in, line));
            ++noted;
        }
    const std::string nothingWritten = "; " + text(invocation.paths[1]) + " was not written";
    if (invocation.strict && noted > 0)
        return Outcome::failure(std::to_string(noted) + " line" + (noted == 1 ? "" : "s") +
                                " not carried as written (--strict)" + nothingWritten);
    int first = 0;
    if (Outcome at = firstMemory(invocation.at, session.labels(), first); !at)
        return at;
    const session::ImportPlacement placed = session.importRecords(
        session::ImportPlacement::Where::FromMemory, first, files::recordsInLocationOrder(imported),
        QStringLiteral("Import CHIRP CSV"));
    if (!placed.ok())
        return Outcome::failure(text(session::placementRefusalText(placed, session.labels())) +
                                nothingWritten);
    const Outcome saved = session.save(invocation.paths[1]);
    return saved ? saved
                 : Outcome::failure(text(invocation.paths[1]) + ": " +
                                    session::englishText(saved.why()));
}

Outcome exportChirpCommand(const Invocation& invocation, session::Session& session,
                           CommandOutput& output) {
    std::vector<files::ChirpExportNote> notes;
    const QString& out = invocation.paths[1];
    if (Outcome written = files::exportChirpCsv(out, session.image(), session.labels(), notes);
        !written)
        return Outcome::failure(text(out) + ": " + session::englishText(written.why()));
    for (const files::ChirpExportNote& note : notes)
        output.warnings.push_back(
            text(session::chirpExportNoteText(note, session.image(), session.labels())));
    return Outcome::success();
}

} // namespace r36::cli
