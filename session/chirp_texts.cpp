#include "chirp_texts.h"

#include "image/memory_record.h"
#include "image/value_lists.h"

#include <QCoreApplication>

namespace r36::session {
namespace {

using Kind = files::ChirpNote::Kind;

QString tr(const char* text) {
    // The context lupdate gives a tr() call in this namespace.
    return QCoreApplication::translate("r36::session", text);
}

constexpr qsizetype kShownCharacters = 40; // a message line stays short

/// A value read from the file as a message shows it: its characters, each one that could drive
/// a terminal (a control character) as \xNN, cut after 40 characters with "…".
QString shown(const std::string& value) {
    const QString text = QString::fromStdString(value);
    QString result;
    for (const QChar c : text.left(kShownCharacters)) {
        if (c.isPrint() || c.isSurrogate())
            result += c;
        else
            result += QStringLiteral("\\x") +
                      QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
    }
    return text.size() > kShownCharacters ? result + QStringLiteral("…") : result;
}

QString quoted(const std::string& value) {
    return QLatin1Char('"') + shown(value) + QLatin1Char('"');
}

template <std::size_t N>
QString listEntry(const std::array<std::string_view, N>& list, std::uint8_t index) {
    return index < N
               ? QString::fromLatin1(list[index].data(), static_cast<qsizetype>(list[index].size()))
               : QString::fromStdString(image::outOfListText(index));
}

/// What the receiver's squelch keeps of a line, as the memory list names it: "DCS 071".
QString receiveKept(const image::MemoryChannel& channel) {
    switch (channel.subtone) {
    case 2:
        return tr("receive CTCSS %1 kept").arg(listEntry(image::ctcssTones, channel.toneIndex));
    case 4:
        return tr("receive DCS %1 kept").arg(listEntry(image::dcsCodes, channel.dcsIndex));
    default:
        return tr("no receive tone");
    }
}

} // namespace

QString chirpNoteText(const files::ChirpNote& note, const files::ChirpLine& line) {
    const image::MemoryChannel channel = line.channel.value_or(image::MemoryChannel{});
    const std::string& value = note.text;
    switch (note.kind) {
    case Kind::UnclosedQuote:
        return tr("a quoted field is not closed; line not carried");
    case Kind::BadFrequency:
        return tr("frequency %1 is not 0.1 to 1299.999999 MHz; line not carried")
            .arg(quoted(value));
    case Kind::ModeNotCarried:
        return tr("mode %1 cannot be received (FM, AM and WFM only); line not carried")
            .arg(shown(value));
    case Kind::SplitNotCarried:
        return tr("split (transmit on %1 MHz) not carried; shift OFF").arg(shown(value));
    case Kind::DuplexNotCarried:
        return tr("duplex %1 not carried; shift OFF").arg(quoted(value));
    case Kind::OffsetNotCarried:
        return tr("offset %1 is not 0 to 999.999999 MHz; shift OFF").arg(quoted(value));
    case Kind::ToneModeNotCarried:
        return tr("tone mode %1 not carried; subtone OFF").arg(shown(value));
    case Kind::TransmitToneDropped:
        return tr("transmit tone dropped; %1").arg(receiveKept(channel));
    case Kind::ToneNotCarried:
        return tr("CTCSS tone %1 Hz is not one of the receiver's; subtone OFF").arg(shown(value));
    case Kind::DcsNotCarried:
        return tr("DCS code %1 is not one of the receiver's; subtone OFF").arg(shown(value));
    case Kind::ReversedDcsNotCarried:
        return tr("DCS polarity %1 (reversed receive) not carried; subtone OFF").arg(shown(value));
    case Kind::StepRounded:
        return tr("step %1 kHz not held; nearest step %2 taken")
            .arg(shown(value), listEntry(image::stepNames, channel.step));
    case Kind::StepNotCarried:
        return tr("step %1 is not a number; 5KHz taken").arg(quoted(value));
    case Kind::SkipNotCarried:
        return value == "P" ? tr("skip \"P\" (priority) not carried")
                            : tr("skip %1 not carried").arg(quoted(value));
    case Kind::NameCut:
        return tr("name %1 cut to %2").arg(shown(value), QString::fromStdString(channel.name));
    case Kind::NameCharactersReplaced:
        return tr("name %1: characters beyond ASCII shown as \"?\"").arg(quoted(value));
    }
    return tr("not carried");
}

QString chirpLineText(const files::ChirpLine& line) {
    QString text = tr("line %1").arg(line.lineNumber);
    const std::string& name = line.channel ? line.channel->name : line.name;
    if (!name.empty())
        text += QStringLiteral(", ") + shown(name);
    for (std::size_t k = 0; k < line.notes.size(); ++k)
        text += (k == 0 ? QStringLiteral(": ") : QStringLiteral("; ")) +
                chirpNoteText(line.notes[k], line);
    return text;
}

QString chirpExportNoteText(const files::ChirpExportNote& note, const image::CloneImage& image,
                            const std::vector<std::string>& labels) {
    const auto index = static_cast<std::size_t>(note.memory);
    const image::MemoryChannel channel =
        image::decodeRecord(image.memRecord[index]).value_or(image::MemoryChannel{});
    const QString where =
        tr("memory %1 (%2): ").arg(note.memory).arg(QString::fromStdString(labels.at(index)));
    switch (note.kind) {
    case files::ChirpExportNote::Kind::TrainTone:
        return where + tr("CHIRP holds no Train subtone; written without a tone");
    case files::ChirpExportNote::Kind::AutoMode:
        return where + tr("CHIRP holds no auto mode; written as %1")
                           .arg(channel.mode < image::modeNames.size()
                                    ? listEntry(image::modeNames, channel.mode)
                                    : QStringLiteral("FM"));
    case files::ChirpExportNote::Kind::AutoStep:
        return where + tr("CHIRP holds no auto step; written as %1")
                           .arg(channel.step < image::stepNames.size()
                                    ? listEntry(image::stepNames, channel.step)
                                    : QStringLiteral("5KHz"));
    }
    return where + tr("not held by CHIRP");
}

QString placementGroupName(const ImportPlacement& placement,
                           const std::vector<std::string>& labels) {
    const QString first =
        QString::fromStdString(labels.at(static_cast<std::size_t>(placement.first)));
    const QString last =
        QString::fromStdString(labels.at(static_cast<std::size_t>(placement.last)));
    // "Bank03-000" and "Bank03-029" name Bank03; "AT - 0" and "AT - 199" name AT.
    const QString name = first.left(first.indexOf(QLatin1Char('-'))).trimmed();
    if (!name.isEmpty() && last.startsWith(name))
        return name;
    return first + QStringLiteral("..") + last;
}

QString placementRefusalText(const ImportPlacement& placement,
                             const std::vector<std::string>& labels) {
    switch (placement.refusal) {
    case ImportPlacement::Refusal::PastLastMemory:
        return tr("%1 lines, %2 memories from %3 to %4")
            .arg(placement.lines)
            .arg(placement.room)
            .arg(QString::fromStdString(labels.at(static_cast<std::size_t>(placement.first))),
                 QString::fromStdString(labels.at(static_cast<std::size_t>(placement.last))));
    case ImportPlacement::Refusal::TooFewFree:
        return tr("%1 lines, %2 free memories in %3")
            .arg(placement.lines)
            .arg(placement.room)
            .arg(placementGroupName(placement, labels));
    case ImportPlacement::Refusal::None:
        break;
    }
    return {};
}

} // namespace r36::session
