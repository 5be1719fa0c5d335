#include "chirp_commands.h"

#include "files/chirp_csv_export.h"
#include "files/chirp_csv_import.h"
#include "image/memory_areas.h"
#include "image/value_lists.h"
#include "session/failure_text.h"
#include "session/session.h"

#include <QFile>

#include <algorithm>

namespace r36::cli {

namespace {

using Kind = files::ChirpNote::Kind;

std::string text(const QString& qtext) {
    return qtext.toStdString();
}

std::string quoted(const std::string& value) {
    return "\"" + value + "\"";
}

/// What the receiver's squelch keeps of a line, as the memory list names it: "DCS 071".
std::string receiveKept(const image::MemoryChannel& channel) {
    switch (channel.subtone) {
    case 2:
        return "receive CTCSS " + std::string(image::ctcssTones[channel.toneIndex]) + " kept";
    case 4:
        return "receive DCS " + std::string(image::dcsCodes[channel.dcsIndex]) + " kept";
    default:
        return "no receive tone";
    }
}

std::string noteText(const files::ChirpNote& note, const files::ChirpLine& line) {
    const std::string& value = note.text;
    const image::MemoryChannel channel = line.channel.value_or(image::MemoryChannel{});
    switch (note.kind) {
    case Kind::UnclosedQuote:
        return "a quoted field is not closed; line not carried";
    case Kind::BadFrequency:
        return "frequency " + quoted(value) + " is not 0.1 to 1299.999999 MHz; line not carried";
    case Kind::ModeNotCarried:
        return "mode " + value + " cannot be received (FM, AM and WFM only); line not carried";
    case Kind::SplitNotCarried:
        return "split (transmit on " + value + " MHz) not carried; shift OFF";
    case Kind::DuplexNotCarried:
        return "duplex " + quoted(value) + " not carried; shift OFF";
    case Kind::OffsetNotCarried:
        return "offset " + quoted(value) + " is not 0 to 999.999999 MHz; shift OFF";
    case Kind::ToneModeNotCarried:
        return "tone mode " + value + " not carried; subtone OFF";
    case Kind::TransmitToneDropped:
        return "transmit tone dropped; " + receiveKept(channel);
    case Kind::ToneNotCarried:
        return "CTCSS tone " + value + " Hz is not one of the receiver's; subtone OFF";
    case Kind::DcsNotCarried:
        return "DCS code " + value + " is not one of the receiver's; subtone OFF";
    case Kind::ReversedDcsNotCarried:
        return "DCS polarity " + value + " (reversed receive) not carried; subtone OFF";
    case Kind::StepRounded:
        return "step " + value + " kHz not held; nearest step " +
               std::string(image::stepNames[channel.step]) + " taken";
    case Kind::StepNotCarried:
        return "step " + quoted(value) + " is not a number; 5KHz taken";
    case Kind::SkipNotCarried:
        return "skip " + quoted(value) + (value == "P" ? " (priority)" : "") + " not carried";
    case Kind::NameCut:
        return "name " + value + " cut to " + channel.name;
    case Kind::NameCharactersReplaced:
        return "name " + quoted(value) + ": characters beyond ASCII shown as \"?\"";
    }
    return "not carried";
}

/// "LIST.csv line 7, CROSS: transmit tone dropped; receive DCS 071 kept"
std::string lineText(const QString& path, const files::ChirpLine& line) {
    std::string result = text(path) + " line " + std::to_string(line.lineNumber);
    const std::string name = line.channel ? line.channel->name : line.name;
    if (!name.empty())
        result += ", " + name;
    for (std::size_t k = 0; k < line.notes.size(); ++k)
        result += (k == 0 ? ": " : "; ") + noteText(line.notes[k], line);
    return result;
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

std::string exportNoteText(const files::ChirpExportNote& note, const session::Session& session) {
    const auto index = static_cast<std::size_t>(note.memory);
    const image::MemoryChannel channel =
        image::decodeRecord(session.image().memRecord[index]).value_or(image::MemoryChannel{});
    const std::string where =
        "memory " + std::to_string(note.memory) + " (" + session.labels()[index] + "): ";
    switch (note.kind) {
    case files::ChirpExportNote::Kind::TrainTone:
        return where + "CHIRP holds no Train subtone; written without a tone";
    case files::ChirpExportNote::Kind::AutoMode:
        return where + "CHIRP holds no auto mode; written as " +
               std::string(channel.mode < image::modeNames.size() ? image::modeNames[channel.mode]
                                                                  : "FM");
    case files::ChirpExportNote::Kind::AutoStep:
        return where + "CHIRP holds no auto step; written as " +
               std::string(channel.step < image::stepNames.size() ? image::stepNames[channel.step]
                                                                  : "5KHz");
    }
    return where + "not held by CHIRP";
}

} // namespace

bool isChirpImport(const Invocation& invocation) {
    if (!invocation.format.isEmpty())
        return invocation.format == QLatin1String("chirp");
    QFile file(invocation.paths.value(0));
    return file.open(QIODevice::ReadOnly) && files::isChirpHeader(file.readLine().toStdString());
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
            output.warnings.push_back(text(invocation.into) + " line " +
                                      std::to_string(skipped.lineNumber) + ": " + skipped.reason +
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
    const std::vector<std::string> records = files::recordsInLocationOrder(imported);
    if (!session.setMemories(first, records, QStringLiteral("Import CHIRP CSV")))
        return Outcome::failure(std::to_string(records.size()) + " lines, memories " +
                                std::to_string(first) + " to 1699 hold only " +
                                std::to_string(image::lastStoredMemory + 1 - first) +
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
        output.warnings.push_back(exportNoteText(note, session));
    return Outcome::success();
}

} // namespace r36::cli
