#include "memory_field_text.h"

#include <array>

namespace r36::session {

namespace {

constexpr char kContext[] = "r36::MemoryField";

// In the order of image::MemoryField; the memory list's column heads.
constexpr std::array<const char*, 13> kFieldNames = {
    QT_TRANSLATE_NOOP("r36::MemoryField", "Frequency"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Mode"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Step"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Subtone"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "TSQ"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "DCS"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Train"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Shift"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Offset Freq."),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Skip"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "Name"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "auto step"),
    QT_TRANSLATE_NOOP("r36::MemoryField", "auto mode"),
};

} // namespace

QString memoryFieldName(image::MemoryField field, Wording wording) {
    return Words(wording)(kFieldNames.at(static_cast<std::size_t>(field)), kContext);
}

QString refusalText(const image::FieldRefusal& refusal, Wording wording) {
    using Kind = image::FieldRefusal::Kind;
    const Words say(wording);
    switch (refusal.kind) {
    case Kind::None:
        return {};
    case Kind::FrequencyRange:
        return say(QT_TRANSLATE_NOOP("r36::MemoryField", "Frequency: 0.100000 to 1299.999999 MHz"),
                   kContext);
    case Kind::OffsetRange:
        return say(
            QT_TRANSLATE_NOOP("r36::MemoryField", "Offset Frequency: 0.000000 to 999.999999 MHz"),
            kContext);
    case Kind::NameCharacter:
        return say(QT_TRANSLATE_NOOP("r36::MemoryField",
                                     "Name: the characters from space to ~ only, not \"%1\""),
                   kContext)
            .arg(QString::fromStdString(refusal.character));
    case Kind::ByteRange:
        return say(QT_TRANSLATE_NOOP("r36::MemoryField", "%1: 0 to 255"), kContext)
            .arg(memoryFieldName(refusal.field, wording));
    case Kind::NotInList:
        return say(QT_TRANSLATE_NOOP("r36::MemoryField", "%1: one of the list's values"), kContext)
            .arg(memoryFieldName(refusal.field, wording));
    case Kind::NoSuchColumn:
        break;
    }
    return say(QT_TRANSLATE_NOOP("r36::MemoryField", "no such column"), kContext);
}

} // namespace r36::session
