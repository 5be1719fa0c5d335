#include "difference_text.h"

#include "failure_text.h"
#include "memory_field_text.h"

#include <QStringList>

#include <algorithm>

namespace r36::session {

namespace {

constexpr char kContext[] = "r36::Difference";

using image::ChangeValue;
using image::FieldChange;
using image::PieceKind;

QString valueText(const ChangeValue& value, const Words& say) {
    switch (value.kind) {
    case ChangeValue::Kind::Text:
        break; // the receiver's own: a frequency, a setting's choice, hex
    case ChangeValue::Kind::Empty:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "empty"), kContext);
    case ChangeValue::Kind::NotRead:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "not read"), kContext);
    case ChangeValue::Kind::None:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "none"), kContext);
    case ChangeValue::Kind::Unreadable:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "unreadable"), kContext);
    }
    return QString::fromStdString(value.text);
}

/// What the field is of: "Frequency", "byte 3"; empty when the value speaks for itself.
QString fieldName(const FieldChange& field, const Words& say) {
    switch (field.of) {
    case FieldChange::Of::Whole:
        return {};
    case FieldChange::Of::MemoryField:
        return memoryFieldName(field.memoryField, say.wording());
    case FieldChange::Of::Byte:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "byte %1"), kContext).arg(field.byte);
    case FieldChange::Of::BankMemories:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "memories"), kContext);
    case FieldChange::Of::LinkedBanks:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "banks"), kContext);
    case FieldChange::Of::LinkedPairs:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "pairs"), kContext);
    case FieldChange::Of::TvChannel:
        break;
    }
    return say(QT_TRANSLATE_NOOP("r36::Difference", "TV channel"), kContext);
}

/// "memory 812", "Bank03", "LAMP", "PS-link group 9", "the bank table".
QString subjectText(const image::Change& change, const Words& say) {
    if (change.index < 0)
        return pieceName({change.piece.kind, image::Piece::kWhole}, say.wording());
    switch (change.piece.kind) {
    case PieceKind::Memory:
    case PieceKind::BankLinkGroup:
        return pieceName(change.piece, say.wording());
    case PieceKind::PsLinkGroup:
        return say(QT_TRANSLATE_NOOP("r36::Difference", "PS-link group %1"), kContext)
            .arg(change.index);
    case PieceKind::RemoconId:
        return say(QT_TRANSLATE_NOOP("r36::Failure", "remote key ID %1")).arg(change.index);
    case PieceKind::BankTablePart:
    case PieceKind::SysBlockPart:
    case PieceKind::Sys3Block:
        break;
    }
    // Banks and settings are named as the receiver names them ("Bank03", "LAMP").
    return QString::fromStdString(change.name);
}

QString countsText(const image::Difference& difference, const Words& say) {
    struct Noun {
        PieceKind kind;
        const char* one;
        const char* many;
    };
    // In listing order.
    static const Noun kNouns[] = {
        {PieceKind::Memory, QT_TRANSLATE_NOOP("r36::Failure", "1 memory"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 memories")},
        {PieceKind::BankTablePart, QT_TRANSLATE_NOOP("r36::Failure", "1 bank"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 banks")},
        {PieceKind::BankLinkGroup, QT_TRANSLATE_NOOP("r36::Failure", "1 bank-link group"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 bank-link groups")},
        {PieceKind::PsLinkGroup, QT_TRANSLATE_NOOP("r36::Failure", "1 PS-link group"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 PS-link groups")},
        {PieceKind::SysBlockPart, QT_TRANSLATE_NOOP("r36::Failure", "1 setting"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 settings")},
        {PieceKind::RemoconId, QT_TRANSLATE_NOOP("r36::Failure", "1 remote key ID"),
         QT_TRANSLATE_NOOP("r36::Failure", "%1 remote key IDs")}};
    // PROTCT, the third block's one setting, counts among the settings.
    auto countedAs = [](PieceKind kind) {
        return kind == PieceKind::Sys3Block ? PieceKind::SysBlockPart : kind;
    };
    QStringList parts;
    for (const Noun& noun : kNouns) {
        const auto count = std::count_if(
            difference.changes.begin(), difference.changes.end(),
            [&](const image::Change& c) { return countedAs(c.piece.kind) == noun.kind; });
        if (count > 0)
            parts << (count == 1 ? say(noun.one) : say(noun.many).arg(count));
    }
    return parts.isEmpty() ? say(QT_TRANSLATE_NOOP("r36::Failure", "nothing"))
                           : parts.join(QLatin1String(", "));
}

} // namespace

QString changeText(const image::Change& change, Wording wording) {
    const Words say(wording);
    QStringList fields;
    for (const FieldChange& field : change.fields) {
        const QString name = fieldName(field, say);
        const QString before = valueText(field.before, say), after = valueText(field.after, say);
        fields << (name.isEmpty()
                       ? say(QT_TRANSLATE_NOOP("r36::Difference", "%1 -> %2"), kContext)
                             .arg(before, after)
                       : say(QT_TRANSLATE_NOOP("r36::Difference", "%1 %2 -> %3"), kContext)
                             .arg(name, before, after));
    }
    const QString subject = subjectText(change, say);
    const QString what = fields.join(QLatin1String(", "));
    if (change.label.empty())
        return say(QT_TRANSLATE_NOOP("r36::Difference", "%1: %2"), kContext).arg(subject, what);
    return say(QT_TRANSLATE_NOOP("r36::Difference", "%1 (%2): %3"), kContext)
        .arg(subject, QString::fromStdString(change.label), what);
}

QString labelChangeText(const image::LabelChange& change, Wording wording) {
    return Words(wording)(QT_TRANSLATE_NOOP("r36::Difference", "%1: %2 -> %3"), kContext)
        .arg(QString::fromStdString(change.channel), QString::fromStdString(change.before),
             QString::fromStdString(change.after));
}

QString countsText(const image::Difference& difference, Wording wording) {
    return countsText(difference, Words(wording));
}

QString receiverDiffersText(const Failure& failure, Wording wording) {
    const Words say(wording);
    const QString found = say(QT_TRANSLATE_NOOP("r36::Failure", "verify after writing found %1 "
                                                                "that the receiver holds "
                                                                "otherwise:"));
    if (!failure.difference)
        return found.arg(say(QT_TRANSLATE_NOOP("r36::Failure", "nothing")));
    const image::Difference& difference = *failure.difference;
    QString message = found.arg(countsText(difference, say));
    for (const image::Change& change : difference.changes) {
        QStringList held, written;
        for (const FieldChange& field : change.fields) {
            held << valueText(field.before, say);
            written << valueText(field.after, say);
        }
        // The link groups as the steps of a transfer name them.
        const bool group = change.index >= 0 && change.piece.kind == PieceKind::PsLinkGroup;
        message +=
            QLatin1Char('\n') +
            say(QT_TRANSLATE_NOOP("r36::Failure", "%1: the receiver holds %2, %3 was written"))
                .arg(group ? pieceName(change.piece, wording) : subjectText(change, say),
                     held.join(QLatin1Char(' ')), written.join(QLatin1Char(' ')));
        // The one-byte write goes to the block's own address; this receiver did not take it
        // as PROTCT's byte.
        if (change.piece.kind == PieceKind::Sys3Block)
            message +=
                say(QT_TRANSLATE_NOOP("r36::Failure", " (the PROTCT change did not stick on the "
                                                      "receiver)"));
    }
    return message;
}

} // namespace r36::session
