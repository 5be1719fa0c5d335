#include "memory_fields.h"

#include "image/hex_text.h"
#include "image/memory_areas.h"
#include "image/memory_record.h"
#include "image/value_lists.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <utility>

namespace r36::image {

namespace {

constexpr std::uint32_t kHzPerMHz = 1'000'000;
constexpr std::size_t kFractionDigits = 6;

std::string fractionText(std::uint32_t hz) {
    char text[8];
    std::snprintf(text, sizeof text, "%06lu", static_cast<unsigned long>(hz % kHzPerMHz));
    return text;
}

// The receiver's editor reads "-" before the first digit as a sign, blanks skipped.
bool startsNegative(std::string_view text) {
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return c == '-';
    }
    return false;
}

// Hertz of a whole-megahertz text and a fraction text, rounded to the nearest hertz (half to
// even); -1 for a negative text or more whole megahertz than the boxes allow.
double composedHz(const std::string& wholeMHz, std::string fraction) {
    if (startsNegative(wholeMHz) || startsNegative(fraction) ||
        numericValue(wholeMHz) > kMaxWholeMHz)
        return -1;
    if (fraction.size() < kFractionDigits)
        fraction.append(kFractionDigits - fraction.size(), '0');
    return std::nearbyint(numericValue(wholeMHz) * kHzPerMHz + numericValue(fraction));
}

using Refusal = FieldRefusal::Kind;

FieldsRecord failed(Refusal kind, MemoryField field = MemoryField::Frequency) {
    return {std::string(), {kind, field, std::string()}};
}

/// The first character of `name` that the receiver cannot show, whole as typed: with the
/// UTF-8 continuation bytes that follow it. Every byte before it is printable ASCII.
std::string unshownCharacter(const std::string& name) {
    std::size_t at = 0;
    while (at < name.size() && name[at] >= 0x20 && name[at] <= 0x7E)
        ++at;
    std::size_t end = at + 1;
    while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        ++end;
    return at < name.size() ? name.substr(at, end - at) : std::string();
}

} // namespace

MemoryFields fieldsOfRecord(std::string_view record, int memory) {
    const std::optional<MemoryChannel> channel = decodeRecord(record);
    if (!channel)
        return {};
    MemoryFields fields;
    fields.frequencyMHz = std::to_string(channel->frequencyHz / kHzPerMHz);
    fields.frequencyFraction = fractionText(channel->frequencyHz);
    fields.offsetMHz = std::to_string(channel->offsetHz / kHzPerMHz);
    fields.offsetFraction = fractionText(channel->offsetHz);
    fields.mode = channel->mode;
    fields.step = channel->step;
    fields.shift = channel->shift;
    fields.subtone = channel->subtone;
    fields.toneIndex = channel->toneIndex;
    fields.dcsIndex = channel->dcsIndex;
    fields.trainIndex = channel->trainIndex;
    // Flags as their bytes: a byte other than 0 or 1 is kept until the user decides.
    fields.skip = byteAt(record, rec::kSkip).value_or(0);
    if (isPrgMemory(memory)) {
        fields.autoStep = byteAt(record, rec::kAutoStep).value_or(0);
        fields.autoMode = byteAt(record, rec::kAutoMode).value_or(0);
    }
    fields.name = channel->name;
    return fields;
}

FieldsRecord recordOfFields(const MemoryFields& fields, int memory) {
    const double frequencyHz = composedHz(fields.frequencyMHz, fields.frequencyFraction);
    if (!(frequencyHz >= kMinFrequencyHz && frequencyHz < kFrequencyLimitHz))
        return failed(Refusal::FrequencyRange, MemoryField::Frequency);
    const double offsetHz = composedHz(fields.offsetMHz, fields.offsetFraction);
    if (!(offsetHz >= 0 && offsetHz < kOffsetLimitHz))
        return failed(Refusal::OffsetRange, MemoryField::Offset);

    // The receiver honours the auto flags only in the program-scan edges.
    const bool prg = isPrgMemory(memory);
    const int autoStep = prg ? fields.autoStep : 0;
    const int autoMode = prg ? fields.autoMode : 0;
    const std::pair<MemoryField, int> bytes[] = {
        {MemoryField::Mode, fields.mode},        {MemoryField::Step, fields.step},
        {MemoryField::Shift, fields.shift},      {MemoryField::Subtone, fields.subtone},
        {MemoryField::Tsq, fields.toneIndex},    {MemoryField::Dcs, fields.dcsIndex},
        {MemoryField::Train, fields.trainIndex}, {MemoryField::Skip, fields.skip},
        {MemoryField::AutoStep, autoStep},       {MemoryField::AutoMode, autoMode},
    };
    for (const auto& [field, value] : bytes)
        if (value < 0 || value > 255)
            return failed(Refusal::ByteRange, field);

    MemoryChannel channel;
    channel.frequencyHz = static_cast<std::uint32_t>(frequencyHz);
    channel.offsetHz = static_cast<std::uint32_t>(offsetHz);
    channel.mode = static_cast<std::uint8_t>(fields.mode);
    channel.step = static_cast<std::uint8_t>(fields.step);
    channel.shift = static_cast<std::uint8_t>(fields.shift);
    channel.subtone = static_cast<std::uint8_t>(fields.subtone);
    channel.toneIndex = static_cast<std::uint8_t>(fields.toneIndex);
    channel.dcsIndex = static_cast<std::uint8_t>(fields.dcsIndex);
    channel.trainIndex = static_cast<std::uint8_t>(fields.trainIndex);
    // A longer name keeps its first six characters; encodeRecord pads it with spaces.
    channel.name = fields.name.substr(0, rec::kNameLength);
    std::string record = encodeRecord(channel);
    if (record.empty()) // the name: the only field left that encodeRecord refuses
        return {std::string(),
                {Refusal::NameCharacter, MemoryField::Name, unshownCharacter(fields.name)}};
    // Flags go in as their bytes, so an undecided one goes back as it came.
    setByteAt(record, rec::kSkip, fields.skip);
    setByteAt(record, rec::kAutoStep, autoStep);
    setByteAt(record, rec::kAutoMode, autoMode);
    return {std::move(record), {}};
}

namespace {

// renderRecord's texts, in the memory list's column order.
enum Text {
    kFrequencyText,
    kModeText,
    kStepText,
    kSubtoneText,
    kToneText,
    kDcsText,
    kTrainText,
    kShiftText,
    kOffsetText,
    kSkipText,
    kNameText
};
constexpr std::string_view kAuto = "auto";

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A megahertz text as the list shows it or as typed ("145.5", "145.5 MHz") split into the
// editor's whole-MHz and fraction boxes; false for anything else, a seventh decimal included.
bool splitMegahertz(std::string_view value, std::string& whole, std::string& fraction) {
    std::string text;
    for (const char c : value)
        if (c != ' ')
            text += c;
    if (text.size() >= 3 && toUpperAscii(text.substr(text.size() - 3)) == "MHZ")
        text.resize(text.size() - 3);
    const std::size_t point = text.find('.');
    whole = text.substr(0, point);
    fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    return !text.empty() && text != "." && allDigits(whole) && allDigits(fraction) &&
           fraction.size() <= kFractionDigits;
}

} // namespace

std::optional<std::uint32_t> hertzOfMegahertz(std::string_view text) {
    std::string whole;
    std::string fraction;
    if (!splitMegahertz(text, whole, fraction))
        return std::nullopt;
    const double hz = composedHz(whole, fraction);
    if (!(hz >= 0 && hz <= 4'294'967'295.0))
        return std::nullopt;
    return static_cast<std::uint32_t>(hz);
}

std::vector<std::string_view> textChoices(int text, int memory) {
    using List = std::span<const std::string_view>;
    static const std::array<List, 11> lists = {List(),     modeNames, stepNames,  subtoneKinds,
                                               ctcssTones, dcsCodes,  trainTones, shiftNames,
                                               List(),     skipMarks, List()};
    if (text < kFrequencyText || text > kNameText)
        return {};
    const List list = lists[static_cast<std::size_t>(text)];
    std::vector<std::string_view> choices(list.begin(), list.end());
    if ((text == kModeText || text == kStepText) && isPrgMemory(memory))
        choices.push_back(kAuto);
    return choices;
}

FieldsRecord recordWithText(std::string_view record, int memory, int text, std::string_view value) {
    if (text < kFrequencyText || text > kNameText)
        return failed(Refusal::NoSuchColumn);
    MemoryFields fields = fieldsOfRecord(record, memory);
    if (text == kFrequencyText || text == kOffsetText) {
        const bool frequency = text == kFrequencyText;
        if (!splitMegahertz(value, frequency ? fields.frequencyMHz : fields.offsetMHz,
                            frequency ? fields.frequencyFraction : fields.offsetFraction))
            return frequency ? failed(Refusal::FrequencyRange, MemoryField::Frequency)
                             : failed(Refusal::OffsetRange, MemoryField::Offset);
        return recordOfFields(fields, memory);
    }
    if (text == kNameText) {
        fields.name = value;
        return recordOfFields(fields, memory);
    }
    const std::vector<std::string_view> choices = textChoices(text, memory);
    const auto found = std::find(choices.begin(), choices.end(), value);
    if (found == choices.end())
        return failed(Refusal::NotInList, static_cast<MemoryField>(text));
    const int index = static_cast<int>(found - choices.begin());
    const bool automatic = value == kAuto;
    int* const targets[] = {
        nullptr,          &fields.mode,       &fields.step,  &fields.subtone, &fields.toneIndex,
        &fields.dcsIndex, &fields.trainIndex, &fields.shift, nullptr,         &fields.skip};
    if (!automatic)
        *targets[text] = index;
    if (text == kModeText)
        fields.autoMode = automatic;
    if (text == kStepText)
        fields.autoStep = automatic;
    return recordOfFields(fields, memory);
}

} // namespace r36::image
